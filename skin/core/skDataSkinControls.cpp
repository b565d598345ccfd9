#include "skin/core/skDataSkinControls.h"

namespace {

using Button = TskDataSkinButtonControl;
const TskKeyTable<Button> kButtonKeys{
    {"fontname", &Button::FontName, "Arial"},
    {"fontstyle", &Button::FontStyle},
    {"fontheight", &Button::FontHeight, 14},
    {"fontcolor", &Button::FontColor},
    {"activefontcolor", &Button::ActiveFontColor},
    {"downfontcolor", &Button::DownFontColor},
    {"disabledfontcolor", &Button::DisabledFontColor},
    {"activeskinrect", &Button::ActiveSkinRect},
    {"downskinrect", &Button::DownSkinRect},
    {"disabledskinrect", &Button::DisabledSkinRect},
    {"focusedskinrect", &Button::FocusedSkinRect},
    {"morphing", &Button::Morphing},
    {"morphkind", &Button::MorphKind},
    {"animateskinrect", &Button::AnimateSkinRect},
    {"framecount", &Button::FrameCount},
    {"animateinterval", &Button::AnimateInterval, 25},
    {"showfocus", &Button::ShowFocus},
    {"menumarkerflatrect", &Button::MenuMarkerFlatRect},
    {"menumarkerrect", &Button::MenuMarkerRect},
    {"menumarkeractiverect", &Button::MenuMarkerActiveRect},
    {"menumarkerdownrect", &Button::MenuMarkerDownRect},
    {"menumarkertransparentcolor", &Button::MenuMarkerTransparentColor},
    {"glowlayerpictureindex", &Button::GlowLayerPictureIndex, -1},
    {"glowlayermaskpictureindex", &Button::GlowLayerMaskPictureIndex, -1},
    {"glowlayeroffsetleft", &Button::GlowLayerOffsetLeft},
    {"glowlayeroffsetright", &Button::GlowLayerOffsetRight},
    {"glowlayeroffsettop", &Button::GlowLayerOffsetTop},
    {"glowlayeroffsetbottom", &Button::GlowLayerOffsetBottom},
    {"glowlayershowoffsetx", &Button::GlowLayerShowOffsetX},
    {"glowlayershowoffsety", &Button::GlowLayerShowOffsetY},
    {"glowlayeralphablendvalue", &Button::GlowLayerAlphaBlendValue, 255},
};

using MenuButton = TskDataSkinMenuButtonControl;
const TskKeyTable<MenuButton> kMenuButtonKeys{
    {"trackbuttonrect", &MenuButton::TrackButtonRect},
};

using Panel = TskDataSkinPanelControl;
const TskKeyTable<Panel> kPanelKeys{
    {"captionrect", &Panel::CaptionRect},
    {"alignment", &Panel::Alignment},
    {"fontname", &Panel::FontName, "Arial"},
    {"fontstyle", &Panel::FontStyle},
    {"fontheight", &Panel::FontHeight, 14},
    {"fontcolor", &Panel::FontColor},
    {"bgpictureindex", &Panel::BGPictureIndex, -1},
    {"checkimagerect", &Panel::CheckImageRect},
    {"uncheckimagerect", &Panel::UnCheckImageRect},
    {"markframerect", &Panel::MarkFrameRect},
    {"framerect", &Panel::FrameRect},
    {"frameleftoffset", &Panel::FrameLeftOffset},
    {"framerightoffset", &Panel::FrameRightOffset},
    {"frametextrect", &Panel::FrameTextRect},
    {"gripperrect", &Panel::GripperRect},
    {"grippertransparent", &Panel::GripperTransparent},
    {"grippertransparentcolor", &Panel::GripperTransparentColor},
};

using CheckRadio = TskDataSkinCheckRadioControl;
const TskKeyTable<CheckRadio> kCheckRadioKeys{
    {"fontname", &CheckRadio::FontName, "Arial"},
    {"fontstyle", &CheckRadio::FontStyle},
    {"fontheight", &CheckRadio::FontHeight, 14},
    {"fontcolor", &CheckRadio::FontColor},
    {"activefontcolor", &CheckRadio::ActiveFontColor},
    {"unenabledfontcolor", &CheckRadio::UnEnabledFontColor},
    {"activeskinrect", &CheckRadio::ActiveSkinRect},
    {"checkimagearea", &CheckRadio::CheckImageArea},
    {"textarea", &CheckRadio::TextArea},
    {"checkimagerect", &CheckRadio::CheckImageRect},
    {"uncheckimagerect", &CheckRadio::UnCheckImageRect},
    {"activecheckimagerect", &CheckRadio::ActiveCheckImageRect},
    {"activeuncheckimagerect", &CheckRadio::ActiveUnCheckImageRect},
    {"unenabledcheckimagerect", &CheckRadio::UnEnabledCheckImageRect},
    {"unenableduncheckimagerect", &CheckRadio::UnEnabledUnCheckImageRect},
    {"grayedcheckimagerect", &CheckRadio::GrayedCheckImageRect},
    {"activegrayedcheckimagerect", &CheckRadio::ActiveGrayedCheckImageRect},
    {"morphing", &CheckRadio::Morphing},
    {"morphkind", &CheckRadio::MorphKind},
    {"framefontcolor", &CheckRadio::FrameFontColor},
};

using ScrollBar = TskDataSkinScrollBarControl;
const TskKeyTable<ScrollBar> kScrollBarKeys{
    {"trackarea", &ScrollBar::TrackArea},
    {"upbuttonrect", &ScrollBar::UpButtonRect},
    {"activeupbuttonrect", &ScrollBar::ActiveUpButtonRect},
    {"downupbuttonrect", &ScrollBar::DownUpButtonRect},
    {"downbuttonrect", &ScrollBar::DownButtonRect},
    {"activedownbuttonrect", &ScrollBar::ActiveDownButtonRect},
    {"downdownbuttonrect", &ScrollBar::DownDownButtonRect},
    {"thumbrect", &ScrollBar::ThumbRect},
    {"activethumbrect", &ScrollBar::ActiveThumbRect},
    {"downthumbrect", &ScrollBar::DownThumbRect},
    {"thumboffset1", &ScrollBar::ThumbOffset1},
    {"thumboffset2", &ScrollBar::ThumbOffset2},
    {"glyphrect", &ScrollBar::GlyphRect},
    {"activeglyphrect", &ScrollBar::ActiveGlyphRect},
    {"downglyphrect", &ScrollBar::DownGlyphRect},
    {"glyphtransparent", &ScrollBar::GlyphTransparent},
    {"glyphtransparentcolor", &ScrollBar::GlyphTransparentColor},
    {"thumbtransparent", &ScrollBar::ThumbTransparent},
    {"thumbtransparentcolor", &ScrollBar::ThumbTransparentColor},
    {"thumbstretcheffect", &ScrollBar::ThumbStretchEffect},
    {"thumbminsize", &ScrollBar::ThumbMinSize},
    {"thumbminpagesize", &ScrollBar::ThumbMinPageSize},
};

using UpDown = TskDataSkinUpDownControl;
const TskKeyTable<UpDown> kUpDownKeys{
    {"upbuttonrect", &UpDown::UpButtonRect},
    {"activeupbuttonrect", &UpDown::ActiveUpButtonRect},
    {"downupbuttonrect", &UpDown::DownUpButtonRect},
    {"downbuttonrect", &UpDown::DownButtonRect},
    {"activedownbuttonrect", &UpDown::ActiveDownButtonRect},
    {"downdownbuttonrect", &UpDown::DownDownButtonRect},
};

using Splitter = TskDataSkinSplitterControl;
const TskKeyTable<Splitter> kSplitterKeys{
    {"gripperrect", &Splitter::GripperRect},
    {"grippertransparent", &Splitter::GripperTransparent},
    {"grippertransparentcolor", &Splitter::GripperTransparentColor},
};

using ScrollBox = TskDataSkinScrollBoxControl;
const TskKeyTable<ScrollBox> kScrollBoxKeys{
    {"bgpictureindex", &ScrollBox::BGPictureIndex, -1},
};

using ListBox = TskDataSkinListBox;
const TskKeyTable<ListBox> kListBoxKeys{
    {"itemrect", &ListBox::SItemRect},
    {"activeitemrect", &ListBox::ActiveItemRect},
    {"focusitemrect", &ListBox::FocusItemRect},
    {"itemleftoffset", &ListBox::ItemLeftOffset},
    {"itemrightoffset", &ListBox::ItemRightOffset},
    {"itemtextrect", &ListBox::ItemTextRect},
    {"fontname", &ListBox::FontName, "Arial"},
    {"fontstyle", &ListBox::FontStyle},
    {"fontheight", &ListBox::FontHeight, 14},
    {"fontcolor", &ListBox::FontColor},
    {"activefontcolor", &ListBox::ActiveFontColor},
    {"focusfontcolor", &ListBox::FocusFontColor},
    {"captionrect", &ListBox::CaptionRect},
    {"captionfontname", &ListBox::CaptionFontName, "Arial"},
    {"captionfontstyle", &ListBox::CaptionFontStyle},
    {"captionfontheight", &ListBox::CaptionFontHeight, 14},
    {"captionfontcolor", &ListBox::CaptionFontColor},
    {"upbuttonrect", &ListBox::UpButtonRect},
    {"activeupbuttonrect", &ListBox::ActiveUpButtonRect},
    {"downupbuttonrect", &ListBox::DownUpButtonRect},
    {"downbuttonrect", &ListBox::DownButtonRect},
    {"activedownbuttonrect", &ListBox::ActiveDownButtonRect},
    {"downdownbuttonrect", &ListBox::DownDownButtonRect},
    {"checkbuttonrect", &ListBox::CheckButtonRect},
    {"activecheckbuttonrect", &ListBox::ActiveCheckButtonRect},
    {"downcheckbuttonrect", &ListBox::DownCheckButtonRect},
    {"hscrollbarname", &ListBox::HScrollBarName, "hscrollbar"},
    {"vscrollbarname", &ListBox::VScrollBarName, "vscrollbar"},
    {"bothhscrollbarname", &ListBox::BothScrollBarName, "bothhscrollbar"},
    {"showfocus", &ListBox::ShowFocus},
    {"disabledbuttonsrect", &ListBox::DisabledButtonsRect},
    {"buttonsarea", &ListBox::ButtonsArea},
};

using ComboBox = TskDataSkinComboBox;
const TskKeyTable<ComboBox> kComboBoxKeys{
    {"itemrect", &ComboBox::SItemRect},
    {"activeitemrect", &ComboBox::ActiveItemRect},
    {"focusitemrect", &ComboBox::FocusItemRect},
    {"itemleftoffset", &ComboBox::ItemLeftOffset},
    {"itemrightoffset", &ComboBox::ItemRightOffset},
    {"itemtextrect", &ComboBox::ItemTextRect},
    {"fontname", &ComboBox::FontName, "Arial"},
    {"fontstyle", &ComboBox::FontStyle},
    {"fontheight", &ComboBox::FontHeight, 14},
    {"fontcolor", &ComboBox::FontColor},
    {"focusfontcolor", &ComboBox::FocusFontColor},
    {"activefontcolor", &ComboBox::ActiveFontColor},
    {"buttonrect", &ComboBox::ButtonRect},
    {"activebuttonrect", &ComboBox::ActiveButtonRect},
    {"downbuttonrect", &ComboBox::DownButtonRect},
    {"unenabledbuttonrect", &ComboBox::UnEnabledButtonRect},
    {"itemstretcheffect", &ComboBox::ItemStretchEffect},
    {"focusitemstretcheffect", &ComboBox::FocusItemStretchEffect},
    {"activeskinrect", &ComboBox::ActiveSkinRect},
    {"listboxname", &ComboBox::ListBoxName},
    {"showfocus", &ComboBox::ShowFocus},
};

using Edit = TskDataSkinEditControl;
const TskKeyTable<Edit> kEditKeys{
    {"activeskinrect", &Edit::ActiveSkinRect},
    {"fontname", &Edit::FontName, "Arial"},
    {"fontstyle", &Edit::FontStyle},
    {"fontheight", &Edit::FontHeight, 14},
    {"fontcolor", &Edit::FontColor},
    {"disabledfontcolor", &Edit::DisabledFontColor},
    {"activefontcolor", &Edit::ActiveFontColor},
    {"buttonrect", &Edit::ButtonRect},
    {"activebuttonrect", &Edit::ActiveButtonRect},
    {"downbuttonrect", &Edit::DownButtonRect},
    {"unenabledbuttonrect", &Edit::UnEnabledButtonRect},
};

using MainMenuBar = TskDataSkinMainMenuBar;
const TskKeyTable<MainMenuBar> kMainMenuBarKeys{
    {"itemsrect", &MainMenuBar::ItemsRect},
    {"menubaritem", &MainMenuBar::MenuBarItem},
    {"closebutton", &MainMenuBar::CloseButton},
    {"maxbutton", &MainMenuBar::MaxButton},
    {"minbutton", &MainMenuBar::MinButton},
    {"sysmenubutton", &MainMenuBar::SysMenuButton},
    {"trackmarkcolor", &MainMenuBar::TrackMarkColor},
    {"trackmarkactivecolor", &MainMenuBar::TrackMarkActiveColor},
    {"stretcheffect", &MainMenuBar::StretchEffect},
    {"itemtransparent", &MainMenuBar::ItemTransparent},
};

using Slider = TskDataSkinSlider;
const TskKeyTable<Slider> kSliderKeys{
    {"hrulerrect", &Slider::HRulerRect},
    {"hthumbrect", &Slider::HThumbRect},
    {"vrulerrect", &Slider::VRulerRect},
    {"vthumbrect", &Slider::VThumbRect},
    {"edgesize", &Slider::EdgeSize},
    {"bgcolor", &Slider::BGColor},
    {"pointscolor", &Slider::PointsColor},
};

using Bevel = TskDataSkinBevel;
const TskKeyTable<Bevel> kBevelKeys{
    {"lightcolor", &Bevel::LightColor},
    {"darkcolor", &Bevel::DarkColor},
};

using TreeView = TskDataSkinTreeView;
const TskKeyTable<TreeView> kTreeViewKeys{
    {"fontname", &TreeView::FontName, "Arial"},
    {"fontstyle", &TreeView::FontStyle},
    {"fontheight", &TreeView::FontHeight, 14},
    {"fontcolor", &TreeView::FontColor},
    {"bgcolor", &TreeView::BGColor},
};

using ListView = TskDataSkinListView;
const TskKeyTable<ListView> kListViewKeys{
    {"fontname", &ListView::FontName, "Arial"},
    {"fontstyle", &ListView::FontStyle},
    {"fontheight", &ListView::FontHeight, 14},
    {"fontcolor", &ListView::FontColor},
    {"bgcolor", &ListView::BGColor},
};

using Tab = TskDataSkinTabControl;
const TskKeyTable<Tab> kTabKeys{
    {"tabrect", &Tab::TabRect},
    {"activetabrect", &Tab::ActiveTabRect},
    {"focustabrect", &Tab::FocusTabRect},
    {"mouseintabrect", &Tab::MouseInTabRect},
    {"clientrect", &Tab::ClRect},
    {"tabsbgrect", &Tab::TabsBGRect},
    {"lefttoppoint", &Tab::LTPoint},
    {"righttoppoint", &Tab::RTPoint},
    {"leftbottompoint", &Tab::LBPoint},
    {"rightbottompoint", &Tab::RBPoint},
    {"tableftoffset", &Tab::TabLeftOffset},
    {"tabrightoffset", &Tab::TabRightOffset},
    {"fontname", &Tab::FontName, "Arial"},
    {"fontstyle", &Tab::FontStyle},
    {"fontheight", &Tab::FontHeight, 14},
    {"fontcolor", &Tab::FontColor},
    {"activefontcolor", &Tab::ActiveFontColor},
    {"focusfontcolor", &Tab::FocusFontColor},
    {"mouseinfontcolor", &Tab::MouseInFontColor},
    {"updown", &Tab::UpDown},
    {"bgpictureindex", &Tab::BGPictureIndex, -1},
    {"tabstretcheffect", &Tab::TabStretchEffect},
    {"showfocus", &Tab::ShowFocus},
    {"focusoffsetx", &Tab::FocusOffsetX},
    {"focusoffsety", &Tab::FocusOffsetY},
    {"leftstretch", &Tab::LeftStretch},
    {"topstretch", &Tab::TopStretch},
    {"rightstretch", &Tab::RightStretch},
    {"bottomstretch", &Tab::BottomStretch},
    {"stretcheffect", &Tab::StretchEffect},
    {"stretchtype", &Tab::StretchType},
    {"closebuttonrect", &Tab::CloseButtonRect},
    {"closebuttonactiverect", &Tab::CloseButtonActiveRect},
    {"closebuttondownrect", &Tab::CloseButtonDownRect},
    {"buttontransparent", &Tab::ButtonTransparent},
    {"buttontransparentcolor", &Tab::ButtonTransparentColor},
};

using StdLabel = TskDataSkinStdLabelControl;
const TskKeyTable<StdLabel> kStdLabelKeys{
    {"fontname", &StdLabel::FontName, "Arial"},
    {"fontstyle", &StdLabel::FontStyle},
    {"fontheight", &StdLabel::FontHeight, 14},
    {"fontcolor", &StdLabel::FontColor},
    {"activefontcolor", &StdLabel::ActiveFontColor, 16711680},
};
} // namespace

