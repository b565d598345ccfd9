#pragma once
// The skinned controls: the windowed and windowless bases every skinned control builds on, and
// the buttons, panels, check and radio boxes, labels, bevel and splitter.
//
// A skinned control names a description of its skin (SkinDataName) in a skin data component
// (SkinData). It looks the description up again on every paint, every size change and every
// skin change (no cache: descriptions are freed with the skin), copies its fields and paints
// from the skin's numbered pictures; without a description it paints a plain default look.

#include "classlib/ActnList.h"
#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/Strings.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skButtonFace.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinValues.h"
#include "skin/form/skSkinChange.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TskSkinImagesMenu;
class TskSkinPopupMenu;

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

// A parent that lends its image lists to the speed buttons on it that have no glyph (the skinned
// tool bar): the buttons show their ImageIndex from these lists.
class TskButtonImagesHost {
public:
    virtual ~TskButtonImagesHost() = default;
    virtual TCustomImageList* GetImages() const = 0;
    virtual TCustomImageList* GetHotImages() const = 0;
    virtual TCustomImageList* GetDisabledImages() const = 0;
};

// A press on a focusable control without the focus first moves the focus there (ClicksDisabled
// set meanwhile); false when the focus did not come, so the press is dropped.
bool TakeFocusOnPress(TWinControl* Control, bool& ClicksDisabled);

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

// ---------------------------------------------------------------------------------------------
// Buttons.

using TskButtonPaintEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, RECT R, bool ADown, bool AMouseIn, bool& DrawDefault)>;

// A class-library timer that exists only while it runs (stopping frees it; a tick may stop it).
class TskTimerSlot {
public:
    TskTimerSlot() = default;
    TskTimerSlot(const TskTimerSlot&) = delete;
    TskTimerSlot& operator=(const TskTimerSlot&) = delete;
    ~TskTimerSlot() { Stop(); }
    // Replaces a running timer.
    void Start(UINT Interval, std::function<void()> OnTick);
    void SetInterval(UINT Interval);
    void Stop();
    bool Running() const { return FTimer != nullptr; }

private:
    TTimer* FTimer = nullptr;
};

// The hover transition of buttons and boxes: a factor between the normal (0) and the active (1)
// image kept in exact fifths, stepped by a 20 ms timer that exists only while it runs.
class TskMorphing {
public:
    double MorphKf() const { return FMorphSteps / 5.0; }
    bool MorphRunning() const { return FMorphTimer.Running(); }

protected:
    // Starts the timer unless it runs; Tick is called every 20 ms.
    void StartMorphTimer(std::function<void()> Tick);
    // One tick towards Target; returns whether to repaint. Active false (no description or
    // transitions not allowed) jumps to the end without a repaint.
    bool MorphTick(bool Target, bool Active);
    void StopMorph() { FMorphTimer.Stop(); }
    void SetMorphDone(bool Active) { FMorphSteps = Active ? 5 : 0; }
    bool MorphBetween() const { return FMorphSteps > 0 && FMorphSteps < 5; }
    // The normal image morphed towards the active one by the current factor, drawn at 0, 0.
    void DrawMorphed(HDC DC, TBitmap* Normal, TBitmap* Active) const;

    int FMorphSteps = 0;
    TskTimerSlot FMorphTimer;
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
};

// What the push button and the speed button share: their state, their skin fields, the glyph
// and image-list face, and the morph, frame-animation and repeat timers.
class TskButtonParts : public TActionClient, public TskMorphing {
public:
    TskButtonParts();
    ~TskButtonParts() override;

    void SetGlyph(TBitmap* Value);
    void SetNumGlyphs(int Value);
    // -2 and below are ignored.
    void SetMargin(int Value);
    void SetSpacing(int Value);
    void SetLayout(TskButtonLayout Value);
    void SetImageList(TCustomImageList* Value);
    // Links the action; its image becomes the glyph while the glyph is empty.
    void SetAction(TCustomAction* Value);
    void ActionChange(TCustomAction* Sender) override;

