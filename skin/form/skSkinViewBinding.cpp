#include "skin/form/skSkinViews.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

TskSkinViewBinding::TskSkinViewBinding(TControl* View, const std::string& Name)
    : FView(View), FSkinDataName(Name), FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
    FDefaultFont->SetStyle({});
}

void TskSkinViewBinding::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value)
        Value->FreeNotification(FView);
    if (Value && !Value->Empty && !FView->ComponentState().Contains(csDesigning))
        ChangeSkinData();
}

void TskSkinViewBinding::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
    if (FIndex == -1)
        FView->Font()->Assign(Value);
}

void TskSkinViewBinding::SetDefaultColor(TColor Value)
{
    FDefaultColor = Value;
    if (FIndex == -1)
        FView->SetColor(Value);
}

void TskSkinViewBinding::SetVScrollBar(TskSkinScrollBar* Value)
{
    FVScrollBar = Value;
    if (Value) {
        Value->FreeNotification(FView);
        Value->SetEnabled(true);
        Value->SetVisible(false);
        Value->OnChange = [this](TObject* Sender) { OnVScrollBarChange(Sender); };
    }
    UpDateScrollBars();
}

void TskSkinViewBinding::SetHScrollBar(TskSkinScrollBar* Value)
{
    FHScrollBar = Value;
    if (Value) {
        Value->FreeNotification(FView);
        Value->SetEnabled(true);
        Value->SetVisible(false);
        Value->OnChange = [this](TObject* Sender) { OnHScrollBarChange(Sender); };
    }
    UpDateScrollBars();
}

void TskSkinViewBinding::ForgetRemoved(TComponent* AComponent)
{
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == FVScrollBar)
        FVScrollBar = nullptr;
    if (AComponent == FHScrollBar)
        FHScrollBar = nullptr;
}

template <class TDescription>
void TskSkinViewBinding::ApplySkin()
{
    TControl* View = FView;
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

template void TskSkinViewBinding::ApplySkin<TskDataSkinTreeView>();
template void TskSkinViewBinding::ApplySkin<TskDataSkinListView>();

bool TskSkinViewBinding::ShowBar(TskSkinScrollBar* Bar, bool Show)
{
    if (Bar == nullptr || Bar->GetVisible() == Show)
        return false;
    FInCheckScrollBars = true;
    Bar->SetVisible(Show);
    FInCheckScrollBars = false;
    return true;
}

void TskSkinViewBinding::FinishBars(bool Changed)
{
    TControl* View = FView;
    if (FVScrollBar && FHScrollBar && FHScrollBar->GetBoth() != FVScrollBar->GetVisible())
        FHScrollBar->SetBoth(FVScrollBar->GetVisible());
    if (Changed && View->GetAlign() != TAlign::alNone && View->GetParent()) {
        FInCheckScrollBars = true;
        View->GetParent()->Realign();
        FInCheckScrollBars = false;
    }
}
