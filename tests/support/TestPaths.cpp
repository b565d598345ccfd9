#include "TestPaths.h"

#include <cstdlib>
#include <filesystem>
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
