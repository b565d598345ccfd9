#include "skin/form/skSkinViews.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

TskSkinViewBinding::TskSkinViewBinding(const std::string& Name) : FSkinDataName(Name), FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
    FDefaultFont->SetStyle({});
}

template <class TDescription>
void TskSkinViewBinding::ApplySkin(TControl* View)
{
    FIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    if (FIndex == -1) {
        View->SetColor(FDefaultColor);
        View->Font()->Assign(FDefaultFont.get());
    } else if (const auto* d = dynamic_cast<TDescription*>(FSD->CtrlList[static_cast<std::size_t>(FIndex)].get())) {
        if (FUseSkinFont) {
            View->Font()->SetName(d->FontName);
            View->Font()->SetStyle(d->FontStyle);
            View->Font()->SetHeight(d->FontHeight);
        } else {
            View->Font()->Assign(FDefaultFont.get());
        }
        View->Font()->SetColor(d->FontColor);
        View->SetColor(d->BGColor);
    }
    if (FSD != nullptr && FSD->ResourceStrData() != nullptr)
        View->Font()->SetCharset(FSD->ResourceStrData()->CharSet());
    else
        View->Font()->SetCharset(FDefaultFont->GetCharset());
}

template void TskSkinViewBinding::ApplySkin<TskDataSkinTreeView>(TControl*);
template void TskSkinViewBinding::ApplySkin<TskDataSkinListView>(TControl*);

bool TskSkinViewBinding::ShowBar(TskSkinScrollBar* Bar, bool Show)
{
    if (Bar == nullptr || Bar->GetVisible() == Show)
        return false;
    FInCheckScrollBars = true;
    Bar->SetVisible(Show);
    FInCheckScrollBars = false;
    return true;
}

void TskSkinViewBinding::FinishBars(TControl* View, bool Changed)
{
    if (FVScrollBar && FHScrollBar && FHScrollBar->GetBoth() != FVScrollBar->GetVisible())
        FHScrollBar->SetBoth(FVScrollBar->GetVisible());
    if (Changed && View->GetAlign() != TAlign::alNone && View->GetParent()) {
        FInCheckScrollBars = true;
        View->GetParent()->Realign();
        FInCheckScrollBars = false;
    }
}
