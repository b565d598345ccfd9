#include "skin/core/skSkinData.h"

#include "classlib/Streams.h"

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "platform/window/MessageLoop.h"
#include "skin/core/skSkinPayload.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

std::string ReadWholeFile(const std::string& name)
{
    TMemoryStream m;
    m.LoadFromFile(name);
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

void WriteWholeFile(const std::string& name, const std::string& bytes)
{
    TFileStream f(name, fmCreate);
    f.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

// A picture of a stored skin: a BMP image that must fill exactly the bytes it was given.
std::unique_ptr<TBitmap> DecodeBmp(const std::string& bytes)
{
    TMemoryStream m;
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    m.SetPosition(0);
    auto bmp = std::make_unique<TBitmap>();
    bmp->LoadFromStream(&m);
    return bmp;
}

std::unique_ptr<TBitmap> DecodeBmp(const std::optional<std::string>& bytes)
{
    return bytes ? DecodeBmp(*bytes) : std::make_unique<TBitmap>();
}

std::unique_ptr<TBitmap> LoadBmpFile(const std::string& name)
{
    auto bmp = std::make_unique<TBitmap>();
    bmp->LoadFromFile(name);
    return bmp;
}

} // namespace

TskSkinData::TskSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TskSkinData::~TskSkinData()
{
    Empty = true;
}

bool TskSkinData::Designing() const
{
    return ComponentState().Contains(csDesigning);
}

bool TskSkinData::Reading() const
{
    return ComponentState().Contains(csReading) || ComponentState().Contains(csLoading);
}

void TskSkinData::Apply(TskSkinContent&& Next)
{
    Empty = true;
    ChangeSkinDataProcess = true;
    SendSkinDataMessage(SKM_BEFORESKINCHANGE);
    static_cast<TskSkinContent&>(*this) = std::move(Next);
    Empty = false;
    SendSkinDataMessage(SKM_SKINCHANGE);
    ChangeSkinDataProcess = false;
    SendSkinDataMessage(SKM_AFTERSKINCHANGE);
}

void TskSkinData::LoadFromFile(const std::string& FileName)
{
    const TskMemIniFile ini(DecodeSkinText(ReadWholeFile(FileName)));
    if (!HasRequiredSkinSections(ini))
        return;
    const std::string folder = ExtractFilePath(FileName);
    TskSkinContent next;
    next.ReadSkinIni(ini);
    auto picture = [&](const std::string& name) {
        return name.empty() ? std::make_unique<TBitmap>() : LoadBmpFile(folder + name);
    };
    next.FPicture = picture(next.FPictureName);
    next.FInActivePicture = picture(next.FInActivePictureName);
    next.FMask = picture(next.FMaskName);
    for (const auto& name : next.FActivePicturesNames)
        next.FActivePictures.push_back(LoadBmpFile(folder + name));
    Apply(std::move(next));
}

void TskSkinData::LoadCompressedStoredSkin(TskCompressedStoredSkin* AStoredSkin)
{
    if (!AStoredSkin || AStoredSkin->Empty())
        return;
    TMemoryStream plain;
    AStoredSkin->DeCompressToStream(&plain);
    const TskSkinPayload payload = TskSkinPayload::Parse(
        std::string_view(static_cast<const char*>(plain.Memory()), static_cast<std::size_t>(plain.Size())));
    TskSkinContent next;
    next.FPicture = DecodeBmp(payload.Picture);
    next.FInActivePicture = DecodeBmp(payload.InActivePicture);
    next.FMask = DecodeBmp(payload.Mask);
    for (const auto& bytes : payload.ActivePictures)
        next.FActivePictures.push_back(DecodeBmp(bytes));
    next.ReadSkinIni(TskMemIniFile(payload.Text));
    Apply(std::move(next));
}

void TskSkinData::LoadFromCompressedFile(const std::string& FileName)
{
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressFile(FileName);
    if (!stored.Empty())
        LoadCompressedStoredSkin(&stored);
}

void TskSkinData::LoadFromCompressedBytes(std::string_view Bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    stream.SetPosition(0);
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(&stream);
    if (!stored.Empty())
        LoadCompressedStoredSkin(&stored);
}

void TskSkinData::SaveToCompressedFile(const std::string& FileName)
{
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinData(this);
    stored.SaveToCompressFile(FileName);
}

void TskSkinData::SaveToFile(const std::string& FileName)
{
    TskMemIniFile ini;
    if (FileExists(FileName))
        ini.SetText(DecodeSkinText(ReadWholeFile(FileName)));
    WriteSkinIni(ini);
    WriteWholeFile(FileName, ini.GetText());
}

void TskSkinData::StoreToDisk(const std::string& AFileName)
{
    SaveToFile(AFileName);
    const std::string folder = ExtractFilePath(AFileName);
    // A picture is written only under a name; a skin read from a package may hold pictures
    // whose names its text does not give.
    auto store = [&](TBitmap* picture, const std::string& name) {
        if (!picture->Empty() && !name.empty())
            picture->SaveToFile(folder + name);
    };
    store(FPicture.get(), FPictureName);
    store(FInActivePicture.get(), FInActivePictureName);
    store(FMask.get(), FMaskName);
    for (std::size_t i = 0; i < FActivePictures.size() && i < FActivePicturesNames.size(); ++i)
        store(FActivePictures[i].get(), FActivePicturesNames[i]);
}

void TskSkinData::ClearObjects()
{
    ObjectList.clear();
    CtrlList.clear();
    FActivePictures.clear();
    LayerFrame->PictureIndex = -1;
    PopupWindow->WindowPictureIndex = -1;
    HintWindow->WindowPictureIndex = -1;
    FActivePicturesNames.clear();
    FSkinColors->SetColorsToDefault();
}

void TskSkinData::ClearAll()
{
    ClearObjects();
    FPicture = std::make_unique<TBitmap>();
    FMask = std::make_unique<TBitmap>();
    FInActivePicture = std::make_unique<TBitmap>();
    FPictureName.clear();
    FMaskName.clear();
    Empty = true;
}

void TskSkinData::ClearSkin()
{
    ClearAll();
    SendSkinDataMessage(SKM_BEFORESKINCHANGE);
    SendSkinDataMessage(SKM_SKINCHANGE);
    SendSkinDataMessage(SKM_AFTERSKINCHANGE);
}

void TskSkinData::AddBitMap(const std::string& FileName)
{
    auto bmp = LoadBmpFile(FileName);
    FActivePictures.push_back(std::move(bmp));
    FActivePicturesNames.push_back(ExtractFileName(FileName));
}

void TskSkinData::DeleteBitMap(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(FActivePictures.size()))
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FActivePictures.erase(FActivePictures.begin() + Index);
    if (Index < static_cast<int>(FActivePicturesNames.size()))
        FActivePicturesNames.erase(FActivePicturesNames.begin() + Index);
}

