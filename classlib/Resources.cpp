#include "classlib/Resources.h"

#include "classlib/Bitmap.h"
#include "classlib/BmpFile.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "classlib/SysUtils.h"

#include <map>
#include <mutex>

namespace {

std::mutex resourceLock;

std::map<std::string, std::string>& resources()
{
    static std::map<std::string, std::string> table;
    return table;
}

} // namespace

void RegisterBitmapResource(const std::string& Name, std::string_view FileBytes)
{
    std::lock_guard lock(resourceLock);
    resources()[UpperCase(Name)] = std::string(FileBytes);
}

bool BitmapResourceExists(const std::string& Name)
{
    std::lock_guard lock(resourceLock);
    return resources().count(UpperCase(Name)) > 0;
}

void LoadBitmapResource(TBitmap* Bitmap, const std::string& Name)
{
    std::string bytes;
    {
        std::lock_guard lock(resourceLock);
        const auto it = resources().find(UpperCase(Name));
        if (it == resources().end())
            throw EResNotFound("Resource " + Name + " not found");
        bytes = it->second;
    }
    TMemoryStream stream;
    stream.Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.Seek(0, TSeekOrigin::soBeginning);
    const bool png = bytes.compare(0, 4, "\x89PNG") == 0;
    Bitmap->SetDibData(png ? ReadPng(&stream) : ReadBmp(&stream));
}
