#include "skin/core/skParentBackground.h"

#include "classlib/Canvas.h"
#include "classlib/Controls.h"
#include "classlib/Forms.h"
#include "platform/gdi/Dc.h"
#include "platform/win/Rect.h"
#include "platform/window/Messages.h"

namespace {

// Lets the parent paint its window content into a context of ours, as its own painting does.
struct WindowPainter : TWinControl {
    static void Paint(TWinControl* Control, HDC DC) { (Control->*(&WindowPainter::PaintWindow))(DC); }
};

void SetPaintCopy(TControl* Control, bool On)
{
    TControlState state = Control->ControlState();
    if (On)
        state.Include(csPaintCopy);
    else
        state.Exclude(csPaintCopy);
    Control->SetControlState(state);
}

void PaintParentUnder(TControl* Control, int dx, int dy, TCanvas* Canvas)
{
    TWinControl* parent = Control ? Control->GetParent() : nullptr;
    if (!parent)
        return;
    SetPaintCopy(parent, true);
    HDC dc = Canvas->GetHandle();
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -Control->GetLeft() - dx, -Control->GetTop() - dy, nullptr);
    const RECT client = parent->GetClientRect();
    IntersectClipRect(dc, 0, 0, RectWidth(client), RectHeight(client));
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (!dynamic_cast<TCustomForm*>(parent))
        WindowPainter::Paint(parent, dc);
    RestoreDC(dc, saved);

    const RECT bounds = Control->GetBoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == Control)
            break;
        RECT childBounds = child->GetBoundsRect(), meet;
        if (dynamic_cast<TWinControl*>(child) || !child->GetVisible() || !IntersectRect(&meet, &childBounds, &bounds))
            continue;
        SetPaintCopy(child, true);
        const int childSaved = SaveDC(dc);
        OffsetViewportOrgEx(dc, child->GetLeft() - Control->GetLeft() - dx, child->GetTop() - Control->GetTop() - dy,
                            nullptr);
        IntersectClipRect(dc, 0, 0, child->GetWidth(), child->GetHeight());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, childSaved);
        SetPaintCopy(child, false);
    }
    SetPaintCopy(parent, false);
}

} // namespace

void PaintParentUnderControl(TControl* Control, TCanvas* Canvas) { PaintParentUnder(Control, 0, 0, Canvas); }

void PaintParentUnderControlRect(TControl* Control, const RECT& Rect, TCanvas* Canvas)
{
    PaintParentUnder(Control, Rect.left, Rect.top, Canvas);
}
