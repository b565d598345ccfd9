#include "app/main/OpenFilter.h"

#include <string_view>

namespace {

constexpr std::string_view Pieces[] = {
    "所有文件格式 (*.*)|*.*|",
    "支持的视频/音频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;*.OGM;"
    "*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.SWF;",
    "*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*.3g2;*.mkv;"
    "*.dv;*.yuv;*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
    "支持的视频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;*.OGM;*.VOB;"
    "*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.SWF;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*.3g2;*.mkv;*.dv;*.yuv;*.h261;*.h264;"
    "*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
    "支持的音频文件格式|*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;"
    "*.WV;*.TTA;*.AC3|",
};

// The other entries: each one's patterns are the text inside its description's parentheses.
constexpr std::string_view Described[] = {
    "AVI文件 (*.avi)", "Real视频文件格式 (*.rm;*.rmvb)", "MP4视频格式 (*.mp4;*.m4v)", "MPEG视频格式 (*.mpg;*.mpeg)",
    "DVD视频格式 (*.vob)", "VCD/SVCD视频格式 (*.dat;*.mpg)", "ASF微软视频格式 (*.asf)", "WMV微软视频格式 (*.wmv)",
    "手机3GPP文件格式 (*.3gp;*.3gpp)", "手机3GPP2文件格式 (*.3g2;*.3gp2)", "Flash动画格式 (*.swf)",
    "Flash视频格式 (*.flv)", "MKV视频媒体格式 (*.mkv)", "Quick Time视频文件格式 (*.mov;*.qt)",
    "DV数字视频文件格式 (*.dv;*.dif)", "Raw h261类型文件 (*.h261)", "Raw h264类型文件 (*.h264)", "YUV类型文件 (*.yuv)",
    "GIF图片动画格式 (*.gif)", "MJPEG视频格式(*.mjpg;*.mjpeg)", "TS视频格式 (*.ts)", "WMV高清HD视频格式 (*.xwmv)",
    "微软数字视频格式( *.dvr-ms)", "iTunes视频格式 (*.m4v)", "MP3音频格式 (*.mp3)", "CD音频格式 (*.cda)",
    "WMA微软音频格式 (*.wma)", "WAVE音频格式 (*.wav)", "REAL音频格式 (*.ra;*.ram)", "MP4音频格式 (*.m4a;*.mp4)",
    "AAC高级音频格式 (*.aac)", "AC3音频格式 (*.ac3)", "Monkey音频格式 (*.ape;*.cue)",
    "Flac无损压缩音频格式\u3000(*.flac)", "MPEG音频编码格式(*.mpa)", "MPEG 2音频编码格式(*.mp2)",
    "OGG音频编码格式(*.ogg)", "AIFF音频编码格式(*.aif; *.aiff)",
};

std::string Patterns(std::string_view Description)
{
    const std::size_t open = Description.rfind('(');
    std::string_view inside = Description.substr(open + 1, Description.size() - open - 2);
    if (!inside.empty() && inside.front() == ' ')
        inside.remove_prefix(1);
    return std::string(inside);
}

} // namespace

std::string OpenDialogFilter()
{
    std::string filter;
    for (std::string_view piece : Pieces)
        filter += piece;
    for (std::string_view entry : Described)
        filter += std::string(entry) + "|" + Patterns(entry) + "|";
    return filter;
}
