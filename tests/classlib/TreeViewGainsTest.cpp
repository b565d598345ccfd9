// The tree view's hooks: lazy children behind a button, refusable selection changes, label
// editing in place, sorting, insertion before a node, the deletion hook and the top row.

#include "ControlTestSupport.h"

#include "classlib/ComCtrls.h"
#include "classlib/SysUtils.h"

#include <string>
#include <vector>

namespace {

class TreeViewGains : public ControlsTest {
protected:
    TTreeView* Tree(TForm* f)
    {
        auto* tv = new TTreeView(f);
        tv->SetBounds(0, 0, 200, 150);
        tv->SetParent(f);
        return tv;
    }
    // The texts of a node's children (top-level nodes for nullptr) as the window orders them.
    static std::vector<std::string> WindowOrder(TTreeView* tv, TTreeNode* parent)
    {
        std::vector<std::string> texts;
        auto h = reinterpret_cast<HTREEITEM>(
            parent ? SendMessage(tv->GetHandle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent->ItemId()))
                   : SendMessage(tv->GetHandle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
        for (; h; h = reinterpret_cast<HTREEITEM>(SendMessage(tv->GetHandle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(h))))
            texts.push_back(tv->Items()->FindNode(h)->GetText());
        return texts;
    }
    static std::vector<std::string> Texts(TTreeNode* parent)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < parent->Count(); ++i)
            texts.push_back(parent->Item(i)->GetText());
        return texts;
    }
    std::vector<std::string> log;
};

TEST_F(TreeViewGains, LazyChildrenComeWhenTheButtonExpandsAndChangesCanBeRefused)
{
    TForm* f = ShownForm(300, 200);
    TTreeView* tv = Tree(f);
    TTreeNode* root = tv->Items()->AddChild(nullptr, "root");
    TTreeNode* lazy = tv->Items()->AddChild(root, "lazy");
    lazy->SetHasChildren(true);
    TTreeNode* empty = tv->Items()->AddChild(root, "empty");
    empty->SetHasChildren(true);
    root->Expand(false);
    tv->OnExpanding = [&](TObject*, TTreeNode* n, bool&) {
        if (n == lazy && n->Count() == 0)
            for (const char* name : {"b", "a"})
                tv->Items()->AddChild(n, name);
        n->SetHasChildren(n->Count() > 0);
    };
    Pump();
    // A click on the button of "lazy" (second row, first cell after the root's).
    const RECT row = lazy->DisplayRect(false);
    Click(tv, tv->GetIndent() + tv->GetIndent() / 2, (row.top + row.bottom) / 2);
    EXPECT_TRUE(lazy->GetExpanded());
    EXPECT_EQ(WindowOrder(tv, lazy), (std::vector<std::string>{"b", "a"}));
    empty->Expand(false);
    EXPECT_FALSE(empty->GetHasChildren());

    tv->OnChanging = [&](TObject*, TTreeNode* n, bool& allow) {
        log.push_back("changing " + n->GetText());
        allow = n != empty;
    };
    tv->OnChange = [&](TObject*, TTreeNode* n) { log.push_back("change " + n->GetText()); };
    tv->SetSelected(lazy);
    tv->SetSelected(empty);
    EXPECT_EQ(tv->GetSelected(), lazy);
    EXPECT_EQ(log, (std::vector<std::string>{"changing lazy", "change lazy", "changing empty"}));
}

