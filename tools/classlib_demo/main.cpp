// classlib_demo [picture.png]
// Shows a form built from the class library's plain controls and a modal dialog over it; with a
// file name it writes a picture of the screen (main form, then the dialog beside it as
// picture-dialog.png) and quits by itself, otherwise it runs until the form is closed.

#include "DemoForms.h"

#include "classlib/DibData.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"
#include "platform/testkit/ScreenComposition.h"
#include "platform/window/User.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The window manager's own picture of a window's part of the screen, as a PNG file.
void WriteWindowPicture(HWND window, const std::string& path)
{
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(window, &r);
    auto screen = ComposeScreen(r, RGB(0, 0, 0));
    TDibData image;
    image.Width = screen->Width();
    image.Height = screen->Height();
    image.BitsPerPixel = 24;
    image.Allocate();
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            std::memcpy(image.Row(y) + x * 3, &screen->Row(y)[x], 3);
    TFileStream file(path, fmCreate);
    WritePng(&file, image);
    std::printf("wrote %s\n", path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    const std::string picture = argc > 1 ? argv[1] : std::string();
    Application->Initialize();
    Application->SetTitle("Class library demo");
    TDemoForm* form;
    Application->CreateForm(form);

    form->DialogButton->OnClick = [form](TObject*) {
        const int result = form->Dialog->ShowModal();
        form->Status->SetCaption(result == mrOk ? "The dialog answered OK." : "The dialog was cancelled.");
    };
    form->OkButton->OnClick = [form](TObject*) { form->Status->SetCaption("OK pressed."); };
    form->CancelButton->OnClick = [form](TObject*) { form->Close(); };

    if (!picture.empty()) {
        // Scripted: a picture of the form, then of the dialog, which then answers OK; quit.
        auto* step = new TTimer(form);
        step->SetInterval(400);
        int stage = 0;
        step->OnTimer = [&, step](TObject*) {
            switch (stage++) {
            case 0:
                WriteWindowPicture(form->GetHandle(), picture);
                form->DialogButton->Click();  // runs the dialog's loop until stage 2
                step->SetEnabled(false);
                form->Close();
                break;
            case 1:
                WriteWindowPicture(form->Dialog->GetHandle(), ChangeFileExt(picture, "") + "-dialog.png");
                form->Dialog->OkButton->Click();
                break;
            default:
                break;
            }
        };
    }
    Application->Run();
    std::printf("%s\n", form->Status->GetCaption().c_str());
    DoneApplication();
    return 0;
}
