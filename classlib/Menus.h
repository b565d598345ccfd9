#pragma once
// The menu model: menus, their tree of items with captions, shortcuts, states and click events.
// Menus are shown by the skinned menu windows; this model draws nothing itself.

#include "classlib/Classes.h"
#include "platform/win/Types.h"

#include <functional>
#include <string>
#include <vector>

class TBitmap;
class TCustomImageList;

// A key code in the low byte with the modifier flags below.
using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// "Ctrl+O", "Shift+Ctrl+F1", "Del"; empty for no shortcut or an unnamed key.
std::string ShortCutToText(TShortCut ShortCut);
// The reverse, modifier names compared without regard to case; 0 for text it does not know.
TShortCut TextToShortCut(const std::string& Text);

class TMenu;
class TCanvas;

// Paints an item in place of its look: Sender is the object that shows the item.
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const RECT& ARect, bool Selected)>;

// maParent (for an item) follows the menu's setting.
enum class TMenuAutoFlag { maAutomatic, maManual, maParent };

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // The tree: children in order; an item belongs to at most one parent.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    int GetMenuIndex() const;
    void SetMenuIndex(int Value);
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Removes the child from this item without freeing it.
    void Remove(TMenuItem* Item);
    // Removes and frees the child.
    void Delete(int Index);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    // The menu whose tree holds the item, or nullptr.
    TMenu* GetParentMenu() const;

    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    // A caption of "-" makes a separator line.
    bool IsLine() const { return FCaption == "-"; }
    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Checking a radio item unchecks the other radio items of its group under the same parent.
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    bool GetRadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value) { FRadioItem = Value; }
    BYTE GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(BYTE Value) { FGroupIndex = Value; }
    // At most one default item per parent: setting one clears the others.
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // Created empty on first use; the setter copies.
    TBitmap* GetBitmap();
    void SetBitmap(TBitmap* Value);
    bool HasBitmap() const;

    // A number of its own, unique among all items, that the item's menu dispatches by.
    WORD GetCommand() const { return FCommand; }
    // Hides the separators among the visible children that would show nothing between them:
    // leading, trailing and repeated ones; shows the others. True when one changed.
    bool RethinkLines();

    // Fires OnClick when the item is enabled.
    virtual void Click();
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;

protected:
    void BeforeDestruction() override;

private:
    void freeChildren();

    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    std::string FCaption;
    std::string FHint;
    TShortCut FShortCut = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FChecked = false;
    bool FRadioItem = false;
    bool FDefault = false;
    BYTE FGroupIndex = 0;
    int FImageIndex = -1;
    TBitmap* FBitmap = nullptr;
    TMenu* FMenu = nullptr;  // set on the root item of a menu
    WORD FCommand;

    friend class TMenu;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* Items() const { return FItems; }
    // The pictures of the items' ImageIndex; cleared when the image list is freed.
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The enabled, visible item (on an enabled, visible path) with that shortcut; nullptr when
    // none.
    TMenuItem* FindItemByShortCut(TShortCut AShortCut) const;
    // Clicks the item of that shortcut; true when one was found.
    bool IsShortCut(TShortCut AShortCut);
    // Clicks the item whose command number this is; true when the menu holds one.
    bool DispatchCommand(WORD ACommand);
    // The item of that command number, or nullptr.
    TMenuItem* FindItemByCommand(WORD ACommand) const;
    // maAutomatic: menus shown from this one drop redundant separators (RethinkLines).
    TMenuAutoFlag GetAutoLineReduction() const { return FAutoLineReduction; }
    void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;

private:
    TMenuItem* FItems;
    TCustomImageList* FImages = nullptr;
    TMenuAutoFlag FAutoLineReduction = TMenuAutoFlag::maAutomatic;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;

    // Shows the menu at the screen point. The model only records the point and fires OnPopup;
    // skinned menus override it to open their windows.
    virtual void Popup(int X, int Y);
    POINT PopupPoint() const { return FPopupPoint; }
    TComponent* GetPopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
    bool GetAutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    POINT FPopupPoint{-1, -1};
    TComponent* FPopupComponent = nullptr;
    bool FAutoPopup = true;
};
