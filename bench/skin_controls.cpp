// bench_skin_controls [repeats]
// A form of 200 skinned controls (push and speed buttons, check and radio boxes, panels, labels):
// the time of a full repaint flushed to its Qt window, and of a skin switch through the
// skin-change walks (the skin loaded from its stored form, the walks, the repaint). Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM names another.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/form/skSkinCtrls.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace {

void LoadSkin(TskSkinData* data, int index)
{
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
}

void Drain()
{
    while (PumpOneMessage()) {
    }
}

template <class T>
T* Place(TWinControl* parent, TskSkinData* data, int x, int y, int w, int h, const std::string& caption)
{
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    c->SetCaption(caption);
    c->SetSkinData(data);
    return c;
}

// 20 rows of 10: buttons, speed buttons, check and radio boxes, panels and labels.
void Build(TForm* form, TskSkinData* data)
{
    for (int i = 0; i < 200; ++i) {
        const int x = 8 + (i % 10) * 88, y = 8 + (i / 10) * 30;
        const std::string caption = "Item " + std::to_string(i);
        switch ((i / 10) % 5) {
        case 0:
        case 1: Place<TskSkinButton>(form, data, x, y, 80, 25, caption); break;
        case 2: Place<TskSkinSpeedButton>(form, data, x, y, 25, 25, caption); break;
        case 3: Place<TskSkinCheckRadioBox>(form, data, x, y, 84, 20, caption)->SetRadio(i % 2 == 0); break;
        default:
            if (i % 2 == 0)
                Place<TskSkinPanel>(form, data, x, y, 84, 26, caption);
            else
                Place<TskSkinStdLabel>(form, data, x, y, 84, 18, caption);
            break;
        }
    }
}

struct Figures {
    double mean, median, p95, best;
};

template <class Step>
Figures Measure(int repeats, Step step)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step(i);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return Figures{std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size(), ms[ms.size() / 2],
                   ms[std::min(ms.size() - 1, ms.size() * 95 / 100)], ms.front()};
}

void Report(const char* what, const Figures& f, double limit)
{
    std::printf("%-46s mean %7.2f ms  median %7.2f ms  p95 %7.2f ms  best %7.2f ms  (%s %.2f ms)\n", what, f.mean,
                f.median, f.p95, f.best, f.median < limit ? "within" : "OVER", limit);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 900, 640);
    auto* data = new TskSkinData(form);
    LoadSkin(data, 0);
    Build(form, data);
    form->Show();
    for (int i = 0; i < 50; ++i) {
        Drain();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    HWND top = form->GetHandle();
    std::printf("A form of 200 skinned controls, %d repeats, platform %s\n", repeats,
                qPrintable(QGuiApplication::platformName()));
    Report("full repaint and flush:", Measure(repeats, [top](int) {
               RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
               Drain();
           }),
           1000.0 / 60);
    Report("skin switch through the walks, with repaint:", Measure(std::max(1, repeats / 5), [&](int i) {
               NotifyBeforeSkinChange(data, form);
               LoadSkin(data, i % 2 == 0 ? 2 : 0);
               NotifySkinChange(data, form);
               Drain();
           }),
           100.0);
    Report("the walks alone (skin already loaded):", Measure(repeats, [&](int) {
               NotifyBeforeSkinChange(data, form);
               NotifySkinChange(data, form);
           }),
           100.0);
    DoneApplication();
    return 0;
}
