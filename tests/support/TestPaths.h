#pragma once

#include <set>
#include <string>

namespace zdtest {

// Folder of the generated media fixtures (see tests/fixtures/make_media.sh);
// ZD_FIXTURE_DIR in the environment overrides the build's default.
std::string fixtureDir();

// Full path of one generated fixture file.
std::string fixture(const std::string& name);

// The bytes of a file (empty when it cannot be read).
std::string contents(const std::string& fileName);

// The names of the entries of a folder.
std::set<std::string> namesIn(const std::string& folder);

// A fresh, empty folder for one test, removed again by the caller's TempDir object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

} // namespace zdtest
