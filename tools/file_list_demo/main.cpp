// file_list_demo --folder PATH [--skin N] [--style report|list|icon|small] [--screenshot file.png]
// Shows under generated skin N (0..7) the shell file list on PATH with its skinned scroll bars,
// linked to a look-in box above it and a folder tree beside it. With --screenshot it prints named
// screen points ("point NAME X Y") for checking the picture, writes it and exits.

#include "app/artwork/Artwork.h"
#include "app/artwork/ArtworkResources.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/form/FormSkin.h"
#include "skin/input/skShellComboBox.h"
#include "skin/input/skShellListView.h"
#include "skin/input/skShellTreeView.h"
#include "tools/DemoScreen.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    int skinIndex = 0;
    std::string folder, screenshot, style = "report";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--skin") == 0)
            skinIndex = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--folder") == 0)
            folder = argv[i + 1];
        else if (std::strcmp(argv[i], "--style") == 0)
            style = argv[i + 1];
        else if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = argv[i + 1];
    }
    if (folder.empty() || skinIndex < 0 || skinIndex >= static_cast<int>(ArtworkSkins().size())) {
        std::fprintf(stderr, "usage: file_list_demo --folder PATH [--skin 0..7] [--style report|list|icon|small] "
                             "[--screenshot file.png]\n");
        return 2;
    }
    Application->Initialize();
    RegisterArtworkBitmaps();
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("Files");
    form->SetBounds(40, 40, 640, 420);
    auto* skin = new TskSkinData(form);
    skin->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skinIndex)].Data);
    (new TskFormSkin(form))->SetSkinData(skin);

    auto* box = new TskSkinShellComboBox(form);
    box->SetParent(form);
    box->SetBounds(10, 8, 300, 22);
    box->SetSkinData(skin);
    auto* tree = new TskSkinDirTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(10, 38, 180, 320);
    tree->SetSkinData(skin);
    auto* vbar = new TskSkinScrollBar(form);
    vbar->SetKind(TScrollBarKind::sbVertical);
    vbar->SetSkinDataName("vscrollbar");
    vbar->SetParent(form);
    vbar->SetBounds(580, 38, 17, 303);
    vbar->SetSkinData(skin);
    auto* hbar = new TskSkinScrollBar(form);
    hbar->SetParent(form);
    hbar->SetBounds(200, 341, 380, 17);
    hbar->SetSkinData(skin);
    auto* list = new TskSkinFileListView(form);
    list->SetParent(form);
    list->SetBounds(200, 38, 380, 303);
    list->SetSkinData(skin);
    list->SetVScrollBar(vbar);
    list->SetHScrollBar(hbar);
    list->SetViewStyle(style == "list"    ? TViewStyle::vsList
                       : style == "icon"  ? TViewStyle::vsIcon
                       : style == "small" ? TViewStyle::vsSmallIcon
                                          : TViewStyle::vsReport);
    list->SetShellComboBox(box);
    list->SetShellTreeView(tree);
    list->SetPath(folder);

    form->Show();
    Settle();
    list->SetItemIndex(list->FolderCount() > 1 ? 1 : 0);
    if (screenshot.empty()) {
        Application->Run();
        return 0;
    }
    RepaintAll();
    PrintPoint("list-empty", list, list->GetWidth() - 8, list->GetHeight() - 8);
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessage(list->GetHandle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    PrintPoint("first-row", list, row.left + 2, row.top);
    std::printf("text box %s\n", box->GetText().c_str());
    std::printf("text rows %d\n", list->FolderCount());
    std::fflush(stdout);
    QImage image = GrabScreen();
    const bool ok = !image.isNull() && image.save(QString::fromStdString(screenshot), "PNG");
    DoneApplication();
    return ok ? 0 : 1;
}
