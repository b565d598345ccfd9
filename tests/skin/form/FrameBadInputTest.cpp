#include "FrameTestSupport.h"

#include "classlib/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "skin/form/skSkinMessages.h"

#include <functional>

namespace {

using FrameBadInput = FrameTest;

TEST_F(FrameBadInput, AnOwnerThatIsNotAFormIsAnInvalidCast)
{
    TComponent owner(nullptr);
    EXPECT_THROW(new TskFormSkin(&owner), EInvalidCast);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_THROW(new TskFormSkin(nullptr), EInvalidCast);
}

TEST_F(FrameBadInput, ABackgroundPictureOutOfRangePaintsTheFaceColour)
{
    TskSkinData* skin = Skin(1);
    TForm* form = MakeForm(skin);
    skin->BGPictureIndex = 999;
    form->Invalidate();
    EXPECT_EQ(At(form, 200, 150), ColorToRGB(clBtnFace));
}

TEST_F(FrameBadInput, AnObjectPictureOutOfRangeLeavesTheObjectWithoutPicture)
{
    TskSkinData* skin = Skin(1);
    TForm* form = MakeForm(skin);
    TskFormSkin* frame = FrameOf(form);
    for (auto& d : skin->ObjectList)
        if (d->IDName == "closebutton")
            d->ActivePictureIndex = 999;
    frame->ApplySkinData();
    TskActiveSkinObject* close = frame->Objects(frame->GetIndex("closebutton"));
    EXPECT_EQ(close->ActivePicture, nullptr);
    EXPECT_FALSE(close->EnableMorphing());
    const RECT r = close->ObjectRect;
    frame->MorphTimer->SetEnabled(false);
    kit.MoveMouse(ScreenAt(form, r.left + 3, r.top + 3));
    kit.Advance(50);
    EXPECT_TRUE(close->Active);
    EXPECT_FALSE(frame->MorphTimer->GetEnabled());
    At(form, r.left + 3, r.top + 3);  // paints without a picture
}

TEST_F(FrameBadInput, PaintingIntoAForeignContextKeepsItsClippingAndSkipsAFrameBelowItsMinimum)
{
    TForm* form = MakeForm(Skin(1));
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 400;
    info.bmiHeader.biHeight = -300;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    IntersectClipRect(dc, 0, 0, 300, 200);
    EXPECT_EQ(SendMessage(form->GetHandle(), SKM_PAINTBORDERTO, reinterpret_cast<WPARAM>(dc), 0), SKM_BORDERPAINTED);
    EXPECT_EQ(SendMessage(form->GetHandle(), SKM_PAINTBORDERTOEX, reinterpret_cast<WPARAM>(dc),
                          SKM_PAINTBORDERTOEX_KEY),
              SKM_PAINTBORDERTOEX_KEY);
    RECT clip{};
    GetClipBox(dc, &clip);
    EXPECT_EQ(clip, (RECT{0, 0, 300, 200}));
    EXPECT_NE(GetPixel(dc, 5, 3), RGB(0, 0, 0));  // the frame's corner
    EXPECT_EQ(GetPixel(dc, 200, 150), RGB(0, 0, 0));  // the client area is left out

    // A frame smaller than the skin allows is not painted.
    form->SetBounds(100, 100, 150, 20);
    PatBlt(dc, 0, 0, 400, 300, BLACKNESS);
    SendMessage(form->GetHandle(), SKM_PAINTBORDERTO, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 5, 3), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(FrameBadInput, ARibbonFormKeepsThePlatformFrame)
{
    TForm* skinned = MakeForm(Skin(1));
    EXPECT_EQ(SendMessage(skinned->GetHandle(), SKM_QUERYFRAMESKINNED, 0, 0), SKM_FRAMESKINNED);
    TForm* ribbon = MakeForm(Skin(1));
    FrameOf(ribbon)->SetUseRibbon(true);
    Pump();
    EXPECT_FALSE(FrameOf(ribbon)->GetSkinnableForm());
    EXPECT_EQ(SendMessage(ribbon->GetHandle(), SKM_QUERYFRAMESKINNED, 0, 0), SKM_FRAMENOTSKINNED);
    EXPECT_EQ(FrameOf(ribbon)->ObjectCount(), 0);
    // Reapplying a skin that asks for skinnable forms changes nothing.
    FrameOf(ribbon)->ApplySkinData();
    EXPECT_FALSE(FrameOf(ribbon)->GetSkinnableForm());
}

TEST_F(FrameBadInput, ABorderlessFormHasNoFrame)
{
    TForm* form = MakeForm(Skin(1));
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    Pump();
    EXPECT_EQ(form->GetClientWidth(), 400);
    EXPECT_EQ(form->GetClientHeight(), 300);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->GetHandle(), region), ERROR);
    DeleteObject(region);
}

} // namespace

