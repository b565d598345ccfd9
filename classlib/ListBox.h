#pragma once
// TListBox: the class library's list box on the "LISTBOX" window class, with a sunken client
// edge (a derived class drops WS_EX_CLIENTEDGE in CreateParams to draw its own frame). Items live
// in the window; before the window exists (and while it is remade) they are kept by the control.

#include "classlib/Controls.h"
#include "classlib/Strings.h"

#include <functional>
#include <memory>
#include <string>

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };
enum TOwnerDrawStateMember { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = TSet<TOwnerDrawStateMember>;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State)>;

class TCustomListBox;

// The items of a list box: the window's items while it exists.
class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* ListBox) : FListBox(ListBox) {}

    int Count() const override;
    std::string Get(int Index) const override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    // A sorted list box puts the line in its sorted place.
    int Add(const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    int IndexOf(const std::string& S) const override;

private:
    TCustomListBox* FListBox;
};

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    void Clear() { FItems->Clear(); }
    int Count() const { return FItems->Count(); }

    // The selected item (single selection) or the focused item when it is selected (multiple
    // selection); -1 for none. Setting it selects that item only.
    int GetItemIndex();
    void SetItemIndex(int Value);
    bool GetSelected(int Index);
    void SetSelected(int Index, bool Value);
    // The number of selected items; -1 without multiple selection.
    int SelCount();
    int GetTopIndex();
    void SetTopIndex(int Value);
    int GetItemHeight();
    void SetItemHeight(int Value);
    // The item at a client point; -1 when Existing is set and no item is there, else the
    // nearest item (the count when below the last).
    int ItemAtPos(POINT Pos, bool Existing);
    RECT ItemRect(int Index);

    bool GetMultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // With MultiSelect: Shift and Ctrl pick ranges (else each click toggles an item).
    bool GetExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value);
    bool GetSorted() const { return FSorted; }
    void SetSorted(bool Value);
    // Columns of this many pixels each side by side (0: one column).
    int GetColumns() const { return FColumns; }
    void SetColumns(int Value);
    TListBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    // Typing selects the first item starting with the letters typed within half a second.
    bool GetAutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }

    TCanvas* Canvas() const { return FCanvas.get(); }
    // Owner-drawn items: draws item Index into Rect of Canvas.
    TDrawItemEvent OnDrawItem;

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void PaintWindow(HDC DC) override;
    void KeyPress(char32_t& Key) override;
    // OnDrawItem, else the item's text on the highlight or window colour.
    virtual void DrawItem(int Index, const RECT& Rect, TOwnerDrawState State);
    void BeforeDestruction() override;

private:
    friend class TListBoxStrings;
    LRESULT send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    void recreate();
    void sendFont();

    std::unique_ptr<TListBoxStrings> FItems;
    // The items while there is no window.
    std::unique_ptr<TStringList> FSaveItems;
    std::unique_ptr<TControlCanvas> FCanvas;
    int FSaveItemIndex = -1;
    int FSaveTopIndex = 0;
    int FItemHeight = 0;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FSorted = false;
    int FColumns = 0;
    TListBoxStyle FStyle = TListBoxStyle::lbStandard;
    bool FAutoComplete = true;
    std::string FFilter;
    DWORD FLastTime = 0;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
