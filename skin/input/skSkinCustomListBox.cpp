// TskSkinCustomListBox: the frame, the layout of the inner list and the two skinned scroll bars,
// and the skin changes.

#include "skin/input/skSkinListBox.h"

#include "classlib/Bitmap.h"
#include "classlib/Messages.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"

#include <algorithm>
#include <limits>

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }
bool HasArea(const RECT& r) { return W(r) > 0 && H(r) > 0; }

// A line of digits as a number; anything else, or a value beyond 32 bits, counts 0.
int DigitsToInt(const std::string& Line)
{
    if (Line.empty())
        return 0;
    long long value = 0;
    for (char ch : Line) {
        if (ch < '0' || ch > '9')
            return 0;
        value = value * 10 + (ch - '0');
        if (value > std::numeric_limits<int>::max())
            return 0;
    }
    return static_cast<int>(value);
}

} // namespace

TskSkinCustomListBox::TskSkinCustomListBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle = TControlStyle() << csCaptureMouse << csClickEvents << csOpaque << csDoubleClicks
                                    << csAcceptsControls;
    FForceBackground = true;
    FDrawbackground = false;
    FTabWidths = std::make_unique<TStringList>();
    FGlyph = std::make_unique<TBitmap>();
    FDefaultCaptionFont = std::make_unique<TFont>();
    FDefaultCaptionFont->SetName("Arial");
    FDefaultCaptionFont->SetHeight(14);
    FDefaultCaptionFont->OnChange = [this](TObject*) {
        if (FIndex == -1 && FCaptionMode)
            Invalidate();
    };
    Font()->SetName("Arial");
    Font()->SetHeight(14);
    Font()->SetColor(clWindowText);
    ListBox = new TskListBox(this);
    ListBox->SkinListBox = this;
    ListBox->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    ListBox->SetItemHeight(20);
    ListBox->SetParent(this);
    ListBox->SetVisible(true);
    SetHeight(120);
    SetWidth(120);
    FSkinDataName = "listbox";
}

TskSkinCustomListBox::~TskSkinCustomListBox() = default;

void TskSkinCustomListBox::CreateParams(TCreateParams& Params)
{
    TskSkinCustomControl::CreateParams(Params);
    Params.ClassStyle &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TskSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

void TskSkinCustomListBox::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    auto* d = Description<TskDataSkinListBox>();
    if (!d)
        return;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    SItemRect = d->SItemRect;
    ActiveItemRect = HasArea(d->ActiveItemRect) ? d->ActiveItemRect : d->SItemRect;
    FocusItemRect = HasArea(d->FocusItemRect) ? d->FocusItemRect : d->SItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    FocusFontColor = d->FocusFontColor;
    CaptionRect = d->CaptionRect;
    CaptionFontName = d->CaptionFontName;
    CaptionFontStyle = d->CaptionFontStyle;
    CaptionFontHeight = d->CaptionFontHeight;
    CaptionFontColor = d->CaptionFontColor;
    UpButtonRect = d->UpButtonRect;
    ActiveUpButtonRect = d->ActiveUpButtonRect;
    DownUpButtonRect = HasArea(d->DownUpButtonRect) ? d->DownUpButtonRect : d->ActiveUpButtonRect;
    DownButtonRect = d->DownButtonRect;
    ActiveDownButtonRect = d->ActiveDownButtonRect;
    DownDownButtonRect = HasArea(d->DownDownButtonRect) ? d->DownDownButtonRect : d->ActiveDownButtonRect;
    CheckButtonRect = d->CheckButtonRect;
    ActiveCheckButtonRect = d->ActiveCheckButtonRect;
    DownCheckButtonRect = HasArea(d->DownCheckButtonRect) ? d->DownCheckButtonRect : d->ActiveCheckButtonRect;
    VScrollBarName = d->VScrollBarName;
    HScrollBarName = d->HScrollBarName;
    BothScrollBarName = d->BothScrollBarName;
    ShowFocus = d->ShowFocus;
    DisabledButtonsRect = d->DisabledButtonsRect;
    ButtonsArea = d->ButtonsArea;
}