TEST_F(TreeViewGains, LabelsAreEditedInPlace)
{
    TForm* f = ShownForm(300, 200);
    TTreeView* tv = Tree(f);
    TTreeNode* node = tv->Items()->AddChild(nullptr, "old");
    tv->OnEditing = [&](TObject*, TTreeNode*, bool& allow) { allow = log.empty() || log.back() != "refuse"; };
    tv->OnEdited = [&](TObject*, TTreeNode*, std::string& s) {
        log.push_back("edited " + s);
        if (s == "shout")
            s = "SHOUT";
    };
    Pump();
    struct Case {
        std::string typed;
        UINT key;  // 0: a click on the tree takes the focus
        std::string text;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"new", VK_RETURN, "new", {"edited new"}},
        {"shout", VK_RETURN, "SHOUT", {"edited shout"}},
        {"dropped", VK_ESCAPE, "SHOUT", {}},
        {"blurred", 0, "blurred", {"edited blurred"}},
    };
    for (const Case& c : cases) {
        log.clear();
        ASSERT_TRUE(node->EditText()) << c.typed;
        EXPECT_TRUE(tv->IsEditing());
        HWND edit = reinterpret_cast<HWND>(SendMessage(tv->GetHandle(), TVM_GETEDITCONTROL, 0, 0));
        EXPECT_EQ(GetFocus(), edit);
        SetWindowText(edit, c.typed.c_str());
        if (c.key)
            Key(c.key);
        else
            Click(tv, 150, 120);
        Pump();
        EXPECT_FALSE(tv->IsEditing()) << c.typed;
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_EQ(node->GetText(), c.text);
        EXPECT_EQ(log, c.events) << c.typed;
    }
    log = {"refuse"};
    EXPECT_FALSE(node->EditText());
    log.clear();
    tv->SetReadOnly(true);
    Pump();
    EXPECT_FALSE(node->EditText());
    EXPECT_EQ(node->GetText(), "blurred");
}

TEST_F(TreeViewGains, SortingInsertionDeletionAndTheTopRow)
{
    TForm* f = ShownForm(300, 200);
    TTreeView* tv = Tree(f);
    TTreeNode* root = tv->Items()->AddChild(nullptr, "root");
    for (const char* name : {"delta", "Alpha", "charlie", "bravo"})
        tv->Items()->AddChild(root, name);
    root->Expand(false);
    Pump();
    root->CustomSort([](TTreeNode* a, TTreeNode* b) { return CompareText(a->GetText(), b->GetText()); });
    const std::vector<std::string> sorted{"Alpha", "bravo", "charlie", "delta"};
    EXPECT_EQ(Texts(root), sorted);
    EXPECT_EQ(WindowOrder(tv, root), sorted);

    TTreeNode* before = tv->Items()->Insert(root->Item(2), "between");
    TTreeNode* first = tv->Items()->Insert(root->Item(0), "first");
    EXPECT_EQ(before->GetParent(), root);
    EXPECT_EQ(first->GetIndex(), 0);
    const std::vector<std::string> inserted{"first", "Alpha", "bravo", "between", "charlie", "delta"};
    EXPECT_EQ(Texts(root), inserted);
    EXPECT_EQ(WindowOrder(tv, root), inserted);
    EXPECT_EQ(root->Item(1)->GetNext(), root->Item(2));
    EXPECT_EQ(root->Item(5)->GetNext(), nullptr);

    for (int i = 0; i < 30; ++i)
        tv->Items()->AddChild(before, "row " + std::to_string(i));
    before->Expand(false);
    Pump();
    tv->SetTopItem(before->Item(10));
    EXPECT_EQ(tv->GetTopItem(), before->Item(10));

    tv->OnDeletion = [&](TObject*, TTreeNode* n) { log.push_back(n->GetText()); };
    tv->Items()->Delete(root->Item(0));
    before->DeleteChildren();
    EXPECT_EQ(log.size(), 31u);
    log.clear();
    root->Delete();
    EXPECT_EQ(log, (std::vector<std::string>{"delta", "charlie", "between", "bravo", "Alpha", "root"}));
    EXPECT_EQ(SendMessage(tv->GetHandle(), TVM_GETCOUNT, 0, 0), 0);
}

} // namespace

TEST_F(TreeViewGains, AClickAndADoubleClickAreRaisedOnce)
{
    TForm* f = ShownForm(300, 200);
    TTreeView* tv = Tree(f);
    tv->Items()->AddChild(nullptr, "a");
    Pump();
    int clicks = 0, doubleClicks = 0;
    tv->OnClick = [&](TObject*) { ++clicks; };
    tv->OnDblClick = [&](TObject*) { ++doubleClicks; };
    const int h = static_cast<int>(SendMessage(tv->GetHandle(), TVM_GETITEMHEIGHT, 0, 0));
    kit.Click(ScreenOf(tv, 40, h / 2));
    kit.Click(ScreenOf(tv, 40, h / 2));
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}
