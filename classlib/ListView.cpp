#include "classlib/ComCtrls.h"
#include "platform/window/User.h"

#include <algorithm>
#include <stdexcept>

namespace {

int FormatOf(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
    }
}

} // namespace

// --- columns ---------------------------------------------------------------------------------

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

TCustomListView* TListColumn::view() const
{
    auto* columns = dynamic_cast<TListColumns*>(GetCollection());
    return columns ? columns->Owner() : nullptr;
}

void TListColumn::SetCaption(const std::string& Value)
{
    FCaption = Value;
    Changed(false);
}

int TListColumn::GetWidth() const
{
    TCustomListView* v = view();
    if (v && v->HandleAllocated())
        return static_cast<int>(SendMessage(v->GetHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(GetIndex()), 0));
    return FWidth;
}

void TListColumn::SetWidth(int Value)
{
    FWidth = std::max(Value, 0);
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Changed(false);
}

void TListColumn::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Changed(false);
}

void TListColumn::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TListColumn*>(Source)) {
        FCaption = c->FCaption;
        FWidth = c->GetWidth();
        FAlignment = c->FAlignment;
        FImageIndex = c->FImageIndex;
        FMaxWidth = c->FMaxWidth;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

TListColumns::TListColumns(TCustomListView* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TListColumn>()), FOwner(AOwner)
{
}

void TListColumns::Update(TCollectionItem* Item)
{
    (void)Item;
    FOwner->UpdateColumns();
}

// --- items -----------------------------------------------------------------------------------

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>())
{
    FSubItems->OnChange = [this](TObject*) { push(); };
}

TListItem::~TListItem() = default;

int TListItem::GetIndex() const
{
    return FIndex >= 0 ? FIndex : FOwner->IndexOf(this);
}

bool TListItem::EditCaption()
{
    return FOwner->Owner()->EditRow(GetIndex());
}

void TListItem::MakeVisible()
{
    TCustomListView* view = FOwner->Owner();
    if (view->HandleAllocated())
        SendMessage(view->GetHandle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(GetIndex()), FALSE);
}

void TListItem::SetCaption(const std::string& Value)
{
    FCaption = Value;
    push();
}

void TListItem::SetImageIndex(int Value)
{
    FImageIndex = Value;
    push();
}

bool TListItem::GetSelected() const
{
    TCustomListView* v = FOwner->Owner();
    if (v->HandleAllocated() || FIndex >= 0)
        return SendMessage(v->GetHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), LVIS_SELECTED) != 0;
    return FSelected;
}

void TListItem::SetSelected(bool Value)
{
    FSelected = Value;
    FOwner->Owner()->SetRowSelected(GetIndex(), Value);
}

RECT TListItem::DisplayRect(int Code) const
{
    RECT r{Code, 0, 0, 0};
    TCustomListView* v = FOwner->Owner();
    if (!v->HandleAllocated() ||
        !SendMessage(v->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    return r;
}

// Sends the caption, image and sub-items to the window.
void TListItem::push() const
{
    TCustomListView* v = FOwner->Owner();
    if (!v->HandleAllocated() || FIndex >= 0 || v->GetOwnerData())
        return;
    const int index = GetIndex();
    if (index < 0)
        return;
    HWND h = v->GetHandle();
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = FCaption.c_str();
    item.iImage = FImageIndex;
    item.lParam = reinterpret_cast<LPARAM>(this);
    SendMessage(h, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
    for (int s = 0; s < FSubItems->Count(); ++s) {
        const std::string text = FSubItems->Get(s);
        LVITEM sub;
        sub.mask = LVIF_TEXT;
        sub.iItem = index;
        sub.iSubItem = s + 1;
        sub.pszText = text.c_str();
        SendMessage(h, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&sub));
    }
}

TListItems::~TListItems() = default;

int TListItems::Count() const
{
    return FOwner->GetOwnerData() ? FCount : static_cast<int>(FItems.size());
}

void TListItems::SetCount(int Value)
{
    if (!FOwner->GetOwnerData())
        return;
    FCount = std::max(Value, 0);
    FOwner->FFetchedRow = -1;
    FOwner->SendToWindow(LVM_SETITEMCOUNT, static_cast<WPARAM>(FCount), 0);
}

TListItem* TListItems::Item(int Index) const
{
    if (!FOwner->GetOwnerData())
        return FItems.at(static_cast<std::size_t>(Index)).get();
    if (Index < 0 || Index >= FCount)
        throw std::out_of_range("list view row out of range");
    FTemp = std::make_unique<TListItem>(const_cast<TListItems*>(this));
    FTemp->FIndex = Index;
    FOwner->FFetchedRow = -1;
    TItemRequest request;
    request << irText << irImage;
    FOwner->OwnerDataFetch(FTemp.get(), request);
    return FTemp.get();
}
TListItem* TListItems::Insert(int Index)
{
    if (FOwner->GetOwnerData())
        throw std::logic_error("an owner-data list view keeps no items");
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(this));
    FOwner->insertItem(Index);
    return FItems[static_cast<std::size_t>(Index)].get();
}

void TListItems::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    FOwner->deleteItem(Index);
    FItems.erase(FItems.begin() + Index);
}

