#pragma once
// A converter whose run the test scripts: the conversion loop and the clean-up may be replaced,
// and the converter may pretend to have its files open.

#include "engine/FFmpeg.h"
#include "platform/kernel/MainThread.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

class RunConverter : public TCustomFFmpeg {
public:
    explicit RunConverter(int maxFiles = 4) : TCustomFFmpeg(maxFiles) { Reset(); }

    // What the conversion loop does; it may throw.
    std::function<void(RunConverter&)> loop;
    // A clean-up that fails after having cleaned up.
    std::string cleanupError;

    void PretendFiles(int inputs, int outputs)
    {
        Fnb_input_files = inputs;
        Fnb_output_files = outputs;
    }
    bool Broken() const { return FBroken; }

    using TCustomFFmpeg::AddCodecItem;
    using TCustomFFmpeg::ConfigureFilters;
    using TCustomFFmpeg::FDecoderList;
    using TCustomFFmpeg::FEncoderList;
    using TCustomFFmpeg::Foutput_files;
    using TCustomFFmpeg::FOutputFiles;
    using TCustomFFmpeg::FPostContext;
    using TCustomFFmpeg::Fvfilters;
    using TCustomFFmpeg::RemoveCodecItem;
    using TCustomFFmpeg::TakeRequestedPostHooks;

protected:
    void TranscodeLoop() override
    {
        if (loop)
            loop(*this);
        FFinished = !FBroken;
    }
    void Cleanup() override
    {
        TCustomFFmpeg::Cleanup();
        if (!cleanupError.empty())
            throw FFmpegException(cleanupError);
    }
};

// The end reports of a converter, as its OnTerminate saw them. Declared before the converter, so
// that it outlives the converter's threads.
class EndReports {
public:
    struct Report {
        bool finished;
        bool exception;
        std::string message;
        bool onMainThread;
    };

    void Attach(TCustomFFmpeg& converter)
    {
        converter.SetOnTerminate([this](TCustomFFmpeg* sender) {
            {
                std::lock_guard<std::mutex> guard(lock_);
                reports_.push_back(Report{sender->Finished(), sender->FatalException(),
                                          sender->FatalMessage(), MainThread::IsMainThread()});
            }
            reported_.Set();
            if (throwFromHandler)
                throw Exception("handler broke");
        });
    }

    // The handler fails after it has taken the report.
    bool throwFromHandler = false;

    std::vector<Report> All()
    {
        std::lock_guard<std::mutex> guard(lock_);
        return reports_;
    }
    // Waits (serving the main thread's hand-overs) for the first report.
    bool Wait() { return MainThread::WaitServing(reported_, 10000); }

private:
    std::mutex lock_;
    std::vector<Report> reports_;
    Event reported_{true, false};
};
