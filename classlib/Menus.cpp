#include "classlib/Menus.h"

#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "classlib/SysUtils.h"

#include <algorithm>

// --- shortcuts -------------------------------------------------------------------------------

namespace {

struct KeyName {
    WORD key;
    const char* name;
};

// Key codes with the Windows values the key messages carry.
const KeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
};

std::string keyName(WORD key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) {  // F1..F24
        std::string f(1, 'F');
        f += std::to_string(key - 0x70 + 1);
        return f;
    }
    for (const KeyName& k : kKeyNames)
        if (k.key == key)
            return k.name;
    return std::string();
}

} // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift)
{
    if (Key & 0xFF00)
        return 0;
    TShortCut r = Key;
    if (Shift.Contains(ssShift))
        r |= scShift;
    if (Shift.Contains(ssCtrl))
        r |= scCtrl;
    if (Shift.Contains(ssAlt))
        r |= scAlt;
    return r;
}

void ShortCutToKey(TShortCut AShortCut, WORD& Key, TShiftState& Shift)
{
    Key = AShortCut & 0xFF;
    Shift = TShiftState();
    if (AShortCut & scShift)
        Shift.Include(ssShift);
    if (AShortCut & scCtrl)
        Shift.Include(ssCtrl);
    if (AShortCut & scAlt)
        Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut AShortCut)
{
    std::string name = keyName(AShortCut & 0xFF);
    if (name.empty())
        return std::string();
    std::string r;
    if (AShortCut & scShift)
        r += "Shift+";
    if (AShortCut & scCtrl)
        r += "Ctrl+";
    if (AShortCut & scAlt)
        r += "Alt+";
    r += name;
    return r;
}

TShortCut TextToShortCut(const std::string& Text)
{
    std::string rest = Text;
    TShortCut mods = 0;
    for (;;) {
        auto take = [&](const char* prefix, TShortCut flag) {
            std::size_t n = std::char_traits<char>::length(prefix);
            if (rest.size() > n && SameText(rest.substr(0, n), prefix)) {
                rest.erase(0, n);
                mods |= flag;
                return true;
            }
            return false;
        };
        if (!take("Shift+", scShift) && !take("Ctrl+", scCtrl) && !take("Alt+", scAlt))
            break;
    }
    for (WORD key = 1; key < 0x100; ++key) {
        std::string name = keyName(key);
        if (!name.empty() && SameText(name, rest))
            return static_cast<TShortCut>(key | mods);
    }
    return 0;
}

// --- TMenuItem -------------------------------------------------------------------------------

namespace {

// Command numbers run from 1 and skip 0 after a wrap, so 0 never names an item.
WORD nextCommand()
{
    static WORD last = 0;
    if (++last == 0)
        ++last;
    return last;
}

} // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(nextCommand()) {}

TMenuItem::~TMenuItem()
{
    freeChildren();
    if (FParent)
        FParent->Remove(this);
    if (FBitmap)
        FBitmap->Free();
}

void TMenuItem::BeforeDestruction()
{
    freeChildren();
    if (FParent)
        FParent->Remove(this);
    TComponent::BeforeDestruction();
}

void TMenuItem::freeChildren()
{
    while (!FItems.empty())
        FItems.back()->Free();
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of range");
    return FItems[static_cast<std::size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::GetMenuIndex() const
{
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value)
{
    if (!FParent)
        return;
    TMenuItem* parent = FParent;
    parent->Remove(this);
    parent->Insert(std::clamp(Value, 0, parent->Count()), this);
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (Item->FParent)
        throw EListError("Menu inserted twice");
    if (Index < 0 || Index > Count())
        throw EListError("Menu index out of range");
    for (TMenuItem* p = this; p; p = p->FParent)
        if (p == Item)
            throw EListError("Menu inserted into itself");
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end())
        throw EListError("Menu item not found");
    FItems.erase(it);
    Item->FParent = nullptr;
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    Remove(item);
    item->Free();
}

void TMenuItem::Clear()
{
    freeChildren();
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* p = this;
    while (p->FParent)
        p = p->FParent;
    return p->FMenu;
}

void TMenuItem::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    FChecked = Value;
    if (Value && FRadioItem && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
                sibling->FChecked = false;
}

void TMenuItem::SetDefault(bool Value)
{
    if (Value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            sibling->FDefault = false;
    FDefault = Value;
}

TBitmap* TMenuItem::GetBitmap()
{
    if (!FBitmap)
        FBitmap = new TBitmap;
    return FBitmap;
}

void TMenuItem::SetBitmap(TBitmap* Value)
{
    GetBitmap()->Assign(Value);
}

bool TMenuItem::HasBitmap() const
{
    return FBitmap && !FBitmap->Empty();
}

bool TMenuItem::RethinkLines()
{
    // A separator shows when a visible ordinary item lies before it (since the last shown
    // separator) and another one after it.
    std::vector<bool> show(FItems.size(), false);
    std::size_t pendingLine = FItems.size();
    bool itemBefore = false;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        TMenuItem* item = FItems[i];
        if (!item->IsLine()) {
            if (item->FVisible) {
                if (pendingLine != FItems.size())
                    show[pendingLine] = true;
                pendingLine = FItems.size();
                itemBefore = true;
            }
        } else if (itemBefore && pendingLine == FItems.size()) {
            pendingLine = i;
            itemBefore = false;
        }
    }
    bool changed = false;
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->IsLine() && FItems[i]->FVisible != show[i]) {
            FItems[i]->FVisible = show[i];
            changed = true;
        }
    return changed;
}

void TMenuItem::Click()
{
    if (FEnabled && OnClick)
        OnClick(this);
}

// --- TMenu -----------------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    if (FItems)
        FItems->Free();
}

void TMenu::BeforeDestruction()
{
    FreeAndNil(FItems);
    TComponent::BeforeDestruction();
}

void TMenu::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut AShortCut) const
{
    if (AShortCut == 0 || !FItems)
        return nullptr;
    // Depth first, through enabled and visible items only.
    std::vector<TMenuItem*> stack(FItems->FItems.rbegin(), FItems->FItems.rend());
    while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        if (!item->FEnabled || !item->FVisible)
            continue;
        if (item->FShortCut == AShortCut)
            return item;
        stack.insert(stack.end(), item->FItems.rbegin(), item->FItems.rend());
    }
    return nullptr;
}

bool TMenu::IsShortCut(TShortCut AShortCut)
{
    TMenuItem* item = FindItemByShortCut(AShortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

TMenuItem* TMenu::FindItemByCommand(WORD ACommand) const
{
    if (ACommand == 0 || !FItems)
        return nullptr;
    std::vector<TMenuItem*> stack{FItems};
    while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        if (item->FCommand == ACommand && item != FItems)
            return item;
        stack.insert(stack.end(), item->FItems.rbegin(), item->FItems.rend());
    }
    return nullptr;
}

bool TMenu::DispatchCommand(WORD ACommand)
{
    TMenuItem* item = FindItemByCommand(ACommand);
    if (!item)
        return false;
    item->Click();
    return true;
}

// --- TPopupMenu ------------------------------------------------------------------------------

void TPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = POINT{X, Y};
    DoPopup(this);
}

void TPopupMenu::DoPopup(TObject* Sender)
{
    if (OnPopup)
        OnPopup(Sender);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}
