#include "skin/core/skDataSkinObjects.h"

#include "platform/win/Rect.h"

namespace {

using Obj = TskDataSkinObject;
const TskKeyTable<Obj> kObjKeys{
    {"hint", &Obj::Hint},
    {"skinrectinapicture", &Obj::SkinRectInAPicture},
    {"skinrect", &Obj::SkinRect},
    {"activeskinrect", &Obj::ActiveSkinRect},
    {"activepictureindex", &Obj::ActivePictureIndex, -1},
    {"activemaskpictureindex", &Obj::ActiveMaskPictureIndex, -1},
    {"inactiveskinrect", &Obj::InActiveSkinRect},
    {"morphing", &Obj::Morphing},
    {"morphkind", &Obj::MorphKind},
    {"glowlayerpictureindex", &Obj::GlowLayerPictureIndex, -1},
    {"glowlayermaskpictureindex", &Obj::GlowLayerMaskPictureIndex, -1},
    {"glowlayeroffsetx", &Obj::GlowLayerOffsetX},
    {"glowlayeroffsety", &Obj::GlowLayerOffsetY},
    {"glowlayeralphablendvalue", &Obj::GlowLayerAlphaBlendValue, 255},
};

using Button = TskDataSkinButton;
const TskKeyTable<Button> kButtonKeys{
    {"downrect", &Button::DownRect},
    {"disableskinrsect", &Button::DisableSkinRect},
};

using StdButton = TskDataSkinStdButton;
const TskKeyTable<StdButton> kStdButtonKeys{
    {"command", &StdButton::Command},
    {"restorehint", &StdButton::RestoreHint},
    {"restorerect", &StdButton::RestoreRect},
    {"restoreactiverect", &StdButton::RestoreActiveRect},
    {"restoredownrect", &StdButton::RestoreDownRect},
    {"restoreinactiverect", &StdButton::RestoreInActiveRect},
};

using Animate = TskDataSkinAnimate;
const TskKeyTable<Animate> kAnimateKeys{
    {"countframes", &Animate::CountFrames, 1},
    {"cycle", &Animate::Cycle},
    {"buttonstyle", &Animate::ButtonStyle},
    {"timerinterval", &Animate::TimerInterval, 50},
    {"command", &Animate::Command},
    {"downskinrect", &Animate::DownSkinRect},
    {"restorehint", &Animate::RestoreHint},
    {"restorerect", &Animate::RestoreRect},
    {"restoreactiverect", &Animate::RestoreActiveRect},
    {"restoredownrect", &Animate::RestoreDownRect},
    {"restoreinactiverect", &Animate::RestoreInActiveRect},
};

using Caption = TskDataSkinCaption;
const TskKeyTable<Caption> kCaptionKeys{
    {"fontname", &Caption::FontName, "Arial"},
    {"fontheight", &Caption::FontHeight, 14},
    {"fontstyle", &Caption::FontStyle},
    {"fontcolor", &Caption::FontColor},
    {"activefontcolor", &Caption::ActiveFontColor},
    {"shadowcolor", &Caption::ShadowColor},
    {"activeshadowcolor", &Caption::ActiveShadowColor},
    {"shadow", &Caption::Shadow},
    {"alignment", &Caption::Alignment},
    {"textrect", &Caption::TextRct},
    {"framerect", &Caption::FrameRect},
    {"activeframerect", &Caption::ActiveFrameRect},
    {"frameleftoffset", &Caption::FrameLeftOffset},
    {"framerightoffset", &Caption::FrameRightOffset},
    {"frametextrect", &Caption::FrameTextRect},
    {"light", &Caption::Light},
    {"lightcolor", &Caption::LightColor},
    {"activelightcolor", &Caption::ActiveLightColor},
    {"stretcheffect", &Caption::StretchEffect},
    {"animateskinrect", &Caption::AnimateSkinRect},
    {"framecount", &Caption::FrameCount},
    {"animateinterval", &Caption::AnimateInterval, 25},
    {"inactiveanimation", &Caption::InActiveAnimation},
    {"fullframe", &Caption::FullFrame},
    {"gloweffect", &Caption::GlowEffect},
    {"vistagloweffect", &Caption::VistaGlowEffect},
    {"vistaglowinactiveeffect", &Caption::VistaGlowInActiveEffect},
    {"glowinactiveeffect", &Caption::GlowInActiveEffect},
    {"glowsize", &Caption::GlowSize, 3},
    {"glowcolor", &Caption::GlowColor},
    {"glowactivecolor", &Caption::GlowActiveColor},
    {"glowoffset", &Caption::GlowOffset},
    {"reflectioneffect", &Caption::ReflectionEffect},
    {"reflactioncolor", &Caption::ReflectionColor},
    {"reflactionactivecolor", &Caption::ReflectionActiveColor},
    {"reflectionoffset", &Caption::ReflectionOffset},
};

using MenuItem = TskDataSkinMenuItem;
const TskKeyTable<MenuItem> kMenuItemKeys{
    {"dividerrect", &MenuItem::DividerRect},
    {"dividerleftoffset", &MenuItem::DividerLO},
    {"dividerrightoffset", &MenuItem::DividerRO},
    {"itemleftoffset", &MenuItem::ItemLO},
    {"itemrightoffset", &MenuItem::ItemRO},
    {"fontname", &MenuItem::FontName, "Arial"},
    {"fontheight", &MenuItem::FontHeight, 14},
    {"fontstyle", &MenuItem::FontStyle},
    {"unenabledfontcolor", &MenuItem::UnEnabledFontColor},
    {"fontcolor", &MenuItem::FontColor},
    {"activefontcolor", &MenuItem::ActiveFontColor},
    {"textrect", &MenuItem::TextRct},
    {"imagerect", &MenuItem::ImageRct},
    {"useimagecolor", &MenuItem::UseImageColor},
    {"imagecolor", &MenuItem::ImageColor},
    {"activeimagecolor", &MenuItem::ActiveImageColor},
    {"stretcheffect", &MenuItem::StretchEffect},
    {"dividerstretcheffect", &MenuItem::DividerStretchEffect},
    {"inactivestretcheffect", &MenuItem::InActiveStretchEffect},
    {"animateskinrect", &MenuItem::AnimateSkinRect},
    {"framecount", &MenuItem::FrameCount},
    {"animateinterval", &MenuItem::AnimateInterval, 25},
    {"inactiveanimation", &MenuItem::InActiveAnimation},
    {"inactivetransparent", &MenuItem::InActiveTransparent},
    {"checkimagerect", &MenuItem::CheckImageRect},
    {"activecheckimagerect", &MenuItem::ActiveCheckImageRect},
    {"radioimagerect", &MenuItem::RadioImageRect},
    {"activeradioimagerect", &MenuItem::ActiveRadioImageRect},
    {"arrowimagerect", &MenuItem::ArrowImageRect},
    {"activearrowimagerect", &MenuItem::ActiveArrowImageRect},
};

using MainMenuItem = TskDataSkinMainMenuItem;
const TskKeyTable<MainMenuItem> kMainMenuItemKeys{
    {"downrect", &MainMenuItem::DownRect},
    {"fontname", &MainMenuItem::FontName, "Arial"},
    {"fontheight", &MainMenuItem::FontHeight, 14},
    {"fontstyle", &MainMenuItem::FontStyle},
    {"fontcolor", &MainMenuItem::FontColor},
    {"activefontcolor", &MainMenuItem::ActiveFontColor},
    {"downfontcolor", &MainMenuItem::DownFontColor},
    {"unenabledfontColor", &MainMenuItem::UnEnabledFontColor},
    {"textrect", &MainMenuItem::TextRct},
    {"itemleftoffset", &MainMenuItem::ItemLO},
    {"itemrightoffset", &MainMenuItem::ItemRO},
    {"stretcheffect", &MainMenuItem::StretchEffect},
    {"animateskinrect", &MainMenuItem::AnimateSkinRect},
    {"framecount", &MainMenuItem::FrameCount},
    {"animateinterval", &MainMenuItem::AnimateInterval, 25},
    {"inactiveanimation", &MainMenuItem::InActiveAnimation},
};

using User = TskDataUserObject;
const TskKeyTable<User> kUserKeys{
    {"skinrect", &User::SkinRect},
};

// A maximise, minimise or roll-up button whose skin gives no restore hint shows "Restore" once the
// window is in that state.
std::string RestoreHintFor(const std::string& restoreHint, const std::string& hint, TskStdCommand command)
{
    if (!restoreHint.empty())
        return restoreHint;
    if ((hint == "Maximize" && command == cmMaximize) || (hint == "Minimize" && command == cmMinimize) ||
        ((hint == "RollUp" || hint == "Roll Up") && command == cmRollUp))
        return "Restore";
    return restoreHint;
}

void TakeIfEmpty(RECT& active, const RECT& normal)
{
    if (IsRectEmpty(&active))
        active = normal;
}

template <class T>
std::unique_ptr<TskDataSkinObject> Make(const std::string& idName)
{
    return std::make_unique<T>(idName);
}

struct KindEntry {
    const char* Word;
    std::unique_ptr<TskDataSkinObject> (*Create)(const std::string&);
};

} // namespace