ZD_SKIN_KEYS(TskDataSkinButtonControl, TskDataSkinCustomControl, kButtonKeys)
ZD_SKIN_KEYS(TskDataSkinMenuButtonControl, TskDataSkinButtonControl, kMenuButtonKeys)
ZD_SKIN_KEYS(TskDataSkinPanelControl, TskDataSkinCustomControl, kPanelKeys)
ZD_SKIN_KEYS(TskDataSkinCheckRadioControl, TskDataSkinCustomControl, kCheckRadioKeys)
ZD_SKIN_KEYS(TskDataSkinScrollBarControl, TskDataSkinCustomControl, kScrollBarKeys)
ZD_SKIN_KEYS(TskDataSkinSplitterControl, TskDataSkinCustomControl, kSplitterKeys)
ZD_SKIN_KEYS(TskDataSkinScrollBoxControl, TskDataSkinCustomControl, kScrollBoxKeys)
ZD_SKIN_KEYS(TskDataSkinListBox, TskDataSkinCustomControl, kListBoxKeys)
ZD_SKIN_KEYS(TskDataSkinComboBox, TskDataSkinCustomControl, kComboBoxKeys)
ZD_SKIN_KEYS(TskDataSkinEditControl, TskDataSkinCustomControl, kEditKeys)
ZD_SKIN_KEYS(TskDataSkinMainMenuBar, TskDataSkinControl, kMainMenuBarKeys)
ZD_SKIN_KEYS(TskDataSkinSlider, TskDataSkinControl, kSliderKeys)
ZD_SKIN_KEYS(TskDataSkinBevel, TskDataSkinControl, kBevelKeys)
ZD_SKIN_KEYS(TskDataSkinTreeView, TskDataSkinControl, kTreeViewKeys)
ZD_SKIN_KEYS(TskDataSkinListView, TskDataSkinControl, kListViewKeys)
ZD_SKIN_KEYS(TskDataSkinTabControl, TskDataSkinControl, kTabKeys)
ZD_SKIN_KEYS(TskDataSkinStdLabelControl, TskDataSkinControl, kStdLabelKeys)

// The up-down keeps no nine-slice geometry, whatever its section holds.
void TskDataSkinUpDownControl::LoadFromFile(const TskMemIniFile& IniFile)
{
    TskDataSkinCustomControl::LoadFromFile(IniFile);
    kUpDownKeys.Read(IniFile, IDName, *this);
    LTPoint = RTPoint = LBPoint = RBPoint = POINT{};
    ClRect = RECT{};
}

void TskDataSkinUpDownControl::SaveToFile(TskMemIniFile& IniFile) const
{
    TskDataSkinCustomControl::SaveToFile(IniFile);
    for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
        WritePointValue(IniFile, IDName, key, POINT{});
    WriteRectValue(IniFile, IDName, "clientrect", RECT{});
    kUpDownKeys.Write(IniFile, IDName, *this);
}
