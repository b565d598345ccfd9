// Enter and Escape in a dialog whose combo box has its list open: they close the list (Enter
// choosing the row under the pointer) and leave the dialog's default and cancel buttons alone;
// with the list closed they are the dialog's again.

#include "SkinFormSupport.h"

#include "classlib/StdCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <functional>
#include <string>

namespace {

// A dialog with a default and a cancel button and one box of each kind.
class DropDownKeys : public SkinFormTest {
protected:
    void SetUp() override
    {
        form = ShownForm(400, 300);
        auto button = [this](const char* Caption, int Left, std::string& Log) {
            auto* b = new TButton(form);
            b->SetParent(form);
            b->SetBounds(Left, 260, 80, 26);
            b->SetCaption(Caption);
            b->OnClick = [&Log, Caption](TObject*) { Log += Caption; };
            return b;
        };
        button("ok", 200, clicked)->SetDefault(true);
        button("cancel", 300, clicked)->SetCancel(true);
        for (auto style : {TskSkinCustomComboBoxStyle::skcbFixedStyle, TskSkinCustomComboBoxStyle::skcbEditStyle}) {
            auto* c = new TskSkinComboBox(form);
            c->SetParent(form);
            c->SetBounds(10, style == TskSkinCustomComboBoxStyle::skcbFixedStyle ? 10 : 40, 150, 20);
            for (const char* s : {"1", "2", "3", "4", "5", "6"})
                c->Items()->Add(s);
            c->SetStyle(style);
            c->SetItemIndex(0);
            (style == TskSkinCustomComboBoxStyle::skcbFixedStyle ? fixed : edit) = c;
        }
        office = new TskSkinOfficeComboBox(form);
        office->SetParent(form);
        office->SetBounds(200, 10, 120, 41);
        office->SetListBoxItemHeight(20);
        for (const char* s : {"1", "2", "3", "4", "5", "6"})
            office->Items()->Add()->SetCaption(s);
        office->SetItemIndex(0);
        Pump();
    }
    void Key(WORD VK)
    {
        kit.PressKey(VK, VK == VK_RETURN ? "\r" : "\x1b");
        kit.ReleaseKey(VK);
        Pump();
    }

    TForm* form = nullptr;
    TskSkinComboBox* fixed = nullptr;
    TskSkinComboBox* edit = nullptr;
    TskSkinOfficeComboBox* office = nullptr;
    std::string clicked;
};

}  // namespace

TEST_F(DropDownKeys, EnterAndEscapeCloseAnOpenListOnlyAndBelongToTheDialogOtherwise)
{
    struct Box {
        const char* what;
        std::function<void()> focusAndOpen;
        std::function<POINT()> row4;  // a screen point on the fifth row of the open list
        std::function<bool()> open;
        std::function<std::string()> text;
    };
    auto combo = [](const char* What, TskSkinComboBox* C, TWinControl* Focus) {
        return Box{What,
                   [C, Focus] {
                       Focus->SetFocus();
                       C->DropDown();
                   },
                   [C] {
                       const RECT r = C->ListBoxWindow()->ItemRect(4);
                       return C->ListBoxWindow()->ListBox->ClientToScreen(POINT{5, (r.top + r.bottom) / 2});
                   },
                   [C] { return C->IsPopupVisible(); }, [C] { return C->GetText(); }};
    };
    const Box boxes[] = {
        combo("fixed style", fixed, fixed),
        combo("edit style", edit, edit->Edit()),
        {"office",
         [this] {
             office->SetFocus();
             office->DropDown();
         },
         [this] {
             TskPopupOfficeListBox* list = office->ListBox();
             const RECT r = list->Items()->Items(4)->ItemRect;
             return list->ClientToScreen(POINT{20, (r.top + r.bottom) / 2});
         },
         [this] { return office->IsPopupVisible(); },
         [this] { return office->Items()->Items(office->GetItemIndex())->GetCaption(); }},
    };
    for (const Box& box : boxes) {
        for (WORD key : {VK_ESCAPE, VK_RETURN}) {
            const std::string what = std::string(box.what) + (key == VK_RETURN ? ", Enter" : ", Escape");
            clicked.clear();
            box.focusAndOpen();
            Pump();
            ASSERT_TRUE(box.open()) << what;
            const std::string before = box.text();
            kit.MoveMouse(box.row4());
            Pump();
            Key(key);
            EXPECT_FALSE(box.open()) << what;
            EXPECT_EQ(clicked, "") << what << ": the dialog's button took the key";
            EXPECT_EQ(box.text(), key == VK_RETURN ? "5" : before) << what;
            // The list closed, the same key is the dialog's.
            Key(key);
            EXPECT_EQ(clicked, key == VK_RETURN ? "ok" : "cancel") << what;
        }
    }
}
