#pragma once
// TWMediaPlayer: a painted button strip laid over a media player, in the player's parent
// window (Win32). Its buttons sit where the player puts its own (only the visible ones,
// sharing the width), each drawn from the skin's button element in the frame of its state
// with the player's glyph on it. A click on a working button is handed to the player as a
// click at the same place, so the player's own handling (its OnClick, then the command)
// runs.

#include <optional>

#include "skin/controls/SkinWindow.h"
#include "toolkit/MPlayer.h"

class TSkinData;

class TWMediaPlayer : public TSkinWindow {
public:
    TWMediaPlayer(TMediaPlayer& player, TSkinData& skin);

    // Takes the player's place, above it, and shows, or hides while `shown` is false or the
    // player is hidden; repaints.
    void Follow(bool shown);
    void Paint(HDC dc) const override;

protected:
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::optional<TMPBtnType> ButtonAt(LPARAM point) const;
    // A press on the button does something: the player and the button are enabled.
    bool Works(TMPBtnType button) const;
    void PaintButton(TCanvas& canvas, TMPBtnType button) const;
    void Hover(LPARAM point);
    void Press(LPARAM point);
    void Release(LPARAM point);
    void ClickPlayer(TMPBtnType button) const;
    void Show(const std::optional<TMPBtnType>& hot, const std::optional<TMPBtnType>& pressed);

    TMediaPlayer& player_;
    TSkinData& skin_;
    std::optional<TMPBtnType> hot_;
    std::optional<TMPBtnType> pressed_;
};
