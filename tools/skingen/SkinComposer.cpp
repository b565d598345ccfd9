#include "tools/skingen/SkinComposer.h"

#include "classlib/Bitmap.h"

#include <algorithm>

namespace {
constexpr int kAtlasWidth = 400;
}

POINT Pt(int x, int y)
{
    POINT p;
    p.x = x;
    p.y = y;
    return p;
}

void SetSlice(TskDataSkinCustomControl& d, int w, int h, int l, int t, int r, int b)
{
    d.LTPoint = Pt(l, t);
    d.RTPoint = Pt(w - r, t);
    d.LBPoint = Pt(l, h - b);
    d.RBPoint = Pt(w - r, h - b);
    d.ClRect = Rect(l, t, w - r, h - b);
}

void SetHBand(TskDataSkinCustomControl& d, int w, int h, int l, int r)
{
    d.LTPoint = Pt(l, 0);
    d.RTPoint = Pt(w - r, 0);
    d.ClRect = Rect(l, 0, w - r, h);
}

void SetVBand(TskDataSkinCustomControl& d, int w, int h, int t, int b)
{
    d.LTPoint = Pt(0, t);
    d.LBPoint = Pt(0, h - b);
    d.ClRect = Rect(0, t, w, h - b);
}

TSkinComposer::TSkinComposer(const TTheme& theme) : T_(theme), Atlas_(kAtlasWidth) {}

int TSkinComposer::AddPicture(TImage32 image, std::string name)
{
    Pictures_.push_back(std::move(image));
    PictureNames_.push_back(std::move(name));
    return static_cast<int>(Pictures_.size()) - 1;
}

int TSkinComposer::Radius(int cap) const
{
    return std::min(T_.Radius, cap);
}

int TSkinComposer::AddGlow(int w, int h, int radius, int spread)
{
    const int gw = w + 2 * spread, gh = h + 2 * spread;
    const int index = AddPicture(TImage32(gw, gh, T_.GlowColor), "glow" + std::to_string(Pictures_.size()) + ".bmp");
    AddPicture(HaloMask(gw, gh, RectWH(spread, spread, w, h), radius, spread, 230, true),
               "glowmask" + std::to_string(Pictures_.size()) + ".bmp");
    return index;
}

std::unique_ptr<TskSkinData> TSkinComposer::Compose()
{
    Data_ = std::make_unique<TskSkinData>(nullptr);
    Atlas_ = TAtlas(kAtlasWidth);
    Pictures_.assign(1, TImage32());
    PictureNames_.assign(1, "controls.bmp");

    Data_->SkinName = std::string(T_.Name);
    Data_->SkinAuthor = "Zudevivivoduv";
    Data_->SkinComments = T_.FullSet ? "switchable skin" : "fixed skin of the category and format boxes";

    if (T_.FullSet) {
        BuildFrame();
        BuildCaptionButtons();
        BuildMenuItem();
        BuildPopupWindow();
        BuildHintWindow();
        if (T_.LayerFrame)
            BuildLayerFrame();
    }
    BuildColors();
    for (const TElement& e : ElementTable()) {
        const bool wanted = e.Set == TSkinSet::Both || (e.Set == TSkinSet::Switchable) == T_.FullSet;
        if (wanted)
            BuildElement(e);
    }

    Pictures_[0] = Atlas_.Render();
    for (std::size_t i = 0; i < Pictures_.size(); ++i) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetDibData(Pictures_[i].ToDib24());
        Data_->FActivePictures.push_back(std::move(bitmap));
        Data_->FActivePicturesNames.push_back(PictureNames_[i]);
    }
    Data_->Empty = false;
    return std::move(Data_);
}

void TSkinComposer::BuildElement(const TElement& e)
{
    switch (e.Build) {
    case TBuild::PushButton:
    case TBuild::ToolButton:
    case TBuild::TileButton:
    case TBuild::MenuButton:
        BuildButton(e);
        break;
    case TBuild::Panel:
    case TBuild::ToolPanel:
    case TBuild::DropPanel:
    case TBuild::StatusBar:
    case TBuild::GroupBox:
    case TBuild::ScrollBox:
    case TBuild::HeaderLabel:
        BuildPanel(e);
        break;
    case TBuild::CheckBox:
    case TBuild::RadioBox:
        BuildCheckRadio(e);
        break;
    case TBuild::HScrollBar:
    case TBuild::VScrollBar:
    case TBuild::BothScrollBar:
        BuildScrollBar(e);
        break;
    case TBuild::HUpDown:
    case TBuild::VUpDown:
        BuildUpDown(e);
        break;
    case TBuild::HSplitter:
    case TBuild::VSplitter:
        BuildSplitter(e);
        break;
    case TBuild::Slider:
        BuildSlider(e);
        break;
    case TBuild::MainMenuBar:
        BuildMainMenuBar(e);
        break;
    case TBuild::ListBox:
        BuildListBox(e);
        break;
    case TBuild::ComboBox:
        BuildComboBox(e);
        break;
    case TBuild::Edit:
    case TBuild::ButtonEdit:
        BuildEdit(e);
        break;
    case TBuild::Tab:
        BuildTab(e);
        break;
    case TBuild::Bevel:
    case TBuild::TreeView:
    case TBuild::ListView:
    case TBuild::StdLabel:
        BuildPlain(e);
        break;
    }
}
