#pragma once
// The control descriptions that the skinned controls read, one class per SKINCONTROLS kind.
// Colours are in the 32-bit colour encoding (low byte red; a top byte FF names a system colour).

#include "skin/core/skDataSkinControl.h"

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "button")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor DisabledFontColor = 0;
    RECT ActiveSkinRect{};
    RECT DownSkinRect{};
    RECT DisabledSkinRect{};
    RECT FocusedSkinRect{};
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    RECT AnimateSkinRect{};
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool ShowFocus = false;
    RECT MenuMarkerFlatRect{};
    RECT MenuMarkerRect{};
    RECT MenuMarkerActiveRect{};
    RECT MenuMarkerDownRect{};
    TColor MenuMarkerTransparentColor = 0;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0;
    int GlowLayerOffsetRight = 0;
    int GlowLayerOffsetTop = 0;
    int GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0;
    int GlowLayerShowOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinButtonControl, "menubutton")
    RECT TrackButtonRect{};
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "panel")
    RECT CaptionRect{};
    TAlignment Alignment = TAlignment::taCenter;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    int BGPictureIndex = -1;
    RECT CheckImageRect{};
    RECT UnCheckImageRect{};
    RECT MarkFrameRect{};
    RECT FrameRect{};
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    RECT FrameTextRect{};
    RECT GripperRect{};
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "checkradio")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    RECT ActiveSkinRect{};
    RECT CheckImageArea{};
    RECT TextArea{};
    RECT CheckImageRect{};
    RECT UnCheckImageRect{};
    RECT ActiveCheckImageRect{};
    RECT ActiveUnCheckImageRect{};
    RECT UnEnabledCheckImageRect{};
    RECT UnEnabledUnCheckImageRect{};
    RECT GrayedCheckImageRect{};
    RECT ActiveGrayedCheckImageRect{};
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    TColor FrameFontColor = 0;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "scrollbar")
    RECT TrackArea{};
    RECT UpButtonRect{};
    RECT ActiveUpButtonRect{};
    RECT DownUpButtonRect{};
    RECT DownButtonRect{};
    RECT ActiveDownButtonRect{};
    RECT DownDownButtonRect{};
    RECT ThumbRect{};
    RECT ActiveThumbRect{};
    RECT DownThumbRect{};
    int ThumbOffset1 = 0;
    int ThumbOffset2 = 0;
    RECT GlyphRect{};
    RECT ActiveGlyphRect{};
    RECT DownGlyphRect{};
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0;
    int ThumbMinPageSize = 0;
};

// Keeps no nine-slice geometry: its corner points and client rectangle are always zero.
class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "updown")
    RECT UpButtonRect{};
    RECT ActiveUpButtonRect{};
    RECT DownUpButtonRect{};
    RECT DownButtonRect{};
    RECT ActiveDownButtonRect{};
    RECT DownDownButtonRect{};
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "splitter")
    RECT GripperRect{};
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "scrollbox")
    int BGPictureIndex = -1;
};

class TskDataSkinListBox : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "listbox")
    RECT SItemRect{};
    RECT ActiveItemRect{};
    RECT FocusItemRect{};
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    RECT ItemTextRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    RECT CaptionRect{};
    std::string CaptionFontName = "Arial";
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight = 14;
    TColor CaptionFontColor = 0;
    RECT UpButtonRect{};
    RECT ActiveUpButtonRect{};
    RECT DownUpButtonRect{};
    RECT DownButtonRect{};
    RECT ActiveDownButtonRect{};
    RECT DownDownButtonRect{};
    RECT CheckButtonRect{};
    RECT ActiveCheckButtonRect{};
    RECT DownCheckButtonRect{};
    std::string HScrollBarName = "hscrollbar";
    std::string VScrollBarName = "vscrollbar";
    std::string BothScrollBarName = "bothhscrollbar";
    bool ShowFocus = false;
    RECT DisabledButtonsRect{};
    RECT ButtonsArea{};
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "combobox")
    RECT SItemRect{};
    RECT ActiveItemRect{};
    RECT FocusItemRect{};
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    RECT ItemTextRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor FocusFontColor = 0;
    TColor ActiveFontColor = 0;
    RECT ButtonRect{};
    RECT ActiveButtonRect{};
    RECT DownButtonRect{};
    RECT UnEnabledButtonRect{};
    bool ItemStretchEffect = false;
    bool FocusItemStretchEffect = false;
    RECT ActiveSkinRect{};
    std::string ListBoxName;
    bool ShowFocus = false;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "edit")
    RECT ActiveSkinRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor DisabledFontColor = 0;
    TColor ActiveFontColor = 0;
    RECT ButtonRect{};
    RECT ActiveButtonRect{};
    RECT DownButtonRect{};
    RECT UnEnabledButtonRect{};
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "mainmenubar")
    RECT ItemsRect{};
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MaxButton;
    std::string MinButton;
    std::string SysMenuButton;
    TColor TrackMarkColor = 0;
    TColor TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;
};

class TskDataSkinSlider : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "slider")
    RECT HRulerRect{};
    RECT HThumbRect{};
    RECT VRulerRect{};
    RECT VThumbRect{};
    int EdgeSize = 0;
    TColor BGColor = 0;
    TColor PointsColor = 0;
};

class TskDataSkinBevel : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "bevel")
    TColor LightColor = 0;
    TColor DarkColor = 0;
};

class TskDataSkinTreeView : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "treeview")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor BGColor = 0;
};

class TskDataSkinListView : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "listview")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor BGColor = 0;
};

class TskDataSkinTabControl : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "tab")
    RECT TabRect{};
    RECT ActiveTabRect{};
    RECT FocusTabRect{};
    RECT MouseInTabRect{};
    RECT ClRect{};
    RECT TabsBGRect{};
    POINT LTPoint{};
    POINT RTPoint{};
    POINT LBPoint{};
    POINT RBPoint{};
    int TabLeftOffset = 0;
    int TabRightOffset = 0;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TColor MouseInFontColor = 0;
    std::string UpDown;
    int BGPictureIndex = -1;
    bool TabStretchEffect = false;
    bool ShowFocus = false;
    int FocusOffsetX = 0;
    int FocusOffsetY = 0;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
    RECT CloseButtonRect{};
    RECT CloseButtonActiveRect{};
    RECT CloseButtonDownRect{};
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "stdlabel")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 16711680;  // pure blue
};
