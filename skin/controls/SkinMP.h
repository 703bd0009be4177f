#pragma once
// TSkinMP: media players covered by a TWMediaPlayer, a button strip drawn from the skin's
// button element (Win32). The strip follows the player's place and visibility; the player's
// own painting shows the same strip, so that nothing of the system's look shows where the
// player paints past the strip; without a button bitmap in the skin the player keeps its
// own look.

#include <memory>

#include "skin/controls/WinSubClass.h"

class TWMediaPlayer;

class TSkinMP : public TSkinControl {
public:
    TSkinMP();
    ~TSkinMP() override;

    void Detach() override;
    // The strip; null when detached or when the skin has no button bitmap.
    TWMediaPlayer* Strip() const { return strip_.get(); }

protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void SkinSwitched() override;

private:
    void Follow();

    std::unique_ptr<TWMediaPlayer> strip_;
};
