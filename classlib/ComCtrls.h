#pragma once
// The class library's common controls: the list view with its columns and items, the tree view
// with its nodes, and the page control with its tab sheets. Each is a windowed control whose
// window subclasses the common control class of its kind (classlib/CommCtrl.h): the window class
// paints, scrolls and keeps the native state; the control keeps the items so that a new window
// gets them again, and hears of the window's notifications as CN_NOTIFY.

#include "classlib/Classes.h"
#include "classlib/CommCtrl.h"
#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"
#include "classlib/Strings.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A windowed control over a common control class: the class paints (PaintWindow hands it the
// device context) and erases; the control's font goes to the window as WM_SETFONT.
class TCommonControl : public TWinControl {
public:
    explicit TCommonControl(TComponent* AOwner);
    void Dispatch(TMessage& Message) override;

protected:
    void PaintWindow(HDC DC) override;
    void CreateWnd() override;
    // Pushes the control's own state (items, colours, image lists) into a new window.
    virtual void FillWindow() {}
    // The window's answer to a message, 0 without a window.
    LRESULT SendToWindow(UINT Msg, WPARAM WParam, LPARAM LParam);
};

// --- list view -------------------------------------------------------------------------------

class TCustomListView;
class TListItems;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TItemChange { ctText, ctImage, ctState };
// What an owner-data fetch is asked to fill in.
enum TItemRequestFlag { irText, irImage };
using TItemRequest = TSet<TItemRequestFlag>;
// How an owner-data find compares: the whole caption, or its beginning.
enum class TItemFind { ifExactString, ifPartialString };

class TListColumn : public TCollectionItem {
public:
    explicit TListColumn(TCollection* Collection);
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // The width in pixels; the window's when it has one (the user may have dragged it).
    int GetWidth() const;
    void SetWidth(int Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // The widest the user may drag the column (0: no limit); the program's own widths are kept.
    // A column at zero width held to one pixel is hidden: no drag opens it.
    int GetMaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { FMaxWidth = std::max(Value, 0); }
    void Assign(TPersistent* Source) override;

private:
    friend class TCustomListView;
    TCustomListView* view() const;
    std::string FCaption;
    int FWidth = 50;
    int FMaxWidth = 0;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    int FImageIndex = -1;
};

class TListColumns : public TOwnedCollection {
public:
    explicit TListColumns(TCustomListView* AOwner);
    // The window hears of the new column once it is built.
    TListColumn* Add()
    {
        BeginUpdate();
        auto* column = static_cast<TListColumn*>(TCollection::Add());
        EndUpdate();
        return column;
    }
    TListColumn* Items(int Index) const { return static_cast<TListColumn*>(GetItem(Index)); }
    TCustomListView* Owner() const { return FOwner; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCustomListView* FOwner;
};

class TListItem {
public:
    explicit TListItem(TListItems* AOwner);
    ~TListItem();
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // The texts of columns 1 and up.
    TStrings* SubItems() const { return FSubItems.get(); }
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    void* GetData() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    bool GetSelected() const;
    void SetSelected(bool Value);
    int GetIndex() const;
    TListItems* Owner() const { return FOwner; }
    // The whole row (LVIR_BOUNDS), the icon or the label, in the view's client coordinates.
    RECT DisplayRect(int Code) const;
    // Starts editing the caption in place (the view must not be read-only); false when refused.
    bool EditCaption();
    // Scrolls the view just far enough to show the whole row (nothing without a window).
    void MakeVisible();

private:
    friend class TListItems;
    friend class TCustomListView;
    void push() const;
    TListItems* FOwner;
    int FIndex = -1;  // an owner-data row's index (the items' one stand-in item)
    std::string FCaption;
    std::unique_ptr<TStringList> FSubItems;
    int FImageIndex = -1;
    void* FData = nullptr;
    bool FSelected = false;
};

class TListItems {
public:
    explicit TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}
    ~TListItems();
    TListItem* Add() { return Insert(Count()); }
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const;
    // Owner data: the number of rows (the view keeps no items).
    void SetCount(int Value);
    // Owner data: one stand-in item filled by the view's OwnerDataFetch for the row, valid until
    // the next call.
    TListItem* Item(int Index) const;
    int IndexOf(const TListItem* Item) const;
    TCustomListView* Owner() const { return FOwner; }

private:
    friend class TCustomListView;
    TCustomListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FCount = 0;
    mutable std::unique_ptr<TListItem> FTemp;
};

using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVEditingEvent = std::function<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, std::string& S)>;

