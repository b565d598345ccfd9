// bench_skin_chooser [repeats]
// One step of the skin chooser over the eight generated skins: moving the selection loads the
// next skin into the preview and the preview is painted again (goal: under 100 ms). Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM names another.

#include "BenchSupport.h"

#include "app/main/MainArtwork.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/form/FormSkin.h"
#include "skin/input/skDialogs.h"
#include "skin/input/skSkinListBox.h"

#include <cstdlib>
#include <string>

namespace {

void Drain()
{
    while (PumpOneMessage()) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TForm* main;
    Application->CreateForm(main);
    main->SetBounds(0, 0, 600, 400);
    auto* skin = new TskSkinData(main);
    bench::LoadSkin(skin, 0);
    auto* skins = new TskCompressedSkinList(main);
    FillSwitchableSkins(skins);
    main->Show();
    TskSelectSkinDlgForm* form = TskSelectSkinDlgForm::CreateEx2(Application, skins, 0, skin);
    form->BSF->SetSkinData(skin);
    form->SkinsListBox->SetSkinData(skin);
    form->Show();
    Drain();
    bench::Report("chooser step: preview skin load and paint", bench::Time(repeats, [&](int i) {
                      form->SkinsListBox->SetItemIndex((i + 1) % 8);
                      form->SLBOnChange(form->SkinsListBox);
                      Drain();
                  }),
                  "(goal < 100 ms)");
    DoneApplication();
    return 0;
}
