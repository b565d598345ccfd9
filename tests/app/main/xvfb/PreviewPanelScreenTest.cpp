// The preview panel and the live preview window of the real main window, as the X server shows
// them: every pixel of the panel is the picture or the panel's black after menus, dialogs, a move,
// a file change and a stop; its colours are those of the ffmpeg command's RGB frame; a file opens
// on its first picture; a preview window lies inside the work area. Screenshots stay for review.

#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "classlib/ExtCtrls.h"
#include "engine/FFPlay.h"
#include "engine/FFPlayDisplay.h"
#include "engine/preview/Previewer.h"
#include "platform/kernel/MainThread.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinMenus.h"

#include "ScreenSupport.h"
#include "TestPaths.h"
#include "tests/platform/xvfb/WindowManager.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using screentest::ScreenOf;
using screentest::Until;
using screentest::x11Chosen;

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Runs the ffmpeg command; false when it fails.
bool FFmpeg(const std::string& arguments)
{
    return std::system(("ffmpeg -nostdin -hide_banner -loglevel error -y " + arguments).c_str()) == 0;
}

// The ffmpeg command's RGB picture of the file's first frame.
QImage FirstFrameRGB(const std::string& file, const std::string& raw, int width, int height)
{
    if (!FFmpeg("-i '" + file + "' -frames:v 1 -f rawvideo -pix_fmt rgb24 '" + raw + "'"))
        return {};
    std::ifstream in(raw, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() != static_cast<std::size_t>(width) * height * 3)
        return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.data()), width, height, width * 3, QImage::Format_RGB888)
        .copy();
}

// Four blocks side by side: white, black, yellow, blue.
const char* const kBlocks = "color=white:s=80x180:r=25:d=1[a];color=black:s=80x180:r=25:d=1[b];"
                            "color=yellow:s=80x180:r=25:d=1[c];color=0x2050d0:s=80x180:r=25:d=1[d];"
                            "[a][b][c][d]hstack=4";

class PreviewPanelScreen : public ::testing::TestWithParam<int> {
protected:
    PreviewPanelScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    void SetUp() override
    {
        ASSERT_TRUE(x11Chosen);
        ASSERT_TRUE(FFmpeg("-f lavfi -i color=c=0xC04020:s=352x288:r=25:d=1 -pix_fmt yuv420p -c:v ffv1 '" +
                           dir.file("four3.mkv") + "'"));
        ASSERT_TRUE(FFmpeg("-f lavfi -i \"" + std::string(kBlocks) + "\" -pix_fmt yuv420p -c:v ffv1 '" +
                           dir.file("limited.mkv") + "'"));
        ASSERT_TRUE(FFmpeg("-f lavfi -i \"" + std::string(kBlocks) +
                           "\" -vf scale=out_range=full,format=yuv420p -color_range pc -c:v ffv1 '" +
                           dir.file("full.mkv") + "'"));
        for (const char* range : {"tv", "pc"}) {
            ASSERT_TRUE(FFmpeg("-f lavfi -i \"" + std::string(kBlocks) + "\" -vf scale=out_color_matrix=bt709:out_range=" +
                               range + ",format=yuv420p -colorspace bt709 -color_range " + range +
                               " -c:v libx264 -qp 0 '" + dir.file(std::string("bt709_") + range + ".mp4") + "'"));
        }
        // A phone's portrait clip: stored on its side, its display matrix turns it upright.
        ASSERT_TRUE(FFmpeg("-i '" + dir.file("bt709_tv.mp4") + "' -c copy -metadata:s:v:0 rotate=90 '" +
                           dir.file("phone.mp4") + "'"));
        ASSERT_TRUE(FFmpeg("-f lavfi -i \"color=c=black:s=320x240:r=25:d=1,format=yuv420p,"
                           "geq=lum='40+30*N':cb=128:cr=128\" -pix_fmt yuv420p -c:v ffv1 '" +
                           dir.file("frames.mkv") + "'"));
        InitialiseProgram();
        CreateProgramForms();
        Form1->ApplySkinIndex(GetParam());
        Form1->Show();
        // The window is on the screen once its job list's cover is drawn there.
        ASSERT_TRUE(Until([] {
            const POINT cover = Form1->ClientToScreen(POINT{560, 230});
            return ScreenOf(RECT{cover.x, cover.y, cover.x + 1, cover.y + 1}).pixel(0, 0) != qRgb(0, 0, 0);
        }));
    }
    void TearDown() override
    {
        if (Form1)
            Form1->FFPlayer->Stop(true);
        DoneApplication();
        SetFrameMenuFactory(nullptr);
    }

