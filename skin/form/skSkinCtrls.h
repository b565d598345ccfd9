#pragma once
// The skinned controls: the windowed and windowless bases every skinned control builds on, and
// the buttons, panels, check and radio boxes, labels, bevel and splitter.
//
// A skinned control names a description of its skin (SkinDataName) in a skin data component
// (SkinData). It looks the description up again on every paint, every size change and every
// skin change (no cache: descriptions are freed with the skin), copies its fields and paints
// from the skin's numbered pictures; without a description it paints a plain default look.

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinValues.h"
#include "skin/form/skSkinChange.h"

#include <memory>
#include <string>

class TBitmap;

// A parent that centres its skinned children vertically in its skin client area while
// AdjustControls is on (the skinned tool bar).
class TskControlCentringHost {
public:
    virtual ~TskControlCentringHost() = default;
    virtual bool GetAdjustControls() const = 0;
    virtual RECT GetSkinClientRect() = 0;
};
// The top that centres a control of height AHeight on a centring host with AdjustControls on;
// ATop unchanged on any other parent.
int CentredTopOnHost(TControl* Control, int ATop, int AHeight);

// What a skinned control reads from its description: the nine-slice geometry, its picture and
// the resize rule, and the same geometry moved to the control's current size (the New* fields).
struct TskSkinGeometry {
    POINT LTPt{}, RTPt{}, LBPt{}, RBPt{};
    RECT SkinRect{};
    RECT ClRect{};
    POINT NewLTPoint{}, NewRTPoint{}, NewLBPoint{}, NewRBPoint{};
    RECT NewClRect{};
    TBitmap* Picture = nullptr;
    TBitmap* MaskPicture = nullptr;
    // -1 no skin rectangle, 0 fixed size, 1 any size, 2 any width, 3 any height.
    int ResizeMode = 0;
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;

    // Copies the geometry of the description at Index (Index >= 0). A description of another
    // class than TskDataSkinCustomControl gives mode 0 without pictures and keeps the rest.
    void ReadGeometry(TskSkinData* SkinData, int Index);
    int CalcResizeMode() const;
    // The size rule by ResizeMode for a wanted size; moves the New* fields to it. With
    // NoDescription only modes 1..3 apply.
    void FitGeometry(int& W, int& H, bool NoDescription);
    // ASrc (skin-rectangle coordinates) mapped to a control of W x H.
    RECT MapRect(const RECT& ASrc, int W, int H) const;
    // Rectangle ASkinRect of APicture composed at W x H by the resize rule. NineSlice false
    // leaves mode 1 to the caller (forced-background painting).
    void ComposeImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect, int W, int H, bool NineSlice) const;
    int RealClientWidth() const { return NewClRect.right - NewClRect.left; }
    int RealClientHeight() const { return NewClRect.bottom - NewClRect.top; }
};

// The skin numbered picture Index of SkinData, or nullptr for an index outside its list.
TBitmap* SkinPicture(TskSkinData* SkinData, int Index);

// The font of a skinned look: the description's name, height and style when UseSkinFont, else a
// copy of DefaultFont; the character set of the skin's string store when it has one, else
// DefaultFont's. The colour is left to the caller.
void AssignSkinFont(TFont* Target, TFont* DefaultFont, bool UseSkinFont, TskSkinData* SkinData,
                    const std::string& Name, int Height, TFontStyles Style);

// The binding of a control to its skin description, shared by the windowed and windowless bases.
class TskSkinBinding {
public:
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    const std::string& GetHintTitle() const { return FHintTitle; }
    void SetHintTitle(const std::string& Value) { FHintTitle = Value; }
    int GetHintImageIndex() const { return FHintImageIndex; }
    void SetHintImageIndex(int Value) { FHintImageIndex = Value; }
    TCustomImageList* GetHintImageList() const { return FHintImageList; }
    void SetHintImageList(TCustomImageList* Value) { FHintImageList = Value; }
    // The position of the description in the skin's control list; -1 = none (default look).
    int GetIndex() const { return FIndex; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // The description's position for the current skin data and name.
    int FindDescription() const;
    // The description at FIndex as class T, or nullptr (no description, or another class).
    template <class T>
    T* Description() const
    {
        return FIndex < 0 ? nullptr : dynamic_cast<T*>(FSD->CtrlList[static_cast<std::size_t>(FIndex)].get());
    }
    bool SkinEffectsOn() const { return FSD != nullptr && !FSD->Empty && FSD->EnableSkinEffects(); }

    TskSkinData* FSD = nullptr;
    std::string FSkinDataName;
    std::string FHintTitle;
    int FHintImageIndex = 0;
    TCustomImageList* FHintImageList = nullptr;
    int FIndex = -1;
};

// The skin binding on a class-library control (Base: TCustomControl or TGraphicControl): skin
// data, lookup, buffered painting through a default-image and a skin-image builder, and the
// steps the skin-change walks call. Use it through TskSkinControl and TskGraphicSkinControl.
template <class Base>
class TskSkinBoundControl : public Base, public TskSkinChangeable, public TskSkinBinding {
public:
    explicit TskSkinBoundControl(TComponent* AOwner);

