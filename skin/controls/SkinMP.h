#pragma once
// TSkinMP: media players covered by a TWMediaPlayer, a button strip drawn from the skin's
// button element (Win32). The strip follows the player's place and visibility; the player's
// own painting shows the same strip, so that nothing of the system's look shows where the
// player paints past the strip; without a button bitmap in the skin the player keeps its
// own look.

#include <memory>
#include <optional>

#include "skin/controls/WinSubClass.h"
#include "toolkit/MPlayer.h"

class TWMediaPlayer;

class TSkinMP : public TSkinControl {
public:
    TSkinMP();
    ~TSkinMP() override;

    void Detach() override;
    // The strip; null when detached or when the skin has no button bitmap.
    TWMediaPlayer* Strip() const { return strip_.get(); }
    // The strip in the player's client coordinates: each visible button in the frame of its
    // state (pressed shows only while the pointer is over it), with the player's glyph in
    // the caption colour of that frame, or in its own colour for a coloured button.
    void PaintStrip(HDC dc, const std::optional<TMPBtnType>& hot, const std::optional<TMPBtnType>& pressed) const;
    // A press on the button does something: the player and the button are enabled.
    static bool Works(const TMediaPlayer& player, TMPBtnType button);

protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void SkinSwitched() override;

private:
    TMediaPlayer& Player() const;
    void Follow();

    std::unique_ptr<TWMediaPlayer> strip_;
};
