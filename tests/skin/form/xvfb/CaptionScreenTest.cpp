// Narrow skinned forms on a real X server: their short titles are shown whole between the system
// menu button and the caption buttons.

#include "ScreenSupport.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

using namespace screen;

class CaptionScreen : public testing::TestWithParam<int> {
protected:
    void TearDown() override
    {
        DoneApplication();
        skin.reset();
    }

    std::unique_ptr<TskSkinData> skin;
};

TEST_P(CaptionScreen, NarrowFormsShowTheirShortTitlesWhole)
{
    GetDisplayBackend();
    skin = std::make_unique<TskSkinData>(nullptr);
    LoadSkin(skin.get(), GetParam());
    const struct {
        int Left, Top, Width;
        const char* Title;
    } forms[] = {{20, 20, 220, "Preview"}, {250, 20, 300, "Dialogs"}, {560, 20, 200, "Report"}, {20, 200, 200, "预览"}};
    for (const auto& f : forms) {
        TForm* form;
        Application->CreateForm(form);
        form->SetCaption(f.Title);
        form->SetBounds(f.Left, f.Top, f.Width, 150);
        (new TskFormSkin(form))->SetSkinData(skin.get());
        form->Show();
    }
    RunFor(300);
    // Every form reached the X server at its own narrow size.
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_NE(NativeOf(Screen->Forms(i)), nullptr) << Screen->Forms(i)->GetCaption();
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 800, 380).save(QString::fromStdString(
        std::string(ZD_SCREENSHOT_DIR) + "/caption_narrow_skin" + std::to_string(GetParam()) + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Skins, CaptionScreen, testing::Values(1, 2));

} // namespace
