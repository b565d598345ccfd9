#include "platform/system/SoundPlayer.h"

#include "platform/system/WaveFile.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace {

snd_pcm_format_t AlsaFormat(TWaveData::TSampleKind kind)
{
    using K = TWaveData::TSampleKind;
    switch (kind) {
    case K::Unsigned8: return SND_PCM_FORMAT_U8;
    case K::Signed16: return SND_PCM_FORMAT_S16_LE;
    case K::Signed24: return SND_PCM_FORMAT_S24_3LE;
    case K::Signed32: return SND_PCM_FORMAT_S32_LE;
    case K::Float32: return SND_PCM_FORMAT_FLOAT_LE;
    }
    return SND_PCM_FORMAT_S16_LE;
}

// Writes the samples to the default device in short pieces so that a stop is noticed quickly.
// Without a device (a headless machine) the sound is silently not played.
void Play(const TWaveData& wave, const std::atomic<bool>& stop)
{
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return;
    if (snd_pcm_set_params(pcm, AlsaFormat(wave.Kind), SND_PCM_ACCESS_RW_INTERLEAVED,
                           static_cast<unsigned>(wave.Channels), static_cast<unsigned>(wave.SampleRate), 1,
                           200000) == 0) {
        const snd_pcm_uframes_t total = wave.Samples.size() / static_cast<std::size_t>(wave.FrameBytes);
        const snd_pcm_uframes_t piece = static_cast<snd_pcm_uframes_t>(wave.SampleRate / 20);
        snd_pcm_uframes_t done = 0;
        while (done < total && !stop.load()) {
            const snd_pcm_uframes_t count = std::min(piece, total - done);
            snd_pcm_sframes_t written =
                snd_pcm_writei(pcm, wave.Samples.data() + done * static_cast<std::size_t>(wave.FrameBytes), count);
            if (written < 0)
                written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
            if (written < 0)
                break;
            done += static_cast<snd_pcm_uframes_t>(written);
        }
        if (stop.load())
            snd_pcm_drop(pcm);
        else
            snd_pcm_drain(pcm);
    }
    snd_pcm_close(pcm);
}

// A machine without a sound device is normal here: its absence is not worth a console line.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

class TDeviceSound : public TSoundService {
public:
    TDeviceSound() { snd_lib_error_set_handler(QuietAlsaError); }
    ~TDeviceSound() override { StopCurrent(); }

    bool PlayAsync(const std::string& FileName) override
    {
        auto wave = std::make_shared<TWaveData>();
        std::string error;
        if (!ReadWaveFile(FileName, *wave, error))
            return false;
        std::lock_guard<std::mutex> lock(FLock);
        StopCurrent();
        FStop = std::make_shared<std::atomic<bool>>(false);
        FThread = std::thread([wave, stop = FStop] { Play(*wave, *stop); });
        return true;
    }

private:
    void StopCurrent()
    {
        if (FStop)
            FStop->store(true);
        if (FThread.joinable())
            FThread.join();
    }

    std::mutex FLock;
    std::shared_ptr<std::atomic<bool>> FStop;
    std::thread FThread;
};

std::atomic<TSoundService*> replacement{nullptr};

} // namespace

TSoundService& GetSoundService()
{
    static TDeviceSound device;
    TSoundService* service = replacement.load();
    return service != nullptr ? *service : device;
}

void SetSoundService(TSoundService* Service) { replacement.store(Service); }

bool PlaySoundAsync(const std::string& FileName) { return GetSoundService().PlayAsync(FileName); }
