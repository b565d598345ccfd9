// bench_menus [repeats]
// Skinned menus under the first skin: opening a 30-item menu to its first full paint, one hover
// morph step of an item, and a repaint of a menu bar of eight items. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another. Goal: the opening under 1/60 s.

#include "BenchSupport.h"

#include "classlib/Forms.h"
#include "platform/window/User.h"
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

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);
    const int repeats = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    TskSkinData skin(nullptr);
    bench::LoadSkin(&skin, 0);
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

    bench::Report("open a 30-item menu to its first full paint", bench::Time(repeats, [&](int) {
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
    bench::Report("one hover morph step of an item", bench::Time(repeats, [&](int) {
               item->SetMorphKf(0.4);
               item->Active = true;
               item->DoMorphing();
           }),
           "");
    menu->Hide();

    bench::Report("menu bar repaint (8 items)", bench::Time(repeats, [&](int) {
               bar->Repaint();
           }),
           "");
    DoneApplication();
    return 0;
}
