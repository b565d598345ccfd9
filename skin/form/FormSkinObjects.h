#pragma once
// The objects a skinned frame is assembled from: the caption, the caption buttons, free buttons
// that open menus, animated pictures and areas the application paints. They own no window; the
// frame (TskFormSkin) places them, hit-tests them, routes the pointer to them and asks them to
// draw on a canvas in window coordinates (0, 0 = the window's top-left corner, frame included).

#include "classlib/Controls.h"
#include "skin/core/skDataSkinObjects.h"

#include <string>

class TBitmap;
class TCanvas;
class TMenuItem;
class TskFormSkin;
class TskSkinData;

class TskEffectBmp;

// Applies a skin's automatic inactive look to a picture in place.
void ApplySkinInActiveEffect(TskInActiveEffect Effect, TBitmap* B);
// Mixes Hot into Normal by Kf (0 normal .. 1 hot) with the transition Kind.
void MorphBy(TskEffectBmp& Normal, const TskEffectBmp& Hot, TskMorphKind Kind, double Kf);

class TskActiveSkinObject : public TObject {
public:
    // AData is the object's description, or nullptr for the default caption buttons.
    TskActiveSkinObject(TskFormSkin* AParent, TskDataSkinObject* AData);
    virtual ~TskActiveSkinObject() = default;
    TskActiveSkinObject(const TskActiveSkinObject&) = delete;
    TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

    // X, Y relative to ObjectRect's top-left corner.
    virtual bool PointInShape(int X, int Y);
    virtual void ShowLayer();
    virtual void HideLayer();
    virtual bool CanMorphing();
    virtual void Draw(TCanvas* Cnvs, bool UpDate);
    virtual void DblClick() {}
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    bool EnableMorphing() const;
    void DoMorphing();
    // Starts the frame's morph timer, or draws at once when the object does not morph.
    void ReDraw();
    double MorphKf() const { return FMorphKf; }
    void SetMorphKf(double Value);

    TskFormSkin* Parent;
    double FMorphKf = 0;
    bool FMouseIn = false;
    TBitmap* Picture = nullptr;
    TBitmap* ActivePicture = nullptr;
    TBitmap* ActiveMaskPicture = nullptr;
    TskSkinData* SD = nullptr;
    std::string IDName, Hint;
    RECT SkinRect{}, ActiveSkinRect{}, InActiveSkinRect{};
    RECT ObjectRect{};
    bool Active = false;
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    bool Enabled = true;
    bool Visible = true;
    bool SkinRectInAPicture = false;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0, GlowLayerOffsetY = 0, GlowLayerAlphaBlendValue = 255;

protected:
    bool HasSkin() const;
    // MorphKf has not reached the end the Active state aims at.
    bool MorphPending() const;
    // The pixels of Source's rectangle R (nothing for a missing picture or an empty rectangle).
    static bool CopyFrom(TCanvas* Cnvs, const RECT& Dest, TBitmap* Source, const RECT& R);
    // Draws the morph from Normal (in NormalPicture) to Hot (in ActivePicture) by MorphKf.
    void DrawMorph(TCanvas* Cnvs, TBitmap* NormalPicture, const RECT& Normal, const RECT& Hot);
    void ShowLayerOn(bool MenuLayer);
    void HideLayerOn(bool MenuLayer);
    // ObjectRect on the screen.
    RECT ScreenRect() const;
    // Opens Item's sub-items through the frame's menu manager next to the object; false when
    // nothing opened (no items, or no manager).
    bool OpenMenu(TMenuItem* Item, bool PopupUp, bool MenuLayer);
};

// An area the application paints (OnPaintEvent).
class TskUserObject : public TskActiveSkinObject {
public:
    using TskActiveSkinObject::TskActiveSkinObject;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
};

class TskSkinAnimateObject : public TskActiveSkinObject {
public:
    TskSkinAnimateObject(TskFormSkin* AParent, TskDataSkinObject* AData);
    void ShowLayer() override;
    void HideLayer() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void Start();
    void Stop();
    void ChangeFrame();
    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    bool TrackMenu();
    void DoCommand();
    bool InRestoreState() const;

