// The edit's own skinned context menu: shown through the form's skinned frame with the store's
// captions and the edit's states, a chosen item runs on the edit, and the menu is freed after.

#include "SkinFormSupport.h"

#include "skin/core/skResourceStrData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinMenus.h"
#include "skin/input/skSkinEdits.h"

namespace {

class EditContextMenu : public SkinFormTest {
protected:
    EditContextMenu() { InstallSkinMenus(); }
    ~EditContextMenu() override { SetFrameMenuFactory(nullptr); }

    // A form at (100, 100) with a skinned frame (skin data: Data, or none) and a focused edit.
    TskCustomEdit* Put(TskSkinData* Data, const std::string& Text)
    {
        Application->CreateForm(form);
        form->SetBounds(100, 100, 400, 300);
        frame = new TskFormSkin(form);
        if (Data)
            frame->SetSkinData(Data);
        form->Show();
        auto* e = new TskCustomEdit(form);
        e->SetParent(form);
        e->SetBounds(20, 20, 200, 24);
        e->SetText(Text);
        e->SetFocus();
        Pump();
        return e;
    }
    TskSkinMenu* Manager() { return dynamic_cast<TskSkinMenu*>(frame->SkinMenu()); }
    bool MenuShown() { return Manager() && Manager()->Visible(); }
    // The shown menu as "caption+" (enabled) or "caption." (disabled), separators as "-".
    std::vector<std::string> Shown()
    {
        std::vector<std::string> out;
        TskSkinPopupWindow* w = Manager()->PopupWindow(0);
        for (int i = 0; i < w->ItemCount(); ++i) {
            TMenuItem* item = w->Item(i)->MenuItem;
            out.push_back(item->IsLine() ? "-" : item->GetCaption() + (item->GetEnabled() ? "+" : "."));
        }
        return out;
    }
    void Choose(int Index)
    {
        TskSkinPopupWindow* w = Manager()->PopupWindow(0);
        const RECT& r = w->Item(Index)->ObjectRect;
        kit.Click(POINT{w->GetLeft() + (r.left + r.right) / 2, w->GetTop() + (r.top + r.bottom) / 2});
        Pump();
    }
    void MenuKey()
    {
        kit.PressKey(VK_APPS);
        kit.ReleaseKey(VK_APPS);
        Pump();
    }

    std::unique_ptr<TskSkinData> skin = skinform::ArtworkSkin(0);
    TForm* form = nullptr;
    TskFormSkin* frame = nullptr;
};

TEST_F(EditContextMenu, OpensWithTheStoreCaptionsAndStatesAndRunsTheChosenItemOnTheEdit)
{
    TskResourceStrData store(nullptr);
    store.ResStrings()->Clear();
    for (const char* line : {"EDIT_UNDO=撤销", "EDIT_CUT=剪切", "EDIT_COPY=复制", "EDIT_PASTE=粘贴", "EDIT_SELECTALL=全选"})
        store.ResStrings()->Add(line);
    skin->SetResourceStrData(&store);
    auto* e = Put(skin.get(), "abc");
    kit.ClipboardText() = "xy";
    SendMessage(e->GetHandle(), EM_SETSEL, 1, 1);

    // A right click asks at the mouse point.
    const POINT at = e->ClientToScreen(POINT{40, 10});
    kit.Click(at, VK_RBUTTON);
    Pump();
    ASSERT_TRUE(MenuShown());
    EXPECT_EQ(Manager()->PopupWindow(0)->GetLeft(), at.x);
    EXPECT_EQ(Manager()->PopupWindow(0)->GetTop(), at.y);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"撤销.", "-", "剪切.", "复制.", "粘贴+", ".", "-", "全选+"}))
        << "a key the store lacks gives an empty caption";
    Choose(7);
    EXPECT_FALSE(MenuShown());
    DWORD start = 1, end = 0;
    SendMessage(e->GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(e->SysPopupMenu(), nullptr) << "released after the command";

    // The menu key asks at the edit's centre; the states follow the full selection.
    MenuKey();
    ASSERT_TRUE(MenuShown());
    const POINT centre = e->ClientToScreen(POINT{e->GetWidth() / 2, e->GetHeight() / 2});
    EXPECT_EQ(Manager()->PopupWindow(0)->GetLeft(), centre.x);
    EXPECT_EQ(Manager()->PopupWindow(0)->GetTop(), centre.y);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"撤销.", "-", "剪切+", "复制+", "粘贴+", "+", "-", "全选."}));
    Choose(4);
    EXPECT_EQ(e->GetText(), "xy");
    EXPECT_EQ(e->SysPopupMenu(), nullptr);

    // Closed without a choice, the menu stays until the next request replaces it.
    MenuKey();
    kit.PressKey(VK_ESCAPE);
    kit.ReleaseKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(MenuShown());
    EXPECT_NE(e->SysPopupMenu(), nullptr);
    e->SetReadOnly(true);
    MenuKey();
    ASSERT_TRUE(MenuShown());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"撤销+", "-", "剪切.", "复制.", "粘贴.", ".", "-", "全选+"}));
    Choose(0);
    EXPECT_EQ(e->GetText(), "xy") << "undo on a read-only edit changes nothing";
    EXPECT_EQ(e->SysPopupMenu(), nullptr);
    skin->SetResourceStrData(nullptr);
}

TEST_F(EditContextMenu, EnglishFallbacksWithoutAStoreAndNoMenuWithoutSkinData)
{
    auto* e = Put(skin.get(), "");
    kit.ClipboardText().reset();
    MenuKey();
    ASSERT_TRUE(MenuShown());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Undo.", "-", "Cut.", "Copy.", "Paste.", "Delete.", "-", "Select All."}));
    kit.PressKey(VK_ESCAPE);
    kit.ReleaseKey(VK_ESCAPE);
    Pump();

    // A frame without skin data shows nothing, neither the skinned menu nor the native one.
    e = Put(nullptr, "abc");
    EXPECT_EQ(SendMessage(e->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1)), 1);
    Pump();
    EXPECT_FALSE(MenuShown());
}

} // namespace
