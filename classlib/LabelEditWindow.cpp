// The in-place label editor of the tree (and list) view windows: an EDIT child over the label.

#include "classlib/CommCtrlParts.h"
#include "classlib/EditControl.h"

namespace commctl {
namespace {

constexpr const char* kEditorProp = "zd.labeleditor";

LRESULT EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* editor = static_cast<LabelEditor*>(GetProp(hwnd, kEditorProp));
    if (!editor)
        return EditWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_GETDLGCODE: return EditWindowProc(hwnd, msg, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            editor->End(wParam == VK_ESCAPE);
            return 0;
        }
        break;
    case WM_CHAR:
        // Enter and Escape end the edit on their key press; their characters are not text.
        if (wParam == '\r' || wParam == 27)
            return 0;
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = EditWindowProc(hwnd, msg, wParam, lParam);
        editor->End(false);
        return result;
    }
    default: break;
    }
    return EditWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

LabelEditor::~LabelEditor()
{
    if (hwnd_)
        RemoveProp(hwnd_, kEditorProp);
}

HWND LabelEditor::Begin(HWND owner, const RECT& r, const std::string& text, HFONT font, Finished done)
{
    End(true);
    RegisterEditClass();
    hwnd_ = CreateWindowEx(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, nullptr);
    if (!hwnd_)
        return nullptr;
    owner_ = owner;
    done_ = std::move(done);
    SendMessage(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SetProp(hwnd_, kEditorProp, this);
    SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProc));
    SendMessage(hwnd_, EM_SETSEL, 0, -1);
    SetFocus(hwnd_);
    return hwnd_;
}

void LabelEditor::End(bool cancel)
{
    if (!hwnd_)
        return;
    HWND edit = hwnd_;
    hwnd_ = nullptr;
    const std::string text = GetWindowText(edit);
    RemoveProp(edit, kEditorProp);
    if (GetFocus() == edit && IsWindow(owner_))
        SetFocus(owner_);
    DestroyWindow(edit);
    Finished done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(cancel ? nullptr : &text);
}

} // namespace commctl
