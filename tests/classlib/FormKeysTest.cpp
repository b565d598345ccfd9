#include "ControlTestSupport.h"

#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"

namespace {

using Log = std::vector<std::string>;

template <class T>
T* Add(TForm* f, RECT r)
{
    auto* c = new T(f);
    c->SetParent(f);
    c->SetBoundsRect(r);
    return c;
}

TEST_F(ControlsTest, EnterAndEscapeReachTheDefaultAndCancelButtons)
{
    TForm* f = ShownForm();
    Log log;
    auto* check = Add<TCheckBox>(f, RECT{10, 10, 90, 30});
    auto* ok = Add<TButton>(f, RECT{10, 40, 85, 65});
    ok->SetDefault(true);
    ok->OnClick = [&](TObject*) { log.push_back("ok"); };
    auto* cancel = Add<TButton>(f, RECT{100, 40, 175, 65});
    cancel->SetCancel(true);
    cancel->OnClick = [&](TObject*) { log.push_back("cancel"); };
    auto* other = Add<TButton>(f, RECT{10, 80, 85, 105});
    other->OnClick = [&](TObject*) { log.push_back("other"); };

    check->SetFocus();
    Pump();
    EXPECT_TRUE(ok->Active());
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(log, (Log{"ok", "cancel"}));

    // A focused button takes Enter itself; the default button gives it up meanwhile.
    other->SetFocus();
    Pump();
    EXPECT_FALSE(ok->Active());
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(log, (Log{"ok", "cancel", "other", "cancel"}));
    EXPECT_FALSE(check->GetChecked());  // Enter never reached the check box
}

TEST_F(ControlsTest, AModalDialogReturnsItsModalResult)
{
    TForm* owner = ShownForm();
    TForm* dlg;
    Application->CreateForm(dlg);
    dlg->SetBounds(150, 150, 200, 120);
    auto* ok = Add<TButton>(dlg, RECT{10, 10, 85, 35});
    ok->SetModalResult(mrOk);
    auto* cancel = Add<TButton>(dlg, RECT{100, 10, 175, 35});
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);

    bool ownerDisabled = false;
    kit.WhenIdle([&] {
        ownerDisabled = !IsWindowEnabled(owner->GetHandle());
        kit.Click(ScreenOf(ok, 5, 5));
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);

    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner->GetHandle()));
    EXPECT_FALSE(dlg->GetVisible());

    kit.WhenIdle([&] { kit.PressKey(VK_ESCAPE); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);

    int queries = 0;
    dlg->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    kit.WhenIdle([&] { kit.Click(ScreenOf(ok, 5, 5)); });  // refused: the dialog stays
    kit.WhenIdle([&] { dlg->SetModalResult(mrRetry); });
    EXPECT_EQ(dlg->ShowModal(), mrRetry);
    EXPECT_EQ(queries, 2);
}