    int FFrame = 1;
    int FInc = 25;
    int TimerInterval = 25;
    TMenuItem* MenuItem = nullptr;
    bool FPopupUp = false, FDown = false, FMenuTracking = false;
    int CountFrames = 1;
    bool Cycle = false, ButtonStyle = false, Increment = true;
    TskStdCommand Command = cmDefault;
    RECT DownSkinRect{}, RestoreRect{}, RestoreActiveRect{}, RestoreInActiveRect{}, RestoreDownRect{};
    std::string RestoreHint, FTempHint;
};

class TskSkinButtonObject : public TskActiveSkinObject {
public:
    TskSkinButtonObject(TskFormSkin* AParent, TskDataSkinObject* AData);
    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool Down() const { return FDown; }
    void SetDown(bool Value);
    // Opens the linked menu; false when nothing opened.
    virtual bool TrackMenu();

    bool FDown = false;
    bool FPopupUp = false;
    RECT DisableSkinRect{}, DownRect{};
    TMenuItem* MenuItem = nullptr;

protected:
    // The drawing of a skinned button (disabled and down images, else the base drawing).
    void DrawButton(TCanvas* Cnvs, bool UpDate);
};

// A caption button with a standard command; without a description it draws the default look.
class TskSkinStdButtonObject : public TskSkinButtonObject {
public:
    // ACommand and AIDName are used without a description.
    TskSkinStdButtonObject(TskFormSkin* AParent, TskDataSkinObject* AData, TskStdCommand ACommand = cmDefault,
                           const std::string& AIDName = {});
    bool PointInShape(int X, int Y) override;
    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;

    void DefaultDraw(TCanvas* Cnvs);
    void DoCommand();
    bool InRestoreState() const;

    bool FSkinSupport = false;
    TskStdCommand Command = cmDefault;
    RECT RestoreRect{}, RestoreActiveRect{}, RestoreInActiveRect{}, RestoreDownRect{};
    std::string RestoreHint, FTempHint;

private:
    // A skinned system-menu button showing the form's icon.
    bool ShowsFormIcon() const;
};

class TskSkinCaptionObject : public TskActiveSkinObject {
public:
    TskSkinCaptionObject(TskFormSkin* AParent, TskDataSkinObject* AData);
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseMove(int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool EnableAnimation() const;
    // The quick buttons: laid out from the caption's left end and drawn on Cnvs; the hot one
    // follows the pointer at (X, Y) in window coordinates.
    void DrawQuickButtons(TCanvas* Cnvs);
    void TrackQuickButtons(int X, int Y);
    // The text rectangle relative to the object's top-left corner.
    RECT TextRect() const;

    int ActiveQuickButton = -1, OldActiveQuickButton = -1;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0, ActiveFontColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    bool Shadow = false;
    TColor LightColor = 0, ActiveLightColor = 0;
    bool Light = false;
    TAlignment Alignment = TAlignment::taCenter;
    RECT TextRct{}, FrameRect{}, ActiveFrameRect{};
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    RECT FrameTextRect{};
    bool StretchEffect = false, FullFrame = false;
    int FIncTime = 0;
    RECT AnimateSkinRect{};
    int FrameCount = 0, AnimateInterval = 25, CurrentFrame = 0;
    bool InActiveAnimation = false, VistaGlowEffect = false, VistaGlowInActiveEffect = false;
    bool GlowEffect = false, GlowInActiveEffect = false;
    int GlowSize = 3;
    TColor GlowColor = 0, GlowActiveColor = 0;
    int GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int ReflectionOffset = 0;

private:
    // A picture of the object's size from rectangle S of Source, with the caption text in the
    // look of AActive.
    void ComposePicture(TBitmap* Target, TBitmap* Source, const RECT& S, bool AActive);
    void PaintText(TCanvas* Cnvs, int X0, int Y0, bool AActive);
};
