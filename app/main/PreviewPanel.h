#pragma once
// The preview panel's arithmetic and texts, apart from any window: where a shown picture puts
// the seek slider, where a released slider seeks to, which player drivers the driver lists name,
// and the log texts of the player's events.

#include "engine/FFPlayTypes.h"

#include <cstdint>
#include <optional>
#include <string>

// The seek slider's drag state as the main window keeps it.
inline constexpr const char* kSliderUp = "UP";
inline constexpr const char* kSliderDown = "Down";

// The slider value for a picture shown at APTS (microseconds) of a file lasting ADuration:
// maximum * APTS / ADuration in 64 bits, the fraction dropped. None while the slider is held
// ("Down"), for a negative time or without a positive duration: the slider stays where it is.
std::optional<int> SliderValueAt(const std::string& dragState, std::int64_t APTS, std::int64_t ADuration,
                                 int maximum);

// The seek target (microseconds) for a slider released at value of maximum in a file lasting
// ADuration: ADuration * value / maximum in 64 bits, the fraction dropped. None for an unknown
// (negative) duration or an empty slider range: such a release seeks nowhere.
std::optional<std::int64_t> SliderSeekTarget(std::int64_t ADuration, int value, int maximum);

// The drivers the positions of the driver lists choose: 1 and 2 name a driver, any other
// position the default one.
TVideoDriver VideoDriverAt(int position);
TAudioDriver AudioDriverAt(int position);

// "Play", "Pause", "Resume", "Step", "Stop", "End".
std::string PlayStateName(TPlayState state);

// "duration: 12.34, frame size: 320x240" (seconds with two decimals).
std::string FileOpenLogLine(std::int64_t ADuration, int frameWidth, int frameHeight);