// A modal dialog belongs to the form the user works in (a dialog opened from a dialog to that
// dialog; with a window of the form's own active, such as a preview window, to the form). When it
// ends, its owner is active again, without the preview window taking the activation between: a
// native activation of it would race the owner's for the keyboard.
TEST_F(ControlsTest, AModalDialogBelongsToTheActiveFormAndGivesItTheActivationBack)
{
    TForm* owner = ShownForm();
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "Preview";
    RegisterClass(&wc);
    HWND preview = CreateWindowEx(WS_EX_TOOLWINDOW, "Preview", "", WS_CAPTION | WS_VISIBLE, 250, 250, 200, 150,
                                  owner->GetHandle(), nullptr, nullptr, nullptr);
    ASSERT_NE(preview, nullptr);
    TForm* dlg;
    Application->CreateForm(dlg);
    dlg->SetBounds(150, 150, 200, 120);
    TForm* inner;
    Application->CreateForm(inner);
    inner->SetBounds(170, 170, 100, 60);
    SetActiveWindow(preview);
    Pump();
    const int previewActivations = kit.Display().State(preview)->activations;
    const int ownerActivations = kit.Display().State(owner->GetHandle())->activations;
    HWND dlgOwner = nullptr, innerOwner = nullptr;
    kit.WhenIdle([&] {
        dlgOwner = GetWindow(dlg->GetHandle(), GW_OWNER);
        kit.WhenIdle([&] {
            innerOwner = GetWindow(inner->GetHandle(), GW_OWNER);
            inner->SetModalResult(mrCancel);
        });
        inner->ShowModal();
        EXPECT_EQ(GetActiveWindow(), dlg->GetHandle());
        dlg->SetModalResult(mrCancel);
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(dlgOwner, owner->GetHandle());
    EXPECT_EQ(innerOwner, dlg->GetHandle());
    EXPECT_EQ(GetActiveWindow(), owner->GetHandle());
    EXPECT_EQ(kit.Display().State(preview)->activations, previewActivations);
    EXPECT_EQ(kit.Display().State(owner->GetHandle())->activations, ownerActivations + 1);
    DestroyWindow(preview);
    UnregisterClass("Preview", nullptr);
}

TEST_F(ControlsTest, OnShortCutComesFirstThenKeyPreviewThenTheControl)
{
    TForm* f = ShownForm();
    auto* b = Add<TButton>(f, RECT{10, 10, 85, 35});
    b->SetFocus();
    Pump();
    Log log;
    f->OnShortCut = [&](TWMKey& m, bool& handled) {
        log.push_back("shortcut");
        handled = m.CharCode == 'Q';
    };
    f->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        log.push_back("form");
        if (key == 'Z')
            key = 0;
    };
    b->OnKeyDown = [&](TObject*, WORD&, TShiftState) { log.push_back("control"); };

    f->SetKeyPreview(true);
    Key('A');
    EXPECT_EQ(log, (Log{"shortcut", "form", "control"}));
    log.clear();
    Key('Q');
    EXPECT_EQ(log, (Log{"shortcut"}));
    log.clear();
    Key('Z');  // the form keeps the key
    EXPECT_EQ(log, (Log{"shortcut", "form"}));
    log.clear();
    f->SetKeyPreview(false);
    Key('A');
    EXPECT_EQ(log, (Log{"shortcut", "control"}));

    // OnMessage sees every message before anything else and may keep it.
    log.clear();
    Application->OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message == WM_KEYDOWN && msg.wParam == 'B') {
            log.push_back("message");
            handled = true;
        }
    };
    Key('B');
    EXPECT_EQ(log, (Log{"message"}));
    Application->OnMessage = nullptr;

    // The menu's shortcuts come after OnShortCut and before the control.
    auto* menu = new TMainMenu(f);
    auto* open = new TMenuItem(f);
    open->SetShortCut(static_cast<TShortCut>(scCtrl | 'O'));
    open->OnClick = [&](TObject*) { log.push_back("menu"); };
    menu->Items()->Add(open);
    f->SetMenu(menu);
    kit.PressKey(VK_CONTROL);
    Pump();
    log.clear();
    Key('O');
    kit.ReleaseKey(VK_CONTROL);
    Pump();
    EXPECT_EQ(log, (Log{"shortcut", "menu"}));
}

TEST_F(ControlsTest, AnExceptionInAClickHandlerIsShownAndTheProgramGoesOn)
{
    TForm* f = ShownForm();
    Application->SetTitle("Demo");
    auto* failing = Add<TButton>(f, RECT{10, 10, 85, 35});
    failing->OnClick = [](TObject*) { throw Exception("Conversion failed"); };
    int clicks = 0;
    auto* working = Add<TButton>(f, RECT{100, 10, 175, 35});
    working->OnClick = [&](TObject*) { ++clicks; };

    std::string shown, title;
    kit.WhenIdle([&] {
        TCustomForm* box = Screen->ActiveCustomForm();
        ASSERT_NE(box, f);
        title = box->GetCaption();
        shown = static_cast<TControl*>(box->FindComponent("Message"))->GetCaption();
        kit.PressKey(VK_RETURN);
    });
    Click(failing, 5, 5);
    EXPECT_EQ(shown, "Conversion failed.");
    EXPECT_EQ(title, "Demo");
    EXPECT_EQ(Screen->CustomFormCount(), 1);  // the box is gone

    kit.Advance(1000);
    Click(working, 5, 5);
    EXPECT_EQ(clicks, 1);

    std::string reported;
    Application->OnException = [&](TObject* sender, const std::exception& e) {
        EXPECT_EQ(sender, failing);
        reported = e.what();
    };
    kit.Advance(1000);
    Click(failing, 5, 5);
    EXPECT_EQ(reported, "Conversion failed");
}

