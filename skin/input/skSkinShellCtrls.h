#pragma once
// The shell controls' view of the namespace: folder items over the platform's shell model,
// the routines around them, and the change notifier that refreshes a view when its folder
// changes on disk.

#include "classlib/Classes.h"
#include "classlib/Strings.h"
#include "classlib/Thread.h"
#include "platform/shell/DirectoryWatcher.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/window/Handles.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class TImageList;

// --- root names and object types ----------------------------------------------------------

enum TRootFolder {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates
};

// A root name ("rfDesktop" ...) or a path.
using TRoot = std::string;

// The TRootFolder of a name compared without regard to case; -1 when it is none.
int RootFolderValue(const std::string& Root);

enum TShellObjectType { otFolders, otNonFolders, otHidden };
using TShellObjectTypes = TSet<TShellObjectType>;

constexpr int SHCONTF_FOLDERS = 0x20;
constexpr int SHCONTF_NONFOLDERS = 0x40;
constexpr int SHCONTF_INCLUDEHIDDEN = 0x80;
int ObjectTypesToFlags(TShellObjectTypes ObjectTypes);

enum TskShellFolderCapability { fcCanCopy, fcCanDelete, fcCanLink, fcCanMove, fcCanRename, fcDropTarget, fcHasPropSheet };
using TskShellFolderCapabilities = TSet<TskShellFolderCapability>;
enum TskShellFolderProperty { fpCut, fpIsLink, fpReadOnly, fpShared, fpFileSystem, fpFileSystemAncestor, fpRemovable, fpValidate };
using TskShellFolderProperties = TSet<TskShellFolderProperty>;

class EInvalidPath : public Exception {
public:
    using Exception::Exception;
};

// --- folder items -------------------------------------------------------------------------

// One namespace item. A folder created without a parent takes the unit's desktop folder as its
// parent and its ID as an absolute chain; a parent must outlive its children.
class TskShellFolder : public TObject {
public:
    TskShellFolder(TskShellFolder* AParent, const ShellItemId& ID);
    ~TskShellFolder() override;

    const ShellItemId& RelativeID() const { return FPIDL; }
    const ShellItemId& AbsoluteID() const { return FFullPIDL; }
    TskShellFolder* Parent() const { return FParent; }
    int Level() const { return FLevel; }
    HWND ViewHandle() const { return FViewHandle; }
    void SetViewHandle(HWND Value) { FViewHandle = Value; }

    std::string DisplayName() const;
    // The file-system path; "" for Computer.
    std::string PathName() const;
    std::string FullObjectName() const;
    bool IsFolder() const;
    bool SubFolders() const;
    TskShellFolderCapabilities Capabilities() const;
    TskShellFolderProperties Properties() const;
    int ImageIndex(bool LargeIcon) const;
    // False without fcCanRename; raises Exception "Rename to <name> failed" when refused.
    bool Rename(const std::string& NewName);
    // Opens the item with the desktop's handler for it; non-zero when the desktop took it (never
    // for an item without a path, such as Computer).
    int ExecuteDefault();
    // Runs a verb of the item's context menu: "open" (any case) as ExecuteDefault; the others
    // ("rename" needs a view, "properties" has no sheet here) do nothing.
    void RunVerb(const std::string& Verb);

    // Fills the detail texts of columns 1 .. ColumnCount once (a later call with as many or
    // fewer columns keeps them): 1 size in bytes (empty for a folder), 2 type name, 3 modified
    // time in the locale's short format, 4 attribute word, the rest empty. An item without a
    // file (Computer, a file gone since listing) gets empty texts.
    void LoadColumnDetails(TskShellFolder* RootFolder, HWND Window, int ColumnCount);
    // 1-based; raises Exception "<name>: Missing call to LoadColumnDetails" before any load.
    std::string DetailText(int Index) const;

private:
    ShellItemId FPIDL;
    ShellItemId FFullPIDL;
    TskShellFolder* FParent = nullptr;
    int FLevel = 0;
    HWND FViewHandle = nullptr;
    TStringList* FDetails = nullptr;
};

// The unit's desktop item, parent of every folder created without one.
TskShellFolder* GlobalDesktopFolder();

// A new folder for an absolute chain, child of the desktop folder.
TskShellFolder* FolderFromIdList(const ShellItemId& AbsoluteID);
// Resolves Root (a root name or an existing absolute path) to a new folder and frees Current.
// rfDesktop, rfMyComputer, rfDesktopDirectory, rfPersonal (Documents, else home), rfAppData
// (the configuration home) and rfTemplates resolve; anything else, or an empty text, raises
// Exception "Error setting path: "<Root>"", sets Root back to Previous and keeps Current.
TskShellFolder* ResolveRootFolder(TskShellFolder* Current, const TRoot& Previous, TRoot& Root);
// Whether the folder lists anything under the enumeration flags; false for nullptr or an
// unreadable folder.
bool FolderHasItems(const TskShellFolder* Folder, int Flags);
// The children of a folder item as new folders (the caller owns them), in the model's order.
// Raises EInOutError naming the folder and the reason when it cannot be read.
std::vector<TskShellFolder*> ListShellFolder(TskShellFolder* Folder, TShellObjectTypes ObjectTypes);
[[noreturn]] void RaiseDetailsError(const TskShellFolder* Item, int ErrorCode);