    bool GetDown() const { return FDown; }
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    int GetGroupIndex() const { return FGroupIndex; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    int GetNumGlyphs() const { return FNumGlyphs; }
    int GetMargin() const { return FMargin; }
    int GetSpacing() const { return FSpacing; }
    TskButtonLayout GetLayout() const { return FLayout; }
    TCustomImageList* GetImageList() const { return FImageList; }
    int GetImageIndex() const { return FImageIndex; }
    bool GetRepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool Value) { FRepeatMode = Value; }
    int GetRepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    bool GetUseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    TCustomAction* GetAction() const { return FAction; }
    bool MouseIn() const { return FMouseIn; }
    bool RepeatRunning() const { return FRepeatTimer.Running(); }
    int CurrentFrame() const { return FCurrentFrame; }

    TNotifyEvent OnClick;
    TskButtonPaintEvent OnPaint;

    virtual void SetDown(bool Value) = 0;
    virtual void ButtonClick() = 0;

protected:
    // Skin effects and the description's morphing are on.
    virtual bool MorphingOn() const = 0;
    // The look the morph runs towards: active (true) or normal.
    virtual bool MorphTarget() = 0;
    virtual bool DescriptionInUse() const = 0;
    // Morphs towards the target when morphing applies, else repaints.
    void MorphOrRepaint();
    void StartMorph();
    // Stores the down state and moves the morph with it (the Down setters; the group follows).
    void ApplyDown(bool Value);
    virtual void ButtonRepaint() = 0;
    virtual TComponent* ButtonComponent() = 0;
    // The image of a state: R of the skin picture at the control's size, with the face.
    virtual void CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn) = 0;
    // The background of a state image into B (of the control's size) by the size rule; returns
    // the rectangle the face goes in.
    RECT ComposeButtonBackground(TskSkinGeometry& G, TBitmap* B, const RECT& R);
    // The state image R drawn at 0, 0 on Canvas.
    void PaintButtonImage(TCanvas* Canvas, int W, int H, const RECT& R, bool ADown, bool AMouseIn);
    // Normal and active images morphed by the current factor, drawn at 0, 0 on Canvas.
    void PaintMorphedImages(TCanvas* Canvas, int W, int H, const RECT& Normal, const RECT& Active);
    // The left button pressed and released on the button (Over: released over it). The
    // caller checks afterwards whether the button survived its click.
    void PressLeft();
    void ReleaseLeft(bool Over);
    // Forgets the image list and the action when they are freed.
    void ButtonNotification(TComponent* AComponent, TOperation Operation);
    // The click: OnClick when there is no linked action or both are set, else the action.
    void FireClick(TObject* Sender, bool Designing);
    // The default look's background: a pressed, hovered or plain frame and fill.
    static void DrawDefaultBack(TCanvas* Canvas, const RECT& R, bool DownLook, bool Hot, bool Framed);
    // Copies the state rectangles, fonts, colours and effects of a button description.
    void ReadButtonDescription(const TskDataSkinButtonControl& D);
    // Glyph number of the strip for the look (1 normal, 2 disabled, 3 down, 4 hot).
    int GlyphNumber(bool ADown, bool AMouseIn, bool Enabled) const;
    // The image-list face when ImageList holds ImageIndex (pressed: ListPressed), else the glyph
    // face (pressed: GlyphPressed).
    void DrawFace(TCanvas* Canvas, const RECT& R, const std::string& Caption, bool ListPressed, bool GlyphPressed,
                  bool Enabled, int GlyphNo) const;
    // The caption colour of a skinned look.
    TColor SkinFontColor(bool Enabled, bool ADown, bool AMouseIn, TFont* DefaultFont) const;
    // Frame n of the animation strip replaces the active (forwards) or normal (backwards) image.
    void ApplyAnimationFrame(RECT& NormalRect, RECT& ActiveRect) const;
    // The repeat delay: 500 ms, then Click every RepeatInterval (none when the interval is 0 or
    // below).
    void StartRepeat(std::function<void()> Click);
    void StopRepeat() { FRepeatTimer.Stop(); }
    // Frame animation: started only when possible (Possible) with a positive interval.
    void StartAnimation(bool Forwards, bool Possible, std::function<void()> Repaint);
    void StopAnimation();
    bool AnimationRunning() const { return FAnimateTimer.Running(); }
    // The action's image into an empty glyph.
    void TakeActionImage();

    bool FDown = false;
    bool FMouseIn = false;
    bool FMouseDown = false;
    bool FAllowAllUp = false;
    bool FAllowAllUpCheck = false;
    int FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 1;
    TskButtonLayout FLayout = blGlyphLeft;
    TCustomImageList* FImageList = nullptr;
    int FImageIndex = -1;
    bool FRepeatMode = false;
    int FRepeatInterval = 100;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    TCustomAction* FAction = nullptr;
    TskTimerSlot FRepeatTimer;
    bool FRepeatDelayed = false;
    TskTimerSlot FAnimateTimer;
    int FCurrentFrame = 0;
    bool FAnimateInc = true;

    // From the description.
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    RECT DescSkinRect{};
    RECT ActiveSkinRect{}, DownSkinRect{}, DisabledSkinRect{};
    RECT AnimateSkinRect{};
    int FrameCount = 0;
    int AnimateInterval = 25;
    RECT MenuMarkerFlatRect{}, MenuMarkerRect{}, MenuMarkerActiveRect{}, MenuMarkerDownRect{};
    TColor MenuMarkerTransparentColor = 0;
};

