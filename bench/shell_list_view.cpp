// bench_shell_list_view [files]
// The shell file list filled from a generated folder of 10,000 files (or the number given), in
// report view under generated skin 0 with its two skinned scroll bars: the fill (enumeration,
// mask, sort and the window's row count), then a full repaint and page scrolls, each followed by
// the message loop until everything is painted. Goals: the fill under 0.5 s, a repaint and a page
// step under one frame (16.67 ms). Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names
// another.

#include "BenchSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/input/skShellListView.h"

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

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
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const fs::path folder = fs::temp_directory_path() / ("zd-bench-shell-list-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (int i = 0; i < files; ++i)
        std::ofstream(folder / ("clip " + std::to_string(100000 + i) + (i % 3 ? ".avi" : ".mkv"))) << std::string(static_cast<std::size_t>(i % 97), 'x');

    Application->Initialize();
    RegisterArtworkBitmaps();
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 820, 620);
    auto* data = new TskSkinData(form);
    bench::LoadSkin(data, 0);
    auto* hbar = new TskSkinScrollBar(form);
    hbar->SetAlign(TAlign::alBottom);
    hbar->SetHeight(17);
    hbar->SetParent(form);
    hbar->SetSkinData(data);
    auto* vbar = new TskSkinScrollBar(form);
    vbar->SetKind(TScrollBarKind::sbVertical);
    vbar->SetSkinDataName("vscrollbar");
    vbar->SetAlign(TAlign::alRight);
    vbar->SetWidth(17);
    vbar->SetParent(form);
    vbar->SetSkinData(data);
    auto* list = new TskSkinFileListView(form);
    list->SetAlign(TAlign::alClient);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetParent(form);
    list->SetSkinData(data);
    list->SetVScrollBar(vbar);
    list->SetHScrollBar(hbar);
    form->Show();
    Drain();

    std::printf("Shell file list, %d files, report view, skin 0\n", files);
    bench::Report("enter the folder and paint:", bench::Time(1, [&](int) {
                      list->SetPath(folder.string());
                      Drain();
                  }),
                  "goal < 500 ms");
    bench::Report("read it again (F5) and paint:", bench::Time(5, [&](int) {
                      list->Refresh();
                      Drain();
                  }),
                  "goal < 500 ms");
    std::printf("%d rows, %d visible\n", list->FolderCount(), list->VisibleRowCount());
    bench::Report("repaint the whole view:", bench::Time(50, [&](int) {
                      list->Invalidate();
                      Drain();
                  }),
                  "goal < 16.67 ms");
    bench::Report("one page down:", bench::Time(200, [&](int) {
                      vbar->SetPosition(vbar->GetPosition() + vbar->GetLargeChange());
                      Drain();
                  }),
                  "goal < 16.67 ms");
    const HWND header = reinterpret_cast<HWND>(SendMessage(list->GetHandle(), LVM_GETHEADER, 0, 0));
    RECT size{};
    SendMessage(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&size));
    const LPARAM at = MAKELPARAM((size.left + size.right) / 2, (size.top + size.bottom) / 2);
    bench::Report("sort by size (a header click) and paint:", bench::Time(4, [&](int) {
                      SendMessage(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
                      SendMessage(header, WM_LBUTTONUP, 0, at);
                      Drain();
                  }),
                  "");
    DoneApplication();
    fs::remove_all(folder);
    return 0;
}
