#include "platform/window/Clipboard.h"

#include "platform/kernel/Utf8.h"
#include "platform/qt/QtApp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class QtClipboardStore final : public ClipboardStore {
public:
    std::optional<std::string> Text() override
    {
        EnsureGuiApplication();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (!data || !data->hasText())
            return std::nullopt;
        return data->text().toStdString();
    }
    void SetText(const std::string& text) override
    {
        EnsureGuiApplication();
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
};

std::unique_ptr<ClipboardStore>& Installed()
{
    static std::unique_ptr<ClipboardStore> store;
    return store;
}

ClipboardStore& Store()
{
    auto& store = Installed();
    if (!store)
        store = std::make_unique<QtClipboardStore>();
    return *store;
}

} // namespace

void SetClipboardStore(std::unique_ptr<ClipboardStore> store)
{
    Installed() = std::move(store);
}

bool IsClipboardTextAvailable()
{
    return Store().Text().has_value();
}

std::string GetClipboardText()
{
    return SanitizeUtf8(Store().Text().value_or(std::string()));
}

BOOL SetClipboardText(const std::string& text)
{
    Store().SetText(SanitizeUtf8(text));
    return TRUE;
}
