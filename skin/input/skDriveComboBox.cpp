// TskSkinDriveComboBox: Computer's volumes with their glyphs; the selected one drives a folder
// list.

#include "skin/input/skfilectrl.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/FileSystem.h"
#include "classlib/Resources.h"
#include "classlib/SysUtils.h"

std::unique_ptr<TBitmap> LoadFileCtrlBitmap(const std::string& Name)
{
    auto bitmap = std::make_unique<TBitmap>();
    LoadBitmapResource(bitmap.get(), Name);
    bitmap->SetTransparent(true);
    return bitmap;
}

TskSkinDriveComboBox::TskSkinDriveComboBox(TComponent* AOwner)
    : TskSkinComboBox(AOwner), FloppyBMP(LoadFileCtrlBitmap("BS_FLOPPY")), FixedBMP(LoadFileCtrlBitmap("BS_HARD")),
      NetworkBMP(LoadFileCtrlBitmap("BS_NETWORK")), CDROMBMP(LoadFileCtrlBitmap("BS_CDROM"))
{
    OnChange = [this](TObject*) { DriveComboChange(); };
    const TskDrawSkinItemEvent draw = [this](TCanvas* Cnvs, int Index, int, int, RECT TxtRect, TOwnerDrawState) {
        DrawDriveItem(Cnvs, Index, TxtRect);
    };
    OnComboBoxDrawItem = draw;
    ListBoxWindow()->OnDrawItem = draw;
    SetDrive(VolumeOf(GetCurrentDir()));
}

TskSkinDriveComboBox::~TskSkinDriveComboBox() = default;

void TskSkinDriveComboBox::CreateWnd()
{
    TskSkinComboBox::CreateWnd();
    BuildDriveList();
    SetDrive(FDrive);
}

void TskSkinDriveComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinComboBox::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FDirList)
        FDirList = nullptr;
}

void TskSkinDriveComboBox::BuildDriveList()
{
    Items()->Clear();
    FDrives = ::BuildDriveList();
    for (const TDriveItem& drive : FDrives) {
        // A removable volume shows its mount point alone, as its medium may come and go.
        const std::string label = FTextCase == tcUpperCase ? UpperCase(drive.Label) : LowerCase(drive.Label);
        Items()->Add(drive.Kind == TDriveKind::Removable ? drive.Drive : drive.Drive + " " + label);
    }
}

void TskSkinDriveComboBox::SetDrive(const std::string& Value)
{
    if (GetItemIndex() >= 0 && Value == FDrive)
        return;
    FDrive = Value;
    int index = -1;
    if (!Value.empty())
        for (std::size_t i = 0; i < FDrives.size() && index < 0; ++i)
            if (FDrives[i].Drive == Value)
                index = static_cast<int>(i);
    SetItemIndex(index);
    if (FDirList)
        FDirList->DriveChange(FDrive);
    SelectionChanged();
}

void TskSkinDriveComboBox::SetTextCase(TTextCase Value)
{
    FTextCase = Value;
    BuildDriveList();
    SetDrive(FDrive);
}

void TskSkinDriveComboBox::SetDirList(TskSkinDirectoryListBox* Value)
{
    if (FDirList)
        FDirList->FDriveCombo = nullptr;
    FDirList = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->FDriveCombo = this;
    }
}

void TskSkinDriveComboBox::DriveComboChange()
{
    const int index = GetItemIndex();
    if (index >= 0 && index < static_cast<int>(FDrives.size()))
        SetDrive(FDrives[static_cast<std::size_t>(index)].Drive);
}

TBitmap* TskSkinDriveComboBox::BitmapOf(TDriveKind Kind) const
{
    switch (Kind) {
    case TDriveKind::Removable: return FloppyBMP.get();
    case TDriveKind::Network: return NetworkBMP.get();
    case TDriveKind::CDROM: return CDROMBMP.get();
    case TDriveKind::Fixed: break;
    }
    return FixedBMP.get();
}

void TskSkinDriveComboBox::DrawDriveItem(TCanvas* Cnvs, int Index, RECT TxtRect)
{
    if (Index < 0 || Index >= Items()->Count())
        return;
    int width = 0;
    if (Index < static_cast<int>(FDrives.size())) {
        TBitmap* bitmap = BitmapOf(FDrives[static_cast<std::size_t>(Index)].Kind);
        Cnvs->Draw(TxtRect.left, (TxtRect.top + TxtRect.bottom - bitmap->GetHeight()) / 2, bitmap);
        width = bitmap->GetWidth();
    }
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    Cnvs->TextOut(TxtRect.left + width + 6, TxtRect.top + (TxtRect.bottom - TxtRect.top) / 2 - Cnvs->TextHeight("Wg") / 2,
                  Items()->Get(Index));
}
