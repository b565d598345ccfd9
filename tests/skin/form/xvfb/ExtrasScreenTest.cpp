// The layered outer border and minimising to the tray on a real X server (which has no tray).

#include "ScreenSupport.h"

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "platform/display/DisplayBackend.h"
#include "platform/system/Tray.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skTrayIcon.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinMenus.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace screen;

// The native window showing a top-level window.
QWindow* NativeOfWindow(HWND Handle)
{
    RECT r{};
    GetWindowRect(Handle, &r);
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (w->isVisible() && w->geometry() == QRect(r.left, r.top, r.right - r.left, r.bottom - r.top))
            return w;
    return nullptr;
}

// How the X server holds a window against its owner's.
struct XStacking {
    bool overrideRedirect = true;
    bool transientForOwner = false;
    bool aboveOwner = false;
};

XStacking StackingOf(QWindow* Window, QWindow* Owner)
{
    XStacking result;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!Window || !Owner || !x11)
        return result;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(Window->winId());
    const auto owner = static_cast<xcb_window_t>(Owner->winId());
    if (auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr)) {
        result.overrideRedirect = a->override_redirect != 0;
        std::free(a);
    }
    if (auto* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1), nullptr)) {
        result.transientForOwner = xcb_get_property_value_length(p) == 4 &&
                                   *static_cast<xcb_window_t*>(xcb_get_property_value(p)) == owner;
        std::free(p);
    }
    // Without a window manager the top-level windows are the root's children, bottom first.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (auto* t = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr)) {
        const xcb_window_t* children = xcb_query_tree_children(t);
        const int n = xcb_query_tree_children_length(t);
        const auto find = [&](xcb_window_t w) { return std::find(children, children + n, w) - children; };
        result.aboveOwner = find(id) < n && find(owner) < find(id);
        std::free(t);
    }
    return result;
}

class ExtrasScreen : public testing::Test {
protected:
    void TearDown() override
    {
        DoneApplication();
        skin.reset();
        SetTranslucencyOverride(-1);
    }

    TForm* ShowForm(int Skin)
    {
        GetDisplayBackend();
        skin = std::make_unique<TskSkinData>(nullptr);
        LoadSkin(skin.get(), Skin);
        TForm* form;
        Application->CreateForm(form);
        form->SetCaption("皮肤窗口");
        form->SetBounds(100, 100, 400, 300);
        (new TskFormSkin(form))->SetSkinData(skin.get());
        form->Show();
        Settle();
        return form;
    }

    void Settle()
    {
        for (int i = 0; i < 20; ++i) {
            Application->ProcessMessages();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    int VisibleNativeWindows()
    {
        int n = 0;
        for (QWindow* w : QGuiApplication::topLevelWindows())
            n += w->isVisible() ? 1 : 0;
        return n;
    }

    void Screenshot(const std::string& Name)
    {
        QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 640, 480).save(
            QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name));
    }

    // Two quick buttons (a red and a blue square) in the form's caption.
    void AddQuickButtons(TForm* Form)
    {
        TskFormSkin* frame = GetFormSkinComponent(Form);
        auto* images = new TCustomImageList(Form);
        TBitmap strip;
        strip.SetSize(32, 16);
        strip.Canvas()->Brush()->SetColor(clWhite);
        strip.Canvas()->FillRect(RECT{0, 0, 32, 16});
        strip.Canvas()->Brush()->SetColor(clRed);
        strip.Canvas()->FillRect(RECT{2, 2, 14, 14});
        strip.Canvas()->Brush()->SetColor(clBlue);
        strip.Canvas()->FillRect(RECT{18, 2, 30, 14});
        images->AddMasked(&strip, clWhite);
        frame->SetQuickImageList(images);
        for (int i = 0; i < 2; ++i)
            frame->QuickButtons()->Add()->SetImageIndex(i);
        Settle();
        const RECT first = frame->QuickButtons()->Items(0)->ItemRect;
        EXPECT_TRUE(ScreenShows(Form->GetLeft() + (first.left + first.right) / 2,
                                Form->GetTop() + (first.top + first.bottom) / 2, QColor(Qt::red)));
    }

