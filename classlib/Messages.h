#pragma once
// The message record of controls and the class library's own notification messages, with the
// numbers the skinned code quotes (CM_BASE 0xB000 = 45056, CN_BASE 0xBC00).

#include "classlib/Classes.h"
#include "platform/window/Messages.h"

#include <functional>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;

// A key message read as the class library's key record.
struct TWMKey {
    UINT Msg = 0;
    WORD CharCode = 0;
    LPARAM KeyData = 0;
    LRESULT Result = 0;
};

inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;           // LParam: the control taking the mouse
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;            // WParam: key code; Result 1: handled
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;           // WParam: character; Result 1: handled
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;         // LParam: the newly focused control
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_HITTEST = CM_BASE + 10;             // LParam: point; Result: 0 = not here
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;       // WParam: key code; Result 1: the control takes it
inline constexpr UINT CM_RELEASE = CM_BASE + 33;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;    // WParam: control, LParam: 1 inserted, 0 removed
inline constexpr UINT CM_CHILDKEY = CM_BASE + 46;             // WParam: key code, LParam: the control
inline constexpr UINT CM_HINTSHOW = CM_BASE + 48;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
inline constexpr UINT CM_INVALIDATE = CM_BASE + 52;
inline constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;        // WParam: control, LParam: 1 inserted, 0 removed

// Messages reflected to the control they concern (key messages before dispatch, and the
// notifications a parent gets about a child).
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + 0x0133;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + 0x0138;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;  // LParam: the child's NMHDR

// WM_GETDLGCODE answers: which keys the control handles itself.
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// The modifiers and buttons of a mouse message's WParam.
TShiftState KeysToShiftState(WPARAM Keys);
// The modifiers of a key message's key data (Alt from its context bit, the others held now).
TShiftState KeyDataToShiftState(LPARAM KeyData);
