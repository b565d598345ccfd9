#include "platform/shell/ShellExecute.h"

#include "platform/kernel/Utf8.h"
#include "platform/shell/DesktopOpener.h"

#include <QByteArray>
#include <QUrl>

#include <cstring>

namespace {

std::function<void(const std::string&)>& FailedReporter()
{
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

bool OpenWithDesktop(const std::string& target)
{
    // A local path goes with its own bytes, so names that are not UTF-8 open too; other texts
    // become addresses as a browser's address bar would read them.
    std::string address = target;
    if (target[0] != '/') {
        const QUrl url = QUrl::fromUserInput(QString::fromStdString(target));
        if (!url.isValid())
            return false;
        address = url.toEncoded().toStdString();
    }
    return StartDesktopOpener(address, [target] {
        if (auto reporter = FailedReporter())
            reporter(target);
    });
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

void SetShellOpenFailedReporter(std::function<void(const std::string& target)> reporter)
{
    FailedReporter() = std::move(reporter);
}
