#pragma once
// A plain drop-down-list combo box: a box showing the selected item's text, whose selection the
// arrow keys move. OnChange follows every change of the selection by the user.

#include "classlib/Controls.h"
#include "classlib/Strings.h"

#include <memory>
#include <string>

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TStrings* Items() const { return FItems.get(); }
    // -1 when no item is selected; an index outside the items selects none.
    int GetItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // The selected item's text, empty when none.
    std::string GetText() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
};
