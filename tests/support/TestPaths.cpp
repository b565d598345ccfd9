#include "TestPaths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zdtest {

std::string fixtureDir()
{
    if (const char* env = std::getenv("ZD_FIXTURE_DIR"); env && *env)
        return env;
    return ZD_FIXTURE_DIR;
}

std::string fixture(const std::string& name)
{
    return fixtureDir() + "/" + name;
}

std::string contents(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TempDir::TempDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "zdtest-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = templ;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

} // namespace zdtest
