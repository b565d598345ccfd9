#include "classlib/Memo.h"

#include "classlib/Canvas.h"
#include "classlib/Frame3D.h"
#include "platform/win/Rect.h"

TMemo::TMemo(TComponent* AOwner) : TCustomControl(AOwner), FLines(std::make_unique<TStringList>())
{
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    FLines->OnChange = [this](TObject*) { Invalidate(); };
}

TMemo::~TMemo() = default;

void TMemo::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    c->Brush()->SetColor(GetColor());
    c->FillRect(r);
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
    InflateRect(&r, -1, -1);
    c->Font()->Assign(Font());
    const int line = c->TextHeight("Wg");
    if (line <= 0)
        return;
    // The newest lines stay in view.
    const int rows = (r.bottom - r.top) / line;
    const int first = FLines->Count() > rows ? FLines->Count() - rows : 0;
    for (int i = first; i < FLines->Count(); ++i)
        c->TextRect(r, r.left, r.top + (i - first) * line, FLines->Strings(i));
}
