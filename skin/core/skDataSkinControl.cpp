#include "skin/core/skDataSkinControl.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"


namespace {

using C = TskDataSkinControl;
const TskKeyTable<C> kControlKeys{
    {"pictureindex", &C::PictureIndex, -1},
    {"maskpictureindex", &C::MaskPictureIndex, -1},
    {"skinrect", &C::SkinRect},
};

using CC = TskDataSkinCustomControl;
const TskKeyTable<CC> kCustomControlKeys{
    {"lefttoppoint", &CC::LTPoint},
    {"righttoppoint", &CC::RTPoint},
    {"leftbottompoint", &CC::LBPoint},
    {"rightbottompoint", &CC::RBPoint},
    {"clientrect", &CC::ClRect},
    {"stretcheffect", &CC::StretchEffect},
    {"stretchtype", &CC::StretchType},
    {"leftstretch", &CC::LeftStretch},
    {"topstretch", &CC::TopStretch},
    {"rightstretch", &CC::RightStretch},
    {"bottomstretch", &CC::BottomStretch},
};

template <class T>
std::unique_ptr<TskDataSkinControl> Make(const std::string& idName)
{
    return std::make_unique<T>(idName);
}

struct KindEntry {
    const char* Word;
    std::unique_ptr<TskDataSkinControl> (*Create)(const std::string&);
};

} // namespace

void TskDataSkinControl::LoadFromFile(const TskMemIniFile& IniFile)
{
    kControlKeys.Read(IniFile, IDName, *this);
}

void TskDataSkinControl::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection(IDName);
    kControlKeys.Write(IniFile, IDName, *this);
}

ZD_SKIN_KEYS(TskDataSkinCustomControl, TskDataSkinControl, kCustomControlKeys)

std::unique_ptr<TskDataSkinControl> CreateSkinControl(const std::string& kind, const std::string& idName)
{
    static const KindEntry kinds[] = {
        {"button", Make<TskDataSkinButtonControl>},
        {"menubutton", Make<TskDataSkinMenuButtonControl>},
        {"panel", Make<TskDataSkinPanelControl>},
        {"checkradio", Make<TskDataSkinCheckRadioControl>},
        {"scrollbar", Make<TskDataSkinScrollBarControl>},
        {"updown", Make<TskDataSkinUpDownControl>},
        {"splitter", Make<TskDataSkinSplitterControl>},
        {"scrollbox", Make<TskDataSkinScrollBoxControl>},
        {"listbox", Make<TskDataSkinListBox>},
        {"combobox", Make<TskDataSkinComboBox>},
        {"edit", Make<TskDataSkinEditControl>},
        {"mainmenubar", Make<TskDataSkinMainMenuBar>},
        {"slider", Make<TskDataSkinSlider>},
        {"bevel", Make<TskDataSkinBevel>},
        {"treeview", Make<TskDataSkinTreeView>},
        {"listview", Make<TskDataSkinListView>},
        {"tab", Make<TskDataSkinTabControl>},
        {"stdlabel", Make<TskDataSkinStdLabelControl>},
        {"label", Make<TskDataSkinLabelControl>},
        {"checklistbox", Make<TskDataSkinCheckListBox>},
        {"memo", Make<TskDataSkinMemoControl>},
        {"spinedit", Make<TskDataSkinSpinEditControl>},
        {"gauge", Make<TskDataSkinGaugeControl>},
        {"trackbar", Make<TskDataSkinTrackBarControl>},
        {"expanel", Make<TskDataSkinExPanelControl>},
        {"controlbar", Make<TskDataSkinControlBar>},
        {"grid", Make<TskDataSkinGridControl>},
        {"richedit", Make<TskDataSkinRichEdit>},
    };
    for (const auto& [word, create] : kinds)
        if (kind == word)
            return create(idName);
    return nullptr;
}
