#pragma once
// A private user for shell tests: HOME, XDG_CONFIG_HOME and a mounts table in a temporary folder,
// holding a.avi, B.AVI, noext, .hidden, 中文.mp4, a Latin-1 name, a folder, a folder link, a
// dangling link, an XDG Documents folder and a mounted volume under home.

#include "TestPaths.h"

#include "platform/shell/FolderReader.h"

#include <optional>
#include <string>

class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    const std::string& Home() const { return home_; }
    std::string Path(const std::string& relative) const { return home_ + "/" + relative; }
    static const std::string Latin1Name;

private:
    zdtest::TempDir dir_;
    std::string home_;
    std::optional<std::string> oldHome_, oldConfig_;
};

// A folder reader that refuses one folder (EACCES) and reads the others.
class RefusingReader : public FolderReader {
public:
    explicit RefusingReader(std::string refused) : refused_(std::move(refused)) {}
    std::vector<FolderEntry> Read(const std::string& folder) const override;

private:
    std::string refused_;
};
