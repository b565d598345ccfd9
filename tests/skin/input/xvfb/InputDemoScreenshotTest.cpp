// The input controls' demo on a real X server: edits in every state, the caret and pre-edit text,
// under two generated skins, checked at named points of the screenshot.

#include "InputDemoLayout.h"

#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/Streams.h"
#include "platform/gdi/Objects.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

using namespace inputdemo;

namespace {

struct Shot {
    QImage image;
    int caretX = 0, caretY = 0, caretH = 0;
};

Shot RunDemo(int skin)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("zd_input_demo_" + std::to_string(skin) + ".png");
    std::filesystem::remove(file);
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_INPUT_DEMO + "' --skin " + std::to_string(skin) +
                                " --screenshot '" + file.string() + "'";
    Shot shot;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return shot;
    int w = 0;
    if (std::fscanf(out, "caret %d %d %d %d", &shot.caretX, &shot.caretY, &w, &shot.caretH) != 4)
        ADD_FAILURE() << "no caret line";
    EXPECT_EQ(pclose(out), 0);
    shot.image = QImage(QString::fromStdString(file.string()));
    return shot;
}

std::unique_ptr<TskSkinData> Skin(int index)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
    return data;
}

QColor Qc(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

class InputDemoScreenshot : public testing::TestWithParam<int> {};

TEST_P(InputDemoScreenshot, EditsInEveryStateCaretAndPreedit)
{
    const int skin = GetParam();
    const Shot shot = RunDemo(skin);
    ASSERT_FALSE(shot.image.isNull());
    auto data = Skin(skin);
    const auto& d = dynamic_cast<const TskDataSkinEditControl&>(*data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("edit"))));
    TBitmap* picture = data->FActivePictures.at(static_cast<std::size_t>(d.PictureIndex)).get();
    auto skinPixel = [&](const RECT& s, int x, int y) { return Qc(picture->GetPixelColor(s.left + x, s.top + y)); };

    // The form's client origin on the screen, found from the plain edit's frame (a shadow line).
    const QImage& img = shot.image;
    const QColor shadow = Qc(GetSysColor(COLOR_BTNSHADOW));
    int cx = -1, cy = -1;
    for (int y = kFormTop; y < kFormTop + 80 && cx < 0; ++y)
        for (int x = kFormLeft; x < kFormLeft + 40 && cx < 0; ++x)
            if (QColor(img.pixel(x, y)) == shadow && QColor(img.pixel(x + 100, y)) == shadow) {
                cx = x - kEditLeft;
                cy = y - kPlainTop;
            }
    ASSERT_GE(cx, 0) << "plain edit frame not found";
    auto at = [&](int x, int y) { return QColor(img.pixel(cx + x, cy + y)); };
    const int mid = 8;
    // Plain: shadow outside, face inside, window colour.
    EXPECT_EQ(at(kEditLeft, kPlainTop + mid), shadow);
    EXPECT_EQ(at(kEditLeft + 1, kPlainTop + mid), Qc(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(at(kEditLeft + 150, kPlainTop + mid), QColor(255, 255, 255));
    // Skinned: the frame's left end from SkinRect; focused: from ActiveSkinRect.
    EXPECT_EQ(at(kEditLeft, kSkinnedTop + mid), skinPixel(d.SkinRect, 0, mid));
    EXPECT_EQ(at(kEditLeft, kFocusedTop + mid), skinPixel(d.ActiveSkinRect, 0, mid));
    EXPECT_EQ(at(kEditLeft + 219, kFocusedTop + mid), skinPixel(d.ActiveSkinRect, d.ActiveSkinRect.right - d.ActiveSkinRect.left - 1, mid));
    // The caret inverts the background after the pre-edit text.
    const QColor behind(img.pixel(shot.caretX + 4, shot.caretY + 2));
    const QColor caret(img.pixel(shot.caretX, shot.caretY + 2));
    EXPECT_EQ(caret, QColor(255 - behind.red(), 255 - behind.green(), 255 - behind.blue()));
    // The pre-edit underline: a solid run in the active text colour on its last row, left of the caret.
    const QColor textColour = Qc(ColorToRGB(d.ActiveFontColor));
    int run = 0;
    for (int x = shot.caretX - 1; x > shot.caretX - 40 && QColor(img.pixel(x, shot.caretY + shot.caretH - 1)) == textColour; --x)
        ++run;
    EXPECT_GE(run, 20);
    // Disabled text: the disabled colour appears, the normal one not.
    int disabled = 0, normal = 0;
    for (int x = 0; x < 80; ++x)
        for (int y = 3; y < 19; ++y) {
            const QColor p = at(kEditLeft + x, kDisabledTop + y);
            disabled += p == Qc(ColorToRGB(d.DisabledFontColor));
            normal += p == Qc(ColorToRGB(d.FontColor)) && d.FontColor != d.DisabledFontColor;
        }
    EXPECT_GT(disabled, 3);
    EXPECT_EQ(normal, 0);
    // The hovered link with its glow: text in the label colour, a halo tinted by the active colour.
    const auto& label = dynamic_cast<const TskDataSkinStdLabelControl&>(*data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("stdlabel"))));
    const QColor glow = Qc(ColorToRGB(label.ActiveFontColor));
    const QColor face = at(kLinkLeft + 215, kLinkTop + 2);
    int text = 0, halo = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 40; ++y) {
            const QColor p = at(kLinkLeft + x, kLinkTop + y);
            text += p == Qc(ColorToRGB(label.FontColor));
            const auto toward = [](int from, int to, int v) { return (to - from) * (v - from) > 0; };
            halo += p != face && p != Qc(ColorToRGB(label.FontColor)) && toward(face.blue(), glow.blue(), p.blue()) &&
                    toward(face.red(), glow.red(), p.red());
        }
    EXPECT_GT(text, 10);
    EXPECT_GT(halo, 50);
    // The scrolled box: its first client row shows the blue part (the red band moved up by the
    // scroll, kScrolled < kBandHeight, so red still shows just above the boundary).
    int firstBlue = -1;
    for (int y = 0; y < kBoxSize && firstBlue < 0; ++y)
        if (at(kBoxLeft + 30, kBoxTop + y) == QColor(0, 0, 255))
            firstBlue = y;
    ASSERT_GE(firstBlue, 0);
    EXPECT_EQ(at(kBoxLeft + 30, kBoxTop + firstBlue - 1), QColor(255, 0, 0));
    int firstRed = -1;
    for (int y = 0; y < kBoxSize && firstRed < 0; ++y)
        if (at(kBoxLeft + 30, kBoxTop + y) == QColor(255, 0, 0))
            firstRed = y;
    EXPECT_EQ(firstBlue - firstRed, kBandHeight - kScrolled) << "the band shows its lower part only";
}

INSTANTIATE_TEST_SUITE_P(Skins, InputDemoScreenshot, testing::Values(0, 3));

} // namespace
