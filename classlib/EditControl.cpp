// The window procedure of the class "EDIT": messages, keys, selection and the clipboard.

#include "classlib/EditControl.h"
#include "classlib/EditBox.h"

#include "classlib/Messages.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/Utf8.h"
#include "platform/window/User.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

std::map<HWND, std::unique_ptr<EditBox>>& Boxes()
{
    static std::map<HWND, std::unique_ptr<EditBox>> boxes;
    return boxes;
}

bool IsWordChar(char32_t c)
{
    return c > 0x7F || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

char32_t ToCase(char32_t c, DWORD style)
{
    if ((style & ES_UPPERCASE) && c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if ((style & ES_LOWERCASE) && c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    return c;
}

bool Down(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

} // namespace

void RegisterEditClass()
{
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kEditClassName, &existing))
        return;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &EditWindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = kEditClassName;
    RegisterClass(&wc);
}

LRESULT EditWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& boxes = Boxes();
    auto it = boxes.find(hwnd);
    if (it == boxes.end()) {
        if (msg != WM_NCCREATE)
            return DefWindowProc(hwnd, msg, wParam, lParam);
        it = boxes.emplace(hwnd, std::make_unique<EditBox>(hwnd)).first;
    }
    if (msg == WM_NCDESTROY) {
        boxes.erase(it);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    return it->second->Handle(msg, wParam, lParam);
}

EditBox::EditBox(HWND hwnd) : hwnd_(hwnd) {}

DWORD EditBox::style() const
{
    return static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE));
}

std::u32string EditBox::clean(std::u32string s) const
{
    // One line: text stops at its first line break; other control characters are dropped.
    const auto lineBreak = s.find_first_of(U"\r\n");
    if (lineBreak != std::u32string::npos)
        s.resize(lineBreak);
    std::erase_if(s, [](char32_t c) { return c < 32 || c == 0x7F; });
    const DWORD st = style();
    for (char32_t& c : s)
        c = ToCase(c, st);
    return s;
}

void EditBox::select(int anchor, int caret)
{
    anchor = std::clamp(anchor, 0, length());
    caret = std::clamp(caret, 0, length());
    typingRun_ = false;
    if (anchor == anchor_ && caret == caret_)
        return;
    anchor_ = anchor;
    caret_ = caret;
    scrollToCaret();
    repaint();
}

bool EditBox::replaceSelection(std::u32string s, bool undoable, bool typing)
{
    const int from = selMin();
    const int to = selMax();
    const int room = limit_ - (length() - (to - from));
    bool cut = false;
    if (static_cast<int>(s.size()) > std::max(room, 0)) {
        s.resize(static_cast<std::size_t>(std::max(room, 0)));
        cut = true;
    }
    if (!s.empty() || from != to) {
        const bool joins = typing && typingRun_ && canUndo_;
        if (undoable && !joins) {
            undoText_ = text_;
            undoAnchor_ = anchor_;
            undoCaret_ = caret_;
            canUndo_ = true;
        }
        text_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), s);
        anchor_ = caret_ = from + static_cast<int>(s.size());
        typingRun_ = typing;
        scrollToCaret();
        changed();
    }
    if (cut)
        notify(EN_MAXTEXT);
    return !s.empty() || from != to;
}

void EditBox::setText(const std::u32string& s)
{
    const bool differs = s != text_;
    text_ = s;
    anchor_ = caret_ = 0;
    scrollX_ = 0;
    canUndo_ = false;
    typingRun_ = false;
    modified_ = false;
    if (differs) {
        changed();
    } else {
        placeCaret();
        repaint();
    }
}

void EditBox::undo()
{
    if (!canUndo_)
        return;
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    typingRun_ = false;
    scrollToCaret();
    if (text_ != undoText_)
        changed();
}

void EditBox::changed()
{
    modified_ = true;
    DefWindowProc(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(EncodeUtf8(text_).c_str()));
    placeCaret();
    repaint();
    notify(EN_CHANGE);
}

void EditBox::notify(WORD code)
{
    if (HWND parent = GetParent(hwnd_))
        SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(GetWindowLongPtr(hwnd_, GWLP_ID)), code),
                    reinterpret_cast<LPARAM>(hwnd_));
}

void EditBox::copy()
{
    if (selMin() == selMax() || password_)
        return;
    SetClipboardText(EncodeUtf8(text_.substr(static_cast<std::size_t>(selMin()), static_cast<std::size_t>(selMax() - selMin()))));
}

void EditBox::cut()
{
    if (readOnly() || password_ || selMin() == selMax())
        return;
    copy();
    replaceSelection(std::u32string(), true, false);
}

void EditBox::paste()
{
    if (readOnly() || !IsClipboardTextAvailable())
        return;
    replaceSelection(clean(DecodeUtf8(GetClipboardText())), true, false);
}

