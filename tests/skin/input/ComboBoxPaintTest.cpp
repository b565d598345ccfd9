// The combo box's looks: the pressed button only under the pointer, the tool-button look in its
// states (plain and skinned), the separate skinned button and the framed item when the skin size
// is off, painting into a foreign canvas, painting with its edit into a given context, the skin's
// disabled text colour, the mask's region, and the open list closing when another window takes
// the activation.

#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "platform/window/RawInput.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/input/skSkinComboBox.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using skinform::ArtworkSkin;
using skinform::Described;

namespace {

class ComboBoxPaint : public SkinFormTest {
protected:
    TskSkinComboBox* Put(TskSkinData* Skin = nullptr,
                         TskSkinCustomComboBoxStyle Style = TskSkinCustomComboBoxStyle::skcbFixedStyle)
    {
        if (!form)
            form = ShownForm(400, 300);
        auto* c = new TskSkinComboBox(form);
        c->SetParent(form);
        c->SetBounds(10, 10 + 40 * count++, 150, 22);
        for (const char* s : {"first", "second", "third"})
            c->Items()->Add(s);
        c->SetStyle(Style);
        c->SetSkinData(Skin);
        c->SetItemIndex(1);
        Pump();
        return c;
    }
    // Whether some pixel of Control inside R shows Colour, give or take the smoothing of text
    // edges (small text never reaches its full ink).
    bool Shows(TControl* Control, const RECT& R, COLORREF Colour)
    {
        auto pixels = PixelsOf(Control);
        auto off = [Colour](COLORREF C) {
            return std::max({std::abs(GetRValue(C) - GetRValue(Colour)), std::abs(GetGValue(C) - GetGValue(Colour)),
                             std::abs(GetBValue(C) - GetBValue(Colour))});
        };
        for (int x = R.left; x < R.right; ++x)
            for (int y = R.top; y < R.bottom; ++y)
                if (off(pixels(x, y)) <= 40)
                    return true;
        return false;
    }
    POINT ButtonCentre(TskSkinComboBox* C)
    {
        const RECT& r = C->DropButton().R;
        return ScreenOf(C, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    TForm* form = nullptr;
    int count = 0;
};

TEST_F(ComboBoxPaint, ThePlainButtonLooksPressedOnlyUnderThePointer)
{
    TskSkinComboBox* c = Put();
    const RECT r = c->DropButton().R;
    const POINT face{r.left + 2, r.top + 2};
    kit.MoveMouse(ButtonCentre(c));
    kit.PressButton(ButtonCentre(c));
    Pump();
    c->CloseUp(false);
    Pump();
    ASSERT_TRUE(c->DropButton().Down);
    EXPECT_EQ(PixelOf(c, face.x, face.y), RGB(133, 147, 181));
    kit.MoveMouse(ScreenOf(c, 20, 30));
    Pump();
    EXPECT_EQ(PixelOf(c, face.x, face.y), ColorToRGB(clBtnFace));
    kit.ReleaseButton(ScreenOf(c, 20, 30));
    Pump();
}

TEST_F(ComboBoxPaint, ToolButtonLookFollowsHoverAndTheOpenList)
{
    TskSkinComboBox* c = Put();
    c->SetToolButtonStyle(true);
    Pump();
    EXPECT_EQ(PixelOf(c, 5, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(c, 0, 0), ColorToRGB(clBtnShadow));
    kit.MoveMouse(ScreenOf(c, 5, 5));
    Pump();
    EXPECT_EQ(PixelOf(c, 5, 5), RGB(182, 189, 210));
    EXPECT_EQ(PixelOf(c, 0, 0), RGB(0, 0, 128));
    c->DropDown();
    Pump();
    EXPECT_EQ(PixelOf(c, 5, 5), RGB(133, 147, 181));
    c->CloseUp(false);
    Pump();
}

TEST_F(ComboBoxPaint, SkinnedToolButtonTakesThePictureAndTextColourOfItsState)
{
    auto skin = ArtworkSkin(0);
    TskSkinComboBox* c = Put(skin.get());
    c->SetToolButtonStyle(true);
    c->SetBounds(10, 10, 150, 30);
    Pump();
    EXPECT_EQ(c->GetHeight(), 30) << "any size";
    const auto& d = Described<TskDataSkinButtonControl>(*skin, "resizetoolbutton");
    auto corner = [&](const RECT& S) { return skinform::PicturePixel(*skin, d.PictureIndex, S.left + 1, S.top + 1); };
    const RECT text{2, 2, 150 - 17, 28};
    struct State {
        const char* Name;
        RECT Picture;
        TColor Ink;
    };
    const State states[] = {{"rest", d.SkinRect, d.FontColor},
                            {"hot", d.ActiveSkinRect, d.ActiveFontColor},
                            {"open", d.DownSkinRect, d.DownFontColor}};
    for (const State& state : states) {
        if (state.Name == std::string("hot")) {
            kit.MoveMouse(ScreenOf(c, 5, 5));
            Pump();
        } else if (state.Name == std::string("open")) {
            c->DropDown();
            Pump();
        }
        EXPECT_EQ(PixelOf(c, 1, 1), corner(state.Picture)) << state.Name;
        EXPECT_TRUE(Shows(c, text, ColorToRGB(state.Ink))) << state.Name << ": the item's text";
    }
    c->CloseUp(false);
    Pump();
    EXPECT_NE(corner(d.SkinRect), corner(d.DownSkinRect)) << "the states are told apart";
}

TEST_F(ComboBoxPaint, WithoutTheSkinSizeTheFocusedItemIsFramedToTheItemArea)
{
    auto skin = ArtworkSkin(0);
    TskSkinComboBox* c = Put(skin.get());
    c->SetUseSkinSize(false);
    c->SetBounds(10, 10, 150, 34);
    c->SetFocus();
    Pump();
    const auto& d = Described<TskDataSkinComboBox>(*skin, "combobox");
    const int dw = 150 - (d.SkinRect.right - d.SkinRect.left), dh = 34 - (d.SkinRect.bottom - d.SkinRect.top);
    ASSERT_GT(dh, 0);
    const RECT item{d.ClRect.left, d.ClRect.top, d.ClRect.right + dw, d.ClRect.bottom + dh};
    const RECT& f = d.FocusItemRect;
    const int x = (item.left + item.right) / 2, fx = (f.left + f.right) / 2;
    // The focused item's picture is stretched over the whole, taller item area: its top and
    // bottom rows land on the area's top and bottom rows.
    EXPECT_EQ(PixelOf(c, x, item.top), skinform::PicturePixel(*skin, d.PictureIndex, fx, f.top));
    EXPECT_EQ(PixelOf(c, x, item.bottom - 1), skinform::PicturePixel(*skin, d.PictureIndex, fx, f.bottom - 1));
    EXPECT_TRUE(Shows(c, item, ColorToRGB(d.FocusFontColor))) << "the item's text";
}

TEST_F(ComboBoxPaint, WithoutTheSkinSizeTheSkinsSeparateButtonIsComposed)
{
    auto skin = ArtworkSkin(0);
    TskSkinComboBox* sized = Put(skin.get());
    TskSkinComboBox* free = Put(skin.get());
    free->SetUseSkinSize(false);
    free->SetBounds(10, 50, 150, 30);
    Pump();
    const auto& button = Described<TskDataSkinButtonControl>(*skin, "combobutton");
    const RECT r = free->DropButton().R;
    EXPECT_EQ(r.bottom - r.top, sized->DropButton().R.bottom - sized->DropButton().R.top + 8);
    // The button's left edge comes from the button description's picture, not the combo's.
    const COLORREF edge = skinform::PicturePixel(*skin, button.PictureIndex, button.SkinRect.left,
                                                 button.SkinRect.top + (button.SkinRect.bottom - button.SkinRect.top) / 2);
    EXPECT_EQ(PixelOf(free, r.left, (r.top + r.bottom) / 2), edge);
}

TEST_F(ComboBoxPaint, PaintSkinToShowsTheTextAndLeavesTextAsItWas)
{
    auto skin = ArtworkSkin(0);
    const auto& d = Described<TskDataSkinComboBox>(*skin, "combobox");
    struct Case {
        TskSkinData* Skin;
        COLORREF Edge, Ink;
    };
    const Case cases[] = {
        {nullptr, ColorToRGB(clBtnShadow), RGB(0, 0, 0)},
        {skin.get(), skinform::PicturePixel(*skin, d.PictureIndex, d.SkinRect.left, d.SkinRect.top + 10),
         ColorToRGB(d.FontColor)},
    };
    for (const Case& k : cases) {
        TskSkinComboBox* c = Put(k.Skin, TskSkinCustomComboBoxStyle::skcbEditStyle);
        c->SetText("kept");
        int changes = 0;
        c->OnChange = [&changes](TObject*) { ++changes; };
        TBitmap target;
        target.SetSize(200, 40);
        target.Canvas()->Brush()->SetColor(clRed);
        target.Canvas()->FillRect(RECT{0, 0, 200, 40});
        c->PaintSkinTo(target.Canvas(), 10, 5, "shown text");
        EXPECT_EQ(c->GetText(), "kept");
        EXPECT_EQ(changes, 2);
        EXPECT_EQ(target.GetPixelColor(5, 5), ColorToRGB(clRed));
        EXPECT_EQ(target.GetPixelColor(10, 15), k.Edge);  // the frame
        bool text = false;
        for (int x = 14; x < 100 && !text; ++x)
            for (int y = 8; y < 24 && !text; ++y)
                text = target.GetPixelColor(x, y) == k.Ink;
        EXPECT_TRUE(text) << (k.Skin ? "skinned" : "plain");
    }
}

TEST_F(ComboBoxPaint, EraseMessagePaintsTheControlWithItsEdit)
{
    TskSkinComboBox* c = Put(nullptr, TskSkinCustomComboBoxStyle::skcbEditStyle);
    c->SetText("MMMM");
    Pump();
    TBitmap target;
    target.SetSize(c->GetWidth(), c->GetHeight());
    target.Canvas()->Brush()->SetColor(clRed);
    target.Canvas()->FillRect(RECT{0, 0, c->GetWidth(), c->GetHeight()});
    SendMessage(c->GetHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas()->GetHandle()), 0);
    EXPECT_EQ(target.GetPixelColor(0, 0), ColorToRGB(clBtnShadow));
    const TControl* edit = c->Edit();
    bool text = false;
    for (int x = edit->GetLeft(); x < edit->GetLeft() + 30 && !text; ++x)
        for (int y = edit->GetTop(); y < edit->GetTop() + edit->GetHeight() && !text; ++y)
            text = target.GetPixelColor(x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(text);
}

TEST_F(ComboBoxPaint, ADisabledSkinnedEditShowsTheSkinsDisabledColour)
{
    auto skin = ArtworkSkin(0);
    TskSkinComboBox* c = Put(skin.get(), TskSkinCustomComboBoxStyle::skcbEditStyle);
    c->SetEnabled(false);
    Pump();
    EXPECT_EQ(c->Edit()->Font()->GetColor(), Described<TskDataSkinEditControl>(*skin, "edit").DisabledFontColor);
}

TEST_F(ComboBoxPaint, AnotherWindowTakingTheActivationClosesTheOpenList)
{
    TskSkinComboBox* c = Put();
    TForm* other;
    Application->CreateForm(other);
    other->SetBounds(500, 400, 200, 100);
    other->Show();
    form->SetFocus();
    Pump();
    RawInput program;
    program.kind = RawInput::Kind::AppDeactivated;
    RawInput window;
    window.kind = RawInput::Kind::Activated;
    window.hwnd = other->GetHandle();
    const std::pair<const char*, RawInput> causes[] = {{"another program", program}, {"another window", window}};
    for (const auto& [name, away] : causes) {
        form->SetFocus();
        c->SetFocus();
        c->DropDown();
        Pump();
        ASSERT_TRUE(c->IsPopupVisible());
        PostRawInput(away);
        Pump();
        EXPECT_FALSE(c->IsPopupVisible()) << name;
        EXPECT_EQ(c->GetItemIndex(), 1);
    }
}

TEST_F(ComboBoxPaint, ASkinWithOnlyTheComboDescriptionHasItsRegionOnlyAtItsSize)
{
    auto skin = skinform::MadeSkin();
    const int picture = skinform::AddPicture(*skin, 100, 40, RGB(0, 128, 0));
    const int mask = skinform::AddPicture(*skin, 80, 20, RGB(0, 0, 0));
    auto& d = skinform::AddDescription<TskDataSkinComboBox>(*skin, "combobox");
    d.PictureIndex = picture;
    d.MaskPictureIndex = mask;
    d.SkinRect = RECT{0, 0, 80, 20};
    d.ClRect = RECT{2, 2, 60, 18};
    TskSkinComboBox* c = Put(skin.get());
    EXPECT_NE(c->Region(), nullptr);
    // The tool-button look takes any size: a region cut for the skin's size would clip it.
    c->SetToolButtonStyle(true);
    EXPECT_EQ(c->Region(), nullptr);
    c->SetBounds(10, 10, 150, 30);
    EXPECT_EQ(c->GetWidth(), 150);
    EXPECT_EQ(c->Region(), nullptr);
    // Without tool-button, button and list descriptions the control draws what it can and its
    // list takes the plain look.
    Pump();
    c->SetToolButtonStyle(false);
    c->DropDown();
    Pump();
    ASSERT_TRUE(c->IsPopupVisible());
    EXPECT_EQ(c->ListBoxWindow()->GetIndex(), -1);
    EXPECT_EQ(PixelOf(c, 1, 15), RGB(0, 128, 0)) << "the frame from the skin's picture";
    c->CloseUp(false);
}

} // namespace