TEST_F(ControlsTest, TabMovesTheFocusInTabOrderWithEnterAndExit)
{
    TForm* f = ShownForm();
    Log log;
    auto* first = Add<TButton>(f, RECT{10, 10, 85, 35});
    auto* second = Add<TButton>(f, RECT{10, 40, 85, 65});
    auto* third = Add<TButton>(f, RECT{10, 70, 85, 95});
    third->SetTabOrder(0);  // first in tab order now
    for (TButton* b : {first, second, third}) {
        b->OnEnter = [&log, b](TObject*) { log.push_back("enter " + std::to_string(b->GetTop())); };
        b->OnExit = [&log, b](TObject*) { log.push_back("exit " + std::to_string(b->GetTop())); };
    }
    third->SetFocus();
    Pump();
    EXPECT_EQ(Screen->ActiveControl(), third);
    log.clear();
    Key(VK_TAB);
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(log, (Log{"exit 70", "enter 10"}));
    kit.PressKey(VK_SHIFT);
    Key(VK_TAB);
    kit.ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_TRUE(third->Focused());
    second->SetEnabled(false);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_TRUE(third->Focused());  // the disabled button is passed over
    EXPECT_EQ(f->GetActiveControl(), third);
}

TEST_F(ControlsTest, ClosingAskesFirstAndClosingTheMainFormEndsTheProgram)
{
    TForm* main = ShownForm();
    TForm* other;
    Application->CreateForm(other);
    other->Show();
    bool allow = false;
    other->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    other->Close();
    EXPECT_TRUE(other->GetVisible());
    allow = true;
    other->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    other->Close();
    Pump();  // freed by the queued release
    EXPECT_EQ(Screen->CustomFormCount(), 1);

    main->Close();
    Pump();
    EXPECT_TRUE(Application->Terminated());
}

} // namespace

namespace {

TEST_F(ControlsTest, TheScreenKeepsFormsInFocusOrder)
{
    TForm* a = ShownForm();
    TForm* b;
    Application->CreateForm(b);
    b->SetBounds(400, 100, 200, 150);
    b->Show();
    Pump();
    EXPECT_EQ(Screen->ActiveForm(), b);
    EXPECT_EQ(Screen->CustomForms(0), b);
    a->SetFocus();
    Pump();
    EXPECT_EQ(Screen->ActiveForm(), a);
    EXPECT_EQ(Screen->CustomForms(0), a);
    EXPECT_EQ(Screen->CustomForms(1), b);
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->GetWidth(), GetSystemMetrics(SM_CXSCREEN));
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(Screen->WorkAreaRect(), work);
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}

} // namespace

namespace {

TEST_F(ControlsTest, MessageFiltersRunInOrderAndLeaveByTokenInAnyOrder)
{
    TForm* f = ShownForm();
    (void)f;
    Log log;
    int second = 0;
    const int first = Application->AddMessageFilter([&](MSG& msg, bool&) {
        if (msg.message == WM_KEYDOWN)
            log.push_back("first");
    });
    second = Application->AddMessageFilter([&](MSG& msg, bool&) {
        if (msg.message == WM_KEYDOWN) {
            log.push_back("second");
            Application->RemoveMessageFilter(second);  // removes itself while it runs
        }
    });
    const int third = Application->AddMessageFilter([&](MSG& msg, bool& handled) {
        if (msg.message == WM_KEYDOWN) {
            log.push_back("third");
            handled = msg.wParam == 'K';
        }
    });
    Key('K');
    EXPECT_EQ(log, (Log{"first", "second", "third"}));
    log.clear();
    Application->RemoveMessageFilter(first);
    Key('K');
    EXPECT_EQ(log, (Log{"third"}));
    Application->RemoveMessageFilter(third);
    log.clear();
    Key('K');
    EXPECT_TRUE(log.empty());
}

} // namespace
