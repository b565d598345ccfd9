#pragma once
// The error classes shared by every layer: `Exception` is what the system calls an exception
// (an error with a message for the user or the log); `EAssertionFailed` marks a misuse guard.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

// Throws EAssertionFailed whose message carries the source file and line, as "message (file,
// line N)".
[[noreturn]] void RaiseAssertion(const std::string& message, const char* file, int line);

#define ZD_ASSERT(cond, message)                                  \
    do {                                                          \
        if (!(cond))                                              \
            ::RaiseAssertion((message), __FILE__, __LINE__);      \
    } while (false)
