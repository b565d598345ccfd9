// The contact sheet reads skins that may be damaged: tiny pictures, rectangles far outside
// them and a client rectangle of no size must give a sheet, not a crash or an endless loop.

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