void TListItems::Clear()
{
    if (FOwner->GetOwnerData()) {
        SetCount(0);
        return;
    }
    if (FOwner->HandleAllocated())
        SendMessage(FOwner->GetHandle(), LVM_DELETEALLITEMS, 0, 0);
    FItems.clear();
}

int TListItems::IndexOf(const TListItem* Item) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item)
            return static_cast<int>(i);
    return -1;
}

// --- the view --------------------------------------------------------------------------------

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCommonControl(AOwner), FColumns(std::make_unique<TListColumns>(this)), FItems(std::make_unique<TListItems>(this))
{
    SetBounds(0, 0, 250, 150);
    // Clicks come from the window's notifications (a double click is one NM_DBLCLK).
    FControlStyle.Exclude(csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

TCustomListView::~TCustomListView()
{
    FItems.reset();
    FColumns.reset();
}

void TCustomListView::CreateParams(TCreateParams& Params)
{
    TCommonControl::CreateParams(Params);
    CreateSubClass(Params, WC_LISTVIEW);
    static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    Params.Style |= styles[static_cast<int>(FViewStyle)] | WS_HSCROLL | WS_VSCROLL;
    if (!FMultiSelect)
        Params.Style |= LVS_SINGLESEL;
    if (!FHideSelection)
        Params.Style |= LVS_SHOWSELALWAYS;
    if (!FShowColumnHeaders)
        Params.Style |= LVS_NOCOLUMNHEADER;
    if (FOwnerData)
        Params.Style |= LVS_OWNERDATA;
    if (!FReadOnly)
        Params.Style |= LVS_EDITLABELS;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::FillWindow()
{
    FFilling = true;
    applyColors();
    SendToWindow(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages));
    SendToWindow(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FLargeImages));
    UpdateColumns();
    if (FOwnerData) {
        SendToWindow(LVM_SETITEMCOUNT, static_cast<WPARAM>(FItems->Count()), 0);
    } else {
        for (int i = 0; i < FItems->Count(); ++i) {
            insertItem(i);
            if (FItems->Item(i)->FSelected)
                FItems->Item(i)->SetSelected(true);
        }
    }
    FFilling = false;
}

void TCustomListView::applyColors()
{
    const DWORD ex = (FRowSelect ? LVS_EX_FULLROWSELECT : 0) | (FGridLines ? LVS_EX_GRIDLINES : 0);
    SendToWindow(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, ex);
    SendToWindow(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
    SendToWindow(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->GetColor())));
    if (HWND header = reinterpret_cast<HWND>(SendToWindow(LVM_GETHEADER, 0, 0))) {
        LONG_PTR style = GetWindowLongPtr(header, GWL_STYLE);
        style = FFullDrag ? (style | HDS_FULLDRAG) : (style & ~static_cast<LONG_PTR>(HDS_FULLDRAG));
        SetWindowLongPtr(header, GWL_STYLE, style);
    }
}

