#include "app/main/Snapshots.h"

#include "app/main/OptionIni.h"

#include "classlib/Bitmap.h"
#include "classlib/GifImage.h"
#include "classlib/JpegImage.h"
#include "classlib/PngImage.h"
#include "classlib/SysUtils.h"
#include "platform/shell/ShellPlaces.h"

#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr const char* kSection = "SnapShot";

struct TTypeRow {
    TSnapshotType type;
    const char* name;
    const char* extension;
};

constexpr std::array<TTypeRow, 4> kTypes{{
    {TSnapshotType::BMP, "BMP", ".bmp"},
    {TSnapshotType::JPG, "JPG", ".jpg"},
    {TSnapshotType::GIF, "GIF", ".gif"},
    {TSnapshotType::PNG, "PNG", ".png"},
}};

const TTypeRow& RowOf(TSnapshotType type)
{
    return kTypes[static_cast<std::size_t>(type)];
}

// The player's picture (32 bits, alpha without meaning) as a 24-bit bitmap.
TDibData FrameAs24Bit(const TFFPicture& picture)
{
    TDibData dib;
    dib.Width = picture.Width;
    dib.Height = picture.Height;
    dib.BitsPerPixel = 24;
    dib.Allocate();
    for (int y = 0; y < dib.Height; ++y) {
        const std::uint8_t* from = picture.Pixels.data() + static_cast<std::size_t>(y) * picture.Width * 4;
        std::uint8_t* to = dib.Row(y);
        for (int x = 0; x < dib.Width; ++x, from += 4, to += 3)
            std::memcpy(to, from, 3);
    }
    return dib;
}

std::unique_ptr<TGraphic> EncoderFor(TSnapshotType type)
{
    switch (type) {
    case TSnapshotType::JPG: {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->SetCompressionQuality(90);
        return jpeg;
    }
    case TSnapshotType::GIF: return std::make_unique<TGIFImage>();
    case TSnapshotType::PNG: return std::make_unique<TPngImage>();
    case TSnapshotType::BMP: break;
    }
    return nullptr;
}

}  // namespace

std::string SnapshotTypeName(TSnapshotType type)
{
    return RowOf(type).name;
}

std::string SnapshotExtension(TSnapshotType type)
{
    return RowOf(type).extension;
}

std::string DefaultSnapshotFolder()
{
    return HomeFolder() + "/Velkor视频软件/快照";
}

std::string ResolveSnapshotFolder()
{
    std::string folder = ReadOption(kSection, "Dir");
    const bool missing = OptionMissing(folder);
    if (missing)
        folder = DefaultSnapshotFolder();
    if (!DirectoryExists(folder))
        ForceDirectories(folder);
    if (missing)
        WriteOption(kSection, "Dir", folder);
    return folder;
}

TSnapshotType ResolveSnapshotType()
{
    const std::string stored = ReadOption(kSection, "Picture");
    for (const TTypeRow& row : kTypes)
        if (stored == row.name)
            return row.type;
    WriteSnapshotType(TSnapshotType::BMP);
    return TSnapshotType::BMP;
}

void WriteSnapshotType(TSnapshotType type)
{
    WriteOption(kSection, "Picture", SnapshotTypeName(type));
}

void WriteSnapshotFolder(const std::string& folder)
{
    if (DirectoryExists(folder))
        WriteOption(kSection, "Dir", folder);
}

std::string SnapshotFileName(const std::string& folder, const std::string& previewFile, TSnapshotType type,
                             const TSnapshotFileExists& exists)
{
    const std::string base = ChangeFileExt(ExtractFileName(previewFile), "");
    for (long long n = 1;; ++n) {
        std::string name = folder + "/" + base + "_" + std::to_string(n) + SnapshotExtension(type);
        if (!exists(name))
            return name;
    }
}

void SaveSnapshotPicture(const TFFPicture& picture, TSnapshotType type, const std::string& fileName)
{
    TBitmap bitmap;
    bitmap.SetDibData(FrameAs24Bit(picture));
    std::unique_ptr<TGraphic> encoder = EncoderFor(type);
    if (!encoder) {
        bitmap.SaveToFile(fileName);
        return;
    }
    encoder->Assign(&bitmap);
    encoder->SaveToFile(fileName);
}

TSnapshotResult TakeSnapshot(const TFFPicture& picture, const std::string& previewFile,
                             const TSnapshotFileExists& exists)
{
    const std::string folder = ResolveSnapshotFolder();
    TSnapshotResult result;
    result.type = ResolveSnapshotType();
    if (picture.Width <= 0 || picture.Height <= 0)
        return result;
    result.fileName = SnapshotFileName(folder, previewFile, result.type, exists);
    SaveSnapshotPicture(picture, result.type, result.fileName);
    return result;
}
