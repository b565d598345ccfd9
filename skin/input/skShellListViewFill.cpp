// TskCustomShellListView: listing the folder through the mask, sorting the rows, the report
// columns, and the rows' texts and icons asked for by the control.

#include "skin/input/skShellListView.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "classlib/Masks.h"
#include "classlib/SysUtils.h"
#include "skin/core/skResourceStrData.h"
#include "skin/core/skSkinData.h"

#include <algorithm>
#include <cerrno>

namespace {

// Shows the hourglass for a scope and gives the previous cursor back.
class TBusyCursor {
public:
    TBusyCursor() : FOld(Screen->GetCursor()) { Screen->SetCursor(crHourGlass); }
    ~TBusyCursor() { Screen->SetCursor(FOld); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TCursor FOld;
};

std::string FileNamePart(const std::string& FullName)
{
    const std::size_t slash = FullName.rfind('/');
    return slash == std::string::npos ? FullName : FullName.substr(slash + 1);
}

int Sign(long long Value)
{
    return Value < 0 ? -1 : Value > 0 ? 1 : 0;
}

// What a sort compares of one row, read once per row before the rows move.
struct TSortKey {
    std::size_t Row;
    bool IsFolder;
    int Rank;
    std::string Text;
    std::uint64_t Size = 0;
    std::int64_t Time = -1;
};

} // namespace

bool ShellNamePassesMask(const std::string& FileName, const std::string& Mask)
{
    std::size_t start = 0;
    while (start <= Mask.size()) {
        const std::size_t end = Mask.find_first_of(";|", start);
        const std::string segment = Trim(Mask.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!segment.empty() && MatchesMask(FileName, segment))
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

// --- filling ----------------------------------------------------------------------------------------

void TskCustomShellListView::FillFolders()
{
    if (Loading() && !HandleAllocated())
        return;
    std::optional<std::vector<TskShellFolder*>> prefetched = std::move(FPrefetched);
    FPrefetched.reset();
    ReleaseFolders();
    if (!FRootFolder) {
        for (TskShellFolder* folder : prefetched.value_or(std::vector<TskShellFolder*>{}))
            delete folder;
        return;
    }
    TBusyCursor busy;
    std::vector<TskShellFolder*> children;
    if (prefetched) {
        children = std::move(*prefetched);
    } else {
        try {
            children = ListShellFolder(FRootFolder, FObjectTypes);
        } catch (const Exception&) {
            return;  // a folder that cannot be read lists nothing
        }
    }
    AddChildren(std::move(children));
    SetRowCount(FolderCount());
    if (FSorted)
        SortFolders(-1, false);
}

void TskCustomShellListView::AddChildren(std::vector<TskShellFolder*> Children)
{
    FFolders.reserve(Children.size());
    for (std::size_t i = 0; i < Children.size(); ++i) {
        TskShellFolder* child = Children[i];
        Children[i] = nullptr;
        bool canAdd = true;
        const bool isFolder = child->IsFolder();
        try {
            if (!isFolder)
                canAdd = ShellNamePassesMask(FileNamePart(child->FullObjectName()), FMask);
            if (const TAddFolderEvent handler = OnAddFolder)
                handler(this, child, canAdd);
        } catch (...) {
            delete child;
            for (TskShellFolder* rest : Children)
                delete rest;
            SetRowCount(FolderCount());
            throw;
        }
        if (canAdd)
            FFolders.push_back(TRow{child, isFolder, static_cast<int>(i)});
        else
            delete child;
    }
}

// --- sorting ------------------------------------------------------------------------------------------

void TskCustomShellListView::SortFolders(int Column, bool Descending)
{
    // Every key is read before anything moves: a file gone since listing raises the details
    // error with the rows as they were.
    std::vector<TSortKey> keys;
    keys.reserve(FFolders.size());
    for (std::size_t i = 0; i < FFolders.size(); ++i) {
        const TRow& row = FFolders[i];
        TSortKey key{i, row.IsFolder, row.Rank, {}};
        switch (Column) {
        case 0: key.Text = row.Folder->DisplayName(); break;
        case 1:
        case 3: {
            if (Column == 1 && row.IsFolder)
                break;
            const std::string path = row.Folder->PathName();
            if (path.empty())
                break;  // Computer has no file behind it
            const std::optional<FolderEntry> entry = StatEntry(path);
            if (!entry)
                RaiseDetailsError(row.Folder, ENOENT);
            key.Size = entry->size;
            // The two-second steps of a DOS date and time.
            key.Time = entry->modified - (entry->modified % 2 + 2) % 2;
            break;
        }
        case 2:
            row.Folder->LoadColumnDetails(FRootFolder, HandleAllocated() ? GetHandle() : nullptr, 4);
            key.Text = row.Folder->DetailText(2);
            break;
        default: break;
        }
        keys.push_back(std::move(key));
    }
    // Rows equal in the column keep the base order between them, whatever order they had.
    auto compare = [Column](const TSortKey& A, const TSortKey& B) {
        const int base = A.IsFolder != B.IsFolder ? (A.IsFolder ? -1 : 1) : Sign(A.Rank - B.Rank);
        if (A.IsFolder != B.IsFolder)
            return base;
        int result = 0;
        switch (Column) {
        case 0:
        case 2: result = Sign(AnsiCompareText(A.Text, B.Text)); break;
        case 1:
            if (!A.IsFolder)
                result = A.Size == B.Size ? 0 : A.Size > B.Size ? 1 : -1;
            break;
        case 3: result = A.Time == B.Time ? 0 : A.Time > B.Time ? 1 : -1; break;
        default: break;
        }
        return result != 0 ? result : base;
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const TSortKey& A, const TSortKey& B) {
        const int result = compare(A, B);
        return (Descending ? -result : result) < 0;
    });
    std::vector<TRow> sorted;
    sorted.reserve(FFolders.size());
    for (const TSortKey& key : keys)
        sorted.push_back(FFolders[key.Row]);
    FFolders = std::move(sorted);
    UpdateItems(0, FolderCount() - 1);
}

void TskCustomShellListView::ColClick(TListColumn* Column)
{
    TskSkinCustomListView::ColClick(Column);
    const int index = Column->GetIndex();
    if (Columns()->Count() < 4 && index != 0)
        return;
    FOldSortColumn = FSortColumn;
    FSortColumn = index;
    FSortDirection = FSortColumn == FOldSortColumn && FSortColumn != -1 ? !FSortDirection : false;
    SortFolders(FSortColumn, FSortDirection);
}

// --- report columns ----------------------------------------------------------------------------------------

void TskCustomShellListView::BuildColumns()
{
    if (!FRootFolder)
        return;
    Columns()->Clear();
    FRootFolder->SetViewHandle(HandleAllocated() ? GetHandle() : nullptr);
    AddDefaultColumns();
}

// The model has no detail columns of its own: a file-system folder gets name, size, type and
// date, anything else (Computer) the name alone.
void TskCustomShellListView::AddDefaultColumns()
{
    struct TDefault {
        const char* Key;
        const char* Fallback;
        TAlignment Alignment;
        int Width;
    };
    static const TDefault defaults[] = {{"FLV_NAME", "Name", TAlignment::taLeftJustify, 25},
                                        {"FLV_SIZE", "Size", TAlignment::taRightJustify, 10},
                                        {"FLV_TYPE", "Type", TAlignment::taLeftJustify, 10},
                                        {"FLV_MODIFIED", "Modified", TAlignment::taLeftJustify, 14}};
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Font());
    const int x = measure.Canvas()->TextWidth("X");
    TskResourceStrData* store = GetSkinData() ? GetSkinData()->ResourceStrData() : nullptr;
    const int count = FRootFolder->Properties().Contains(fpFileSystem) ? 4 : 1;
    for (int i = 0; i < count; ++i) {
        TListColumn* column = Columns()->Add();
        column->SetCaption(store ? store->GetResStr(defaults[i].Key) : defaults[i].Fallback);
        column->SetAlignment(defaults[i].Alignment);
        column->SetWidth(defaults[i].Width * x);
    }
}

// --- the control's questions -------------------------------------------------------------------------------

bool TskCustomShellListView::OwnerDataFetch(TListItem* Item, TItemRequest Request)
{
    TskShellFolder* folder = Folders(Item->GetIndex());
    if (!folder)
        return true;
    // A row whose item went away since listing shows what is left of it; nothing raises here.
    try {
        if (Request.Contains(irText))
            Item->SetCaption(folder->DisplayName());
        if (Request.Contains(irImage))
            Item->SetImageIndex(folder->ImageIndex(GetViewStyle() == TViewStyle::vsIcon));
        if (GetViewStyle() == TViewStyle::vsReport && Request.Contains(irText)) {
            const int columns = Columns()->Count();
            folder->LoadColumnDetails(FRootFolder, HandleAllocated() ? GetHandle() : nullptr, columns);
            for (int i = 1; i < columns; ++i)
                Item->SubItems()->Add(folder->DetailText(i));
        }
    } catch (const std::exception&) {
    }
    return true;
}

int TskCustomShellListView::OwnerDataFind(TItemFind Find, const std::string& FindString, int StartIndex, bool Wrap)
{
    (void)Find;
    const int count = FolderCount();
    if (StartIndex < 0 || count == 0)
        return -1;
    const std::string wanted = UpperCase(FindString);
    for (int n = 0; n < count; ++n) {
        int i = StartIndex + n;
        if (i >= count) {
            if (!Wrap)
                return -1;
            i -= count;
        }
        if (UpperCase(Folders(i)->DisplayName()).starts_with(wanted))
            return i;
    }
    return -1;
}
