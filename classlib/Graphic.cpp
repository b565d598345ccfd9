#include "classlib/Graphic.h"

#include "classlib/Streams.h"

void TGraphic::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::Changed(TObject* Sender)
{
    (void)Sender;
    FModified = true;
    if (OnChange)
        OnChange(this);
}
