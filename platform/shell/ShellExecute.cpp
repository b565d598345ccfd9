#include "platform/shell/ShellExecute.h"

#include "platform/kernel/Utf8.h"
#include "platform/qt/QtApp.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

#include <cstring>

namespace {

bool OpenWithDesktop(const std::string& target)
{
    EnsureGuiApplication();
    // A local path goes as a file address of its own bytes: names that are not UTF-8 open too.
    const QUrl url = target[0] == '/'
                         ? QUrl::fromEncoded("file://" + QByteArray::fromStdString(target).toPercentEncoding("/"))
                         : QUrl::fromUserInput(QString::fromStdString(target));
    return url.isValid() && QDesktopServices::openUrl(url);
}

std::function<bool(const std::string&)>& Opener()
{
    static std::function<bool(const std::string&)> opener;
    return opener;
}

HINSTANCE Code(std::uintptr_t value)
{
    return reinterpret_cast<HINSTANCE>(value);
}

} // namespace

HINSTANCE ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, int)
{
    if (verb && *verb && std::strcmp(verb, "open") != 0)
        return Code(31);
    if (!file || !*file)
        return Code(2);
    const std::string target = file[0] == '/' ? std::string(file) : SanitizeUtf8(file);
    auto opener = Opener();
    const bool taken = opener ? opener(target) : OpenWithDesktop(target);
    return Code(taken ? 42 : 31);
}

void SetShellOpener(std::function<bool(const std::string& target)> opener)
{
    Opener() = std::move(opener);
}