namespace {

// Frame values of a skin that lie outside its pictures: the frame is clipped to what exists and
// every operation on it ends without fault.
TEST_F(FrameBadInput, FrameValuesBeyondThePicturesAreClipped)
{
    struct Case {
        const char* what;
        int skin;
        std::function<void(TskSkinData&, int PW, int PH)> spoil;
    };
    const Case cases[] = {
        {"client rectangle past the picture", 1, [](TskSkinData& d, int pw, int ph) {
             d.ClRect = RECT{d.ClRect.left, d.ClRect.top, pw + 300, ph + 300};
         }},
        {"client rectangle wholly outside", 1, [](TskSkinData& d, int pw, int ph) {
             d.ClRect = RECT{pw + 10, ph + 10, pw + 40, ph + 40};
         }},
        {"corner points past the picture", 2, [](TskSkinData& d, int pw, int ph) {
             d.RTPoint = POINT{pw + 50, 0};
             d.RBPoint = POINT{pw + 50, ph + 50};
             d.LBPoint = POINT{0, ph + 50};
         }},
        {"corner points crossed", 1, [](TskSkinData& d, int pw, int ph) {
             d.LTPoint = POINT{pw - 1, ph - 1};
             d.RBPoint = POINT{1, 1};
         }},
        {"sizing corners and border width past the frame", 1, [](TskSkinData& d, int, int) {
             d.HitTestLTPoint = POINT{5000, 5000};
             d.HitTestRBPoint = POINT{5000, 5000};
             d.BorderW = 5000;
         }},
        {"mask area past the mask", 2, [](TskSkinData& d, int pw, int ph) {
             d.MaskRectArea = RECT{pw + 5, ph + 5, 3 * pw, 3 * ph};
         }},
        {"buttons and caption past the picture", 1, [](TskSkinData& d, int pw, int ph) {
             d.ButtonsRect = RECT{pw + 20, ph + 20, pw + 90, ph + 40};
             d.CaptionRect = RECT{pw + 20, 0, pw + 400, ph + 400};
             for (auto& o : d.ObjectList)
                 o->SkinRect = RECT{5000, 5000, 5030, 5030};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TskSkinData* skin = Skin(c.skin);
        c.spoil(*skin, skin->FPicture->GetWidth(), skin->FPicture->GetHeight());
        TForm* form = MakeForm(skin);
        TskFormSkin* frame = FrameOf(form);
        At(form, 5, 5);
        for (const POINT p : {POINT{0, 0}, POINT{399, 299}, POINT{200, 10}, POINT{200, 150}})
            HitAt(form, p.x, p.y);
        kit.MoveMouse(ScreenAt(form, 390, 8));
        kit.Advance(50);
        form->SetBounds(120, 120, 500, 380);
        frame->SetWindowState(TWindowState::wsMaximized);
        frame->SetWindowState(TWindowState::wsNormal);
        EXPECT_GT(frame->GetMinWidth(), 0);
        EXPECT_EQ(form->GetWidth(), 500);
        At(form, 250, 190);
        form->Free();
        Pump();
    }
}

} // namespace
