#include "classlib/Forms.h"
#include "classlib/MessageLabel.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/StdCtrls.h"

#include <algorithm>
#include <memory>

// A plain message box: the text, then a row of buttons chosen by the flags. The first button is
// the default; Cancel (or the only button) answers Escape.
int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags)
{
    struct Choice {
        const char* caption;
        TModalResult result;
    };
    std::vector<Choice> choices;
    switch (Flags & 0xF) {
    case MB_OKCANCEL:
        choices = {{"OK", mrOk}, {"Cancel", mrCancel}};
        break;
    case MB_YESNOCANCEL:
        choices = {{"Yes", mrYes}, {"No", mrNo}, {"Cancel", mrCancel}};
        break;
    case MB_YESNO:
        choices = {{"Yes", mrYes}, {"No", mrNo}};
        break;
    default:
        choices = {{"OK", mrOk}};
        break;
    }
    std::unique_ptr<TForm, void (*)(TForm*)> box(new TForm(nullptr), [](TForm* f) { f->Free(); });
    box->SetBorderStyle(TFormBorderStyle::bsDialog);
    box->SetCaption(Caption.empty() ? FTitle : Caption);
    box->SetPosition(TPosition::poScreenCenter);
    auto* label = new TLabel(box.get());
    label->SetName("Message");
    label->SetParent(box.get());
    label->SetShowAccelChar(false);
    label->SetCaption(Text);
    label->SetBounds(16, 16, label->GetWidth(), label->GetHeight());
    constexpr int buttonWidth = 75, buttonHeight = 25, gap = 8;
    FitMessageLabel(box.get(), label, 32, 32 + 16 + buttonHeight + 16);
    const int row = static_cast<int>(choices.size()) * (buttonWidth + gap) - gap;
    const int clientWidth = std::max(label->GetWidth() + 32, row + 32);
    const int top = label->GetTop() + label->GetHeight() + 16;
    int left = (clientWidth - row) / 2;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* b = new TButton(box.get());
        b->SetParent(box.get());
        b->SetCaption(choices[i].caption);
        b->SetModalResult(choices[i].result);
        b->SetDefault(i == 0);
        b->SetCancel(choices[i].result == mrCancel || choices.size() == 1);
        b->SetBounds(left, top, buttonWidth, buttonHeight);
        left += buttonWidth + gap;
    }
    box->SetClientWidth(clientWidth);
    box->SetClientHeight(top + buttonHeight + 16);
    switch (box->ShowModal()) {
    case mrOk:
        return IDOK;
    case mrYes:
        return IDYES;
    case mrNo:
        return IDNO;
    default:
        return IDCANCEL;
    }
}
