// The combo box's looks: the pressed button only under the pointer, the tool-button look in its
// states, the separate skinned button when the skin size is off, painting into a foreign canvas,
// painting with its edit into a given context, the skin's disabled text colour, and the open
// list closing when another program takes the activation.

#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "platform/window/RawInput.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/input/skSkinComboBox.h"

#include <string>
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
    TskSkinComboBox* c = Put(nullptr, TskSkinCustomComboBoxStyle::skcbEditStyle);
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
    EXPECT_EQ(target.GetPixelColor(10, 5), ColorToRGB(clBtnShadow));  // the frame
    bool text = false;
    for (int x = 14; x < 100 && !text; ++x)
        for (int y = 8; y < 24 && !text; ++y)
            text = target.GetPixelColor(x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(text);
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

TEST_F(ComboBoxPaint, AnotherProgramTakingTheActivationClosesTheOpenList)
{
    TskSkinComboBox* c = Put();
    c->SetFocus();
    c->DropDown();
    Pump();
    ASSERT_TRUE(c->IsPopupVisible());
    RawInput away;
    away.kind = RawInput::Kind::AppDeactivated;
    PostRawInput(away);
    Pump();
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_EQ(c->GetItemIndex(), 1);
}

} // namespace

