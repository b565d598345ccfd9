#include "engine/UnicodeProtocol.h"

#include "engine/FFmpegEntries.h"

#include <atomic>
#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <new>

namespace {

const std::string kPrefix = "unicode:utf8:";

// Names whose text before the first ":" already names a protocol the engine hands on unchanged.
const std::string kProtocols = ":unicode:stream:gopher:http:pipe:rtp:tcp:udp:";

// Converts text from one character set to another; false when a character has no counterpart.
bool Convert(const char* to, const char* from, const std::string& in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.assign(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const bool ok = rc != static_cast<size_t>(-1) && srcLeft == 0
        && iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (ok)
        out.resize(out.size() - dstLeft);
    return ok;
}

// True when the name survives the trip into the locale's character set and back.
bool LocaleCarries(const std::string& name)
{
    const char* codeset = nl_langinfo(CODESET);
    std::string local, back;
    return Convert(codeset, "UTF-8", name, local) && Convert("UTF-8", codeset, local, back)
        && back == name;
}

using IoOpenFn = decltype(AVFormatContext::io_open);

// Every context the library allocates starts with the same default opener; the hook hands it
// every name that is not wrapped.
std::atomic<IoOpenFn> gLibraryOpen{nullptr};

// Wrapped names open with the library's file protocol, so the streams are ordinary ones that the
// library's default closer closes.
int UnicodeIoOpen(AVFormatContext* s, AVIOContext** pb, const char* url, int flags,
                  AVDictionary** options) noexcept
{
    if (url && IsUnicodeProtocolName(url)) {
        try {
            const std::string file = "file:" + DecodeProtocolName(url);
            return ff::avio_open2(pb, file.c_str(), flags, &s->interrupt_callback, options);
        } catch (const std::bad_alloc&) {
            return AVERROR(ENOMEM);
        }
    }
    const IoOpenFn open = gLibraryOpen.load();
    return open ? open(s, pb, url, flags, options) : AVERROR(ENOSYS);
}

} // namespace

bool NeedsUnicodeProtocol(const std::string& name)
{
    const size_t colon = name.find(':');
    if (colon != std::string::npos) {
        std::string protocol(1, ':');
        protocol.append(name, 0, colon + 1);
        if (kProtocols.find(protocol) != std::string::npos)
            return false;
        // The library would read the text before the colon as a protocol name; after a "/" the
        // colon is part of a path and harmless.
        if (name.find('/') > colon)
            return true;
    }
    return !LocaleCarries(name);
}

std::string ToProtocolFileName(const std::string& name)
{
    return NeedsUnicodeProtocol(name) ? EncodeProtocolName(name) : name;
}

std::string FromProtocolFileName(const std::string& name)
{
    return IsUnicodeProtocolName(name) ? DecodeProtocolName(name) : name;
}

bool IsLocalFileName(const std::string& name)
{
    if (IsUnicodeProtocolName(name))
        return true;
    const size_t colon = name.find(':');
    return colon == std::string::npos || name.find('/') < colon;
}

bool IsUnicodeProtocolName(const std::string& name)
{
    return name.size() > kPrefix.size() && name.compare(0, kPrefix.size(), kPrefix) == 0;
}

std::string EncodeProtocolName(const std::string& name)
{
    return kPrefix + name;
}

std::string DecodeProtocolName(const std::string& name)
{
    std::string result = name;
    for (int i = 0; i < 2; ++i) {
        const size_t colon = result.find(':');
        if (colon != std::string::npos)
            result.erase(0, colon + 1);
    }
    return result;
}

void RegisterUnicodeProtocol(AVFormatContext* s)
{
    if (!s || s->io_open == UnicodeIoOpen)
        return;
    gLibraryOpen.store(s->io_open);
    s->io_open = UnicodeIoOpen;
}

AVFormatContext* AllocFormatContext()
{
    AVFormatContext* s = ff::avformat_alloc_context();
    RegisterUnicodeProtocol(s);
    return s;
}

int OpenProtocolFile(AVFormatContext* s, AVIOContext** pb, const std::string& name, int flags)
{
    if (!s->url && !(s->url = ff::av_strdup(name.c_str())))
        return AVERROR(ENOMEM);
    return s->io_open(s, pb, name.c_str(), flags, nullptr);
}
