// The skin chooser over the eight generated skins: the form it builds, the preview that follows
// the selection without touching the main window, the ways to confirm and to cancel, an index
// outside the list, the stored-skin variant and its failure without stored skins. Each run is the
// class library's modal loop, scripted by idle steps.

#include "SkinFormSupport.h"

#include "app/artwork/Artwork.h"
#include "classlib/Streams.h"
#include "platform/kernel/CommonErrors.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skResourceStrData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skDialogs.h"
#include "skin/input/skSkinListBox.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace {

struct ComponentFree {
    void operator()(TComponent* C) const { C->Free(); }
};

void LoadStored(TskCompressedStoredSkin* Skin, int Index)
{
    const std::string_view bytes = ArtworkSkins()[static_cast<std::size_t>(Index)].Data;
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    Skin->LoadFromCompressStream(&stream);
}

class SelectSkinDialog : public SkinFormTest {
protected:
    void SetUp() override
    {
        main = ShownForm(500, 300);
        skins = new TskCompressedSkinList(main);
        for (int i = 0; i < static_cast<int>(ArtworkSkins().size()); ++i) {
            TskSkinListItem* item = skins->Skins()->Add();
            item->SetName(std::string(ArtworkSkins()[static_cast<std::size_t>(i)].Name));
            LoadStored(item->Skin(), i);
        }
        // The main window's switchable skin, at index 0 of the list.
        mainSkin = new TskSkinData(main);
        mainSkin->SetSkinList(skins);
        auto* frame = new TskFormSkin(main);
        frame->SetSkinData(mainSkin);
        auto* button = new TskSkinButton(main);
        button->SetParent(main);
        button->SetBounds(20, 20, 100, 25);
        button->SetSkinData(mainSkin);
        dialog = new TskSelectSkinDialog(main);
        dialog->SetSkinList(skins);
        dialog->SetSkinData(mainSkin);
        dialog->SetCtrlSkinData(mainSkin);
        Pump();
    }
    ~SelectSkinDialog() override { EXPECT_EQ(kit.PendingIdleSteps(), 0u); }

    TskSelectSkinDlgForm* Form() const
    {
        TskSelectSkinDlgForm* form = dialog->Form();
        EXPECT_NE(form, nullptr);
        EXPECT_EQ(Screen->ActiveCustomForm(), form);
        return form;
    }
    // Every pixel of a window with its frame and children.
    std::vector<std::uint32_t> Picture(TWinControl* Control)
    {
        std::shared_ptr<Surface> s = kit.Render(Control->GetHandle());
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < s->Height(); ++y)
            pixels.insert(pixels.end(), s->Row(y), s->Row(y) + s->Width());
        return pixels;
    }
    void PressButton(TskSkinButton* Button)
    {
        kit.Click(ScreenOf(Button, Button->GetWidth() / 2, Button->GetHeight() / 2));
    }
    POINT ItemCentre(int Index)
    {
        TskListBox* list = Form()->SkinsListBox->ListBox;
        const RECT r = list->ItemRect(Index);
        return list->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    TForm* main = nullptr;
    TskSkinData* mainSkin = nullptr;
    TskCompressedSkinList* skins = nullptr;
    TskSelectSkinDialog* dialog = nullptr;
};

