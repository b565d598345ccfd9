#include "skin/core/skSkinContent.h"

#include <algorithm>

class TskFormInfoKeys {
public:
    using F = TskSkinContent;
    static const TskKeyTable<F>& Table()
    {
        static const TskKeyTable<F> keys{
            {"lefttoppoint", &F::LTPoint},
            {"righttoppoint", &F::RTPoint},
            {"leftbottompoint", &F::LBPoint},
            {"rightbottompoint", &F::RBPoint},
            {"clientrect", &F::ClRect},
            {"bgpictureindex", &F::BGPictureIndex, -1},
            {"mdibgpictureindex", &F::MDIBGPictureIndex, -1},
            {"leftstretch", &F::LeftStretch},
            {"rightstretch", &F::RightStretch},
            {"topstretch", &F::TopStretch},
            {"bottomstretch", &F::BottomStretch},
            {"stretcheffect", &F::StretchEffect},
            {"stretchtype", &F::StretchType},
            {"mdibgstretcheffect", &F::MDIBGStretchEffect},
            {"mdibgstretchtype", &F::MDIBGStretchType},
            {"maskrectarea", &F::MaskRectArea},
            {"hittestlefttoppoint", &F::HitTestLTPoint},
            {"hittestrighttoppoint", &F::HitTestRTPoint},
            {"hittestleftbottompoint", &F::HitTestLBPoint},
            {"hittestrightbottompoint", &F::HitTestRBPoint},
            {"buttonsrect", &F::ButtonsRect},
            {"captionrect", &F::CaptionRect},
            {"buttonsoffset", &F::ButtonsOffset},
            {"buttonsinleft", &F::CapButtonsInLeft},
            {"mainmenupopupup", &F::MainMenuPopupUp},
            {"borderwidth", &F::BorderW},
            {"formminwidth", &F::FormMinWidth},
            {"mditabstransparent", &F::MDITabsTransparent},
            {"mainmenubartransparent", &F::MainMenuBarTransparent},
            {"autorenderinginactiveimage", &F::AutoRenderingInActiveImage},
            {"inactiveeffect", &F::InActiveEffect},
        };
        return keys;
    }
};

namespace {

void TakeCornerIfUnset(POINT& hitTest, const POINT& corner)
{
    if (hitTest.x == 0 || hitTest.y == 0)
        hitTest = corner;
}

} // namespace

TskSkinContent::TskSkinContent()
    : FPicture(std::make_unique<TBitmap>()),
      FInActivePicture(std::make_unique<TBitmap>()),
      FMask(std::make_unique<TBitmap>()),
      PopupWindow(std::make_unique<TskDataSkinPopupWindow>()),
      LayerFrame(std::make_unique<TskDataSkinLayerFrame>()),
      HintWindow(std::make_unique<TskDataSkinHintWindow>()),
      FSkinColors(std::make_unique<TskSkinColors>())
{
}

TskSkinContent::TskSkinContent(TskSkinContent&&) noexcept = default;
TskSkinContent& TskSkinContent::operator=(TskSkinContent&&) noexcept = default;
TskSkinContent::~TskSkinContent() = default;

void TskSkinContent::ReadSkinIni(const TskMemIniFile& IniFile)
{
    SkinName = IniFile.ReadString("VERSION", "skinname", "");
    SkinAuthor = IniFile.ReadString("VERSION", "skinauthor", "");
    AuthorEmail = IniFile.ReadString("VERSION", "authoremail", "");
    AuthorURL = IniFile.ReadString("VERSION", "authorurl", "");
    SkinComments = IniFile.ReadString("VERSION", "skincomments", "");
    FPictureName = IniFile.ReadString("PICTURES", "picture", "");
    FInActivePictureName = IniFile.ReadString("PICTURES", "inactivepicture", "");
    FMaskName = IniFile.ReadString("PICTURES", "mask", "");
    FActivePicturesNames.clear();
    ReadStringListValue(IniFile, "PICTURES", "activepictures", FActivePicturesNames);

    ReadFormInfo(IniFile);
    PopupWindow->LoadFromFile(IniFile);
    LayerFrame->LoadFromFile(IniFile);
    HintWindow->LoadFromFile(IniFile);
    FSkinColors->SetColorsToDefault();
    FSkinColors->LoadFromFile(IniFile);
    ReadSkinObjects(IniFile);
    ReadSkinControls(IniFile);
}

