// Header controls and report-style list views: from a form file, by name, and how their
// windows follow them.
#include <gtest/gtest.h>

#include "PropertyTable.h"
// After <windows.h>, which the support header brings.
#include <commctrl.h>

#include "toolkit/ComCtrls.h"

namespace {

const char* const kForm = R"(object Probe: TForm
  object hdrFiles: THeaderControl
    HotTrack = True
    Sections = <
      item
        Text = 'Name'
        Width = 120
        MinWidth = 40
        MaxWidth = 200
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 60
      end>
  end
  object lvFiles: TListView
    Top = 30
    ViewStyle = vsReport
    RowSelect = True
    Columns = <
      item
        Caption = 'File'
        Width = 100
      end
      item
        Alignment = taRightJustify
        Caption = 'Tags'
        Width = 50
      end>
  end
end
)";

int HeaderWidth(HWND header, int index) {
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.cxy;
}

}  // namespace

TEST(Lists, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"hdrFiles", "HotTrack", "True", "False"},
                            {"hdrFiles", "Align", "alTop", "alBottom"},
                            {"lvFiles", "ViewStyle", "vsReport", "vsList"},
                            {"lvFiles", "RowSelect", "True", "False"},
                            {"lvFiles", "GridLines", "False", "True"},
                            {"lvFiles", "ShowColumnHeaders", "True", "False"},
                        });
    auto* header = s.Get<THeaderControl>("hdrFiles");
    ASSERT_EQ(header->Sections()->Count(), 2);
    EXPECT_EQ(GetPropText(header->Sections()->Items(1), "Alignment"), "taRightJustify");
    EXPECT_EQ(GetPropText(header->Sections()->Items(0), "MaxWidth"), "200");
    EXPECT_EQ(GetPropText(s.Get<TListView>("lvFiles")->Columns()->Items(1), "Caption"), "Tags");
}

TEST(Lists, AHeadersSectionsFollowTheUsersResizingWithinTheirLimits) {
    FormFileScene s(kForm);
    auto* header = s.Get<THeaderControl>("hdrFiles");
    HWND h = header->Handle();
    EXPECT_EQ(SendMessageA(h, HDM_GETITEMCOUNT, 0, 0), 2);
    std::vector<int> resized;
    header->OnSectionResize = [&](TObject*, THeaderSection* section) { resized.push_back(section->Width()); };
    struct Case {
        int asked, kept;
    } const cases[] = {{150, 150}, {300, 200}, {10, 40}};
    for (const Case& c : cases) {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = c.asked;
        SendMessageA(h, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(header->Sections()->Items(0).Width(), c.kept);
        EXPECT_EQ(HeaderWidth(h, 0), c.kept);
    }
    EXPECT_EQ(resized, (std::vector<int>{150, 200, 40}));
}

TEST(Lists, AReportShowsColumnsInItsHeaderAndItemsWithTheirSubItems) {
    FormFileScene s(kForm);
    auto* view = s.Get<TListView>("lvFiles");
    view->AddItem({"index.html", {"3"}});
    view->AddItem({"about.html", {"0"}});
    HWND h = view->Handle();
    HWND header = reinterpret_cast<HWND>(SendMessageA(h, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(HeaderWidth(header, 0), 100);
    view->AddItem({"links.html", {"12"}});  // after the window exists
    EXPECT_EQ(SendMessageA(h, LVM_GETITEMCOUNT, 0, 0), 3);
    char text[32] = {};
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(h, LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "12");
    int changes = 0;
    view->OnChange = [&](TObject*) { ++changes; };
    view->SetItemIndex(1);
    EXPECT_EQ(SendMessageA(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    SendMessageA(h, WM_KEYDOWN, VK_DOWN, 0);  // the user moves the selection on
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
}
