#include "ControlFixture.h"

#include <tuple>

#include "skin/engine/WinSkinForm.h"

namespace controltest {

TColor PartColour(TPart part, int frame) {
    return static_cast<TColor>(0x800000 | ((0x10 * frame) << 8) | (0x20 * part));
}

namespace {

// `frames` frames of width x height side by side, frame n in PartColour(part, n).
std::vector<std::uint8_t> Strip(TPart part, int frames, int width, int height, bool magentaCorner = false) {
    return skintest::Bmp(width * frames, height, [=](int x, int y) {
        if (magentaCorner && x % width == 0 && y == 0) return frametest::kMagenta;
        return PartColour(part, x / width + 1);
    });
}

}  // namespace

skintest::TTestSkin ControlSkin(const std::string& buttonKeys, int progressStyle) {
    const std::string sections =
        "[Buttons]\nBitmap=button.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\nTrans=1\n"
        "CheckButton=check.bmp\nCheckButtonFrame=4\nRadioButton=radio.bmp\nRadioButtonFrame=12\n" +
        buttonKeys +
        "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
        "[ExtraImages]\nImage=extra.bmp\n"
        "[Tabs]\nImage=tabs.bmp\nBorder=pane.bmp\nStyle=0\nLeftWidth=4\nTopHeight=4\nRightWidth=4\nBottomHeight=4\n"
        "[UpDown.Vert]\nImage=updown.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
        "[ComboButton]\nImage=combo.bmp\nTrans=1\n[SunkEdge]\nImage=sunk.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\n"
        "BottomHeight=3\nTrans=1\n"
        "[Scrollbar]\nImage=scroll.bmp\n[HorzScroll]\nImage=htrack.bmp\n[VertScroll]\nImage=vtrack.bmp\n"
        "[HorzScrollThumb]\nImage=hthumb.bmp\n[VertScrollThumb]\nImage=vthumb.bmp\n"
        "[Progress]\nBitmap=" + std::string(progressStyle == 0 ? "progress.bmp" : "trough.bmp") +
        "\nStyle=" + std::to_string(progressStyle) + "\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n"
        "[Progress.Chunk]\nImage=chunk.bmp\nFrame=1\nTrans=1\n"
        "[Track]\nImage=track.bmp\nFrame=2\n[TRACKVERT]\nImage=trackvert.bmp\nFrame=2\n"
        "[Trackbar.ThumbHorz]\nImage=thumbhorz.bmp\nTrans=1\n[Trackbar.ThumbVert]\nImage=thumbvert.bmp\nTrans=1\n"
        "[Trackbar.ThumbLeft]\nImage=thumbleft.bmp\nTrans=1\n[Trackbar.ThumbRight]\nImage=thumbright.bmp\nTrans=1\n"
        "[Trackbar.ThumbUp]\nImage=thumbup.bmp\nTrans=1\n[Trackbar.ThumbDown]\nImage=thumbdown.bmp\nTrans=1\n"
        "[Headerbar]\nImage=header.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n";
    skintest::TTestSkin skin = frametest::FrameSkin("", sections);
    skin.Image("button.bmp", Strip(kButton, 5, kButtonFrameWidth, 16, true))
        .Image("check.bmp", Strip(kCheck, 4, kGlyphSize, kGlyphSize))
        .Image("radio.bmp", Strip(kRadio, 12, kGlyphSize, kGlyphSize))
        .Image("edges.bmp", Strip(kEdges, 3, 8, 8))
        .Image("extra.bmp", Strip(kExtra, 5, kExtraSize, kExtraSize))
        .Image("tabs.bmp", Strip(kTabs, 5, 20, 12))
        .Image("pane.bmp", Strip(kPane, 1, 16, 16))
        .Image("updown.bmp", Strip(kUpDown, 8, 10, 8))
        .Image("combo.bmp", Strip(kCombo, 4, 17, 21))
        .Image("sunk.bmp", Strip(kSunk, 4, 12, 12))
        .Image("scroll.bmp", Strip(kScroll, 23, 16, 16))
        .Image("htrack.bmp", Strip(kHorzTrack, 4, 16, 16))
        .Image("vtrack.bmp", Strip(kVertTrack, 4, 16, 16))
        .Image("hthumb.bmp", Strip(kHorzThumb, 3, 24, 16))
        .Image("vthumb.bmp", Strip(kVertThumb, 3, 16, 24))
        .Image("trough.bmp", Strip(kTrough, 1, 16, 16))
        .Image("progress.bmp", Strip(kProgress, 2, 16, 16))
        .Image("chunk.bmp", skintest::Bmp(kChunkWidth, 12, [](int x, int) {
                   return x < kChunkPainted ? PartColour(kChunk, 1) : frametest::kMagenta;
               }))
        .Image("track.bmp", Strip(kTrack, 2, 16, 4))
        .Image("trackvert.bmp", Strip(kTrackVert, 2, 4, 16))
        .Image("header.bmp", Strip(kHeader, 5, 20, 16));
    for (auto [name, part, standing] : {std::tuple{"thumbhorz.bmp", kThumbHorz, true}, {"thumbup.bmp", kThumbUp, true},
                                        {"thumbdown.bmp", kThumbDown, true}, {"thumbvert.bmp", kThumbVert, false},
                                        {"thumbleft.bmp", kThumbLeft, false}, {"thumbright.bmp", kThumbRight, false}})
        skin.Image(name, Strip(part, 5, standing ? kThumbAcross : kThumbAlong, standing ? kThumbAlong : kThumbAcross));
    return skin;
}

std::unique_ptr<TBitmap> Printed(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(r.right, r.bottom);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()),
                 PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    return bitmap;
}

std::unique_ptr<TBitmap> PaintedWhole(TSkinControl& skinner) {
    RECT r{};
    GetWindowRect(skinner.Window(), &r);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(r.right - r.left, r.bottom - r.top);
    skinner.PaintControl(bitmap->Canvas()->Handle());
    return bitmap;
}

RECT BoxOfOthers(const TBitmap& bitmap, const RECT& rect, TColor background) {
    RECT box{rect.right, rect.bottom, rect.left, rect.top};
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (skintest::PixelOf(bitmap, x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

TColor BarColourAt(const TBitmap& bar, bool vertical, int along) {
    return vertical ? skintest::PixelOf(bar, bar.Width() / 2, along) : skintest::PixelOf(bar, along, bar.Height() / 2);
}

int ArrowLength(bool vertical) { return GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL); }

const TSkinControl* SkinnerFor(frametest::SkinnedForm& form, const TControl& control) {
    for (const auto& skinner : form.Skinner()->ControlSkinners())
        if (!skinner->Dead() && skinner->Control() == &control) return skinner.get();
    return nullptr;
}

void ControlsTest::SetUp() {
    form_ = new TForm(nullptr);
    form_->SetBounds(50, 50, 400, 300);
    // Skinners are attached by hand here: the manager, still active after other tests, keeps
    // away from a form with this tag.
    form_->SetTag(99);
    panel_ = new TPanel(form_);
    panel_->SetParent(form_);
    panel_->SetAlign(alClient);
    panel_->SetColor(kParent);
    skin_ = new TSkinData(form_);
    skin_->Loaded();
    LoadSkin(ControlSkin());
    form_->Show();
    Pump();
}

void ControlsTest::LoadSkin(const skintest::TTestSkin& skin) { ASSERT_TRUE(skintest::Load(*skin_, skin)); }

void ControlsTest::TearDown() {
    skinners_.clear();
    form_->Free();
    Pump();
}

}  // namespace controltest
