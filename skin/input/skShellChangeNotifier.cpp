#include "skin/input/skSkinShellCtrls.h"

#include "platform/kernel/MainThread.h"

namespace {

// The folder a Root text watches: a root name's folder, else the text itself.
std::string watchedFolder(const TRoot& root)
{
    const int value = RootFolderValue(root);
    if (value < 0)
        return root;
    TRoot text = root;
    try {
        TskShellFolder* folder = ResolveRootFolder(nullptr, root, text);
        const std::string path = folder->PathName();
        delete folder;
        return path;
    } catch (const Exception&) {
        return "";
    }
}

} // namespace

std::uint32_t NotifyFilterFlags(TNotifyFilters Filters)
{
    static const std::uint32_t flags[] = {
        FILE_NOTIFY_CHANGE_FILE_NAME, FILE_NOTIFY_CHANGE_DIR_NAME, FILE_NOTIFY_CHANGE_ATTRIBUTES,
        FILE_NOTIFY_CHANGE_SIZE, FILE_NOTIFY_CHANGE_LAST_WRITE, FILE_NOTIFY_CHANGE_SECURITY};
    std::uint32_t word = 0;
    for (int f = nfFileNameChange; f <= nfSecurityChange; ++f)
        if (Filters.Contains(static_cast<TNotifyFilter>(f)))
            word |= flags[f];
    return word;
}

// --- the worker ---------------------------------------------------------------------------

// What a posted call needs once it reaches the GUI thread: the handler while the notifier
// lives, and whether a call is already on its way (bursts give one call).
struct TskShellChangeThread::Delivery {
    std::mutex lock;
    std::function<void()> handler;
    bool alive = true;
    bool pending = false;
};

TskShellChangeThread::TskShellChangeThread(std::function<void()> ChangeEvent)
    : FDelivery(std::make_shared<Delivery>())
{
    FDelivery->handler = std::move(ChangeEvent);
}

void TskShellChangeThread::SetChangeEvent(std::function<void()> ChangeEvent)
{
    std::lock_guard guard(FDelivery->lock);
    FDelivery->handler = std::move(ChangeEvent);
}

bool TskShellChangeThread::SetDirectoryOptions(const std::string& Directory, bool WatchSubTree,
                                               std::uint32_t NotifyOptionFlags)
{
    if (FWatcher.Watch(Directory, WatchSubTree, NotifyOptionFlags))
        return true;
    std::lock_guard guard(FDelivery->lock);
    FDelivery->alive = false;
    return false;
}

bool TskShellChangeThread::ChangePending() const
{
    std::lock_guard guard(FDelivery->lock);
    return FDelivery->pending;
}

void TskShellChangeThread::Stop()
{
    {
        std::lock_guard guard(FDelivery->lock);
        FDelivery->alive = false;
    }
    Terminate();
    FWatcher.Wake();
}

void TskShellChangeThread::deliver()
{
    std::shared_ptr<Delivery> delivery = FDelivery;
    {
        std::lock_guard guard(delivery->lock);
        if (delivery->pending || !delivery->alive)
            return;
        delivery->pending = true;
    }
    MainThread::Post([delivery] {
        std::function<void()> handler;
        {
            std::lock_guard guard(delivery->lock);
            delivery->pending = false;
            if (delivery->alive)
                handler = delivery->handler;
        }
        if (handler)
            handler();
    });
}

void TskShellChangeThread::Execute()
{
    while (!Terminated()) {
        const DirectoryWatcher::Result result = FWatcher.Wait();
        if (result == DirectoryWatcher::Result::Failed || Terminated())
            break;
        if (result == DirectoryWatcher::Result::Changed)
            deliver();
    }
    FEnded = true;
}

// --- the component ------------------------------------------------------------------------

TskCustomShellChangeNotifier::TskCustomShellChangeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    StartWatching();
}

TskCustomShellChangeNotifier::~TskCustomShellChangeNotifier()
{
    StopWatching();
}

void TskCustomShellChangeNotifier::BeforeDestruction()
{
    StopWatching();
    TComponent::BeforeDestruction();
}

void TskCustomShellChangeNotifier::SetNotifyFilters(TNotifyFilters Value)
{
    FFilters = Value;
    ApplyOptions();
}

void TskCustomShellChangeNotifier::SetRoot(const TRoot& Value)
{
    // Folder names differ by case on this file system: only the same text is the same root.
    if (Value == FRoot)
        return;
    FRoot = Value;
    ApplyOptions();
}

void TskCustomShellChangeNotifier::SetWatchSubTree(bool Value)
{
    FWatchSubTree = Value;
    ApplyOptions();
}

void TskCustomShellChangeNotifier::SetOnChange(std::function<void()> Value)
{
    FOnChange = std::move(Value);
    if (FThread && !FThread->Ended())
        FThread->SetChangeEvent(FOnChange);
    else
        ApplyOptions();
}

bool TskCustomShellChangeNotifier::Watching() const
{
    return FThread && !FThread->Ended();
}

bool TskCustomShellChangeNotifier::ChangePending() const
{
    return FThread && FThread->ChangePending();
}

void TskCustomShellChangeNotifier::StartWatching()
{
    if (!FOnChange)
        return;
    auto* thread = new TskShellChangeThread(FOnChange);
    // A folder that cannot be watched starts no worker; the next options try again.
    if (!thread->SetDirectoryOptions(watchedFolder(FRoot), FWatchSubTree, NotifyFilterFlags(FFilters))) {
        thread->Free();
        return;
    }
    FThread = thread;
    FThread->Start();
}

void TskCustomShellChangeNotifier::ApplyOptions()
{
    if (FThread && !FThread->Ended()) {
        if (!FThread->SetDirectoryOptions(watchedFolder(FRoot), FWatchSubTree, NotifyFilterFlags(FFilters)))
            StopWatching();
        return;
    }
    // A worker that ended on its own is replaced by one for the new options.
    StopWatching();
    StartWatching();
}

void TskCustomShellChangeNotifier::StopWatching()
{
    if (!FThread)
        return;
    TskShellChangeThread* thread = FThread;
    FThread = nullptr;
    thread->Stop();
    thread->WaitFor();
    thread->Free();
}

void WatchShownFolder(TskShellChangeNotifier*& Slot, TComponent* Owner, const std::string& Path,
                      std::function<void()> OnChange)
{
    if (Slot) {
        TskShellChangeNotifier* old = Slot;
        Slot = nullptr;
        old->Free();
    }
    if (Path.empty())
        return;
    Slot = new TskShellChangeNotifier(Owner);
    Slot->SetWatchSubTree(false);
    Slot->SetRoot(Path);
    Slot->SetOnChange(std::move(OnChange));
}
