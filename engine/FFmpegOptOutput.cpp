// The options that make further output streams.

#include "engine/FFmpeg.h"

void TCustomFFmpeg::AddOutputOptions(TOptionTable& t)
{
    t["newvideo"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewVideoStream();
    };
    t["newaudio"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewAudioStream();
    };
    t["newsubtitle"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewSubtitleStream();
    };
}