// The skinned push button.
class TskSkinButton : public TskSkinCustomControl, public TskButtonParts {
public:
    explicit TskSkinButton(TComponent* AOwner);
    ~TskSkinButton() override;
    // The button's own OnClick, fired by ButtonClick only.
    using TskButtonParts::OnClick;

    void SetDown(bool Value) override;
    void SetGroupIndex(int Value);
    void SetImageIndex(int Value);
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool Value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    bool GetAlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
    void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowGlowFrame = Value; }
    // The button answers Enter.
    bool Active() const { return FActive; }
    TskLayerManager* LayerManager() const { return FLayerManager.get(); }

    void RefreshButton();
    void ShowLayer();
    void HideLayer();
    void ButtonClick() override;

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateWnd() override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* /*B*/) override {}
    void FitBoundsToSkin(int& W, int& H) override;
    void CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ButtonRepaint() override { Invalidate(); }
    TComponent* ButtonComponent() override { return this; }
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

    bool MorphingOn() const override;
    bool MorphTarget() override { return FMouseIn || IsFocused(); }
    bool DescriptionInUse() const override { return FIndex != -1; }

private:
    bool IsFocused();
    bool AnimationPossible() const;
    void MouseEnter();
    void MouseLeave();
    void FocusChanged(TWinControl* Focused);
    // The glow picture and mask for the button's size; false when there is none.
    bool GlowImages(TBitmap& Image, TBitmap& Mask);
    bool GlowAllowed() const;

    bool FAlwaysShowGlowFrame = false;
    // Deleted, not freed: the manager's teardown would free its timer twice.
    std::unique_ptr<TskLayerManager> FLayerManager;
    bool FActive = false;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
    bool FClicksDisabled = false;
    bool FCanFocused = true;
    RECT FocusedSkinRect{};
    bool ShowFocus = false;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;
};

// Sets up every other button of Self's class on the same parent with the same non-zero group
// index that is down (Self was put down in a group without AllowAllUp).
template <class T>
void ReleaseGroupSiblings(T* Self)
{
    TWinControl* parent = Self->GetParent();
    if (parent == nullptr || Self->GetGroupIndex() == 0 || !Self->GetDown() || Self->GetAllowAllUp())
        return;
    std::vector<T*> others;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* b = dynamic_cast<T*>(parent->Controls(i)))
            if (b != Self && b->GetGroupIndex() == Self->GetGroupIndex() && b->GetDown())
                others.push_back(b);
    for (T* b : others)
        b->SetDown(false);
}

// The skinned tool button: windowless, never focused; transparent (Flat) buttons draw only their
// face over the parent while idle.
class TskSkinSpeedButton : public TskGraphicSkinCustomControl, public TskButtonParts {
public:
    explicit TskSkinSpeedButton(TComponent* AOwner);
    ~TskSkinSpeedButton() override;
    using TskButtonParts::OnClick;

