#pragma once
// Playing a sound file without waiting for it: the call returns at once and the sound plays on a
// thread of its own. A new sound stops the one still playing. Tests replace the service so that
// calls are recorded and nothing is played.

#include <string>

class TSoundService {
public:
    virtual ~TSoundService() = default;
    // Starts playing the WAVE file; false when it cannot be read.
    virtual bool PlayAsync(const std::string& FileName) = 0;
};

// The service in force: the sound device's unless replaced.
TSoundService& GetSoundService();
// Replaces the service; nullptr restores the device's. The caller keeps it alive.
void SetSoundService(TSoundService* Service);

// Starts playing FileName through the service in force.
bool PlaySoundAsync(const std::string& FileName);
