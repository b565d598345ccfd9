#include "platform/kernel/Environment.h"

#include <cstdlib>
#include <mutex>

namespace {
// Serialises this process's own reads and writes; the C library's environment is not safe for
// a write while another thread reads.
std::mutex environmentMutex;
} // namespace

std::optional<std::string> GetEnv(const std::string& name)
{
    std::lock_guard<std::mutex> lock(environmentMutex);
    if (const char* value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

void SetEnv(const std::string& name, const std::string& value)
{
    std::lock_guard<std::mutex> lock(environmentMutex);
    setenv(name.c_str(), value.c_str(), 1);
}

void UnsetEnv(const std::string& name)
{
    std::lock_guard<std::mutex> lock(environmentMutex);
    unsetenv(name.c_str());
}