void EditBox::clear()
{
    if (!readOnly())
        replaceSelection(std::u32string(), true, false);
}

int EditBox::wordStart(int pos) const
{
    while (pos > 0 && !IsWordChar(text_[static_cast<std::size_t>(pos - 1)]))
        --pos;
    while (pos > 0 && IsWordChar(text_[static_cast<std::size_t>(pos - 1)]))
        --pos;
    return pos;
}

int EditBox::wordEnd(int pos) const
{
    while (pos < length() && IsWordChar(text_[static_cast<std::size_t>(pos)]))
        ++pos;
    while (pos < length() && !IsWordChar(text_[static_cast<std::size_t>(pos)]))
        ++pos;
    return pos;
}

bool EditBox::keyDown(WPARAM key)
{
    const bool shift = Down(VK_SHIFT);
    const bool ctrl = Down(VK_CONTROL);
    auto move = [&](int to) { select(shift ? anchor_ : to, to); };
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            move(wordStart(caret_));
        else if (!shift && anchor_ != caret_)
            select(selMin(), selMin());
        else
            move(caret_ - 1);
        return true;
    case VK_RIGHT:
        if (ctrl)
            move(wordEnd(caret_));
        else if (!shift && anchor_ != caret_)
            select(selMax(), selMax());
        else
            move(caret_ + 1);
        return true;
    case VK_HOME:
        move(0);
        return true;
    case VK_END:
        move(length());
        return true;
    case VK_DELETE:
        if (shift) {
            SendMessage(hwnd_, WM_CUT, 0, 0);
        } else if (!readOnly()) {
            if (anchor_ == caret_)
                select(caret_, caret_ + 1);
            SendMessage(hwnd_, WM_CLEAR, 0, 0);
        }
        return true;
    case VK_INSERT:
        if (shift)
            SendMessage(hwnd_, WM_PASTE, 0, 0);
        else if (ctrl)
            SendMessage(hwnd_, WM_COPY, 0, 0);
        return true;
    default:
        break;
    }
    if (!ctrl || shift || Down(VK_MENU))
        return false;
    switch (key) {
    case 'X': SendMessage(hwnd_, WM_CUT, 0, 0); return true;
    case 'C': SendMessage(hwnd_, WM_COPY, 0, 0); return true;
    case 'V': SendMessage(hwnd_, WM_PASTE, 0, 0); return true;
    case 'Z': SendMessage(hwnd_, WM_UNDO, 0, 0); return true;
    case 'A': SendMessage(hwnd_, EM_SETSEL, 0, -1); return true;
    default: return false;
    }
}

void EditBox::typed(char32_t c)
{
    if (readOnly() || !IsValidCodePoint(c))
        return;
    if (c == 8) {
        if (anchor_ == caret_) {
            if (caret_ == 0)
                return;
            const int keep = caret_;
            anchor_ = caret_ - 1;
            caret_ = keep;
        }
        replaceSelection(std::u32string(), true, false);
        return;
    }
    if (c < 32 || c == 0x7F)
        return;
    replaceSelection(std::u32string(1, ToCase(c, style())), true, true);
}