void TCustomListView::UpdateColumns()
{
    if (!HandleAllocated() || !FColumns)
        return;
    while (SendToWindow(LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < FColumns->Count(); ++i) {
        TListColumn* c = FColumns->Items(i);
        LVCOLUMN col;
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_IMAGE;
        col.pszText = c->GetCaption().c_str();
        col.cx = c->FWidth;
        col.fmt = FormatOf(c->GetAlignment()) | (c->GetImageIndex() >= 0 ? LVCFMT_IMAGE : 0);
        col.iImage = c->GetImageIndex();
        SendToWindow(LVM_INSERTCOLUMN, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
    if (!FOwnerData)
        for (int i = 0; i < FItems->Count(); ++i)
            FItems->Item(i)->push();
}

void TCustomListView::insertItem(int Index)
{
    if (!HandleAllocated())
        return;
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = Index;
    item.pszText = "";
    SendToWindow(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    FItems->Item(Index)->push();
}

void TCustomListView::deleteItem(int Index)
{
    SendToWindow(LVM_DELETEITEM, static_cast<WPARAM>(Index), 0);
}

void TCustomListView::restyle()
{
    RecreateWnd();
}

void TCustomListView::SetViewStyle(TViewStyle Value)
{
    if (Value == FViewStyle)
        return;
    FViewStyle = Value;
    if (HandleAllocated()) {
        static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
        const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | styles[static_cast<int>(Value)]);
        applyColors();
    }
}

void TCustomListView::SetShowColumnHeaders(bool Value)
{
    if (Value == FShowColumnHeaders)
        return;
    FShowColumnHeaders = Value;
    if (HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE,
                         Value ? (style & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER)) : (style | LVS_NOCOLUMNHEADER));
        UpdateColumns();
    }
}

void TCustomListView::SetRowSelect(bool Value)
{
    FRowSelect = Value;
    applyColors();
}

void TCustomListView::SetGridLines(bool Value)
{
    FGridLines = Value;
    applyColors();
}

void TCustomListView::SetFullDrag(bool Value)
{
    FFullDrag = Value;
    applyColors();
}

void TCustomListView::SetMultiSelect(bool Value)
{
    if (Value == FMultiSelect)
        return;
    FMultiSelect = Value;
    restyle();
}

void TCustomListView::SetOwnerData(bool Value)
{
    if (Value == FOwnerData)
        return;
    FItems->Clear();
    FOwnerData = Value;
    FItems->FCount = 0;
    restyle();
}

void TCustomListView::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (!HandleAllocated())
        return;
    const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
    SetWindowLongPtr(FHandle, GWL_STYLE, Value ? (style & ~static_cast<LONG_PTR>(LVS_EDITLABELS)) : (style | LVS_EDITLABELS));
}

void TCustomListView::SetHideSelection(bool Value)
{
    if (Value == FHideSelection)
        return;
    FHideSelection = Value;
    restyle();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value)
{
    if (FSmallImages)
        FSmallImages->RemoveFreeNotification(this);
    FSmallImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(Value));
}

void TCustomListView::SetLargeImages(TCustomImageList* Value)
{
    if (FLargeImages)
        FLargeImages->RemoveFreeNotification(this);
    FLargeImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(Value));
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCommonControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSmallImages)
        SetSmallImages(nullptr);
    if (AComponent == FLargeImages)
        SetLargeImages(nullptr);
}

TListItem* TCustomListView::GetSelected() const
{
    if (FOwnerData) {
        const int index = GetItemIndex();
        return index >= 0 ? FItems->Item(index) : nullptr;
    }
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Item(i)->GetSelected())
            return FItems->Item(i);
    return nullptr;
}

void TCustomListView::SetSelected(TListItem* Value)
{
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Item(i)->SetSelected(FItems->Item(i) == Value);
}

TListItem* TCustomListView::GetTopItem()
{
    const int top = static_cast<int>(SendMessage(GetHandle(), LVM_GETTOPINDEX, 0, 0));
    return top >= 0 && top < FItems->Count() ? FItems->Item(top) : nullptr;
}

