#include "app/main/SecondaryHostOfForm1.h"

#include "app/main/Unit5.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinEdits.h"

std::string TSecondaryHostOfForm1::OutputFolderText()
{
    return FForm.Video_OutPut_Folder_Edit->GetText();
}

bool TSecondaryHostOfForm1::OverwriteOutput()
{
    return Form5 && Form5->skSkinCheckRadioBox3->GetChecked();
}
