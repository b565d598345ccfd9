#pragma once
// Errors that the class library and the engine both raise, defined once so that a program linking
// both catches either with one handler.

#include "platform/kernel/Exceptions.h"

#include <string>

// A text that is not a number, or a value that cannot be converted.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Raises EListError "List index out of bounds (<index>)".
[[noreturn]] inline void RaiseListIndexError(long long index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