    void SetDown(bool Value) override;
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    // Repaints only on a parent that lends its image lists.
    void SetImageIndex(int Value);
    bool GetTransparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    int GetWidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int Value) { FWidthWithCaption = Value; }
    int GetWidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int Value) { FWidthWithoutCaption = Value; }

    void RefreshButton();
    void ButtonClick() override;
    // The drop-down marker of the description, centred in R.
    void DrawMenuMarker(TCanvas* Canvas, const RECT& R, bool AActive, bool ADown, bool AFlat);

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* /*B*/) override {}
    void FitBoundsToSkin(int& W, int& H) override;
    void CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ButtonRepaint() override { Invalidate(); }
    TComponent* ButtonComponent() override { return this; }

    bool MorphingOn() const override;
    bool MorphTarget() override { return FMouseIn; }
    bool DescriptionInUse() const override { return FIndex != -1 && !GetTransparent(); }

    bool DownLook() const { return FDown && (FGroupIndex != 0 || FMouseIn); }
    std::string CaptionText() { return FShowCaption ? GetCaption() : std::string(); }
    // The face in R: the images menu's selected item, the tool-bar lists (Active: hot images may
    // be used), else the own list or the glyph.
    void DrawSpeedFace(TCanvas* Canvas, const RECT& R, const RECT& GlyphRect, bool ADown, bool AMouseIn,
                       bool Active, bool GlyphPressed);

    // An images menu whose selected item gives the face (set by the menu speed button).
    TskSkinImagesMenu* FSkinImagesMenu = nullptr;
    bool FUseImagesMenuImage = false;
    bool FUseImagesMenuCaption = false;

private:
    bool AnimationPossible() const;
    // Idle transparent look: only the face on the control's canvas.
    void PaintTransparentFace(const RECT& R, TColor Color);

    bool FFlat = false;
    bool FShowCaption = true;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
};

// ---------------------------------------------------------------------------------------------
// The skinned check box, or with Radio a radio button. Flat (the default) draws only the mark
// and the text over the parent's background and keeps its size; non-flat draws the whole skin
// image and fits its size to the skin. Boxes of one parent with the same non-zero GroupIndex
// exclude each other.
class TskSkinCheckRadioBox : public TskSkinCustomControl, public TskMorphing, public TActionClient {
public:
    explicit TskSkinCheckRadioBox(TComponent* AOwner);
    ~TskSkinCheckRadioBox() override;

    bool GetChecked() const { return FChecked; }
    // No test for a change: repaints, unchecks the checked group siblings and fires OnClick
    // (a radio box only when checked).
    void SetChecked(bool Value);
    TCheckBoxState GetState() const { return FState; }
    // Sets Checked to match without the group logic; fires OnClick.
    void SetState(TCheckBoxState Value);
    bool GetRadio() const { return FRadio; }
    void SetRadio(bool Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool GetAllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool GetUseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    TCustomAction* GetAction() const { return FAction; }
    void SetAction(TCustomAction* Value);
    bool MouseIn() const { return FMouseIn; }
    // The font name and height copied from the description (the defaults without one).
    const std::string& SkinFontName() const { return FontName; }
    int SkinFontHeight() const { return FontHeight; }

    // A check box toggles; a radio box only checks.
    virtual void ToggleCheck();
    // The box as it would look with Checked = AChecked, drawn onto C at X, Y.
    void PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked);

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void CheckParentBackground() override;
    void Dispatch(TMessage& Message) override;
    void ActionChange(TCustomAction* Sender) override;

    // The box's own OnClick.
    TNotifyEvent OnClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void FitBoundsToSkin(int& W, int& H) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

private:
    bool TransitionsAllowed() const;
    bool ActiveLook();
    void HoverChanged();
    void FireClick();
    // The mark image for the state (skinned), drawn with its automatic transparency at X, Y.
    void DrawSkinMark(TCanvas* C, int X, int Y, TCheckBoxState State, bool Enabled);
    void DrawDefaultMark(TCanvas* C, int H, TCheckBoxState State, bool Enabled);
    // The flat look (skinned or default) onto C.
    void DrawFlat(TCanvas* C, TCheckBoxState State, bool Focus);
    // The non-flat skin image for ASkinRect.
    void CreateSkinImage(TBitmap* B, const RECT& ASkinRect, bool Active, TCheckBoxState State);