    RECT PanelOnScreen() const
    {
        RECT client{};
        GetClientRect(Form1->Panel6->GetHandle(), &client);
        const POINT origin = Form1->Panel6->ClientToScreen(POINT{0, 0});
        return RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    }
    // Where a picture of that size and square pixels goes in the panel.
    TDisplayRect PictureIn(int width, int height) const
    {
        const RECT panel = PanelOnScreen();
        return CalculateDisplayRect(panel.right - panel.left, panel.bottom - panel.top,
                                    static_cast<double>(width) / height);
    }
    void Open(const std::string& name)
    {
        Form1->T_Movie_PLayer_FileName = dir.file(name);
        Form1->Button31->Click();
    }
    // Every pixel of the panel is black or, inside the picture's rectangle (a pixel of blending
    // allowed at its edges), what `inside` accepts.
    bool PanelIs(const TDisplayRect& picture, const std::function<bool(int, int, QRgb)>& inside)
    {
        const QImage image = ScreenOf(PanelOnScreen());
        if (image.isNull())
            return false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool in = x >= picture.X && x < picture.X + picture.W && y >= picture.Y &&
                                y < picture.Y + picture.H;
                const bool edge = x >= picture.X - 1 && x <= picture.X + picture.W && y >= picture.Y - 1 &&
                                  y <= picture.Y + picture.H;
                if (in ? !inside(x - picture.X, y - picture.Y, image.pixel(x, y))
                       : !edge && !Near(image.pixel(x, y), qRgb(0, 0, 0), 4))
                    return false;
            }
        }
        return true;
    }
    bool PanelShowsSolid(const TDisplayRect& picture, QRgb colour)
    {
        return PanelIs(picture, [&](int x, int y, QRgb pixel) {
            const bool edge = x == 0 || y == 0 || x == picture.W - 1 || y == picture.H - 1;
            return edge || Near(pixel, colour, 12);
        });
    }
    void Save(const RECT& r, const std::string& name)
    {
        const QImage image = ScreenOf(r);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + name + "_skin" +
                                                      std::to_string(GetParam()) + ".png"),
                               "PNG"));
    }
    void CheckModalDialogAboveNewPreviewWindows(const std::string& Shot);
    void SaveWindow(const std::string& name)
    {
        RECT r{};
        GetWindowRect(Form1->GetHandle(), &r);
        Save(r, name);
    }

    zdtest::TempDir dir;
};

