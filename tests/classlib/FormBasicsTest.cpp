#include "ControlTestSupport.h"

#include "classlib/StdCtrls.h"

namespace {

TEST_F(ControlsTest, AShownFormHasAWindowTheSizeAskedAndPaintsItsColour)
{
    TForm* f = ShownForm(200, 150);
    ASSERT_TRUE(f->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(f->GetHandle()));
    EXPECT_EQ(f->GetClientWidth(), 200);
    EXPECT_EQ(f->GetClientHeight(), 150);
    EXPECT_EQ(Application->MainForm(), f);
    f->SetColor(clRed);
    Pump();
    auto pixels = kit.Render(f->GetHandle());
    POINT inside = f->ClientToScreen(POINT{10, 10});
    RECT wr{};
    GetWindowRect(f->GetHandle(), &wr);
    EXPECT_EQ(WindowTestKit::ColorAt(*pixels, inside.x - wr.left, inside.y - wr.top), RGB(255, 0, 0));
}

} // namespace

namespace {

// A form made in the MDI style before its window exists.
template <TFormStyle Style>
class TStyledForm : public TForm {
public:
    explicit TStyledForm(TComponent* AOwner) : TForm(AOwner) { SetFormStyle(Style); }
};

TEST_F(ControlsTest, MDIChildrenLiveInTheClientWindowAndOneHasTheActivation)
{
    TStyledForm<TFormStyle::fsMDIForm>* main;
    Application->CreateForm(main);
    main->SetBounds(50, 50, 600, 400);
    main->Show();
    Pump();
    ASSERT_NE(main->ClientHandle(), nullptr);
    RECT client{};
    GetClientRect(main->ClientHandle(), &client);
    EXPECT_EQ(client.right, main->GetClientWidth());
    EXPECT_EQ(client.bottom, main->GetClientHeight());

    std::vector<std::string> log;
    auto child = [&](const char* name, int left) {
        TStyledForm<TFormStyle::fsMDIChild>* c;
        Application->CreateForm(c);
        c->SetName(name);
        c->SetBounds(left, 10, 200, 150);
        TWndMethod inner = c->WindowProc;
        c->WindowProc = [&log, inner, name](TMessage& m) {
            if (m.Msg == WM_NCACTIVATE)
                log.push_back(std::string(name) + (m.WParam ? " on" : " off"));
            inner(m);
        };
        c->Show();
        Pump();
        return c;
    };
    TForm* a = child("A", 10);
    TForm* b = child("B", 250);
    EXPECT_EQ(GetParent(a->GetHandle()), main->ClientHandle());
    EXPECT_EQ(main->MDIChildCount(), 2);
    EXPECT_EQ(main->MDIChildren(0), a);
    EXPECT_EQ(main->ActiveMDIChild(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"A on", "A off", "B on"}));

    log.clear();
    Click(a, 5, 5);
    EXPECT_EQ(main->ActiveMDIChild(), a);
    EXPECT_EQ(log, (std::vector<std::string>{"B off", "A on"}));

    // Showing a child that is already shown brings it to the front, active.
    log.clear();
    b->Show();
    EXPECT_EQ(main->ActiveMDIChild(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"A off", "B on"}));
    a->Show();
    EXPECT_EQ(main->ActiveMDIChild(), a);

    log.clear();
    a->Free();
    EXPECT_EQ(main->MDIChildCount(), 1);
    EXPECT_EQ(main->ActiveMDIChild(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"A off", "B on"}));
    b->Free();  // while the log it writes to still exists
    EXPECT_EQ(main->MDIChildCount(), 0);

    // Deleted rather than freed, a child leaves the list too: nothing keeps a dangling child.
    TForm* c = child("C", 10);
    TForm* d = child("D", 250);
    delete d;
    EXPECT_EQ(main->MDIChildCount(), 1);
    EXPECT_EQ(main->ActiveMDIChild(), c);
    delete c;
    EXPECT_EQ(main->MDIChildCount(), 0);
    EXPECT_EQ(main->ActiveMDIChild(), nullptr);
}

} // namespace

namespace {

TEST_F(ControlsTest, AFormWithAParentIsAChildWindowThatNeverTakesTheActivation)
{
    TForm* host = ShownForm(300, 200);
    auto* inner = new TForm(host);
    inner->SetParent(host);
    inner->SetBounds(20, 30, 120, 80);
    inner->Show();
    Pump();
    ASSERT_TRUE(inner->HandleAllocated());
    EXPECT_TRUE(GetWindowLongPtr(inner->GetHandle(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(inner->GetHandle()), host->GetHandle());
    RECT r{};
    GetWindowRect(inner->GetHandle(), &r);
    const POINT at = host->ClientToScreen(POINT{20, 30});
    EXPECT_EQ(r.left, at.x);
    EXPECT_EQ(r.top, at.y);
    EXPECT_EQ(Screen->ActiveCustomForm(), host);
    Click(inner, 10, 10);
    EXPECT_EQ(Screen->ActiveCustomForm(), host);
    EXPECT_TRUE(host->GetActive());
}

TEST_F(ControlsTest, ContextHelpGoesToTheApplicationsHandlerOnly)
{
    EXPECT_FALSE(Application->HelpContext(12));  // no handler: nothing happens
    std::vector<int> topics;
    Application->OnHelp = [&](WORD Command, int Data) {
        EXPECT_EQ(Command, HELP_CONTEXT);
        topics.push_back(Data);
        return true;
    };
    EXPECT_TRUE(Application->HelpContext(12));
    EXPECT_EQ(topics, std::vector<int>{12});
}

} // namespace