void TskSkinCustomListBox::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    FStopUpDateHScrollBar = true;
    if (FIndex == -1) {
        ListBox->SetItemHeight(FDefaultItemHeight);
        Font()->Assign(DefaultFont());
    } else if (FUseSkinItemHeight && H(SItemRect) >= 1) {
        // A picture without height never becomes the item height.
        ListBox->SetItemHeight(H(SItemRect));
    }
    ItemsReset();
    if (ScrollBar) {
        ScrollBar->SetSkinDataName(VerticalBarName());
        ScrollBar->SetSkinData(FSD);
    }
    if (HScrollBar) {
        DescribeHScrollBar();
        HScrollBar->SetSkinData(FSD);
    }
    if (FRowCount != 0)
        SetHeight(CalcHeight(FRowCount));
    CalcRects();
    FStopUpDateHScrollBar = false;
    UpDateScrollBar();
    ListBox->Invalidate();
}

std::string TskSkinCustomListBox::VerticalBarName() const
{
    if (FIndex == -1)
        return "";
    return GetColumns() <= 0 ? VScrollBarName : HScrollBarName;
}

void TskSkinCustomListBox::DescribeHScrollBar()
{
    if (FIndex == -1) {
        HScrollBar->SetSkinDataName("");
        if (ScrollBar) {
            HScrollBar->SetBoth(true);
            HScrollBar->SetBothMarkerWidth(19);
        }
    } else if (ScrollBar) {
        HScrollBar->SetSkinDataName(BothScrollBarName);
        HScrollBar->SetBothSkinDataName(BothScrollBarName);
        HScrollBar->SetBoth(true);
    } else {
        HScrollBar->SetBothSkinDataName(HScrollBarName);
        HScrollBar->SetSkinDataName(HScrollBarName);
        HScrollBar->SetBoth(false);
    }
}

void TskSkinCustomListBox::DefaultFontChanged()
{
    if (FIndex == -1)
        Font()->Assign(DefaultFont());
    ItemsReset();
}

void TskSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FIndex == -1)
        Invalidate();
}

void TskSkinCustomListBox::Dispatch(TMessage& Message)
{
    TskSkinCustomControl::Dispatch(Message);
    if (Message.Msg == WM_SIZE) {
        CalcRects();
        UpDateScrollBar();
        if (ScrollBar)
            ScrollBar->Invalidate();
    } else if (Message.Msg == CM_FONTCHANGED) {
        ItemsReset();
    } else if (Message.Msg == CM_TEXTCHANGED && FCaptionMode) {
        Invalidate();
    } else if (Message.Msg == CM_MOUSEENTER && CaptionButtonsOn()) {
        TestActiveButton(-1, -1);
    } else if (Message.Msg == CM_MOUSELEAVE && CaptionButtonsOn()) {
        for (TCaptionButton& b : Buttons)
            if (b.MouseIn) {
                b.MouseIn = false;
                Invalidate();
            }
    } else if (Message.Msg == WM_TIMER) {
        CaptionTimer();
    }
}

void TskSkinCustomListBox::CalcRects()
{
    if (!ListBox)
        return;
    const int w = GetWidth(), h = GetHeight();
    const bool vbar = ScrollBar && ScrollBar->GetVisible();
    const bool hbar = GetColumns() == 0 && HScrollBar && HScrollBar->GetVisible();
    int hb = 0;
    if (FIndex == -1) {
        const int ch = FCaptionMode ? FDefaultCaptionHeight : 1;
        if (hbar) {
            HScrollBar->SetBounds(1, h - 20, w - 2, 19);
            hb = HScrollBar->GetHeight() - 1;
        }
        if (vbar && GetColumns() > 0) {
            ScrollBar->SetBounds(1, h - 20, w - 2, 19);
            ListRect = RECT{2, ch + 1, w - 2, ScrollBar->GetTop()};
        } else if (vbar) {
            ScrollBar->SetBounds(w - 20, ch, 19, h - ch - hb - 1);
            ListRect = RECT{2, ch + 1, ScrollBar->GetLeft(), h - 2 - hb};
        } else {
            ListRect = RECT{2, ch + 1, w - 2, h - 2 - hb};
        }
    } else {
        NewClRect = ClRect;
        NewClRect.right += w - W(SkinRect);
        NewClRect.bottom += h - H(SkinRect);
        const RECT& n = NewClRect;
        if (hbar) {
            const int bh = HScrollBar->GetHeight();
            HScrollBar->SetBounds(n.left, n.bottom - bh, W(n), bh);
            hb = bh;
        }
        ListRect = n;
        if (vbar && GetColumns() > 0) {
            const int bh = ScrollBar->GetHeight();
            ScrollBar->SetBounds(n.left, n.bottom - bh, W(n), bh);
            ListRect.bottom -= bh;
        } else if (vbar) {
            const int bw = ScrollBar->GetWidth();
            ScrollBar->SetBounds(n.right - bw, n.top, bw, H(n) - hb);
            ListRect.right -= bw;
            ListRect.bottom -= hb;
        } else {
            ListRect.bottom -= hb;
        }
    }
    ListBox->SetBounds(ListRect.left, ListRect.top, W(ListRect), H(ListRect));
}

