// bench_main_window [repeats]
// The main window as the program makes it, for a private user in a temporary folder: one full
// repaint with 501 rows in the job list (goal: under 1/60 s), and a skin switch through the
// switchable skins with everything painted again (goal: under 100 ms). Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another.

#include "BenchSupport.h"

#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "classlib/ComCtrls.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void Drain()
{
    while (PumpOneMessage()) {
    }
}

void FillRows(TskSkinListView* list)
{
    for (int i = 0; i < OptionSlotCount; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("/home/user/视频/片段_" + std::to_string(i) + ".avi");
        for (const char* text : {"00:01:30", "12.5MB", "片段.mp4", "45%", "25", "00:00:40", "5.6MB"})
            item->SubItems()->Add(text);
        for (int column = 7; column < 24; ++column)
            item->SubItems()->Add(std::to_string(column));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string home = (std::filesystem::temp_directory_path() / "zd-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 1;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);

    InitialiseProgram();
    CreateProgramForms();
    FillRows(Form1->lvFiles);
    Form1->skSkinPanel5->SetVisible(false);
    Form1->Show();
    Drain();
    const HWND window = Form1->GetHandle();
    const UINT everything = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    bench::Report("main window repaint, 501 rows", bench::Time(repeats, [&](int) {
                      RedrawWindow(window, nullptr, nullptr, everything);
                      Drain();
                  }),
                  "(goal < 16.7 ms)");
    bench::Report("skin switch with repaint", bench::Time(repeats, [&](int i) {
                      Form1->ApplySkinIndex((i + 1) % 8);
                      Drain();
                  }),
                  "(goal < 100 ms)");
    DoneApplication();
    std::filesystem::remove_all(home);
    return 0;
}
