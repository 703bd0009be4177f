// Page controls (tab visibility, fallback, fixed order), status bars and rich edits.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
// After <windows.h>, which the support header brings.
#include <commctrl.h>
#include <richedit.h>

#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Streaming.h"

namespace {

// The main window's four pages.
struct PagesScene : FormScene {
    TPageControl* pages = Make<TPageControl>(form);
    TTabSheet* browse = AddPage("Browse for files");
    TTabSheet* start = AddPage("Inputs/Outputs");
    TTabSheet* help = AddPage("Help");
    TTabSheet* license = AddPage("License");
    PagesScene() { pages->SetAlign(alClient); }

    TTabSheet* AddPage(const std::string& caption) {
        auto* page = new TTabSheet(form);
        page->SetCaption(caption);
        page->SetPageControl(pages);
        return page;
    }
    // The window's tabs, by text.
    std::vector<std::string> Tabs() {
        std::vector<std::string> tabs;
        HWND h = pages->Handle();
        const int n = static_cast<int>(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char text[80] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(h, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            tabs.emplace_back(text);
        }
        return tabs;
    }
    std::string Selected() {
        const int i = static_cast<int>(SendMessageA(pages->Handle(), TCM_GETCURSEL, 0, 0));
        return i < 0 ? "" : Tabs().at(static_cast<size_t>(i));
    }
};

}  // namespace

TEST(PageControl, TabsShowTheVisiblePagesInTheirFixedOrder) {
    PagesScene s;
    EXPECT_EQ(s.pages->ActivePage(), s.browse);  // the first page becomes active
    s.browse->SetTabVisible(false);
    s.start->SetTabVisible(false);
    s.pages->SetActivePage(s.license);
    EXPECT_EQ(s.Tabs(), (std::vector<std::string>{"Help", "License"}));
    EXPECT_EQ(s.Selected(), "License");
    // Shown again, a tab takes its own place, not the end.
    s.start->SetTabVisible(true);
    s.browse->SetTabVisible(true);
    EXPECT_EQ(s.Tabs(), (std::vector<std::string>{"Browse for files", "Inputs/Outputs", "Help", "License"}));
    EXPECT_EQ(s.Selected(), "License");
    EXPECT_EQ(s.license->TabIndex(), 3);
    s.help->SetTabVisible(false);
    EXPECT_EQ(s.license->TabIndex(), 2);
    EXPECT_EQ(s.help->TabIndex(), -1);
    EXPECT_EQ(s.help->PageIndex(), 2);
}

TEST(PageControl, HidingTheActiveTabFallsBackToAVisiblePage) {
    PagesScene s;
    s.license->SetTabVisible(false);
    s.pages->SetActivePage(s.start);
    s.start->SetTabVisible(false);
    EXPECT_EQ(s.pages->ActivePage(), s.help);  // the next visible one after it
    EXPECT_TRUE(s.help->Visible());
    EXPECT_FALSE(s.start->Visible());
    s.help->SetTabVisible(false);
    EXPECT_EQ(s.pages->ActivePage(), s.browse);  // none after it: the one before
    EXPECT_EQ(s.Selected(), "Browse for files");
    s.browse->SetTabVisible(false);
    EXPECT_EQ(s.pages->ActivePage(), nullptr);  // no tab left
    EXPECT_EQ(s.Selected(), "");
    // Hiding a tab that is not active leaves the active page alone.
    s.browse->SetTabVisible(true);
    s.pages->SetActivePage(s.browse);
    s.help->SetTabVisible(true);
    s.help->SetTabVisible(false);
    EXPECT_EQ(s.pages->ActivePage(), s.browse);
}

TEST(PageControl, AFreedActivePageHandsOverAndOnlyTheActivePageShows) {
    PagesScene s;
    s.pages->SetActivePage(s.help);
    int shown = 0;
    for (int i = 0; i < s.pages->PageCount(); ++i) shown += s.pages->Pages(i)->Visible();
    EXPECT_EQ(shown, 1);
    RECT display;
    GetClientRect(s.pages->Handle(), &display);
    SendMessageA(s.pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(s.help->Top(), display.top);  // the page fills the display area
    EXPECT_EQ(s.help->Width(), display.right - display.left);
    s.help->Free();
    EXPECT_EQ(s.pages->ActivePage(), s.license);
    EXPECT_EQ(s.pages->PageCount(), 3);
    EXPECT_THROW(s.pages->SetActivePage(new TTabSheet(s.form)), EInvalidOperation);
}

TEST(PageControl, AUsersTabChoiceActivatesThePageAndCanBeRefused) {
    PagesScene s;
    s.start->SetTabVisible(false);
    std::vector<std::string> events;
    bool allow = true;
    s.pages->OnChanging = [&](TObject*, bool& ok) {
        events.push_back("changing");
        ok = allow;
    };
    s.pages->OnChange = [&](TObject*) { events.push_back("change"); };
    SendMessageA(s.pages->Handle(), TCM_SETCURFOCUS, 1, 0);  // the second visible tab: "Help"
    EXPECT_EQ(s.pages->ActivePage(), s.help);
    allow = false;
    SendMessageA(s.pages->Handle(), TCM_SETCURFOCUS, 0, 0);
    EXPECT_EQ(s.pages->ActivePage(), s.help);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change", "changing"}));
}

TEST(PageControl, TheFocusRectangleWaitsForTheKeyboardButAClickStillFocuses) {
    PagesScene s;
    s.form->Show();
    const HWND h = s.pages->Handle();
    const auto hidesFocus = [&] { return (GetWindowLongA(h, GWL_STYLE) & TCS_FOCUSNEVER) != 0; };
    EXPECT_TRUE(hidesFocus());
    RECT tab{};
    SendMessageA(h, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 4, tab.top + 4));
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(tab.left + 4, tab.top + 4));
    EXPECT_EQ(GetFocus(), h);
    EXPECT_TRUE(hidesFocus());
    PostMessageA(h, WM_KEYDOWN, VK_RIGHT, 0);  // through the loop, as a user's key comes
    Pump();
    EXPECT_TRUE(s.form->FocusCuesShown());
    EXPECT_FALSE(hidesFocus());
}

