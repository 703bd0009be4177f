// List boxes, combo boxes and scroll bars: items and selection kept outside the window,
// owner drawing, the user's picks and steps, and the properties form files give them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/controls/ControlsTestSupport.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Streaming.h"

namespace {

// What the window itself shows.
std::vector<std::string> WindowItems(TCustomListControl& list, UINT countMsg, UINT lengthMsg, UINT textMsg) {
    std::vector<std::string> items;
    const auto count = SendMessageA(list.Handle(), countMsg, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list.Handle(), lengthMsg, i, 0)) + 1, '\0');
        text.resize(static_cast<size_t>(SendMessageA(list.Handle(), textMsg, i, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(text);
    }
    return items;
}

std::vector<std::string> ListBoxItems(TCustomListControl& list) {
    return WindowItems(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}
std::vector<std::string> ComboItems(TCustomListControl& list) {
    return WindowItems(list, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

// The notification a parent gets from its child control.
void Notify(TWinControl& child, WORD code) {
    SendMessageA(GetParent(child.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child.Handle()), code),
                 reinterpret_cast<LPARAM>(child.Handle()));
}

}  // namespace

TEST(ListControls, ItemsAndSelectionOutliveTheWindow) {
    struct Case {
        const char* name;
        TCustomListControl* (*make)(TWinControl* parent);
        std::vector<std::string> (*shown)(TCustomListControl&);
        void (*restyle)(TCustomListControl&);  // makes the window anew
    };
    const Case cases[] = {
        {"list box", [](TWinControl* p) -> TCustomListControl* { return Make<TListBox>(p); }, ListBoxItems,
         [](TCustomListControl& c) { dynamic_cast<TListBox&>(c).SetStyle(lbOwnerDrawFixed); }},
        {"combo box", [](TWinControl* p) -> TCustomListControl* { return Make<TComboBox>(p); }, ComboItems,
         [](TCustomListControl& c) { dynamic_cast<TComboBox&>(c).SetStyle(csDropDownList); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormScene scene;
        TCustomListControl* list = c.make(scene.form);
        list->SetSorted(true);
        for (const char* item : {"pear", "Apple", "fig", "banana"}) list->Items()->Add(item);
        list->SetItemIndex(2);
        ASSERT_FALSE(list->HandleAllocated());
        EXPECT_EQ(list->Items()->Lines(), (std::vector<std::string>{"Apple", "banana", "fig", "pear"}));
        EXPECT_EQ(c.shown(*list), list->Items()->Lines());  // made now, it shows them
        EXPECT_EQ(list->ItemIndex(), 2);
        list->Items()->Delete(0);
        EXPECT_EQ(c.shown(*list), (std::vector<std::string>{"banana", "fig", "pear"}));
        EXPECT_EQ(list->ItemIndex(), 1);  // still "fig"
        EXPECT_THROW(list->SetItemIndex(3), EListError);
        c.restyle(*list);
        EXPECT_EQ(c.shown(*list), (std::vector<std::string>{"banana", "fig", "pear"}));
        EXPECT_EQ(list->ItemIndex(), 1);
        EXPECT_EQ(list->Items()->Get(list->ItemIndex()), "fig");
    }
}

TEST(ListControls, OwnerDrawnItemsShowTheirStateOnTheCanvas) {
    FormScene scene;
    auto* box = Make<TListBox>(scene.form);
    box->SetStyle(lbOwnerDrawFixed);
    box->SetItemHeight(20);
    box->SetColor(clWhite);
    for (const char* item : {"one", "two", "three"}) box->Items()->Add(item);
    box->SetItemIndex(1);
    std::vector<std::pair<int, bool>> drawn;  // index, selected
    box->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
        drawn.emplace_back(index, state.Contains(odSelected));
        box->Canvas()->FillRect(rect);  // the brush the list chose for the state
    };

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box->ClientWidth(), box->ClientHeight());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(box->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2, false}}));
    EXPECT_EQ(GetPixel(dc, 30, 10), ColorToRGB(clWhite));
    EXPECT_EQ(GetPixel(dc, 30, 30), ColorToRGB(clHighlight));
    EXPECT_EQ(GetPixel(dc, 30, 50), ColorToRGB(clWhite));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(ListControls, ComboBoxTellsOfPicksAndTyping) {
    FormScene scene;
    auto* combo = Make<TComboBox>(scene.form);
    for (const char* item : {"red", "green", "blue"}) combo->Items()->Add(item);
    std::vector<std::string> heard;
    combo->OnChange = [&](TObject*) { heard.push_back("change " + combo->Text()); };
    combo->OnDropDown = [&](TObject*) { heard.push_back("drop down"); };
    combo->OnCloseUp = [&](TObject*) { heard.push_back("close up"); };

    SendMessageA(combo->Handle(), CB_SETCURSEL, 2, 0);
    Notify(*combo, CBN_SELCHANGE);  // a pick without OnSelect is a change
    combo->OnSelect = [&](TObject*) { heard.push_back("select " + std::to_string(combo->ItemIndex())); };
    SendMessageA(combo->Handle(), CB_SETCURSEL, 0, 0);
    Notify(*combo, CBN_SELCHANGE);
    SetWindowTextA(combo->Handle(), "teal");
    Notify(*combo, CBN_EDITCHANGE);
    Notify(*combo, CBN_DROPDOWN);
    Notify(*combo, CBN_CLOSEUP);
    EXPECT_EQ(heard, (std::vector<std::string>{"change blue", "select 0", "change teal", "drop down", "close up"}));

    // A drop-down list takes only its items' texts.
    combo->SetStyle(csDropDownList);
    combo->SetText("GREEN");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("teal");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST(ListControls, ScrollBarStepsAsTheUserAsks) {
    FormScene scene;
    auto* bar = Make<TScrollBar>(scene.form);
    bar->SetParams(50, 0, 100);
    bar->SetSmallChange(3);
    bar->SetLargeChange(20);
    bar->SetPageSize(11);  // the thumb's far edge stops at Max: the last position is 90
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    struct Step {
        WORD code;
        int from;
        int to;
    };
    const Step steps[] = {
        {SB_LINEDOWN, 50, 53}, {SB_LINEUP, 50, 47},   {SB_PAGEDOWN, 50, 70}, {SB_PAGEUP, 10, 0},
        {SB_PAGEDOWN, 80, 90}, {SB_BOTTOM, 5, 90},    {SB_TOP, 40, 0},       {SB_ENDSCROLL, 40, 40},
    };
    for (const Step& s : steps) {
        bar->SetPosition(s.from);
        changes = 0;
        SendMessageA(scene.form->Handle(), WM_HSCROLL, MAKEWPARAM(s.code, 0), reinterpret_cast<LPARAM>(bar->Handle()));
        EXPECT_EQ(bar->Position(), s.to) << s.code;
        EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), s.to) << s.code;
        EXPECT_EQ(changes, s.from == s.to ? 0 : 1) << s.code;
    }
    // A handler of the steps may hold the position back.
    bar->OnScroll = [](TObject*, TScrollCode code, int& position) {
        if (code == scLineDown) position = 42;
    };
    SendMessageA(scene.form->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), 42);

    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_THROW(bar->SetPageSize(102), EInvalidOperation);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    const int width = bar->Width(), height = bar->Height();
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->Width(), height);
    EXPECT_EQ(bar->Height(), width);
    EXPECT_TRUE(GetWindowLongA(bar->Handle(), GWL_STYLE) & SBS_VERT);
}

