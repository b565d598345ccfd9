#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "skin/form/skSkinCtrls.h"

#include <set>

namespace {

std::set<COLORREF> Colours(TBitmap& b)
{
    std::set<COLORREF> seen;
    for (int y = 0; y < b.GetHeight(); ++y)
        for (int x = 0; x < b.GetWidth(); ++x)
            seen.insert(b.GetPixelColor(x, y));
    return seen;
}

} // namespace

TEST_F(SkinFormTest, StdLabelShortensByItsEllipsisKind)
{
    const std::string path = "/home/user/Videos/holiday/2026/the-long-file-name.mkv";
    TForm* f = ShownForm();
    auto* label = new TskSkinStdLabel(f);
    label->SetParent(f);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 120, 20);
    auto White = [] {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(120, 20);
        b->Canvas()->Brush()->SetColor(clWhite);
        b->Canvas()->FillRect(RECT{0, 0, 120, 20});
        return b;
    };
    auto picture = [&](TskEllipsType kind) {
        label->SetEllipsType(kind);
        auto b = White();
        label->PaintSkinTo(b->Canvas(), 0, 0, path);
        return b;
    };
    auto drawn = [&](UINT flags) {
        auto b = White();
        b->Canvas()->Font()->Assign(label->DefaultFont());
        b->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
        RECT r{0, 0, 120, 20};
        b->Canvas()->TextRect(r, path, DT_EXPANDTABS | DT_LEFT | flags);
        return b;
    };
    for (auto [kind, flags] : {std::pair{sketPathEllips, DT_PATH_ELLIPSIS}, std::pair{sketEndEllips, DT_END_ELLIPSIS}}) {
        auto got = picture(kind);
        auto want = drawn(flags);
        auto other = drawn(flags == DT_PATH_ELLIPSIS ? DT_END_ELLIPSIS : DT_PATH_ELLIPSIS);
        bool same = true, differs = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 120; ++x) {
                same = same && got->GetPixelColor(x, y) == want->GetPixelColor(x, y);
                differs = differs || got->GetPixelColor(x, y) != other->GetPixelColor(x, y);
            }
        EXPECT_TRUE(same) << kind;
        EXPECT_TRUE(differs) << kind;
    }
}

TEST_F(SkinFormTest, DisabledLabelTextIsDrawnTwice)
{
    auto data = skinform::ArtworkSkin(2);
    TForm* f = ShownForm();
    for (TskSkinData* skin : {static_cast<TskSkinData*>(nullptr), data.get()}) {
        auto* label = new TskSkinStdLabel(f);
        label->SetParent(f);
        label->SetSkinData(skin);
        label->SetCaption("Disabled");
        label->SetEnabled(false);
        TBitmap b;
        b.SetSize(label->GetWidth(), label->GetHeight());
        b.Canvas()->Brush()->SetColor(RGB(1, 2, 3));
        b.Canvas()->FillRect(RECT{0, 0, b.GetWidth(), b.GetHeight()});
        label->PaintSkinTo(b.Canvas(), 0, 0, "Disabled");
        const auto seen = Colours(b);
        const TColor light = skin ? skin->SkinColors()->cBtnHighLight() : clBtnHighlight;
        const TColor dark = skin ? skin->SkinColors()->cBtnShadow() : clBtnShadow;
        EXPECT_TRUE(seen.count(ColorToRGB(light))) << (skin != nullptr);
        EXPECT_TRUE(seen.count(ColorToRGB(dark))) << (skin != nullptr);
        label->Free();
    }
}

TEST_F(SkinFormTest, TextLabelLayoutAndAutoSize)
{
    TForm* f = ShownForm();
    f->SetColor(clWhite);
    auto* label = new TskSkinTextLabel(f);
    label->SetParent(f);
    label->Lines()->Clear();  // no lines: height 0, never below
    EXPECT_EQ(label->GetHeight(), 0);
    label->Lines()->Add("first");
    label->Lines()->Add("second");
    const int autoHeight = label->GetHeight();
    EXPECT_GT(autoHeight, 0);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 100, 80);
    label->SetLayout(TTextLayout::tlBottom);
    Pump();
    const auto pixel = PixelsOf(label);
    auto inkInRows = [&](int from, int to) {
        for (int y = from; y < to; ++y)
            for (int x = 0; x < 100; ++x)
                if (pixel(x, y) != RGB(255, 255, 255))
                    return true;
        return false;
    };
    EXPECT_FALSE(inkInRows(0, 80 - autoHeight - 1));
    EXPECT_TRUE(inkInRows(80 - autoHeight / 2, 80));
}

