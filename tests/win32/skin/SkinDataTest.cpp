// The skin component: its published settings, stored skin bytes, loading and helpers.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <filesystem>

#include "platform/Platform.h"
#include "skin/LzhEncoder.h"
#include "skin/WinSkinData.h"
#include "tests/win32/skin/TestSkins.h"
#include "toolkit/Streaming.h"

namespace {

using skintest::PixelOf;
using skintest::SolidBmp;
using skintest::TTestSkin;

TTestSkin SkinWithLeftBorder(int width) {
    TTestSkin skin;
    skin.definition = "[Personality]\nLeft=left.bmp\n";
    skin.Image("left.bmp", SolidBmp(width, 4, clRed));
    return skin;
}

TEST(SkinDataTest, PublishedDefaults) {
    TSkinData data(nullptr);
    EXPECT_EQ(GetOrdProp(data, "SkinControls"), 0x1FFFFB);
    EXPECT_EQ(GetOrdProp(data, "Options"), 0x48);
    EXPECT_EQ(GetOrdProp(data, "DisableTag"), 99);
    EXPECT_EQ(GetOrdProp(data, "Active"), 0);
    EXPECT_EQ(GetOrdProp(data, "MenuUpdate"), 1);
    EXPECT_EQ(GetPropText(data, "Version"), "4.81.04.30");
    EXPECT_EQ(GetPropText(data, "SkinStore"), "(none)");
    EXPECT_EQ(GetPropText(data, "SkinFormtype"), "sfMainform");
    EXPECT_TRUE(SetPropText(data, "Version", "1.0"));
    EXPECT_EQ(data.Version(), "4.81.04.30");
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.Title().Name, "Title");
    EXPECT_EQ(data.Border(3).Name, "Bottom");
}

TEST(SkinDataTest, DefaultThirdPartyListKeepsItsOrderAndRepeats) {
    TSkinData data(nullptr);
    const TStringList& list = *data.Skin3rd();
    ASSERT_EQ(list.Count(), 117);
    EXPECT_EQ(list[0], "TCategoryButtons=scrollbar");
    EXPECT_EQ(list[1], "TPngBitBtn=pngbitbtn");
    EXPECT_EQ(list[4], "TTBXDockablePanel=Panel");
    EXPECT_EQ(list[116], "TOVCDBNUMERICFIELD=Edit");
    int repeats = 0;
    for (const char* line : {"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox", "TWWDBCombobox=Combobox"}) {
        int count = 0;
        for (int i = 0; i < list.Count(); ++i) count += list[i] == line;
        EXPECT_EQ(count, 2) << line;
        repeats += count;
    }
    EXPECT_EQ(repeats, 6);
    EXPECT_EQ(list.IndexOf("TcxGroupbox=groupbox"), 107);
}

// This test program names no resource script of its own: the glyphs (and the built-in
// tracks the parse tests find) come with the skin engine, as in every program that links it.
TEST(SkinDataTest, MenuGlyphsAreFourSixteenPixelImagesOnATransparentWhite) {
    TSkinData data(nullptr);
    ASSERT_EQ(data.MenuGlyphs().Count(), 4);
    EXPECT_EQ(data.MenuGlyphs().Width(), 16);
    TBitmap canvas;
    canvas.SetSize(64, 16);
    canvas.Canvas()->Brush()->SetColor(clRed);
    canvas.Canvas()->FillRect(Rect(0, 0, 64, 16));
    for (int i = 0; i < 4; ++i) data.MenuGlyphs().Draw(*canvas.Canvas(), 16 * i, 0, i);
    EXPECT_EQ(PixelOf(canvas, 16 * 3 + 8, 8), clBlack);  // the cross's middle
    EXPECT_EQ(PixelOf(canvas, 16 * 3 + 1, 8), clRed);
    EXPECT_EQ(PixelOf(canvas, 16 * 2 + 7, 12), clBlack);  // the bar near the bottom
    EXPECT_EQ(PixelOf(canvas, 16 * 2 + 7, 4), clRed);
    EXPECT_EQ(PixelOf(canvas, 16 * 1 + 3, 8), clBlack);   // the window's left side
    EXPECT_EQ(PixelOf(canvas, 16 * 1 + 7, 8), clRed);
}

TEST(SkinDataTest, StoredSkinBytesTravelThroughTheFormFile) {
    TSkinData data(nullptr);
    data.SetName("SkinData");
    const std::string emptyForm = WriteComponent(data);
    EXPECT_NE(emptyForm.find("SkinStream = {00000000}"), std::string::npos) << emptyForm;
    EXPECT_EQ(emptyForm.find("SkinFile"), std::string::npos);
    EXPECT_NE(emptyForm.find("Active = False"), std::string::npos);

    const std::vector<std::uint8_t> bytes = SkinWithLeftBorder(6).File();
    data.SetSkinBytes(bytes);
    SetPropText(data, "Active", "True");
    const std::string form = WriteComponent(data);

    TComponent owner(nullptr);
    auto* copy = dynamic_cast<TSkinData*>(ReadNewComponent(form, &owner));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->SkinBytes().Bytes(), bytes);
    EXPECT_FALSE(copy->Empty());  // loaded while the form was read
    EXPECT_EQ(copy->Border(0).Image.Width(), 6);
    EXPECT_TRUE(copy->Active());
}

