#pragma once
// The files a run writes its outputs into. An output named over an existing file is written into
// a new file beside it, which takes the output's name only when the run converted to its end: a
// run that fails leaves the existing file byte for byte, and so does a run the user stops, which
// keeps what it wrote under the output's next free "_N" name.

#include <string>

struct TOutputFile {
    std::string Name;      // the output's own name
    std::string Writing;   // the file written: Name, or the new file that is to replace it
    bool Created = false;  // nothing was at Name before the run, so the run made it
    bool Replaces() const { return Writing != Name; }
};

// Decides where the output named Name is written. Over a regular file (also one reached through
// links) the run writes a new file in the same folder, with the existing file's permissions and
// a name no other file has; anything else at the name (a device, a pipe) is written in place.
// Returns 0 or the library's error code.
int PrepareOutputFile(const std::string& Name, TOutputFile& File);

// How a run ended for its outputs.
enum class TOutputEnd { Finished, Failed, Stopped };

// What became of a closed output's file.
struct TOutputOutcome {
    int Error = 0;         // the library's error code of a replacement that could not be made
    std::string KeptName;  // where a stopped run's replacing file was kept
};

// Settles a closed output's file: a finished replacement takes the output's name; a failed run's
// own file goes (also a created file the run left empty); a stopped run's replacing file moves to
// the next free "_N" name (and goes when it is empty).
TOutputOutcome SettleOutputFile(const TOutputFile& File, TOutputEnd End);

// Path with "_" and N put before its extension: "dir/clip.mp4" gives "dir/clip_2.mp4".
std::string NumberedFileName(const std::string& Path, int N);
