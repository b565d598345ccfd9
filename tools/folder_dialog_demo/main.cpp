// folder_dialog_demo [--skin N] [--screenshot file.png]
// Shows the select-folder dialog (with its tool bar) under generated skin N, opened at a folder
// with a Chinese name inside a folder tree the demo makes as the user's home. With --screenshot
// it prints named screen points ("probe <name> <x> <y> <rrggbb>"), writes the picture
// ("wrote <file>") and closes the dialog.

#include "app/artwork/Artwork.h"
#include "app/artwork/ArtworkResources.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "platform/kernel/Environment.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/input/skSkinSelectDirectoryDialog.h"
#include "tools/DemoScreen.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// A home with a few folders; the start folder is returned.
std::string MakeHome(const fs::path& Home)
{
    for (const char* folder : {"视频", "音乐", "文档", "下载", ".config", "Velkor视频软件/输出", "Velkor视频软件/快照", "视频/2026"})
        fs::create_directories(Home / folder);
    SetEnv("HOME", Home.string());
    SetEnv("XDG_CONFIG_HOME", (Home / ".config").string());
    return (Home / "Velkor视频软件" / "输出").string();
}

// Grabs the screen with the dialog shown, prints the probes and closes the dialog.
void Shoot(TskSkinSelectDirectoryDialog* Dialog, const std::string& File, bool& Written)
{
    RepaintAll();
    TskSelDirDlgForm* form = Dialog->Form();
    const QImage image = GrabScreen();
    RECT frame;
    GetWindowRect(form->GetHandle(), &frame);
    TskSkinDirTreeView* tree = form->DirTreeView;
    const RECT row = tree->GetSelected()->DisplayRect(false);
    const RECT label = tree->GetSelected()->DisplayRect(true);
    PrintProbe(image, "frame", POINT{frame.left + (frame.right - frame.left) / 2, frame.top + 3});
    PrintProbe(image, "tree", tree->ClientToScreen(POINT{tree->GetClientWidth() - 4, (row.top + row.bottom) / 2}));
    PrintProbe(image, "icon", tree->ClientToScreen(POINT{label.left - 9, (row.top + row.bottom) / 2}));
    PrintProbe(image, "button", form->OkButton->ClientToScreen(POINT{form->OkButton->GetWidth() / 2, 3}));
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
    const fs::path home = fs::temp_directory_path() / ("zd_folder_demo_" + std::to_string(getpid()));
    const std::string start = MakeHome(home);
    RegisterArtworkBitmaps();

    TForm* main;
    Application->CreateForm(main);
    main->SetCaption("Folder dialog");
    main->SetBounds(20, 20, 200, 120);
    auto* data = new TskSkinData(main);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    auto* dialog = new TskSkinSelectDirectoryDialog(main);
    dialog->SetSkinData(data);
    dialog->SetCtrlSkinData(data);
    dialog->SetTitle("选择输出文件夹");
    dialog->SetShowToolBar(true);
    dialog->SetDialogWidth(360);
    dialog->SetDialogHeight(400);
    dialog->SetDirectory(start);
    main->Show();

    bool written = false;
    ShootOnceShown(main, !shot.empty(), [&] { Shoot(dialog, shot, written); });
    const bool chosen = dialog->Execute();
    if (chosen)
        std::printf("chose %s\n", dialog->GetDirectory().c_str());
    DoneApplication();
    fs::remove_all(home);
    return shot.empty() || written ? 0 : 1;
}