void TskSkinContent::ReadFormInfo(const TskMemIniFile& IniFile)
{
    TskFormInfoKeys::Table().Read(IniFile, "FORMINFO", *this);

    // A mask's region covers at least the client area; unset hit-test corners are the corners.
    if (!FMaskName.empty()) {
        if (MaskRectArea.right <= MaskRectArea.left || MaskRectArea.bottom <= MaskRectArea.top) {
            MaskRectArea = ClRect;
        } else {
            MaskRectArea.left = std::min(MaskRectArea.left, ClRect.left);
            MaskRectArea.top = std::min(MaskRectArea.top, ClRect.top);
            MaskRectArea.right = std::max(MaskRectArea.right, ClRect.right);
            MaskRectArea.bottom = std::max(MaskRectArea.bottom, ClRect.bottom);
        }
        TakeCornerIfUnset(HitTestLTPoint, LTPoint);
        TakeCornerIfUnset(HitTestRTPoint, RTPoint);
        TakeCornerIfUnset(HitTestLBPoint, LBPoint);
        TakeCornerIfUnset(HitTestRBPoint, RBPoint);
    }

    // With nine-slice geometry the corner points lie inside the client rectangle.
    if (RBPoint.x != LTPoint.x && RBPoint.y != LTPoint.y) {
        LTPoint.x = std::max(LTPoint.x, ClRect.left);
        LTPoint.y = std::max(LTPoint.y, ClRect.top);
        RTPoint.x = std::min(RTPoint.x, ClRect.right);
        RTPoint.y = std::max(RTPoint.y, ClRect.top);
        LBPoint.x = std::max(LBPoint.x, ClRect.left);
        LBPoint.y = std::min(LBPoint.y, ClRect.bottom);
        RBPoint.x = std::min(RBPoint.x, ClRect.right);
        RBPoint.y = std::min(RBPoint.y, ClRect.bottom);
    }
}

void TskSkinContent::WriteFormInfo(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("FORMINFO");
    TskFormInfoKeys::Table().Write(IniFile, "FORMINFO", *this);
}

void TskSkinContent::ReadSkinObjects(const TskMemIniFile& IniFile)
{
    ObjectList.clear();
    const int count = NumberedKeyLimit(IniFile, "SKINOBJECTS", IniFile.ReadInteger("SKINOBJECTS", "count", 0));
    for (int i = 0; i < count; ++i) {
        std::string name, kind;
        SplitSkinEntry(IniFile.ReadString("SKINOBJECTS", std::to_string(i), ""), name, kind);
        if (auto d = CreateSkinObject(kind, name)) {
            d->LoadFromFile(IniFile);
            ObjectList.push_back(std::move(d));
        }
    }
}

void TskSkinContent::ReadSkinControls(const TskMemIniFile& IniFile)
{
    CtrlList.clear();
    const int count = NumberedKeyLimit(IniFile, "SKINCONTROLS", IniFile.ReadInteger("SKINCONTROLS", "count", 0));
    for (int i = 0; i < count; ++i) {
        std::string name, kind;
        SplitSkinEntry(IniFile.ReadString("SKINCONTROLS", std::to_string(i), ""), name, kind);
        if (auto d = CreateSkinControl(kind, name)) {
            d->LoadFromFile(IniFile);
            CtrlList.push_back(std::move(d));
        }
    }
}

void TskSkinContent::WriteSkinObjects(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("SKINOBJECTS");
    IniFile.WriteInteger("SKINOBJECTS", "count", static_cast<int>(ObjectList.size()));
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        IniFile.WriteString("SKINOBJECTS", std::to_string(i), ObjectList[i]->IDName + ":" + ObjectList[i]->Kind());
        ObjectList[i]->SaveToFile(IniFile);
    }
}

void TskSkinContent::WriteSkinControls(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("SKINCONTROLS");
    IniFile.WriteInteger("SKINCONTROLS", "count", static_cast<int>(CtrlList.size()));
    for (std::size_t i = 0; i < CtrlList.size(); ++i) {
        IniFile.WriteString("SKINCONTROLS", std::to_string(i), CtrlList[i]->IDName + ":" + CtrlList[i]->Kind());
        CtrlList[i]->SaveToFile(IniFile);
    }
}

void TskSkinContent::WriteSkinIni(TskMemIniFile& IniFile) const
{
    IniFile.EraseSection("VERSION");
    IniFile.WriteInteger("VERSION", "ver", 1);
    IniFile.WriteString("VERSION", "skinname", SkinName);
    IniFile.WriteString("VERSION", "skinauthor", SkinAuthor);
    IniFile.WriteString("VERSION", "authoremail", AuthorEmail);
    IniFile.WriteString("VERSION", "authorurl", AuthorURL);
    IniFile.WriteString("VERSION", "skincomments", SkinComments);

    IniFile.EraseSection("PICTURES");
    IniFile.WriteString("PICTURES", "picture", FPictureName);
    IniFile.WriteString("PICTURES", "inactivepicture", FInActivePictureName);
    IniFile.WriteString("PICTURES", "mask", FMaskName);
    WriteStringListValue(IniFile, "PICTURES", "activepictures", FActivePicturesNames);

    WriteFormInfo(IniFile);
    PopupWindow->SaveToFile(IniFile);
    LayerFrame->SaveToFile(IniFile);
    HintWindow->SaveToFile(IniFile);
    IniFile.EraseSection("SKINCOLORS");
    FSkinColors->SaveToFile(IniFile);
    WriteSkinObjects(IniFile);
    WriteSkinControls(IniFile);
}

int TskSkinContent::GetIndex(const std::string& AIDName) const
{
    for (std::size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == AIDName)
            return static_cast<int>(i);
    return -1;
}

int TskSkinContent::GetControlIndex(const std::string& AIDName) const
{
    for (std::size_t i = 0; i < CtrlList.size(); ++i)
        if (CtrlList[i]->IDName == AIDName)
            return static_cast<int>(i);
    return -1;
}

TBitmap* TskSkinContent::GetActivePicture(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FActivePictures.size()))
        return nullptr;
    TBitmap* picture = FActivePictures[static_cast<std::size_t>(Index)].get();
    return picture && !picture->Empty() ? picture : nullptr;
}
