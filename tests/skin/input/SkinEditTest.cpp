// The skinned edit: plain look, skin pixels and states, heights, buttons, disabled text, skin
// changes and the paint-to messages.

#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "platform/gdi/Gdi.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinMessages.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinLinkLabel.h"

using skinform::Described;

namespace {

class SkinEdit : public SkinFormTest {
protected:
    TskSkinEdit* Put(int y, TskSkinData* data, bool buttonMode = false, const std::string& text = "abc")
    {
        if (!form)
            form = ShownForm(320, 200);
        auto* e = new TskSkinEdit(form);
        e->SetParent(form);
        if (buttonMode) {
            e->SetButtonMode(true);
            e->SetSkinDataName("buttonedit");
        }
        e->SetBounds(10, y, 200, 22);
        e->SetSkinData(data);
        e->SetText(text);
        Pump();
        return e;
    }
    // Pixel of the edit in window coordinates (frame included).
    COLORREF At(TskSkinEdit* e, int x, int y)
    {
        RECT wr{};
        GetWindowRect(e->GetHandle(), &wr);
        POINT c = e->ClientToScreen(POINT{0, 0});
        return PixelOf(e, x - (c.x - wr.left), y - (c.y - wr.top));
    }
    bool Settled(HWND h)
    {
        RECT r{};
        return !GetUpdateRect(h, &r, FALSE);
    }

