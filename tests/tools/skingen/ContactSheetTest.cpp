// The contact sheet reads skins that may be damaged: tiny pictures, rectangles far outside
// them, a client rectangle of no size and picture indexes past the skin's list must give a
// sheet, not a crash, a read outside a picture or an endless loop.

#include "PackedSkin.h"
#include "classlib/Bitmap.h"
#include "skin/core/skDataSkinControls.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/SkinComposer.h"
#include "tools/skingen/Theme.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ContactSheet, DamagedSkinsStillGiveASheet)
{
    for (std::size_t theme : {std::size_t{0}, std::size_t{2}}) {
        SCOPED_TRACE(theme);
        TSkinComposer composer(SwitchableThemes()[theme]);
        std::unique_ptr<TskSkinData> data = composer.Compose();
        for (auto& picture : data->FActivePictures)
            picture->SetSize(1, 1);
        data->ClRect = RECT{5, 5, 5, 5};
        for (auto& c : data->CtrlList) {
            c->SkinRect = RECT{INT_MIN, 0, INT_MAX, 25};
            if (auto* check = dynamic_cast<TskDataSkinCheckRadioControl*>(c.get()))
                check->CheckImageRect = RECT{-40, 1000000, 3, 2};
            if (auto* tab = dynamic_cast<TskDataSkinTabControl*>(c.get()))
                tab->TabsBGRect = RECT{0, 0, 0, 9};
            c->PictureIndex = c->PictureIndex + 1000;
        }
        const TImage32 sheet = ContactSheet(Pack(*data), "DAMAGED", {});
        EXPECT_GT(sheet.Width(), 0);
        EXPECT_GT(sheet.Height(), 0);
    }
}

TEST(ContactSheet, PictureIndexesPastTheListDrawNoPicture)
{
    TSkinComposer composer(SwitchableThemes()[3]);
    const std::unique_ptr<TskSkinData> whole = composer.Compose();
    const std::string intact = Pack(*whole);
    const int count = static_cast<int>(whole->FActivePictures.size());
    for (int index : {count, count + 1000, INT_MAX, -7}) {
        SCOPED_TRACE(index);
        std::unique_ptr<TskSkinData> data = composer.Compose();
        data->PopupWindow->WindowPictureIndex = index;
        data->HintWindow->WindowPictureIndex = index;
        data->LayerFrame->PictureIndex = index;
        for (auto& o : data->ObjectList)
            o->ActivePictureIndex = index;
        for (auto& c : data->CtrlList)
            if (auto* b = dynamic_cast<TskDataSkinButtonControl*>(c.get()))
                b->GlowLayerPictureIndex = index;
        const TImage32 sheet = ContactSheet(Pack(*data), "DAMAGED", {});
        EXPECT_GT(sheet.Width(), 0);
    }
    // Only the popup's picture gone: the menu and hint mock are left out, the rest is drawn.
    std::unique_ptr<TskSkinData> data = composer.Compose();
    data->PopupWindow->WindowPictureIndex = count;
    data->PopupWindow->ItemsRect = RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const TImage32 damaged = ContactSheet(Pack(*data), "DAMAGED", {});
    const TImage32 sound = ContactSheet(intact, "DAMAGED", {});
    ASSERT_EQ(damaged.Width(), sound.Width());
    ASSERT_EQ(damaged.Height(), sound.Height());
    int differing = 0;
    for (int y = 0; y < sound.Height(); ++y)
        for (int x = 0; x < sound.Width(); ++x)
            differing += !(damaged.At(x, y) == sound.At(x, y));
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, sound.Width() * sound.Height() / 10);
}
