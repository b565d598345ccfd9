// bench_frame_extras [repeats]
// The layered outer border: one resize of the four band windows (pictures rebuilt and handed to
// the window system) for an 839 x 560 form under the third skin; goal under 1/60 s. The MDI tabs
// bar: one repaint of a bar with 30 tabs under the second skin and without skin. Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM names another.

#include "BenchSupport.h"

#include "classlib/Forms.h"
#include "platform/window/Layered.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skSkinMDITabsBar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A form made in an MDI style before its window exists.
template <TFormStyle Style>
class TStyledForm : public TForm {
public:
    explicit TStyledForm(TComponent* AOwner) : TForm(AOwner) { SetFormStyle(Style); }
};

// An 839 x 560 MDI main form (the application's main form, as MDI wants) with a tabs bar over
// 30 children; one repaint of the bar under the skin and without one.
void BenchTabsBar(int repeats, TskSkinData* skin)
{
    TStyledForm<TFormStyle::fsMDIForm>* main;
    Application->CreateForm(main);
    main->SetBounds(50, 50, 839, 560);
    auto* frame = new TskFormSkin(main);
    frame->SetSkinData(skin);
    auto* bar = new TskSkinMDITabsBar(main);
    bar->SetParent(main);
    bar->SetAlign(TAlign::alTop);
    bar->SetSkinData(skin);
    bar->SetFormSkin(frame);
    bar->SetShowCloseButtons(true);
    main->Show();
    for (int i = 0; i < 30; ++i) {
        TStyledForm<TFormStyle::fsMDIChild>* child;
        Application->CreateForm(child);
        child->SetName("Doc" + std::to_string(i));
        child->SetCaption("文档 " + std::to_string(i + 1) + ".avi");
        (new TskFormSkin(child))->SetSkinData(skin);
        child->Show();
    }
    Application->ProcessMessages();
    if (bar->TabCount() != 30) {
        std::printf("the tabs bar has %d tabs\n", bar->TabCount());
        std::exit(1);
    }
    bench::Report("MDI tabs bar repaint, 30 tabs, skin 2", bench::Time(repeats, [bar](int) { bar->Repaint(); }), "");
    bar->SetSkinData(nullptr);
    Application->ProcessMessages();
    bench::Report("MDI tabs bar repaint, 30 tabs, no skin", bench::Time(repeats, [bar](int) { bar->Repaint(); }), "");
    main->Hide();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    TskSkinData tabsSkin(nullptr);
    bench::LoadSkin(&tabsSkin, 2);
    BenchTabsBar(repeats, &tabsSkin);

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
