// The main window and its dialogs on a real X server under openbox as a desktop user has it,
// started by the test as the X server is (and bare where the window manager is not what
// matters): a modal dialog names its owner to the desktop and stays above it when the owner is
// clicked, and the owner refuses the desktop's close; keys work after an Alt+Tab the window
// manager took; when a dialog ends with a preview window up, the main window is active and has
// the keyboard. Keys and clicks come from the X server's test extension, so the window manager
// sees them as it sees a user's.

#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"
#include "engine/preview/Previewer.h"
#include "platform/gdi/Gdi.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"

#include "NativeWindows.h"
#include "ScreenSupport.h"
#include "TestPaths.h"
#include "tests/platform/xvfb/FakeInput.h"
#include "tests/platform/xvfb/OtherProgram.h"
#include "tests/platform/xvfb/WindowManager.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

using screentest::Exposed;
using screentest::NativeOf;
using screentest::ScreenOf;
using screentest::Until;
using screentest::x11Chosen;
using screentest::XAbove;
using screentest::XProperty;

// The form a modal loop runs for, once the screen shows it.
TCustomForm* ShownModalForm()
{
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* f = Screen->CustomForms(i);
        if (f->FormState().Contains(fsModal) && f->HandleAllocated() && Exposed(f->GetHandle()))
            return f;
    }
    return nullptr;
}

// Runs Open, which shows a form modally; Inside runs in that form's modal loop once the screen
// shows the form, and must end it.
void WhileModal(const std::function<void()>& Open, const std::function<void(TCustomForm*)>& Inside)
{
    QTimer poll;
    bool ran = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TCustomForm* form = ran ? nullptr : ShownModalForm();
        if (!form)
            return;
        ran = true;
        poll.stop();
        Inside(form);
    });
    poll.start(10);
    Open();
    EXPECT_TRUE(ran) << "no modal form came up";
}

// Notes when a native window gets an event of the type (a click's release, a close request):
// then the window manager has done what it does with it.
class Seen : public QObject {
public:
    Seen(QWindow* Window, QEvent::Type Type) : type(Type) { Window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* Event) override
    {
        seen = seen || Event->type() == type;
        return false;
    }
    const QEvent::Type type;
    bool seen = false;
};

// Whether the screen shows the window's own pixels (as it painted them) in R, screen coordinates.
bool ScreenShowsWindow(HWND Window, const RECT& R)
{
    RECT bounds{};
    GetWindowRect(Window, &bounds);
    const int width = R.right - R.left, height = R.bottom - R.top;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib);
    HDC dc = GetWindowDC(Window);
    BitBlt(memory, 0, 0, width, height, dc, R.left - bounds.left, R.top - bounds.top, SRCCOPY);
    ReleaseDC(Window, dc);
    const QImage screen = ScreenOf(R).convertToFormat(QImage::Format_RGB32);
    bool same = screen.width() == width && screen.height() == height;
    const auto* own = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; same && y < height; ++y)
        for (int x = 0; same && x < width; ++x)
            same = ((own[y * width + x] ^ screen.pixel(x, y)) & 0xFFFFFFu) == 0;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return same;
}

// Ends a modal form that the keys meant to end did not.
void EndModal(TCustomForm* Form)
{
    if (Form->GetModalResult() == mrNone)
        Form->SetModalResult(mrCancel);
}

