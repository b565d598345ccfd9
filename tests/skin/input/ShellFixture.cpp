#include "ShellFixture.h"

#include "platform/kernel/Environment.h"
#include "platform/shell/ShellPlaces.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

const std::string ShellFixture::Latin1Name = "caf\xE9.txt";

ShellFixture::ShellFixture() : home_(dir_.path() + "/home"), oldHome_(GetEnv("HOME")), oldConfig_(GetEnv("XDG_CONFIG_HOME"))
{
    const std::string config = dir_.path() + "/config";
    for (const char* folder : {"", "/sub", "/sub/deeper", "/Docs", "/mnt/data"})
        fs::create_directories(home_ + folder);
    fs::create_directories(config);
    for (const std::string& name : {std::string("a.avi"), std::string("B.AVI"), std::string("noext"), std::string(".hidden"), std::string("中文.mp4"), Latin1Name, std::string("mnt/data/inside.txt")})
        std::ofstream(Path(name)) << "x";
    fs::create_directory_symlink(Path("sub"), Path("linkdir"));
    fs::create_symlink(Path("missing"), Path("dangling"));
    std::ofstream(config + "/user-dirs.dirs")
        << "# written by a test\n"
        << "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"
        << "XDG_MUSIC_DIR=\"$HOME\"\n"
        << "XDG_VIDEOS_DIR=\"$HOME/missing\"\n"
        << "XDG_PICTURES_DIR=relative/unquoted\n"
        << "garbage line without equals\n";
    std::ofstream(dir_.path() + "/mounts")
        << "/dev/sda1 / ext4 rw 0 0\n"
        << "proc /proc proc rw 0 0\n"
        << "tmpfs /media/user/ram tmpfs rw 0 0\n"
        << "odd\n"
        << "/dev/sdb1 /media/user/USB\\040Stick vfat rw 0 0\n"
        << "/dev/sdc1 " << home_ << "/mnt/data ext4 rw 0 0\n"
        << "/dev/sdc1 " << home_ << "/mnt/data ext4 rw 0 0\n"
        << "/dev/sdd1 /srv/other ext4 rw 0 0\n";
    SetEnv("HOME", home_);
    SetEnv("XDG_CONFIG_HOME", config);
    SetMountsTable(dir_.path() + "/mounts");
}

ShellFixture::~ShellFixture()
{
    SetMountsTable("");
    for (auto& [name, value] : {std::pair{"HOME", oldHome_}, std::pair{"XDG_CONFIG_HOME", oldConfig_}}) {
        if (value)
            SetEnv(name, *value);
        else
            UnsetEnv(name);
    }
}

std::vector<FolderEntry> RefusingReader::Read(const std::string& folder) const
{
    if (folder == refused_)
        throw EFolderRead(folder, EACCES);
    return FolderReader::Read(folder);
}
