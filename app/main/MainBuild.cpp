#include "app/main/MainBuild.h"

#include "skin/form/skSkinTabs.h"

TskSkinTabSheet* MakeTabSheet(TComponent* Owner, TskSkinPageControl* PageControl, const char* Name,
                              const std::string& Caption)
{
    auto* sheet = new TskSkinTabSheet(Owner);
    sheet->SetName(Name);
    sheet->SetCaption(Caption);
    sheet->SetPageControl(PageControl);
    return sheet;
}