TEST(PageControl, StylesAreWindowStylesAndTheClassNamesNameTheToolkit) {
    PagesScene s;
    s.pages->SetHotTrack(true);
    s.pages->SetStyle(tsFlatButtons);
    const LONG style = GetWindowLongA(s.pages->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & TCS_HOTTRACK);
    EXPECT_TRUE(style & TCS_BUTTONS);
    EXPECT_TRUE(style & TCS_FLATBUTTONS);
    EXPECT_EQ(s.Tabs().size(), 4u);  // the new window got its tabs again
    EXPECT_EQ(WindowClassOf(s.pages->Handle()), "TPageControl");
    EXPECT_EQ(WindowClassOf(s.help->Handle()), "TTabSheet");
    EXPECT_EQ(GetPropText(*s.pages, "Style"), "tsFlatButtons");
    EXPECT_EQ(GetPropText(*s.pages, "ActivePage"), "");  // an unnamed page
    s.browse->SetName("tabBrowse");
    EXPECT_EQ(GetPropText(*s.pages, "ActivePage"), "tabBrowse");
    EXPECT_TRUE(SetPropText(*s.browse, "TabVisible", "False"));
    EXPECT_EQ(s.pages->ActivePage(), s.start);
}

TEST(PageControl, TabPositionPutsTheTabsOnTheirSideAndThePagesBesideThem) {
    PagesScene s;
    s.form->Show();
    auto tabRect = [&] {
        RECT r{};
        SendMessageA(s.pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    const RECT top = tabRect();
    EXPECT_LE(top.bottom, s.browse->Top());
    ASSERT_TRUE(SetPropText(*s.pages, "TabPosition", "tpBottom"));
    const LONG_PTR bottomStyle = GetWindowLongPtrA(s.pages->Handle(), GWL_STYLE);
    EXPECT_EQ(bottomStyle & (TCS_BOTTOM | TCS_VERTICAL), TCS_BOTTOM);
    EXPECT_GE(tabRect().top, s.browse->Top() + s.browse->Height());
    s.pages->SetTabPosition(tpLeft);
    EXPECT_EQ(GetWindowLongPtrA(s.pages->Handle(), GWL_STYLE) & (TCS_BOTTOM | TCS_VERTICAL), TCS_VERTICAL);
    EXPECT_LE(tabRect().right, s.browse->Left());
    s.pages->SetTabPosition(tpRight);
    EXPECT_GE(tabRect().left, s.browse->Left() + s.browse->Width());
    // The window is made anew; the tabs and the active page stay.
    EXPECT_EQ(s.Tabs(), (std::vector<std::string>{"Browse for files", "Inputs/Outputs", "Help", "License"}));
    EXPECT_EQ(s.pages->ActivePage(), s.browse);
    EXPECT_EQ(GetPropText(*s.pages, "tabposition"), "tpRight");
}

TEST(UpDown, StepsWithinItsRangeAndShowsThePositionInItsAssociate) {
    FormScene s;
    auto* edit = Make<TEdit>(s.form);
    auto* arrows = Make<TUpDown>(s.form);
    edit->SetBounds(10, 10, 80, 21);
    arrows->SetMax(10);
    arrows->SetIncrement(4);
    arrows->SetPosition(2);
    arrows->SetAssociate(edit);
    std::vector<TUDBtnType> clicks;
    arrows->OnClick = [&clicks](TObject*, TUDBtnType button) { clicks.push_back(button); };
    bool allow = true;
    arrows->OnChanging = [&allow](TObject*, bool& allowChange) { allowChange = allow; };
    s.form->Show();
    EXPECT_EQ(WindowClassOf(arrows->Handle()), "TUpDown");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(arrows->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    EXPECT_EQ(edit->Text(), "2");
    EXPECT_EQ(arrows->Left(), edit->Left() + edit->Width());  // at the associate's right

    auto press = [&](WORD key) {  // the window is made anew when the style changes
        SendMessageA(arrows->Handle(), WM_KEYDOWN, key, 0);
        SendMessageA(arrows->Handle(), WM_KEYUP, key, 0);
    };
    press(VK_UP);
    EXPECT_EQ(arrows->Position(), 6);
    EXPECT_EQ(edit->Text(), "6");
    press(VK_UP);
    EXPECT_EQ(arrows->Position(), 10);  // held at the top of the range
    press(VK_DOWN);
    EXPECT_EQ(arrows->Position(), 6);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btPrev}));
    allow = false;
    press(VK_DOWN);
    EXPECT_EQ(arrows->Position(), 6);
    EXPECT_EQ(edit->Text(), "6");
    EXPECT_EQ(clicks.size(), 3u);

    arrows->SetPosition(50);  // from the program: pulled into the range
    EXPECT_EQ(arrows->Position(), 10);
    EXPECT_EQ(edit->Text(), "10");
    allow = true;
    arrows->SetWrap(true);
    arrows->SetIncrement(1);
    press(VK_UP);  // round the range
    EXPECT_EQ(arrows->Position(), 0);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(clicks.size(), 4u);

    auto* stranger = Make<TEdit>(Make<TPanel>(s.form));
    EXPECT_THROW(arrows->SetAssociate(stranger), EInvalidOperation);
    EXPECT_EQ(arrows->Associate(), edit);
    edit->Free();  // the up-down forgets an associate that goes away
    EXPECT_EQ(arrows->Associate(), nullptr);
}

