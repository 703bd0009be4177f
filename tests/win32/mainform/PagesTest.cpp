// Which pages the main window shows on a first and a later run, and how "View Explorer"
// and "I Agree" change them; the menu's shortcuts and the commands that leave the window.
#include <cstdlib>
#include <vector>

#include "app/UnitINI.h"
#include "tests/win32/mainform/MainFormFixture.h"
#include "toolkit/Menus.h"
#include "ui/FormSettings.h"

namespace {

std::vector<TTabSheet*> Tabs() { return MainForm->PageControl->VisibleTabs(); }

}  // namespace

TEST_F(MainFormTest, FirstRunShowsHelpAndLicenseOnlyUntilIAgree) {
    Start(true);
    auto* f = MainForm;
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabHelp, f->tabLicense}));
    EXPECT_EQ(f->PageControl->ActivePage(), f->tabLicense);
    EXPECT_TRUE(f->mnuExplorer->Checked());

    Click(f->btnAgree);
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabBrowse, f->tabStart, f->tabHelp}));
    EXPECT_NE(f->PageControl->ActivePage(), f->tabLicense);
    EXPECT_TRUE(IsFirstRun);
    EXPECT_TRUE(f->mnuExplorer->Checked());
}

TEST_F(MainFormTest, FirstRunViewExplorerTwiceAddsTheBrowsePageBesideTheLicense) {
    Start(true);
    const auto* f = MainForm;
    f->mnuExplorer->Click();
    EXPECT_FALSE(f->mnuExplorer->Checked());
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabHelp, f->tabLicense}));

    f->mnuExplorer->Click();
    EXPECT_TRUE(f->mnuExplorer->Checked());
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabBrowse, f->tabHelp, f->tabLicense}));
    EXPECT_EQ(f->PageControl->ActivePage(), f->tabBrowse);
}

TEST_F(MainFormTest, LaterRunBrowsesAndViewExplorerTogglesOnlyTheBrowsePage) {
    Start(false);
    const auto* f = MainForm;
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabBrowse, f->tabStart, f->tabHelp}));
    EXPECT_EQ(f->PageControl->ActivePage(), f->tabBrowse);

    f->mnuExplorer->Click();
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabStart, f->tabHelp}));
    EXPECT_NE(f->PageControl->ActivePage(), f->tabBrowse);

    f->PageControl->SetActivePage(f->tabHelp);
    f->mnuExplorer->Click();
    EXPECT_EQ(Tabs(), (std::vector<TTabSheet*>{f->tabBrowse, f->tabStart, f->tabHelp}));
    EXPECT_EQ(f->PageControl->ActivePage(), f->tabBrowse);
}

TEST_F(MainFormTest, WindowAndMenuAreBuiltAsDesigned) {
    Start(false);
    const auto* f = MainForm;
    EXPECT_EQ(f->Caption(), "Pelmar");
    EXPECT_TRUE(f->AlphaBlend());
    EXPECT_EQ(f->AlphaBlendValue(), 249);
    EXPECT_NE(f->Icon()->Handle(), nullptr);
    EXPECT_TRUE(f->PageControl->DoubleBuffered());
    EXPECT_TRUE(f->Directory->DoubleBuffered());
    EXPECT_TRUE(f->FileList->DoubleBuffered());
    EXPECT_EQ(f->FileList->Mask(), "*.html");
    EXPECT_EQ(f->edtPath->Text(), f->Directory->Directory());
    EXPECT_EQ(f->mmOutput->Lines()->Lines(), (std::vector<std::string>{"Log:"}));
    EXPECT_EQ(f->Mmo->Lines()->Lines(), (std::vector<std::string>{"current file"}));
    EXPECT_EQ(f->mmoKeys->Lines()->Lines(), (std::vector<std::string>{"keywords"}));

    struct Item {
        TMenuItem* item;
        const char* caption;
        const char* shortCut;
    };
    for (const Item& i : {Item{f->mnuStart, "Start (current folder)", "F9"},
                          Item{f->Startallsubfolders1, "Start (all sub folders)", "F10"},
                          Item{f->mnuExit, "Exit", "Ctrl+F4"}, Item{f->mnuExplorer, "View Explorer", ""},
                          Item{f->mnuSettings, "Settings", "Ctrl+T"}, Item{f->mnuAbout, "About", ""},
                          Item{f->mnuWebsite, "Web site", ""}}) {
        EXPECT_EQ(i.item->Caption(), i.caption);
        EXPECT_EQ(ShortCutToText(i.item->ShortCut()), i.shortCut) << i.caption;
    }
    EXPECT_TRUE(f->mnuStart->Default());
    EXPECT_TRUE(f->mnuExplorer->AutoCheck());
}

TEST_F(MainFormTest, PageButtonsStayInPlaceWhenTheWindowResizes) {
    Start(true);
    for (auto [width, height] : {std::pair{888, 418}, std::pair{1000, 600}, std::pair{640, 300}}) {
        MainForm->SetClientSize(width, height);
        Application->ProcessMessages();
        const TButton* agree = MainForm->btnAgree;
        const TTabSheet* page = MainForm->tabLicense;
        EXPECT_LE(std::abs(agree->Left() * 2 + agree->Width() - page->ClientWidth()), 1) << width;
        EXPECT_EQ(agree->Top() + agree->Height(), page->ClientHeight() - 1) << width;
        const TButton* save = MainForm->btnSaveKwrds;
        const TPanel* panel = MainForm->Panel1;
        EXPECT_LE(std::abs(save->Left() * 2 + save->Width() - panel->ClientWidth()), 1) << width;
        EXPECT_GT(save->Top(), MainForm->mmoKeys->Top() + MainForm->mmoKeys->Height()) << width;
        EXPECT_LT(save->Top() + save->Height(), panel->ClientHeight()) << width;
    }
}

TEST_F(MainFormTest, SettingsWebSiteAndExit) {
    Start(false);
    EXPECT_FALSE(FrmSettings->Visible());
    MainForm->mnuSettings->Click();
    EXPECT_TRUE(FrmSettings->Visible());

    MainForm->mnuWebsite->Click();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"http://www.pelmar-tools.example/"}));

    // Exit closes the window, and closing writes the settings file once.
    MainForm->mnuExit->Click();
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(SettingsSaved);
    EXPECT_TRUE(pelmar::platform::FileExists(appDir + "Pelmar.INI"));
    EXPECT_TRUE(errors.empty()) << errors.front();
}

namespace {

// The about boxes seen while a timer closes each as soon as it shows.
std::vector<const TCustomForm*> closedBoxes;

void CALLBACK CloseModalBox(HWND, UINT, UINT_PTR, DWORD) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->Modal() && form->ModalResult() == mrNone && form->Owner() == MainForm &&
            form->ClassNameIs("TAboutBox")) {
            closedBoxes.push_back(form);
            form->Close();
        }
    }
}

}  // namespace

TEST_F(MainFormTest, AboutShowsANewModalBoxEachTimeAndFreesIt) {
    Start(false);
    const int forms = Screen->FormCount();
    closedBoxes.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseModalBox);
    MainForm->mnuAbout->Click();
    EXPECT_EQ(Screen->FormCount(), forms);
    MainForm->mnuAbout->Click();
    KillTimer(nullptr, timer);
    EXPECT_EQ(closedBoxes.size(), 2u);
    EXPECT_EQ(Screen->FormCount(), forms);
}