TEST(SkinDataTest, AFormStoredActiveWithoutSkinComesUpInactive) {
    TSkinData data(nullptr);
    data.SetName("SkinData");
    SetPropText(data, "Active", "True");
    TComponent owner(nullptr);
    auto* copy = dynamic_cast<TSkinData*>(ReadNewComponent(WriteComponent(data), &owner));
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->Active());
    EXPECT_TRUE(copy->Empty());
}

std::size_t PeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// The count is the form data's claim; a hostile one (2 GiB here) must not be allocated
// before the data is there.
TEST(SkinDataTest, AStoredCountBeyondTheDataIsAReadErrorWithoutHoldingThatMuch) {
    for (const char* count : {"10000000", "FFFFFF7F"}) {
        TComponent owner(nullptr);
        const std::string form = "object SkinData: TSkinData\n  SkinStream = {" + std::string(count) + "AABB}\nend\n";
        const std::size_t peakBefore = PeakMemory();
        EXPECT_THROW(ReadNewComponent(form, &owner), EReadError) << count;
        EXPECT_LT(PeakMemory() - peakBefore, std::size_t{64} << 20) << count;
        EXPECT_EQ(owner.ComponentCount(), 0) << count;
    }
}

TEST(SkinDataTest, LoadedSettlesTheMenuKinds) {
    TSkinData data(nullptr);
    data.Loaded();
    EXPECT_FALSE(data.SkinControls().Contains(xcMenuItem));
    EXPECT_TRUE(data.SkinControls().Contains(xcSystemMenu));

    TSkinData withoutMainMenu(nullptr);
    withoutMainMenu.SetSkinControls(TSkinControlTypes{xcMenuItem, xcSystemMenu, xcButton});
    withoutMainMenu.Loaded();
    EXPECT_TRUE(withoutMainMenu.SkinControls().Contains(xcMenuItem));
    EXPECT_FALSE(withoutMainMenu.SkinControls().Contains(xcSystemMenu));

    TSkinData withMainMenu(nullptr);
    withMainMenu.SetSkinControls(TSkinControlTypes{xcMainMenu, xcMenuItem, xcSystemMenu});
    withMainMenu.Loaded();
    EXPECT_FALSE(withMainMenu.SkinControls().Contains(xcMenuItem));
    EXPECT_TRUE(withMainMenu.SkinControls().Contains(xcSystemMenu));
}

TEST(SkinDataTest, SkinFileLoadsAndAMissingFileLeavesTheRecordsButEmpties) {
    const std::string path = (std::filesystem::temp_directory_path() / "pelmar-skindata-test.skn").string();
    const std::vector<std::uint8_t> bytes = SkinWithLeftBorder(5).File();
    pelmar::platform::ReplaceFileContent(path, std::string(bytes.begin(), bytes.end()));
    TSkinData data(nullptr);
    data.SetSkinFile(path);
    std::filesystem::remove(path);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.Border(0).Image.Width(), 5);

    data.SetSkinFile(path);
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.SkinFile(), path);
    EXPECT_EQ(data.Border(0).Image.Width(), 5);
}

TEST(SkinDataTest, AtDesignTimeBytesAreKeptButNeverLoaded) {
    TSkinData data(nullptr);
    data.SetDesigning(true);
    data.SetSkinBytes(SkinWithLeftBorder(2).File());
    EXPECT_EQ(data.SkinStore(), "(Good)");
    EXPECT_FALSE(data.LoadSkin());
    EXPECT_TRUE(data.Empty());
    data.SetSkinFile("C:\\elsewhere\\skin.skn");  // a file now names the skin
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_TRUE(data.SkinBytes().Bytes().empty());
}

