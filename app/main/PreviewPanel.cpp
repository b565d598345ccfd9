#include "app/main/PreviewPanel.h"

#include <cstdio>

std::optional<int> SliderValueAt(const std::string& dragState, std::int64_t APTS, std::int64_t ADuration,
                                 int maximum)
{
    if (dragState != kSliderUp || APTS < 0 || ADuration <= 0)
        return std::nullopt;
    return static_cast<int>(static_cast<std::int64_t>(maximum) * APTS / ADuration);
}

std::optional<std::int64_t> SliderSeekTarget(std::int64_t ADuration, int value, int maximum)
{
    if (ADuration < 0 || maximum <= 0)
        return std::nullopt;
    return ADuration * value / maximum;
}

TVideoDriver VideoDriverAt(int position)
{
    return position == 1 ? vdDirectDraw : position == 2 ? vdGDI : vdDefault;
}

TAudioDriver AudioDriverAt(int position)
{
    return position == 1 ? adDirectSound : position == 2 ? adWaveOut : adDefault;
}

std::string PlayStateName(TPlayState state)
{
    switch (state) {
    case psPlay: return "Play";
    case psPause: return "Pause";
    case psResume: return "Resume";
    case psStep: return "Step";
    case psStop: return "Stop";
    case psEnd: return "End";
    }
    return std::string();
}

std::string FileOpenLogLine(std::int64_t ADuration, int frameWidth, int frameHeight)
{
    char text[96];
    std::snprintf(text, sizeof text, "duration: %.2f, frame size: %dx%d", static_cast<double>(ADuration) / 1e6,
                  frameWidth, frameHeight);
    return text;
}
