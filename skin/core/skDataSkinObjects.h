#pragma once
// The frame-object descriptions that the SKINOBJECTS index names: caption buttons, captions,
// animated and free picture objects, menu items and the main menu bar's items and buttons.
// Rectangles lie in the main picture unless the description names a numbered picture.

#include "skin/core/skSkinKeys.h"

#include <memory>
#include <string>

class TskDataSkinObject {
public:
    explicit TskDataSkinObject(std::string AIDName) : IDName(std::move(AIDName)) {}
    virtual ~TskDataSkinObject() = default;

    virtual void LoadFromFile(const TskMemIniFile& IniFile);
    virtual void SaveToFile(TskMemIniFile& IniFile) const;
    // The kind word of the description's own class in the SKINOBJECTS index; empty for the
    // classes that no index line creates.
    virtual std::string Kind() const { return {}; }

    std::string IDName;
    std::string Hint;
    bool SkinRectInAPicture = false;
    RECT SkinRect{};
    RECT ActiveSkinRect{};
    int ActivePictureIndex = -1;
    int ActiveMaskPictureIndex = -1;
    RECT InActiveSkinRect{};
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0;
    int GlowLayerOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;
};

class TskDataSkinButton : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "button")
    RECT DownRect{};
    RECT DisableSkinRect{};
};

// A caption button. An empty restore hint of a maximise, minimise or roll-up button is filled in
// after reading ("Restore").
class TskDataSkinStdButton : public TskDataSkinButton {
    ZD_SKIN_DESCRIPTION(TskDataSkinButton, "stdbutton")
    TskStdCommand Command = cmDefault;
    std::string RestoreHint;
    RECT RestoreRect{};
    RECT RestoreActiveRect{};
    RECT RestoreDownRect{};
    RECT RestoreInActiveRect{};
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
public:
    using TskDataSkinStdButton::TskDataSkinStdButton;
    std::string Kind() const override { return "mainmenubarbutton"; }
};

// An animated frame object; its restore hint is filled in as a caption button's.
class TskDataSkinAnimate : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "animate")
    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 50;
    TskStdCommand Command = cmDefault;
    RECT DownSkinRect{};
    std::string RestoreHint;
    RECT RestoreRect{};
    RECT RestoreActiveRect{};
    RECT RestoreDownRect{};
    RECT RestoreInActiveRect{};
};

class TskDataSkinCaption : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "caption")
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;
    bool Shadow = false;
    TAlignment Alignment = TAlignment::taCenter;
    RECT TextRct{};
    RECT FrameRect{};
    RECT ActiveFrameRect{};
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    RECT FrameTextRect{};
    bool Light = false;
    TColor LightColor = 0;
    TColor ActiveLightColor = 0;
    bool StretchEffect = false;
    RECT AnimateSkinRect{};
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool FullFrame = false;
    bool GlowEffect = false;
    bool VistaGlowEffect = false;
    bool VistaGlowInActiveEffect = false;
    bool GlowInActiveEffect = false;
    int GlowSize = 3;
    TColor GlowColor = 0;
    TColor GlowActiveColor = 0;
    int GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0;
    TColor ReflectionActiveColor = 0;
    int ReflectionOffset = 0;
};

// A free picture object: only its skin rectangle is read and written.
class TskDataUserObject : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "userobject")
};

// A popup menu item. Active check, radio and arrow images that the skin leaves empty take the
// normal ones.
class TskDataSkinMenuItem : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "menuitem")
    RECT DividerRect{};
    int DividerLO = 0;
    int DividerRO = 0;
    int ItemLO = 0;
    int ItemRO = 0;
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle;
    TColor UnEnabledFontColor = 0;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    RECT TextRct{};
    RECT ImageRct{};
    bool UseImageColor = false;
    TColor ImageColor = 0;
    TColor ActiveImageColor = 0;
    bool StretchEffect = false;
    bool DividerStretchEffect = false;
    bool InActiveStretchEffect = false;
    RECT AnimateSkinRect{};
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool InActiveTransparent = false;
    RECT CheckImageRect{};
    RECT ActiveCheckImageRect{};
    RECT RadioImageRect{};
    RECT ActiveRadioImageRect{};
    RECT ArrowImageRect{};
    RECT ActiveArrowImageRect{};
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {
    ZD_SKIN_DESCRIPTION(TskDataSkinObject, "")
    RECT DownRect{};
    std::string FontName = "Arial";
    int FontHeight = 14;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;
    RECT TextRct{};
    int ItemLO = 0;
    int ItemRO = 0;
    bool StretchEffect = false;
    RECT AnimateSkinRect{};
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
public:
    using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
    std::string Kind() const override { return "mainmenubaritem"; }
};

// The description class for a SKINOBJECTS kind (exact, case-sensitive), or null for a kind no
// table holds.
std::unique_ptr<TskDataSkinObject> CreateSkinObject(const std::string& kind, const std::string& idName);
