#include "SkinMenuSupport.h"

#include "classlib/Bitmap.h"

class SkinImagesMenuTest : public SkinMenuTest {
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        images = new TImageList(form);
        TBitmap strip;
        strip.SetSize(16 * 7, 16);
        strip.Canvas()->Brush()->SetColor(clRed);
        strip.Canvas()->FillRect(RECT{0, 0, 16 * 7, 16});
        images->Add(&strip, nullptr);
        grid = new TskSkinImagesMenu(form);
        grid->SetImages(images);
        grid->SetColumnsCount(3);
        for (int i = 0; i < 7; ++i) {
            TskImagesMenuItem* item = grid->ImagesItems()->Add();
            item->ImageIndex = i;
            item->OnClick = [this, i](TObject*) { events.push_back("click " + std::to_string(i)); };
        }
        grid->OnItemClick = [this](TObject*) { events.push_back("item"); };
        grid->OnChange = [this](TObject*) { events.push_back("change"); };
        grid->OnMenuClose = [this](TObject*) { events.push_back("close"); };
    }
    TskSkinImagesMenuPopupWindow* W() { return grid->PopupWindow(); }
    POINT CellPoint(int i)
    {
        const RECT& r = grid->ImagesItems()->Items(i)->ItemRect;
        return POINT{W()->GetLeft() + r.left + 8, W()->GetTop() + r.top + 8};
    }
    void Key(UINT vk)
    {
        kit.PressKey(vk);
        kit.ReleaseKey(vk);
        Pump();
    }

    TImageList* images = nullptr;
    TskSkinImagesMenu* grid = nullptr;
    std::vector<std::string> events;
};

TEST_F(SkinImagesMenuTest, LaysOutCellsInRowsOfTheColumnCount)
{
    grid->SetColumnsCount(0);
    grid->SetColumnsCount(51);
    EXPECT_EQ(grid->GetColumnsCount(), 3);
    grid->Popup(100, 100);
    Pump();
    ASSERT_NE(W(), nullptr);
    EXPECT_EQ(W()->GetWidth(), 88);
    EXPECT_EQ(W()->GetHeight(), 3 * 26 + 2 + 10);
    const RECT expected[] = {{5, 5, 31, 31},   {31, 5, 57, 31},  {57, 5, 83, 31}, {5, 32, 31, 58},
                             {31, 32, 57, 58}, {57, 32, 83, 58}, {5, 59, 31, 85}};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const RECT& r = grid->ImagesItems()->Items(i)->ItemRect;
        EXPECT_EQ(r.left, expected[i].left);
        EXPECT_EQ(r.top, expected[i].top);
        EXPECT_EQ(r.right, expected[i].right);
        EXPECT_EQ(r.bottom, expected[i].bottom);
    }
    EXPECT_EQ(W()->GetLeft(), 100);
    EXPECT_EQ(W()->GetTop(), 100);
    // The grid keeps the form active and holds the mouse.
    EXPECT_EQ(GetCapture(), W()->GetHandle());
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
}

TEST_F(SkinImagesMenuTest, MovesByKeys)
{
    struct Step {
        UINT key;
        int hot;
    };
    const Step steps[] = {
        {VK_RIGHT, 0}, {VK_RIGHT, 1}, {VK_DOWN, 4}, {VK_DOWN, 4}, {VK_LEFT, 3}, {VK_UP, 0},
        {VK_LEFT, 6},  {VK_RIGHT, 0}, {VK_DOWN, 3}, {VK_DOWN, 6}, {VK_DOWN, 6},
    };
    grid->Popup(100, 100);
    Pump();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        Key(s.key);
        EXPECT_EQ(W()->MouseInItem(), s.hot);
    }
    Key(VK_RETURN);
    EXPECT_EQ(W(), nullptr);
    EXPECT_EQ(grid->ItemIndex, 6);
    EXPECT_EQ(events, (std::vector<std::string>{"close", "click 6", "item", "change"}));
    // Enter with no hot item fires the item events of the unchanged choice, no change events.
    events.clear();
    grid->Popup(100, 100);
    Pump();
    Key(VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string>{"close", "click 6", "item"}));
    // Escape closes without item events.
    events.clear();
    grid->Popup(100, 100);
    Pump();
    Key(VK_ESCAPE);
    EXPECT_EQ(events, (std::vector<std::string>{"close"}));
}

TEST_F(SkinImagesMenuTest, ClicksChooseOrCloseWithoutEvents)
{
    grid->Popup(100, 100);
    Pump();
    kit.Click(POINT{500, 400});
    Pump();
    EXPECT_EQ(W(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"close"}));
    EXPECT_EQ(GetCapture(), nullptr);
    events.clear();
    grid->Popup(100, 100);
    Pump();
    kit.Click(CellPoint(4));
    Pump();
    EXPECT_EQ(W(), nullptr);
    EXPECT_EQ(grid->ItemIndex, 4);
    EXPECT_EQ(events, (std::vector<std::string>{"close", "click 4", "item", "change"}));
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
}

TEST_F(SkinImagesMenuTest, OpensNothingWithoutItemsOrImages)
{
    grid->ImagesItems()->Clear();
    grid->Popup(100, 100);
    EXPECT_EQ(W(), nullptr);
    grid->SetImages(nullptr);
    grid->ImagesItems()->Add()->ImageIndex = 0;
    grid->Popup(100, 100);
    EXPECT_EQ(W(), nullptr);
}

TEST_F(SkinImagesMenuTest, AWindowDescriptionPastItsPictureGivesTheDefaultLook)
{
    auto made = skinform::MadeSkin();
    made->PopupWindow->WindowPictureIndex = skinform::AddPicture(*made, 64, 64, RGB(200, 200, 200));
    made->PopupWindow->ItemsRect = RECT{3, 3, 640, 61};
    made->PopupWindow->RBPoint = POINT{640, 61};
    grid->SetSkinData(made.get());
    grid->Popup(100, 100);
    Pump();
    ASSERT_NE(W(), nullptr);
    EXPECT_EQ(W()->GetWidth(), 88);
    EXPECT_EQ(W()->GetHeight(), 3 * 26 + 2 + 10);
    kit.Render(W()->GetHandle());
    Key(VK_ESCAPE);
    grid->SetSkinData(nullptr);
}