int TskSkinCustomListBox::CalcHeight(int AItemsCount)
{
    int result;
    if (FIndex == -1)
        result = AItemsCount * ListBox->GetItemHeight() + 4 + (FCaptionMode ? FDefaultCaptionHeight : 0);
    else
        result = H(SkinRect) - H(ClRect) + AItemsCount * ListBox->GetItemHeight();
    if (HScrollBar)
        result += HScrollBar->GetHeight();
    return result;
}

int TskSkinCustomListBox::VisibleTextWidth()
{
    int result = FIndex == -1 ? ListBox->GetWidth() - 4 : ListBox->GetWidth() + W(ItemTextRect) - W(SItemRect);
    if (FImages)
        result -= FImages->GetWidth() + 4;
    return result;
}

void TskSkinCustomListBox::UpDateScrollBar()
{
    if (!ListBox || !ListBox->HandleAllocated())
        return;
    if (GetColumns() > 0) {
        UpdateColumnsBar();
        return;
    }
    UpdateTextBar();
    UpdateRowsBar();
}

void TskSkinCustomListBox::UpdateColumnsBar()
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(ListBox->GetHandle(), SB_HORZ, &info);
    const int page = GetColumns();
    const int rows = std::max(1, ListBox->GetHeight() / std::max(1, ListBox->GetItemHeight()));
    if (info.nMax > info.nMin && info.nPos <= info.nMax && page <= info.nMax && rows * page < ListBox->Count()) {
        if (!ScrollBar)
            CreateVScrollBar();
        ScrollBar->SetRange(info.nMin, info.nMax, info.nPos, page);
    } else if (ScrollBar && ScrollBar->GetVisible()) {
        DestroyVScrollBar();
    }
}

void TskSkinCustomListBox::UpdateRowsBar()
{
    const int count = ListBox->Count();
    if (FRowCount > 0 && FRowCount == count) {
        if (ScrollBar && ScrollBar->GetVisible())
            DestroyVScrollBar();
        return;
    }
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(ListBox->GetHandle(), SB_VERT, &info);
    const int page = ListBox->GetHeight() / std::max(1, ListBox->GetItemHeight());
    if (info.nMax > info.nMin && info.nPos <= info.nMax && page < count) {
        if (!ScrollBar)
            CreateVScrollBar();
        ScrollBar->SetRange(info.nMin, info.nMax, info.nPos, page);
        ScrollBar->SetLargeChange(page);
    } else if (ScrollBar && ScrollBar->GetVisible()) {
        DestroyVScrollBar();
    }
}

void TskSkinCustomListBox::UpdateTextBar()
{
    if (!FHorizontalExtent || FStopUpDateHScrollBar) {
        if (HScrollBar && HScrollBar->GetVisible())
            DestroyHScrollBar();
        return;
    }
    TCanvas* c = ListBox->Canvas();
    AssignSkinFont(c->Font(), ListBox->Font(), FIndex != -1 && FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    const int widest = WidestText();
    const int page = VisibleTextWidth();
    if (page < widest) {
        if (!HScrollBar)
            CreateHScrollBar();
        HScrollBar->SetRange(0, widest, HScrollBar->GetPosition(), page);
        const int step = c->TextWidth("0");
        HScrollBar->SetSmallChange(step);
        HScrollBar->SetLargeChange(step);
    } else if (HScrollBar && HScrollBar->GetVisible()) {
        DestroyHScrollBar();
    }
}

int TskSkinCustomListBox::GetItemTextWidth(int Index, TCanvas* Cnvs)
{
    return Cnvs->TextWidth(ListBox->Items()->Get(Index));
}

int TskSkinCustomListBox::WidestText()
{
    const int count = ListBox->Count();
    if (static_cast<int>(FTextWidths.size()) != count) {
        FTextWidths.assign(static_cast<std::size_t>(count), -1);
        FWidest = -1;
    }
    if (FWidest >= 0)
        return FWidest;
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        int& width = FTextWidths[static_cast<std::size_t>(i)];
        if (width < 0)
            width = GetItemTextWidth(i, ListBox->Canvas());
        widest = std::max(widest, width);
    }
    FWidest = widest;
    return widest;
}

