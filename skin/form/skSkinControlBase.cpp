// The two layers the windowed and windowless bases share: the skin binding (lookup, buffered
// painting, skin-change steps) and the sized control (geometry, size rule, default size and font).

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"

template <class Base>
TskSkinBoundControl<Base>::TskSkinBoundControl(TComponent* AOwner) : Base(AOwner)
{
}

template <class Base>
void TskSkinBoundControl<Base>::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value == nullptr)
        return;
    Value->FreeNotification(this);
    if (!Value->Empty && !this->ComponentState().Contains(csDesigning))
        ChangeSkinData();
}

template <class Base>
void TskSkinBoundControl<Base>::Notification(TComponent* AComponent, TOperation Operation)
{
    Base::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

template <class Base>
void TskSkinBoundControl<Base>::LookupSkinData()
{
    FIndex = FindDescription();
}

template <class Base>
void TskSkinBoundControl<Base>::ChangeSkinData()
{
    LookupSkinData();
    this->Invalidate();
}

template <class Base>
void TskSkinBoundControl<Base>::Paint()
{
    if (this->FWidth <= 0 || this->FHeight <= 0)
        return;
    LookupSkinData();
    PaintBuffered();
}

template <class Base>
void TskSkinBoundControl<Base>::PaintBuffered()
{
    TBitmap b;
    b.SetSize(this->FWidth, this->FHeight);
    if (FIndex == -1)
        CreateControlDefaultImage(&b);
    else
        CreateControlSkinImage(&b);
    this->Canvas()->Draw(0, 0, &b);
}

template <class Base>
void TskSkinBoundControl<Base>::FireMouseEvent(UINT Msg)
{
    if (Msg != CM_MOUSEENTER && Msg != CM_MOUSELEAVE)
        return;
    const TNotifyEvent event = Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
    if (event && !this->ComponentState().Contains(csDesigning))
        event(this);
}

template class TskSkinBoundControl<TCustomControl>;
template class TskSkinBoundControl<TGraphicControl>;

// ---------------------------------------------------------------------------------------------

template <class Base>
TskSkinSizedControl<Base>::TskSkinSizedControl(TComponent* AOwner) : Base(AOwner)
{
    FDefaultFont = std::make_unique<TFont>();
    FDefaultFont->OnChange = [this](TObject*) { HandleDefaultFontChange(); };
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetStyle({});
    FDefaultFont->SetHeight(14);
}

template <class Base>
TskSkinSizedControl<Base>::~TskSkinSizedControl() = default;

template <class Base>
void TskSkinSizedControl<Base>::SetDefaultWidth(int Value)
{
    FDefaultWidth = Value;
    if (this->FIndex == -1 && Value > 0)
        this->SetWidth(Value);
}

template <class Base>
void TskSkinSizedControl<Base>::SetDefaultHeight(int Value)
{
    FDefaultHeight = Value;
    if (this->FIndex == -1 && Value > 0)
        this->SetHeight(Value);
}

template <class Base>
void TskSkinSizedControl<Base>::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
    DefaultFontChanged();
}

template <class Base>
void TskSkinSizedControl<Base>::HandleDefaultFontChange()
{
    DefaultFontChanged();
    if (this->FIndex == -1)
        this->Invalidate();
}

template <class Base>
void TskSkinSizedControl<Base>::LookupSkinData()
{
    Base::LookupSkinData();
    if (this->FIndex != -1)
        this->ReadGeometry(this->FSD, this->FIndex);
}

template <class Base>
void TskSkinSizedControl<Base>::FitBoundsToSkin(int& W, int& H)
{
    this->FitGeometry(W, H, this->FIndex == -1);
}

template <class Base>
void TskSkinSizedControl<Base>::ChangeSkinData()
{
    LookupSkinData();
    const int oldW = this->FWidth, oldH = this->FHeight;
    if (this->FIndex == -1) {
        if (FDefaultWidth > 0)
            this->SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0)
            this->SetHeight(FDefaultHeight);
    } else {
        int w = this->FWidth, h = this->FHeight;
        FitBoundsToSkin(w, h);
        if (w != this->FWidth)
            this->SetWidth(w);
        if (h != this->FHeight)
            this->SetHeight(h);
    }
    if ((oldW == this->FWidth && oldH == this->FHeight) || this->FIndex == -1)
        SkinChangeKeptSize();
}

template <class Base>
void TskSkinSizedControl<Base>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    LookupSkinData();
    const bool changed = (AWidth != this->FWidth || AHeight != this->FHeight) && this->FIndex != -1;
    if (changed) {
        FitBoundsToSkin(AWidth, AHeight);
        if (this->ResizeMode == 0)
            this->NewClRect = this->ClRect;
    }
    ATop = CentredTopOnHost(this, ATop, AHeight);
    Base::SetBounds(ALeft, ATop, AWidth, AHeight);
    BoundsApplied(changed);
}

template <class Base>
void TskSkinSizedControl<Base>::CreateControlDefaultImage(TBitmap* B)
{
    B->Canvas()->Brush()->SetColor(clBtnFace);
    B->Canvas()->FillRect(this->GetClientRect());
}

template <class Base>
void TskSkinSizedControl<Base>::CreateControlSkinImage(TBitmap* B)
{
    ComposeControlImage(B, this->Picture, this->SkinRect);
}

template <class Base>
void TskSkinSizedControl<Base>::ComposeControlImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect)
{
    this->ComposeImage(B, APicture, ASkinRect, this->FWidth, this->FHeight, true);
}

template class TskSkinSizedControl<TskSkinControl>;
template class TskSkinSizedControl<TskGraphicSkinControl>;