    bool FUseSkinFontColor = true;
    bool FWordWrap = false;
    bool FAllowGrayed = false;
    TCheckBoxState FState = TCheckBoxState::cbUnchecked;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = 0;
    bool FFlat = true;
    bool FClicksDisabled = false;
    bool FCanFocused = true;
    bool FMouseIn = false;
    int FGroupIndex = 0;
    bool FChecked = false;
    bool FRadio = false;
    TCustomAction* FAction = nullptr;
    RECT CIRect{};
    RECT NewTextArea{};

    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0, ActiveFontColor = 0, FrameFontColor = 0, UnEnabledFontColor = 0;
    RECT ActiveSkinRect{}, CheckImageArea{}, TextArea{};
    RECT CheckImageRect{}, UnCheckImageRect{}, ActiveCheckImageRect{}, ActiveUnCheckImageRect{};
    RECT UnEnabledCheckImageRect{}, UnEnabledUnCheckImageRect{};
    RECT GrayedCheckImageRect{}, ActiveGrayedCheckImageRect{};
};

// ---------------------------------------------------------------------------------------------
// Labels, bevel and splitter: class-library controls that carry their skin binding themselves.

enum TskEllipsType { sketNone, sketEndEllips, sketPathEllips };

// The skin font and colour of a label: the "stdlabel" description's (UseSkinFont, UseSkinColor)
// or else DefaultFont / Font; and its text, drawn twice in the highlight and shadow colours when
// disabled. Shared by the two skinned labels.
class TskLabelSkin : public TskSkinBinding {
public:
    TskLabelSkin();
    ~TskLabelSkin();
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    bool GetUseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }

protected:
    // Looks the description up and copies its font.
    void LookupLabelSkin();
    // The label font for Font (the control's own) into Canvas.
    void ApplyLabelFont(TCanvas* Canvas, TFont* Font);
    void DrawLabelText(TCanvas* Canvas, const std::string& Text, RECT& R, UINT Flags, bool Enabled);

    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    bool FUseSkinColor = true;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
};

// A class-library label with the skin's font and colour and end or path ellipses.
class TskSkinStdLabel : public TCustomLabel, public TskSkinChangeable, public TskLabelSkin {
public:
    explicit TskSkinStdLabel(TComponent* AOwner);

    TskSkinData* GetSkinData() const override { return FSD; }
    void SetSkinData(TskSkinData* Value);
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    void ChangeSkinData() override;
    TskEllipsType GetEllipsType() const { return FEllipsType; }
    void SetEllipsType(TskEllipsType Value);
    // The label with text AText drawn onto C at X, Y.
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags) override;

private:
    UINT SkinTextFlags() const;
    void DrawText(TCanvas* Canvas, const std::string& Text, RECT& Rect, bool Measure);

    TskEllipsType FEllipsType = sketNone;
};

// A multi-line label whose text is a list of lines.
class TskSkinTextLabel : public TGraphicControl, public TskSkinChangeable, public TskLabelSkin {
public:
    explicit TskSkinTextLabel(TComponent* AOwner);
    ~TskSkinTextLabel() override;

    TskSkinData* GetSkinData() const override { return FSD; }
    void SetSkinData(TskSkinData* Value);
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    void ChangeSkinData() override;
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool GetAutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool Value);
    // The lines joined with line breaks.
    virtual std::string GetLabelText() const;
    // Takes the size of the text (AutoSize); height never below 0.
    void AdjustBounds();
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Paint() override;

private:
    UINT TextFlags() const;

    std::unique_ptr<TStringList> FLines;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FWordWrap = false;
};

// A class-library bevel in the skin's light and dark colours, with a centred divider style.
class TskSkinBevel : public TBevel, public TskSkinChangeable, public TskSkinBinding {
public:
    explicit TskSkinBevel(TComponent* AOwner);

    TskSkinData* GetSkinData() const override { return FSD; }
    // Applies at once, also for nullptr.
    void SetSkinData(TskSkinData* Value);
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    void ChangeSkinData() override;
    bool GetDividerMode() const { return FDividerMode; }
    void SetDividerMode(bool Value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TColor LightColor = clBtnHighlight;
    TColor DarkColor = clBtnShadow;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

private:
    bool FDividerMode = false;
};

// A class-library splitter drawn from the skin and as thick as the skin's picture.
class TskSkinSplitter : public TSplitter, public TskSkinChangeable, public TskSkinBinding {
public:
    explicit TskSkinSplitter(TComponent* AOwner);

