#pragma once
// The skinning layer's private window messages. The skin data's own broadcasts
// (SKM_BEFORESKINCHANGE ... SKM_LAYEREDBORDERSCHANGED) live with the skin data in
// skin/core/skSkinData.h; every other number the skinned windows exchange is here.

#include "platform/window/Messages.h"
#include "skin/core/skSkinData.h"

// Sent by the menu manager to the menu's form and to the control that opened the menu.
inline constexpr UINT SKM_SKINMENUCLOSED = WM_USER + 204;
// Sent by the menu manager to the opening control after an item's command ran.
inline constexpr UINT SKM_SKINMENUCOMMAND = WM_USER + 205;
// MDI coordination between a main form's frame and its children's frames.
inline constexpr UINT SKM_MDICHILDFIT = WM_USER + 206;
inline constexpr UINT SKM_MDICHILDMAXIMIZED = WM_USER + 207;
inline constexpr UINT SKM_MDICHILDRESTORED = WM_USER + 208;
// The background behind a control changed: children that copy it repaint.
inline constexpr UINT SKM_PARENTBGCHANGED = WM_USER + 260;
// A skinned button shows or hides its glow layer (posted to itself).
inline constexpr UINT SKM_SHOWGLOWLAYER = WM_USER + 400;
inline constexpr UINT SKM_HIDEGLOWLAYER = WM_USER + 401;
// Posted to the main form once the tray icon restored it (acted on while its Tag is -10000).
inline constexpr UINT SKM_TRAYRESTORE = WM_USER + 402;
// Posted by a control to itself to free its context menu once the menu's command has finished
// (wParam: which menu, so a newer one survives).
inline constexpr UINT SKM_RELEASEMENU = WM_USER + 404;
// Posted by a page control to itself when its tab row may have changed: the skinned up-down
// comes, goes or takes its new range.
inline constexpr UINT SKM_CHECKTABSUPDOWN = WM_USER + 405;

// Asked by other components of a skinned window; nothing in the program sends them.
inline constexpr UINT SKM_QUERYFRAMESKINNED = 45490;
inline constexpr UINT SKM_EFFECTSSHOWBEGIN = 45491;
inline constexpr UINT SKM_EFFECTSSHOWEND = 45492;
inline constexpr UINT SKM_PAINTHEADERTO = 45512;
inline constexpr UINT SKM_PAINTBORDERTO = 45513;
inline constexpr UINT SKM_PAINTBORDERTOEX = 48203;
// Asks a list with no items to paint its background into the device context in wParam (lParam:
// SKM_PAINTBORDERTOEX_KEY, echoed as the answer).
inline constexpr UINT SKM_PAINTBACKGROUNDTO = 48202;

// Answers of the paint-to messages and the frame query.
inline constexpr LRESULT SKM_FRAMESKINNED = 12853;
inline constexpr LRESULT SKM_FRAMENOTSKINNED = 12852;
inline constexpr LRESULT SKM_BORDERPAINTED = 12851;
inline constexpr LPARAM SKM_PAINTBORDERTOEX_KEY = 16802;
