#include "skin/controls/SkinMP.h"

#include "skin/WinSkinData.h"
#include "skin/controls/WMediaPlayer.h"

namespace {

constexpr int kButtons = 9;

}  // namespace

TSkinMP::TSkinMP() = default;
TSkinMP::~TSkinMP() = default;

TMediaPlayer& TSkinMP::Player() const { return static_cast<TMediaPlayer&>(*Control()); }

void TSkinMP::Attached() {
    auto* player = dynamic_cast<TMediaPlayer*>(Control());
    if (!player || !GetParent(Window()) || Skin().Button().Image.Empty()) return;
    strip_ = std::make_unique<TWMediaPlayer>(*this, *player);
    Follow();
}

void TSkinMP::Detach() {
    strip_.reset();
    TSkinControl::Detach();
}

void TSkinMP::Follow() {
    if (strip_) strip_->Follow(SkinEnabled());
}

void TSkinMP::SkinSwitched() { Follow(); }

bool TSkinMP::BeforeMessage(TMessage& m) {
    if (strip_ && PaintsItself(m)) {
        // The player repaints when its buttons change: so does the strip.
        if (m.Msg == WM_PAINT) InvalidateRect(strip_->Handle(), nullptr, FALSE);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinMP::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_WINDOWPOSCHANGED:
            Follow();
            return;
        case WM_ENABLE:
        case CM_ENABLEDCHANGED:
            if (strip_) InvalidateRect(strip_->Handle(), nullptr, FALSE);
            break;
        default:
            break;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinMP::DrawControl(HDC dc, const RECT&) {
    if (strip_) PaintStrip(dc, std::nullopt, std::nullopt);
}

bool TSkinMP::Works(const TMediaPlayer& player, TMPBtnType button) {
    return player.Enabled() && player.EnabledButtons().Contains(button);
}

void TSkinMP::PaintStrip(HDC dc, const std::optional<TMPBtnType>& hot, const std::optional<TMPBtnType>& pressed) const {
    const TMediaPlayer& player = Player();
    RECT all{};
    GetClientRect(Window(), &all);
    const TOffscreen off(dc, all);
    FillFace(off.DC(), all);
    TCanvas canvas;
    canvas.SetHandle(off.DC());
    for (int i = 0; i < kButtons; ++i) {
        const auto button = static_cast<TMPBtnType>(i);
        if (!player.VisibleButtons().Contains(button)) continue;
        const bool works = Works(player, button);
        const bool down = pressed == button && hot == button;
        const int frame = StateFrame(1, down, hot == button, works);
        TRect r = player.ButtonRect(button);
        DrawElement(off.DC(), r, Skin().Button(), frame);
        const TColor ink = ButtonTextColour(frame);
        const bool coloured = works && player.ColoredButtons().Contains(button);
        if (down) OffsetRect(&r, 1, 1);
        DrawMediaGlyph(canvas, button, r, coloured ? MediaGlyphColour(button) : ink, ink);
    }
    canvas.SetHandle(nullptr);
}