class DesktopScreen : public ::testing::Test {
protected:
    DesktopScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    // With openbox (true) or bare.
    void Start(bool Openbox)
    {
        ASSERT_TRUE(x11Chosen);
        if (Openbox) {
            manager = std::make_unique<xscreen::WindowManager>(xscreen::Desktop::Openbox);
            ASSERT_TRUE(manager->Running()) << "openbox did not start";
        }
        InitialiseProgram();
        CreateProgramForms();
        Form1->Show();
        ASSERT_TRUE(Until([] { return Exposed(Form1->GetHandle()); }));
    }
    void TearDown() override
    {
        previews.clear();
        DoneApplication();
        SetFrameMenuFactory(nullptr);
        manager.reset();
    }
    // A preview window of the conversion, owned by the main window, showing a green picture.
    HWND OpenPreviewWindow()
    {
        picture.Width = 320;
        picture.Height = 240;
        picture.Pixels.assign(static_cast<std::size_t>(picture.Width) * picture.Height * 4, 0xFF);
        previews.push_back(std::make_unique<TPreviewWindow>());
        TPreviewWindow& previewer = *previews.back();
        EXPECT_TRUE(screentest::PaintOnWorker(previewer, picture));
        EXPECT_TRUE(Until([&] { return Exposed(previewer.FormHandle()); }));
        return previewer.FormHandle();
    }
    static RECT RectOf(HWND Window)
    {
        RECT r{};
        GetWindowRect(Window, &r);
        return r;
    }

    zdtest::TempDir dir;
    std::unique_ptr<xscreen::WindowManager> manager;
    TFFPicture picture;
    std::vector<std::unique_ptr<TPreviewWindow>> previews;
};

// The about box, the options dialog and a message box: each tells the window manager it is the
// main window's modal dialog; a click on the main window beside it leaves it above the main
// window (in the X stack and on the screen, pixel for pixel) and active; the window manager's
// close of the main window is refused while it is open.
TEST_F(DesktopScreen, AModalDialogStaysAboveItsOwnerUnderAWindowManager)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    const HWND main = Form1->GetHandle();
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"about box", [] { Form2->ShowModal(); }},
        {"options", [] { Form5->ShowModal(); }},
        {"message box", [] { Form1->Dialogs().ShowMessage("转换失败", "提示"); }},
    };
    for (const auto& [name, open] : dialogs) {
        SCOPED_TRACE(name);
        WhileModal(open, [&](TCustomForm* dialog) {
            const HWND box = dialog->GetHandle();
            const std::vector<std::uint32_t> owner = XProperty(box, XCB_ATOM_WM_TRANSIENT_FOR);
            EXPECT_EQ(owner, std::vector<std::uint32_t>{static_cast<std::uint32_t>(NativeOf(main)->winId())});
            // The first type the window manager knows counts.
            const std::vector<std::uint32_t> type = XProperty(box, XAtom(XConnection(), "_NET_WM_WINDOW_TYPE"));
            ASSERT_FALSE(type.empty());
            EXPECT_EQ(type.front(), XAtom(XConnection(), "_NET_WM_WINDOW_TYPE_DIALOG"));
            const std::vector<std::uint32_t> state = XProperty(box, XAtom(XConnection(), "_NET_WM_STATE"));
            EXPECT_NE(std::find(state.begin(), state.end(), XAtom(XConnection(), "_NET_WM_STATE_MODAL")), state.end());
            // The dialog inside its rounded corners.
            RECT inside = RectOf(box);
            InflateRect(&inside, -10, -10);
            ASSERT_TRUE(Until([&] { return ScreenShowsWindow(box, inside); })) << "the dialog is not on the screen";
            const RECT form = RectOf(main);
            Seen click(NativeOf(main), QEvent::MouseButtonRelease);
            xscreen::ClickAt(form.left + 40, form.bottom - 40);
            ASSERT_TRUE(Until([&] { return click.seen; }));
            EXPECT_TRUE(Until([&] { return XAbove(box, main); }, 3000)) << "the main window is over the dialog";
            EXPECT_TRUE(Until([&] { return ScreenShowsWindow(box, inside); }, 3000)) << "the dialog is not whole on the screen";
            EXPECT_EQ(GetActiveWindow(), box);
            // The manager's close (Alt+F4 on the main window, its close button).
            Seen asked(NativeOf(main), QEvent::Close);
            xcb_client_message_event_t close{};
            close.response_type = XCB_CLIENT_MESSAGE;
            close.format = 32;
            close.window = static_cast<xcb_window_t>(NativeOf(main)->winId());
            close.type = XAtom(XConnection(), "WM_PROTOCOLS");
            close.data.data32[0] = XAtom(XConnection(), "WM_DELETE_WINDOW");
            xcb_send_event(XConnection(), 0, close.window, 0, reinterpret_cast<const char*>(&close));
            xcb_flush(XConnection());
            ASSERT_TRUE(Until([&] { return asked.seen; }));
            Application->ProcessMessages();
            EXPECT_FALSE(Application->Terminated());
            EXPECT_TRUE(IsWindowVisible(main));
            EXPECT_TRUE(IsWindowVisible(box));
            EndModal(dialog);
        });
    }
}