class TCustomListView : public TCommonControl {
public:
    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListColumns* Columns() const { return FColumns.get(); }
    TListItems* Items() const { return FItems.get(); }
    TViewStyle GetViewStyle() const { return FViewStyle; }
    virtual void SetViewStyle(TViewStyle Value);
    // Owner data: the rows live with the view's owner-data hooks, not in Items (recreates the
    // window).
    bool GetOwnerData() const { return FOwnerData; }
    void SetOwnerData(bool Value);
    bool GetShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    bool GetRowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    bool GetGridLines() const { return FGridLines; }
    void SetGridLines(bool Value);
    bool GetMultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // Columns follow the pointer while their divider is dragged (the header's order array
    // places the sections).
    bool GetFullDrag() const { return FFullDrag; }
    void SetFullDrag(bool Value);
    TCustomImageList* GetSmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* Value);
    TCustomImageList* GetLargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* Value);

    // The first selected item, or nullptr.
    TListItem* GetSelected() const;
    void SetSelected(TListItem* Value);
    TListItem* GetTopItem();
    TListItem* GetItemAt(int X, int Y);
    int VisibleRowCount();
    // Scrolls by pixels (rows in report style are whole row heights).
    void Scroll(int DX, int DY);
    // Row indexes, for owner data too: the first selected row (-1 when none; setting selects
    // that row alone, -1 clears), the focused row, the number selected, one row's selection.
    int GetItemIndex() const;
    void SetItemIndex(int Value);
    int GetFocusedIndex() const;
    void SetFocusedIndex(int Value);
    int GetSelCount() const;
    bool IsSelected(int Index) const;
    void SetRowSelected(int Index, bool Value);
    void ClearSelection();
    // Starts editing a row's caption in place; false when refused (read-only, no such row).
    bool EditRow(int Index);
    bool IsEditing() const;
    // Repaints rows whose texts changed (owner data).
    void UpdateItems(int FirstIndex, int LastIndex);

    void Dispatch(TMessage& Message) override;

    TLVChangeEvent OnChange;
    TLVColumnClickEvent OnColumnClick;
    // An item gained or lost the selection (after OnChange), by the user or by code.
    TLVSelectItemEvent OnSelectItem;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;

