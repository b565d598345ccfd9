#include "platform/system/PowerOff.h"
#include "platform/system/SoundPlayer.h"
#include "platform/system/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& b, std::uint16_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(Bytes& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(tag[i]));
}

struct WaveSpec {
    std::uint16_t format = 1;
    std::uint16_t channels = 2;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
    std::uint32_t dataBytes = 40;     // declared length of the sample data
    std::uint32_t presentBytes = 40;  // bytes actually present
    bool junkFirst = false;           // an odd-length chunk before "fmt "
};

Bytes MakeWave(const WaveSpec& s)
{
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, 0);
    PutTag(b, "WAVE");
    if (s.junkFirst) {
        PutTag(b, "LIST");
        Put32(b, 3);
        for (std::uint8_t v : {1, 2, 3, 0})  // padded to an even length
            b.push_back(v);
    }
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, s.format);
    Put16(b, s.channels);
    Put32(b, s.rate);
    Put32(b, s.rate * s.channels * s.bits / 8);
    Put16(b, static_cast<std::uint16_t>(s.channels * s.bits / 8));
    Put16(b, s.bits);
    PutTag(b, "data");
    Put32(b, s.dataBytes);
    b.resize(b.size() + s.presentBytes, 0x11);
    return b;
}

TEST(WaveFile, ReadsPcmAndFloatAndRefusesWhatItCannotPlay)
{
    using K = TWaveData::TSampleKind;
    struct Case {
        const char* name;
        WaveSpec spec;
        bool ok;
        K kind;
        std::size_t samples;
    };
    const Case cases[] = {
        {"16-bit stereo", {}, true, K::Signed16, 40},
        {"8-bit mono", {1, 1, 8000, 8, 10, 10}, true, K::Unsigned8, 10},
        {"24-bit", {1, 2, 48000, 24, 12, 12}, true, K::Signed24, 12},
        {"float", {3, 1, 48000, 32, 16, 16}, true, K::Float32, 16},
        {"truncated data keeps whole frames", {1, 2, 44100, 16, 400, 42}, true, K::Signed16, 40},
        {"chunk before the format", {1, 2, 44100, 16, 40, 40, true}, true, K::Signed16, 40},
        {"compressed", {2, 2, 44100, 16, 40, 40}, false, K::Signed16, 0},
        {"no channels", {1, 0, 44100, 16, 40, 40}, false, K::Signed16, 0},
        {"absurd rate", {1, 2, 5, 16, 40, 40}, false, K::Signed16, 0},
        {"12-bit", {1, 2, 44100, 12, 40, 40}, false, K::Signed16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWaveData wave;
        std::string error;
        EXPECT_EQ(ParseWave(MakeWave(c.spec), wave, error), c.ok) << error;
        if (c.ok) {
            EXPECT_EQ(wave.Kind, c.kind);
            EXPECT_EQ(wave.Samples.size(), c.samples);
            EXPECT_EQ(wave.Channels, c.spec.channels);
            EXPECT_EQ(wave.SampleRate, static_cast<int>(c.spec.rate));
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(WaveFile, RefusesDamagedHeaders)
{
    const Bytes notRiff{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    Bytes noData = MakeWave({});
    noData.resize(36);  // cut right after the format chunk
    Bytes hugeFormat = MakeWave({});
    hugeFormat[16] = 0xFF;  // the format chunk claims more than the file holds
    for (const Bytes& b : {notRiff, noData, hugeFormat, Bytes{}}) {
        TWaveData wave;
        std::string error;
        EXPECT_FALSE(ParseWave(b, wave, error));
        EXPECT_FALSE(error.empty());
    }
}

class RecordingSound : public TSoundService {
public:
    bool PlayAsync(const std::string& FileName) override
    {
        played.push_back(FileName);
        return true;
    }
    std::vector<std::string> played;
};

class RefusingPower : public TPowerService {
public:
    bool PowerOff(std::string& Error) override
    {
        ++calls;
        Error = "Access denied";
        return false;
    }
    int calls = 0;
};

TEST(SystemServices, ReplacedServicesRecordInsteadOfActing)
{
    RecordingSound sound;
    RefusingPower power;
    SetSoundService(&sound);
    SetPowerService(&power);
    EXPECT_TRUE(PlaySoundAsync("/x/ring.wav"));
    std::string error = "stale";
    EXPECT_FALSE(RequestPowerOff(error));
    EXPECT_EQ(error, "Access denied");
    SetSoundService(nullptr);
    SetPowerService(nullptr);
    EXPECT_EQ(sound.played, std::vector<std::string>{"/x/ring.wav"});
    EXPECT_EQ(power.calls, 1);
}

TEST(SystemServices, TheDeviceRefusesAFileThatIsNoSoundAndReturnsAtOnceForOneThatIs)
{
    const std::string dir = ::testing::TempDir();
    const std::string bad = dir + "/not-a-sound.wav";
    const std::string good = dir + "/short.wav";
    std::ofstream(bad) << "plain text";
    const Bytes wave = MakeWave({1, 1, 8000, 16, 160, 160});
    std::ofstream(good, std::ios::binary).write(reinterpret_cast<const char*>(wave.data()),
                                                static_cast<std::streamsize>(wave.size()));
    EXPECT_FALSE(PlaySoundAsync(dir + "/missing.wav"));
    EXPECT_FALSE(PlaySoundAsync(bad));
    // Without a sound device the sound is simply not heard; the call still starts it.
    EXPECT_TRUE(PlaySoundAsync(good));
    EXPECT_TRUE(PlaySoundAsync(good));  // a second sound replaces the first
    std::remove(bad.c_str());
    std::remove(good.c_str());
}

} // namespace
