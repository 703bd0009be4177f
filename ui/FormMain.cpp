#include "ui/FormMain.h"

#include <algorithm>
#include <memory>

#include "app/UnitINI.h"
#include "engine/KeywordList.h"
#include "ui/FormAbout.h"
#include "ui/FormSettings.h"
#include "util/MovraTPU.h"

TMainForm* MainForm = nullptr;

namespace {

// Where "Web site" leads (the about box's link names the same page).
constexpr const char* kHomePage = "http://www.pelmar-tools.example/";

}  // namespace

const TClassInfo& TMainForm::StaticClass() {
    using C = TMainForm;
    using P = TProps<C>;
    static const TClassInfo info(
        "TMainForm", &TForm::StaticClass(), Creator<C>(), {},
        {
            P::Method("FormCreate", &C::FormCreate),
            P::Method("edtPathChange", &C::edtPathChange),
            P::Method("DirectoryChange", &C::DirectoryChange),
            P::Method("mnuExplorerClick", &C::mnuExplorerClick),
            P::Method("btnAgreeClick", &C::btnAgreeClick),
            P::Method("mnuAboutClick", &C::mnuAboutClick),
            P::Method("mnuSettingsClick", &C::mnuSettingsClick),
            P::Method("mnuWebsiteClick", &C::mnuWebsiteClick),
            P::Method("mnuExitClick", &C::mnuExitClick),
            P::Method("btnStartClick", &C::btnStartClick),
            P::Method("Startallsubfolders1Click", &C::Startallsubfolders1Click),
            P::Method("btnSaveKwrdsClick", &C::btnSaveKwrdsClick),
            P::Method("CanShowHint", &C::CanShowHint),
            P::Method("FormCloseQuery", &C::FormCloseQuery),
            P::Method("FormClose", &C::FormClose),
            P::Method("FormDestroy", &C::FormDestroy),
            P::Method("Panel1Resize", &C::Panel1Resize),
            P::Method("tabLicenseResize", &C::tabLicenseResize),
        },
        {
            P::Field("PageControl", &C::PageControl),
            P::Field("tabBrowse", &C::tabBrowse),
            P::Field("PanelExplorer", &C::PanelExplorer),
            P::Field("PanelTop", &C::PanelTop),
            P::Field("DriveComboBox", &C::DriveComboBox),
            P::Field("edtPath", &C::edtPath),
            P::Field("Directory", &C::Directory),
            P::Field("Splitter", &C::Splitter),
            P::Field("FileList", &C::FileList),
            P::Field("tabStart", &C::tabStart),
            P::Field("Panel1", &C::Panel1),
            P::Field("lblKeys", &C::lblKeys),
            P::Field("mmoKeys", &C::mmoKeys),
            P::Field("btnSaveKwrds", &C::btnSaveKwrds),
            P::Field("Splitter1", &C::Splitter1),
            P::Field("Mmo", &C::Mmo),
            P::Field("Splitter2", &C::Splitter2),
            P::Field("mmOutput", &C::mmOutput),
            P::Field("tabHelp", &C::tabHelp),
            P::Field("MmoHelp", &C::MmoHelp),
            P::Field("tabLicense", &C::tabLicense),
            P::Field("mmoLicense", &C::mmoLicense),
            P::Field("btnAgree", &C::btnAgree),
            P::Field("StatBar", &C::StatBar),
            P::Field("MainMenu", &C::MainMenu),
            P::Field("mnuFile", &C::mnuFile),
            P::Field("mnuStart", &C::mnuStart),
            P::Field("Startallsubfolders1", &C::Startallsubfolders1),
            P::Field("mnuExit", &C::mnuExit),
            P::Field("mnuOptions", &C::mnuOptions),
            P::Field("mnuExplorer", &C::mnuExplorer),
            P::Field("mnuSettings", &C::mnuSettings),
            P::Field("mnuHelp", &C::mnuHelp),
            P::Field("mnuAbout", &C::mnuAbout),
            P::Field("mnuWebsite", &C::mnuWebsite),
            P::Field("dlgSaveLog", &C::dlgSaveLog),
            P::Field("SkinData", &C::SkinData),
        });
    return info;
}
TOOLKIT_REGISTER(TMainForm);

