// The control groups: each group's members switched together, with the group's look.

#include "app/main/Unit1.h"

#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/Picture.h"
#include "classlib/StdCtrls.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <vector>

namespace {

// A skinned button's look for one state: an image of the tool bar's list and/or a glyph.
struct TLook {
    int Image = -1;
    int Glyph = 0;
};

struct TButtonLook {
    TskSkinButton* Button;
    TLook Enabled, Disabled;
};

struct TGroupMembers {
    std::vector<TControl*> Controls;
    std::vector<TMenuItem*> Items;
    std::vector<TButtonLook> Looks;
};

} // namespace

void TForm1::SetGroupEnabled(TControlGroup group, bool enabled)
{
    TGroupMembers m;
    switch (group) {
    case TControlGroup::Add:
        m = {{btnAdd}, {Item111, Item121, N21, N11111, N2222, N3331}, {}};
        skSkinMenuSpeedButton1->SetEnabled(enabled);
        skSkinMenuSpeedButton1->SetImageIndex(enabled ? 0 : 17);
        break;
    case TControlGroup::Row:
        m = {{btnRemove}, {N13, N26}, {{skSkinButton7, {-1, 15}, {-1, 14}}, {skSkinButton21, {-1, 16}, {-1, 17}}}};
        break;
    case TControlGroup::Clear:
        m = {{btnClear}, {N14}, {{skSkinButton8, {-1, 13}, {-1, 12}}}};
        break;
    case TControlGroup::Start:
        m = {{btnStart}, {N7}, {{skSkinButton2, {3, 5}, {13, 4}}}};
        break;
    case TControlGroup::Stop:
        m = {{btnStop}, {N8}, {{skSkinButton10, {4, 11}, {14, 10}}}};
        break;
    case TControlGroup::Pause:
        m = {{btnPause}, {N10}, {{skSkinButton11, {5, 7}, {15, 6}}}};
        break;
    case TControlGroup::Resume:
        m = {{btnResume}, {N11}, {{skSkinButton12, {6, 9}, {16, 8}}}};
        break;
    case TControlGroup::Settings:
        m = {{skSkinComboBox1, skSkinComboBox2, skSkinComboBox3, skSkinComboBox4, skSkinComboBox9, skSkinComboBox10,
              skSkinOfficeComboBox2, skSkinOfficeComboBox1, skSkinButton5},
             {},
             {}};
        break;
    case TControlGroup::Move:
        m = {{skSkinButton3, skSkinButton4}, {N111, N2221}, {}};
        break;
    }
    for (TControl* c : m.Controls)
        c->SetEnabled(enabled);
    bool menuChanged = false;
    for (TMenuItem* item : m.Items) {
        menuChanged = menuChanged || item->GetEnabled() != enabled;
        item->SetEnabled(enabled);
    }
    if (TskFrameMenu* menu = skFormSkin1->SkinMenu(); menuChanged && menu && menu->Visible())
        menu->Hide();
    for (const TButtonLook& look : m.Looks) {
        const TLook& l = enabled ? look.Enabled : look.Disabled;
        look.Button->SetEnabled(enabled);
        if (l.Image >= 0)
            look.Button->SetImageIndex(l.Image);
        look.Button->SetGlyph(Images[static_cast<std::size_t>(l.Glyph)]->Picture()->Bitmap());
        look.Button->RefreshButton();
    }
}

void TForm1::ShowPauseButton(bool pause)
{
    skSkinButton11->SetVisible(pause);
    skSkinButton12->SetVisible(!pause);
}
