#include "skin/controls/SkinMP.h"

#include "skin/WinSkinData.h"
#include "skin/controls/WMediaPlayer.h"

TSkinMP::TSkinMP() = default;
TSkinMP::~TSkinMP() = default;

void TSkinMP::Attached() {
    auto* player = dynamic_cast<TMediaPlayer*>(Control());
    if (!player || !GetParent(Window()) || Skin().Button().Image.Empty()) return;
    strip_ = std::make_unique<TWMediaPlayer>(*player, Skin());
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
    if (strip_) strip_->Paint(dc);
}