TEST(ListControls, FormFilesGiveThePropertiesSkinnersReadByName) {
    FormScene scene;
    ReadComponent(*scene.form, R"(object Lists: TForm
  object Names: TListBox
    Style = lbOwnerDrawFixed
    MultiSelect = True
    BorderStyle = bsNone
    Items.Strings = (
      'b'
      'a')
  end
  object Colours: TComboBox
    Style = csDropDownList
    Items.Strings = (
      'red'
      'green')
    ItemIndex = 1
  end
  object Level: TScrollBar
    Kind = sbVertical
    Min = 200
    Max = 300
    Position = 250
  end
end
)");
    TComponent* names = scene.form->FindComponent("Names");
    TComponent* colours = scene.form->FindComponent("Colours");
    TComponent* level = scene.form->FindComponent("Level");
    ASSERT_TRUE(names && colours && level);
    struct Read {
        TComponent* component;
        const char* property;
        const char* text;
    };
    for (const Read& r : {Read{names, "Style", "lbOwnerDrawFixed"}, Read{names, "MultiSelect", "True"},
                          Read{names, "BorderStyle", "bsNone"},
                          Read{colours, "Style", "csDropDownList"}, Read{colours, "ItemIndex", "1"},
                          Read{colours, "Text", "green"}, Read{level, "Kind", "sbVertical"},
                          Read{level, "Min", "200"}, Read{level, "Position", "250"}}) {
        EXPECT_EQ(GetPropText(*r.component, r.property), std::optional<std::string>(r.text)) << r.property;
    }
    EXPECT_EQ(dynamic_cast<TListBox*>(names)->Items()->Lines(), (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(GetPropText(*level, "FixedColor"));  // a missing property is no error
}
