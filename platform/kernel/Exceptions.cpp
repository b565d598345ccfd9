#include "platform/kernel/Exceptions.h"

void RaiseAssertion(const std::string& message, const char* file, int line)
{
    throw EAssertionFailed(message + " (" + file + ", line " + std::to_string(line) + ")");
}
