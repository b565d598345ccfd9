#pragma once
// Loading the FFmpeg libraries, the C runtime and SDL at run time and binding the engine's entry
// slots (engine/FFmpegEntries.h); the process-wide codec lock.

#include "engine/EnumSet.h"
#include "platform/kernel/DynLib.h"
#include "platform/kernel/Sync.h"

#include <cstdint>
#include <string>

enum TLibrary : std::uint8_t { avCodec, avFilter, avFormat, avUtil, swResample, swScale, myUtil, lbSDL };
using TLibraries = TEnumSet<TLibrary>;

// The sets the components load. swresample joins every set because audio is resampled there.
inline constexpr TLibraries ConverterLibraries{avCodec, avFilter, avFormat, avUtil, swResample, swScale, myUtil};
inline constexpr TLibraries ProbeLibraries{avCodec, avFormat, avUtil, swResample, swScale, myUtil};
inline constexpr TLibraries PlayerLibraries = ConverterLibraries + TLibraries{lbSDL};

// The loader of the process (FFLoader()). Loading and unloading run on the main thread, before
// and after the engine's worker threads use the entry slots.
class TFFmpegLoader {
public:
    TFFmpegLoader() = default;
    TFFmpegLoader(const TFFmpegLoader&) = delete;
    TFFmpegLoader& operator=(const TFFmpegLoader&) = delete;

    // Loads and binds one library, or a set in dependency order. A library already loaded is
    // not loaded again. When one library of a set fails, the libraries this call loaded are
    // unloaded again and LastErrMsg says why.
    bool Load(TLibrary library);
    bool Load(TLibraries libraries);
    bool Loaded(TLibrary library) const;
    bool Loaded(TLibraries libraries) const;
    void Unload(TLibrary library);
    void Unload(TLibraries libraries);

    // After avutil loads, the process logger installs its log callback (True at first).
    bool GetInstallLogger() const { return installLogger_; }
    void SetInstallLogger(bool value) { installLogger_ = value; }

    std::string GetLastErrMsg() const { return lastErrMsg_; }
    // The folder the libraries load from when it holds them ("LibAV" beside the executable);
    // a library it does not hold loads by name through the system's search.
    std::string GetLibraryPath() const { return libraryPath_; }
    void SetLibraryPath(const std::string& path) { libraryPath_ = path; }

    // The file a library loads from: its soname, "lib<name>.so.<version>", unless a file name
    // was set in its place (a name, or a path whose folder then wins over LibraryPath).
    std::string FileName(TLibrary library) const;
    void SetFileName(TLibrary library, const std::string& fileName);

private:
    struct TLibraryStatus {
        std::string Name;  // the file name used instead of the soname when not empty
        LibHandle Handle = nullptr;
        bool Fixuped = false;
    };

    TLibraryStatus status_[lbSDL + 1];
    bool installLogger_ = true;
    std::string lastErrMsg_;
    std::string libraryPath_;
};

TFFmpegLoader& FFLoader();

// Loads fileName from folder by its full path when the folder holds it, else by name through
// the system's search. The libraries it depends on resolve to those already loaded under the
// same soname, so dependencies loaded earlier from the folder are the ones used.
LibHandle LoadLibraryInFolder(const std::string& folder, const std::string& fileName, std::string* error);

// The address of an entry point; a missing one raises "Load function %s@%s error: %s".
void* BindProc(const std::string& libraryFile, LibHandle handle, const char* name);

// Taken around every codec open and close and every stream-information probe of the converter,
// the probe and the player, so no two of these library calls run at once.
CriticalSection& CodecLock();
