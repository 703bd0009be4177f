#pragma once
// The skin engine's private window messages. Their numbers are fixed: skinners of one
// process find each other by them, and other programs' windows may answer them.

#include "platform/Win.h"

// Posted to a window right after the manager adopted it: build the frame (lParam 1000).
constexpr UINT SKM_STARTSKIN = 13571;
// Sent before adopting a window: a skinned window answers 1.
constexpr UINT SKM_QUERYSKINNED = 13603;
// Posted to an MDI client: redraw the frame of the MDI child in wParam.
constexpr UINT SKM_MDIREDRAW = 13590;
// Repaint the frame.
constexpr UINT SKM_REPAINTFRAME = 13570;
// Posted to its window when a caption button with an action of the skin's own was clicked;
// wParam is the action code.
constexpr UINT SKM_CAPTIONACTION = 13588;
// Sent to its window for caption buttons with a visibility code from 1000 to 2000: wParam is
// the code, lParam the action; an answer above 0 shows the button.
constexpr UINT SKM_CAPTIONVISIBLE = 13589;
// lParam is a screen point: open the menu-bar item under it.
constexpr UINT SKM_OPENMENUAT = 13592;
// Posted by a scroll-bar skinner whose control made its window anew (wParam): the frame
// skinner gives the control a fresh skinner.
constexpr UINT SKM_RESKINCHILD = 13591;
// Switches one control skinner off (wParam 0) or on (wParam above 0).
constexpr UINT SKM_CONTROLSKIN = 13574;
// The toolkit's release notification: a skinner of a windowless control (which never sees
// WM_NCDESTROY) gives the control's message hook back.
constexpr UINT SKM_RELEASEHOOK = 45089;
// Through a toolkit form's message hook: repaint everything.
constexpr UINT SKM_REPAINTALL = 13313;
// With lParam kSkinSignature: paint the skinned frame into the device context in wParam.
constexpr UINT SKM_PAINTFRAMETO = 48203;
// Answers kSkinSignature when lParam is kSkinSignature, else 1.
constexpr UINT SKM_SIGNATURE = 48205;
// wParam 0, lParam kSkinSignature: announces a skinned frame to its window.
constexpr UINT SKM_ANNOUNCE = 48206;
constexpr LPARAM kSkinSignature = 16802;
