#pragma once
// How the three shell views (folder tree, look-in box, file list) reach one another. The tree and
// the look-in box know each other's classes; the file list is reached through this interface,
// which it implements, so each view can follow the folder another one moved to.

#include "classlib/Forms.h"
#include "skin/input/skSkinShellCtrls.h"

class TskCustomShellComboBox;
class TskCustomShellTreeView;

class TskShellListLink {
public:
    virtual ~TskShellListLink() = default;
    // The list's Root setter (a linked partner hands its own root over).
    virtual void SetRoot(const TRoot& Value) = 0;
    // Shows the folder unless it is already shown (nothing while the list is updating itself).
    virtual void FollowFolder(const ShellItemId& AbsoluteID) = 0;
    // Only the back links: the partner stores (or with nullptr forgets) the view that links it.
    virtual void LinkComboBox(TskCustomShellComboBox* Value) = 0;
    virtual void LinkTreeView(TskCustomShellTreeView* Value) = 0;
};

// Sets a re-entrance flag for a scope and gives its old value back.
class TskFlagScope {
public:
    explicit TskFlagScope(bool& Flag) : FFlag(Flag), FOld(Flag) { FFlag = true; }
    ~TskFlagScope() { FFlag = FOld; }
    TskFlagScope(const TskFlagScope&) = delete;
    TskFlagScope& operator=(const TskFlagScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};

// Shows the hourglass for a scope (a folder being read) and gives the previous cursor back.
class TskBusyCursor {
public:
    TskBusyCursor() : FOld(Screen->GetCursor()) { Screen->SetCursor(crHourGlass); }
    ~TskBusyCursor() { Screen->SetCursor(FOld); }
    TskBusyCursor(const TskBusyCursor&) = delete;
    TskBusyCursor& operator=(const TskBusyCursor&) = delete;

private:
    TCursor FOld;
};
