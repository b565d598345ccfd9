#include "skin/core/skDataSkinExtraControls.h"

namespace {

using Label = TskDataSkinLabelControl;
const TskKeyTable<Label> kLabelKeys{
    {"fontname", &Label::FontName, "Arial"},
    {"fontstyle", &Label::FontStyle},
    {"fontheight", &Label::FontHeight, 14},
    {"fontcolor", &Label::FontColor},
};

using CheckListBox = TskDataSkinCheckListBox;
const TskKeyTable<CheckListBox> kCheckListBoxKeys{
    {"uncheckimagerect", &CheckListBox::UnCheckImageRect},
    {"checkimagerect", &CheckListBox::CheckImageRect},
    {"itemcheckrect", &CheckListBox::ItemCheckRect},
};

using Memo = TskDataSkinMemoControl;
const TskKeyTable<Memo> kMemoKeys{
    {"bgcolor", &Memo::BGColor},
    {"activebgcolor", &Memo::ActiveBGColor},
};

using SpinEdit = TskDataSkinSpinEditControl;
const TskKeyTable<SpinEdit> kSpinEditKeys{
    {"activeskinrect", &SpinEdit::ActiveSkinRect},
    {"fontname", &SpinEdit::FontName, "Arial"},
    {"fontstyle", &SpinEdit::FontStyle},
    {"fontheight", &SpinEdit::FontHeight, 14},
    {"fontcolor", &SpinEdit::FontColor},
    {"activefontcolor", &SpinEdit::ActiveFontColor},
    {"disabledfontcolor", &SpinEdit::DisabledFontColor},
    {"upbuttonrect", &SpinEdit::UpButtonRect},
    {"activeupbuttonrect", &SpinEdit::ActiveUpButtonRect},
    {"downupbuttonrect", &SpinEdit::DownUpButtonRect},
    {"downbuttonrect", &SpinEdit::DownButtonRect},
    {"activedownbuttonrect", &SpinEdit::ActiveDownButtonRect},
    {"downdownbuttonrect", &SpinEdit::DownDownButtonRect},
};

using Gauge = TskDataSkinGaugeControl;
const TskKeyTable<Gauge> kGaugeKeys{
    {"progressarea", &Gauge::ProgressArea},
    {"progressrect", &Gauge::ProgressRect},
    {"vertical", &Gauge::Vertical},
    {"beginoffset", &Gauge::BeginOffset},
    {"endoffset", &Gauge::EndOffset},
    {"fontname", &Gauge::FontName, "Arial"},
    {"fontstyle", &Gauge::FontStyle},
    {"fontheight", &Gauge::FontHeight, 14},
    {"fontcolor", &Gauge::FontColor},
    {"progresstransparent", &Gauge::ProgressTransparent},
    {"progresstransparentcolor", &Gauge::ProgressTransparentColor},
    {"progressstretch", &Gauge::ProgressStretch},
    {"animationskinrect", &Gauge::AnimationSkinRect},
    {"animationcountframes", &Gauge::AnimationCountFrames},
    {"animationtimerinterval", &Gauge::AnimationTimerInterval},
    {"progressanimationskinrect", &Gauge::ProgressAnimationSkinRect},
    {"progressanimationcountframes", &Gauge::ProgressAnimationCountFrames},
    {"progressanimationtimerinterval", &Gauge::ProgressAnimationTimerInterval},
    {"animationbeginoffset", &Gauge::AnimationBeginOffset},
    {"animationendoffset", &Gauge::AnimationEndOffset},
};

using TrackBar = TskDataSkinTrackBarControl;
const TskKeyTable<TrackBar> kTrackBarKeys{
    {"activeskinrect", &TrackBar::ActiveSkinRect},
    {"trackarea", &TrackBar::TrackArea},
    {"buttonrect", &TrackBar::ButtonRect},
    {"activebuttonrect", &TrackBar::ActiveButtonRect},
    {"vertical", &TrackBar::Vertical},
    {"buttontransparent", &TrackBar::ButtonTransparent},
    {"buttontransparentcolor", &TrackBar::ButtonTransparentColor},
};

using ExPanel = TskDataSkinExPanelControl;
const TskKeyTable<ExPanel> kExPanelKeys{
    {"rollhskinrect", &ExPanel::RollHSkinRect},
    {"rollvskinrect", &ExPanel::RollVSkinRect},
    {"rollleftoffset", &ExPanel::RollLeftOffset},
    {"rollrightoffset", &ExPanel::RollRightOffset},
    {"rolltopoffset", &ExPanel::RollTopOffset},
    {"rollbottomoffset", &ExPanel::RollBottomOffset},
    {"rollvcaptionrect", &ExPanel::RollVCaptionRect},
    {"rollhcaptionrect", &ExPanel::RollHCaptionRect},
    {"closebuttonrect", &ExPanel::CloseButtonRect},
    {"closebuttonactiverect", &ExPanel::CloseButtonActiveRect},
    {"closebuttondownrect", &ExPanel::CloseButtonDownRect},
    {"hrollbuttonrect", &ExPanel::HRollButtonRect},
    {"hrollbuttonactiverect", &ExPanel::HRollButtonActiveRect},
    {"hrollbuttondownrect", &ExPanel::HRollButtonDownRect},
    {"hrestorebuttonrect", &ExPanel::HRestoreButtonRect},
    {"hrestorebuttonactiverect", &ExPanel::HRestoreButtonActiveRect},
    {"hrestorebuttondownrect", &ExPanel::HRestoreButtonDownRect},
    {"vrollbuttonrect", &ExPanel::VRollButtonRect},
    {"vrollbuttonactiverect", &ExPanel::VRollButtonActiveRect},
    {"vrollbuttondownrect", &ExPanel::VRollButtonDownRect},
    {"vrestorebuttonrect", &ExPanel::VRestoreButtonRect},
    {"vrestorebuttonactiverect", &ExPanel::VRestoreButtonActiveRect},
    {"vrestorebuttondownrect", &ExPanel::VRestoreButtonDownRect},
    {"captionrect", &ExPanel::CaptionRect},
    {"fontname", &ExPanel::FontName, "Arial"},
    {"fontstyle", &ExPanel::FontStyle},
    {"fontheight", &ExPanel::FontHeight, 14},
    {"fontcolor", &ExPanel::FontColor},
    {"buttonstransparent", &ExPanel::ButtonsTransparent},
    {"buttonstransparentcolor", &ExPanel::ButtonsTransparentColor},
};

using ControlBar = TskDataSkinControlBar;
const TskKeyTable<ControlBar> kControlBarKeys{
    {"itemrect", &ControlBar::ItemRect},
    {"bgpictureindex", &ControlBar::BGPictureIndex, -1},
    {"hgriprect", &ControlBar::HGripRect},
    {"vgriprect", &ControlBar::VGripRect},
    {"gripoffset1", &ControlBar::GripOffset1},
    {"gripoffset2", &ControlBar::GripOffset2},
    {"itemstretcheffect", &ControlBar::ItemStretchEffect},
    {"itemoffset1", &ControlBar::ItemOffset1, 3},
    {"itemoffset2", &ControlBar::ItemOffset2, 3},
    {"itemtransparent", &ControlBar::ItemTransparent},
    {"itemtransparentcolor", &ControlBar::ItemTransparentColor},
    {"griptransparent", &ControlBar::GripTransparent},
    {"griptransparentcolor", &ControlBar::GripTransparentColor},
};

using Grid = TskDataSkinGridControl;
const TskKeyTable<Grid> kGridKeys{
    {"fixedcellrect", &Grid::FixedCellRect},
    {"selectcellrect", &Grid::SelectCellRect},
    {"focuscellrect", &Grid::FocusCellRect},
    {"fixedcellleftoffset", &Grid::FixedCellLeftOffset},
    {"fixedcellrightoffset", &Grid::FixedCellRightOffset},
    {"fixedcelltextrect", &Grid::FixedCellTextRect},
    {"cellleftoffset", &Grid::CellLeftOffset},
    {"cellrightoffset", &Grid::CellRightOffset},
    {"celltextrect", &Grid::CellTextRect},
    {"linescolor", &Grid::LinesColor},
    {"bgcolor", &Grid::BGColor},
    {"fontname", &Grid::FontName, "Arial"},
    {"fontstyle", &Grid::FontStyle},
    {"fontheight", &Grid::FontHeight, 14},
    {"fontcolor", &Grid::FontColor},
    {"selectfontcolor", &Grid::SelectFontColor},
    {"focusfontcolor", &Grid::FocusFontColor},
    {"fixedfontname", &Grid::FixedFontName, "Arial"},
    {"fixedfontstyle", &Grid::FixedFontStyle},
    {"fixedfontheight", &Grid::FixedFontHeight, 14},
    {"fixedfontcolor", &Grid::FixedFontColor},
    {"fixedcellstretcheffect", &Grid::FixedCellStretchEffect},
    {"cellstretcheffect", &Grid::CellStretchEffect},
    {"showfocus", &Grid::ShowFocus},
    {"bgpictureindex", &Grid::BGPictureIndex, -1},
};

using RichEdit = TskDataSkinRichEdit;
const TskKeyTable<RichEdit> kRichEditKeys{
    {"fontname", &RichEdit::FontName, "Arial"},
    {"fontstyle", &RichEdit::FontStyle},
    {"fontheight", &RichEdit::FontHeight, 14},
    {"fontcolor", &RichEdit::FontColor},
    {"bgcolor", &RichEdit::BGColor},
};
} // namespace

ZD_SKIN_KEYS(TskDataSkinLabelControl, TskDataSkinCustomControl, kLabelKeys)
ZD_SKIN_KEYS(TskDataSkinCheckListBox, TskDataSkinListBox, kCheckListBoxKeys)
ZD_SKIN_KEYS(TskDataSkinMemoControl, TskDataSkinEditControl, kMemoKeys)
ZD_SKIN_KEYS(TskDataSkinSpinEditControl, TskDataSkinCustomControl, kSpinEditKeys)
ZD_SKIN_KEYS(TskDataSkinGaugeControl, TskDataSkinCustomControl, kGaugeKeys)
ZD_SKIN_KEYS(TskDataSkinTrackBarControl, TskDataSkinCustomControl, kTrackBarKeys)
ZD_SKIN_KEYS(TskDataSkinExPanelControl, TskDataSkinCustomControl, kExPanelKeys)
ZD_SKIN_KEYS(TskDataSkinControlBar, TskDataSkinCustomControl, kControlBarKeys)
ZD_SKIN_KEYS(TskDataSkinGridControl, TskDataSkinControl, kGridKeys)
ZD_SKIN_KEYS(TskDataSkinRichEdit, TskDataSkinControl, kRichEditKeys)
