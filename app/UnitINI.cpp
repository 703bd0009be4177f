#include "app/UnitINI.h"

#include "platform/Platform.h"
#include "util/MovraTPU.h"

bool IsFirstRun = false;
bool SettingsSaved = false;

namespace {

std::string SettingsFileName() { return pelmar::GetAppDir() + "Pelmar.INI"; }

}  // namespace

void DetectFirstRun() { IsFirstRun = !pelmar::platform::FileExists(SettingsFileName()); }

void LoadSettings() {}

void SaveSettings() {}

void SaveSettingsOnce() {
    if (SettingsSaved) return;
    SettingsSaved = true;
    SaveSettings();
}

void ApplySettings() { LoadSettings(); }
