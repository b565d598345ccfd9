// bench_list_box_items [items]
// A skinned list box (generated skin 0) with 10,000 items on a shown form: filling it item by
// item with and without the horizontal text bar, wheel and thumb scrolling with the list painted
// after every step, and opening a combo box's list of as many items. The goal for every step is
// under 1/60 s. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/input/skSkinComboBox.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void Settle()
{
    Application->ProcessMessages();
    while (PumpOneMessage()) {
    }
}

void Report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    const double p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    std::printf("%-42s mean %.3f ms  p95 %.3f ms  worst %.3f ms  (%s 16.67 ms)\n", what, mean, p95, ms.back(),
                p95 < 1000.0 / 60 ? "within" : "OVER");
}

TskSkinListBox* Filled(TForm* form, TskSkinData* skin, int items, bool extent, double& total)
{
    auto* list = new TskSkinListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 300, 400);
    list->SetSkinData(skin);
    list->SetHorizontalExtent(extent);
    Settle();
    const auto start = Clock::now();
    for (int i = 0; i < items; ++i)
        list->Items()->Add("item number " + std::to_string(i) + (i % 97 == 0 ? " with a longer text to measure" : ""));
    Settle();
    total = Ms(start);
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int items = argc > 1 ? std::max(100, std::atoi(argv[1])) : 10000;
    Application->Initialize();
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 640, 480);
    auto& skin = *new TskSkinData(form);
    skin.LoadFromCompressedBytes(ArtworkSkins()[0].Data);
    form->Show();
    Settle();

    double plain = 0, extent = 0;
    Filled(form, &skin, items, false, plain)->Free();
    TskSkinListBox* list = Filled(form, &skin, items, true, extent);
    std::printf("%d items on platform %s\n", items, qPrintable(QGuiApplication::platformName()));
    std::printf("filling: %.1f ms (%.4f ms an item); with the text bar %.1f ms (%.4f ms an item)\n", plain,
                plain / items, extent, extent / items);

    std::vector<double> wheel, thumb;
    for (int i = 0; i < 300; ++i) {
        const auto start = Clock::now();
        SendMessage(list->ListBox->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, i < 150 ? -120 : 120), 0);
        UpdateWindow(list->ListBox->GetHandle());
        Settle();
        wheel.push_back(Ms(start));
    }
    for (int i = 0; i < 300; ++i) {
        const auto start = Clock::now();
        list->ScrollBar->SetPosition((i * 37) % items);
        UpdateWindow(list->ListBox->GetHandle());
        Settle();
        thumb.push_back(Ms(start));
    }
    Report("wheel notch with a repaint", wheel);
    Report("thumb jump with a repaint", thumb);

    auto* combo = new TskSkinComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(330, 10, 200, 22);
    combo->SetSkinData(&skin);
    for (int i = 0; i < items; ++i)
        combo->Items()->Add("choice " + std::to_string(i));
    combo->SetItemIndex(items / 2);
    Settle();
    std::vector<double> open;
    for (int i = 0; i < 50; ++i) {
        const auto start = Clock::now();
        combo->DropDown();
        Settle();
        open.push_back(Ms(start));
        combo->CloseUp(false);
        Settle();
    }
    Report("opening a combo box's list", open);
    DoneApplication();
    return 0;
}