    // A right click on the caption, right of the quick buttons, through the X server.
    void OpenSystemMenuFromCaption(TForm* Form)
    {
        TskFormSkin* frame = GetFormSkinComponent(Form);
        QWindow* native = NativeOfWindow(Form->GetHandle());
        ASSERT_NE(native, nullptr);
        const RECT second = frame->QuickButtons()->Items(1)->ItemRect;
        const QPoint at(second.right + 60, (second.top + second.bottom) / 2);
        ASSERT_EQ(SendMessage(Form->GetHandle(), WM_NCHITTEST, 0,
                              MAKELPARAM(Form->GetLeft() + at.x(), Form->GetTop() + at.y())),
                  HTCAPTION);
        QTest::mouseClick(native, Qt::RightButton, {}, at);
        Settle();
        ASSERT_NE(frame->SkinMenu(), nullptr);
        EXPECT_TRUE(frame->SkinMenu()->Visible());
        Settle();
    }

    std::unique_ptr<TskSkinData> skin;
};

TEST_F(ExtrasScreen, BandWindowsSurroundAFormUnderTheLayeredSkinOnly)
{
    InstallSkinMenus();
    SetTranslucencyOverride(1);
    TForm* form = ShowForm(3);
    TskFormLayerBorder* border = GetFormSkinComponent(form)->BorderLayer();
    ASSERT_TRUE(border->Visible());
    EXPECT_EQ(VisibleNativeWindows(), 5) << "the form and its four bands";
    // A size step rebuilds the bands for the now active form: its glow shows around it.
    form->SetBounds(100, 100, 420, 300);
    Settle();
    EXPECT_NE(ScreenPixel(300, 99), QColor(Qt::black));
    EXPECT_NE(ScreenPixel(99, 200), QColor(Qt::black));
    // The desktop stacks every band with the form: not an unmanaged pop-up over every program,
    // but a window kept above the form.
    for (auto band : {TskFormLayerBorderType::skflLeft, TskFormLayerBorderType::skflTop,
                      TskFormLayerBorderType::skflRight, TskFormLayerBorderType::skflBottom}) {
        const XStacking s = StackingOf(NativeOfWindow(border->Band(band)->GetHandle()), NativeOfWindow(form->GetHandle()));
        EXPECT_FALSE(s.overrideRedirect) << static_cast<int>(band);
        EXPECT_TRUE(s.transientForOwner) << static_cast<int>(band);
        EXPECT_TRUE(s.aboveOwner) << static_cast<int>(band);
    }
    AddQuickButtons(form);
    OpenSystemMenuFromCaption(form);
    Screenshot("extras_skin3.png");
    DoneApplication();
    SetFrameMenuFactory(nullptr);

    InstallSkinMenus();
    TForm* plain = ShowForm(1);
    EXPECT_FALSE(GetFormSkinComponent(plain)->BorderLayer()->Visible());
    EXPECT_EQ(VisibleNativeWindows(), 1);
    AddQuickButtons(plain);
    OpenSystemMenuFromCaption(plain);
    Screenshot("extras_skin1.png");
    SetFrameMenuFactory(nullptr);
}

TEST_F(ExtrasScreen, WithoutATrayMinimisingToItLeavesTheFormRestorable)
{
    ASSERT_FALSE(TrayAvailable());
    TForm* form = ShowForm(1);
    TskFormSkin* frame = GetFormSkinComponent(form);
    auto* tray = new TskTrayIcon(form);
    frame->SetTrayIcon(tray);
    frame->MinimizeToTray();
    Settle();
    // Nothing iconifies windows on this bare X server: the form stays as it was, working.
    EXPECT_FALSE(IsIconic(form->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    EXPECT_TRUE(form->GetVisible());
    frame->RestoreFromTray();
    Settle();
    EXPECT_FALSE(IsIconic(form->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    EXPECT_EQ(form->GetLeft(), 100);
    EXPECT_EQ(form->GetTop(), 100);
    Screenshot("extras_tray_restored.png");
}

TEST_F(ExtrasScreen, QuickButtonsSitOnTheCaptionAndAnInactiveFormIsFaded)
{
    TForm* form = ShowForm(1);
    TskFormSkin* frame = GetFormSkinComponent(form);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetColor(clRed);
    panel->SetBounds(20, 20, 120, 80);
    AddQuickButtons(form);
    Screenshot("extras_quick_buttons.png");

    frame->ClientInActiveEffect = true;
    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    Settle();
    const POINT origin = form->GetClientOrigin();
    const QColor faded = ScreenPixel(origin.x + 60, origin.y + 50);
    EXPECT_NE(faded, QColor(Qt::red));
    EXPECT_GT(faded.green(), 0);
    Screenshot("extras_inactive_faded.png");
}

} // namespace
