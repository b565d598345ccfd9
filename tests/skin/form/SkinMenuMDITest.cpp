#include "FrameMDISupport.h"
#include "SkinMenuSupport.h"

#include "classlib/ExtCtrls.h"

class SkinMenuMDI : public FrameMDI {
protected:
    SkinMenuMDI() { InstallSkinMenus(); }
    ~SkinMenuMDI() override { SetFrameMenuFactory(nullptr); }
    TskFrameMenu* Manager(TForm* Form) { return FrameOf(Form)->SkinMenu(); }
};

TEST_F(SkinMenuMDI, APopupMenuOfAChildOpensThroughTheMainFormsFrame)
{
    TForm* main = MakeMain(Skin(0));
    TForm* child = MakeChild(Skin(1), "Doc");
    // Owned by the child itself, and by a control on the child.
    auto* onChild = new TskSkinPopupMenu(child);
    auto* panel = new TPanel(child);
    auto* onControl = new TskSkinPopupMenu(panel);
    for (TskSkinPopupMenu* m : {onChild, onControl}) {
        auto* item = new TMenuItem(child);
        item->SetCaption("Item");
        m->Items()->Add(item);
        m->Popup(200, 200);
        Pump();
        EXPECT_TRUE(Manager(main)->Visible());
        EXPECT_FALSE(Manager(child)->Visible());
        EXPECT_EQ(m->GetSkinData(), FrameOf(main)->MenusData());
        Manager(main)->Hide();
        Pump();
    }
}