protected:
    void CreateParams(TCreateParams& Params) override;
    void FillWindow() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The window tells of a changed item.
    virtual void Change(TListItem* Item, TItemChange Change);
    // Columns changed: the window gets them all again.
    void UpdateColumns();
    // A header section was clicked: raises OnColumnClick.
    virtual void ColClick(TListColumn* Column);
    // Owner data: fills Item (its index set) with what Request asks; false when it has nothing.
    virtual bool OwnerDataFetch(TListItem* Item, TItemRequest Request);
    // Owner data, type-ahead: the row whose caption matches FindString from StartIndex on
    // (wrapping to row 0 when Wrap), -1 when none. The base finds nothing.
    virtual int OwnerDataFind(TItemFind Find, const std::string& FindString, int StartIndex, bool Wrap);
    // Asked before a label edit starts (raises OnEditing); false refuses.
    virtual bool CanEdit(TListItem* Item);
    // A label edit ended with Text (nullptr: cancelled): OnEdited may change it, then the item
    // takes it.
    virtual void Edit(TListItem* Item, const std::string* Text);

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    friend class TListColumn;
    void insertItem(int Index);
    void deleteItem(int Index);
    void restyle();
    void applyColors();
    LRESULT notify(const NMHDR* Header);
    // Holds a header drag to the column's MaxWidth; true: the drag is refused (a hidden column,
    // at zero width and held to one pixel, is never opened).
    bool limitDraggedWidth(NMHDR* Header);
    TListItem* rowItem(int Index) const;

    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TListItems> FItems;
    TViewStyle FViewStyle = TViewStyle::vsIcon;
    bool FShowColumnHeaders = true;
    bool FRowSelect = false;
    bool FGridLines = false;
    bool FMultiSelect = false;
    bool FHideSelection = true;
    bool FReadOnly = false;
    bool FFullDrag = false;
    TCustomImageList* FSmallImages = nullptr;
    TCustomImageList* FLargeImages = nullptr;
    bool FFilling = false;  // the window is being given the items: no change events
    bool FOwnerData = false;
    std::string FDispText;  // the text last handed to the window for LVN_GETDISPINFO
    int FFetchedRow = -1;   // the row whose texts FTemp holds during one row's requests
};

class TListView : public TCustomListView {
public:
    using TCustomListView::TCustomListView;
};

// --- tree view -------------------------------------------------------------------------------

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent);
    ~TTreeNode();
    const std::string& GetText() const { return FText; }
    void SetText(const std::string& Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int GetSelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int Value);
    // The state image (0: none).
    int GetStateIndex() const { return FStateIndex; }
    void SetStateIndex(int Value);
    bool GetExpanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    // Shows an expansion button before any child exists.
    bool GetHasChildren() const { return FHasChildren || !FChildren.empty(); }
    void SetHasChildren(bool Value);
    bool GetSelected() const;
    void SetSelected(bool Value);
    void* GetData() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    TTreeNode* GetParent() const { return FParent; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int Index) const { return FChildren.at(static_cast<std::size_t>(Index)); }
    int GetIndex() const;
    int Level() const;
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
    TTreeNode* GetNextSibling() const;
    // The next node in pre-order (children first, then siblings, then the ancestors' siblings).
    TTreeNode* GetNext() const;
    bool HasAsParent(const TTreeNode* Value) const;
    // Frees the node with its children (the view's deletion hook runs for each).
    void Delete();
    void DeleteChildren();
    // Sorts the children (not deeper) by Compare's sign, keeping equal ones in their order.
    void CustomSort(const std::function<int(TTreeNode* A, TTreeNode* B)>& Compare);
    // Starts editing the label in place (the view must not be read-only); false when refused.
    bool EditText();
    void EndEdit(bool Cancel);
    HTREEITEM ItemId() const { return FItem; }
    TTreeNodes* Owner() const { return FOwner; }
    // The row (or with TextOnly the label) in the view's client coordinates; empty when hidden.
    RECT DisplayRect(bool TextOnly) const;

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    void push(UINT Mask) const;
    void insertWindowItem(HTREEITEM After);
    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::vector<TTreeNode*> FChildren;
    std::string FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = 0;
    bool FExpanded = false;
    bool FHasChildren = false;
    void* FData = nullptr;
    HTREEITEM FItem = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}
    ~TTreeNodes();
    // A new last child of Parent (nullptr: a new last top-level node).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& S);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& S);
    // A new last sibling of Sibling (nullptr: a top-level node).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& S);
    // A new node just before Sibling (nullptr: a new last top-level node).
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& S);
    void Delete(TTreeNode* Node);
    void Clear();
    // All nodes, parents before children.
    int Count() const;
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
    const std::vector<TTreeNode*>& Roots() const { return FRoots; }
    TCustomTreeView* Owner() const { return FOwner; }
    TTreeNode* FindNode(HTREEITEM Item) const;

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* insert(TTreeNode* Parent, const std::string& S, std::size_t Position);
    TCustomTreeView* FOwner;
    std::vector<TTreeNode*> FRoots;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, std::string& S)>;

