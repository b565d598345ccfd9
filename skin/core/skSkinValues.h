#pragma once
// The value encodings of a skin description: rectangles, points, booleans, font styles, string
// lists and the enumerations with their words. Word comparisons are case-sensitive; section and
// key names are not (the ini file's rule).

#include "classlib/Colors.h"
#include "classlib/GraphicsObjects.h"
#include "classlib/StdCtrls.h"
#include "platform/win/Types.h"
#include "skin/core/skMemIniFile.h"

#include <string>
#include <vector>

enum TskStretchType { skstFull, skstHorz, skstVert };
enum TskMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TskInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// Text to numbers. Fields are separated by ","; blanks and other characters are dropped, a "-"
// before a field's first digit makes it negative. A field without digits, or fewer fields than
// needed, raises EConvertError; fields past the fourth (second) are ignored.
RECT ParseRectValue(const std::string& text);
POINT ParsePointValue(const std::string& text);

// The number of numbered keys "0", "1", ... a list in this section can have: one past the largest
// such key present (0 when none), and at most `count`. A list count larger than that names only
// absent, empty lines.
int NumberedKeyLimit(const TskMemIniFile& ini, const std::string& section, int count);

RECT ReadRectValue(const TskMemIniFile& ini, const std::string& section, const std::string& key);
POINT ReadPointValue(const TskMemIniFile& ini, const std::string& section, const std::string& key);
bool ReadBoolValue(const TskMemIniFile& ini, const std::string& section, const std::string& key);
TFontStyles ReadFontStyleValue(const TskMemIniFile& ini, const std::string& section, const std::string& key);
void ReadStringListValue(const TskMemIniFile& ini, const std::string& section, const std::string& key,
                         std::vector<std::string>& list);
TAlignment ReadAlignmentValue(const TskMemIniFile& ini, const std::string& section, const std::string& key);
TskStretchType ReadStretchType(const TskMemIniFile& ini, const std::string& section, const std::string& key);
TskMorphKind ReadMorphKind(const TskMemIniFile& ini, const std::string& section, const std::string& key);
TskInActiveEffect ReadInActiveEffect(const TskMemIniFile& ini, const std::string& section, const std::string& key);
TskStdCommand ReadStdCommand(const TskMemIniFile& ini, const std::string& section, const std::string& key);

void WriteRectValue(TskMemIniFile& ini, const std::string& section, const std::string& key, const RECT& value);
void WritePointValue(TskMemIniFile& ini, const std::string& section, const std::string& key, const POINT& value);
void WriteBoolValue(TskMemIniFile& ini, const std::string& section, const std::string& key, bool value);
void WriteFontStyleValue(TskMemIniFile& ini, const std::string& section, const std::string& key,
                         const TFontStyles& value);
void WriteStringListValue(TskMemIniFile& ini, const std::string& section, const std::string& key,
                          const std::vector<std::string>& list);
void WriteAlignmentValue(TskMemIniFile& ini, const std::string& section, const std::string& key, TAlignment value);
void WriteStretchType(TskMemIniFile& ini, const std::string& section, const std::string& key, TskStretchType value);
void WriteMorphKind(TskMemIniFile& ini, const std::string& section, const std::string& key, TskMorphKind value);
void WriteInActiveEffect(TskMemIniFile& ini, const std::string& section, const std::string& key,
                         TskInActiveEffect value);
void WriteStdCommand(TskMemIniFile& ini, const std::string& section, const std::string& key, TskStdCommand value);

// True only when VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS all hold a key.
bool HasRequiredSkinSections(const TskMemIniFile& ini);

// "name:kind": the name is the text before the first ":", the kind the rest (which may hold ":");
// a line without ":" gives an empty name and kind.
void SplitSkinEntry(const std::string& line, std::string& idName, std::string& kind);
