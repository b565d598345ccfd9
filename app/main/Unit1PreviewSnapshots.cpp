// Snapshots of the preview: the snapshot button, the snapshot menu's folder and type commands.

#include "app/main/Unit1.h"

#include "app/main/DesktopOpen.h"
#include "app/main/Snapshots.h"
#include "app/main/Unit1Jobs.h"

#include "classlib/Menus.h"
#include "classlib/SysUtils.h"
#include "engine/FFPlay.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"

void TForm1::BindSnapshotHandlers()
{
    skSkinButton22->OnClick = jobs::Handler(this, &TForm1::skSkinButton22Click);
    skSkinButton23->OnClick = jobs::Handler(this, &TForm1::skSkinButton23Click);
    skSkinButton23->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        skSkinButton23MouseDown(Sender, Button, Shift, X, Y);
    };
    skSkinButton23->SetPopupMenu(skSkinPopupMenu2);
    MenuItem1->OnClick = jobs::Handler(this, &TForm1::MenuItem1Click);
    MenuItem2->OnClick = jobs::Handler(this, &TForm1::MenuItem2Click);
    BMP1->OnClick = jobs::Handler(this, &TForm1::BMP1Click);
    JPG1->OnClick = jobs::Handler(this, &TForm1::JPG1Click);
    GIF1->OnClick = jobs::Handler(this, &TForm1::GIF1Click);
    PNG1->OnClick = jobs::Handler(this, &TForm1::PNG1Click);
}

void TForm1::TickSnapshotType(TSnapshotType Type)
{
    const std::array<TMenuItem*, 4> items{BMP1, JPG1, GIF1, PNG1};
    items[static_cast<std::size_t>(Type)]->SetChecked(true);
}

void TForm1::ChooseSnapshotType(TSnapshotType Type)
{
    WriteSnapshotType(Type);
    TickSnapshotType(Type);
}

void TForm1::skSkinButton22Click(TObject*)
{
    const TFFPicture picture = FFPlayer->CurrentFrame();
    TickSnapshotType(TakeSnapshot(picture, T_Movie_PLayer_FileName, FileExists).type);
}

void TForm1::skSkinButton23MouseDown(TObject*, TMouseButton Button, TShiftState, int, int)
{
    if (Button != TMouseButton::mbLeft)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    skSkinPopupMenu2->Popup(cursor.x, cursor.y);
}

void TForm1::skSkinButton23Click(TObject*)
{
    TickSnapshotType(ResolveSnapshotType());
}

void TForm1::MenuItem1Click(TObject*)
{
    OpenOrTell(Dialogs(), ResolveSnapshotFolder());
}

void TForm1::MenuItem2Click(TObject*)
{
    // A cancel leaves the dialog's folder as last confirmed here or for the output folder.
    Dialogs().SelectFolder(skSkinSelectDirectoryDialog2);
    WriteSnapshotFolder(skSkinSelectDirectoryDialog2.Directory);
}

void TForm1::BMP1Click(TObject*) { ChooseSnapshotType(TSnapshotType::BMP); }
void TForm1::JPG1Click(TObject*) { ChooseSnapshotType(TSnapshotType::JPG); }
void TForm1::GIF1Click(TObject*) { ChooseSnapshotType(TSnapshotType::GIF); }
void TForm1::PNG1Click(TObject*) { ChooseSnapshotType(TSnapshotType::PNG); }
