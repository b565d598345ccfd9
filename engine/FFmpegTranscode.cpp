#include "engine/FFmpeg.h"

// The conversion proper (set-up, packet loop, tear-down) is not part of the engine yet; a run
// that gets this far ends with this error in its end report.
void TCustomFFmpeg::TranscodeLoop()
{
    throw FFmpegException("Transcoding is not available yet");
}