class TCustomTreeView : public TCommonControl {
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return FNodes.get(); }
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* GetStateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* Value);
    bool GetShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool GetShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool GetShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value);
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // Labels can be edited in place unless read-only.
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    int GetIndent() const { return FIndent; }
    void SetIndent(int Value);
    TTreeNode* GetSelected() const;
    void SetSelected(TTreeNode* Value);
    // The first row shown; setting it scrolls (with a window).
    TTreeNode* GetTopItem();
    void SetTopItem(TTreeNode* Value);
    TTreeNode* GetNodeAt(int X, int Y);
    int VisibleCount();
    bool IsEditing();
    // Sorts the top-level nodes (see TTreeNode::CustomSort).
    void CustomSort(const std::function<int(TTreeNode* A, TTreeNode* B)>& Compare);

    void Dispatch(TMessage& Message) override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    TTVExpandedEvent OnDeletion;

protected:
    void CreateParams(TCreateParams& Params) override;
    void FillWindow() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The selection moved.
    virtual void Change(TTreeNode* Node);
    // Hooks asked before the selection moves to Node, before a node expands or collapses and
    // before a label edit starts (each raises its event; false refuses).
    virtual bool CanChange(TTreeNode* Node);
    virtual bool CanExpand(TTreeNode* Node);
    virtual bool CanCollapse(TTreeNode* Node);
    virtual bool CanEdit(TTreeNode* Node);
    // A label edit ended with Text (nullptr: cancelled): OnEdited may change it, then the node
    // takes it.
    virtual void Edit(TTreeNode* Node, const std::string* Text);
    // A node is being freed (its children first).
    virtual void Delete(TTreeNode* Node);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void restyle();
    LRESULT notify(const NMHDR* Header);

    std::unique_ptr<TTreeNodes> FNodes;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FStateImages = nullptr;
    bool FShowButtons = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    bool FHideSelection = true;
    bool FReadOnly = false;
    int FIndent = 19;
    TTreeNode* FSelected = nullptr;  // while the window does not exist
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
};

// --- page control ----------------------------------------------------------------------------

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* GetPageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    int GetPageIndex() const;
    void SetPageIndex(int Value);
    // The index among the shown tabs, -1 when the tab is hidden.
    int GetTabIndex() const;
    bool GetTabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    void Dispatch(TMessage& Message) override;

protected:
    void BeforeDestruction() override;

private:
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TCommonControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(static_cast<std::size_t>(Index)); }
    TTabSheet* GetActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Page);
    int GetActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The selected tab among the shown ones (-1: none).
    int GetTabIndex();
    // The page of a shown tab, or nullptr.
    TTabSheet* PageForTab(int TabIndex) const;
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    void SelectNextPage(bool GoForward);

    TTabPosition GetTabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    bool GetMultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    int GetTabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value);
    int GetTabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The tab rectangle of a shown tab, from the window (so a subclass's answer counts).
    RECT TabRect(int TabIndex);
    // The part of the client area the pages take (TCM_ADJUSTRECT through the control).
    RECT DisplayRect();

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& Params) override;
    void FillWindow() override;
    void AdjustClientRect(RECT& Rect) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual bool CanChange();
    // The selected tab changed (by the user or from code).
    virtual void Change();
    // Sends the tab size (TabWidth, TabHeight) to the window.
    virtual void SetTabSize();
    void UpdateTabs();

private:
    friend class TTabSheet;
    void insertPage(TTabSheet* Page);
    void removePage(TTabSheet* Page);
    void showActive();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    TTabPosition FTabPosition = TTabPosition::tpTop;
    bool FMultiLine = false;
    int FTabWidth = 0;
    int FTabHeight = 0;
    TCustomImageList* FImages = nullptr;
};
