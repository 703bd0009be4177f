#pragma once
// The skin's painters: one per rule by which a skin image is composed to a target, each
// drawing into a device context (a window's, or a memory context behind an off-screen
// bitmap or a canvas) (Win32).
//
// Every painter reads the element record and never changes it. Hostile records draw
// nothing rather than read outside their image: no frames (FrameCount 0 or below, or more
// frames than the image has pixels), an empty image, a target of no area. Only the part
// of the target inside the context's clipping box is composed, so a target far larger
// than the context costs no more than the context itself.

#include "platform/Win.h"
#include "skin/SkinElements.h"
#include "toolkit/Graphics.h"

// The window frame's parts, numbered as the frame skinner counts them.
enum TBorderPart { bpLeft = 1, bpRight = 2, bpTitle = 3, bpBottom = 4 };

// A border part of a window frame from its border record: frames side by side in the
// image for the left and right parts, one above the other for the title and bottom parts;
// frame 1 for an active window, 2 for an inactive one (1 when the record has a single
// frame). Corners copied, edges stretched along their length, the centre stretched when
// the record's Tile is 1 and tiled otherwise. The part is copied: magenta pixels are the
// window region's business, not the painter's.
void DrawBorderPart(HDC dc, const TRect& target, const TDataSkinObject& border, TBorderPart part, bool active);

// Frame `frame` (1-based, clamped to the record's frames) of a control's element: frames
// side by side, the centre tiled when Tile is not 0 and stretched when it is 0, magenta
// pixels left out when Trans is 1.
void DrawElement(HDC dc, const TRect& target, const TDataSkinObject& element, int frame);
// The same from `mirrored`, the element's image mirrored left to right as a whole (a combo
// box's button at the left): its frames run the other way and its side margins change places.
void DrawMirroredElement(HDC dc, const TRect& target, const TDataSkinObject& element, const TBitmap& mirrored,
                         int frame);

// The caption text's background from the title record's image (its TextBack): a
// three-slice whose ends, TXTBackleft and TXTBackRight wide, keep their size while the
// middle and the height stretch to the target; frames side by side, frame 1 for an active
// window, 2 for an inactive one; magenta pixels left out, so the title bar shows around
// rounded ends.
void DrawTextBackground(HDC dc, const TRect& target, const TDataSkinTitle& title, bool active);

// The menu bar's band from the skin's menuBar element: an active frame above an inactive
// one, ends LeftWidth and RightWidth wide kept, the middle tiled when Tile (the skin's
// TileMenu) is 1 and stretched otherwise.
void DrawMenuBarBand(HDC dc, const TRect& target, const TDataSkinObject& menuBar, bool active);

// A menu separator from frame 2 of the five-frame MenuItem element: its left-margin, middle
// and right-margin columns stretched over the target's left margin, middle and right margin
// and over the target's height, magenta left out.
void DrawMenuSeparator(HDC dc, const TRect& target, const TDataSkinObject& menuItem);

// A new font of the system's non-client metrics (its caption font, its menu font, …); null
// when the system does not say.
HFONT CreateNonClientFont(LOGFONTA NONCLIENTMETRICSA::*font);
