// The windowless bases: opaque, no region, no background notification.

#include "skin/form/skSkinCtrls.h"

TskGraphicSkinControl::TskGraphicSkinControl(TComponent* AOwner) : TskSkinBoundControl(AOwner)
{
    // Paints its whole rectangle, so the parent leaves it out.
    FControlStyle << csOpaque;
}

void TskGraphicSkinControl::Dispatch(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    FireMouseEvent(Message.Msg);
}

void TskGraphicSkinCustomControl::LookupSkinData()
{
    TskSkinSizedControl::LookupSkinData();
    MaskPicture = nullptr;  // a windowless control has no region
}