    TskSkinData* GetSkinData() const override { return FSD; }
    // Applies a non-empty skin data at once (outside design time).
    virtual void SetSkinData(TskSkinData* Value);
    // Stores the name only; the next lookup uses it.
    virtual void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }

    // Looks the description up (FIndex) and copies its fields.
    virtual void LookupSkinData();
    // Forgets the description before the skin data changes.
    void BeforeChangeSkinData() override { FIndex = -1; }
    // Re-reads the description and repaints.
    void ChangeSkinData() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    virtual void CreateControlDefaultImage(TBitmap* /*B*/) {}
    virtual void CreateControlSkinImage(TBitmap* /*B*/) {}
    // The off-screen image of the control's size with the default or skinned look, drawn at 0, 0.
    void PaintBuffered();
    // OnMouseEnter / OnMouseLeave for CM_MOUSEENTER / CM_MOUSELEAVE, after the inherited handling.
    void FireMouseEvent(UINT Msg);
};

// The nine-slice geometry, the resize rule and the default size and font on a bound control.
// Use it through TskSkinCustomControl and TskGraphicSkinCustomControl.
template <class Base>
class TskSkinSizedControl : public Base, public TskSkinGeometry {
public:
    explicit TskSkinSizedControl(TComponent* AOwner);
    ~TskSkinSizedControl() override;

    // Fits the wanted size to the skin; the top is centred on a centring host.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void LookupSkinData() override;
    // Looks up, takes the skin's (or the default) size and repaints.
    void ChangeSkinData() override;

    int GetDefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value);
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    RECT RealClientRect() const { return this->NewClRect; }
    int RealClientLeft() const { return this->NewClRect.left; }
    int RealClientTop() const { return this->NewClRect.top; }

    // Builds the control image from ASkinRect of APicture with the control's geometry.
    virtual void ComposeControlImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect);
    RECT MapSkinRectToSize(const RECT& ASrc) const { return this->MapRect(ASrc, this->FWidth, this->FHeight); }

protected:
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    virtual void DefaultFontChanged() {}
    // Corrects a wanted size by the resize rule and moves the New* geometry to it.
    virtual void FitBoundsToSkin(int& W, int& H);
    // After a skin change that kept the size or found no description (windowed: the region).
    virtual void SkinChangeKeptSize() { this->Invalidate(); }
    // After the class library placed the control; Changed: the size changed under a description.
    virtual void BoundsApplied(bool Changed)
    {
        if (Changed)
            this->Invalidate();
    }

    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;

private:
    void HandleDefaultFontChange();
};

// ---------------------------------------------------------------------------------------------
// The windowed base.
class TskSkinControl : public TskSkinBoundControl<TCustomControl> {
public:
    using TskSkinBoundControl::TskSkinBoundControl;

    virtual void AfterChangeSkinData() {}
    // The background behind the control changed (SKM_PARENTBGCHANGED).
    virtual void CheckParentBackground() {}

    void Dispatch(TMessage& Message) override;
    // True while a WM_PAINT is handled.
    bool FromWMPaint = false;

protected:
    HRGN FRgn = nullptr;
};

// The windowed base with the nine-slice geometry, the resize rule, the mask region, the
// forced-background painting and the default size and font.
class TskSkinCustomControl : public TskSkinSizedControl<TskSkinControl> {
public:
    using TskSkinSizedControl::TskSkinSizedControl;

    bool GetForcebackGround() const { return FForceBackground; }
    void SetForcebackGround(bool Value) { FForceBackground = Value; }
    bool GetDrawbackGround() const { return FDrawbackground; }
    void SetDrawbackGround(bool Value) { FDrawbackground = Value; }

    void ComposeControlImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect) override;
    // Sends SKM_PARENTBGCHANGED to every child control.
    void NotifyChildrenBGChanged();
    // The window region in force (owned by the window), or nullptr.
    HRGN Region() const { return FRgn; }

protected:
    void Paint() override;
    // Sets the window region cut from the mask picture, or removes it.
    virtual void ApplyMaskRegion();
    void SkinChangeKeptSize() override;
    void BoundsApplied(bool Changed) override;

    bool FForceBackground = false;
    bool FDrawbackground = true;

private:
    void SetControlRegion();
    void PaintForcedBackground();
};

// ---------------------------------------------------------------------------------------------
// The windowless base: opaque, no region, no background notification.
class TskGraphicSkinControl : public TskSkinBoundControl<TGraphicControl> {
public:
    explicit TskGraphicSkinControl(TComponent* AOwner);
    void Dispatch(TMessage& Message) override;
};

class TskGraphicSkinCustomControl : public TskSkinSizedControl<TskGraphicSkinControl> {
public:
    using TskSkinSizedControl::TskSkinSizedControl;
    void LookupSkinData() override;
};

extern template class TskSkinBoundControl<TCustomControl>;
extern template class TskSkinBoundControl<TGraphicControl>;
extern template class TskSkinSizedControl<TskSkinControl>;
extern template class TskSkinSizedControl<TskGraphicSkinControl>;
