// bench_edit_keystrokes [keys]
// The time per keystroke typed into a focused skinned edit (generated skin 0) on a shown form:
// each key goes in as display input (key down with its character, key up) and the message loop
// runs until the edit has painted and the pixels were handed to Qt. The goal is under 1/60 s per
// key. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/RawInput.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/input/skSkinEdits.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

void Drain()
{
    while (PumpOneMessage()) {
    }
}

void Key(UINT vk, const std::string& text, bool down)
{
    RawInput input;
    input.kind = down ? RawInput::Kind::KeyDown : RawInput::Kind::KeyUp;
    input.vk = vk;
    input.text = down ? text : std::string();
    PostRawInput(input);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    Application->Initialize();
    TForm* form;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 640, 120);
    auto& skin = *new TskSkinData(form);
    skin.LoadFromCompressedBytes(ArtworkSkins()[0].Data);
    auto* edit = new TskSkinEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 600, 22);
    edit->SetSkinData(&skin);
    form->Show();
    edit->SetFocus();
    for (int i = 0; i < 50; ++i) {
        Drain();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(keys));
    for (int i = 0; i < keys; ++i) {
        // Letters, and every 40 keys a Backspace run so the text stays a line long.
        const bool back = i % 40 >= 30;
        const auto start = std::chrono::steady_clock::now();
        if (back) {
            Key(VK_BACK, "\b", true);
            Key(VK_BACK, {}, false);
        } else {
            const std::string letter(1, static_cast<char>('a' + i % 26));
            Key('A' + static_cast<UINT>(i % 26), letter, true);
            Key('A' + static_cast<UINT>(i % 26), {}, false);
        }
        Application->ProcessMessages();
        Drain();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    const double median = ms[ms.size() / 2];
    const double p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    std::printf("%d keystrokes into a focused skinned edit (text now %zu bytes), platform %s\n", keys,
                edit->GetText().size(), qPrintable(QGuiApplication::platformName()));
    std::printf("per key: mean %.3f ms  median %.3f ms  p95 %.3f ms  worst %.3f ms  (%s 16.67 ms)\n", mean, median,
                p95, ms.back(), p95 < 1000.0 / 60 ? "within" : "OVER");
    DoneApplication();
    return 0;
}
