// bench_office_boxes [repeats]
// The format box of the main window on the fixed skin with 200 items (title, caption, picture):
// the time to open its drop-down and paint it (goal under 1/60 s). Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Drain()
{
    while (PumpOneMessage()) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 600, 700);
    auto* skin = new TskSkinData(form);
    skin->LoadFromCompressedBytes(ArtworkFixedSkin().Data);
    auto* images = new TImageList(form);
    images->SetSize(32, 32);
    for (int i = 0; i < 35; ++i) {
        TBitmap b;
        b.SetSize(32, 32);
        b.Canvas()->Brush()->SetColor(RGB(7 * i, 120, 200));
        b.Canvas()->FillRect(RECT{0, 0, 32, 32});
        images->Add(&b, nullptr);
    }
    auto* box = new TskSkinOfficeComboBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 260, 41);
    box->SetToolButtonStyle(true);
    box->SetImages(images);
    box->SetListBoxSkinDataName("listbox");
    box->SetListBoxItemHeight(60);
    box->SetListBoxShowItemTitles(true);
    box->SetListBoxShowLines(true);
    box->SetSkinData(skin);
    for (int i = 0; i < 200; ++i) {
        TskSkinOfficeItem* item = box->Items()->Add();
        item->SetTitle("Format " + std::to_string(i));
        item->SetCaption("A format of the catalogue, number " + std::to_string(i));
        item->SetImageIndex(i % 35);
    }
    box->SetItemIndex(0);
    form->Show();
    Drain();
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        box->DropDown();
        box->ListBox()->Repaint();
        Drain();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        box->CloseUp(false);
        Drain();
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("open and paint a 200-item format box: median %.2f ms, best %.2f ms, worst %.2f ms (%s %.2f ms)\n",
                median, ms.front(), ms.back(), median < 1000.0 / 60 ? "within" : "OVER", 1000.0 / 60);
    DoneApplication();
    return 0;
}
