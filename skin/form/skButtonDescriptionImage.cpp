#include "skin/form/skButtonDescriptionImage.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

RECT ButtonFaceRect(const TskDataSkinButtonControl& D, TskButtonFace Face)
{
    const RECT hot = RectHasNoArea(D.ActiveSkinRect) ? D.SkinRect : D.ActiveSkinRect;
    const RECT down = RectHasNoArea(D.DownSkinRect) ? hot : D.DownSkinRect;
    return Face == TskButtonFace::Down ? down : Face == TskButtonFace::Hot ? hot : D.SkinRect;
}

void ComposeButtonFace(const TskDataSkinButtonControl& D, TBitmap* Picture, const RECT& S, bool Tool, TBitmap* Out,
                       int W, int H)
{
    Out->SetSize(W, H);
    if (Picture == nullptr || W <= 0 || H <= 0)
        return;
    if (Tool) {
        ComposeNineSliceFromClientRect(Out, Picture, S, D.ClRect, true);
        return;
    }
    const int dw = W - WidthOfRect(D.SkinRect), dh = H - HeightOfRect(D.SkinRect);
    ComposeNineSliceImage(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint,
                          POINT{D.RTPoint.x + dw, D.RTPoint.y}, POINT{D.LBPoint.x, D.LBPoint.y + dh},
                          POINT{D.RBPoint.x + dw, D.RBPoint.y + dh},
                          RECT{D.ClRect.left, D.ClRect.top, D.ClRect.right + dw, D.ClRect.bottom + dh}, Out, Picture, S,
                          W, H, true, D.LeftStretch, D.TopStretch, D.RightStretch, D.BottomStretch, D.StretchEffect,
                          D.StretchType);
}