TEST_F(SkinFormTest, BevelColoursFollowTheSkin)
{
    auto data = skinform::ArtworkSkin(2);
    auto& d = skinform::Described<TskDataSkinBevel>(*data, "bevel");
    TForm* f = ShownForm();
    auto* bevel = new TskSkinBevel(f);
    bevel->SetParent(f);
    bevel->SetBounds(10, 10, 60, 40);
    EXPECT_EQ(bevel->LightColor, clBtnHighlight);
    bevel->SetSkinData(data.get());
    EXPECT_EQ(bevel->LightColor, d.LightColor);
    EXPECT_EQ(bevel->DarkColor, d.DarkColor);
    Pump();
    // Lowered box: dark top-left edges, light bottom-right ones.
    EXPECT_EQ(PixelOf(bevel, 0, 20), ColorToRGB(d.DarkColor));
    EXPECT_EQ(PixelOf(bevel, 59, 20), ColorToRGB(d.LightColor));
    bevel->SetDividerMode(true);  // a box becomes a vertical groove
    Pump();
    EXPECT_EQ(PixelOf(bevel, 29, 20), ColorToRGB(d.DarkColor));
    EXPECT_EQ(PixelOf(bevel, 0, 20), ColorToRGB(f->GetColor()));
    data.reset();  // a freed skin data is forgotten
    EXPECT_EQ(bevel->GetSkinData(), nullptr);
    EXPECT_EQ(bevel->LightColor, clBtnHighlight);
    EXPECT_EQ(bevel->DarkColor, clBtnShadow);
}

TEST_F(SkinFormTest, SplitterThicknessComesFromTheSkin)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    auto* left = new TPanel(f);
    left->SetParent(f);
    left->SetAlign(TAlign::alLeft);
    left->SetWidth(100);
    auto* split = new TskSkinSplitter(f);
    split->SetParent(f);
    split->SetLeft(120);
    split->SetSkinData(data.get());
    auto& d = skinform::Described<TskDataSkinSplitterControl>(*data, "vsplitter");
    EXPECT_EQ(split->GetWidth(), d.SkinRect.right - d.SkinRect.left);
    split->SetTransparent(true);
    split->ChangeSkinData();
    EXPECT_EQ(split->GetWidth(), 10);
    split->SetTransparent(false);
    d.SkinRect = RECT{};  // an empty skin rectangle keeps the default size
    split->ChangeSkinData();
    EXPECT_EQ(split->GetWidth(), 10);
    split->SetSkinData(nullptr);

    // Dragging resizes the neighbour, never below MinSize.
    int moved = 0;
    split->OnMoved = [&](TObject*) { ++moved; };
    split->SetMinSize(40);
    EXPECT_EQ(split->FindControl(), left);
    const POINT at = ScreenOf(split, 2, 50);
    kit.MoveMouse(at);
    kit.PressButton(at);
    kit.MoveMouse(POINT{at.x + 30, at.y});
    kit.ReleaseButton(POINT{at.x + 30, at.y});
    Pump();
    EXPECT_EQ(left->GetWidth(), 130);
    EXPECT_EQ(moved, 1);
    const POINT again = ScreenOf(split, 2, 50);
    kit.MoveMouse(again);
    kit.PressButton(again);
    kit.MoveMouse(POINT{again.x - 200, again.y});
    kit.ReleaseButton(POINT{again.x - 200, again.y});
    Pump();
    EXPECT_EQ(left->GetWidth(), 40);
}

TEST_F(SkinFormTest, StdLabelMeasuresWithTheSkinFont)
{
    auto data = skinform::MadeSkin();
    auto& d = skinform::AddDescription<TskDataSkinStdLabelControl>(*data, "stdlabel");
    d.FontHeight = 40;
    TForm* f = ShownForm();
    auto* label = new TskSkinStdLabel(f);
    label->SetParent(f);
    label->SetCaption("Measured");
    const int plainWidth = label->GetWidth(), plainHeight = label->GetHeight();
    label->SetSkinData(data.get());
    EXPECT_GT(label->GetHeight(), plainHeight * 2);
    EXPECT_GT(label->GetWidth(), plainWidth * 2);
    label->SetUseSkinFont(false);
    label->ChangeSkinData();
    EXPECT_LT(label->GetHeight(), plainHeight * 2);
}
