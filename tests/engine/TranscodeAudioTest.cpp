#include "TranscodeConverter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using TranscodeAudio = TranscodeTest;

// The largest magnitude of the samples from..to (to the end by default).
double Peak(const Sound& sound, size_t from = 0, size_t to = SIZE_MAX)
{
    const auto& s = sound.samples;
    const auto first = s.begin() + static_cast<std::ptrdiff_t>(std::min(from, s.size()));
    const auto last = s.begin() + static_cast<std::ptrdiff_t>(std::min(to, s.size()));
    double peak = 0;
    std::for_each(first, last, [&](double v) { peak = std::max(peak, std::fabs(v)); });
    return peak;
}

TEST_F(TranscodeAudio, RatesAndChannelsChangeThroughTheResampler)
{
    struct Case {
        const char* input;
        Options options;
        int rate, channels;
        double seconds;
    } cases[] = {
        {"sample.wav", {{"ar", "22050"}, {"ac", "1"}}, 22050, 1, 2.0},
        {"surround.ac3", {{"ac", "2"}}, 48000, 2, 1.024},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.input);
        const std::string out = dir.file("out.wav");
        {
            TranscodeConverter c;
            c.Input(k.input);
            c.Output(out, k.options);
            ASSERT_EQ("", c.Run());
        }
        const Sound sound = DecodeSound(out);
        EXPECT_EQ(k.rate, sound.sample_rate);
        ASSERT_EQ(k.channels, sound.channels);
        EXPECT_NEAR(k.seconds, static_cast<double>(sound.samples.size()) / k.channels / k.rate, 0.01);
        // The tone is there.
        EXPECT_GT(Peak(sound, sound.samples.size() / 4, sound.samples.size() * 3 / 4), 0.05);
    }
}

// Audio that starts 0.5 s after the video: with sync on, silence fills the gap in front; without
// it, or for a gap within the tolerance (30 samples), the samples are taken as they come.
TEST_F(TranscodeAudio, SyncFillsALateStartWithSilenceAndIgnoresSmallDrift)
{
    struct Case {
        const char* input;
        const char* async;
        int samples;
        int silent;
    } cases[] = {
        {"late_audio.mkv", "1", 44100 + 22050, 22050},
        {"late_audio.mkv", "0", 44100, 0},
        {"drift_audio.nut", "1", 44100, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.input) + " async " + k.async);
        const std::string out = dir.file("out.wav");
        {
            TranscodeConverter c;
            c.Input(k.input);
            c.Output(out, {{"vn", ""}, {"async", k.async}});
            ASSERT_EQ("", c.Run());
        }
        const Sound sound = DecodeSound(out);
        ASSERT_EQ(1, sound.channels);
        EXPECT_EQ(k.samples, static_cast<int>(sound.samples.size()));
        EXPECT_EQ(0.0, Peak(sound, 0, static_cast<size_t>(k.silent)));
        EXPECT_GT(Peak(sound, static_cast<size_t>(k.silent), static_cast<size_t>(k.silent) + 200), 0.05);
    }
}

// Input times that run 2 % slow (a scale of 1.02): above method 1 the resampler stretches the
// sound to follow them; without sync the samples stay as they are.
TEST_F(TranscodeAudio, DriftIsCompensatedByResampling)
{
    struct Case {
        const char* async;
        double lowest, highest;
    } cases[] = {{"0", 2.0, 2.0}, {"1000", 2.015, 2.045}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.async);
        const std::string out = dir.file("out.wav");
        {
            TranscodeConverter c;
            c.Input("sample.wav", {{"itsscale", "0:1.02"}});
            c.Output(out, {{"async", k.async}});
            ASSERT_EQ("", c.Run());
        }
        const Sound sound = DecodeSound(out);
        const double seconds = static_cast<double>(sound.samples.size()) / sound.channels / sound.sample_rate;
        EXPECT_GE(seconds, k.lowest);
        EXPECT_LE(seconds, k.highest);
    }
}

// The volume scales every sample format: 32-bit float doubled, 16-bit halved.
TEST_F(TranscodeAudio, VolumeScalesFloatAndIntegerSamples)
{
    struct Case {
        const char* input;
        const char* codec;
        const char* volume;
        double factor;
    } cases[] = {
        {"float.wav", "pcm_f32le", "512", 2.0},
        {"sample.wav", "pcm_s16le", "128", 0.5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.input);
        const std::string out = dir.file("out.wav");
        {
            TranscodeConverter c;
            c.Input(k.input);
            c.Output(out, {{"acodec", k.codec}, {"vol", k.volume}});
            ASSERT_EQ("", c.Run());
        }
        const double before = Peak(DecodeSound(zdtest::fixture(k.input)));
        EXPECT_NEAR(k.factor * before, Peak(DecodeSound(out)), 0.001);
    }
}

