#pragma once
// One conversion task of the converter component: a converter of its own plus, per input, a probe
// attached to the opened input and a copy of the option records the task was given. The task
// turns an input's and an output's option records into converter settings.
//
// Output records and their ExtOptions meet in a default list: a record field wins over an
// ExtOptions line of the same option for the main stream ("def_" entries); the ExtOptions lines of
// codecs, presets, frame size and filters stay in the list for the extra streams ("newvideo" ...)
// added after the output is opened, the k-th extra stream of a kind taking the k-th such line.

#include "engine/AVProbe.h"
#include "engine/EngineRecords.h"
#include "engine/EngineUtils.h"
#include "engine/FFmpeg.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A local date and time (days since 1899-12-30) as seconds since 1970 (UTC), with the offset
// the local time zone has at that date.
std::int64_t DateTimeToUnix(TDateTime ADateTime);

class TFFmpeg : public TCustomFFmpeg {
public:
    // Name and value lines; the names "def_<option>" hold the main stream's defaults.
    using TDefaultList = std::vector<std::pair<std::string, std::string>>;

    explicit TFFmpeg(int AMaxFiles);
    ~TFFmpeg() override;

    // The probe of an input, made when its slot is empty.
    TAVProbe* GetAVProbe(int AIndex);
    // The probe of an input, nullptr while that input is not open.
    TAVProbe* AVProbe(int AIndex) const;

    void StoreInputOptions(int AIndex, const TInputOptions& AOptions);
    void StoreOutputOptions(int AIndex, const TOutputOptions& AOptions);
    // Returns a stored record to its initial values.
    void ResetInputOptions(int AIndex);
    void ResetOutputOptions(int AIndex);
    const TInputOptions* InputOptions(int AIndex) const;
    const TOutputOptions* OutputOptions(int AIndex) const;

    // Applies an ExtOptions text, line by line. The stream options that the output translation
    // takes from its default list (codecs on the output side, presets, filters, extra streams)
    // are skipped. Raises what an option handler raises.
    void ApplyExtOptions(const std::string& AExtOptions, bool AIsInput);

    // Translates the record (when given; an empty FileName in it becomes AFileName) and opens the
    // next input, attaching its probe. False with the reason in LastErrMsg; raises what an option
    // handler raises.
    bool AddInput(const std::string& AFileName, TInputOptions* AOptions);
    // The same for the next output, then its extra streams.
    bool AddOutput(const std::string& AFileName, TOutputOptions* AOptions);

    int InputCount() const { return Fnb_input_files; }
    int OutputCount() const { return Fnb_output_files; }

    // Every thread of the task's last run (its worker, or the thread that reported the end of a
    // task that never ran) has ended.
    bool ThreadsEnded();
    // Waits for that (not on the main thread: the wait does not serve it).
    void WaitThreadsEnded();

protected:
    // The output translation up to the open: the default list, the target, codecs and presets,
    // ExtOptions, the record's fields, then frame size and filters. Returns the default list.
    TDefaultList ApplyOutputOptions(const std::string& AFileName, const TOutputOptions& AOptions);
    // One more stream of a kind per "newaudio", "newvideo" or "newsubtitle" line, each taking its
    // options from the list first.
    void AddExtraStreams(const TOutputOptions& AOptions, TDefaultList& AList);

private:
    void TakeOption(TDefaultList& AList, const std::string& AName);

    std::vector<std::unique_ptr<TAVProbe>> FAVProbes;
    std::vector<std::unique_ptr<TInputOptions>> FInputOptions;
    std::vector<std::unique_ptr<TOutputOptions>> FOutputOptions;
};
