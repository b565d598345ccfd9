#include "skin/input/skSkinShellCtrls.h"

#include "classlib/FileSystem.h"
#include "classlib/SysUtils.h"
#include "platform/shell/FileTypes.h"

#include <QDateTime>
#include <QLocale>
#include <memory>

namespace {

bool makingDesktop = false;

bool isComputer(const ShellItemId& id)
{
    return id == ShellItemId({ShellComputerSegment});
}

std::string modifiedText(std::int64_t seconds)
{
    return QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat).toStdString();
}

} // namespace

TskShellFolder* GlobalDesktopFolder()
{
    static const std::unique_ptr<TskShellFolder> desktop = [] {
        makingDesktop = true;
        auto folder = std::make_unique<TskShellFolder>(nullptr, ShellItemId());
        makingDesktop = false;
        return folder;
    }();
    return desktop.get();
}

TskShellFolder::TskShellFolder(TskShellFolder* AParent, const ShellItemId& ID)
    : FPIDL(ID), FParent(AParent), FDetails(new TStringList)
{
    FFullPIDL = AParent ? AParent->AbsoluteID().Concat(ID) : ID;
    if (!FParent && !makingDesktop)
        FParent = GlobalDesktopFolder();
    for (const TskShellFolder* p = AParent ? AParent->Parent() : nullptr; p; p = p->Parent())
        ++FLevel;
}

TskShellFolder::~TskShellFolder()
{
    delete FDetails;
}

std::string TskShellFolder::DisplayName() const
{
    return ShellItemName(FFullPIDL);
}

std::string TskShellFolder::PathName() const
{
    return ShellItemPath(FFullPIDL);
}

std::string TskShellFolder::FullObjectName() const
{
    return ShellItemPath(FFullPIDL);
}

bool TskShellFolder::IsFolder() const
{
    return ShellItemIsFolder(FFullPIDL);
}

bool TskShellFolder::SubFolders() const
{
    return ShellItemHasSubfolders(FFullPIDL, false);
}

TskShellFolderCapabilities TskShellFolder::Capabilities() const
{
    TskShellFolderCapabilities caps;
    const bool entry = !FFullPIDL.IsDesktop() && !IsFixedSegment(FFullPIDL.Last());
    if (entry)
        caps << fcCanCopy << fcCanLink << fcHasPropSheet;
    if (ShellCanRename(FFullPIDL))
        caps << fcCanMove << fcCanDelete << fcCanRename;
    const int attr = isComputer(FFullPIDL) ? -1 : FileGetAttr(PathName());
    if (attr >= 0 && (attr & faDirectory) && !(attr & faReadOnly))
        caps << fcDropTarget;
    return caps;
}

TskShellFolderProperties TskShellFolder::Properties() const
{
    TskShellFolderProperties props;
    if (isComputer(FFullPIDL))
        return props;
    props << fpFileSystem;
    const std::string path = PathName();
    const int attr = FileGetAttr(path);
    if (attr >= 0 && (attr & faReadOnly))
        props << fpReadOnly;
    if (attr >= 0 && (attr & faDirectory))
        props << fpFileSystemAncestor;
    if (const auto entry = StatEntry(path); entry && entry->link)
        props << fpIsLink;
    if (ShellItemIconKind(FFullPIDL, false) == ShellIconKind::Removable)
        props << fpRemovable;
    return props;
}

int TskShellFolder::ImageIndex(bool LargeIcon) const
{
    return ShellIconIndex(FFullPIDL, LargeIcon, false);
}

bool TskShellFolder::Rename(const std::string& NewName)
{
    if (!Capabilities().Contains(fcCanRename))
        return false;
    // An edit confirmed without a change is no rename (the model would refuse the existing name,
    // and a name shown with U+FFFD would lose its own bytes).
    if (NewName == DisplayName())
        return true;
    const ShellItemId renamed = ShellRename(FFullPIDL, NewName);
    FPIDL = renamed.LastItem();
    FFullPIDL = FParent ? FParent->AbsoluteID().Concat(FPIDL) : renamed;
    return true;
}

void TskShellFolder::LoadColumnDetails(TskShellFolder* RootFolder, HWND Window, int ColumnCount)
{
    (void)RootFolder;
    if (FDetails->Count() >= ColumnCount)
        return;
    FDetails->Clear();
    FViewHandle = Window;
    const std::string path = isComputer(FFullPIDL) ? std::string() : PathName();
    const auto entry = path.empty() ? std::nullopt : StatEntry(path);
    for (int column = 1; column <= ColumnCount; ++column) {
        std::string text;
        if (entry) {
            const bool folder = entry->kind == EntryKind::Folder;
            switch (column) {
            case 1: text = folder ? "" : IntToStr(static_cast<std::int64_t>(entry->size)); break;
            case 2: text = folder ? FolderTypeName() : FileTypeName(path); break;
            case 3: text = modifiedText(entry->modified); break;
            case 4: text = IntToStr(FileGetAttr(path)); break;
            default: break;
            }
        }
        FDetails->Add(text);
    }
}

std::string TskShellFolder::DetailText(int Index) const
{
    if (FDetails->Count() == 0)
        throw Exception(Format("%s: Missing call to LoadColumnDetails", {DisplayName()}));
    return FDetails->Get(Index - 1);
}

void RaiseDetailsError(const TskShellFolder* Item, int ErrorCode)
{
    throw EInvalidPath(Format("Unable to retrieve folder details for \"%s\". Error code $%x",
                              {Item->DisplayName(), ErrorCode}));
}