void TskDataSkinObject::LoadFromFile(const TskMemIniFile& IniFile)
{
    kObjKeys.Read(IniFile, IDName, *this);
}

void TskDataSkinObject::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection(IDName);
    kObjKeys.Write(IniFile, IDName, *this);
}

ZD_SKIN_KEYS(TskDataSkinButton, TskDataSkinObject, kButtonKeys)
ZD_SKIN_KEYS(TskDataSkinCaption, TskDataSkinObject, kCaptionKeys)
ZD_SKIN_KEYS(TskDataSkinMainMenuItem, TskDataSkinObject, kMainMenuItemKeys)

void TskDataSkinStdButton::LoadFromFile(const TskMemIniFile& IniFile)
{
    TskDataSkinButton::LoadFromFile(IniFile);
    kStdButtonKeys.Read(IniFile, IDName, *this);
    RestoreHint = RestoreHintFor(RestoreHint, Hint, Command);
}

void TskDataSkinStdButton::SaveToFile(TskMemIniFile& IniFile) const
{
    TskDataSkinButton::SaveToFile(IniFile);
    kStdButtonKeys.Write(IniFile, IDName, *this);
}

void TskDataSkinAnimate::LoadFromFile(const TskMemIniFile& IniFile)
{
    TskDataSkinObject::LoadFromFile(IniFile);
    kAnimateKeys.Read(IniFile, IDName, *this);
    RestoreHint = RestoreHintFor(RestoreHint, Hint, Command);
}

