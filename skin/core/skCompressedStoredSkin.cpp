#include "skin/core/skCompressedStoredSkin.h"

#include "classlib/Strings.h"
#include "classlib/SysUtils.h"
#include "skin/core/skMemIniFile.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinPayload.h"
#include "skin/core/skSkinValues.h"
#include "skin/core/skzlibcompress.h"

#include <cstdint>
#include <memory>

namespace {

std::string ReadWholeFile(const std::string& name)
{
    TMemoryStream m;
    m.LoadFromFile(name);
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

// A BMP file of a skin folder as the package stores it: exactly the bytes its header claims.
std::string ReadBmpFile(const std::string& name)
{
    std::string bytes = ReadWholeFile(name);
    bytes.resize(BmpImageLength(bytes));
    return bytes;
}

void WriteInt32(TStream* s, std::int32_t v)
{
    std::uint8_t b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    s->WriteBuffer(b, 4);
}

std::int32_t ReadInt32(TStream* s)
{
    std::uint8_t b[4];
    s->ReadBuffer(b, 4);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                     static_cast<std::uint32_t>(b[2]) << 16 |
                                     static_cast<std::uint32_t>(b[3]) << 24);
}

} // namespace

TskCompressedStoredSkin::TskCompressedStoredSkin(TComponent* AOwner)
    : TComponent(AOwner), FCompressedStream(new TMemoryStream)
{
}

TskCompressedStoredSkin::~TskCompressedStoredSkin()
{
    delete FCompressedStream;
}

bool TskCompressedStoredSkin::Empty()
{
    return FCompressedStream->Size() == 0;
}

bool TskCompressedStoredSkin::LoadsOnAssignment() const
{
    const TComponentState state = ComponentState();
    return state.Contains(csDesigning) && !state.Contains(csReading) && !state.Contains(csLoading);
}

void TskCompressedStoredSkin::LoadFromIniFile(const std::string& AFileName)
{
    TStringList lines;
    lines.SetText(DecodeSkinText(ReadWholeFile(AFileName)));
    lines.SetLineBreak("\r\n");
    const std::string text = lines.Text();
    TskMemIniFile ini(text);
    if (!HasRequiredSkinSections(ini))
        return;

    const std::string folder = ExtractFilePath(AFileName);
    auto picture = [&](const char* key) -> std::optional<std::string> {
        const std::string name = ini.ReadString("PICTURES", key, "");
        if (name.empty())
            return std::nullopt;
        return ReadBmpFile(folder + name);
    };
    TskSkinPayload payload;
    payload.Picture = picture("picture");
    payload.InActivePicture = picture("inactivepicture");
    payload.Mask = picture("mask");
    std::vector<std::string> names;
    ReadStringListValue(ini, "PICTURES", "activepictures", names);
    for (const auto& name : names)
        payload.ActivePictures.push_back(ReadBmpFile(folder + name));
    payload.Text = text;
    Pack(payload);
}

void TskCompressedStoredSkin::LoadFromSkinData(TskSkinData* ASkinData)
{
    auto encode = [](TBitmap* picture) {
        TMemoryStream m;
        picture->SaveToStream(&m);
        return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
    };
    auto flagged = [&](TBitmap* picture) -> std::optional<std::string> {
        if (!picture || picture->Empty())
            return std::nullopt;
        return encode(picture);
    };
    TskSkinPayload payload;
    payload.Picture = flagged(ASkinData->FPicture.get());
    payload.InActivePicture = flagged(ASkinData->FInActivePicture.get());
    payload.Mask = flagged(ASkinData->FMask.get());
    for (const auto& picture : ASkinData->FActivePictures)
        payload.ActivePictures.push_back(encode(picture.get()));
    TskMemIniFile ini;
    ASkinData->WriteSkinIni(ini);
    payload.Text = ini.GetText();
    Pack(payload);
}

void TskCompressedStoredSkin::Pack(const TskSkinPayload& Payload)
{
    const std::string bytes = Payload.Build();
    TMemoryStream plain;
    plain.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    auto packed = std::make_unique<TMemoryStream>();
    CompressSkinStream(&plain, packed.get());
    delete FCompressedStream;
    FCompressedStream = packed.release();
}

void TskCompressedStoredSkin::LoadFromCompressFile(const std::string& AFileName)
{
    TFileStream f(AFileName, fmOpenRead | fmShareDenyWrite);
    LoadFromCompressStream(&f);
}

void TskCompressedStoredSkin::LoadFromCompressStream(TStream* Stream)
{
    Stream->SetPosition(0);
    const std::int32_t version = ReadInt32(Stream);
    if (version > kSkinFormatVersion)
        throw EskSkinFormatError("Stored skin has the unknown format version " + std::to_string(version));
    const std::int32_t n = ReadInt32(Stream);
    if (n < 0 || n > Stream->Size() - Stream->Position())
        throw EskSkinFormatError("Stored skin claims " + std::to_string(n) + " bytes of data; " +
                                 std::to_string(Stream->Size() - Stream->Position()) + " follow");
    auto data = std::make_unique<TMemoryStream>();
    if (n > 0)
        data->CopyFrom(Stream, n);
    data->SetPosition(0);
    delete FCompressedStream;
    FCompressedStream = data.release();
}

void TskCompressedStoredSkin::SaveToCompressFile(const std::string& AFileName)
{
    if (Empty())
        return;
    TFileStream f(AFileName, fmCreate);
    SaveToCompressStream(&f);
}

void TskCompressedStoredSkin::SaveToCompressStream(TStream* Stream)
{
    WriteInt32(Stream, kSkinFormatVersion);
    WriteInt32(Stream, static_cast<std::int32_t>(FCompressedStream->Size()));
    if (!Empty())
        Stream->WriteBuffer(FCompressedStream->Memory(), FCompressedStream->Size());
}

void TskCompressedStoredSkin::DeCompressToStream(TMemoryStream* S)
{
    DecompressSkinStream(S, FCompressedStream);
}

void TskCompressedStoredSkin::SetFileName(const std::string& Value)
{
    if (LoadsOnAssignment()) {
        LoadFromIniFile(Value);
        FFileName = ExtractFileName(Value);
    } else {
        FFileName = Value;
    }
}

void TskCompressedStoredSkin::SetCompressedFileName(const std::string& Value)
{
    if (LoadsOnAssignment()) {
        LoadFromCompressFile(Value);
        FCompressedFileName = ExtractFileName(Value);
    } else {
        FCompressedFileName = Value;
    }
}
