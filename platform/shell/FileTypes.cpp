#include "platform/shell/FileTypes.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QString>
#include <map>
#include <mutex>

namespace {

struct TypeInfo {
    std::string name;
    bool known = false;
    ShellIconKind kind = ShellIconKind::File;
};

bool isArchive(const QMimeType& type)
{
    static const char* const archives[] = {
        "application/zip", "application/x-tar", "application/gzip", "application/x-bzip2",
        "application/x-xz", "application/x-7z-compressed", "application/vnd.rar",
        "application/x-rar-compressed", "application/x-compressed-tar", "application/zstd",
        "application/x-archive", "application/x-cpio", "application/x-lzma"};
    for (const char* name : archives)
        if (type.inherits(QString::fromLatin1(name)))
            return true;
    return false;
}

ShellIconKind kindOf(const QMimeType& type)
{
    const QString name = type.name();
    if (name.startsWith(QLatin1String("video/")))
        return ShellIconKind::Video;
    if (name.startsWith(QLatin1String("audio/")))
        return ShellIconKind::Audio;
    if (name.startsWith(QLatin1String("image/")))
        return ShellIconKind::Picture;
    if (isArchive(type))
        return ShellIconKind::Archive;
    if (type.inherits(QStringLiteral("text/plain")))
        return ShellIconKind::Text;
    return ShellIconKind::File;
}

std::string extensionOf(const std::string& fileName)
{
    const auto slash = fileName.find_last_of('/');
    const std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

TypeInfo lookUp(const std::string& fileName)
{
    static std::mutex lock;
    static std::map<std::string, TypeInfo> cache;
    std::string key = extensionOf(fileName);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    std::lock_guard guard(lock);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    TypeInfo info;
    if (!key.empty()) {
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(QString::fromStdString("x" + key), QMimeDatabase::MatchExtension);
        if (type.isValid() && !type.isDefault()) {
            info.name = type.comment().toStdString();
            info.known = true;
            info.kind = kindOf(type);
        }
    }
    cache.emplace(key, info);
    return info;
}

} // namespace

std::string FileTypeName(const std::string& fileName)
{
    const TypeInfo info = lookUp(fileName);
    return info.known ? info.name : extensionOf(fileName);
}

std::string FolderTypeName()
{
    return QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")).comment().toStdString();
}

ShellIconKind FileIconKind(const std::string& fileName)
{
    return lookUp(fileName).kind;
}
