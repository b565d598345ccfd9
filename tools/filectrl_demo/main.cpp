// filectrl_demo --folder PATH [--skin N] [--screenshot file.png]
// Shows under generated skin N (0..7) the folder list on PATH linked to a file list, a file-name
// edit and a label with the shortened path, a filter box driving the file list, and the drive box
// with its list open. With --screenshot it prints named screen points ("point NAME X Y") for
// checking the picture, writes it and exits.

#include "app/artwork/Artwork.h"
#include "app/artwork/ArtworkResources.h"
#include "classlib/Bitmap.h"
#include "classlib/FileSystem.h"
#include "classlib/Forms.h"
#include "classlib/Resources.h"
#include "platform/window/User.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skfilectrl.h"
#include "tools/DemoScreen.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <class T>
T* Put(TForm* Form, TskSkinData* Skin, int Left, int Top, int Width, int Height)
{
    auto* control = new T(Form);
    control->SetParent(Form);
    control->SetBounds(Left, Top, Width, Height);
    control->SetSkinData(Skin);
    return control;
}

} // namespace

int main(int argc, char** argv)
{
    int skinIndex = 0;
    std::string folder, screenshot;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--skin") == 0)
            skinIndex = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--folder") == 0)
            folder = argv[i + 1];
        else if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = argv[i + 1];
    }
    if (folder.empty() || skinIndex < 0 || skinIndex >= static_cast<int>(ArtworkSkins().size()) ||
        !SetCurrentDir(folder)) {
        std::fprintf(stderr, "usage: filectrl_demo --folder PATH [--skin 0..7] [--screenshot file.png]\n");
        return 2;
    }
    Application->Initialize();
    RegisterArtworkBitmaps();
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("Folders and files");
    form->SetBounds(40, 40, 520, 400);
    auto* skin = new TskSkinData(form);
    skin->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skinIndex)].Data);
    (new TskFormSkin(form))->SetSkinData(skin);

    auto* label = new TskSkinStdLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 8, 200, 18);
    label->SetSkinData(skin);
    auto* dirs = Put<TskSkinDirectoryListBox>(form, skin, 10, 30, 200, 220);
    dirs->SetHorizontalExtent(true);
    auto* edit = Put<TskSkinEdit>(form, skin, 230, 8, 270, 20);
    auto* files = Put<TskSkinFileListBox>(form, skin, 230, 30, 270, 220);
    auto* filter = Put<TskSkinFilterComboBox>(form, skin, 230, 260, 270, 22);
    auto* drives = Put<TskSkinDriveComboBox>(form, skin, 10, 260, 200, 22);
    drives->SetDirList(dirs);
    dirs->SetDirLabel(label);
    dirs->SetFileList(files);
    files->SetFileEdit(edit);
    filter->SetFileList(files);
    filter->SetFilter("视频文件|*.avi;*.mp4;*.mkv|All files|*.*");

    // The text area the list gives the shown folder's row (the glyph is placed in it).
    const int current = CountSlashes(dirs->GetDirectory());
    RECT currentText{};
    dirs->OnDrawItem = [&currentText, current, draw = dirs->OnDrawItem](TCanvas* C, int Index, int W, int H, RECT T,
                                                                        TOwnerDrawState State) {
        if (Index == current)
            currentText = T;
        draw(C, Index, W, H, T, State);
    };

    form->Show();
    Settle();
    files->SetItemIndex(1);
    files->ListBoxClick();
    drives->DropDown();
    if (screenshot.empty()) {
        Application->Run();
        return 0;
    }
    RepaintAll();
    // Where the shown folder's glyph starts: its row's indent into the row's text area.
    const RECT row = dirs->ItemRect(current);
    TBitmap glyph;
    LoadBitmapResource(&glyph, "BS_CURRENTFOLDER");
    PrintPoint("current-glyph", dirs->ListBox, row.left + currentText.left + current * 4 + 2,
               row.top + (currentText.top + currentText.bottom - glyph.GetHeight()) / 2);
    std::printf("text edit %s\n", edit->GetText().c_str());
    std::printf("text label %s\n", label->GetCaption().c_str());
    std::fflush(stdout);
    QImage image = GrabScreen();
    const bool ok = !image.isNull() && image.save(QString::fromStdString(screenshot), "PNG");
    DoneApplication();
    return ok ? 0 : 1;
}