// A 4:3 file, then a 16:9 one, then a menu, a dialog and a move over the panel, then a stop: the
// panel is the picture and its black, nothing of what was there before.
TEST_P(PreviewPanelScreen, ThePanelShowsThePictureAndItsBlackOnly)
{
    const QRgb orange = qRgb(0xC0, 0x40, 0x20);
    Open("four3.mkv");
    const TDisplayRect four3 = PictureIn(352, 288);
    EXPECT_TRUE(Until([&] { return PanelShowsSolid(four3, orange); })) << "4:3 picture";

    Open("limited.mkv");
    const QImage reference = FirstFrameRGB(dir.file("limited.mkv"), dir.file("reference.rgb"), 320, 180);
    ASSERT_FALSE(reference.isNull());
    const TDisplayRect wide = PictureIn(320, 180);
    // Each pixel of the picture is its block's colour (pixels at the blocks' borders may blend).
    const auto blocks = [&] {
        return PanelIs(wide, [&](int x, int y, QRgb pixel) {
            const int sourceX = x * 320 / wide.W;
            const int offset = sourceX % 80;
            const bool border = offset < 3 || offset > 76 || y == 0 || y == wide.H - 1;
            return border || Near(pixel, reference.pixel(sourceX / 80 * 80 + 40, 90), 12);
        });
    };
    EXPECT_TRUE(Until(blocks)) << "the 4:3 picture is left beside the 16:9 one";
    SaveWindow("panel_file_change");

    const RECT panel = PanelOnScreen();
    Form1->skSkinPopupMenu2->Popup((panel.left + panel.right) / 2 - 30, panel.top + 10);
    const auto covered = [&] { return !blocks(); };
    EXPECT_TRUE(Until(covered)) << "the menu is not over the panel";
    SaveWindow("panel_menu_open");
    GetFormSkinComponent(Form1)->SkinMenu()->Hide();
    EXPECT_TRUE(Until(blocks)) << "the menu is left in the panel";
    SaveWindow("panel_after_menu");

    Form2->Show();
    SetWindowPos(Form2->GetHandle(), nullptr, panel.left - 20, panel.top + 20, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Until(covered)) << "the dialog is not over the panel";
    SaveWindow("panel_dialog_open");
    Form2->Hide();
    EXPECT_TRUE(Until(blocks)) << "the dialog is left in the panel";
    SaveWindow("panel_after_dialog");

    RECT window{};
    GetWindowRect(Form1->GetHandle(), &window);
    SetWindowPos(Form1->GetHandle(), nullptr, window.left + 60, window.top + 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Until([&] { return PanelOnScreen().left == panel.left + 60 && blocks(); }))
        << "the panel is not whole after a move";
    SaveWindow("panel_after_move");

    // The conversion's stop stops the player: the last picture leaves the panel.
    Form1->FFPlayer->Stop(true);
    EXPECT_TRUE(Until([&] { return PanelIs(TDisplayRect{}, [](int, int, QRgb) { return false; }); }))
        << "the last picture stays after the stop";
    SaveWindow("panel_after_stop");
}

// The panel's colours are the ffmpeg command's RGB conversion of the same frame, within 4 per
// channel, for BT.601 and BT.709 sources of video's limited range and of full range, and for a
// portrait phone clip (stored on its side) shown upright.
TEST_P(PreviewPanelScreen, ThePanelsColoursAreThoseOfTheRGBFrame)
{
    for (const std::string name : {"limited.mkv", "full.mkv", "bt709_tv.mp4", "bt709_pc.mp4", "phone.mp4"}) {
        SCOPED_TRACE(name);
        const bool portrait = name == "phone.mp4";
        const int width = portrait ? 180 : 320, height = portrait ? 320 : 180;
        const QImage reference = FirstFrameRGB(dir.file(name), dir.file("reference.rgb"), width, height);
        ASSERT_FALSE(reference.isNull());
        Open(name);
        const TDisplayRect area = PictureIn(width, height);
        std::vector<std::pair<QRgb, QRgb>> samples;  // shown, expected
        const auto matches = [&] {
            const QImage image = ScreenOf(PanelOnScreen());
            samples.clear();
            bool all = true;
            for (int block = 0; block < 4; ++block) {
                // The blocks side by side; stacked from the top in the upright portrait clip.
                const int x = portrait ? 90 : 40 + 80 * block, y = portrait ? 40 + 80 * block : 90;
                const QRgb expected = reference.pixel(x, y);
                const QRgb shown = image.pixel(area.X + x * area.W / width, area.Y + y * area.H / height);
                samples.emplace_back(shown, expected);
                all = all && Near(shown, expected, 4);
            }
            return all;
        };
        EXPECT_TRUE(Until(matches)) << [&] {
            std::string text;
            for (const auto& [shown, expected] : samples)
                text += "shown " + std::to_string(qRed(shown)) + "," + std::to_string(qGreen(shown)) + "," +
                        std::to_string(qBlue(shown)) + " expected " + std::to_string(qRed(expected)) + "," +
                        std::to_string(qGreen(expected)) + "," + std::to_string(qBlue(expected)) + "; ";
            return text;
        }();
        Save(PanelOnScreen(), "panel_colours_" + name.substr(0, name.find('.')));
    }
}

