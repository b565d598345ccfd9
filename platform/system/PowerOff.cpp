#include "platform/system/PowerOff.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>

#include <atomic>

namespace {

// org.freedesktop.login1's PowerOff on the system bus, with "interactive" set.
class TLoginManagerPower : public TPowerService {
public:
    bool PowerOff(std::string& Error) override
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected()) {
            Error = "The system bus is not available: " + bus.lastError().message().toStdString();
            return false;
        }
        QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                           "org.freedesktop.login1.Manager", "PowerOff");
        call << true;
        QDBusMessage reply = bus.call(call, QDBus::Block, 30000);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            Error = reply.errorMessage().toStdString();
            if (Error.empty())
                Error = reply.errorName().toStdString();
            return false;
        }
        return true;
    }
};

std::atomic<TPowerService*> replacement{nullptr};

} // namespace

TPowerService& GetPowerService()
{
    static TLoginManagerPower loginManager;
    TPowerService* service = replacement.load();
    return service != nullptr ? *service : loginManager;
}

void SetPowerService(TPowerService* Service) { replacement.store(Service); }

bool RequestPowerOff(std::string& Error)
{
    Error.clear();
    return GetPowerService().PowerOff(Error);
}