void TskSkinCustomListBox::ItemsInserted(int Index)
{
    if (Index < 0 || Index > static_cast<int>(FTextWidths.size())) {
        ItemsReset();
        return;
    }
    FTextWidths.insert(FTextWidths.begin() + Index, -1);
    // The widest stays known: only the new item is measured at the next update.
    if (FWidest >= 0 && FHorizontalExtent && ListBox->HandleAllocated()) {
        TCanvas* c = ListBox->Canvas();
        AssignSkinFont(c->Font(), ListBox->Font(), FIndex != -1 && FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        FTextWidths[static_cast<std::size_t>(Index)] = GetItemTextWidth(Index, c);
        FWidest = std::max(FWidest, FTextWidths[static_cast<std::size_t>(Index)]);
    } else {
        FWidest = -1;
    }
}

void TskSkinCustomListBox::ItemDeleted(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(FTextWidths.size())) {
        ItemsReset();
        return;
    }
    const int width = FTextWidths[static_cast<std::size_t>(Index)];
    FTextWidths.erase(FTextWidths.begin() + Index);
    if (width < 0 || width >= FWidest)
        FWidest = -1;
}

void TskSkinCustomListBox::ItemsReset()
{
    FTextWidths.clear();
    FWidest = -1;
}

void TskSkinCustomListBox::CreateVScrollBar()
{
    ScrollBar = new TskSkinScrollBar(this);
    ScrollBar->SetKind(GetColumns() <= 0 ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal);
    ScrollBar->SetHeight(100);
    ScrollBar->SetWidth(20);
    ScrollBar->SetPageSize(0);
    ScrollBar->SetMin(0);
    ScrollBar->SetPosition(0);
    ScrollBar->OnChange = [this](TObject* Sender) { VScrollBarChange(Sender); };
    ScrollBar->SetSkinDataName(VerticalBarName());
    ScrollBar->SetSkinData(FSD);
    if (HScrollBar) {
        DescribeHScrollBar();
        HScrollBar->SetSkinData(FSD);
    }
    ScrollBar->SetParent(this);
    CalcRects();
    ScrollBar->SetVisible(true);
    Invalidate();
}

void TskSkinCustomListBox::CreateHScrollBar()
{
    HScrollBar = new TskSkinScrollBar(this);
    HScrollBar->SetKind(TScrollBarKind::sbHorizontal);
    HScrollBar->SetHeight(100);
    HScrollBar->SetWidth(20);
    HScrollBar->SetPageSize(0);
    HScrollBar->SetMin(0);
    HScrollBar->SetPosition(0);
    HScrollBar->OnChange = [this](TObject* Sender) { HScrollBarChange(Sender); };
    DescribeHScrollBar();
    HScrollBar->SetSkinData(FSD);
    HScrollBar->SetParent(this);
    HScrollBar->SetVisible(true);
    CalcRects();
    Invalidate();
}

void TskSkinCustomListBox::DestroyVScrollBar()
{
    ScrollBar->SetVisible(false);
    TskSkinScrollBar* bar = ScrollBar;
    ScrollBar = nullptr;
    bar->Free();
    CalcRects();
}

void TskSkinCustomListBox::DestroyHScrollBar()
{
    ListBox->FHorizontalExtentValue = 0;
    HScrollBar->SetVisible(false);
    TskSkinScrollBar* bar = HScrollBar;
    HScrollBar = nullptr;
    bar->Free();
    CalcRects();
    ListBox->Invalidate();
}