// Opened paused, a file stands on its first frame: the panel and a snapshot show it.
TEST_P(PreviewPanelScreen, AFileOpensOnItsFirstFrame)
{
    const QImage reference = FirstFrameRGB(dir.file("frames.mkv"), dir.file("first.rgb"), 320, 240);
    ASSERT_FALSE(reference.isNull());
    const QRgb first = reference.pixel(160, 120);
    Open("frames.mkv");
    const TDisplayRect picture = PictureIn(320, 240);
    ASSERT_TRUE(Until([&] { return PanelShowsSolid(picture, first); })) << "frame 0 is not shown";
    ASSERT_TRUE(Until([&] { return Form1->FFPlayer->GetPaused() && Form1->FFPlayer->CurrentFrame().Width > 0; }));
    // The pictures queued behind it do not replace it.
    EXPECT_FALSE(Until([&] { return !PanelShowsSolid(picture, first); }, 500));
    const TFFPicture& snapshot = Form1->FFPlayer->CurrentFrame();
    ASSERT_EQ(snapshot.Width, 320);
    ASSERT_EQ(snapshot.Height, 240);
    const std::size_t middle = (120u * 320u + 160u) * 4u;
    EXPECT_TRUE(Near(qRgb(snapshot.Pixels[middle + 2], snapshot.Pixels[middle + 1], snapshot.Pixels[middle]), first, 4));
    Save(PanelOnScreen(), "panel_first_frame");
}

// A conversion's preview window of a large output lies inside the work area, scaled down with its
// shape kept, its caption on the screen.
TEST_P(PreviewPanelScreen, ThePreviewWindowLiesInsideTheWorkArea)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{720, 1280}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        TFFPicture picture;
        picture.Width = width;
        picture.Height = height;
        for (int i = 0; i < width * height; ++i)
            picture.Pixels.insert(picture.Pixels.end(), {0x30, 0xB0, 0x50, 0xFF});
        TPreviewWindow previewer;
        bool shown = false;
        Event done{true, false};
        std::thread worker([&] {
            shown = previewer.PaintFrame(picture, 1, 0, AVRational{1, 1});
            done.Set();
        });
        EXPECT_TRUE(MainThread::WaitServing(done, 10000));
        worker.join();
        ASSERT_TRUE(shown);
        RECT r{};
        GetWindowRect(previewer.FormHandle(), &r);
        EXPECT_GE(r.left, work.left());
        EXPECT_GE(r.top, work.top());
        EXPECT_LE(r.right, work.right() + 1);
        EXPECT_LE(r.bottom, work.bottom() + 1);
        RECT client{};
        GetClientRect(previewer.FormHandle(), &client);
        EXPECT_LE(client.right * 2, work.width());
        EXPECT_LE(client.bottom * 2, work.height());
        EXPECT_NEAR(static_cast<double>(client.right) / client.bottom, static_cast<double>(width) / height, 0.02);
        const POINT centre = [&] {
            POINT p{client.right / 2, client.bottom / 2};
            ClientToScreen(previewer.FormHandle(), &p);
            return p;
        }();
        EXPECT_TRUE(Until([&] {
            return Near(ScreenOf(RECT{centre.x, centre.y, centre.x + 1, centre.y + 1}).pixel(0, 0), qRgb(0x50, 0xB0, 0x30),
                        4);
        })) << "the picture is not on the screen";
        Save(RECT{0, 0, QGuiApplication::primaryScreen()->geometry().width(),
                  QGuiApplication::primaryScreen()->geometry().height()},
             "preview_window_" + std::to_string(width) + "x" + std::to_string(height));
    }
}

