// bench_frame [repeats]
// The skinned form frame: a full repaint (frame and client background) of a form with an
// 839 x 522 client area, one sizing step under the second skin (frame geometry, region and
// paint), and a skin switch of a form holding 200 skinned buttons. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another. Goals: repaint under 1/60 s, switch under 100 ms.

#include "BenchSupport.h"

#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Drain()
{
    Application->ProcessMessages();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The offscreen platform cannot shape windows and says so at every region.
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    TskSkinData skin(nullptr);
    bench::LoadSkin(&skin, 0);

    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("转换器");
    form->SetBounds(50, 50, 900, 600);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(&skin);
    form->SetClientWidth(839);
    form->SetClientHeight(522);
    form->Show();
    Drain();
    const HWND hwnd = form->GetHandle();
    std::printf("form %dx%d, client %dx%d\n", form->GetWidth(), form->GetHeight(), form->GetClientWidth(),
                form->GetClientHeight());

    bench::Report("repaint, frame and background (skin0)", bench::Time(repeats, [&](int) {
               RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
               Drain();
           }),
           "goal < 16.7 ms");

    bench::LoadSkin(&skin, 2);
    Drain();
    bench::Report("sizing step, frame and region (skin2)", bench::Time(repeats, [&](int i) {
               form->SetWidth(form->GetWidth() + (i % 2 == 0 ? 1 : -1));
               Drain();
           }),
           "");

    for (int i = 0; i < 200; ++i) {
        auto* button = new TskSkinButton(form);
        button->SetParent(form);
        button->SetBounds(4 + (i % 10) * 83, 4 + (i / 10) * 26, 80, 24);
        button->SetCaption("按钮");
        button->SetSkinData(&skin);
    }
    Drain();
    bench::Report("skin switch, 200 skinned buttons", bench::Time(std::max(5, repeats / 6), [&](int i) {
               bench::LoadSkin(&skin, i % 2 == 0 ? 1 : 2);
               Drain();
           }),
           "goal < 100 ms");
    DoneApplication();
    return 0;
}
