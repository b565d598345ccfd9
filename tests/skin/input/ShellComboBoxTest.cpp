// The look-in box over the fixture tree: the folded list for each root, the chain inserted for a
// folder shown, Path and Root refusals, the links to a file list (choices move it, its moves
// rebuild the box, no echo), a choice rebuilding the list around itself, and the indent of the
// drawn icons.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "platform/gdi/Surface.h"
#include "platform/shell/ShellPlaces.h"
#include "skin/input/skShellComboBox.h"

#include <QLocale>
#include <filesystem>

namespace {

class ShellComboBox : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        form = ShownForm(400, 300);
        box = new TskSkinShellComboBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 250, 22);
        box->OnClick = [this](TObject*) { ++clicks; };
        Pump();
    }
    // "caption@indent" per item, and the selected one marked with "*".
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < box->ItemsEx()->Count(); ++i) {
            const TskItemEx* item = box->ItemsEx()->Items(i);
            rows.push_back(item->Caption + "@" + std::to_string(item->Indent) + (i == box->GetItemIndex() ? "*" : ""));
        }
        return rows;
    }
    // The path components of the fixture's home, each "name@indent" from indent 3 on.
    std::vector<std::string> HomeChain(int indent = 3) const
    {
        std::vector<std::string> chain;
        for (const auto& part : std::filesystem::path(fx.Home()).relative_path())
            chain.push_back(part.string() + "@" + std::to_string(indent++));
        return chain;
    }

    ShellFixture fx;
    TForm* form = nullptr;
    TskSkinShellComboBox* box = nullptr;
    int clicks = 0;
};

const std::vector<std::string> desktopTail = {"Home@1", "Docs@1", "Docs@1", "linkdir@1", "mnt@1", "sub@1"};
const std::vector<std::string> volumes = {"File System@2", "USB Stick@2", "data@2"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(ShellComboBox, RootsGiveTheFoldedList)
{
    EXPECT_EQ(Rows(), Join({{"Desktop@0*", "Computer@1"}, volumes, desktopTail}));
    EXPECT_EQ(box->GetText(), "Desktop");
    EXPECT_EQ(box->Items()->Count(), box->ItemsEx()->Count());

    struct Case { std::string root; std::vector<std::string> rows; };
    const Case cases[] = {
        {"rfMyComputer", {"Computer@0*", "File System@1", "USB Stick@1", "data@1"}},
        // Only the exact name inserts the volumes under Computer.
        {"rfdesktop", Join({{"Desktop@0*", "Computer@1", "Home@1", "Docs@1", "Docs@1", "linkdir@1", "mnt@1", "sub@1"}})},
        {fx.Path("sub"), {"sub@0*", "deeper@1"}},
    };
    for (const Case& c : cases) {
        box->SetRoot(c.root);
        EXPECT_EQ(Rows(), c.rows) << c.root;
        EXPECT_EQ(box->GetRoot(), c.root);
    }
    // The same name in another case changes nothing.
    box->SetRoot(fx.Path("SUB"));
    EXPECT_EQ(box->GetRoot(), fx.Path("sub"));
}

TEST_F(ShellComboBox, ShowingAFolderInsertsItsChainAndSelectsIt)
{
    clicks = 0;
    box->SetPath(fx.Path("sub/deeper"));
    std::vector<std::string> chain = HomeChain();
    chain.push_back("sub@" + std::to_string(3 + static_cast<int>(chain.size())));
    chain.push_back("deeper@" + std::to_string(3 + static_cast<int>(chain.size())) + "*");
    EXPECT_EQ(Rows(), Join({{"Desktop@0", "Computer@1", "File System@2"}, chain, {"USB Stick@2", "data@2"}, desktopTail}));
    EXPECT_EQ(box->GetPath(), fx.Path("sub/deeper"));
    EXPECT_EQ(box->GetText(), "deeper");
    // The rebuild selects the root, then the folder.
    EXPECT_EQ(clicks, 2);

    // A folder that has an item already (a volume) inserts nothing.
    box->SetPath(fx.Path("mnt/data"));
    EXPECT_EQ(Rows(), Join({{"Desktop@0", "Computer@1", "File System@2", "USB Stick@2", "data@2*"}, desktopTail}));

    // A folder outside the root's subtree leaves the root selected.
    box->SetRoot(fx.Path("sub"));
    box->SetPath(fx.Path("Docs"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"sub@0*", "deeper@1"}));
}

