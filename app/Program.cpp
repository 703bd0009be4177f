#include "app/Program.h"

#include "app/UnitINI.h"
#include "skin/engine/SkinManage.h"
#include "toolkit/Forms.h"
#include "ui/FormMain.h"
#include "ui/FormSettings.h"

void StartProgram() {
    try {
        Application->Initialize();
        Application->SetTitle("Pelmar - Tarvik 2006");
        // Before any window exists: the main window chooses its pages from it.
        DetectFirstRun();
        Application->CreateForm(MainForm);
        Application->CreateForm(FrmSettings);
        ApplySettings();
    } catch (...) {
        // A start that failed is no exit: the windows already made are freed without writing
        // the settings file (one of them may be gone first), and the next start is still a
        // first run.
        SettingsSaved = true;
        throw;
    }
}

void EndProgram() {
    // Every skinned window gets its own look back while the windows still exist.
    DestroySkinManager();
}