    TskSkinData* GetSkinData() const override { return FSD; }
    // Applies at once, also for nullptr.
    void SetSkinData(TskSkinData* Value);
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    void ChangeSkinData() override;
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    int GetDefaultSize() const { return FDefaultSize; }
    void SetDefaultSize(int Value) { FDefaultSize = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

private:
    void LookupSplitter();

    bool FTransparent = false;
    int FDefaultSize = 10;
    POINT LTPt{}, RTPt{}, LBPt{};
    RECT SkinRect{};
    TBitmap* FSkinPicture = nullptr;
    bool StretchEffect = false;
    RECT GripperRect{};
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

// ---------------------------------------------------------------------------------------------
// Panels.

enum TskImagePosition { skipDefault, skipLeft };
enum TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
using TskPaintPanelEvent = std::function<void(TCanvas* Cnvs, RECT R)>;

// The skinned container: frame and background from the skin, an optional caption band with a
// check box, an image and a roll-up marker; a plain 3-D panel without a description.
class TskSkinPanel : public TskSkinCustomControl {
public:
    explicit TskSkinPanel(TComponent* AOwner);
    ~TskSkinPanel() override;

    bool GetRibbonStyle() const { return FRibbonStyle; }
    void SetRibbonStyle(bool Value);
    TskImagePosition GetImagePosition() const { return FImagePosition; }
    void SetImagePosition(TskImagePosition Value);
    bool GetTransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(bool Value);
    TCustomImageList* GetCaptionImageList() const { return FCaptionImageList; }
    void SetCaptionImageList(TCustomImageList* Value);
    int GetCaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int Value);
    int GetRealHeight() const { return FRealHeight; }
    void SetRealHeight(int Value) { FRealHeight = Value; }
    bool GetAutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
    bool GetCheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool Value);
    bool GetChecked() const { return FChecked; }
    // No test for a change: repaints (CheckedMode), enables or disables the children
    // (AutoEnabledControls and CheckedMode) and fires OnChecked.
    void SetChecked(bool Value);
    TAlignment GetDefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    int GetDefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int Value);
    TskSkinBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TskSkinBorderStyle Value);
    bool GetCaptionMode() const { return FCaptionMode; }
    virtual void SetCaptionMode(bool Value);
    bool GetRollUpMode() const { return FRollUpMode; }
    void SetRollUpMode(bool Value);
    bool GetRollUpState() const { return FRollUpState; }
    void SetRollUpState(bool Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // The caption rectangle at the current size (set while painting).
    RECT GetNewCaptionRect() const { return NewCaptionRect; }

    // The panel's look drawn onto C at X, Y.
    void PaintskinTo(TCanvas* C, int X, int Y);
    // (0, 0, Width, Height) through the panel's client-rectangle rule.
    RECT GetSkinClientRect();
    void DoRollUp(bool ARollUp);

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(RECT& Rect) override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Lets a descendant draw over the panel image.
    virtual void DoPanelPaint(TCanvas* /*Cnvs*/) {}

    // From the description.
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    RECT CaptionRect{};
    RECT NewCaptionRect{};
    int BGPictureIndex = -1;
    RECT CheckImageRect{}, UnCheckImageRect{}, MarkFrameRect{}, FrameRect{}, FrameTextRect{};
    int FrameLeftOffset = 0, FrameRightOffset = 0;

private:
    bool SkinTiledWhole() const;
    // The skin client area of the picture as a tile, or false without one.
    bool ClientTile(TBitmap& Tile) const;
    // Covers (0, 0, W, H) of C with Tile by the stretch rule; FullRect is where skstFull goes.
    void CoverWithTile(TCanvas* C, TBitmap* Tile, const RECT& FullRect, int W, int H) const;
    void DrawSkinCaption(TCanvas* C);
    void PaintTransparent(bool WithCaption);
    // The caption image: the list's entry or the glyph; false without one.
    bool CaptionImageSize(int& W, int& H) const;
    void DrawCaptionImage(TCanvas* C, int X, int Y);
    void DrawCheckImage(TCanvas* C, int X, int Y);

    bool FRibbonStyle = false;
    bool FInChangingRollUp = false;
    TskImagePosition FImagePosition = skipDefault;
    bool FTransparentMode = false;
    int FCMaxWidth = 0, FCMinWidth = 0, FCMaxHeight = 0, FCMinHeight = 0;
    bool FCheckedMode = false;
    bool FChecked = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FSpacing = 2;
    int FRealHeight = -1;
    bool FRollUpState = false;
    bool FRollUpMode = false;
    bool FCaptionMode = false;
    TskSkinBorderStyle FBorderStyle = bvFrame;
    int FDefaultCaptionHeight = 22;
    TAlignment FDefaultAlignment = TAlignment::taLeftJustify;
    bool FAutoEnabledControls = true;
    TCustomImageList* FCaptionImageList = nullptr;
    int FCaptionImageIndex = -1;
    // The children that were visible when the panel rolled up (shown again on rolling down).
    std::vector<std::pair<TControl*, std::shared_ptr<bool>>> FRolledChildren;
};

