#include "skin/core/skDataSkinForm.h"

#include "classlib/Colors.h"

namespace {

using Popup = TskDataSkinPopupWindow;
const TskKeyTable<Popup> kPopupKeys{
    {"windowpictureindex", &Popup::WindowPictureIndex, -1},
    {"maskpictureindex", &Popup::MaskPictureIndex, -1},
    {"lefttoppoint", &Popup::LTPoint},
    {"righttoppoint", &Popup::RTPoint},
    {"leftbottompoint", &Popup::LBPoint},
    {"rightbottompoint", &Popup::RBPoint},
    {"itemsrect", &Popup::ItemsRect},
    {"scrollmarkercolor", &Popup::ScrollMarkerColor},
    {"scrollmarkeractivecolor", &Popup::ScrollMarkerActiveColor},
    {"topstretch", &Popup::TopStretch},
    {"leftstretch", &Popup::LeftStretch},
    {"rightstretch", &Popup::RightStretch},
    {"bottomstretch", &Popup::BottomStretch},
    {"stretcheffect", &Popup::StretchEffect},
    {"stretchtype", &Popup::StretchType},
};

using Layer = TskDataSkinLayerFrame;
const TskKeyTable<Layer> kLayerKeys{
    {"pictureindex", &Layer::PictureIndex, -1},
    {"maskpictureindex", &Layer::MaskPictureIndex, -1},
    {"inactivepictureindex", &Layer::InActivePictureIndex, -1},
    {"inactivemaskpictureindex", &Layer::InActiveMaskPictureIndex, -1},
    {"lefttoppoint", &Layer::LTPoint},
    {"righttoppoint", &Layer::RTPoint},
    {"leftbottompoint", &Layer::LBPoint},
    {"rightbottompoint", &Layer::RBPoint},
    {"clientrect", &Layer::ClRect},
    {"alphablendvalue", &Layer::AlphaBlendValue, 255},
    {"inactivealphablendvalue", &Layer::InActiveAlphaBlendValue, 255},
    {"borderrect", &Layer::BorderRect},
    {"hittestenable", &Layer::HitTestEnable},
};

using Hint = TskDataSkinHintWindow;
const TskKeyTable<Hint> kHintKeys{
    {"windowpictureindex", &Hint::WindowPictureIndex, -1},
    {"maskpictureindex", &Hint::MaskPictureIndex, -1},
    {"lefttoppoint", &Hint::LTPoint},
    {"righttoppoint", &Hint::RTPoint},
    {"leftbottompoint", &Hint::LBPoint},
    {"rightbottompoint", &Hint::RBPoint},
    {"clientrect", &Hint::ClRect},
    {"fontname", &Hint::FontName, "Arial"},
    {"fontstyle", &Hint::FontStyle},
    {"fontheight", &Hint::FontHeight, 14},
    {"fontcolor", &Hint::FontColor},
    {"topstretch", &Hint::TopStretch},
    {"leftstretch", &Hint::LeftStretch},
    {"rightstretch", &Hint::RightStretch},
    {"bottomstretch", &Hint::BottomStretch},
    {"stretcheffect", &Hint::StretchEffect},
    {"stretchtype", &Hint::StretchType},
};

} // namespace

// The colour table needs the private fields, so it lives in a class the colours befriend.
class TskSkinColorsKeys {
public:
    using Colors = TskSkinColors;
    static const TskKeyTable<Colors>& Table()
    {
        static const TskKeyTable<Colors> keys{
            {"cbtnface", &Colors::FcBtnFace, clBtnFace},
            {"cbtntext", &Colors::FcBtnText, clBtnText},
            {"cwindow", &Colors::FcWindow, clWindow},
            {"cwindowtext", &Colors::FcWindowText, clWindowText},
            {"chighlight", &Colors::FcHighLight, clHighlight},
            {"chighlighttext", &Colors::FcHighLightText, clHighlightText},
            {"cbtnhighlight", &Colors::FcBtnHighLight, clBtnHighlight},
            {"cbtnshadow", &Colors::FcBtnShadow, clBtnShadow},
        };
        return keys;
    }
};

void TskDataSkinPopupWindow::LoadFromFile(const TskMemIniFile& IniFile)
{
    kPopupKeys.Read(IniFile, "POPUPWINDOW", *this);
}

void TskDataSkinPopupWindow::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("POPUPWINDOW");
    kPopupKeys.Write(IniFile, "POPUPWINDOW", *this);
}

void TskDataSkinLayerFrame::LoadFromFile(const TskMemIniFile& IniFile)
{
    kLayerKeys.Read(IniFile, "LAYERFRAME", *this);
}

void TskDataSkinLayerFrame::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("LAYERFRAME");
    kLayerKeys.Write(IniFile, "LAYERFRAME", *this);
}

void TskDataSkinHintWindow::LoadFromFile(const TskMemIniFile& IniFile)
{
    kHintKeys.Read(IniFile, "HINTWINDOW", *this);
}

void TskDataSkinHintWindow::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("HINTWINDOW");
    kHintKeys.Write(IniFile, "HINTWINDOW", *this);
}

void TskSkinColors::LoadFromFile(const TskMemIniFile& IniFile)
{
    TskSkinColorsKeys::Table().Read(IniFile, "SKINCOLORS", *this);
}

void TskSkinColors::SaveToFile(TskMemIniFile& IniFile) const
{
    TskSkinColorsKeys::Table().Write(IniFile, "SKINCOLORS", *this);
}

void TskSkinColors::SetColorsToDefault()
{
    FcBtnFace = clBtnFace;
    FcBtnText = clBtnText;
    FcWindow = clWindow;
    FcWindowText = clWindowText;
    FcHighLight = clHighlight;
    FcHighLightText = clHighlightText;
    FcBtnHighLight = clBtnHighlight;
    FcBtnShadow = clBtnShadow;
}
