// The desktop's tray through Qt Widgets' tray icon.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Objects.h"
#include "platform/system/Tray.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <map>
#include <memory>
#include <vector>

namespace {

std::vector<std::uint32_t> Rows(HBITMAP bitmap, int width, int height)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    GetDIBits(nullptr, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

// The icon's picture with alpha: its own alpha when it has any, else its mask's.
QImage IconImage(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bm{};
    GetObject(info.hbmColor, sizeof(bm), &bm);
    QImage image;
    if (bm.bmWidth > 0 && bm.bmHeight > 0) {
        std::vector<std::uint32_t> colour = Rows(info.hbmColor, bm.bmWidth, bm.bmHeight);
        bool hasAlpha = false;
        for (std::uint32_t p : colour)
            hasAlpha = hasAlpha || (p >> 24) != 0;
        if (!hasAlpha) {
            const std::vector<std::uint32_t> mask = Rows(info.hbmMask, bm.bmWidth, bm.bmHeight);
            for (std::size_t i = 0; i < colour.size(); ++i)
                colour[i] = (colour[i] & 0xFFFFFFu) | ((mask[i] & 0xFFFFFFu) ? 0u : 0xFF000000u);
        }
        image = QImage(reinterpret_cast<const uchar*>(colour.data()), bm.bmWidth, bm.bmHeight,
                       QImage::Format_ARGB32)
                    .copy();
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return image;
}

class QtTrayBackend : public TrayBackend {
public:
    bool Available() override
    {
        return qobject_cast<QApplication*>(QCoreApplication::instance()) && QSystemTrayIcon::isSystemTrayAvailable();
    }

    bool Show(int key, HICON icon, const std::string& tip) override
    {
        if (!Available())
            return false;
        auto& slot = icons_[key];
        if (!slot) {
            slot = std::make_unique<QSystemTrayIcon>();
            QObject::connect(slot.get(), &QSystemTrayIcon::activated, [this, key](QSystemTrayIcon::ActivationReason r) {
                if (!Activated)
                    return;
                switch (r) {
                case QSystemTrayIcon::Trigger: Activated(key, TrayActivation::Click); break;
                case QSystemTrayIcon::DoubleClick: Activated(key, TrayActivation::DoubleClick); break;
                case QSystemTrayIcon::Context: Activated(key, TrayActivation::Context); break;
                case QSystemTrayIcon::MiddleClick: Activated(key, TrayActivation::Middle); break;
                default: break;
                }
            });
            QObject::connect(slot.get(), &QSystemTrayIcon::messageClicked, [this, key] {
                if (Activated)
                    Activated(key, TrayActivation::BalloonClick);
            });
        }
        if (icon)
            slot->setIcon(QIcon(QPixmap::fromImage(IconImage(icon))));
        slot->setToolTip(QString::fromStdString(tip));
        slot->show();
        return true;
    }

    bool Remove(int key) override { return icons_.erase(key) > 0; }

    bool ShowMessage(int key, const std::string& title, const std::string& text, DWORD kind) override
    {
        auto it = icons_.find(key);
        if (it == icons_.end())
            return false;
        static const QSystemTrayIcon::MessageIcon kinds[] = {QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information,
                                                             QSystemTrayIcon::Warning, QSystemTrayIcon::Critical};
        it->second->showMessage(QString::fromStdString(title), QString::fromStdString(text), kinds[kind < 4 ? kind : 0]);
        return true;
    }

private:
    std::map<int, std::unique_ptr<QSystemTrayIcon>> icons_;
};

} // namespace

TrayBackend& DefaultTrayBackend()
{
    static QtTrayBackend backend;
    return backend;
}