// A panel whose image the application draws into (OnPanelPaint); no forced background.
class TskSkinPaintPanel : public TskSkinPanel {
public:
    explicit TskSkinPaintPanel(TComponent* AOwner);
    void Dispatch(TMessage& Message) override;

    TskPaintPanelEvent OnPanelPaint;

protected:
    void DoPanelPaint(TCanvas* Cnvs) override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
};

// A panel that starts with a caption band and the "groupbox" description.
class TskSkinGroupBox : public TskSkinPanel {
public:
    explicit TskSkinGroupBox(TComponent* AOwner);
    void LookupSkinData() override;
};

// ---------------------------------------------------------------------------------------------
// A tool button with a drop-down: a press (or, in track-button mode, a press on its arrow part)
// opens the skinned popup menu and/or the images menu below it; the button stays down until the
// menu closes.
enum TskTrackPosition : unsigned char { sktpRight, sktpBottom };

class TskSkinMenuSpeedButton : public TskSkinSpeedButton {
public:
    explicit TskSkinMenuSpeedButton(TComponent* AOwner);
    ~TskSkinMenuSpeedButton() override;

    bool GetNewStyle() const { return FNewStyle; }
    // On, the description name becomes "resizetoolbutton".
    void SetNewStyle(bool Value);
    TskTrackPosition GetTrackPosition() const { return FTrackPosition; }
    void SetTrackPosition(TskTrackPosition Value);
    TskSkinImagesMenu* GetSkinImagesMenu() const { return FSkinImagesMenu; }
    void SetSkinImagesMenu(TskSkinImagesMenu* Value);
    bool GetUseImagesMenuImage() const { return FUseImagesMenuImage; }
    void SetUseImagesMenuImage(bool Value);
    bool GetUseImagesMenuCaption() const { return FUseImagesMenuCaption; }
    void SetUseImagesMenuCaption(bool Value);
    TskSkinPopupMenu* GetSkinPopupMenu() const { return FSkinPopupMenu; }
    void SetSkinPopupMenu(TskSkinPopupMenu* Value);
    bool GetTrackButtonMode() const { return FTrackButtonMode; }
    void SetTrackButtonMode(bool Value);
    // A menu opened by this button is open.
    bool MenuTracked() const { return FMenuTracked; }
    // Whether a press at P (client coordinates) opens the menus.
    bool InTrackArea(POINT P);
    // Opens the menus below the button.
    void ShowTrackMenu();

    void LookupSkinData() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // A menu closed (or none opened): the button comes up.
    void TrackMenuClosed();
    bool IsMenuButtonDescription() const;
    bool StripAtBottom() const { return FNewStyle && FTrackPosition == sktpBottom; }
    RECT TrackStrip() const;
    RECT GetTrackArea() const;
    // Faces of the button styles (skSkinMenuSpeedButtonPaint.cpp).
    void DrawPartFaces(TBitmap* B, bool Tool, bool Pressed, bool Hot);
    void DrawContentAndMarker(TBitmap* B, bool ADown, bool AMouseIn, bool Pressed);
    void DrawMarker(TCanvas* C, RECT Area, bool Hot, bool Down, TColor Color);

    bool FTrackButtonMode = false;
    bool FMenuTracked = false;
    TskSkinPopupMenu* FSkinPopupMenu = nullptr;
    bool FNewStyle = false;
    TskTrackPosition FTrackPosition = sktpRight;
    RECT TrackButtonRect{};
};
