#include "platform/kernel/AppPath.h"

#include <mutex>
#include <unistd.h>
#include <vector>

namespace {
std::mutex pathMutex;
std::string pathForTests;
} // namespace

std::string GetExecutablePath()
{
    {
        std::lock_guard<std::mutex> lock(pathMutex);
        if (!pathForTests.empty())
            return pathForTests;
    }
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string GetExecutableFolder()
{
    std::string path = GetExecutablePath();
    return path.substr(0, path.rfind('/') + 1);
}

void SetExecutablePathForTests(std::string path)
{
    std::lock_guard<std::mutex> lock(pathMutex);
    pathForTests = std::move(path);
}
