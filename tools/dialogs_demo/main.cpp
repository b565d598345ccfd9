// dialogs_demo [--skin N] [--box warning|chooser] [--screenshot file.png]
// Shows, over a small window in generated skin N, either the skinned warning box (OK, Cancel
// and the "do not display again" check box) or the skin chooser over the eight generated skins,
// started at skin N. With --screenshot it prints named screen points
// ("probe <name> <x> <y> <rrggbb>"), writes the picture ("wrote <file>") and closes the box.
// The chooser's points are read before and after one arrow key moved its selection; the warning
// box's check box is read checked and unchecked.

#include "app/artwork/Artwork.h"
#include "app/main/MainArtwork.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skDialogs.h"
#include "skin/input/skMessages.h"
#include "skin/input/skSkinListBox.h"
#include "tools/DemoScreen.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Probe(const QImage& Image, const char* Name, TWinControl* Control, int X, int Y)
{
    const POINT s = Control->ClientToScreen(POINT{X, Y});
    const QRgb q = Image.pixel(s.x, s.y);
    std::printf("probe %s %d %d %02x%02x%02x\n", Name, static_cast<int>(s.x), static_cast<int>(s.y), qRed(q),
                qGreen(q), qBlue(q));
}

// A point of a window's frame: the middle of its top edge, Y rows down.
void ProbeFrame(const QImage& Image, const char* Name, TWinControl* Control, int Y)
{
    RECT r{};
    GetWindowRect(Control->GetHandle(), &r);
    const int x = (r.left + r.right) / 2, y = r.top + Y;
    const QRgb q = Image.pixel(x, y);
    std::printf("probe %s %d %d %02x%02x%02x\n", Name, x, y, qRed(q), qGreen(q), qBlue(q));
}

void ProbeButton(const QImage& Image, const char* Name, TskSkinButton* Button)
{
    Probe(Image, Name, Button, 5, Button->GetHeight() / 2);
}

bool Save(const QImage& Image, const std::string& File)
{
    const bool written = Image.save(QString::fromStdString(File), "PNG");
    if (written)
        std::printf("wrote %s\n", File.c_str());
    return written;
}

void ShootChooser(TskSelectSkinDialog* Dialog, const std::string& File, bool& Written)
{
    TskSelectSkinDlgForm* form = Dialog->Form();
    RepaintAll();
    QImage image = GrabScreen();
    ProbeFrame(image, "dialog_frame", form, 2);
    ProbeFrame(image, "preview_frame", form->PreviewForm, 2);
    ProbeButton(image, "ok_button", form->OpenButton);
    ProbeButton(image, "cancel_button", form->CancelButton);
    ProbeButton(image, "preview_button", form->PreviewButton);
    PostMessage(form->SkinsListBox->ListBox->GetHandle(), WM_KEYDOWN, VK_DOWN, 0);
    RepaintAll();
    image = GrabScreen();
    ProbeFrame(image, "dialog_frame_after", form, 2);
    ProbeFrame(image, "preview_frame_after", form->PreviewForm, 2);
    ProbeButton(image, "ok_button_after", form->OpenButton);
    ProbeButton(image, "preview_button_after", form->PreviewButton);
    std::printf("preview skin %d\n", form->PreviewSkinData->SkinIndex());
    Written = Save(image, File);
    form->SetModalResult(mrCancel);
}

void ShootWarning(const std::string& File, bool& Written)
{
    auto* box = dynamic_cast<TskMessageForm*>(Screen->ActiveCustomForm());
    if (box == nullptr)
        return;
    RepaintAll();
    QImage image = GrabScreen();
    auto* ok = dynamic_cast<TskSkinButton*>(box->FindComponent("OK"));
    auto* cancel = dynamic_cast<TskSkinButton*>(box->FindComponent("Cancel"));
    auto* icon = dynamic_cast<TImage*>(box->FindComponent("Image"));
    TskSkinCheckRadioBox* check = box->DisplayCheckBox;
    ProbeFrame(image, "dialog_frame", box, 2);
    ProbeButton(image, "ok_button", ok);
    ProbeButton(image, "cancel_button", cancel);
    Probe(image, "icon", box, icon->GetLeft() + 10, icon->GetTop() + 24);
    Probe(image, "check_glyph", box, check->GetLeft() + 8, check->GetTop() + check->GetHeight() / 2);
    Written = Save(image, File);
    check->SetChecked(false);
    RepaintAll();
    image = GrabScreen();
    Probe(image, "check_glyph_after", box, check->GetLeft() + 8, check->GetTop() + check->GetHeight() / 2);
    box->SetModalResult(mrCancel);
}

} // namespace

int main(int argc, char** argv)
{
    const int skin = std::atoi(DemoOption(argc, argv, "--skin", "0").c_str());
    const std::string box = DemoOption(argc, argv, "--box", "chooser");
    const std::string shot = DemoOption(argc, argv, "--screenshot");
    TForm* main;
    Application->CreateForm(main);
    main->SetCaption("Dialogs");
    main->SetBounds(20, 20, 300, 160);
    auto* data = new TskSkinData(main);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    auto* frame = new TskFormSkin(main);
    frame->SetSkinData(data);
    main->Show();

    bool written = false;
    if (box == "warning") {
        auto* message = new TskSkinMessage(main);
        message->SetSkinData(data);
        message->SetCtrlSkinData(data);
        message->SetShowAgainFlag(true);
        ShootOnceShown(main, !shot.empty(), [&] { ShootWarning(shot, written); });
        const int result = message->MessageDlg("输出文件已存在，是否覆盖？\nThe output file exists. Overwrite it?",
                                               mtWarning, {mbOK, mbCancel}, 0);
        std::printf("result %d\n", result);
    } else {
        auto* skins = new TskCompressedSkinList(main);
        FillSwitchableSkins(skins);
        auto* dialog = new TskSelectSkinDialog(main);
        dialog->SetSkinList(skins);
        dialog->SetSkinData(data);
        dialog->SetCtrlSkinData(data);
        ShootOnceShown(main, !shot.empty(), [&] { ShootChooser(dialog, shot, written); });
        if (dialog->Execute(skin))
            std::printf("chose %d\n", dialog->SelectedSkinIndex());
    }
    DoneApplication();
    return shot.empty() || written ? 0 : 1;
}
