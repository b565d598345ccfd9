#include "engine/FFmpegLoader.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Exceptions.h"

#include <cfenv>
#include <cstring>
#include <iterator>
#include <unistd.h>

namespace {

// Where an entry's address goes: the name and the address of its slot.
struct TEntrySlot {
    const char* Name;
    void* Slot;
};
static_assert(sizeof(void*) == sizeof(void (*)()), "entry slots hold code addresses in data pointers");

#define ZD_ENTRY(name) {#name, static_cast<void*>(&ff::name)},
constexpr TEntrySlot AvUtilEntries[] = {
#include "engine/entries/avutil.inc"
};
constexpr TEntrySlot SwResampleEntries[] = {
#include "engine/entries/swresample.inc"
};
constexpr TEntrySlot AvCodecEntries[] = {
#include "engine/entries/avcodec.inc"
};
constexpr TEntrySlot AvFormatEntries[] = {
#include "engine/entries/avformat.inc"
};
constexpr TEntrySlot SwScaleEntries[] = {
#include "engine/entries/swscale.inc"
};
constexpr TEntrySlot AvFilterEntries[] = {
#include "engine/entries/avfilter.inc"
};
constexpr TEntrySlot LibCEntries[] = {
#include "engine/entries/libc.inc"
};
constexpr TEntrySlot SDLEntries[] = {
#include "engine/entries/sdl.inc"
};
#undef ZD_ENTRY

struct TLibraryItem {
    TLibrary Lib;
    const char* Name;
    int Version;
    const TEntrySlot* Entries;
    std::size_t EntryCount;
};

template <std::size_t N>
constexpr TLibraryItem Item(TLibrary lib, const char* name, int version, const TEntrySlot (&entries)[N])
{
    return TLibraryItem{lib, name, version, entries, N};
}

// One row per library, in TLibrary order; the file is "lib<Name>.so.<Version>".
constexpr TLibraryItem LibraryItems[] = {
    Item(avCodec, "avcodec", 59, AvCodecEntries),
    Item(avFilter, "avfilter", 8, AvFilterEntries),
    Item(avFormat, "avformat", 59, AvFormatEntries),
    Item(avUtil, "avutil", 57, AvUtilEntries),
    Item(swResample, "swresample", 4, SwResampleEntries),
    Item(swScale, "swscale", 6, SwScaleEntries),
    Item(myUtil, "c", 6, LibCEntries),
    Item(lbSDL, "SDL-1.2", 0, SDLEntries),
};
constexpr bool RowsInLibraryOrder()
{
    for (std::size_t i = 0; i < std::size(LibraryItems); ++i)
        if (LibraryItems[i].Lib != i)
            return false;
    return std::size(LibraryItems) == lbSDL + 1;
}
static_assert(RowsInLibraryOrder());

// Each library after those it depends on, so that the dynamic linker resolves its dependencies
// to the copies already loaded (from the library folder when it held them).
constexpr TLibrary LoadOrder[] = {avUtil, swResample, avCodec, avFormat, swScale, avFilter, myUtil, lbSDL};
static_assert(std::size(LoadOrder) == lbSDL + 1);

void Fixup(const TLibraryItem& item, const std::string& fileName, LibHandle handle)
{
    for (std::size_t i = 0; i < item.EntryCount; ++i) {
        void* address = BindProc(fileName, handle, item.Entries[i].Name);
        std::memcpy(item.Entries[i].Slot, &address, sizeof address);
    }
}

void Unfix(const TLibraryItem& item)
{
    void* null = nullptr;
    for (std::size_t i = 0; i < item.EntryCount; ++i)
        std::memcpy(item.Entries[i].Slot, &null, sizeof null);
}

std::string WithDelimiter(const std::string& folder)
{
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// Set up before anything runs: every floating-point exception masked for the process (threads
// inherit it), and the codec lock.
struct UnitStart {
    UnitStart()
    {
        fedisableexcept(FE_ALL_EXCEPT);
        CodecLock();
    }
} unitStart;

} // namespace

LibHandle LoadLibraryInFolder(const std::string& folder, const std::string& fileName, std::string* error)
{
    if (!folder.empty()) {
        const std::string path = WithDelimiter(folder) + fileName;
        if (access(path.c_str(), F_OK) == 0)
            return LoadLibraryFile(path, error);
    }
    return LoadLibraryFile(fileName, error);
}

void* BindProc(const std::string& libraryFile, LibHandle handle, const char* name)
{
    std::string error;
    void* address = GetLibrarySymbol(handle, name, &error);
    if (!address)
        throw Exception("Load function " + std::string(name) + "@" + libraryFile + " error: " + error);
    return address;
}

std::string TFFmpegLoader::FileName(TLibrary library) const
{
    const TLibraryStatus& status = status_[library];
    if (!status.Name.empty())
        return status.Name;
    const TLibraryItem& item = LibraryItems[library];
    return "lib" + std::string(item.Name) + ".so." + std::to_string(item.Version);
}

void TFFmpegLoader::SetFileName(TLibrary library, const std::string& fileName)
{
    status_[library].Name = fileName;
}

bool TFFmpegLoader::Load(TLibrary library)
{
    TLibraryStatus& status = status_[library];
    std::string file = FileName(library);
    std::string folder;
    if (std::size_t slash = file.rfind('/'); slash != std::string::npos) {
        folder = file.substr(0, slash + 1);
        file.erase(0, slash + 1);
    } else {
        folder = WithDelimiter(libraryPath_);
    }

    if (!status.Handle) {
        std::string error;
        status.Handle = LoadLibraryInFolder(folder, file, &error);
        if (!status.Handle) {
            lastErrMsg_ = "Load library " + folder + file + " error: " + error;
            return false;
        }
    }
    if (!status.Fixuped) {
        try {
            Fixup(LibraryItems[library], file, status.Handle);
            status.Fixuped = true;
        } catch (const Exception& e) {
            lastErrMsg_ = e.Message();
            Unfix(LibraryItems[library]);
        }
    }
    if (!status.Fixuped) {
        Unload(library);
        return false;
    }
    if (library == avUtil && installLogger_)
        GetLogger().InstallAVLogCallback();
    return true;
}

bool TFFmpegLoader::Load(TLibraries libraries)
{
    ZD_ASSERT(!libraries.Empty(), "Load needs a non-empty library set");
    TLibraries loadedBefore;
    for (TLibrary library : LoadOrder)
        if (libraries.Contains(library) && Loaded(library))
            loadedBefore.Include(library);
    for (TLibrary library : LoadOrder) {
        if (libraries.Contains(library) && !Load(library)) {
            // Libraries that were loaded before stay: other components may be using them.
            Unload(libraries - loadedBefore);
            return false;
        }
    }
    return true;
}

bool TFFmpegLoader::Loaded(TLibrary library) const
{
    return status_[library].Handle && status_[library].Fixuped;
}

bool TFFmpegLoader::Loaded(TLibraries libraries) const
{
    ZD_ASSERT(!libraries.Empty(), "Loaded needs a non-empty library set");
    for (TLibrary library : LoadOrder)
        if (libraries.Contains(library) && !Loaded(library))
            return false;
    return true;
}

void TFFmpegLoader::Unload(TLibrary library)
{
    TLibraryStatus& status = status_[library];
    if (status.Fixuped) {
        Unfix(LibraryItems[library]);
        status.Fixuped = false;
    }
    if (status.Handle) {
        FreeLibraryFile(status.Handle);
        status.Handle = nullptr;
    }
}

void TFFmpegLoader::Unload(TLibraries libraries)
{
    ZD_ASSERT(!libraries.Empty(), "Unload needs a non-empty library set");
    // Dependents first.
    for (auto it = std::rbegin(LoadOrder); it != std::rend(LoadOrder); ++it)
        if (libraries.Contains(*it))
            Unload(*it);
}

TFFmpegLoader& FFLoader()
{
    static TFFmpegLoader loader;
    return loader;
}

CriticalSection& CodecLock()
{
    static CriticalSection lock;
    return lock;
}
