#pragma once
// Preset lines written for the libx264 encoder as older codec libraries wrapped it, in the options
// today's libx264 encoder understands: renamed keys ("directpred" -> "direct-pred", "cqp" -> "qp",
// "wpredp" -> "weightp", "me_method" -> "motion-est"), flag sets taken apart into the encoder's
// own switches ("flags2=+mixed_refs-dct8x8" -> "mixed-refs=1", "8x8dct=0"; "flags=+loop" ->
// "deblock=true") and partition flags as the encoder's list. Other lines pass unchanged.

#include <string>
#include <utility>
#include <vector>

std::vector<std::pair<std::string, std::string>> TranslatePresetOption(const std::string& key,
                                                                       const std::string& value);
