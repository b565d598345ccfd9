#include "skin/form/skSkinChange.h"

#include "classlib/Controls.h"
#include "platform/window/User.h"

namespace {

template <typename Apply>
void Walk(TControl* Control, const Apply& apply)
{
    if (Control == nullptr)
        return;
    apply(Control);
    auto* win = dynamic_cast<TWinControl*>(Control);
    if (win == nullptr)
        return;
    for (int i = 0; i < win->ControlCount(); ++i) {
        TControl* child = win->Controls(i);
        if (dynamic_cast<TWinControl*>(child) != nullptr)
            Walk(child, apply);
        else
            apply(child);
    }
}

TskSkinChangeable* Target(TskSkinData* SkinData, TControl* Control)
{
    auto* target = dynamic_cast<TskSkinChangeable*>(Control);
    if (target == nullptr)
        return nullptr;
    if (SkinData != nullptr && target->GetSkinData() != SkinData)
        return nullptr;
    return target;
}

} // namespace

void NotifyBeforeSkinChange(TskSkinData* SkinData, TControl* Control)
{
    Walk(Control, [SkinData](TControl* c) {
        if (TskSkinChangeable* t = Target(SkinData, c))
            t->BeforeChangeSkinData();
    });
}

void NotifySkinChange(TskSkinData* SkinData, TControl* Control)
{
    Walk(Control, [SkinData](TControl* c) {
        if (TskSkinChangeable* t = Target(SkinData, c))
            t->ChangeSkinData();
    });
}

bool DropDownWantsKey(unsigned Key, bool ListOpen)
{
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return true;
    case VK_RETURN:
    case VK_ESCAPE: return ListOpen;
    default: return false;
    }
}
