#pragma once
// What the common control window classes share (internal to the class library): their state
// kept as a window property, notifications to the parent, fonts and a few drawing pieces.

#include "classlib/CommCtrl.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <functional>
#include <string>

namespace commctl {

inline constexpr const char* kStateProp = "zd.commctl";

// The state record of a common control window (nullptr before WM_NCCREATE and after
// WM_NCDESTROY).
template <class T>
T* StateOf(HWND hwnd)
{
    return static_cast<T*>(GetProp(hwnd, kStateProp));
}

// The window procedure of a class whose state is a T made at WM_NCCREATE and freed at
// WM_NCDESTROY; T::Handle answers the messages.
template <class T>
LRESULT Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE && !StateOf<T>(hwnd))
        SetProp(hwnd, kStateProp, new T(hwnd));
    T* state = StateOf<T>(hwnd);
    if (!state)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        RemoveProp(hwnd, kStateProp);
        delete state;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    return state->Handle(msg, wParam, lParam);
}

// The procedures of the five classes.
LRESULT HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sends WM_NOTIFY to the parent with the sender and code filled in.
LRESULT Notify(HWND from, int code, NMHDR* header);
// The font a control window was given by WM_SETFONT (the GUI font until then).
HFONT FontOr(HFONT font);
// A text's size in a font.
SIZE TextSize(HDC dc, HFONT font, const std::string& text);
// Draws a text in one line, vertically centred, cut with "..." when it does not fit.
void DrawCellText(HDC dc, HFONT font, const std::string& text, RECT r, UINT align, COLORREF color);
// A raised (or, pressed, sunken) button face over the rectangle.
void ButtonFace(HDC dc, const RECT& r, bool pressed);
// A filled triangle pointing left, up, right or down (0..3) centred in the rectangle.
void Triangle(HDC dc, const RECT& r, int direction, COLORREF color);
// Draws an image list entry (nothing without a list or for an index outside it).
void DrawImage(HDC dc, HIMAGELIST images, int index, int x, int y, bool enabled = true);
int ImageWidth(HIMAGELIST images);
int ImageHeight(HIMAGELIST images);
// Copies text into a caller's buffer of `size` bytes (UTF-8, never cut inside a character).
void CopyOut(const std::string& text, char* out, int size);
void FillColor(HDC dc, const RECT& r, COLORREF color);

// An in-place edit over a label: an EDIT child of the owner window with the text selected and
// the focus. Enter or losing the focus ends it with the text, Escape without (done gets nullptr);
// done runs once, after the edit window is gone.
class LabelEditor {
public:
    using Finished = std::function<void(const std::string* text)>;
    LabelEditor() = default;
    ~LabelEditor();
    LabelEditor(const LabelEditor&) = delete;
    LabelEditor& operator=(const LabelEditor&) = delete;

    HWND Begin(HWND owner, const RECT& r, const std::string& text, HFONT font, Finished done);
    void End(bool cancel);
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    Finished done_;
};

} // namespace commctl

