// The content of an office item, shared by the list's rows and the combo box's shown item.

#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Canvas.h"
#include "classlib/ImgList.h"
#include "platform/gdi/Text.h"
#include "platform/win/Rect.h"

#include <algorithm>

namespace {

constexpr int ImageSpacing = 2;

bool HasImage(const TskOfficeItemParts& Parts)
{
    return Parts.Images && Parts.ImageIndex >= 0 && Parts.ImageIndex < Parts.Images->Count();
}

// Switches the canvas font to bold and back.
class BoldFont {
public:
    explicit BoldFont(TCanvas* C) : font_(C->Font()), old_(font_->GetStyle())
    {
        TFontStyles bold = old_;
        font_->SetStyle(bold.Include(fsBold));
    }
    ~BoldFont() { font_->SetStyle(old_); }
    BoldFont(const BoldFont&) = delete;
    BoldFont& operator=(const BoldFont&) = delete;

private:
    TFont* font_;
    TFontStyles old_;
};

} // namespace

TskOfficeItemLayout LayoutOfficeItem(TCanvas* C, const RECT& R, const TskOfficeItemParts& Parts)
{
    TskOfficeItemLayout layout;
    RECT room = R;
    if (!Parts.Title.empty()) {
        BoldFont bold(C);
        layout.Title = RECT{R.left, R.top, R.right, static_cast<LONG>(R.top + C->TextHeight(Parts.Title))};
        room.top = layout.Title.bottom - Parts.TitleOverlap;
    }
    const int middle = room.top + (room.bottom - room.top) / 2;
    int left = room.left + Parts.Indent;
    if (HasImage(Parts)) {
        const int w = Parts.Images->GetWidth(), h = Parts.Images->GetHeight();
        layout.Image = RECT{room.left, middle - h / 2, room.left + w, middle - h / 2 + h};
        left = room.left + w + ImageSpacing;
    }
    if (Parts.Caption.empty() || left >= room.right)
        return layout;
    RECT measure{0, 0, room.right - left, 0};
    C->TextRect(measure, Parts.Caption, Parts.TextFlags | DT_NOPREFIX | DT_CALCRECT);
    const int height = measure.bottom - measure.top;
    const int top = std::max(static_cast<int>(room.top), middle - height / 2);
    const int bottom = std::min(static_cast<int>(room.bottom), top + height);
    layout.Cut = top + height > room.bottom;
    if (bottom > top)
        layout.Caption = RECT{left, top, room.right, bottom};
    return layout;
}

void DrawOfficeItem(TCanvas* C, const TskOfficeItemLayout& Layout, const TskOfficeItemParts& Parts, bool Enabled)
{
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!IsRectEmpty(&Layout.Title)) {
        BoldFont bold(C);
        RECT t = Layout.Title;
        C->TextRect(t, Parts.Title, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (!IsRectEmpty(&Layout.Image))
        Parts.Images->Draw(C, Layout.Image.left, Layout.Image.top, Parts.ImageIndex, Enabled);
    if (!IsRectEmpty(&Layout.Caption)) {
        RECT t = Layout.Caption;
        C->TextRect(t, Parts.Caption, Parts.TextFlags | DT_NOPREFIX);
    }
}