TEST(UpDown, AFormFileMayGiveThePositionBeforeTheRange) {
    FormScene s;
    auto* arrows = static_cast<TUpDown*>(
        ReadNewComponent("object spn: TUpDown\n Position = 150\n Max = 200\n Orientation = udHorizontal\nend", s.form));
    arrows->SetParent(s.form);
    EXPECT_EQ(arrows->Position(), 150);
    EXPECT_EQ(SendMessageA(arrows->Handle(), UDM_GETPOS32, 0, 0), 150);
    EXPECT_TRUE(GetWindowLongPtrA(arrows->Handle(), GWL_STYLE) & UDS_HORZ);
}

TEST(StatusBar, SimplePanelShowsTheSimpleTextAndPanelsShowTheirOwn) {
    FormScene s;
    auto* bar = Make<TStatusBar>(s.form);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Keywords loaded");
    char text[64] = {};
    SendMessageA(bar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));  // the simple part is 0
    EXPECT_STREQ(text, "Keywords loaded");
    EXPECT_EQ(GetPropText(*bar, "simpletext"), "Keywords loaded");
    EXPECT_EQ(bar->Top() + bar->Height(), s.form->ClientHeight());  // at the bottom
    EXPECT_EQ(bar->Width(), s.form->ClientWidth());

    bar->SetSimplePanel(false);
    bar->AddPanel().SetText("one");
    bar->AddPanel().SetText("two");
    EXPECT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 0, 0), 2);
    SendMessageA(bar->Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "two");
    EXPECT_EQ(WindowClassOf(bar->Handle()), "TStatusBar");
}

