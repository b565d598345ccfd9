// bench_frame [repeats]
// The skinned form frame: a full repaint (frame and client background) of a form with an
// 839 x 522 client area, one sizing step under the second skin (frame geometry, region and
// paint), and a skin switch of a form holding 200 skinned buttons. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another. Goals: repaint under 1/60 s, switch under 100 ms.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace {

void LoadSkin(TskSkinData* Data, int Index)
{
    Data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(Index)].Data);
}

void Drain()
{
    Application->ProcessMessages();
}

void Report(const char* what, std::vector<double> ms, const char* goal)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    std::printf("%-44s mean %7.2f ms  median %7.2f  best %7.2f  p95 %7.2f  %s\n", what, mean, ms[ms.size() / 2],
                ms.front(), ms[ms.size() * 95 / 100], goal);
}

std::vector<double> Time(int repeats, const std::function<void(int)>& step)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step(i);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The offscreen platform cannot shape windows and says so at every region.
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    TskSkinData skin(nullptr);
    LoadSkin(&skin, 0);

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

    Report("repaint, frame and background (skin0)", Time(repeats, [&](int) {
               RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
               Drain();
           }),
           "goal < 16.7 ms");

    LoadSkin(&skin, 2);
    Drain();
    Report("sizing step, frame and region (skin2)", Time(repeats, [&](int i) {
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
    Report("skin switch, 200 skinned buttons", Time(std::max(5, repeats / 6), [&](int i) {
               LoadSkin(&skin, i % 2 == 0 ? 1 : 2);
               Drain();
           }),
           "goal < 100 ms");
    DoneApplication();
    return 0;
}