    TForm* form = nullptr;
};

TEST_F(SkinEdit, PlainLookWithoutSkin)
{
    auto* e = Put(10, nullptr);
    auto* b = Put(50, nullptr, true);
    EXPECT_EQ(At(e, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(e, 1, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(At(e, 199, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(e, 150, 10), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(e->GetClientWidth(), 196) << "text area inset by 2";
    EXPECT_EQ(e->GetClientHeight(), 18);
    // The button: a square as high as the edit at its right end, frame shadow, face fill.
    EXPECT_EQ(b->GetButtonRect().left, 200 - 22);
    EXPECT_EQ(At(b, 178, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(b, 188, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b->GetClientWidth(), 200 - 2 - 24);
    e->SetDefaultColor(clYellow);
    Pump();
    EXPECT_EQ(At(e, 150, 10), RGB(255, 255, 0));
}

TEST_F(SkinEdit, SkinPixelsHoverFocusAndColours)
{
    auto data = skinform::ArtworkSkin(0);
    auto& d = Described<TskDataSkinEditControl>(*data, "edit");
    d.ActiveFontColor = clRed;  // apart from FontColor, so the switch shows
    auto* e = Put(10, data.get());
    auto* other = Put(60, data.get());
    ASSERT_GE(e->GetIndex(), 0);
    const int sh = d.SkinRect.bottom - d.SkinRect.top;
    EXPECT_EQ(e->GetHeight(), sh) << "UseSkinFont: as high as the skin image";
    e->SetHeight(sh + 15);
    EXPECT_EQ(e->GetHeight(), sh) << "a new height is undone";
    auto skinPixel = [&](const RECT& s, int x, int y) { return skinform::PicturePixel(*data, d.PictureIndex, s.left + x, s.top + y); };
    const int midY = sh / 2;
    // Frame: the fixed left end and the right end kept at the edit's right.
    EXPECT_EQ(At(e, 0, midY), skinPixel(d.SkinRect, 0, midY));
    const int sw = d.SkinRect.right - d.SkinRect.left;
    EXPECT_EQ(At(e, 199, midY), skinPixel(d.SkinRect, sw - 1, midY));
    EXPECT_EQ(e->Font()->GetColor(), d.FontColor);

    other->SetFocus();
    Pump();
    kit.MoveMouse(ScreenOf(e, 20, 5));
    Pump();
    EXPECT_EQ(At(e, 0, midY), skinPixel(d.ActiveSkinRect, 0, midY)) << "hover";
    EXPECT_EQ(e->Font()->GetColor(), d.ActiveFontColor);
    kit.MoveMouse(ScreenOf(other, 20, 5));
    Pump();
    EXPECT_EQ(At(e, 0, midY), skinPixel(d.SkinRect, 0, midY));
    EXPECT_EQ(e->Font()->GetColor(), d.FontColor);
    e->SetFocus();
    Pump();
    EXPECT_EQ(At(e, 0, midY), skinPixel(d.ActiveSkinRect, 0, midY)) << "focus";
    EXPECT_EQ(e->Font()->GetColor(), d.ActiveFontColor);
    // The client background is the middle of the same image.
    EXPECT_EQ(At(e, 100, midY), skinPixel(d.ActiveSkinRect, sw / 2, midY));
    EXPECT_TRUE(Settled(e->GetHandle()) && Settled(form->GetHandle())) << "nothing left to paint";
}

TEST_F(SkinEdit, DropButtonStatesWithASkin)
{
    auto data = skinform::ArtworkSkin(0);
    auto& d = Described<TskDataSkinEditControl>(*data, "buttonedit");
    auto* e = Put(10, data.get(), true);
    Put(60, data.get());  // somewhere else for the pointer
    const RECT b = e->GetButtonRect();
    const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    auto state = [&](const RECT& r) {
        return skinform::PicturePixel(*data, d.PictureIndex, r.left + cx - b.left, r.top + cy - b.top);
    };
    RECT wr{};
    GetWindowRect(e->GetHandle(), &wr);
    const POINT over{wr.left + cx, wr.top + cy};
    kit.MoveMouse(over);
    Pump();
    EXPECT_EQ(At(e, cx, cy), state(d.ActiveButtonRect)) << "hovered";
    kit.PressButton(over);
    Pump();
    EXPECT_EQ(At(e, cx, cy), state(d.DownButtonRect)) << "pressed";
    kit.ReleaseButton(over);
    kit.MoveMouse(ScreenOf(form, 300, 190));
    Pump();
    // The release focused the edit: the normal button is the active band's right end.
    EXPECT_TRUE(e->Focused());
    const int sw = d.ActiveSkinRect.right - d.ActiveSkinRect.left;
    EXPECT_EQ(At(e, cx, cy), skinform::PicturePixel(*data, d.PictureIndex, d.ActiveSkinRect.left + cx - (e->GetWidth() - sw),
                                                     d.ActiveSkinRect.top + cy))
        << "normal: part of the band";
    e->SetEnabled(false);
    Pump();
    EXPECT_EQ(At(e, cx, cy), state(d.UnEnabledButtonRect)) << "disabled";
}

TEST_F(SkinEdit, TextColoursAndDisabledText)
{
    auto data = skinform::ArtworkSkin(1);
    auto& d = Described<TskDataSkinEditControl>(*data, "edit");
    auto* e = Put(10, data.get(), false, "WWWWWWWW");
    auto* plain = Put(60, nullptr, false, "WWWWWWWW");
    auto count = [&](TskSkinEdit* edit, COLORREF colour) {
        int n = 0;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < edit->GetClientHeight(); ++y)
                n += PixelOf(edit, x, y) == colour;
        return n;
    };
    EXPECT_GT(count(e, ColorToRGB(d.FontColor)), 3);
    e->SetEnabled(false);
    plain->SetEnabled(false);
    Pump();
    EXPECT_GT(count(e, ColorToRGB(d.DisabledFontColor)), 3);
    EXPECT_EQ(count(e, ColorToRGB(d.FontColor)), 0);
    EXPECT_GT(count(plain, GetSysColor(COLOR_GRAYTEXT)), 3);
}

TEST_F(SkinEdit, HeightRules)
{
    auto data = skinform::ArtworkSkin(0);
    auto* own = Put(10, data.get());
    own->SetUseSkinFont(false);
    own->ChangeSkinData();
    const int before = own->GetHeight();
    TFont big;
    big.Assign(own->DefaultFont());
    big.SetHeight(own->DefaultFont()->GetHeight() + 10);
    own->SetDefaultFont(&big);
    own->ChangeSkinData();
    EXPECT_GE(own->GetHeight(), before + 6) << "without UseSkinFont a bigger font makes it taller";
    auto* plain = Put(60, nullptr);
    plain->SetHeight(31);
    EXPECT_EQ(plain->GetHeight(), 31) << "unskinned with UseSkinFont keeps the height given";
    plain->SetDefaultHeight(25);
    EXPECT_EQ(plain->GetHeight(), 25);
}

TEST_F(SkinEdit, ButtonsRaiseTheirClicks)
{
    auto* e = Put(10, nullptr, true);
    int clicks = 0;
    e->OnButtonClick = [&](TObject*) { ++clicks; };
    RECT wr{};
    GetWindowRect(e->GetHandle(), &wr);
    const POINT button{wr.left + e->GetButtonRect().left + 5, wr.top + 8};
    // Released over the button although pressed outside the control.
    kit.PressButton(POINT{wr.left - 30, wr.top + 8});
    kit.ReleaseButton(button);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(e->Focused());

    auto images = std::make_unique<TImageList>(form);
    images->SetSize(8, 8);
    auto* withImages = Put(60, nullptr);
    withImages->SetImages(images.get());
    withImages->SetRightImageIndex(3);  // past the list: reserved and clickable, drawn nothing
    Pump();
    int right = 0;
    withImages->OnRightButtonClick = [&](TObject*) { ++right; };
    const POINT p = ScreenOf(withImages, withImages->RightButton.R.left + 2, 5);
    EXPECT_EQ(SendMessage(withImages->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTEDITRIGHTBUTTON);
    kit.Click(p);
    Pump();
    EXPECT_EQ(right, 1);
    RECT formatting{};
    SendMessage(withImages->GetHandle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
    EXPECT_EQ(formatting.right, withImages->GetClientWidth() - 8 - 2) << "the text keeps off the button";
}

TEST_F(SkinEdit, ImageButtonsShowTheirHotAndDownImages)
{
    auto images = std::make_unique<TImageList>(nullptr);
    images->SetSize(8, 8);
    for (COLORREF c : {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)}) {
        TBitmap b;
        b.SetPixelFormat(TPixelFormat::pf24bit);
        b.SetSize(8, 8);
        b.Canvas()->Brush()->SetColor(static_cast<TColor>(c));
        b.Canvas()->FillRect(RECT{0, 0, 8, 8});
        images->Add(&b, nullptr);
    }
    auto* e = Put(10, nullptr);
    e->SetImages(images.get());
    e->SetLeftImageIndex(0);
    e->LeftImageHotIndex = 1;
    e->LeftImageDownIndex = 2;
    Pump();
    const RECT r = e->LeftButton.R;
    const int y = r.top + (r.bottom - r.top) / 2;
    EXPECT_EQ(PixelOf(e, r.left + 2, y), RGB(200, 0, 0)) << "normal";
    const POINT p = ScreenOf(e, r.left + 2, y);
    kit.MoveMouse(p);
    Pump();
    EXPECT_EQ(PixelOf(e, r.left + 2, y), RGB(0, 200, 0)) << "hot";
    int clicks = 0;
    e->OnLeftButtonClick = [&](TObject*) { ++clicks; };
    kit.PressButton(p);
    Pump();
    EXPECT_EQ(PixelOf(e, r.left + 2, y), RGB(0, 0, 200)) << "down";
    // Released outside it stays down; back over it, the release clicks.
    kit.MoveMouse(ScreenOf(e, 150, y));
    kit.ReleaseButton(ScreenOf(e, 150, y));
    Pump();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(e->LeftButton.Down);
    kit.MoveMouse(p);
    Pump();
    kit.MoveMouse(POINT{p.x + 1, p.y});  // the first move left the text area (mouse leave)
    Pump();
    EXPECT_EQ(PixelOf(e, r.left + 2, y), RGB(0, 0, 200)) << "down again when the mouse returns";
    kit.PressButton(p);
    kit.ReleaseButton(p);
    Pump();
    EXPECT_EQ(clicks, 1);
    e->SetImages(nullptr);
}

TEST_F(SkinEdit, ADescriptionOfAnotherKindCountsAsNone)
{
    auto data = skinform::ArtworkSkin(0);
    auto* e = Put(10, data.get());
    e->SetSkinDataName("stdlabel");
    e->ChangeSkinData();
    Pump();
    EXPECT_EQ(e->GetIndex(), -1);
    EXPECT_EQ(At(e, 0, 5), GetSysColor(COLOR_BTNSHADOW)) << "the plain look";
}

TEST_F(SkinEdit, SkinIndexChangeRestylesAFocusedEditAndKeepsItsText)
{
    auto data = skinform::ArtworkSkin(0);
    auto* e = Put(10, data.get(), false, "keep me");
    e->SetFocus();
    SendMessage(e->GetHandle(), EM_SETSEL, 2, 4);
    Pump();
    skinform::LoadArtworkSkin(data.get(), 3);
    e->ChangeSkinData();
    Pump();
    auto& d = Described<TskDataSkinEditControl>(*data, "edit");
    EXPECT_EQ(e->GetText(), "keep me");
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(e->GetSelStart(), 2);
    EXPECT_EQ(e->GetSelLength(), 2);
    EXPECT_EQ(e->Font()->GetColor(), d.ActiveFontColor);
    EXPECT_EQ(At(e, 0, 5), skinform::PicturePixel(*data, d.PictureIndex, d.ActiveSkinRect.left, d.ActiveSkinRect.top + 5));
}

TEST_F(SkinEdit, PaintToMessages)
{
    auto data = skinform::ArtworkSkin(0);
    auto* e = Put(10, data.get());
    const HWND h = e->GetHandle();
    EXPECT_EQ(SendMessage(h, SKM_PAINTBORDERTO, 0, 0), 0);
    EXPECT_EQ(SendMessage(h, SKM_PAINTBORDERTOEX, 0, SKM_PAINTBORDERTOEX_KEY), SKM_PAINTBORDERTOEX_KEY);
    EXPECT_EQ(SendMessage(h, SKM_PAINTBORDERTOEX, 0, 1), 0);
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(e->GetWidth(), e->GetHeight());
    b.Canvas()->Brush()->SetColor(clLime);
    b.Canvas()->FillRect(RECT{0, 0, e->GetWidth(), e->GetHeight()});
    EXPECT_EQ(SendMessage(h, SKM_PAINTBORDERTOEX, reinterpret_cast<WPARAM>(b.Canvas()->GetHandle()), SKM_PAINTBORDERTOEX_KEY),
              SKM_PAINTBORDERTOEX_KEY);
    EXPECT_EQ(b.GetPixelColor(100, e->GetHeight() / 2), RGB(0, 255, 0)) << "the client area is left out";
    EXPECT_NE(b.GetPixelColor(0, e->GetHeight() / 2), RGB(0, 255, 0));
    EXPECT_EQ(SendMessage(h, SKM_PAINTBORDERTO, reinterpret_cast<WPARAM>(b.Canvas()->GetHandle()), 0), SKM_BORDERPAINTED);
}

} // namespace

namespace {

TEST_F(SkinEdit, SkinChangeWalksReachTheEditsAndTheLinkLabel)
{
    auto data = skinform::ArtworkSkin(0);
    auto* e = Put(10, data.get(), false, "walk");
    auto* link = new TskSkinLinkLabel(form);
    link->SetParent(form);
    link->SetSkinData(data.get());
    skinform::LoadArtworkSkin(data.get(), 2);
    NotifySkinChange(data.get(), form);
    Pump();
    auto& d = Described<TskDataSkinEditControl>(*data, "edit");
    auto& l = Described<TskDataSkinStdLabelControl>(*data, "stdlabel");
    EXPECT_EQ(e->Font()->GetColor(), d.FontColor);
    EXPECT_EQ(e->GetText(), "walk");
    EXPECT_EQ(link->FontColor, l.FontColor);
}

TEST_F(SkinEdit, ATransparentEditSettles)
{
    form = ShownForm(320, 200);
    auto* e = new TskCustomEdit(form);
    e->SetParent(form);
    e->SetBounds(10, 10, 150, 20);
    e->SetEditTransparent(true);
    e->SetText("over the form");
    e->SetFocus();
    SendMessage(e->GetHandle(), EM_SETSEL, 0, 0);
    Pump();
    kit.PressKey('X', "x");
    kit.ReleaseKey('X');
    Pump();
    EXPECT_EQ(e->GetText(), "xover the form");
    EXPECT_TRUE(Settled(e->GetHandle()));
    EXPECT_TRUE(Settled(form->GetHandle()));
    EXPECT_EQ(PixelOf(e, 140, 10), ColorToRGB(form->GetColor())) << "the form shows through";
}

} // namespace
