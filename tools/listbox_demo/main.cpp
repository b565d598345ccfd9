// listbox_demo [--skin N] [--screenshot file.png]
// Shows under generated skin N (0..7) a skinned list box scrolled down with both scroll bars and
// an item selected, a combo box with its list open, an edit-style combo box, a combo box in the
// tool-button look and a plain list box with its caption strip, scrolled with both bars (the
// generated skins' list box has no caption strip). With
// --screenshot it writes a picture of the screen, prints named screen points ("point NAME X Y")
// for checking it and exits.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/input/skSkinComboBox.h"
#include "tools/DemoScreen.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void LoadSkin(TskSkinData* data, int index)
{
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
}

} // namespace

int main(int argc, char** argv)
{
    int skinIndex = 0;
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--skin") == 0 && i + 1 < argc) {
            skinIndex = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: listbox_demo [--skin N] [--screenshot file.png]\n");
            return 2;
        }
    }
    if (skinIndex < 0 || skinIndex >= static_cast<int>(ArtworkSkins().size())) {
        std::fprintf(stderr, "no skin %d\n", skinIndex);
        return 2;
    }
    Application->Initialize();
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("List and combo boxes");
    form->SetBounds(40, 40, 480, 420);
    auto* skin = new TskSkinData(form);
    LoadSkin(skin, skinIndex);

    auto* list = new TskSkinListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 200, 220);
    list->SetSkinData(skin);
    list->SetHorizontalExtent(true);
    for (int i = 0; i < 40; ++i)
        list->Items()->Add("Item " + std::to_string(i) + (i % 5 == 0 ? " with a long text that needs the bar" : ""));
    list->SetItemIndex(12);
    list->SetTopIndex(10);

    auto* combo = new TskSkinComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(230, 10, 200, 22);
    combo->SetSkinData(skin);
    for (const char* s : {"320x240", "640x480", "720x576", "1280x720", "1920x1080", "3840x2160"})
        combo->Items()->Add(s);
    combo->SetItemIndex(1);

    auto* edit = new TskSkinComboBox(form);
    edit->SetParent(form);
    edit->SetBounds(230, 200, 200, 22);
    edit->SetSkinData(skin);
    edit->SetStyle(TskSkinCustomComboBoxStyle::skcbEditStyle);
    for (const char* s : {"1", "2", "4", "8"})
        edit->Items()->Add(s);
    edit->SetText("4 threads");

    auto* tool = new TskSkinComboBox(form);
    tool->SetParent(form);
    tool->SetSkinData(skin);
    tool->SetToolButtonStyle(true);
    tool->SetBounds(10, 240, 150, 26);
    for (const char* s : {"Skin 1", "Skin 2", "Skin 3"})
        tool->Items()->Add(s);
    tool->SetItemIndex(0);

    // A plain list box with its caption strip and buttons, scrolled with both bars.
    auto* captioned = new TskSkinListBox(form);
    captioned->SetParent(form);
    captioned->SetBounds(230, 232, 200, 110);
    captioned->SetCaptionMode(true);
    captioned->SetCaption("输出格式");
    captioned->SetHorizontalExtent(true);
    for (const char* s : {"MP4", "AVI", "MKV", "WebM", "MPEG-2 program stream for DVD players", "FLV", "3GP", "WMV"})
        captioned->Items()->Add(s);
    captioned->SetItemIndex(4);
    captioned->SetTopIndex(3);

    form->Show();
    Settle();
    combo->DropDown();
    if (screenshot.empty()) {
        Application->Run();
        return 0;
    }
    RepaintAll();
    const RECT selected = list->ItemRect(12);
    PrintPoint("list-selected", list->ListBox, 1, (selected.top + selected.bottom) / 2);
    const RECT normal = list->ItemRect(13);
    PrintPoint("list-normal", list->ListBox, 1, (normal.top + normal.bottom) / 2);
    PrintPoint("list-vbar", list->ScrollBar, list->ScrollBar->GetWidth() / 2, list->ScrollBar->GetHeight() / 2);
    PrintPoint("list-hbar", list->HScrollBar, list->HScrollBar->GetWidth() / 2, list->HScrollBar->GetHeight() / 2);
    auto* drop = combo->ListBoxWindow();
    const RECT hot = drop->ItemRect(1);
    PrintPoint("drop-selected", drop->ListBox, 1, (hot.top + hot.bottom) / 2);
    const RECT rest = drop->ItemRect(3);
    PrintPoint("drop-normal", drop->ListBox, 1, (rest.top + rest.bottom) / 2);
    PrintPoint("combo-bottom", combo, 0, combo->GetHeight());
    PrintPoint("drop-top", drop, 0, 0);
    const RECT up = captioned->Buttons[0].R;
    PrintPoint("caption-up", captioned, up.left + 2, up.top + 2);
    if (captioned->ScrollBar && captioned->HScrollBar) {
        PrintPoint("caption-vbar", captioned->ScrollBar, captioned->ScrollBar->GetWidth() / 2, 2);
        PrintPoint("caption-hbar", captioned->HScrollBar, captioned->HScrollBar->GetWidth() / 2, 2);
    }
    PrintPoint("tool-face", tool, 1, 1);
    std::fflush(stdout);
    QImage image = GrabScreen();
    const bool ok = !image.isNull() && image.save(QString::fromStdString(screenshot), "PNG");
    DoneApplication();
    return ok ? 0 : 1;
}