TEST(StatusBar, PanelsComeFromTheFormFileAndGoBackIntoIt) {
    FormScene s;
    auto* bar = static_cast<TStatusBar*>(ReadNewComponent(R"(object StatBar: TStatusBar
  Panels = <
    item
      Text = 'Ready'
      Width = 120
    end
    item
      Alignment = taRightJustify
      Bevel = pbNone
      Text = '3 files'
      Width = 80
    end
    item
      Text = 'last'
    end>
end)", s.form));
    bar->SetParent(s.form);
    ASSERT_EQ(bar->PanelCount(), 3);
    int edges[3] = {};
    ASSERT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 120);
    EXPECT_EQ(edges[1], 200);
    EXPECT_EQ(edges[2], -1);  // the last panel reaches the end of the bar
    char text[64] = {};
    const LRESULT second = SendMessageA(bar->Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "\t\t3 files");  // right-aligned
    EXPECT_EQ(HIWORD(second) & SBT_NOBORDERS, SBT_NOBORDERS);
    // A panel changed by the program shows at once.
    bar->Panels(0).SetText("Busy");
    SendMessageA(bar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Busy");

    const std::string written = WriteComponent(*bar);
    EXPECT_NE(written.find("  Panels = <\r\n    item\r\n      Text = 'Busy'\r\n      Width = 120\r\n    end"),
              std::string::npos)
        << written;
    auto* copy = static_cast<TStatusBar*>(ReadNewComponent(written, nullptr));
    EXPECT_EQ(copy->PanelCount(), 3);
    EXPECT_EQ(copy->Panels(1).Alignment(), taRightJustify);
    EXPECT_EQ(copy->Panels(1).Bevel(), pbNone);
    EXPECT_EQ(copy->Panels(2).Width(), 50);
    EXPECT_EQ(WriteComponent(*copy), written);
    copy->Free();
}

TEST(RichEdit, PlainTextInColoursWithLinesAddedAtTheEnd) {
    FormScene s;
    auto* log = Make<TRichEdit>(s.form);
    log->SetPlainText(true);
    log->SetColor(clBlack);
    log->Font()->SetColor(clLime);
    log->Lines()->Add("Log:");
    log->Lines()->Add("2 tags replaced in index.html");
    EXPECT_EQ(log->Lines()->Count(), 2);
    EXPECT_EQ(log->Lines()->Get(1), "2 tags replaced in index.html");
    log->Lines()->Insert(1, "between");
    EXPECT_EQ(log->Lines()->Lines(), (std::vector<std::string>{"Log:", "between", "2 tags replaced in index.html"}));
    EXPECT_EQ(SendMessageA(log->Handle(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, TM_PLAINTEXT);
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(log->Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, RGB(0, 255, 0));
    EXPECT_EQ(WindowClassOf(log->Handle()), "TRichEdit");
}

TEST(RichEdit, ALineBeyondTheTextLimitRaisesAndLeavesTheTextAsItWas) {
    FormScene s;
    auto* log = Make<TRichEdit>(s.form);
    log->SetMaxLength(30);
    log->Lines()->Add("0123456789");
    log->Lines()->Add("0123456789");
    const std::string before = log->Text();
    try {
        log->Lines()->Add("0123456789");
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "RichEdit line insertion error");
    }
    EXPECT_EQ(log->Text(), before);
    // The platform's own limit: a window without MaxLength refuses what passes it.
    auto* plain = Make<TRichEdit>(s.form);
    plain->SetWordWrap(false);
    const int limit = plain->TextLimit();
    ASSERT_GT(limit, 0);
    const std::string line(static_cast<size_t>(limit / 4), 'x');  // four lines and their breaks pass it
    EXPECT_THROW(
        for (int i = 0; i < 5; ++i) plain->Lines()->Add(line), EOutOfResources);
    EXPECT_EQ(plain->Lines()->Count(), 3);
}