LRESULT EditBox::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCREATE: {
        const LRESULT ok = DefWindowProc(hwnd_, msg, wParam, lParam);
        text_ = clean(DecodeUtf8(GetWindowText(hwnd_)));
        return ok;
    }
    case WM_CREATE:
        DefWindowProc(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(EncodeUtf8(text_).c_str()));
        SetWindowTakesText(hwnd_, !readOnly());
        return 0;
    case WM_SETTEXT:
        setText(clean(DecodeUtf8(lParam ? reinterpret_cast<const char*>(lParam) : "")));
        return TRUE;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        placeCaret();
        if (LOWORD(static_cast<std::uintptr_t>(lParam)))
            repaint();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_STYLECHANGED:
        SetWindowTakesText(hwnd_, !readOnly());
        repaint();
        return 0;
    case WM_ENABLE:
        repaint();
        return 0;
    case WM_SIZE:
        scrollToCaret();
        repaint();
        return 0;
    case WM_SETFOCUS:
        focused_ = true;
        CreateCaret(hwnd_, nullptr, 1, lineHeight());
        placeCaret();
        ShowCaret(hwnd_);
        repaint();
        notify(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        selecting_ = false;
        preedit_.clear();
        if (GetCaretWindow() == hwnd_)
            DestroyCaret();
        repaint();
        notify(EN_KILLFOCUS);
        return 0;
    case WM_KEYDOWN:
        if (!keyDown(wParam))
            return DefWindowProc(hwnd_, msg, wParam, lParam);
        return 0;
    case WM_CHAR:
        typed(static_cast<char32_t>(wParam));
        return 0;
    case WM_CUT: cut(); return 0;
    case WM_COPY: copy(); return 0;
    case WM_PASTE: paste(); return 0;
    case WM_CLEAR: clear(); return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (readOnly())
            return FALSE;
        undo();
        return TRUE;
    case EM_CANUNDO:
        return canUndo_ ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        canUndo_ = false;
        return 0;
    case EM_GETSEL: {
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(selMin());
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(selMax());
        return MAKELPARAM(std::min(selMin(), 0xFFFF), std::min(selMax(), 0xFFFF));
    }
    case EM_SETSEL: {
        const auto start = static_cast<int>(static_cast<std::intptr_t>(wParam));
        const auto end = static_cast<int>(static_cast<std::intptr_t>(lParam));
        if (start < 0)
            select(caret_, caret_);
        else
            select(start, end < 0 ? length() : end);
        return 0;
    }
    case EM_REPLACESEL:
        replaceSelection(clean(DecodeUtf8(lParam ? reinterpret_cast<const char*>(lParam) : "")), wParam != 0, false);
        return 0;
    case EM_GETRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = textArea();
        return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (!(style() & ES_MULTILINE))
            return 0;
        hasRect_ = lParam != 0;
        if (lParam)
            rect_ = *reinterpret_cast<const RECT*>(lParam);
        scrollToCaret();
        if (msg == EM_SETRECT)
            repaint();
        return 0;
    case EM_SETMARGINS:
        if (wParam & EC_LEFTMARGIN)
            leftMargin_ = LOWORD(static_cast<std::uintptr_t>(lParam));
        if (wParam & EC_RIGHTMARGIN)
            rightMargin_ = HIWORD(static_cast<std::uintptr_t>(lParam));
        scrollToCaret();
        repaint();
        return 0;
    case EM_GETMARGINS:
        return MAKELPARAM(leftMargin_, rightMargin_);
    case EM_LIMITTEXT:
        limit_ = wParam == 0 || wParam > 0x7FFFFFFE ? 0x7FFFFFFE : static_cast<int>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return limit_;
    case EM_SETPASSWORDCHAR:
        password_ = IsValidCodePoint(static_cast<char32_t>(wParam)) ? static_cast<char32_t>(wParam) : 0;
        scrollToCaret();
        repaint();
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<LRESULT>(password_);
    case EM_SETREADONLY:
        SetWindowLongPtr(hwnd_, GWL_STYLE, wParam ? (style() | ES_READONLY) : (style() & ~ES_READONLY));
        return TRUE;
    case EM_GETMODIFY:
        return modified_ ? TRUE : FALSE;
    case EM_SETMODIFY:
        modified_ = wParam != 0;
        return 0;
    case EM_SCROLLCARET:
        scrollToCaret();
        repaint();
        return TRUE;
    case EM_POSFROMCHAR: {
        HDC dc = GetDC(hwnd_);
        SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
        const int x = xOf(dc, std::clamp(static_cast<int>(wParam), 0, length()));
        ReleaseDC(hwnd_, dc);
        return MAKELPARAM(x, textArea().top);
    }
    case EM_CHARFROMPOS:
        return posAt(GET_X_LPARAM(lParam));
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd_)
            SetFocus(hwnd_);
        const int pos = posAt(GET_X_LPARAM(lParam));
        select((wParam & MK_SHIFT) ? anchor_ : pos, pos);
        selecting_ = true;
        SetCapture(hwnd_);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        const int pos = posAt(GET_X_LPARAM(lParam));
        int from = pos;
        while (from > 0 && IsWordChar(text_[static_cast<std::size_t>(from - 1)]))
            --from;
        int to = pos;
        while (to < length() && IsWordChar(text_[static_cast<std::size_t>(to)]))
            ++to;
        select(from, to);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (selecting_ && GetCapture() == hwnd_)
            select(anchor_, posAt(GET_X_LPARAM(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (selecting_) {
            selecting_ = false;
            if (GetCapture() == hwnd_)
                ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        selecting_ = false;
        return 0;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
        if (readOnly())
            return 0;
        preedit_ = DecodeUtf8(ImmGetCompositionString());
        preeditCursor_ = std::clamp(ImmGetCompositionCursor(), 0, static_cast<int>(preedit_.size()));
        scrollToCaret();
        repaint();
        return 0;
    case WM_IME_ENDCOMPOSITION:
        preedit_.clear();
        preeditCursor_ = 0;
        scrollToCaret();
        repaint();
        return 0;
    case WM_ERASEBKGND: {
        const HBRUSH brush = colors(reinterpret_cast<HDC>(wParam));
        RECT client{};
        GetClientRect(hwnd_, &client);
        if (brush && brush != GetStockObject(NULL_BRUSH))
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        return 1;
    }
    case WM_PAINT:
        if (wParam) {
            paint(reinterpret_cast<HDC>(wParam));
        } else {
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(hwnd_, &ps)) {
                paint(dc);
                EndPaint(hwnd_, &ps);
            }
        }
        return 0;
    default:
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }
}
