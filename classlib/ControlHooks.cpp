#include "classlib/ControlHooks.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Controls.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"

#include <algorithm>
#include <vector>

namespace {

TControl* g_captureControl = nullptr;  // the windowless control its parent captured the mouse for
TControl* g_mouseControl = nullptr;
std::vector<TControlCanvas*> g_canvases;

} // namespace

namespace ControlHooks {

void ControlDestroyed(TControl* Control)
{
    if (g_captureControl == Control) {
        g_captureControl = nullptr;
        ReleaseCapture();
    }
    if (g_mouseControl == Control)
        g_mouseControl = nullptr;
    if (Application)
        Application->ControlDestroyed(Control);
}

void ControlMoved(TControl* Control)
{
    (void)Control;
    FreeDeviceContexts();
}

void HintMouseMessage(TControl* Control, TMessage& Message)
{
    if (Application)
        Application->HintMouseMessage(Control, Message);
}

void SetMouseControl(TControl* Control)
{
    if (Control == g_mouseControl)
        return;
    TControl* old = g_mouseControl;
    g_mouseControl = Control;
    // While a control holds the mouse only it hears of the pointer leaving and coming back.
    TControl* capture = GetCaptureControl();
    if (old && (!capture || old == capture))
        old->Perform(CM_MOUSELEAVE, 0, 0);
    // The leave handler may have moved on to another control or freed this one.
    if (Control && g_mouseControl == Control && (!capture || Control == capture))
        Control->Perform(CM_MOUSEENTER, 0, 0);
}

TControl* MouseControl()
{
    return g_mouseControl;
}

void CanvasTookContext(TControlCanvas* Canvas)
{
    g_canvases.push_back(Canvas);
}

void CanvasGaveContextBack(TControlCanvas* Canvas)
{
    g_canvases.erase(std::remove(g_canvases.begin(), g_canvases.end(), Canvas), g_canvases.end());
}

void FreeDeviceContexts()
{
    std::vector<TControlCanvas*> canvases = g_canvases;
    for (TControlCanvas* c : canvases)
        c->FreeHandle();
}

void HandleException(TObject* Sender)
{
    if (Application)
        Application->HandleException(Sender);
}

} // namespace ControlHooks

TCustomForm* GetParentForm(TControl* Control)
{
    if (!Control)
        return nullptr;
    while (Control->GetParent())
        Control = Control->GetParent();
    return dynamic_cast<TCustomForm*>(Control);
}

TControl* GetCaptureControl()
{
    TWinControl* win = TWinControl::FindControl(GetCapture());
    if (win && g_captureControl && g_captureControl->GetParent() == win)
        return g_captureControl;
    return win;
}

void SetCaptureControl(TControl* Control)
{
    g_captureControl = nullptr;
    ReleaseCapture();
    if (!Control)
        return;
    auto* win = dynamic_cast<TWinControl*>(Control);
    if (!win) {
        if (!Control->GetParent())
            return;
        g_captureControl = Control;
        win = Control->GetParent();
    }
    SetCapture(win->GetHandle());
}

void SendCancelMode(TControl* Sender)
{
    // Every form around the sender tells its focused control that the mouse goes elsewhere.
    std::vector<TCustomForm*> forms;
    for (TControl* c = Sender; c; c = c->GetParent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            forms.push_back(form);
    if (!Sender && Screen && Screen->ActiveCustomForm())
        forms.push_back(Screen->ActiveCustomForm());
    for (TCustomForm* form : forms)
        if (form->GetActive() && form->GetActiveControl())
            form->GetActiveControl()->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}
