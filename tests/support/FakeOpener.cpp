#include "FakeOpener.h"

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace zdtest {

FakeOpener::FakeOpener(std::optional<int> exitStatus)
{
    if (const char* path = std::getenv("PATH"))
        savedPath_ = path;
    std::string path = dir_.path();
    if (exitStatus) {
        const std::string script = dir_.file("xdg-open");
        std::ofstream(script) << "#!/bin/sh\n"
                              << "printf '%s, output to %s, errors to %s\\n' \"$1\" \"$(readlink /proc/$$/fd/1)\" \\\n"
                              << "  \"$(readlink /proc/$$/fd/2)\" >> '" << dir_.file("calls") << "'\n"
                              << "i=0; while [ $i -lt 20 ]; do\n"
                              << "  echo \"xdg-open: no method available for opening '$1'\"; echo \"line $i\" >&2\n"
                              << "  i=$((i + 1)); done\n"
                              << "exit " << *exitStatus << "\n";
        chmod(script.c_str(), 0755);
        // The script's own tools.
        path += ":/usr/bin:/bin";
    }
    setenv("PATH", path.c_str(), 1);
}

FakeOpener::~FakeOpener()
{
    if (savedPath_)
        setenv("PATH", savedPath_->c_str(), 1);
    else
        unsetenv("PATH");
}

std::vector<std::string> FakeOpener::Records() const
{
    std::vector<std::string> lines;
    std::ifstream in(dir_.file("calls"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace zdtest
