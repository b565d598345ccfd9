#pragma once
// The two base classes of the control descriptions and the table of control kinds that the
// SKINCONTROLS index names.
//
// A description reads its keys from the ini section named by its IDName, its parent's keys first;
// its writer erases that section and writes exactly the keys the reader reads. Picture indexes
// name the skin's numbered pictures (-1 none); rectangles are in picture coordinates.

#include "skin/core/skSkinKeys.h"

#include <memory>
#include <string>

class TskDataSkinControl {
public:
    explicit TskDataSkinControl(std::string AIDName) : IDName(std::move(AIDName)) {}
    virtual ~TskDataSkinControl() = default;

    virtual void LoadFromFile(const TskMemIniFile& IniFile);
    virtual void SaveToFile(TskMemIniFile& IniFile) const;
    // The kind word of the description's own class in the SKINCONTROLS index; empty for the two
    // base classes, which no index line creates.
    virtual std::string Kind() const { return {}; }

    std::string IDName;
    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    RECT SkinRect{};
};

// Adds the nine-slice geometry; corner points and client rectangle are relative to SkinRect's
// top-left corner, and a corner point 0,0 counts as not set.
class TskDataSkinCustomControl : public TskDataSkinControl {
public:
    using TskDataSkinControl::TskDataSkinControl;
    void LoadFromFile(const TskMemIniFile& IniFile) override;
    void SaveToFile(TskMemIniFile& IniFile) const override;

    POINT LTPoint{};
    POINT RTPoint{};
    POINT LBPoint{};
    POINT RBPoint{};
    RECT ClRect{};
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
};

// The description class for a SKINCONTROLS kind (exact, case-sensitive), or null for a kind no
// table holds.
std::unique_ptr<TskDataSkinControl> CreateSkinControl(const std::string& kind, const std::string& idName);
