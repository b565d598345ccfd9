#include "engine/OutputFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavutil/error.h>
}

namespace {

// Bytes of the output's name that the replacing file's name carries; with its dot and suffix the
// whole stays within the 255 bytes of a file name.
constexpr std::size_t kNameBytes = 200;

// The output's name cut to at most Bytes, never inside a UTF-8 character.
std::string CutName(const std::string& Name, std::size_t Bytes)
{
    if (Name.size() <= Bytes)
        return Name;
    std::size_t cut = Bytes;
    while (cut > 0 && (static_cast<unsigned char>(Name[cut]) & 0xC0) == 0x80)
        --cut;
    return Name.substr(0, cut);
}

bool IsEmptyFile(const std::string& Path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(Path, ec) && std::filesystem::file_size(Path, ec) == 0 && !ec;
}

// Moves File to the first free Name_N; the name it has afterwards (its own when it cannot move).
std::string KeepUnderFreeName(const std::string& File, const std::string& Name)
{
    for (int n = 1;; ++n) {
        const std::string candidate = NumberedFileName(Name, n);
        if (::renameat2(AT_FDCWD, File.c_str(), AT_FDCWD, candidate.c_str(), RENAME_NOREPLACE) == 0)
            return candidate;
        const int error = errno;
        if (error == EEXIST)
            continue;
        if (error != EINVAL)
            return File;
        // A file system without the exclusive move: the name is looked at, then taken.
        std::error_code ec;
        if (std::filesystem::symlink_status(candidate, ec).type() != std::filesystem::file_type::not_found)
            continue;
        return std::rename(File.c_str(), candidate.c_str()) == 0 ? candidate : File;
    }
}

} // namespace

int PrepareOutputFile(const std::string& Name, TOutputFile& File)
{
    File = TOutputFile{Name, Name, false};
    struct stat existing{};
    if (::lstat(Name.c_str(), &existing) != 0) {
        File.Created = errno == ENOENT;
        return 0;
    }
    std::string target = Name;
    if (S_ISLNK(existing.st_mode)) {
        // Written through the link until now: the file it leads to is the one replaced.
        std::error_code ec;
        const std::filesystem::path resolved = std::filesystem::canonical(Name, ec);
        if (ec || ::stat(resolved.c_str(), &existing) != 0)
            return 0;
        target = resolved.string();
    }
    if (!S_ISREG(existing.st_mode))
        return 0;
    const std::filesystem::path path(target);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() + "/" : std::string();
    std::string pattern = folder + "." + CutName(path.filename().string(), kNameBytes) + ".XXXXXX.part";
    std::vector<char> writable(pattern.begin(), pattern.end());
    writable.push_back('\0');
    const int fd = ::mkstemps(writable.data(), 5);
    if (fd < 0)
        return AVERROR(errno);
    // The new file is the run's own; failing to give it the old permissions leaves it private.
    ::fchmod(fd, existing.st_mode & 0777);
    ::close(fd);
    File.Name = target;
    File.Writing = writable.data();
    return 0;
}

TOutputOutcome SettleOutputFile(const TOutputFile& File, TOutputEnd End)
{
    TOutputOutcome outcome;
    if (!File.Replaces()) {
        std::error_code ec;
        if (File.Created && std::filesystem::is_regular_file(File.Name, ec)
            && (End == TOutputEnd::Failed || IsEmptyFile(File.Name)))
            std::filesystem::remove(File.Name, ec);
        return outcome;
    }
    if (End == TOutputEnd::Finished) {
        if (std::rename(File.Writing.c_str(), File.Name.c_str()) == 0)
            return outcome;
        outcome.Error = AVERROR(errno);
    } else if (End == TOutputEnd::Stopped && !IsEmptyFile(File.Writing)) {
        outcome.KeptName = KeepUnderFreeName(File.Writing, File.Name);
        return outcome;
    }
    ::unlink(File.Writing.c_str());
    return outcome;
}

std::string NumberedFileName(const std::string& Path, int N)
{
    const std::size_t slash = Path.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = Path.rfind('.');
    if (dot == std::string::npos || dot < start)
        dot = Path.size();
    return Path.substr(0, dot) + "_" + std::to_string(N) + Path.substr(dot);
}
