#pragma once
// Powering the machine off through the login manager. The request is interactive: the login
// manager may ask the user for authorisation, and other sessions' programs are never forced to
// end. Tests replace the service so that nothing is ever powered off.

#include <string>

class TPowerService {
public:
    virtual ~TPowerService() = default;
    // True when the login manager accepted the request; Error says why not otherwise.
    virtual bool PowerOff(std::string& Error) = 0;
};

// The service in force: the login manager's unless replaced.
TPowerService& GetPowerService();
// Replaces the service; nullptr restores the login manager's. The caller keeps it alive.
void SetPowerService(TPowerService* Service);

// Asks the service in force to power off; false (with the reason in Error) when refused.
bool RequestPowerOff(std::string& Error);
