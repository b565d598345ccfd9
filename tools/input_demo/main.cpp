// input_demo [--skin N] [--screenshot file.png]
// Shows skinned edits in every state (plain, skinned, focused with pre-edit text and the caret,
// read-only, disabled, with a drop button, numeric) and a hovered link label under generated
// skin N (0..7); with --screenshot writes a picture of the screen, prints the caret's screen
// rectangle ("caret x y w h") and exits.

#include "InputDemoLayout.h"

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/RawInput.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinLinkLabel.h"
#include "skin/input/skSkinScrollBox.h"
#include "classlib/ExtCtrls.h"
#include "tools/DemoScreen.h"

#include <QImage>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace inputdemo;

namespace {

bool WriteScreenshot(const std::string& path)
{
    RepaintAll();
    QImage image = GrabScreen();
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

void LoadSkin(TskSkinData* data, int index)
{
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
}

template <class T>
T* Edit(TForm* form, TskSkinData* skin, int top, const std::string& text)
{
    auto* e = new T(form);
    e->SetParent(form);
    e->SetBounds(kEditLeft, top, kEditWidth, 22);
    if constexpr (requires { e->SetSkinData(skin); })
        e->SetSkinData(skin);
    e->SetText(text);
    return e;
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
            std::fprintf(stderr, "usage: %s [--skin N] [--screenshot file.png]\n", argv[0]);
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
    form->SetCaption("Input controls");
    form->SetBounds(kFormLeft, kFormTop, kClientWidth + 16, kClientHeight + 40);
    form->SetClientWidth(kClientWidth);
    form->SetClientHeight(kClientHeight);
    auto* skin = new TskSkinData(form);
    LoadSkin(skin, skinIndex);

    Edit<TskSkinEdit>(form, nullptr, kPlainTop, "plain, no skin");
    Edit<TskSkinEdit>(form, skin, kSkinnedTop, "skinned 皮肤");
    auto* focused = Edit<TskSkinEdit>(form, skin, kFocusedTop, "focused ");
    Edit<TskSkinEdit>(form, skin, kReadOnlyTop, "read-only")->SetReadOnly(true);
    Edit<TskSkinEdit>(form, skin, kDisabledTop, "disabled")->SetEnabled(false);
    auto* button = new TskSkinEdit(form);
    button->SetParent(form);
    button->SetButtonMode(true);
    button->SetSkinDataName("buttonedit");
    button->SetBounds(kEditLeft, kButtonTop, kEditWidth, 22);
    button->SetSkinData(skin);
    button->SetText("with a drop button");
    Edit<TskSkinNumEdit>(form, skin, kNumericTop, "12-3");
    auto* link = new TskSkinLinkLabel(form);
    link->SetParent(form);
    link->SetAutoSize(false);
    link->SetBounds(kLinkLeft, kLinkTop, 220, 40);
    link->SetCaption("Zudevivivoduv on the web");
    link->SetGlowEffect(true);
    link->SetGlowSize(6);
    link->SetURL("https://example.invalid/");
    link->SetSkinData(skin);

    auto* box = new TskSkinScrollBox(form);
    box->SetParent(form);
    box->SetBounds(kBoxLeft, kBoxTop, kBoxSize, kBoxSize);
    box->SetSkinData(skin);
    auto* band = new TPanel(box);
    band->SetParent(box);
    band->SetBounds(0, 0, 100, kBandHeight);
    band->SetColor(clRed);
    band->SetBevelOuter(TPanelBevel::bvNone);
    auto* rest = new TPanel(box);
    rest->SetParent(box);
    rest->SetBounds(0, kBandHeight, 100, 260);
    rest->SetColor(clBlue);
    rest->SetBevelOuter(TPanelBevel::bvNone);
    auto* vbar = new TskSkinScrollBar(form);
    vbar->SetParent(form);
    vbar->SetKind(TScrollBarKind::sbVertical);
    vbar->SetSkinDataName("vscrollbar");
    vbar->SetBounds(kBoxLeft + kBoxSize, kBoxTop, 19, kBoxSize);
    vbar->SetSkinData(skin);
    box->SetVScrollBar(vbar);
    vbar->SetPosition(kScrolled);

    form->Show();
    // A caret that stays in its shown phase for the picture.
    SetCaretBlinkTime(screenshot.empty() ? 530 : 600000);
    focused->SetFocus();
    SendMessage(focused->GetHandle(), EM_SETSEL, 8, 8);
    RawInput preedit;
    preedit.kind = RawInput::Kind::ImePreedit;
    preedit.text = "zhong";
    preedit.imeCursor = 5;
    PostRawInput(preedit);
    link->Perform(CM_MOUSEENTER, 0, 0);  // as hovered

    if (screenshot.empty()) {
        Application->Run();
        return 0;
    }
    const bool ok = WriteScreenshot(screenshot);
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(focused->GetHandle(), &caret);
    TEXTMETRIC tm{};
    HDC dc = GetDC(focused->GetHandle());
    SelectObject(dc, focused->Font()->GetHandle());
    GetTextMetrics(dc, &tm);
    ReleaseDC(focused->GetHandle(), dc);
    std::printf("caret %d %d 1 %d\n", static_cast<int>(caret.x), static_cast<int>(caret.y), static_cast<int>(tm.tmHeight));
    DoneApplication();
    return ok ? 0 : 1;
}
