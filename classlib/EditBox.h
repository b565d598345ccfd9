#pragma once
// The state and behaviour of one window of the class "EDIT" (internal to the class library).

#include "classlib/EditControl.h"
#include "platform/gdi/GdiTypes.h"

#include <string>

class EditBox {
public:
    explicit EditBox(HWND hwnd);

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // --- text changes ---
    DWORD style() const;
    bool readOnly() const { return (style() & ES_READONLY) != 0; }
    int selMin() const { return std::min(anchor_, caret_); }
    int selMax() const { return std::max(anchor_, caret_); }
    int length() const { return static_cast<int>(text_.size()); }
    // Replaces the selection with s (cut to the limit); returns whether the text changed.
    bool replaceSelection(std::u32string s, bool undoable, bool typing);
    void setText(const std::u32string& s);
    void undo();
    void select(int anchor, int caret);
    void changed();  // the text changed: mirror it into the window and tell the parent
    void notify(WORD code);  // WM_COMMAND to the parent
    std::u32string clean(std::u32string s) const;  // what typed or pasted text may hold

    // --- clipboard and keys ---
    void copy();
    void cut();
    void paste();
    void clear();
    bool keyDown(WPARAM key);
    void typed(char32_t c);
    int wordStart(int pos) const;
    int wordEnd(int pos) const;

    // --- layout and painting (EditPaint.cpp) ---
    std::u32string shown() const;  // the text as displayed (password characters), pre-edit left out
    RECT textArea() const;         // the formatting rectangle less the margins
    int widthOf(HDC dc, const std::u32string& s, int from, int to) const;
    int textWidth(HDC dc) const;
    int originX(HDC dc) const;      // x of position 0 (alignment and horizontal scrolling)
    int xOf(HDC dc, int pos) const; // client x of a position
    int posAt(int x);               // nearest position to a client x
    void scrollToCaret();
    void placeCaret();
    int lineHeight();
    void paint(HDC dc);
    HBRUSH colors(HDC dc);
    void repaint();

    HWND hwnd_;
    std::u32string text_;
    int anchor_ = 0;  // selection: from the anchor to the caret
    int caret_ = 0;
    int limit_ = 0x7FFFFFFE;
    HFONT font_ = nullptr;
    int leftMargin_ = 0, rightMargin_ = 0;
    bool hasRect_ = false;
    RECT rect_{};
    char32_t password_ = 0;
    bool modified_ = false;
    // One level of undo: the text and selection before the last change (undoing swaps them).
    bool canUndo_ = false;
    bool typingRun_ = false;  // the last change was typing at the caret: more typing joins it
    std::u32string undoText_;
    int undoAnchor_ = 0, undoCaret_ = 0;
    int scrollX_ = 0;
    bool focused_ = false;
    bool selecting_ = false;  // the left button went down in the edit and selects
    std::u32string preedit_;
    int preeditCursor_ = 0;
};
