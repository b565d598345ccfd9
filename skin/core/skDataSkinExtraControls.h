#pragma once
// The control descriptions beyond those the skinned controls read: the label (read by menu and
// list headers) and nine kinds that skins list and that are kept and written back unchanged.

#include "skin/core/skDataSkinControls.h"

class TskDataSkinLabelControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "label")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
    ZD_SKIN_DESCRIPTION(TskDataSkinListBox, "checklistbox")
    RECT UnCheckImageRect{};
    RECT CheckImageRect{};
    RECT ItemCheckRect{};
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinEditControl, "memo")
    TColor BGColor = 0;
    TColor ActiveBGColor = 0;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "spinedit")
    RECT ActiveSkinRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;
    RECT UpButtonRect{};
    RECT ActiveUpButtonRect{};
    RECT DownUpButtonRect{};
    RECT DownButtonRect{};
    RECT ActiveDownButtonRect{};
    RECT DownDownButtonRect{};
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "gauge")
    RECT ProgressArea{};
    RECT ProgressRect{};
    bool Vertical = false;
    int BeginOffset = 0;
    int EndOffset = 0;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    bool ProgressTransparent = false;
    TColor ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    RECT AnimationSkinRect{};
    int AnimationCountFrames = 0;
    int AnimationTimerInterval = 0;
    RECT ProgressAnimationSkinRect{};
    int ProgressAnimationCountFrames = 0;
    int ProgressAnimationTimerInterval = 0;
    int AnimationBeginOffset = 0;
    int AnimationEndOffset = 0;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "trackbar")
    RECT ActiveSkinRect{};
    RECT TrackArea{};
    RECT ButtonRect{};
    RECT ActiveButtonRect{};
    bool Vertical = false;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "expanel")
    RECT RollHSkinRect{};
    RECT RollVSkinRect{};
    int RollLeftOffset = 0;
    int RollRightOffset = 0;
    int RollTopOffset = 0;
    int RollBottomOffset = 0;
    RECT RollVCaptionRect{};
    RECT RollHCaptionRect{};
    RECT CloseButtonRect{};
    RECT CloseButtonActiveRect{};
    RECT CloseButtonDownRect{};
    RECT HRollButtonRect{};
    RECT HRollButtonActiveRect{};
    RECT HRollButtonDownRect{};
    RECT HRestoreButtonRect{};
    RECT HRestoreButtonActiveRect{};
    RECT HRestoreButtonDownRect{};
    RECT VRollButtonRect{};
    RECT VRollButtonActiveRect{};
    RECT VRollButtonDownRect{};
    RECT VRestoreButtonRect{};
    RECT VRestoreButtonActiveRect{};
    RECT VRestoreButtonDownRect{};
    RECT CaptionRect{};
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    bool ButtonsTransparent = false;
    TColor ButtonsTransparentColor = 0;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinCustomControl, "controlbar")
    RECT ItemRect{};
    int BGPictureIndex = -1;
    RECT HGripRect{};
    RECT VGripRect{};
    int GripOffset1 = 0;
    int GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int ItemOffset1 = 3;
    int ItemOffset2 = 3;
    bool ItemTransparent = false;
    TColor ItemTransparentColor = 0;
    bool GripTransparent = false;
    TColor GripTransparentColor = 0;
};

class TskDataSkinGridControl : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "grid")
    RECT FixedCellRect{};
    RECT SelectCellRect{};
    RECT FocusCellRect{};
    int FixedCellLeftOffset = 0;
    int FixedCellRightOffset = 0;
    RECT FixedCellTextRect{};
    int CellLeftOffset = 0;
    int CellRightOffset = 0;
    RECT CellTextRect{};
    TColor LinesColor = 0;
    TColor BGColor = 0;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor SelectFontColor = 0;
    TColor FocusFontColor = 0;
    std::string FixedFontName = "Arial";
    TFontStyles FixedFontStyle;
    int FixedFontHeight = 14;
    TColor FixedFontColor = 0;
    bool FixedCellStretchEffect = false;
    bool CellStretchEffect = false;
    bool ShowFocus = false;
    int BGPictureIndex = -1;
};

class TskDataSkinRichEdit : public TskDataSkinControl {
    ZD_SKIN_DESCRIPTION(TskDataSkinControl, "richedit")
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    TColor FontColor = 0;
    TColor BGColor = 0;
};
