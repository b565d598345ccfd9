#pragma once
// The main window as the secondary settings form sees it.

#include "app/main/Unit1.h"

class TSecondaryHostOfForm1 : public TSecondaryHost {
public:
    explicit TSecondaryHostOfForm1(TForm1& Form) : FForm(Form) {}

    int& All_Trant_Number() override { return FForm.All_Trant_Number; }
    TScratchFields& ScratchFields() override { return FForm.Scratch; }
    std::string& Video_CopyTimestamp() override { return FForm.Video_CopyTimestamp; }
    int& Video_TimeStart() override { return FForm.Video_TimeStart; }
    int& Video_TimeLength() override { return FForm.Video_TimeLength; }
    std::string OutputFolderText() override;
    bool OverwriteOutput() override;
    TskSkinData* SkinData() override { return FForm.skSkinData1; }

private:
    TForm1& FForm;
};
