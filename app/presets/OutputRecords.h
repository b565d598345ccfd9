#pragma once
// The two ways a file's output record is built: from the scratch fields when the file is added,
// and from its job row's encoder columns when a batch starts.

#include "app/presets/ScratchFields.h"
#include "engine/EngineRecords.h"

// The add's rules: the fields that give a value set it on options; every other field keeps
// what options holds (the converter's defaults, as the caller initialised them). A numeric text
// that is not a number raises EConvertError.
void ApplyScratchToOutputOptions(const TScratchFields& fields, TOutputOptions& options);

// Start's rules: options is reset to the converter's defaults, then each column that gives a
// value sets its field. A numeric column that is not a number raises EConvertError.
void DecodeEncoderColumns(const TEncoderColumns& columns, TOutputOptions& options);