// --- the context menu ---------------------------------------------------------------------

class TWinControl;

// A control that takes part in the context menu: it may run a chosen verb itself (Handled) and
// hears when the verb has run.
class IShellVerbHandler {
public:
    virtual ~IShellVerbHandler() = default;
    virtual void ExecuteCommand(const std::string& Verb, bool& Handled) = 0;
    virtual void CommandCompleted(const std::string& Verb, bool Succeeded) = 0;
};

// Shows the item's context menu ("Open", "Rename": the verbs "open" and "rename") at (X, Y) of
// Control's client area through the skinned frame of Control's form, and waits until it closes
// (the message loop runs meanwhile). A chosen verb goes to Control's ExecuteCommand when Control
// is an IShellVerbHandler; unless handled there, "open" runs ExecuteDefault; then
// CommandCompleted. Nothing without a folder, or without a frame with skin data. Folder need not
// outlive the menu: the item is kept by its ID.
void ShowShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y);

// --- icons --------------------------------------------------------------------------------

// The index of the item's kind (ShellIconKind, the same in the small and the large list).
int ShellIconIndex(const ShellItemId& AbsoluteID, bool Large, bool Open);
// The shell image lists, 16 (small) and 32 (large) pixels, one picture per ShellIconKind, made
// on first use from the bitmap resources "SHELL16_NN" and "SHELL32_NN"; owned by the unit.
// Raises EResNotFound when a picture was not registered.
TImageList* ShellImages(bool Large);

// --- change notifier ----------------------------------------------------------------------

enum TNotifyFilter { nfFileNameChange, nfDirNameChange, nfAttributeChange, nfSizeChange, nfWriteChange, nfSecurityChange };
using TNotifyFilters = TSet<TNotifyFilter>;
std::uint32_t NotifyFilterFlags(TNotifyFilters Filters);

class TskShellChangeThread;

// Watches one folder and runs OnChange on the GUI thread when it changes. A burst of changes
// gives one call; a call on its way when the notifier goes is dropped. The destructor stops and
// joins the worker.
class TskCustomShellChangeNotifier : public TComponent {
public:
    explicit TskCustomShellChangeNotifier(TComponent* AOwner);
    ~TskCustomShellChangeNotifier() override;

    TNotifyFilters NotifyFilters() const { return FFilters; }
    void SetNotifyFilters(TNotifyFilters Value);
    const TRoot& Root() const { return FRoot; }
    void SetRoot(const TRoot& Value);
    bool WatchSubTree() const { return FWatchSubTree; }
    void SetWatchSubTree(bool Value);
    const std::function<void()>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void()> Value);

    // Whether a worker is watching; whether a change is on its way to the GUI thread.
    bool Watching() const;
    bool ChangePending() const;

protected:
    void BeforeDestruction() override;

private:
    void StartWatching();
    void ApplyOptions();
    void StopWatching();

    TNotifyFilters FFilters{nfFileNameChange, nfDirNameChange};
    bool FWatchSubTree = true;
    TRoot FRoot = "/";
    TskShellChangeThread* FThread = nullptr;
    std::function<void()> FOnChange;
};

class TskShellChangeNotifier : public TskCustomShellChangeNotifier {
public:
    using TskCustomShellChangeNotifier::TskCustomShellChangeNotifier;
};

// A shell view's watcher of the folder it shows: the one in Slot goes; with a Path a new one,
// owned by Owner, watches that folder alone (not its subfolders) and calls OnChange.
void WatchShownFolder(TskShellChangeNotifier*& Slot, TComponent* Owner, const std::string& Path,
                      std::function<void()> OnChange);

// The worker: waits for changes and posts each (coalesced) to the GUI thread, where the
// handler runs while the notifier that owns the handler lives.
class TskShellChangeThread : public TThread {
public:
    explicit TskShellChangeThread(std::function<void()> ChangeEvent);

    void SetChangeEvent(std::function<void()> ChangeEvent);
    // Watches the new folder at once (changes after the return are seen); false when it cannot
    // be watched, after which the worker delivers nothing more.
    bool SetDirectoryOptions(const std::string& Directory, bool WatchSubTree, std::uint32_t NotifyOptionFlags);
    // Drops every delivery still on its way, asks the worker to end and wakes it.
    void Stop();
    // True once the worker has ended (after Stop, or on its own when its wait failed).
    bool Ended() const { return FEnded.load(); }
    // Whether a delivery has been posted and has not reached the GUI thread yet.
    bool ChangePending() const;

protected:
    void Execute() override;

private:
    struct Delivery;
    void deliver();

    DirectoryWatcher FWatcher;
    std::shared_ptr<Delivery> FDelivery;
    std::atomic<bool> FEnded{false};
};
