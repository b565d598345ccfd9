// bench_frame_extras [repeats]
// The layered outer border: one resize of the four band windows (pictures rebuilt and handed to
// the window system) for an 839 x 560 form under the third skin. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another. Goal: under 1/60 s.

#include "BenchSupport.h"

#include "classlib/Forms.h"
#include "platform/window/Layered.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinLayerBorder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    SetTranslucencyOverride(1);
    TskSkinData skin(nullptr);
    bench::LoadSkin(&skin, 3);

    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(50, 50, 839, 560);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(&skin);
    form->Show();
    Application->ProcessMessages();
    TskFormLayerBorder* border = frame->BorderLayer();
    if (!border->Visible()) {
        std::puts("the layered border is not shown");
        return 1;
    }
    bench::Report("band SetBounds, 839x560 form", bench::Time(repeats, [border](int i) {
                      border->SetBoundsWithForm3(50, 50, 839 + i % 2, 560);
                  }),
                  "goal < 16.7 ms");
    DoneApplication();
    return 0;
}