TListItem* TCustomListView::GetItemAt(int X, int Y)
{
    LVHITTESTINFO hit;
    hit.pt = POINT{X, Y};
    const int i = static_cast<int>(SendMessage(GetHandle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return i >= 0 && i < FItems->Count() ? FItems->Item(i) : nullptr;
}

int TCustomListView::VisibleRowCount()
{
    return static_cast<int>(SendMessage(GetHandle(), LVM_GETCOUNTPERPAGE, 0, 0));
}

void TCustomListView::Scroll(int DX, int DY)
{
    SendMessage(GetHandle(), LVM_SCROLL, static_cast<WPARAM>(DX), static_cast<LPARAM>(DY));
}

int TCustomListView::GetItemIndex() const
{
    if (!HandleAllocated()) {
        for (int i = 0; !FOwnerData && i < FItems->Count(); ++i)
            if (FItems->Item(i)->FSelected)
                return i;
        return -1;
    }
    return static_cast<int>(SendMessage(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int Value)
{
    ClearSelection();
    if (Value < 0 || Value >= FItems->Count())
        return;
    SetRowSelected(Value, true);
    SetFocusedIndex(Value);
}

int TCustomListView::GetFocusedIndex() const
{
    if (!HandleAllocated())
        return -1;
    return static_cast<int>(SendMessage(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void TCustomListView::SetFocusedIndex(int Value)
{
    LVITEM state;
    state.stateMask = LVIS_FOCUSED;
    state.state = LVIS_FOCUSED;
    if (SendToWindow(LVM_SETITEMSTATE, static_cast<WPARAM>(Value), reinterpret_cast<LPARAM>(&state)))
        SendToWindow(LVM_ENSUREVISIBLE, static_cast<WPARAM>(Value), FALSE);
}

int TCustomListView::GetSelCount() const
{
    if (!HandleAllocated()) {
        int count = 0;
        for (int i = 0; !FOwnerData && i < FItems->Count(); ++i)
            count += FItems->Item(i)->FSelected ? 1 : 0;
        return count;
    }
    return static_cast<int>(SendMessage(FHandle, LVM_GETSELECTEDCOUNT, 0, 0));
}

bool TCustomListView::IsSelected(int Index) const
{
    if (!HandleAllocated())
        return !FOwnerData && Index >= 0 && Index < FItems->Count() && FItems->Item(Index)->FSelected;
    return SendMessage(FHandle, LVM_GETITEMSTATE, static_cast<WPARAM>(Index), LVIS_SELECTED) != 0;
}

void TCustomListView::SetRowSelected(int Index, bool Value)
{
    if (!HandleAllocated()) {
        if (!FOwnerData && Index >= 0 && Index < FItems->Count())
            FItems->Item(Index)->FSelected = Value;
        return;
    }
    LVITEM state;
    state.stateMask = LVIS_SELECTED;
    state.state = Value ? LVIS_SELECTED : 0;
    SendMessage(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&state));
}

void TCustomListView::ClearSelection()
{
    if (!HandleAllocated()) {
        for (int i = 0; !FOwnerData && i < FItems->Count(); ++i)
            FItems->Item(i)->FSelected = false;
        return;
    }
    LVITEM state;
    state.stateMask = LVIS_SELECTED;
    SendMessage(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

bool TCustomListView::EditRow(int Index)
{
    return HandleAllocated() && !FReadOnly && SendMessage(FHandle, LVM_EDITLABEL, static_cast<WPARAM>(Index), 0) != 0;
}

bool TCustomListView::IsEditing() const
{
    return HandleAllocated() && SendMessage(FHandle, LVM_GETEDITCONTROL, 0, 0) != 0;
}

void TCustomListView::UpdateItems(int FirstIndex, int LastIndex)
{
    FFetchedRow = -1;
    SendToWindow(LVM_REDRAWITEMS, static_cast<WPARAM>(FirstIndex), static_cast<LPARAM>(LastIndex));
}

void TCustomListView::ColClick(TListColumn* Column)
{
    if (const TLVColumnClickEvent handler = OnColumnClick)
        handler(this, Column);
}

bool TCustomListView::OwnerDataFetch(TListItem* Item, TItemRequest Request)
{
    (void)Item;
    (void)Request;
    return false;
}

int TCustomListView::OwnerDataFind(TItemFind Find, const std::string& FindString, int StartIndex, bool Wrap)
{
    (void)Find;
    (void)FindString;
    (void)StartIndex;
    (void)Wrap;
    return -1;
}

bool TCustomListView::CanEdit(TListItem* Item)
{
    bool allow = true;
    if (const TLVEditingEvent handler = OnEditing)
        handler(this, Item, allow);
    return allow;
}

void TCustomListView::Edit(TListItem* Item, const std::string* Text)
{
    if (!Text)
        return;
    std::string s = *Text;
    if (const TLVEditedEvent handler = OnEdited)
        handler(this, Item, s);
    if (!FOwnerData)
        Item->SetCaption(s);
}

TListItem* TCustomListView::rowItem(int Index) const
{
    return Index >= 0 && Index < FItems->Count() ? FItems->Item(Index) : nullptr;
}

// Answers the window's notifications (reflected as CN_NOTIFY).
LRESULT TCustomListView::notify(const NMHDR* Header)
{
    switch (Header->code) {
    case LVN_ITEMCHANGED: {
        const auto* note = reinterpret_cast<const NMLISTVIEW*>(Header);
        TListItem* item = FFilling ? nullptr : rowItem(note->iItem);
        if (!item)
            return 0;
        const bool selected = (note->uNewState & LVIS_SELECTED) != 0;
        item->FSelected = selected;
        Change(item, TItemChange::ctState);
        const TLVSelectItemEvent handler = OnSelectItem;
        if (handler && ((note->uOldState ^ note->uNewState) & LVIS_SELECTED))
            handler(this, rowItem(note->iItem), selected);
        return 0;
    }
    case LVN_GETDISPINFO: {
        auto* info = const_cast<NMLVDISPINFO*>(reinterpret_cast<const NMLVDISPINFO*>(Header));
        const int row = info->item.iItem;
        const int sub = info->item.iSubItem;
        if (!FOwnerData || row < 0 || row >= FItems->Count())
            return 0;
        // A row's label comes first; its sub-items reuse that fetch.
        TListItem* item = sub != 0 && row == FFetchedRow ? FItems->FTemp.get() : FItems->Item(row);
        FFetchedRow = row;
        if (info->item.mask & LVIF_TEXT) {
            FDispText = sub == 0 ? item->GetCaption()
                        : sub <= item->SubItems()->Count() ? item->SubItems()->Get(sub - 1)
                                                           : std::string();
            info->item.pszText = FDispText.c_str();
        }
        if (info->item.mask & LVIF_IMAGE)
            info->item.iImage = item->GetImageIndex();
        return 0;
    }
    case LVN_ODFINDITEM: {
        const auto* find = reinterpret_cast<const NMLVFINDITEM*>(Header);
        if (!(find->lvfi.flags & LVFI_STRING) || !find->lvfi.psz)
            return -1;
        return OwnerDataFind((find->lvfi.flags & LVFI_PARTIAL) ? TItemFind::ifPartialString : TItemFind::ifExactString,
                             find->lvfi.psz, find->iStart, (find->lvfi.flags & LVFI_WRAP) != 0);
    }
    case LVN_BEGINLABELEDIT: {
        TListItem* item = rowItem(reinterpret_cast<const NMLVDISPINFO*>(Header)->item.iItem);
        return item && CanEdit(item) ? 0 : 1;
    }
    case LVN_ENDLABELEDIT: {
        const auto* info = reinterpret_cast<const NMLVDISPINFO*>(Header);
        if (TListItem* item = rowItem(info->item.iItem)) {
            const std::string text = info->item.pszText ? info->item.pszText : "";
            Edit(item, info->item.pszText ? &text : nullptr);
        }
        return 0;
    }
    case LVN_COLUMNCLICK: {
        const int column = reinterpret_cast<const NMLISTVIEW*>(Header)->iSubItem;
        if (column >= 0 && column < FColumns->Count())
            ColClick(FColumns->Items(column));
        return 0;
    }
    case NM_CLICK: Click(); return 0;
    case NM_DBLCLK: DblClick(); return 0;
    default: return 0;
    }
}

bool TCustomListView::limitDraggedWidth(NMHDR* Header)
{
    if (!Header || (Header->code != HDN_ITEMCHANGING && Header->code != HDN_BEGINTRACK))
        return false;
    auto* note = reinterpret_cast<NMHEADER*>(Header);
    if (note->iItem < 0 || note->iItem >= FColumns->Count())
        return false;
    const TListColumn* column = FColumns->Items(note->iItem);
    const int most = column->GetMaxWidth();
    if (Header->code == HDN_BEGINTRACK)
        return most == 1 && column->GetWidth() == 0;
    if (note->pitem && (note->pitem->mask & HDI_WIDTH) && most > 0 && note->pitem->cxy > most)
        note->pitem->cxy = most;
    return false;
}

void TCustomListView::Change(TListItem* Item, TItemChange Change)
{
    if (OnChange)
        OnChange(this, Item, Change);
}

void TCustomListView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY:
        Message.Result = notify(reinterpret_cast<const NMHDR*>(Message.LParam));
        break;
    case WM_NOTIFY:
        if (limitDraggedWidth(reinterpret_cast<NMHDR*>(Message.LParam))) {
            Message.Result = 1;
            break;
        }
        TCommonControl::Dispatch(Message);
        break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TCommonControl::Dispatch(Message);
        applyColors();
        break;
    default:
        TCommonControl::Dispatch(Message);
        break;
    }
}
