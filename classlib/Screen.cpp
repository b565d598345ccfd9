#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "platform/window/User.h"

#include <algorithm>

int TScreen::FormCount() const
{
    return static_cast<int>(std::count_if(FCustomForms.begin(), FCustomForms.end(),
                                          [](TCustomForm* f) { return dynamic_cast<TForm*>(f) != nullptr; }));
}

TForm* TScreen::Forms(int Index) const
{
    for (TCustomForm* f : FCustomForms)
        if (auto* form = dynamic_cast<TForm*>(f); form && Index-- == 0)
            return form;
    throw EListError("Form index out of bounds");
}

int TScreen::GetWidth() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::GetHeight() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

RECT TScreen::WorkAreaRect() const
{
    RECT r{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

void TScreen::SetCursor(TCursor Value)
{
    if (Value == FCursor)
        return;
    FCursor = Value;
    ::SetCursor(CursorHandle(Value));
}

void TScreen::addForm(TCustomForm* Form)
{
    FCustomForms.push_back(Form);
}

void TScreen::removeForm(TCustomForm* Form)
{
    FCustomForms.erase(std::remove(FCustomForms.begin(), FCustomForms.end(), Form), FCustomForms.end());
    if (FFocusedForm == Form)
        FFocusedForm = nullptr;
    if (FActiveCustomForm == Form) {
        FActiveCustomForm = nullptr;
        FActiveControl = nullptr;
        if (auto handler = OnActiveFormChange)
            handler(this);
    }
}

void TScreen::setActive(TCustomForm* Form, TWinControl* Control)
{
    const bool formChanged = FActiveCustomForm != Form;
    const bool controlChanged = FActiveControl != Control;
    FActiveControl = Control;
    FActiveCustomForm = Form;
    // The most recently active form comes first.
    auto it = std::find(FCustomForms.begin(), FCustomForms.end(), Form);
    if (it != FCustomForms.end()) {
        FCustomForms.erase(it);
        FCustomForms.insert(FCustomForms.begin(), Form);
    }
    if (controlChanged)
        if (auto handler = OnActiveControlChange)
            handler(this);
    if (formChanged)
        if (auto handler = OnActiveFormChange)
            handler(this);
}
