#pragma once
// A stand-in for the desktop's opener program: an "xdg-open" script first on PATH for the
// object's lifetime, which records each call and ends with a given status after writing a page of
// output to its standard output and error, as the real one does when nothing can open a target.
// Without a status, PATH holds no opener at all.

#include "TestPaths.h"

#include <optional>
#include <string>
#include <vector>

namespace zdtest {

class FakeOpener {
public:
    explicit FakeOpener(std::optional<int> exitStatus);
    ~FakeOpener();
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // A line per call: "<target>, output to <where its standard output went>, errors to <...>".
    std::vector<std::string> Records() const;

private:
    TempDir dir_;
    std::optional<std::string> savedPath_;
};

} // namespace zdtest
