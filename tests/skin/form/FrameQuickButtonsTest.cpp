#include "FrameTestSupport.h"

#include "classlib/ImgList.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"

#include <string>
#include <vector>

namespace {

class FrameQuickButtons : public FrameTest {
protected:
    // A 16 x 16 list of two solid images: red and blue.
    TCustomImageList* Images(TComponent* Owner)
    {
        auto* list = new TCustomImageList(Owner);
        TBitmap strip;
        strip.SetSize(32, 16);
        strip.Canvas()->Brush()->SetColor(clRed);
        strip.Canvas()->FillRect(RECT{0, 0, 16, 16});
        strip.Canvas()->Brush()->SetColor(clBlue);
        strip.Canvas()->FillRect(RECT{16, 0, 32, 16});
        list->Add(&strip, nullptr);
        return list;
    }
    // Three items: a clicking one, a hidden one, and a disabled one.
    void AddItems(TskFormSkin* Frame)
    {
        const char* names[] = {"first", "hidden", "disabled"};
        for (const char* name : names) {
            TskQuickButtonItem* item = Frame->QuickButtons()->Add();
            item->SetImageIndex(0);
            item->OnClick = [this, name](TObject* Sender) {
                clicks.push_back(name);
                senders.push_back(Sender);
            };
        }
        Frame->QuickButtons()->Items(1)->SetVisible(false);
        Frame->QuickButtons()->Items(2)->SetEnabled(false);
        Frame->QuickButtons()->Items(2)->SetImageIndex(1);
    }
    // The first skin with an active caption picture (its first active picture, from the top
    // left): the active caption composes its picture, which used to cover the buttons.
    TskSkinData* ComposingSkin()
    {
        TskSkinData* data = Skin(1);
        for (auto& o : data->ObjectList)
            if (auto* c = dynamic_cast<TskDataSkinCaption*>(o.get())) {
                c->ActivePictureIndex = 0;
                c->ActiveSkinRect = RECT{0, 0, c->SkinRect.right - c->SkinRect.left, c->SkinRect.bottom - c->SkinRect.top};
            }
        return data;
    }
    static TskSkinCaptionObject* CaptionOf(TskFormSkin* Frame)
    {
        for (int i = 0; i < Frame->ObjectCount(); ++i)
            if (auto* c = dynamic_cast<TskSkinCaptionObject*>(Frame->Objects(i)))
                return c;
        return nullptr;
    }
    // The pointer arrives (the hover poll makes the caption hot) and moves on inside.
    void Hover(TForm* Form, const RECT& R)
    {
        kit.MoveMouse(Centre(Form, R));
        kit.Advance(50);
        const POINT c = Centre(Form, R);
        kit.MoveMouse(POINT{c.x + 1, c.y});
        Pump();
    }
    POINT Centre(TForm* Form, const RECT& R) { return ScreenAt(Form, (R.left + R.right) / 2, (R.top + R.bottom) / 2); }

    std::vector<std::string> clicks;
    std::vector<TObject*> senders;
};

TEST_F(FrameQuickButtons, LayoutLeavesRoomForEveryItemAndSitsOnTheCaptionsMiddle)
{
    TForm* form = MakeForm(ComposingSkin());
    TskFormSkin* frame = FrameOf(form);
    AddItems(frame);
    // Without images nothing is laid out and the caption zone starts at the caption.
    const RECT caption = CaptionOf(frame)->ObjectRect;
    EXPECT_TRUE(IsRectEmpty(&frame->QuickButtons()->Items(0)->ItemRect));
    EXPECT_EQ(HitAt(form, caption.left + 2, (caption.top + caption.bottom) / 2), HTCAPTION);

    const int y = caption.top + (caption.bottom - caption.top) / 2 - 8 - 2;
    const COLORREF bare = At(form, caption.left + 10, y + 10);
    // The active caption composes its picture from the skin: the buttons must come after it.
    ASSERT_TRUE(CaptionOf(frame)->Active);
    ASSERT_FALSE(RectHasNoArea(CaptionOf(frame)->ActiveSkinRect));

    frame->SetQuickImageList(Images(form));
    SendMessage(form->GetHandle(), WM_NCPAINT, 0, 0);
    const RECT first = frame->QuickButtons()->Items(0)->ItemRect;
    const RECT third = frame->QuickButtons()->Items(2)->ItemRect;
    EXPECT_EQ(first, (RECT{caption.left, y, caption.left + 20, y + 20}));
    // The hidden item takes no place in the row...
    EXPECT_EQ(third, (RECT{caption.left + 24, y, caption.left + 44, y + 20}));
    // ...but the caption zone (and the text) start after room for all three.
    EXPECT_EQ(HitAt(form, caption.left + 2, (caption.top + caption.bottom) / 2), HTOBJECT);
    EXPECT_EQ(HitAt(form, caption.left + 71, (caption.top + caption.bottom) / 2), HTOBJECT);
    EXPECT_EQ(HitAt(form, caption.left + 73, (caption.top + caption.bottom) / 2), HTCAPTION);

    // The images stay visible over the composed caption picture; a disabled one is greyed.
    EXPECT_EQ(At(form, first.left + 10, first.top + 10), ColorToRGB(clRed));
    EXPECT_NE(At(form, third.left + 10, third.top + 10), ColorToRGB(clBlue));

    // An image index past the list draws nothing, the room stays.
    frame->QuickButtons()->Items(0)->SetImageIndex(2);
    EXPECT_EQ(At(form, first.left + 10, first.top + 10), bare);
    EXPECT_EQ(frame->QuickButtons()->Items(2)->ItemRect, third);

    // The image list going takes the buttons away.
    delete frame->GetQuickImageList();
    EXPECT_EQ(frame->GetQuickImageList(), nullptr);
    EXPECT_EQ(HitAt(form, caption.left + 2, (caption.top + caption.bottom) / 2), HTCAPTION);
}

TEST_F(FrameQuickButtons, HoverPressAndReleaseClickEnabledButtonsOnly)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    AddItems(frame);
    frame->SetQuickImageList(Images(form));
    SendMessage(form->GetHandle(), WM_NCPAINT, 0, 0);
    TskSkinCaptionObject* caption = CaptionOf(frame);
    TskQuickButtonItem* first = frame->QuickButtons()->Items(0);
    TskQuickButtonItem* disabled = frame->QuickButtons()->Items(2);

    Hover(form, first->ItemRect);
    EXPECT_TRUE(first->Active);
    EXPECT_EQ(caption->ActiveQuickButton, 0);
    kit.PressButton(Centre(form, first->ItemRect));
    Pump();
    EXPECT_TRUE(first->Down);
    kit.ReleaseButton(Centre(form, first->ItemRect));
    Pump();
    EXPECT_FALSE(first->Down);
    EXPECT_EQ(clicks, (std::vector<std::string>{"first"}));
    EXPECT_EQ(senders, (std::vector<TObject*>{caption}));

    // A disabled button never becomes hot nor clicks.
    Hover(form, disabled->ItemRect);
    EXPECT_FALSE(disabled->Active);
    EXPECT_EQ(caption->ActiveQuickButton, -1);
    kit.Click(Centre(form, disabled->ItemRect));
    Pump();
    EXPECT_EQ(clicks.size(), 1u);

    // Leaving the caption clears the hot button.
    Hover(form, first->ItemRect);
    ASSERT_TRUE(first->Active);
    kit.MoveMouse(ScreenAt(form, 200, 150));
    kit.Advance(50);
    EXPECT_FALSE(first->Active);
}

} // namespace