void TskSkinData::SetSkinnableForm(bool Value)
{
    if (FSkinnableForm == Value)
        return;
    FSkinnableForm = Value;
    if (!Designing() && !Reading())
        SendSkinDataMessage(SKM_SKINNABLECHANGED);
}

void TskSkinData::SetShowLayeredBorders(bool Value)
{
    if (FShowLayeredBorders == Value)
        return;
    FShowLayeredBorders = Value;
    if (!Designing() && !Reading())
        SendSkinDataMessage(SKM_LAYEREDBORDERSCHANGED);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* Value)
{
    if (FCompressedStoredSkin)
        FCompressedStoredSkin->RemoveFreeNotification(this);
    FCompressedStoredSkin = Value;
    if (Value)
        Value->FreeNotification(this);
    if (!Designing() && Value)
        LoadCompressedStoredSkin(Value);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* Value)
{
    if (FResourceStrData)
        FResourceStrData->RemoveFreeNotification(this);
    FResourceStrData = Value;
    if (Value)
        Value->FreeNotification(this);
    if (!Designing())
        SendSkinDataMessage(SKM_RESOURCESTRCHANGED);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* Value)
{
    if (FCompressedSkinList)
        FCompressedSkinList->RemoveFreeNotification(this);
    FCompressedSkinList = Value;
    if (Value)
        Value->FreeNotification(this);
    if (!Designing() && Value && FCompressedSkinIndex >= 0 && FCompressedSkinIndex < Value->Skins()->Count())
        LoadCompressedStoredSkin(Value->Skins()->Items(FCompressedSkinIndex)->Skin());
}

void TskSkinData::SetSkinIndex(int Value)
{
    if (Value == FCompressedSkinIndex)
        return;
    if (!FCompressedSkinList) {
        FCompressedSkinIndex = Value;
        return;
    }
    if (Value < 0 || Value >= FCompressedSkinList->Skins()->Count())
        return;
    const int old = FCompressedSkinIndex;
    FCompressedSkinIndex = Value;
    if (Designing())
        return;
    try {
        LoadCompressedStoredSkin(FCompressedSkinList->Skins()->Items(Value)->Skin());
    } catch (...) {
        FCompressedSkinIndex = old;  // the old skin is still the one in force
        throw;
    }
}

void TskSkinData::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FCompressedStoredSkin)
        FCompressedStoredSkin = nullptr;
    if (AComponent == FResourceStrData)
        FResourceStrData = nullptr;
    if (AComponent == FCompressedSkinList)
        FCompressedSkinList = nullptr;
}

void TskSkinData::SendSkinDataMessage(UINT M)
{
    const auto wParam = reinterpret_cast<WPARAM>(this);
    // With layered borders off the owner form hears first; otherwise it waits its turn.
    TForm* first = nullptr;
    if (auto* owner = dynamic_cast<TForm*>(Owner()); owner && !FShowLayeredBorders) {
        first = owner;
        SendMessage(owner->GetHandle(), M, wParam, kSkinDataMessageParam);
    }
    // Windows are collected before any is sent to, so receivers may create or free forms.
    std::vector<HWND> windows;
    for (int i = 0; Screen && i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if (form != first && form->ClassName() != "TskFormLayerWindow")
            windows.push_back(form->GetHandle());
    }
    if (FShowLayeredBorders && LayerFrame->PictureIndex != -1)
        std::reverse(windows.begin(), windows.end());
    for (HWND window : windows)
        SendMessage(window, M, wParam, kSkinDataMessageParam);
}