TEST_F(SelectSkinDialog, StartsAtTheIndexWithItsPreviewAndOkReturnsIt)
{
    const int formsBefore = Screen->CustomFormCount();
    kit.WhenIdle([&] {
        TskSelectSkinDlgForm* form = Form();
        EXPECT_EQ(form->GetCaption(), "Select skin");
        EXPECT_GE(form->GetClientWidth(), 420);
        EXPECT_GE(form->GetClientHeight(), 240);
        TskSkinListBox* list = form->SkinsListBox;
        ASSERT_EQ(list->Items()->Count(), 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(list->Items()->Get(i), ArtworkSkins()[static_cast<std::size_t>(i)].Name);
        EXPECT_EQ(list->GetItemIndex(), 0);
        EXPECT_EQ(list->GetBoundsRect(), (RECT{10, 10, 180, 180}));
        EXPECT_EQ(Screen->ActiveControl(), list->ListBox);

        TForm* preview = form->PreviewForm;
        EXPECT_EQ(preview->GetParent(), form);
        EXPECT_EQ(preview->GetBoundsRect(), (RECT{190, 10, 410, 180}));
        EXPECT_TRUE(preview->GetVisible());
        EXPECT_FALSE(preview->GetEnabled());
        EXPECT_EQ(preview->GetCaption(), "Preview");
        EXPECT_TRUE(form->PreviewBSF->PreviewMode);
        EXPECT_EQ(form->PreviewSkinData->SkinIndex(), 0);
        EXPECT_FALSE(form->PreviewSkinData->Empty);
        EXPECT_EQ(form->PreviewButton->GetParent(), preview);
        EXPECT_EQ(form->PreviewButton->GetCaption(), "Button");

        struct Expected {
            TskSkinButton* button;
            const char* caption;
            int left, result;
        };
        for (const Expected& e : {Expected{form->OpenButton, "OK", 260, mrOk},
                                  Expected{form->CancelButton, "Cancel", 340, mrCancel}}) {
            EXPECT_EQ(e.button->GetCaption(), e.caption);
            EXPECT_EQ(e.button->GetLeft(), e.left);
            EXPECT_EQ(e.button->GetTop(), 200);
            EXPECT_EQ(e.button->GetWidth(), 70);
            EXPECT_EQ(e.button->GetModalResult(), e.result);
            EXPECT_EQ(e.button->GetSkinData(), mainSkin);
        }
        EXPECT_TRUE(form->OpenButton->GetDefault());
        EXPECT_TRUE(form->CancelButton->GetCancel());
        PressButton(form->OpenButton);
    });
    EXPECT_TRUE(dialog->Execute(0));
    EXPECT_EQ(dialog->SelectedSkinIndex(), 0);
    EXPECT_EQ(dialog->Form(), nullptr);
    EXPECT_EQ(Screen->CustomFormCount(), formsBefore);
}

TEST_F(SelectSkinDialog, ArrowsPreviewEachSkinAndLeaveTheMainWindowAlone)
{
    const std::vector<std::uint32_t> mainBefore = Picture(main);
    std::vector<std::uint32_t> shown, mainBehind;  // the main window behind the active dialog
    kit.WhenIdle([&] {
        shown = Picture(Form()->PreviewForm);
        mainBehind = Picture(main);
        kit.PressKey(VK_DOWN);
    });
    for (int i = 1; i < 8; ++i)
        kit.WhenIdle([&, i] {
            TskSelectSkinDlgForm* form = Form();
            EXPECT_EQ(form->SkinsListBox->GetItemIndex(), i);
            EXPECT_EQ(form->PreviewSkinData->SkinIndex(), i);
            const std::vector<std::uint32_t> now = Picture(form->PreviewForm);
            EXPECT_NE(now, shown) << "skin " << i;
            shown = now;
            EXPECT_EQ(Picture(main), mainBehind) << "skin " << i;
            EXPECT_EQ(mainSkin->SkinIndex(), 0);
            kit.PressKey(i < 7 ? VK_DOWN : VK_ESCAPE);
        });
    EXPECT_FALSE(dialog->Execute(0));
    EXPECT_EQ(dialog->SelectedSkinIndex(), -1);
    Pump();
    EXPECT_EQ(Picture(main), mainBefore);
}

TEST_F(SelectSkinDialog, ConfirmingAndCancellingWays)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        bool confirmed;
        int index;
    };
    const std::vector<Case> cases{
        {"double click", [&] { kit.Click(ItemCentre(5)); kit.Click(ItemCentre(5)); }, true, 5},
        {"Enter", [&] { kit.PressKey(VK_RETURN); }, true, 2},
        {"Cancel", [&] { PressButton(Form()->CancelButton); }, false, -1},
        {"Escape", [&] { kit.PressKey(VK_ESCAPE); }, false, -1},
        {"click then Cancel", [&] { kit.Click(ItemCentre(6)); PressButton(Form()->CancelButton); }, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit.WhenIdle(c.act);
        EXPECT_EQ(dialog->Execute(2), c.confirmed);
        EXPECT_EQ(dialog->SelectedSkinIndex(), c.index);
    }
    EXPECT_EQ(mainSkin->SkinIndex(), 0);
}

TEST_F(SelectSkinDialog, TheCallersIndexChangeRestylesTheMainWindow)
{
    const std::vector<std::uint32_t> before = Picture(main);
    kit.WhenIdle([&] { kit.PressKey(VK_DOWN); });
    kit.WhenIdle([&] { kit.PressKey(VK_DOWN); });
    kit.WhenIdle([&] { PressButton(Form()->OpenButton); });
    ASSERT_TRUE(dialog->Execute(mainSkin->SkinIndex()));
    ASSERT_EQ(dialog->SelectedSkinIndex(), 2);
    EXPECT_EQ(Picture(main), before);
    mainSkin->SetSkinIndex(dialog->SelectedSkinIndex());
    Pump();
    EXPECT_EQ(mainSkin->SkinIndex(), 2);
    EXPECT_NE(Picture(main), before);
}

TEST_F(SelectSkinDialog, WithoutAListFalseAtOnce)
{
    kit.WhenIdle([&] { kit.PressKey(VK_END); });
    kit.WhenIdle([&] { kit.PressKey(VK_RETURN); });
    ASSERT_TRUE(dialog->Execute(0));
    ASSERT_EQ(dialog->SelectedSkinIndex(), 7);

    const int formsBefore = Screen->CustomFormCount();
    dialog->SetSkinList(nullptr);
    EXPECT_FALSE(dialog->Execute(0));
    EXPECT_EQ(dialog->SelectedSkinIndex(), 7);  // unchanged
    EXPECT_EQ(Screen->CustomFormCount(), formsBefore);

    // Freeing the list clears the dialog's reference.
    dialog->SetSkinList(skins);
    skins->Free();
    EXPECT_EQ(dialog->GetSkinList(), nullptr);
    EXPECT_FALSE(dialog->Execute(0));
}

