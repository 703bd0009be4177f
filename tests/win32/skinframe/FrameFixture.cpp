#include "FrameFixture.h"

namespace frametest {

std::vector<std::uint8_t> BorderStrip(bool stacked, int across, int along, TColor active, TColor inactive,
                                      int cornerSize, TColor corner) {
    // Stacked strips run along x (title, bottom); side strips run along y.
    const int width = stacked ? along : 2 * across;
    const int height = stacked ? 2 * across : along;
    return skintest::Bmp(width, height, [=](int x, int y) {
        const int frame = stacked ? y / across : x / across;
        const int position = stacked ? x : y;
        if (cornerSize > 0 && (position < cornerSize || position >= along - cornerSize)) return corner;
        return frame == 0 ? active : inactive;
    });
}

TColor ButtonFrameColour(int frame) { return static_cast<TColor>((0x10 * frame) << 8); }

std::vector<std::uint8_t> ButtonStrip(int frames) {
    return skintest::Bmp(16 * frames, 14, [](int x, int) { return ButtonFrameColour(x / 16 + 1); });
}

skintest::TTestSkin FrameSkin(const std::string& personality, const std::string& sections, bool cutCorners) {
    const std::string sideTrans = cutCorners ? "1" : "0";
    const TColor corner = cutCorners ? kMagenta : kCorner;
    skintest::TTestSkin skin;
    skin.definition =
        "[Personality]\n"
        "Left=left.bmp\nLeftFrame=2\nLeftTopHeight=3\nLeftBotHeight=3\nLeftTrans=" + sideTrans +
        "\nRight=right.bmp\nRightFrame=2\nRightTopHeight=3\nRightBotHeight=3\nRightTrans=" + sideTrans +
        "\n"
        "Top=top.bmp\nTopFrame=2\nTopTrans=0\n"
        "Bottom=bottom.bmp\nBottomFrame=2\nBottomTrans=0\n" +
        personality +
        "[Colours]\nButtonFace=200,200,200\nButtonText=10,20,30\nTitleTextActive=255,255,255\nTitleTextNoActive=128,128,128\n"
        "[Button1]\nAction=0\nAlign=1\nXcoord=24\nYcoord=6\nVisibility=0\nFrame=4\nButtonImage=close.bmp\n" +
        sections;
    skin.Image("left.bmp", BorderStrip(false, kSide, 40, kLeftActive, kLeftInactive, kCornerSize, corner))
        .Image("right.bmp", BorderStrip(false, kSide, 40, kRightActive, kRightInactive, kCornerSize, corner))
        .Image("top.bmp", BorderStrip(true, kTitle, 30, kTitleActive, kTitleInactive))
        .Image("bottom.bmp", BorderStrip(true, kBottom, 30, kBottomActive, kBottomInactive))
        .Image("close.bmp", ButtonStrip(4));
    return skin;
}

TColor PixelAt(HDC dc, int x, int y) { return static_cast<TColor>(GetPixel(dc, x, y)); }

SkinnedForm::SkinnedForm(const skintest::TTestSkin& skin, TFormBorderStyle style)
    : form_(new TForm(nullptr)), skin_(new TSkinData(form_)) {
    form_->SetBorderStyle(style);
    form_->SetBounds(100, 100, 320, 200);
    form_->SetCaption("Frame test");
    skin_->Loaded();
    skintest::Load(*skin_, skin);
    form_->Show();
    Pump();
    SetSkinned(true);
}

SkinnedForm::~SkinnedForm() {
    form_->Free();
    Pump();
}

TWinSkinForm* SkinnedForm::Skinner() const {
    return SkinManager() ? SkinManager()->FindFormSkinner(form_->Handle()) : nullptr;
}

void SkinnedForm::SetSkinned(bool on) {
    skin_->SetActive(on);
    SkinManager()->CommandTimer();
    Pump();
}

std::unique_ptr<TBitmap> SkinnedForm::PaintedFrame() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(r.right - r.left, r.bottom - r.top);
    if (TWinSkinForm* skinner = Skinner()) skinner->PaintFrame(bitmap->Canvas()->Handle());
    return bitmap;
}

std::unique_ptr<TBitmap> SkinnedForm::OnScreen() {
    Pump();  // what was drawn reaches the screen when the thread next looks at its messages
    RECT r{};
    GetWindowRect(Handle(), &r);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace frametest
