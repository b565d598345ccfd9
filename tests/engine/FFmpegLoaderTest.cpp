#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/Thread.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr TLibrary AllLibraries[] = {avCodec, avFilter, avFormat, avUtil, swResample, swScale, myUtil, lbSDL};

// The file the dynamic linker took an entry point from.
std::string FileOf(const void* entry)
{
    Dl_info info{};
    if (!entry || !dladdr(entry, &info) || !info.dli_fname)
        return {};
    return info.dli_fname;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

class FFmpegLoaderTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        TFFmpegLoader& loader = FFLoader();
        loader.Unload(PlayerLibraries);
        loader.SetLibraryPath("");
        for (TLibrary library : AllLibraries)
            loader.SetFileName(library, "");
        loader.SetInstallLogger(false);
    }

    static void ExpectNothingLoaded()
    {
        for (TLibrary library : AllLibraries)
            EXPECT_FALSE(FFLoader().Loaded(library)) << "library " << int(library);
        EXPECT_EQ(nullptr, ff::av_log);  // bound before the failure, cleared again
        EXPECT_EQ(nullptr, ff::avcodec_open2);
    }

    // A LibAV folder with copies of the system's libraries (the C runtime stays the system's).
    std::string MakeLibraryFolder()
    {
        std::string folder = temp_.file("LibAV");
        fs::create_directory(folder);
        for (TLibrary library : AllLibraries) {
            if (library == myUtil)
                continue;
            std::string name = FFLoader().FileName(library);
            fs::copy_file(fs::path(ZD_SYSTEM_LIBDIR) / name, fs::path(folder) / name);
        }
        return folder;
    }

    zdtest::TempDir temp_;
};

} // namespace

TEST_F(FFmpegLoaderTest, LoadsEachSetFromTheSystem)
{
    TFFmpegLoader& loader = FFLoader();
    for (TLibraries set : {ProbeLibraries, ConverterLibraries, PlayerLibraries}) {
        ASSERT_TRUE(loader.Load(set)) << loader.GetLastErrMsg();
        EXPECT_TRUE(loader.Loaded(set));
        loader.Unload(set);
        EXPECT_FALSE(loader.Loaded(set));
    }

    ASSERT_TRUE(loader.Load(PlayerLibraries)) << loader.GetLastErrMsg();
    EXPECT_EQ(59u, ff::avcodec_version() >> 16);
    EXPECT_EQ(59u, ff::avformat_version() >> 16);
    EXPECT_NE(nullptr, ff::swr_alloc_set_opts2);
    EXPECT_NE(nullptr, ff::avfilter_graph_parse_ptr);
    EXPECT_NE(nullptr, ff::sws_scale);
    EXPECT_NE(nullptr, ff::SDL_Init);
    EXPECT_NE(std::string::npos, FileOf(reinterpret_cast<const void*>(ff::vsnprintf)).find("libc.so.6"));

    // A loaded set is not loaded again: a second load no longer even looks at the files.
    loader.SetFileName(avUtil, "libavutil-zd-missing.so.57");
    EXPECT_TRUE(loader.Load(ConverterLibraries));
    EXPECT_TRUE(loader.Load(PlayerLibraries));

    loader.Unload(PlayerLibraries);
    EXPECT_EQ(nullptr, ff::avcodec_version);
    EXPECT_EQ(nullptr, ff::SDL_Init);
}

TEST_F(FFmpegLoaderTest, LoadsTheCopiesInTheLibraryFolder)
{
    const std::string folder = MakeLibraryFolder();
    const char* pathBefore = std::getenv("PATH");
    const std::string path = pathBefore ? pathBefore : "";
    const fs::path currentFolder = fs::current_path();

    TFFmpegLoader& loader = FFLoader();
    loader.SetLibraryPath(folder);
    ASSERT_TRUE(loader.Load(PlayerLibraries)) << loader.GetLastErrMsg();

    const std::string inFolder = folder + "/";
    EXPECT_EQ(inFolder + "libavutil.so.57", FileOf(reinterpret_cast<const void*>(ff::av_log_set_level)));
    EXPECT_EQ(inFolder + "libswresample.so.4", FileOf(reinterpret_cast<const void*>(ff::swr_convert)));
    EXPECT_EQ(inFolder + "libavcodec.so.59", FileOf(reinterpret_cast<const void*>(ff::avcodec_open2)));
    EXPECT_EQ(inFolder + "libavformat.so.59", FileOf(reinterpret_cast<const void*>(ff::avformat_open_input)));
    EXPECT_EQ(inFolder + "libswscale.so.6", FileOf(reinterpret_cast<const void*>(ff::sws_scale)));
    EXPECT_EQ(inFolder + "libavfilter.so.8", FileOf(reinterpret_cast<const void*>(ff::avfilter_graph_alloc)));
    EXPECT_EQ(inFolder + "libSDL-1.2.so.0", FileOf(reinterpret_cast<const void*>(ff::SDL_Init)));

    // The libraries' own dependency on avutil resolves to the folder's copy as well.
    void* avutil = dlopen("libavutil.so.57", RTLD_LAZY | RTLD_NOLOAD);
    ASSERT_NE(nullptr, avutil);
    char origin[PATH_MAX] = {};
    ASSERT_EQ(0, dlinfo(avutil, RTLD_DI_ORIGIN, origin));
    EXPECT_EQ(folder, origin);
    dlclose(avutil);

    // Nothing of the process changed on the way.
    EXPECT_EQ(path, std::getenv("PATH") ? std::getenv("PATH") : "");
    EXPECT_EQ(currentFolder, fs::current_path());
}

