#include "skin/form/skSkinTabs.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinMessages.h"

TskSkinCustomTabSheet::TskSkinCustomTabSheet(TComponent* AOwner)
    : TTabSheet(AOwner), FWallPaper(std::make_unique<TBitmap>())
{
    // Every tab gets the room the page control reserves for an image and a close button.
    SetImageIndex(0);
}

TskSkinCustomTabSheet::~TskSkinCustomTabSheet() = default;

TskSkinPageControl* TskSkinCustomTabSheet::SkinPageControl() const
{
    return dynamic_cast<TskSkinPageControl*>(GetPageControl());
}

void TskSkinCustomTabSheet::SetWallPaper(TBitmap* Value)
{
    FWallPaper->Assign(Value);
    Invalidate();
}

void TskSkinCustomTabSheet::CreateParams(TCreateParams& Params)
{
    TTabSheet::CreateParams(Params);
    Params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskSkinCustomTabSheet::PaintBG(HDC DC)
{
    TskSkinPageControl* pc = SkinPageControl();
    if (GetWidth() <= 0 || GetHeight() <= 0 || pc == nullptr)
        return;
    pc->GetSkinData();
    TCanvas canvas;
    canvas.SetHandle(DC);
    const int w = GetWidth(), h = GetHeight();
    TskSkinData* data = pc->FSD;
    if (!FWallPaper->Empty()) {
        pc->FillBackground(&canvas, FWallPaper.get(), w, h, false);
    } else if (data && !data->Empty && pc->HasDescription() && pc->FTab.BGPictureIndex != -1) {
        if (TBitmap* bg = data->GetActivePicture(pc->FTab.BGPictureIndex))
            pc->FillBackground(&canvas, bg, w, h, true);
    } else if (!pc->HasDescription() || pc->Picture == nullptr) {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(RECT{0, 0, w, h});
    } else {
        TBitmap client;
        pc->ClientImage(&client);
        if (pc->FTab.StretchEffect) {
            // Scaled to the page control's size; the sheet shows its part of it.
            const POINT at = pc->ScreenToClient(ClientToScreen(POINT{0, 0}));
            POINT origin{};
            GetViewportOrgEx(DC, &origin);
            SetViewportOrgEx(DC, origin.x - at.x, origin.y - at.y, nullptr);
            pc->FillBackground(&canvas, &client, pc->GetWidth(), pc->GetHeight(), true);
            SetViewportOrgEx(DC, origin.x, origin.y, nullptr);
        } else {
            pc->FillBackground(&canvas, &client, w, h, false);
        }
    }
    canvas.SetHandle(nullptr);
}

void TskSkinCustomTabSheet::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        PaintBG(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case WM_SIZE: {
        TTabSheet::Dispatch(Message);
        Invalidate();
        TskSkinPageControl* pc = SkinPageControl();
        if (pc && pc->FSD && !pc->FSD->Empty && pc->HasDescription() && pc->FTab.StretchEffect)
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated())
                    SendMessage(child->GetHandle(), SKM_PARENTBGCHANGED, 0, 0);
        return;
    }
    case SKM_PAINTBORDERTO:
        Message.Result = SKM_BORDERPAINTED;
        return;
    default: break;
    }
    TTabSheet::Dispatch(Message);
}
