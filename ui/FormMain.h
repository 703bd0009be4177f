#pragma once
// The main window: the browse page (drive box, folder list, path edit, file list), the
// inputs/outputs page (keywords, current file, run log), the help page and the first-run
// agreement page, with the menu that starts the runs. Its controls are the settings in
// memory that UnitINI stores; the first of its four closing handlers writes them.

#include <cstdint>
#include <string>

#include "engine/ProcessFile.h"
#include "skin/WinSkinData.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "util/MovraFileListBox.h"

class TMainForm : public TForm {
    TOOLKIT_CLASS(TMainForm, TForm)

public:
    using TForm::TForm;

    TPageControl* PageControl = nullptr;
    TTabSheet* tabBrowse = nullptr;
    TPanel* PanelExplorer = nullptr;
    TPanel* PanelTop = nullptr;
    TDriveComboBox* DriveComboBox = nullptr;
    TEdit* edtPath = nullptr;
    TDirectoryListBox* Directory = nullptr;
    TSplitter* Splitter = nullptr;
    TMovraFileList* FileList = nullptr;
    TTabSheet* tabStart = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* lblKeys = nullptr;
    TMemo* mmoKeys = nullptr;
    TButton* btnSaveKwrds = nullptr;
    TSplitter* Splitter1 = nullptr;
    // The current file. Its form file gives it a capacity (16 MiB) so that a file too large
    // to show is refused before it is rewritten, not after.
    TMemo* Mmo = nullptr;
    TSplitter* Splitter2 = nullptr;
    // The run log. Its form file lifts the rich edit's default limit of 32767 characters,
    // which a run over a few thousand files would reach part-way.
    TRichEdit* mmOutput = nullptr;
    TTabSheet* tabHelp = nullptr;
    TMemo* MmoHelp = nullptr;
    TTabSheet* tabLicense = nullptr;
    TMemo* mmoLicense = nullptr;
    TButton* btnAgree = nullptr;
    TStatusBar* StatBar = nullptr;
    TMainMenu* MainMenu = nullptr;
    TMenuItem* mnuFile = nullptr;
    TMenuItem* mnuStart = nullptr;
    TMenuItem* Startallsubfolders1 = nullptr;
    TMenuItem* mnuExit = nullptr;
    TMenuItem* mnuOptions = nullptr;
    TMenuItem* mnuExplorer = nullptr;
    TMenuItem* mnuSettings = nullptr;
    TMenuItem* mnuHelp = nullptr;
    TMenuItem* mnuAbout = nullptr;
    TMenuItem* mnuWebsite = nullptr;
    // Asks where F12 saves the run log.
    TSaveDialog* dlgSaveLog = nullptr;
    // Holds the skin the program's windows are drawn with; start-up gives it the skin file.
    TSkinData* SkinData = nullptr;

    void FormCreate(TObject* sender);
    void edtPathChange(TObject* sender);
    void DirectoryChange(TObject* sender);
    void mnuExplorerClick(TObject* sender);
    void btnAgreeClick(TObject* sender);
    void mnuAboutClick(TObject* sender);
    void mnuSettingsClick(TObject* sender);
    void mnuWebsiteClick(TObject* sender);
    void mnuExitClick(TObject* sender);
    void btnStartClick(TObject* sender);
    void Startallsubfolders1Click(TObject* sender);
    void btnSaveKwrdsClick(TObject* sender);
    // The application's hint event: tool-tips on or off, and the status line, as the
    // settings window's hint choice says.
    void CanShowHint(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& CanClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormDestroy(TObject* sender);
    void WMEndSession(TMessage& message);
    // Place the pages' buttons (and the keyword box) as the window is resized.
    void Panel1Resize(TObject* sender);
    void tabLicenseResize(TObject* sender);

    // One file through the tag insertion engine, its rewritten text shown in Mmo; returns
    // how many alt attributes were inserted.
    std::int32_t ProcessFile(const std::string& fileName);
    // The same without showing the text: a batch run shows only its last file's.
    pelmar::ProcessedFile RewriteFile(const std::string& fileName);
    // Writes the run log's text to `path` as plain text.
    void SaveRunLog(const std::string& path);
    // F12: asks for a file and saves the run log there.
    void SaveRunLogAs();

    bool IsShortCut(TShortCut shortCut) override;

protected:
    void WndProc(TMessage& message) override;
};

extern TMainForm* MainForm;
