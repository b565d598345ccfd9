// bench_menus [repeats]
// Skinned menus under the first skin: opening a 30-item menu to its first full paint, one hover
// morph step of an item, and a repaint of a menu bar of eight items. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another. Goal: the opening under 1/60 s.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

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
    const std::string_view bytes = ArtworkSkins()[static_cast<std::size_t>(Index)].Data;
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(&stream);
    Data->LoadCompressedStoredSkin(&stored);
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
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    TskSkinData skin(nullptr);
    LoadSkin(&skin, 0);
    InstallSkinMenus();

    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(50, 50, 900, 600);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(&skin);
    auto* popup = new TPopupMenu(form);
    for (int i = 0; i < 30; ++i) {
        auto* item = new TMenuItem(form);
        item->SetCaption("菜单项 " + std::to_string(i));
        if (i % 7 == 3)
            item->SetShortCut(TextToShortCut("Ctrl+S"));
        popup->Items()->Add(item);
    }
    auto* main = new TskSkinMainMenu(form);
    for (int i = 0; i < 8; ++i) {
        auto* item = new TMenuItem(form);
        item->SetCaption("菜单" + std::to_string(i) + "(&" + std::to_string(i) + ")");
        main->Items()->Add(item);
    }
    auto* bar = new TskSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetSkinData(&skin);
    bar->SetFormSkin(frame);
    bar->SetMainMenu(main);
    form->Show();
    Application->ProcessMessages();
    auto* menu = dynamic_cast<TskSkinMenu*>(frame->SkinMenu());

    Report("open a 30-item menu to its first full paint", Time(repeats, [&](int) {
               menu->Popup(nullptr, &skin, 0, RECT{100, 100, 140, 120}, popup->Items(), false);
               UpdateWindow(menu->PopupWindow(0)->GetHandle());
               menu->Hide();
               Application->ProcessMessages();
           }),
           "goal < 16.7 ms");

    menu->Popup(nullptr, &skin, 0, RECT{100, 100, 140, 120}, popup->Items(), false);
    Application->ProcessMessages();
    TskSkinPopupWindow* w = menu->PopupWindow(0);
    TskSkinMenuItem* item = w->Item(0);
    Report("one hover morph step of an item", Time(repeats, [&](int) {
               item->SetMorphKf(0.4);
               item->Active = true;
               item->DoMorphing();
           }),
           "");
    menu->Hide();

    Report("menu bar repaint (8 items)", Time(repeats, [&](int) {
               bar->Repaint();
           }),
           "");
    DoneApplication();
    return 0;
}
