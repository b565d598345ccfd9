#pragma once
// The six parameter boxes of the main window as the preset filler sees them, and the filler
// that gives them the lists and defaults of the chosen format.

#include "app/presets/FormatPresets.h"
#include "app/presets/OptionLists.h"

#include <array>
#include <string>

// The six boxes, in the order of their numbers (and of the ParameterCode's digit pairs).
enum TParameterKind { pkResolution, pkVideoBitrate, pkAudioBitrate, pkScaling, pkFrameRate, pkSampleRate };
inline constexpr int ParameterKindCount = 6;

// The order in which the filler fills the boxes; a format row's choices stand in this order.
inline constexpr std::array<TParameterKind, 6> ParameterFillOrder = {
    pkResolution, pkVideoBitrate, pkFrameRate, pkAudioBitrate, pkSampleRate, pkScaling};

// What the filler needs of one box. The box keeps the combo box's rules: ClearItems and AddItem
// neither change its text nor raise an event; SetItemIndex selects a position and, when the
// selected item's text differs from the box's text, takes that text and raises the box's change
// event at once; SetEnabled with the value the box already has does nothing.
class TParameterBox {
public:
    virtual ~TParameterBox() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual void SetItemIndex(int index) = 0;
    virtual void SetEnabled(bool value) = 0;
};

using TParameterBoxes = std::array<TParameterBox*, ParameterKindCount>;  // by TParameterKind

// Empties and enables the six boxes, then fills each, in the fill order, with the list of the
// format at the two box positions and selects its default; an audio-only format then disables
// the resolution, video bit rate, scaling and frame rate boxes. Without a format row (a position
// outside the category box or the format list) the boxes stay empty and enabled.
void FillParameterBoxes(const TParameterBoxes& boxes, int categoryPosition, int formatPosition);

// The filler's steps for one row's choices (in the fill order), their lists named for find:
// empties and enables the six boxes, fills and selects each, and disables the resolution, video
// bit rate, scaling and frame rate boxes when audioOnly. Without choices the boxes stay empty and
// enabled. Every list a choice names must be found.
using TOptionListFinder = const TOptionList* (*)(std::string_view id);
void ApplyPresetChoices(const TParameterBoxes& boxes, const TPresetChoices* choices, bool audioOnly,
                        TOptionListFinder find);