TEST_F(SelectSkinDialog, IndexOutsideTheListOkReturnsItAndTheSkinDataIgnoresIt)
{
    const std::vector<std::uint32_t> before = Picture(main);
    for (const int outside : {8, -3}) {
        kit.WhenIdle([&] {
            TskSelectSkinDlgForm* form = Form();
            EXPECT_EQ(form->SkinsListBox->GetItemIndex(), -1);
            EXPECT_TRUE(form->PreviewSkinData->Empty);
            PressButton(form->OpenButton);
        });
        EXPECT_TRUE(dialog->Execute(outside));
        EXPECT_EQ(dialog->SelectedSkinIndex(), outside);
        mainSkin->SetSkinIndex(dialog->SelectedSkinIndex());
        Pump();
        EXPECT_EQ(mainSkin->SkinIndex(), 0);
        EXPECT_EQ(Picture(main), before);
    }
}

TEST_F(SelectSkinDialog, CaptionsFromTheControlSkinsStore)
{
    std::unique_ptr<TskResourceStrData, ComponentFree> store(new TskResourceStrData(nullptr));
    TStringList lines;
    for (const char* line : {"MSG_BTN_OK=确定", "MSG_BTN_CANCEL=取消", "MSG_PREVIEWSKIN=预览"})
        lines.Add(line);
    store->SetResStrings(&lines);
    mainSkin->SetResourceStrData(store.get());
    kit.WhenIdle([&] {
        TskSelectSkinDlgForm* form = Form();
        EXPECT_EQ(form->OpenButton->GetCaption(), "确定");
        EXPECT_EQ(form->CancelButton->GetCaption(), "取消");
        EXPECT_EQ(form->PreviewForm->GetCaption(), "预览");
        EXPECT_EQ(form->PreviewButton->GetCaption(), "");  // the store lacks the key: no fallback
        EXPECT_EQ(form->PreviewSkinData->ResourceStrData(), store.get());
        kit.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute(1));
    mainSkin->SetResourceStrData(nullptr);
}

TEST_F(SelectSkinDialog, StoredSkinsOfTheOwner)
{
    // The owner holds three stored skins among other components; one has a description.
    TskCompressedStoredSkin* stored[3];
    for (int i = 0; i < 3; ++i) {
        stored[i] = new TskCompressedStoredSkin(main);
        stored[i]->SetName("Stored" + std::to_string(i));
        LoadStored(stored[i], i * 2);
    }
    stored[2]->SetDescription("深色");
    kit.WhenIdle([&] {
        TskSelectSkinDlgForm* form = Form();
        TStrings* items = form->SkinsListBox->Items();
        ASSERT_EQ(items->Count(), 3);
        EXPECT_EQ(items->Get(0), "Stored0");
        EXPECT_EQ(items->Get(2), "深色");
        EXPECT_EQ(form->SkinsListBox->GetItemIndex(), 1);
        EXPECT_EQ(form->GetSelectedSkin(), stored[1]);
        EXPECT_FALSE(form->PreviewSkinData->Empty);
        kit.PressKey(VK_DOWN);
    });
    kit.WhenIdle([&] {
        EXPECT_EQ(Form()->GetSelectedSkin(), stored[2]);
        kit.PressKey(VK_RETURN);
    });
    EXPECT_TRUE(dialog->Execute(stored[1]));
    EXPECT_EQ(dialog->SelectedSkin(), stored[2]);
    EXPECT_EQ(dialog->SelectedSkinIndex(), -1);

    // A default the owner does not hold starts at the first; cancelling leaves no choice.
    kit.WhenIdle([&] {
        EXPECT_EQ(Form()->SkinsListBox->GetItemIndex(), 0);
        EXPECT_EQ(Form()->GetSelectedSkin(), stored[0]);
        kit.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute(nullptr));
    EXPECT_EQ(dialog->SelectedSkin(), nullptr);
}

TEST_F(SelectSkinDialog, NoStoredSkinsRaisesAndLeavesNothingBehind)
{
    const int components = Application->ComponentCount(), forms = Screen->CustomFormCount();
    EXPECT_THROW(dialog->Execute(nullptr), EListError);
    EXPECT_EQ(Application->ComponentCount(), components);
    EXPECT_EQ(Screen->CustomFormCount(), forms);
    EXPECT_EQ(dialog->Form(), nullptr);

    std::unique_ptr<TskSelectSkinDialog, ComponentFree> ownerless(new TskSelectSkinDialog(nullptr));
    EXPECT_THROW(ownerless->Execute(nullptr), EListError);
    EXPECT_EQ(Application->ComponentCount(), components);
    EXPECT_EQ(Screen->CustomFormCount(), forms);

    // The main window still works as before.
    kit.WhenIdle([&] { kit.PressKey(VK_ESCAPE); });
    EXPECT_FALSE(dialog->Execute(0));
}

} // namespace
