// The frame of an MDI main form closes the open drop-downs of its skinned edits and combo boxes
// when a closing message arrives; other forms leave them alone.

#include "SkinFormSupport.h"

#include "skin/form/FormSkin.h"
#include "skin/input/skSkinComboBox.h"

#include <string>
#include <vector>

namespace {

template <TFormStyle Style>
class TStyledForm : public TForm {
public:
    explicit TStyledForm(TComponent* AOwner) : TForm(AOwner) { SetFormStyle(Style); }
};

class FrameDropDowns : public SkinFormTest {
protected:
    template <class F>
    TForm* Make()
    {
        F* f;
        Application->CreateForm(f);
        f->SetBounds(10, 10, 600, 400);
        new TskFormSkin(f);
        f->Show();
        Pump();
        return f;
    }
    TskSkinEdit* PutEdit(TForm* Form, const std::string& Name, bool Visible, bool Enabled)
    {
        auto* e = new TskSkinEdit(Form);
        e->SetParent(Form);
        e->SetBounds(10, 40 + 30 * edits++, 100, 20);
        e->SetVisible(Visible);
        e->SetEnabled(Enabled);
        e->OnEditCancelMode = [this, Name](TControl* Sender) {
            log.push_back(Name + (Sender ? " named" : " nil"));
        };
        return e;
    }
    TskSkinComboBox* OpenCombo(TForm* Form)
    {
        auto* c = new TskSkinComboBox(Form);
        c->SetParent(Form);
        c->SetBounds(200, 10, 150, 20);
        for (const char* s : {"apple", "banana", "cherry"})
            c->Items()->Add(s);
        c->SetItemIndex(1);
        Pump();
        c->DropDown();
        Pump();
        return c;
    }
    std::vector<std::string> log;
    int edits = 0;
};

TEST_F(FrameDropDowns, AClosingMessageToAnMDIMainFormCancelsItsVisibleEnabledEditsAndCombos)
{
    TForm* main = Make<TStyledForm<TFormStyle::fsMDIForm>>();
    PutEdit(main, "shown", true, true);
    PutEdit(main, "hidden", false, true);
    PutEdit(main, "disabled", true, false);
    TskSkinComboBox* combo = OpenCombo(main);
    ASSERT_TRUE(combo->IsPopupVisible());
    combo->ListBoxWindow()->ListBox->SetItemIndex(2);

    // Closing the list may bring further closing messages: only the shown, enabled edit hears them.
    log.clear();
    SendMessage(main->GetHandle(), WM_CANCELMODE, 0, 0);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log, std::vector<std::string>(log.size(), "shown nil"));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->GetItemIndex(), 1);

    // A message outside the closing set reaches none of them.
    log.clear();
    combo->DropDown();
    SendMessage(main->GetHandle(), WM_NULL, 0, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(combo->IsPopupVisible());
}

TEST_F(FrameDropDowns, AnOrdinaryFormLeavesThemOpen)
{
    TForm* form = Make<TForm>();
    PutEdit(form, "shown", true, true);
    TskSkinComboBox* combo = OpenCombo(form);
    ASSERT_TRUE(combo->IsPopupVisible());
    SendMessage(form->GetHandle(), WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(combo->IsPopupVisible());
}

} // namespace