TEST_F(FFmpegLoaderTest, AFolderWithoutTheFilesLoadsThemThroughTheSystemSearch)
{
    TFFmpegLoader& loader = FFLoader();
    loader.SetLibraryPath(temp_.path());
    ASSERT_TRUE(loader.Load(ConverterLibraries)) << loader.GetLastErrMsg();
    EXPECT_EQ(fs::canonical(fs::path(ZD_SYSTEM_LIBDIR) / "libavutil.so.57"),
              fs::canonical(FileOf(reinterpret_cast<const void*>(ff::av_log_set_level))));
}

TEST_F(FFmpegLoaderTest, ALibraryThatLacksAnEntryFailsTheWholeSet)
{
    std::string folder = temp_.file("LibAV");
    fs::create_directory(folder);
    const std::string stub = folder + "/libavutil.so.57";
    fs::copy_file(ZD_STUB_AVUTIL, stub);

    TFFmpegLoader& loader = FFLoader();
    loader.SetLibraryPath(folder);
    EXPECT_FALSE(loader.Load(ConverterLibraries));
    const std::string message = loader.GetLastErrMsg();
    EXPECT_TRUE(StartsWith(message, "Load function av_log_set_level@libavutil.so.57 error: ")) << message;
    EXPECT_NE(std::string::npos, message.find("undefined symbol: av_log_set_level")) << message;
    ExpectNothingLoaded();
    EXPECT_EQ(nullptr, dlopen(stub.c_str(), RTLD_LAZY | RTLD_NOLOAD)) << "the stub is still mapped";
}

TEST_F(FFmpegLoaderTest, ABrokenOrMissingLibraryFileFailsTheWholeSet)
{
    TFFmpegLoader& loader = FFLoader();

    // A file that is no library at all.
    std::string folder = temp_.file("LibAV");
    fs::create_directory(folder);
    std::ofstream(folder + "/libswresample.so.4")
        << "This is not a shared library but plain text, long enough to fill a library's header.\n";
    loader.SetLibraryPath(folder);
    EXPECT_FALSE(loader.Load(ProbeLibraries));
    EXPECT_TRUE(StartsWith(loader.GetLastErrMsg(), "Load library " + folder + "/libswresample.so.4 error: "))
        << loader.GetLastErrMsg();
    EXPECT_NE(std::string::npos, loader.GetLastErrMsg().find("invalid ELF header")) << loader.GetLastErrMsg();
    ExpectNothingLoaded();

    // A file that is not there, late in the order: what the call loaded before is unloaded again.
    loader.SetLibraryPath("");
    loader.SetFileName(avFilter, "libavfilter-zd-missing.so.8");
    EXPECT_FALSE(loader.Load(ConverterLibraries));
    EXPECT_EQ("Load library libavfilter-zd-missing.so.8 error: libavfilter-zd-missing.so.8: cannot open shared "
              "object file: No such file or directory",
              loader.GetLastErrMsg());
    ExpectNothingLoaded();
}

TEST_F(FFmpegLoaderTest, ThePlayerSetNeedsSDLAndItsFailureSparesTheLoadedConverterSet)
{
    TFFmpegLoader& loader = FFLoader();
    loader.SetFileName(lbSDL, "libSDL-zd-missing.so.0");
    ASSERT_TRUE(loader.Load(ConverterLibraries)) << loader.GetLastErrMsg();
    EXPECT_FALSE(loader.Loaded(PlayerLibraries));

    EXPECT_FALSE(loader.Load(PlayerLibraries));
    EXPECT_TRUE(StartsWith(loader.GetLastErrMsg(), "Load library libSDL-zd-missing.so.0 error: "))
        << loader.GetLastErrMsg();
    EXPECT_FALSE(loader.Loaded(lbSDL));
    // A converter may be running on the libraries loaded before: they stay.
    EXPECT_TRUE(loader.Loaded(ConverterLibraries));
    EXPECT_NE(nullptr, ff::avcodec_open2);
}

TEST_F(FFmpegLoaderTest, EmptySetsAreAMisuse)
{
    EXPECT_THROW(FFLoader().Load(TLibraries{}), EAssertionFailed);
    EXPECT_THROW(FFLoader().Loaded(TLibraries{}), EAssertionFailed);
    EXPECT_THROW(FFLoader().Unload(TLibraries{}), EAssertionFailed);
}

TEST(EngineStartUp, FloatingPointExceptionsMaskedAndOneRecursiveCodecLock)
{
    EXPECT_EQ(0, fegetexcept());
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));  // no trap

    CriticalSection& lock = CodecLock();
    EXPECT_EQ(&lock, &CodecLock());
    std::lock_guard<CriticalSection> outer(lock);
    std::lock_guard<CriticalSection> inner(lock);
    bool otherEntered = true;
    Thread other;
    other.Start([&] { otherEntered = lock.TryEnter(); });
    other.Join();
    EXPECT_FALSE(otherEntered);
}
