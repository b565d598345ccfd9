#pragma once
// The engine's logger: the libraries' own log output, taken through the log callback installed
// into avutil and joined into whole lines per thread, and the engine's own messages. Every line
// is raised as OnLog, on the main thread unless told otherwise.

#include "engine/FFBaseComponent.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <type_traits>

enum TLogLevel : std::uint8_t { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug };

// The library's level of a TLogLevel (llQuiet -8 ... llDebug 48) and back (truncated eighths,
// clamped to llQuiet..llDebug).
int LogLevelToAV(TLogLevel level);
TLogLevel AVLevelToLogLevel(int level);

// What one OnLog call delivers.
struct TLogInfo {
    const void* Sender = nullptr;
    std::uint32_t ThreadID = 0;
    TLogLevel LogLevel = llInfo;
    std::string LogMsg;
};

using TLogEvent = std::function<void(const void* Sender, std::uint32_t AThreadID, TLogLevel ALogLevel,
                                     const std::string& ALogMsg)>;

namespace logger_detail {
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
template <typename T>
auto FormatArg(const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        return value.c_str();
    else
        return value;
}
struct TLoggerCore;
} // namespace logger_detail

// The one logger of the process. OnLog may be set and cleared from the main thread at any time,
// also while other threads log.
class TFFLogger : public TFFBaseComponent {
public:
    // Becomes the process logger. The logger GetLogger made on first use gives way to it (and
    // serves nobody any more); a second one beside another made this way is a misuse
    // (EAssertionFailed).
    TFFLogger();
    ~TFFLogger() override;

    // True: OnLog runs on the main thread.
    bool GetTriggerEventInMainThread() const;
    void SetTriggerEventInMainThread(bool value);

    // Engine messages above this level are dropped (llVerbose passes unless llQuiet). Setting a
    // new level also sets the library's level once avutil is bound.
    TLogLevel GetLogLevel() const { return logLevel_.load(); }
    void SetLogLevel(TLogLevel value);

    TLogEvent GetOnLog() const;
    void SetOnLog(TLogEvent handler);

    // Installs the log callback into avutil (which must be bound) and applies LogLevel.
    void InstallAVLogCallback();

    // The converter option "loglevel": a level word (quiet, panic, fatal, error, warning, info,
    // verbose, debug; any case) or a library level as a decimal integer.
    void OptLogLevel(const std::string& arg);

    // One engine message from the sender. With TriggerEventInMainThread, a call from another
    // thread waits until the main thread has run OnLog: never call it while holding a lock the
    // main thread may wait for.
    void Log(const void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg);
    // The same with the message formatted printf-style; text arguments may be std::string.
    template <typename Arg, typename... Args>
    void Log(const void* Sender, TLogLevel ALogLevel, const char* AFormat, const Arg& arg, const Args&... args)
    {
        Log(Sender, ALogLevel,
            logger_detail::FormatText(AFormat, logger_detail::FormatArg(arg), logger_detail::FormatArg(args)...));
    }

    // Log for a notice that this logger gives once: a message it took here before is left out.
    // The program has one logger, so such a notice appears once per program run.
    void LogOnce(const void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg);

private:
    void ApplyLogLevel();

    std::shared_ptr<logger_detail::TLoggerCore> core_;
    std::atomic<TLogLevel> logLevel_;
    std::mutex onceLock_;
    std::set<std::string> onceGiven_;
};

// The process logger; one without a handler is made on first use when none exists.
TFFLogger& GetLogger();
