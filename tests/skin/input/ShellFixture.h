#pragma once
// A private user for shell tests: HOME, XDG_CONFIG_HOME and a mounts table in a temporary folder,
// holding a.avi, B.AVI, noext, .hidden, 中文.mp4, a Latin-1 name, a folder, a folder link, a
// dangling link, an XDG Documents folder and a mounted volume under home.

#include "TestPaths.h"

#include "classlib/Classes.h"
#include "platform/shell/FolderReader.h"
#include "skin/input/skShellViewLinks.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// A file list stand-in for the shell views: records the roots it was given and the folders it
// was asked to follow ("root <text>", "follow <name>"), and keeps its back links.
class FakeListLink : public TComponent, public TskShellListLink {
public:
    using TComponent::TComponent;
    void SetRoot(const TRoot& Value) override { calls.push_back("root " + Value); }
    void FollowFolder(const ShellItemId& AbsoluteID) override { calls.push_back("follow " + ShellItemName(AbsoluteID)); }
    void LinkComboBox(TskCustomShellComboBox* Value) override { combo = Value; }
    void LinkTreeView(TskCustomShellTreeView* Value) override { tree = Value; }

    std::vector<std::string> calls;
    TskCustomShellComboBox* combo = nullptr;
    TskCustomShellTreeView* tree = nullptr;
};
