#include "app/Program.h"

#include "app/UnitINI.h"
#include "toolkit/Forms.h"
#include "ui/FormMain.h"
#include "ui/FormSettings.h"

void StartProgram() {
    Application->Initialize();
    Application->SetTitle("Pelmar - Tarvik 2006");
    // Before any window exists: the main window chooses its pages from it.
    DetectFirstRun();
    Application->CreateForm(MainForm);
    Application->CreateForm(FrmSettings);
    ApplySettings();
}
