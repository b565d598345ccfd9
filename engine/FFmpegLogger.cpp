#include "engine/FFmpegLogger.h"

#include "engine/FFmpegEntries.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <utility>

namespace logger_detail {

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
    return text;
}

// What a line needs on its way to OnLog. Deliveries queued for the main thread hold it weakly,
// so a logger destroyed meanwhile simply receives nothing.
struct TLoggerCore {
    const void* Sender = nullptr;
    std::atomic<bool> TriggerEventInMainThread{true};

    TLogEvent Handler() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return onLog;
    }
    bool HasHandler() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return static_cast<bool>(onLog);
    }
    void SetHandler(TLogEvent handler)
    {
        std::lock_guard<std::mutex> lock(mutex);
        onLog = std::move(handler);
    }

private:
    mutable std::mutex mutex;
    TLogEvent onLog;
};

} // namespace logger_detail

using logger_detail::TLoggerCore;

namespace {

// The library level above which the callback drops a message.
std::atomic<int> threshold{32};

std::mutex loggerMutex;  // guards the three below
TFFLogger* processLogger = nullptr;
std::shared_ptr<TLoggerCore> processCore;
// The process logger when GetLogger made it: it gives way to a logger the program makes.
TFFLogger* ownerlessProcessLogger = nullptr;
// Set while GetLogger makes its logger on this thread.
thread_local bool makingOwnerless = false;

std::mutex createMutex;
std::unique_ptr<TFFLogger> ownerlessLogger;  // made by GetLogger; declared last, freed first

void Deliver(const std::shared_ptr<TLoggerCore>& core, TLogInfo info, bool wait)
{
    if (!core->TriggerEventInMainThread.load() || MainThread::IsMainThread()) {
        if (TLogEvent handler = core->Handler())
            handler(info.Sender, info.ThreadID, info.LogLevel, info.LogMsg);
        return;
    }
    std::weak_ptr<TLoggerCore> weak = core;
    auto call = [weak, info = std::move(info)] {
        if (auto current = weak.lock())
            if (TLogEvent handler = current->Handler())
                handler(info.Sender, info.ThreadID, info.LogLevel, info.LogMsg);
    };
    if (wait)
        MainThread::InvokeAndWait(call);
    else
        MainThread::Post(call);
}

// The text with every byte that is not part of a well-formed UTF-8 sequence replaced by U+FFFD.
std::string ValidUTF8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;  // no overlong forms
            if (lead == 0xED)
                high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;  // nothing above U+10FFFF
        }
        bool valid = length > 0 && i + length <= size;
        for (std::size_t k = 1; valid && k < length; ++k) {
            const unsigned char c = bytes[i + k];
            valid = k == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
        }
        if (valid) {
            out.append(text, i, length);
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

void RaiseLibraryLine(const std::string& line, int level)
{
    std::shared_ptr<TLoggerCore> core;
    {
        std::lock_guard<std::mutex> lock(loggerMutex);
        core = processCore;
    }
    if (!core || !core->HasHandler())
        return;
    // Queued, never waited for: the library may hold its own locks while it logs.
    Deliver(core, TLogInfo{core->Sender, GetCurrentThreadId(), AVLevelToLogLevel(level), ValidUTF8(line)}, false);
}

// The library's log callback, called from any thread with pieces of lines.
void AVLogCallback(void* context, int level, const char* format, va_list args) noexcept
{
    try {
        if (level >= 0)
            level &= 0xFF;  // the upper bits carry colour hints
        if (level > threshold.load())
            return;

        // The current thread's text not yet ended by a line feed.
        thread_local std::string pending;

        char buffer[2048] = {};
        std::size_t used = 0;
        if (context && pending.empty()) {
            const AVClass* avClass = *static_cast<const AVClass* const*>(context);
            if (avClass && avClass->item_name) {
                const int written =
                    std::snprintf(buffer, sizeof buffer, "[%s @ %p]", avClass->item_name(context), context);
                if (written > 0)
                    used = std::min(static_cast<std::size_t>(written), sizeof buffer - 1);
            }
        }
        va_list copy;
        va_copy(copy, args);
        std::vsnprintf(buffer + used, sizeof buffer - used, format, copy);
        va_end(copy);
        pending += buffer;

        for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            RaiseLibraryLine(line, level);
        }
    } catch (...) {
        // Nothing may leave a C callback; a line that cannot be delivered is dropped.
    }
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A decimal integer, as the class library's string-to-integer conversion reads it.
int StrToInt(const std::string& text)
{
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        start = text.size();
    else if (text[start] == '+')
        ++start;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    int value = 0;
    auto result = std::from_chars(first, last, value);
    if (first == last || result.ec != std::errc() || result.ptr != last)
        throw Exception("'" + text + "' is not a valid integer value");
    return value;
}

} // namespace

