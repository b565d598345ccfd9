// open_dialog_demo [--skin N] [--screenshot file.png]
// Shows the open dialog in the details view with the front end's media filter under generated
// skin N, in a folder of media files (one with a Chinese name, selected) that the demo makes in
// the user's home. With --screenshot it prints named screen points ("probe <name> <x> <y>
// <rrggbb>"), writes the picture ("wrote <file>") and closes the dialog.

#include "app/artwork/Artwork.h"
#include "app/artwork/ArtworkResources.h"
#include "app/main/OpenFilter.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "platform/kernel/Environment.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/input/skSkinOpenDialog.h"
#include "tools/DemoScreen.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const ChineseName = "中文视频.mp4";

// A home with a folder of media files; the folder is returned.
std::string MakeHome(const fs::path& Home)
{
    const fs::path videos = Home / "视频";
    for (const char* folder : {"视频/2026", "视频/旅行", ".config"})
        fs::create_directories(Home / folder);
    for (const char* name : {"clip.avi", "CLIP.MKV", ChineseName, "song.mp3", "notes.txt"})
        std::ofstream(videos / name) << std::string(1000, 'x');
    SetEnv("HOME", Home.string());
    SetEnv("XDG_CONFIG_HOME", (Home / ".config").string());
    return videos.string();
}

int RowOf(TskSkinFileListView* List, const std::string& Name)
{
    for (int row = 0; row < List->FolderCount(); ++row)
        if (List->Folders(row)->DisplayName() == Name)
            return row;
    return -1;
}

// Selects the Chinese name, grabs the screen, prints the probes and closes the dialog.
void Shoot(TskSkinOpenDialog* Dialog, const std::string& File, bool& Written)
{
    TskOpenDlgForm* form = Dialog->Form();
    TskSkinFileListView* list = form->FileListView;
    list->SetItemIndex(RowOf(list, ChineseName));
    RepaintAll();
    const QImage image = GrabScreen();
    RECT frame;
    GetWindowRect(form->GetHandle(), &frame);
    // The last row (a file) and, right of its columns, the list's background.
    const int last = list->FolderCount() - 1;
    const RECT row = list->Items()->Item(last)->DisplayRect(0);
    const RECT icon = list->Items()->Item(last)->DisplayRect(1);
    PrintProbe(image, "frame", POINT{frame.left + (frame.right - frame.left) / 2, frame.top + 3});
    PrintProbe(image, "list", list->ClientToScreen(POINT{list->GetClientWidth() - 4, (row.top + row.bottom) / 2 + 40}));
    PrintProbe(image, "icon", list->ClientToScreen(POINT{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2}));
    PrintProbe(image, "button", form->OpenButton->ClientToScreen(POINT{form->OpenButton->GetWidth() / 2, 3}));
    Written = image.save(QString::fromStdString(File), "PNG");
    if (Written)
        std::printf("wrote %s\n", File.c_str());
    form->SetModalResult(mrCancel);
}

} // namespace

int main(int argc, char** argv)
{
    const int skin = std::atoi(DemoOption(argc, argv, "--skin", "0").c_str());
    const std::string shot = DemoOption(argc, argv, "--screenshot");
    const fs::path home = fs::temp_directory_path() / ("zd_open_demo_" + std::to_string(getpid()));
    const std::string folder = MakeHome(home);
    RegisterArtworkBitmaps();

    TForm* main;
    Application->CreateForm(main);
    main->SetCaption("Open dialog");
    main->SetBounds(20, 20, 200, 120);
    auto* data = new TskSkinData(main);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    auto* dialog = new TskSkinOpenDialog(main);
    dialog->SetSkinData(data);
    dialog->SetCtrlSkinData(data);
    dialog->SetTitle("打开文件");
    dialog->SetFilter(OpenDialogFilter());
    dialog->SetMultiSelection(true);
    dialog->ListViewStyle = TViewStyle::vsReport;
    dialog->SetDialogWidth(560);
    dialog->SetDialogHeight(340);
    dialog->SetInitialDir(folder);
    main->Show();

    bool written = false;
    ShootOnceShown(main, !shot.empty(), [&] { Shoot(dialog, shot, written); });
    if (dialog->Execute())
        std::printf("chose %s\n", dialog->GetFileName().c_str());
    DoneApplication();
    fs::remove_all(home);
    return shot.empty() || written ? 0 : 1;
}