// Alt+Tab to another program and back, which the window manager takes (Alt goes down in the
// program and comes up while the manager holds the keyboard), then the options dialog: Esc
// closes it.
TEST_F(DesktopScreen, EscClosesADialogAfterAnAltTab)
{
    xscreen::OtherProgram other(900, 40, 300, 200);
    ASSERT_NO_FATAL_FAILURE(Start(true));
    const auto focused = [] { return QGuiApplication::focusWindow() == NativeOf(Form1->GetHandle()); };
    ASSERT_TRUE(Until(focused));
    // As a user does it: Alt, then Tab, which the window manager takes with the whole keyboard;
    // both come up while it holds the keyboard.
    const auto altTab = [this] {
        xscreen::PressKey(xscreen::kAltKey);
        xscreen::PressKey(xscreen::kTabKey);
        EXPECT_TRUE(manager->CaughtUp());
        xscreen::ReleaseKey(xscreen::kTabKey);
        xscreen::ReleaseKey(xscreen::kAltKey);
    };
    altTab();
    ASSERT_TRUE(Until([&] { return other.Focused(); })) << "Alt+Tab did not reach the other program";
    altTab();
    ASSERT_TRUE(Until(focused)) << "Alt+Tab did not come back";
    WhileModal([] { Form5->ShowModal(); },
               [](TCustomForm* dialog) {
                   xscreen::PressKeys({xscreen::kEscapeKey});
                   EXPECT_TRUE(Until([&] { return dialog->GetModalResult() != mrNone; }, 3000))
                       << "Esc did not reach the dialog";
                   EndModal(dialog);
               });
}

// With a preview window of the conversion on the screen, the about box ends: the main window is
// active, has the keyboard (the X focus) and shows its active caption; bare and under openbox.
class DesktopScreenFocus : public DesktopScreen, public ::testing::WithParamInterface<bool> {};

TEST_P(DesktopScreenFocus, TheMainWindowIsActiveAfterADialogWithAPreviewWindowUp)
{
    ASSERT_NO_FATAL_FAILURE(Start(GetParam()));
    const HWND main = Form1->GetHandle();
    const HWND preview = OpenPreviewWindow();
    ASSERT_TRUE(IsWindowVisible(preview));
    WhileModal([] { Form2->ShowModal(); },
               [](TCustomForm* dialog) {
                   xscreen::PressKeys({xscreen::kEscapeKey});
                   Until([&] { return dialog->GetModalResult() != mrNone; }, 3000);
                   EndModal(dialog);
               });
    const auto focused = [&] {
        QWindow* window = NativeOf(main);
        auto* focus = xcb_get_input_focus_reply(XConnection(), xcb_get_input_focus(XConnection()), nullptr);
        const bool ours = focus && window && focus->focus == static_cast<xcb_window_t>(window->winId());
        std::free(focus);
        return ours;
    };
    EXPECT_TRUE(Until(focused, 3000)) << "the X focus is not on the main window";
    Until([] { return false; }, 300);  // what the window manager and Qt still report
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_TRUE(focused());
    EXPECT_TRUE(Form1->skFormSkin1->GetFormActive());
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopScreenFocus, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& desktop) {
                             return desktop.param ? std::string("Openbox") : std::string("Bare");
                         });

} // namespace
