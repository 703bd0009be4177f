#pragma once
// TWMediaPlayer: a painted button strip laid over a media player, in the player's parent
// window (Win32). Its buttons sit where the player puts its own (only the visible ones,
// sharing the width); its skinner paints them in the states the strip tracks: the button
// under the pointer, the one pressed. A click on a working button is handed to the player
// as a click at the same place, so the player's own handling (its OnClick, then the
// command) runs.

#include <optional>

#include "skin/controls/PaintedWindow.h"
#include "toolkit/MPlayer.h"

class TSkinMP;

class TWMediaPlayer : public TPaintedWindow {
public:
    TWMediaPlayer(TSkinMP& skinner, TMediaPlayer& player);

    // Takes the player's place, right above it, and shows, or hides while `shown` is false
    // or the player is hidden; repaints.
    void Follow(bool shown);
    void Paint(HDC dc) const override;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::optional<TMPBtnType> ButtonAt(LPARAM point) const;
    void Hover(LPARAM point);
    void Press(LPARAM point);
    void Release(LPARAM point);
    void ClickPlayer(TMPBtnType button) const;
    void Show(const std::optional<TMPBtnType>& hot, const std::optional<TMPBtnType>& pressed);

    TSkinMP& skinner_;
    TMediaPlayer& player_;
    std::optional<TMPBtnType> hot_;
    std::optional<TMPBtnType> pressed_;
};