int LogLevelToAV(TLogLevel level)
{
    return static_cast<int>(level) * 8 - 8;
}

TLogLevel AVLevelToLogLevel(int level)
{
    const int value = level / 8 + 1;
    if (value < llQuiet)
        return llQuiet;
    if (value > llDebug)
        return llDebug;
    return static_cast<TLogLevel>(value);
}

TFFLogger::TFFLogger()
    : core_(std::make_shared<TLoggerCore>()), logLevel_(AVLevelToLogLevel(threshold.load()))
{
    core_->Sender = this;
    std::lock_guard<std::mutex> lock(loggerMutex);
    ZD_ASSERT(processLogger == nullptr || processLogger == ownerlessProcessLogger,
              "Allow creating only one instance of TFFLogger.");
    processLogger = this;
    processCore = core_;
    ownerlessProcessLogger = makingOwnerless ? this : nullptr;
}

TFFLogger::~TFFLogger()
{
    {
        std::lock_guard<std::mutex> lock(loggerMutex);
        if (processLogger == this) {
            processLogger = nullptr;
            processCore.reset();
            ownerlessProcessLogger = nullptr;
        }
    }
    core_->SetHandler(nullptr);
}

bool TFFLogger::GetTriggerEventInMainThread() const
{
    return core_->TriggerEventInMainThread.load();
}

void TFFLogger::SetTriggerEventInMainThread(bool value)
{
    core_->TriggerEventInMainThread = value;
}

void TFFLogger::SetLogLevel(TLogLevel value)
{
    if (logLevel_.exchange(value) != value)
        ApplyLogLevel();
}

TLogEvent TFFLogger::GetOnLog() const
{
    return core_->Handler();
}

void TFFLogger::SetOnLog(TLogEvent handler)
{
    core_->SetHandler(std::move(handler));
}

void TFFLogger::ApplyLogLevel()
{
    if (!ff::av_log_set_level)
        return;
    threshold = LogLevelToAV(logLevel_.load());
    ff::av_log_set_level(threshold.load());
}

void TFFLogger::InstallAVLogCallback()
{
    ZD_ASSERT(ff::av_log_set_callback != nullptr, "av_log_set_callback is not bound");
    ZD_ASSERT(ff::av_log_set_level != nullptr, "av_log_set_level is not bound");
    ff::av_log_set_callback(&AVLogCallback);
    ApplyLogLevel();
}

void TFFLogger::OptLogLevel(const std::string& arg)
{
    static const std::pair<const char*, int> names[] = {
        {"quiet", -8}, {"panic", 0}, {"fatal", 8}, {"error", 16},
        {"warning", 24}, {"info", 32}, {"verbose", 40}, {"debug", 48},
    };
    std::string lower = arg;
    for (char& c : lower)
        c = AsciiLower(c);
    for (const auto& [name, level] : names) {
        if (lower == name) {
            SetLogLevel(AVLevelToLogLevel(level));
            return;
        }
    }
    SetLogLevel(AVLevelToLogLevel(StrToInt(arg)));
}

void TFFLogger::Log(const void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg)
{
    if (!core_->HasHandler())
        return;
    const TLogLevel level = logLevel_.load();
    if (!(ALogLevel <= level || (ALogLevel == llVerbose && level != llQuiet)))
        return;
    Deliver(core_, TLogInfo{Sender, GetCurrentThreadId(), ALogLevel, ALogMsg}, true);
}

void TFFLogger::LogOnce(const void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg)
{
    {
        std::lock_guard<std::mutex> guard(onceLock_);
        if (!onceGiven_.insert(ALogMsg).second)
            return;
    }
    Log(Sender, ALogLevel, ALogMsg);
}

TFFLogger& GetLogger()
{
    std::lock_guard<std::mutex> create(createMutex);
    {
        std::lock_guard<std::mutex> lock(loggerMutex);
        if (processLogger)
            return *processLogger;
    }
    makingOwnerless = true;
    struct Made {
        ~Made() { makingOwnerless = false; }
    } made;
    ownerlessLogger = std::make_unique<TFFLogger>();
    return *ownerlessLogger;
}