TEST(SkinDataTest, ARefusedSkinKeepsTheEarlierRecords) {
    TSkinData data(nullptr);
    ASSERT_TRUE(skintest::Load(data, SkinWithLeftBorder(3)));
    std::vector<std::string> warnings;
    auto previous = pelmar::platform::SetWarningSink(
        [&](const std::string&, const std::string& text) { warnings.push_back(text); });
    data.SetSkinBytes(skintest::OtherVersionSkinFile());
    EXPECT_FALSE(data.LoadSkin());
    pelmar::platform::SetWarningSink(previous);
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(warnings, (std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"}));
    EXPECT_EQ(data.Border(0).Image.Width(), 3);
}

TEST(SkinDataTest, ASkinWithoutDefinitionIsAnEmptyDefinition) {
    TSkinData data(nullptr);
    data.SetSkinBytes(BuildSkinFile(kNewestSkinVersion, {{"left.bmp", SolidBmp(2, 2, clRed)}}));
    ASSERT_TRUE(data.LoadSkin());
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SysButtons().size(), 3u);
    EXPECT_NE(data.Element(seTrack), nullptr);
    EXPECT_EQ(data.Element(seProgress), nullptr);
    EXPECT_EQ(data.Border(0).FrameCount, 1);
}

TEST(SkinDataTest, FormFilterSparesCalendarsAndReportWindowsUnlessTheHandlerDecides) {
    TSkinData data(nullptr);
    bool doSkin = true;
    data.DoFormSkin(nullptr, "SysMonthCal32", doSkin);
    EXPECT_FALSE(doSkin);
    doSkin = true;
    data.DoFormSkin(nullptr, "TfrPreview", doSkin);
    EXPECT_TRUE(doSkin);  // xcFastReport is not in the default set
    data.SetSkinControls(data.SkinControls() + TSkinControlTypes{xcFastReport});
    data.DoFormSkin(nullptr, "TfrPreview", doSkin);
    EXPECT_FALSE(doSkin);
    doSkin = true;
    data.DoFormSkin(nullptr, "TFRPreview", doSkin);
    EXPECT_TRUE(doSkin);

    std::string asked;
    data.OnFormSkin = [&](TObject*, std::string name, bool&) { asked = name; };
    doSkin = true;
    data.DoFormSkin(nullptr, "SysMonthCal32", doSkin);
    EXPECT_TRUE(doSkin);
    EXPECT_EQ(asked, "SysMonthCal32");
}

TEST(SkinDataTest, ColourFromTextTakesTheFirstThreeNumbers) {
    EXPECT_EQ(ColourFromText("255 128 0"), 0x0080FF);
    EXPECT_EQ(ColourFromText("255,128,0"), 0x0080FF);
    EXPECT_EQ(ColourFromText(" 10 20 30 "), 0x1E140A);
    EXPECT_EQ(ColourFromText("10 20 30 40"), ColourFromText("10 20 30"));
    EXPECT_EQ(ColourFromText("10 20"), 10);
    EXPECT_EQ(ColourFromText("12"), 0);
    EXPECT_EQ(ColourFromText("300 0 0"), 44);
    EXPECT_EQ(ColourFromText("99999999999999999999 1 2"), 0x0201FF);  // 10^20 − 1 cut to 8 bits
}

TEST(SkinDataTest, WideTextHelpers) {
    EXPECT_EQ(AnsiToWide("Skin"), L"Skin");
    EXPECT_EQ(AnsiToWide(""), L"");
    EXPECT_EQ(WideCopy(L"Pelmar", -1), L"Pelmar");
    EXPECT_EQ(WideCopy(L"Pelmar", 3), L"Pel");
    EXPECT_EQ(WideCopy(L"Pelmar", 10), L"Pelmar");
    HDC dc = CreateCompatibleDC(nullptr);
    RECT rect{0, 0, 200, 100};
    EXPECT_GT(DrawTextWide(dc, L"Pelmar", rect, DT_CALCRECT | DT_SINGLELINE), 0);
    EXPECT_GT(rect.right, 0);
    DeleteDC(dc);
}

}  // namespace

namespace {

TEST(SkinDataTest, GuardedScrollBarInfoReadsARealScrollBar) {
    ASSERT_TRUE(HasGetScrollBarInfo());  // every system we run on has it
    HWND bar = CreateWindowExA(0, "SCROLLBAR", "", SBS_HORZ, 0, 0, 100, 20, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GuardedGetScrollBarInfo(bar, OBJID_CLIENT, &info));
    EXPECT_GT(info.rcScrollBar.right - info.rcScrollBar.left, 0);
    DestroyWindow(bar);
    EXPECT_FALSE(GuardedGetScrollBarInfo(nullptr, OBJID_CLIENT, &info));
}

}  // namespace

TEST(SkinDataTest, AControlSkinHandlerCanHandBackAnotherSkinner) {
    TSkinData data(nullptr);
    TComponent replacement(nullptr);
    data.OnSkinControl = [&](TComponent*, TSkinData*, TControl*, TControl*, std::string className,
                             TComponent*& skinner) {
        if (className == "TButton") skinner = &replacement;
    };
    TComponent* chosen = nullptr;
    data.OnSkinControl(&data, &data, nullptr, nullptr, "TButton", chosen);
    EXPECT_EQ(chosen, &replacement);
    chosen = nullptr;
    data.OnSkinControl(&data, &data, nullptr, nullptr, "TEdit", chosen);
    EXPECT_EQ(chosen, nullptr);
}
