#pragma once
// Draws one skin from its theme and the element table and fills a skin data component with its
// pictures and descriptions: the frame (FORMINFO, main, inactive and mask pictures), the frame
// objects, the popup, hint and layered-border windows, the colours and one control description
// per element. All small images go into one numbered picture (number 0); the popup, hint, glow
// and layer pictures get numbers of their own.

#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skSkinData.h"
#include "tools/skingen/Atlas.h"
#include "tools/skingen/ElementTable.h"
#include "tools/skingen/SkinPaint.h"

#include <memory>
#include <string>
#include <vector>

class TSkinComposer {
public:
    explicit TSkinComposer(const TTheme& theme);

    // The skin data holding the finished skin.
    std::unique_ptr<TskSkinData> Compose();

private:
    // Shared helpers.
    int AddPicture(TImage32 image, std::string name);
    RECT Sprite(int w, int h, TAtlas::TDraw draw) { return Atlas_.Add(w, h, std::move(draw)); }
    template <class T>
    T& AddControl(std::string_view name)
    {
        auto d = std::make_unique<T>(std::string(name));
        d->PictureIndex = 0;
        T& ref = *d;
        Data_->CtrlList.push_back(std::move(d));
        return ref;
    }
    // Glow picture and mask for an element of w x h; returns the picture's number (mask + 1).
    int AddGlow(int w, int h, int radius, int spread);
    int Radius(int cap) const;
    TFontStyles NoStyle() const { return {}; }

    void BuildElement(const TElement& e);
    // Buttons and panels (SkinButtons.cpp).
    void BuildButton(const TElement& e);
    void BuildPanel(const TElement& e);
    void BuildCheckRadio(const TElement& e);
    // Bars (SkinBars.cpp).
    void BuildScrollBar(const TElement& e);
    void BuildUpDown(const TElement& e);
    void BuildSplitter(const TElement& e);
    void BuildSlider(const TElement& e);
    void BuildMainMenuBar(const TElement& e);
    // Input and lists (SkinFields.cpp).
    void BuildListBox(const TElement& e);
    void BuildComboBox(const TElement& e);
    void BuildEdit(const TElement& e);
    void BuildTab(const TElement& e);
    void BuildPlain(const TElement& e);
    // Frame (SkinFrame.cpp) and windows (SkinWindows.cpp).
    void BuildFrame();
    void BuildCaptionButtons();
    void BuildMenuItem();
    void BuildPopupWindow();
    void BuildHintWindow();
    void BuildLayerFrame();
    void BuildColors();

    const TTheme& T_;
    std::unique_ptr<TskSkinData> Data_;
    TAtlas Atlas_;
    std::vector<TImage32> Pictures_;  // numbered pictures; number 0 is the atlas, made last
    std::vector<std::string> PictureNames_;
    // The row of caption buttons in the frame picture, shared by the frame and its buttons.
    RECT ButtonRow_{};
};

// Sets the nine-slice geometry of a w x h image with fixed borders l, t, r, b.
void SetSlice(TskDataSkinCustomControl& d, int w, int h, int l, int t, int r, int b);
// A band of any width and fixed height (left and right ends fixed) or of any height and fixed
// width (top and bottom ends fixed).
void SetHBand(TskDataSkinCustomControl& d, int w, int h, int l, int r);
void SetVBand(TskDataSkinCustomControl& d, int w, int h, int t, int b);
POINT Pt(int x, int y);
