#include "platform/shell/ShellPlaces.h"

#include "platform/kernel/Environment.h"

#include <fstream>
#include <mutex>
#include <pwd.h>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex tableLock;
std::string mountsTable;

std::string currentMountsTable()
{
    std::lock_guard lock(tableLock);
    return mountsTable.empty() ? std::string("/proc/self/mounts") : mountsTable;
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The mounts table escapes blanks, tabs, line breaks and backslashes as three octal digits.
std::string decodeMountField(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// File systems that hold no user data (kernel views, memory, containers).
bool isPseudoFileSystem(const std::string& type)
{
    static const std::set<std::string> pseudo = {
        "proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs",
        "pstore", "bpf", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs",
        "autofs", "binfmt_misc", "rpc_pipefs", "nsfs", "ramfs", "efivarfs", "overlay",
        "squashfs", "fuse.gvfsd-fuse", "fuse.portal", "selinuxfs"};
    return pseudo.count(type) > 0;
}

bool isUserMountPoint(const std::string& point, const std::string& home)
{
    for (const char* base : {"/media", "/run/media", "/mnt"})
        if (point != base && PathIsWithin(point, base))
            return true;
    return !home.empty() && home != "/" && point != home && PathIsWithin(point, home);
}

} // namespace

std::string HomeFolder()
{
    if (auto home = GetEnv("HOME"); home && !home->empty())
        return (*home)[0] == '/' ? NormalizePath(*home) : *home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

std::string ConfigHome()
{
    if (auto config = GetEnv("XDG_CONFIG_HOME"); config && !config->empty() && (*config)[0] == '/')
        return NormalizePath(*config);
    return HomeFolder() + "/.config";
}

std::string UserFolder(const std::string& key)
{
    std::ifstream in(ConfigHome() + "/user-dirs.dirs");
    const std::string prefix = "XDG_" + key + "_DIR=";
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string value = line.substr(prefix.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
            value.pop_back();
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            continue;
        value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
            value = HomeFolder() + value.substr(5);
        else if (value.empty() || value[0] != '/')
            continue;
        found = NormalizePath(value);
    }
    return found;
}

std::string DesktopFolder()
{
    const std::string desktop = UserFolder("DESKTOP");
    return isFolder(desktop) ? desktop : HomeFolder();
}

std::vector<ShellVolume> Volumes()
{
    std::vector<ShellVolume> volumes{{"/", "File System", false, "", ""}};
    const std::string home = HomeFolder();
    std::set<std::string> seen{"/"};
    std::ifstream in(currentMountsTable());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type))
            continue;
        point = NormalizePath(decodeMountField(point));
        if (point.empty() || isPseudoFileSystem(type) || !isUserMountPoint(point, home))
            continue;
        if (!seen.insert(point).second)
            continue;
        volumes.push_back({point, PathBaseName(point), PathIsWithin(point, "/media") || PathIsWithin(point, "/run/media"),
                           decodeMountField(device), type});
    }
    return volumes;
}

void SetMountsTable(const std::string& path)
{
    std::lock_guard lock(tableLock);
    mountsTable = path;
}

std::string NormalizePath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return "";
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i <= path.size()) {
        const std::size_t next = path.find('/', i);
        const std::string part = path.substr(i, next == std::string::npos ? std::string::npos : next - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        if (next == std::string::npos)
            break;
        i = next + 1;
    }
    std::string out;
    for (const auto& part : parts)
        out += "/" + part;
    return out.empty() ? "/" : out;
}

bool PathIsWithin(const std::string& path, const std::string& base)
{
    if (base == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, base.size(), base) == 0 && (path.size() == base.size() || path[base.size()] == '/');
}

std::string PathBaseName(const std::string& path)
{
    if (path == "/")
        return "/";
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