void TskDataSkinAnimate::SaveToFile(TskMemIniFile& IniFile) const
{
    TskDataSkinObject::SaveToFile(IniFile);
    kAnimateKeys.Write(IniFile, IDName, *this);
}

void TskDataSkinMenuItem::LoadFromFile(const TskMemIniFile& IniFile)
{
    TskDataSkinObject::LoadFromFile(IniFile);
    kMenuItemKeys.Read(IniFile, IDName, *this);
    TakeIfEmpty(ActiveCheckImageRect, CheckImageRect);
    TakeIfEmpty(ActiveRadioImageRect, RadioImageRect);
    TakeIfEmpty(ActiveArrowImageRect, ArrowImageRect);
}

void TskDataSkinMenuItem::SaveToFile(TskMemIniFile& IniFile) const
{
    TskDataSkinObject::SaveToFile(IniFile);
    kMenuItemKeys.Write(IniFile, IDName, *this);
}

void TskDataUserObject::LoadFromFile(const TskMemIniFile& IniFile)
{
    kUserKeys.Read(IniFile, IDName, *this);
}

void TskDataUserObject::SaveToFile(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection(IDName);
    kUserKeys.Write(IniFile, IDName, *this);
}

std::unique_ptr<TskDataSkinObject> CreateSkinObject(const std::string& kind, const std::string& idName)
{
    static const KindEntry kinds[] = {
        {"menuitem", Make<TskDataSkinMenuItem>},
        {"mainmenubaritem", Make<TskDataSkinMainMenuBarItem>},
        {"stdbutton", Make<TskDataSkinStdButton>},
        {"mainmenubarbutton", Make<TskDataSkinMainMenuBarButton>},
        {"button", Make<TskDataSkinButton>},
        {"caption", Make<TskDataSkinCaption>},
        {"animate", Make<TskDataSkinAnimate>},
        {"userobject", Make<TskDataUserObject>},
    };
    for (const auto& [word, create] : kinds)
        if (kind == word)
            return create(idName);
    return nullptr;
}