void TMainForm::FormCreate(TObject*) {
    PageControl->SetAlign(alClient);
    PanelExplorer->SetAlign(alClient);
    SetCaption("Pelmar");
    Icon()->LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON");
    PageControl->SetDoubleBuffered(true);
    Directory->SetDoubleBuffered(true);
    FileList->SetDoubleBuffered(true);

    tabLicense->SetTabVisible(IsFirstRun);
    tabBrowse->SetTabVisible(!IsFirstRun);
    tabStart->SetTabVisible(!IsFirstRun);
    tabHelp->SetTabVisible(true);
    if (tabLicense->TabVisible())
        PageControl->SetActivePage(tabLicense);
    else
        mnuExplorerClick(this);

    Application->OnHint = Bind(this, &TMainForm::CanShowHint);
    edtPath->SetText(Directory->Directory());
    FileList->SetMask("*.html");

    pelmar::KeywordList keywords;
    if (keywords.LoadFrom(pelmar::KeywordFilePath()))
        mmoKeys->SetText(keywords.Text());
    else
        StatBar->SetSimpleText(pelmar::kMissingKeywordFileMessage);
}

// ---- Browse page ------------------------------------------------------------------------

void TMainForm::edtPathChange(TObject*) { Directory->SetDirectory(edtPath->Text()); }

void TMainForm::DirectoryChange(TObject*) {
    if (edtPath->Text() != Directory->Directory()) edtPath->SetText(Directory->Directory());
}

// ---- Pages --------------------------------------------------------------------------------

void TMainForm::mnuExplorerClick(TObject*) {
    tabBrowse->SetTabVisible(mnuExplorer->Checked());
    if (mnuExplorer->Checked()) PageControl->SetActivePage(tabBrowse);
}

void TMainForm::btnAgreeClick(TObject*) {
    tabLicense->SetTabVisible(false);
    tabBrowse->SetTabVisible(true);
    tabStart->SetTabVisible(true);
}

// The keyword box fills the panel between its title and the button, which stays at the
// centre near the bottom; the panel's height comes from the window, known only at run time.
void TMainForm::Panel1Resize(TObject*) {
    const int buttonTop = Panel1->ClientHeight() - btnSaveKwrds->Height() - 8;
    const int keysTop = lblKeys->Top() + lblKeys->Height() + 3;
    mmoKeys->SetBounds(0, keysTop, Panel1->ClientWidth(), std::max(0, buttonTop - 8 - keysTop));
    btnSaveKwrds->SetBounds((Panel1->ClientWidth() - btnSaveKwrds->Width()) / 2, buttonTop, btnSaveKwrds->Width(),
                            btnSaveKwrds->Height());
}

// "I Agree" stays at the centre, its bottom edge 1 px above the page's bottom.
void TMainForm::tabLicenseResize(TObject*) {
    btnAgree->SetBounds((tabLicense->ClientWidth() - btnAgree->Width()) / 2,
                        tabLicense->ClientHeight() - btnAgree->Height() - 1, btnAgree->Width(), btnAgree->Height());
}

// ---- Menu ---------------------------------------------------------------------------------

void TMainForm::mnuAboutClick(TObject*) {
    const std::unique_ptr<TAboutBox, void (*)(TAboutBox*)> box(TCustomForm::Create<TAboutBox>(this),
                                                              [](TAboutBox* about) { about->Free(); });
    box->ShowModal();
}

void TMainForm::mnuSettingsClick(TObject*) {
    FrmSettings->Show();
    FrmSettings->BringToFront();
}

void TMainForm::mnuWebsiteClick(TObject*) { pelmar::ShellOpen(kHomePage); }

void TMainForm::mnuExitClick(TObject*) { Close(); }

// ---- Keywords -------------------------------------------------------------------------------

void TMainForm::btnSaveKwrdsClick(TObject*) {
    pelmar::KeywordList keywords;
    keywords.SetText(mmoKeys->Text());
    keywords.SaveTo(pelmar::KeywordFilePath());
}

// ---- Hints ----------------------------------------------------------------------------------

void TMainForm::CanShowHint(TObject*) {
    if (!FrmSettings) return;
    Application->SetShowHint(!FrmSettings->radHintsOff->Checked());
    if (FrmSettings->radHintsStatBar->Checked()) StatBar->SetSimpleText(Application->Hint());
}

// ---- Shutdown -------------------------------------------------------------------------------
// Whichever of these comes first writes the settings file; the others find it written.

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
    SaveSettingsOnce();
}

void TMainForm::FormClose(TObject*, TCloseAction&) { SaveSettingsOnce(); }

void TMainForm::FormDestroy(TObject*) { SaveSettingsOnce(); }

void TMainForm::WMEndSession(TMessage&) { SaveSettingsOnce(); }

void TMainForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_QUERYENDSESSION:
            // The system asks before a log-off: the close query answers, always yes.
            message.Result = TRUE;
            CloseQuery();
            return;
        case WM_ENDSESSION:
            // Not passed on: the default handling would end the process before the save.
            WMEndSession(message);
            return;
        default:
            TForm::WndProc(message);
    }
}

bool TMainForm::IsShortCut(TShortCut shortCut) {
    if (shortCut == VK_F12) {
        SaveRunLogAs();
        return true;
    }
    return TForm::IsShortCut(shortCut);
}