// The end of a stream reaches frame-based encoders as whole frames and one short remainder,
// whatever is left in the queue and the resampler: every output is finalised, lasts as long as
// its input within one encoder frame and decodes to its end.
TEST_F(TranscodeAudio, TheLastSamplesReachFrameEncodersAsWholeFramesThenOneShortFrame)
{
    struct Input {
        int rate, channels, samples;
    };
    std::vector<Input> inputs;
    for (int ms = 3000; ms < 3200; ms += 10)
        inputs.push_back({8000, 1, 8 * ms});
    inputs.push_back({22050, 1, 22050 * 3 + 17});
    inputs.push_back({44100, 2, 44100 * 3 + 1001});
    struct Output {
        const char* file;
        Options options;
        int rate;
        int frame;  // the encoder's longest frame, samples
    } outputs[] = {
        {"out.m4a", {{"acodec", "aac"}, {"ar", "44100"}}, 44100, 1024},
        {"out.mp4", {{"acodec", "aac"}, {"ar", "48000"}}, 48000, 1024},
        {"out.ogg", {{"acodec", "libvorbis"}, {"ar", "44100"}}, 44100, 2048},
    };
    for (const Input& in : inputs) {
        const std::string name = dir.file("tone.wav");
        WriteTone(name, in.rate, in.channels, in.samples);
        const double seconds = static_cast<double>(in.samples) / in.rate;
        for (const Output& k : outputs) {
            SCOPED_TRACE(std::to_string(in.rate) + " Hz, " + std::to_string(in.samples) + " samples into " + k.file);
            const std::string out = dir.file(k.file);
            {
                TranscodeConverter c;
                ASSERT_TRUE(c.OpenInputFile(name)) << c.LastErrMsg();
                c.Output(out, k.options);
                ASSERT_EQ("", c.Run());
                EXPECT_TRUE(c.Finished());
            }
            const double frame = static_cast<double>(k.frame) / k.rate;
            const MediaInfo info = Probe(out);
            ASSERT_TRUE(info.opened);
            const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
            ASSERT_NE(nullptr, audio);
            EXPECT_NEAR(seconds, info.duration, frame);
            const Sound sound = DecodeSound(out);
            ASSERT_EQ(in.channels, sound.channels);
            EXPECT_NEAR(seconds, static_cast<double>(sound.samples.size()) / sound.channels / k.rate, frame);
            // The tone goes on into the last frame.
            const size_t total = sound.samples.size();
            const size_t tail = static_cast<size_t>(k.frame) * sound.channels;
            EXPECT_GT(Peak(sound, total - 3 * tail, total - tail), 0.2);
        }
    }
}

// A 5.1 input into targets whose encoders take fewer channels is mixed down to what they take;
// an encoder that takes 5.1 keeps it.
TEST_F(TranscodeAudio, SurroundIsMixedDownToWhatTheEncoderTakes)
{
    struct Case {
        const char* file;
        Options options;
        std::string codec;
        int channels;
    } cases[] = {
        {"svcd.mpg", {{"target", "pal-svcd"}}, "mp2", 2},
        {"dvd.vob", {{"target", "pal-dvd"}}, "ac3", 6},
        {"out.mp3", {}, "mp3", 2},
        {"out.mpg", {{"acodec", "mp2"}}, "mp2", 2},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        const std::string out = dir.file(k.file);
        ASSERT_EQ("", ConvertFixture("surround.ac3", out, k.options));
        const MediaInfo info = Probe(out);
        const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
        ASSERT_NE(nullptr, audio);
        EXPECT_EQ(k.codec, audio->codec);
        EXPECT_EQ(k.channels, audio->channels);
        const Sound sound = DecodeSound(out);
        ASSERT_EQ(k.channels, sound.channels);
        EXPECT_NEAR(1.024, static_cast<double>(sound.samples.size()) / sound.channels / sound.sample_rate, 0.05);
        EXPECT_GT(Peak(sound), 0.1);
    }
}

} // namespace
