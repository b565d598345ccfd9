#pragma once
// The form-level sections every skinned form shares: the popup menu window (POPUPWINDOW), the
// layered border window (LAYERFRAME), the hint window (HINTWINDOW) and the skin's system colours
// (SKINCOLORS). Each class reads and writes its one fixed section.

#include "skin/core/skSkinKeys.h"

class TskDataSkinPopupWindow {
public:
    void LoadFromFile(const TskMemIniFile& IniFile);
    void SaveToFile(TskMemIniFile& IniFile) const;

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    POINT LTPoint{};
    POINT RTPoint{};
    POINT LBPoint{};
    POINT RBPoint{};
    RECT ItemsRect{};
    TColor ScrollMarkerColor = 0;
    TColor ScrollMarkerActiveColor = 0;
    bool TopStretch = false;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
};

// PictureIndex -1 means the skin has no layered border.
class TskDataSkinLayerFrame {
public:
    void LoadFromFile(const TskMemIniFile& IniFile);
    void SaveToFile(TskMemIniFile& IniFile) const;

    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    int InActivePictureIndex = -1;
    int InActiveMaskPictureIndex = -1;
    POINT LTPoint{};
    POINT RTPoint{};
    POINT LBPoint{};
    POINT RBPoint{};
    RECT ClRect{};
    int AlphaBlendValue = 255;
    int InActiveAlphaBlendValue = 255;
    RECT BorderRect{};
    bool HitTestEnable = false;
};

class TskDataSkinHintWindow {
public:
    void LoadFromFile(const TskMemIniFile& IniFile);
    void SaveToFile(TskMemIniFile& IniFile) const;

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    POINT LTPoint{};
    POINT RTPoint{};
    POINT LBPoint{};
    POINT RBPoint{};
    RECT ClRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    bool TopStretch = false;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
};

// The colours start at 0; a skin clear sets them to the system colours of the same names, which
// are also what a skin without the key gives.
class TskSkinColors {
public:
    void LoadFromFile(const TskMemIniFile& IniFile);
    // Writes the keys without erasing the section first.
    void SaveToFile(TskMemIniFile& IniFile) const;
    void SetColorsToDefault();

    TColor cBtnFace() const { return FcBtnFace; }
    TColor cBtnText() const { return FcBtnText; }
    TColor cWindow() const { return FcWindow; }
    TColor cWindowText() const { return FcWindowText; }
    TColor cHighLight() const { return FcHighLight; }
    TColor cHighLightText() const { return FcHighLightText; }
    TColor cBtnHighLight() const { return FcBtnHighLight; }
    TColor cBtnShadow() const { return FcBtnShadow; }
    void SetcBtnFace(TColor v) { FcBtnFace = v; }
    void SetcBtnText(TColor v) { FcBtnText = v; }
    void SetcWindow(TColor v) { FcWindow = v; }
    void SetcWindowText(TColor v) { FcWindowText = v; }
    void SetcHighLight(TColor v) { FcHighLight = v; }
    void SetcHighLightText(TColor v) { FcHighLightText = v; }
    void SetcBtnHighLight(TColor v) { FcBtnHighLight = v; }
    void SetcBtnShadow(TColor v) { FcBtnShadow = v; }

    friend bool operator==(const TskSkinColors&, const TskSkinColors&) = default;

private:
    friend class TskSkinColorsKeys;
    int FcBtnFace = 0;
    int FcBtnText = 0;
    int FcWindow = 0;
    int FcWindowText = 0;
    int FcHighLight = 0;
    int FcHighLightText = 0;
    int FcBtnHighLight = 0;
    int FcBtnShadow = 0;
};