// The about box open as a modal dialog (the windows under it disabled) and not active (the user
// went to another program): the preview windows of the tasks that start meanwhile come up under
// it, so every pixel of the dialog stays on the screen; each preview window has its close box.
// On a bare X server and under a window manager (which maps and raises windows by itself).
void PreviewPanelScreen::CheckModalDialogAboveNewPreviewWindows(const std::string& Shot)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EnableWindow(Form1->GetHandle(), FALSE);
    Form2->Show();
    RECT dialog{};
    GetWindowRect(Form2->GetHandle(), &dialog);
    const int dw = dialog.right - dialog.left, dh = dialog.bottom - dialog.top;
    SetWindowPos(Form2->GetHandle(), nullptr, (screen.width() - dw) / 2, (screen.height() - dh) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(Form2->GetHandle(), &dialog);
    // The dialog inside its rounded corners (where a skin shapes it, what lies under shows) and
    // below its caption (whose look follows the activation, which a window manager moves).
    RECT inside = dialog;
    InflateRect(&inside, -10, -10);
    inside.top += 30;
    // No pixel of the dialog is the preview's picture (the dialog has no such green).
    const QRgb green = qRgb(0x50, 0xB0, 0x30);
    const auto dialogWhole = [&] {
        const QImage image = ScreenOf(inside);
        if (image.isNull())
            return false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Near(image.pixel(x, y), green, 8))
                    return false;
        return true;
    };
    // The dialog once the screen shows it (a window manager maps it when it gets to it).
    const auto exposed = [](HWND window) {
        const QString title = QString::fromStdString(GetWindowText(window));
        for (QWindow* w : QGuiApplication::topLevelWindows())
            if (w->title() == title && w->isExposed())
                return true;
        return false;
    };
    SetActiveWindow(nullptr);
    ASSERT_TRUE(Until([&] { return exposed(Form2->GetHandle()); }));
    TFFPicture picture;
    picture.Width = 1280;
    picture.Height = 720;
    for (int i = 0; i < picture.Width * picture.Height; ++i)
        picture.Pixels.insert(picture.Pixels.end(), {0x30, 0xB0, 0x50, 0xFF});
    std::vector<std::unique_ptr<TPreviewWindow>> previews;
    for (int task = 0; task < 2; ++task) {
        SCOPED_TRACE("task " + std::to_string(task));
        previews.push_back(std::make_unique<TPreviewWindow>());
        TPreviewWindow& previewer = *previews.back();
        Event done{true, false};
        std::thread worker([&] {
            previewer.PaintFrame(picture, 1, 0, AVRational{1, 1});
            done.Set();
        });
        EXPECT_TRUE(MainThread::WaitServing(done, 10000));
        worker.join();
        RECT preview{};
        GetWindowRect(previewer.FormHandle(), &preview);
        RECT overlap{};
        ASSERT_TRUE(IntersectRect(&overlap, &preview, &dialog)) << "the preview window does not reach the dialog";
        const POINT inPreview{preview.left + 10, preview.bottom - 10};
        ASSERT_TRUE(Until([&] {
            return exposed(previewer.FormHandle()) &&
                   Near(ScreenOf(RECT{inPreview.x, inPreview.y, inPreview.x + 1, inPreview.y + 1}).pixel(0, 0), green, 4);
        })) << "the preview window is not on the screen";
        EXPECT_TRUE(Until(dialogWhole)) << "the preview window covers the dialog";
        EXPECT_EQ(HTCLOSE, SendMessage(previewer.FormHandle(), WM_NCHITTEST, 0,
                                       MAKELPARAM(preview.right - 10, preview.top + 10)));
    }
    Save(RECT{0, 0, screen.width(), screen.height()}, Shot);
    previews.clear();
    Form2->Hide();
    EnableWindow(Form1->GetHandle(), TRUE);
}

TEST_P(PreviewPanelScreen, AModalDialogStaysAboveNewPreviewWindows)
{
    CheckModalDialogAboveNewPreviewWindows("dialog_above_preview");
}

TEST_P(PreviewPanelScreen, AModalDialogStaysAboveNewPreviewWindowsUnderAWindowManager)
{
    xscreen::WindowManager manager;
    ASSERT_TRUE(manager.Running()) << "twm did not start";
    CheckModalDialogAboveNewPreviewWindows("dialog_above_preview_twm");
}

INSTANTIATE_TEST_SUITE_P(Skins, PreviewPanelScreen, ::testing::Values(0, 2));

} // namespace
