#include "app/main/MainBuild.h"

#include "skin/form/skSkinTabs.h"

TskSkinTabSheet* MakeTabSheet(TComponent* Owner, TskSkinPageControl* PageControl, const char* Name,
                              const std::string& Caption)
{
    auto* sheet = MakeComponent<TskSkinTabSheet>(Owner, Name);
    sheet->SetCaption(Caption);
    sheet->SetPageControl(PageControl);
    return sheet;
}
