#include "skin/form/skSkinViews.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinMessages.h"
#include "platform/window/User.h"

TskSkinCustomTreeView::TskSkinCustomTreeView(TComponent* AOwner)
    : TCustomTreeView(AOwner), TskSkinViewBinding(this, "treeview")
{
}

TskSkinCustomTreeView::~TskSkinCustomTreeView() = default;

void TskSkinCustomTreeView::CreateParams(TCreateParams& Params)
{
    TCustomTreeView::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TskSkinCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomTreeView::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        ForgetRemoved(AComponent);
}

void TskSkinCustomTreeView::Loaded()
{
    TCustomTreeView::Loaded();
    ChangeSkinData();
}

void TskSkinCustomTreeView::ChangeSkinData()
{
    if (ComponentState().Contains(csLoading))
        return;
    ApplySkin<TskDataSkinTreeView>();
    if (GetImages())
        GetImages()->SetBkColor(GetColor());
    if (GetStateImages())
        GetStateImages()->SetBkColor(GetColor());
    UpDateScrollBars();
    for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
        if (bar)
            bar->SetAlign(bar->GetAlign());
}

void TskSkinCustomTreeView::UpDateScrollBars()
{
    if (ComponentState().Contains(csLoading) || FInCheckScrollBars || !HandleAllocated())
        return;
    bool changed = false;
    const HWND h = GetHandle();
    if (FVScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(h, SB_VERT, &min, &max);
        const int pos = GetScrollPos(h, SB_VERT);
        const int visible = static_cast<int>(SendMessage(h, TVM_GETVISIBLECOUNT, 0, 0));
        const int count = static_cast<int>(SendMessage(h, TVM_GETCOUNT, 0, 0));
        const bool show = max > 0 && visible <= max && max < count && GetVisible();
        changed |= ShowBar(FVScrollBar, show);
        if (show)
            FVScrollBar->SetRange(min, max, pos, visible);
    }
    if (FHScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(h, SB_HORZ, &min, &max);
        const int pos = GetScrollPos(h, SB_HORZ);
        const bool show = max > GetWidth() && GetVisible();
        changed |= ShowBar(FHScrollBar, show);
        if (show)
            FHScrollBar->SetRange(min, max, pos, GetWidth());
    }
    FinishBars(changed);
}

void TskSkinCustomTreeView::Change(TTreeNode* Node)
{
    TCustomTreeView::Change(Node);
    UpDateScrollBars();
}

void TskSkinCustomTreeView::OnVScrollBarChange(TObject*)
{
    if (!FVScrollBar)
        return;
    const int pos = FVScrollBar->GetPosition();
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(GetHandle(), SB_VERT, &info, TRUE);
    SendMessage(GetHandle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)), 0);
}

void TskSkinCustomTreeView::OnHScrollBarChange(TObject*)
{
    if (FHScrollBar)
        SendMessage(GetHandle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(FHScrollBar->GetPosition())), 0);
}

void TskSkinCustomTreeView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // No frame and no native bars: the client area is the whole window.
        return;
    case SKM_PAINTBORDERTO:
        Message.Result = SKM_BORDERPAINTED;
        return;
    case CM_VISIBLECHANGED:
        TCustomTreeView::Dispatch(Message);
        for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
            if (bar)
                bar->SetVisible(GetVisible());
        return;
    case WM_SIZE:
    case WM_PAINT:
        TCustomTreeView::Dispatch(Message);
        if (!FInCheckScrollBars)
            UpDateScrollBars();
        return;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        TCustomTreeView::Dispatch(Message);
        UpDateScrollBars();
        return;
    default:
        TCustomTreeView::Dispatch(Message);
        return;
    }
}