TEST_F(ShellComboBox, RefusedPathsAndRootsChangeNothing)
{
    box->SetPath(fx.Path("sub"));
    const std::vector<std::string> before = Rows();
    try {
        box->SetPath("nowhere");
        FAIL() << "no error";
    } catch (const EInvalidPath& e) {
        EXPECT_STREQ(e.what(), "Error setting path: \"nowhere\"");
    }
    EXPECT_EQ(Rows(), before);

    auto* list = new FakeListLink(form);
    box->SetShellListView(list);
    list->calls.clear();
    EXPECT_THROW(box->SetRoot("rfNetwork"), Exception);
    EXPECT_EQ(box->GetRoot(), "rfDesktop");
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(list->calls.empty());
}

TEST_F(ShellComboBox, ChoicesMoveTheLinkedListAndItsMovesRebuildTheBox)
{
    auto* list = new FakeListLink(form);
    box->SetShellListView(list);
    EXPECT_EQ(list->calls, (std::vector<std::string>{"root rfDesktop"}));
    EXPECT_EQ(list->combo, box);
    list->calls.clear();

    // Arrow keys in the open drop-down move nothing; Enter commits the choice.
    box->SetFocus();
    box->DropDown();
    Pump();
    kit.PressKey(VK_DOWN);
    kit.PressKey(VK_DOWN);
    Pump();
    EXPECT_TRUE(list->calls.empty());
    kit.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(list->calls, (std::vector<std::string>{"follow File System"}));
    EXPECT_EQ(box->ItemsEx()->Count(), 11);

    list->calls.clear();
    box->FollowFolder(*ShellParsePath(fx.Path("sub")));
    EXPECT_EQ(box->GetText(), "sub");
    EXPECT_TRUE(list->calls.empty());
    // Writing Path moves the box alone.
    box->SetPath(fx.Path("sub/deeper"));
    EXPECT_TRUE(list->calls.empty());

    // A list freed while linked is forgotten.
    list->Free();
    EXPECT_EQ(box->GetShellListView(), nullptr);
    box->SetItemIndex(1);
}

TEST_F(ShellComboBox, ChoosingAnAncestorDropsTheDeeperChain)
{
    auto* list = new FakeListLink(form);
    box->SetShellListView(list);
    box->SetPath(fx.Path("sub/deeper"));
    const std::vector<std::string> shown = Rows();
    const int deeper = box->GetItemIndex();
    list->calls.clear();

    // Up from "deeper" to "File System" (item 2) in the open list, then Enter.
    box->SetFocus();
    box->DropDown();
    Pump();
    for (int i = deeper; i > 2; --i)
        kit.PressKey(VK_UP);
    EXPECT_EQ(Rows().size(), shown.size()) << "the open list stays as it is";
    kit.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Rows(), Join({{"Desktop@0", "Computer@1", "File System@2*", "USB Stick@2", "data@2"}, desktopTail}));
    EXPECT_EQ(list->calls, (std::vector<std::string>{"follow File System"}));

    // A choice made in code rebuilds too: the chain stays down to the chosen folder.
    box->SetPath(fx.Path("sub/deeper"));
    ASSERT_EQ(Rows(), shown);
    box->SetItemIndex(deeper - 1);
    std::vector<std::string> upToSub = shown;
    upToSub.erase(upToSub.begin() + deeper);
    upToSub[static_cast<std::size_t>(deeper - 1)] += "*";
    EXPECT_EQ(Rows(), upToSub);
    EXPECT_EQ(box->GetPath(), fx.Path("sub"));
}

TEST_F(ShellComboBox, DropDownRowsIndentTheirIcons)
{
    box->DropDown();
    Pump();
    TskPopupListBox* list = box->ListBoxWindow();
    std::shared_ptr<Surface> pixels = kit.Render(list->ListBox->GetHandle());
    // The first column in a row whose colour differs from the row's right end.
    auto firstInk = [&](int item) {
        const RECT r = list->ItemRect(item);
        const int y = (r.top + r.bottom) / 2;
        const COLORREF background = WindowTestKit::ColorAt(*pixels, r.right - 2, y);
        for (int x = r.left; x < r.right; ++x)
            if (WindowTestKit::ColorAt(*pixels, x, y) != background)
                return x;
        return -1;
    };
    ASSERT_EQ(box->ItemsEx()->Items(2)->Indent, 2);
    const int root = firstInk(0);
    ASSERT_GE(root, 0);
    EXPECT_EQ(firstInk(2) - root, 16);
    EXPECT_EQ(firstInk(1) - root, 8);
}

} // namespace
