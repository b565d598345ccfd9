#pragma once
// File names on their way into and out of the format library.
//
// The format library reads the text before a ":" as a protocol name, so a relative name such as
// "clip:one.avi" would never reach a file; and a name that the process's locale cannot carry is
// not safe to hand to code that may convert it. Such names travel wrapped as "unicode:utf8:" +
// name, and every format context the engine allocates gets an opener that unwraps them and opens
// the named file with the library's own file protocol. Names of real protocols ("http:", "udp:",
// "pipe:" ...) and names the locale carries pass unchanged.

#include <string>

struct AVFormatContext;
struct AVIOContext;

// True when the name must be wrapped to reach the file it names.
bool NeedsUnicodeProtocol(const std::string& name);

// The name to hand to the format library: wrapped when NeedsUnicodeProtocol holds, else unchanged.
std::string ToProtocolFileName(const std::string& name);

// The file name behind a name handed to (or read back from) the format library.
std::string FromProtocolFileName(const std::string& name);

// True when a name handed to the format library names a file of the file system (a wrapped name or
// a plain path), false for a protocol's address.
bool IsLocalFileName(const std::string& name);

// True for "unicode:utf8:" followed by at least one byte.
bool IsUnicodeProtocolName(const std::string& name);
std::string EncodeProtocolName(const std::string& name);
std::string DecodeProtocolName(const std::string& name);

// Gives the context the opener that understands wrapped names. Registering a context twice
// leaves one opener in place.
void RegisterUnicodeProtocol(AVFormatContext* s);

// A new format context with the opener registered; nullptr when the library has no memory.
AVFormatContext* AllocFormatContext();

// Opens a file stream for a context through its opener (used for the files of outputs, which
// the library does not open itself); flags are the library's AVIO_FLAG_* values. A context
// without a file name takes this one.
int OpenProtocolFile(AVFormatContext* s, AVIOContext** pb, const std::string& name, int flags);
