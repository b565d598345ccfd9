#pragma once
// What the secondary settings form reaches outside itself: the main window's fields it writes
// directly (no notification follows a write), the main window's output folder text and skin, and
// the options dialog's overwrite box. The main window implements it over its own members.

#include "app/presets/ScratchFields.h"

#include <string>

class TskSkinData;

class TSecondaryHost {
public:
    virtual ~TSecondaryHost() = default;

    // The key of the format chosen last.
    virtual int& All_Trant_Number() = 0;
    // The Video_ scratch fields (Video_AddFileName is only read).
    virtual TScratchFields& ScratchFields() = 0;
    // The three fields the scratch record does not hold.
    virtual std::string& Video_CopyTimestamp() = 0;
    virtual int& Video_TimeStart() = 0;
    virtual int& Video_TimeLength() = 0;

    // The text of the output folder edit, as typed.
    virtual std::string OutputFolderText() = 0;
    // Whether the options dialog's "直接覆盖输出文件" box is checked.
    virtual bool OverwriteOutput() = 0;
    // The main window's switchable skin, which every skinned part of the form names.
    virtual TskSkinData* SkinData() = 0;
};
