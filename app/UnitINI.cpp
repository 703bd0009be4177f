#include "app/UnitINI.h"

#include <string>

#include "platform/Platform.h"
#include "platform/Win.h"
#include "skin/WinSkinData.h"
#include "toolkit/Classes.h"
#include "ui/FormMain.h"
#include "ui/FormSettings.h"
#include "util/MovraIniFile.h"
#include "util/MovraTPU.h"

using pelmar::TMovraIniFile;

bool IsFirstRun = false;
bool SettingsSaved = false;

namespace {

// Written with exactly these letters on every access.
std::string SettingsFileName() { return pelmar::GetAppDir() + "Pelmar.INI"; }

constexpr TColor kHintColor = 12632208;  // red 144, green 192, blue 192
constexpr int kHintPauseMs = 400;
constexpr int kHintShortPauseMs = 45;

void LoadWindowState(const TMovraIniFile& ini) {
    if (ini.ReadBool("WindowState", "Maximized", false)) MainForm->SetWindowState(wsMaximized);
    // A maximised window restores to its designed bounds; the stored ones are left alone.
    if (MainForm->WindowState() == wsMaximized) return;
    const int left = ini.ReadInteger("WindowState", "Left", 50);
    const int top = ini.ReadInteger("WindowState", "Top", 50);
    const int width = ini.ReadInteger("WindowState", "Width", 750);
    const int height = ini.ReadInteger("WindowState", "Height", 550);
    // Bounds that lie on no screen (another monitor then, a hand-edited file) would open
    // a window nobody can see or reach: it opens where a first run puts it.
    const RECT stored{left, top, left + width, top + height};
    const bool onScreen = width > 0 && height > 0 && MonitorFromRect(&stored, MONITOR_DEFAULTTONULL);
    MainForm->SetLeft(onScreen ? left : 50);
    MainForm->SetTop(onScreen ? top : 50);
    MainForm->SetWidth(onScreen ? width : 750);
    MainForm->SetHeight(onScreen ? height : 550);
}

void LoadFormSettings(const TMovraIniFile& ini) {
    TFrmSettings& form = *FrmSettings;
    form.SetLeft(ini.ReadInteger("FormSettings", "left", 350));
    form.SetTop(ini.ReadInteger("FormSettings", "top", 150));
    form.spnHideHint->SetValue(ini.ReadInteger("FormSettings", "spnHideHint", 4000));
    form.chkSkins->SetChecked(ini.ReadBool("FormSettings", "chkSkins", true));
    form.chkSounds->SetChecked(ini.ReadBool("FormSettings", "chkSounds", true));
    // One group: the last true key wins, all false leaves none selected. Setting a choice
    // from code runs no click handler, so the status bar keeps what start-up put there.
    form.radHintsOff->SetChecked(ini.ReadBool("FormSettings", "radHintsOff", false));
    form.radHintsTooltips->SetChecked(ini.ReadBool("FormSettings", "radHintsTooltips", true));
    form.radHintsStatBar->SetChecked(ini.ReadBool("FormSettings", "radHintsStatBar", false));
}

void SaveWindowState(TMovraIniFile& ini) {
    const TWindowState state = MainForm->WindowState();
    if (state != wsMaximized) {
        // A minimised window sits off-screen: keep the bounds it comes back to.
        const RECT bounds = state == wsMinimized ? MainForm->RestoredBounds() : MainForm->BoundsRect();
        ini.WriteInteger("WindowState", "Left", bounds.left);
        ini.WriteInteger("WindowState", "Top", bounds.top);
        ini.WriteInteger("WindowState", "Width", bounds.right - bounds.left);
        ini.WriteInteger("WindowState", "Height", bounds.bottom - bounds.top);
    }
    ini.WriteBool("WindowState", "Maximized", state == wsMaximized);
    ini.WriteBool("WindowState", "FirstTime", false);
}

void SaveFormSettings(TMovraIniFile& ini) {
    const TFrmSettings& form = *FrmSettings;
    ini.WriteInteger("FormSettings", "left", form.Left());
    ini.WriteInteger("FormSettings", "top", form.Top());
    // As typed: the range only applies on load.
    ini.WriteInteger("FormSettings", "spnHideHint", form.spnHideHint->Value());
    ini.WriteBool("FormSettings", "chkSkins", form.chkSkins->Checked());
    ini.WriteBool("FormSettings", "chkSounds", form.chkSounds->Checked());
    ini.WriteBool("FormSettings", "radHintsOff", form.radHintsOff->Checked());
    ini.WriteBool("FormSettings", "radHintsTooltips", form.radHintsTooltips->Checked());
    ini.WriteBool("FormSettings", "radHintsStatBar", form.radHintsStatBar->Checked());
}

}  // namespace

void DetectFirstRun() { IsFirstRun = !pelmar::platform::FileExists(SettingsFileName()); }

void LoadSettings() {
    SetCurrentDirectoryA(pelmar::GetAppDir().c_str());
    const TMovraIniFile ini(SettingsFileName());
    LoadWindowState(ini);
    LoadFormSettings(ini);
}

void SaveSettings() {
    TMovraIniFile ini(SettingsFileName());
    SaveWindowState(ini);
    SaveFormSettings(ini);
}

void SaveSettingsOnce() {
    // A window that fails while it is being made is freed before the program has both its
    // windows: that is no exit, and nothing is written.
    if (SettingsSaved || !MainForm || !FrmSettings) return;
    SettingsSaved = true;
    SaveSettings();
}

void ApplySkinSetting() {
    const std::string path = pelmar::GetAppDir() + "skin.skn";
    if (!pelmar::platform::FileExists(path)) return;
    const bool wanted = FrmSettings->chkSkins->Checked();
    TSkinData& skin = *MainForm->SkinData;
    if (wanted) {
        // A skin that cannot be read is no reason not to start: the program goes on unskinned.
        try {
            skin.SetSkinFile(path);
        } catch (const std::exception& error) {
            pelmar::platform::WarningBox("Pelmar", Format("Cannot use the skin file \"%s\". %s", path.c_str(), error.what()));
        }
    }
    skin.SetActive(wanted);
}

void ApplySettings() {
    LoadSettings();
    ApplySkinSetting();
    Application->SetHintColor(kHintColor);
    Application->SetHintPause(kHintPauseMs);
    Application->SetHintShortPause(kHintShortPauseMs);
    FrmSettings->btnApplyClick(nullptr);
}