void TskSkinCustomListBox::VScrollBarChange(TObject* /*Sender*/)
{
    // The full position: lists longer than 16 bits of rows scroll as far as the bar goes.
    ListBox->ScrollTo(ScrollBar->GetPosition());
}

void TskSkinCustomListBox::HScrollBarChange(TObject* /*Sender*/)
{
    ListBox->FHorizontalExtentValue = HScrollBar->GetPosition();
    ListBox->Invalidate();
}

std::vector<int> TskSkinCustomListBox::TabStops() const
{
    std::vector<int> stops;
    for (int i = 0; i < FTabWidths->Count() && i < 10; ++i)
        stops.push_back(DigitsToInt(FTabWidths->Get(i)));
    return stops;
}

// ---------------------------------------------------------------------------------------------
// Properties.

void TskSkinCustomListBox::SetItems(TStrings* Value)
{
    ListBox->Items()->Assign(Value);
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetItemIndex(int Value)
{
    if (Value == -1 || (Value >= 0 && Value < ListBox->Count()))
        ListBox->SetItemIndex(Value);
}

void TskSkinCustomListBox::SetColumns(int Value)
{
    ListBox->SetColumns(Value);
    ListBox->SetBounds(ListRect.left, ListRect.top, W(ListRect), H(ListRect));
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetTopIndex(int Value)
{
    ListBox->SetTopIndex(Value);
    ListBox->SyncScrollInfo();
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetSorted(bool Value)
{
    if (ScrollBar)
        DestroyVScrollBar();
    ListBox->SetSorted(Value);
}

void TskSkinCustomListBox::Clear()
{
    ListBox->Clear();
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetHorizontalExtent(bool Value)
{
    FHorizontalExtent = Value;
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetRowCount(int Value)
{
    FRowCount = Value;
    if (FRowCount != 0)
        SetHeight(CalcHeight(FRowCount));
    UpDateScrollBar();
}

void TskSkinCustomListBox::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    ListBox->Invalidate();
}

void TskSkinCustomListBox::SetImageIndex(int Value)
{
    FImageIndex = Value;
    ListBox->Invalidate();
}

void TskSkinCustomListBox::SetTabWidths(TStrings* Value)
{
    FTabWidths->Assign(Value);
    if (FTabWidths->Count() > 0)
        ListBox->Invalidate();
}

void TskSkinCustomListBox::SetDefaultItemHeight(int Value)
{
    FDefaultItemHeight = Value;
    if (FIndex == -1 || !FUseSkinItemHeight)
        ListBox->SetItemHeight(Value);
}

void TskSkinCustomListBox::SetCaptionMode(bool Value)
{
    FCaptionMode = Value;
    if (FIndex == -1) {
        CalcRects();
        Invalidate();
    }
}

void TskSkinCustomListBox::SetDefaultCaptionHeight(int Value)
{
    FDefaultCaptionHeight = Value;
    if (FIndex == -1 && FCaptionMode) {
        CalcRects();
        Invalidate();
    }
}

// ---------------------------------------------------------------------------------------------
// The inner list's input, as the OnListBox events.

void TskSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnListBoxMouseDown)
        handler(this, Button, Shift, X, Y);
}

void TskSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y)
{
    if (auto handler = OnListBoxMouseMove)
        handler(this, Shift, X, Y);
}

void TskSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnListBoxMouseUp)
        handler(this, Button, Shift, X, Y);
}

void TskSkinCustomListBox::ListBoxClick()
{
    if (auto handler = OnListBoxClick)
        handler(this);
}

void TskSkinCustomListBox::ListBoxDblClick()
{
    if (auto handler = OnListBoxDblClick)
        handler(this);
}

void TskSkinCustomListBox::ListBoxKeyDown(WORD& Key, TShiftState Shift)
{
    if (auto handler = OnListBoxKeyDown)
        handler(this, Key, Shift);
}

void TskSkinCustomListBox::ListBoxKeyUp(WORD& Key, TShiftState Shift)
{
    if (auto handler = OnListBoxKeyUp)
        handler(this, Key, Shift);
}

void TskSkinCustomListBox::ListBoxKeyPress(char32_t& Key)
{
    if (auto handler = OnListBoxKeyPress)
        handler(this, Key);
}
