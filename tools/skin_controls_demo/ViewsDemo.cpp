#include "ViewsDemo.h"

#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinStatusBar.h"
#include "skin/form/skSkinToolBar.h"

#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "skin/form/skSkinUpDown.h"
#include "skin/form/skSkinViews.h"

#include <string>

namespace {

TskSkinPanel* Frame(TWinControl* Parent, TskSkinData* Data, RECT R)
{
    auto* p = new TskSkinPanel(Parent);
    p->SetParent(Parent);
    p->SetBoundsRect(R);
    p->SetSkinData(Data);
    return p;
}

TskSkinScrollBar* Bar(TWinControl* Parent, TskSkinData* Data, TScrollBarKind Kind, TAlign Align)
{
    auto* b = new TskSkinScrollBar(Parent);
    b->SetKind(Kind);
    if (Kind == TScrollBarKind::sbVertical) {
        b->SetSkinDataName("vscrollbar");
        b->SetWidth(17);
    } else {
        b->SetHeight(17);
    }
    b->SetAlign(Align);
    b->SetParent(Parent);
    b->SetSkinData(Data);
    return b;
}

} // namespace

void BuildViews(TWinControl* Parent, TskSkinData* Data, RECT Area)
{
    const int x = Area.left, y = Area.top, w = Area.right - Area.left;

    // The job list: a report with a header, row select and grid lines, both bars.
    auto* jobs = Frame(Parent, Data, RECT{x, y, x + w, y + 190});
    jobs->SetBorderStyle(bvNone);
    auto* hbar = Bar(jobs, Data, TScrollBarKind::sbHorizontal, TAlign::alBottom);
    auto* vbar = Bar(jobs, Data, TScrollBarKind::sbVertical, TAlign::alRight);
    auto* list = new TskSkinListView(Parent);
    list->SetAlign(TAlign::alClient);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetRowSelect(true);
    list->SetGridLines(true);
    list->SetHideSelection(false);
    const char* captions[] = {"文件名", "格式", "时长", "大小", "状态"};
    const int widths[] = {120, 60, 70, 70, 80};
    for (int c = 0; c < 5; ++c) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(captions[c]);
        column->SetWidth(widths[c]);
    }
    for (int i = 0; i < 30; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("clip" + std::to_string(i + 1) + ".avi");
        item->SubItems()->Add(i % 3 == 0 ? "MP4" : "AVI");
        item->SubItems()->Add("00:0" + std::to_string(i % 10) + ":15");
        item->SubItems()->Add(std::to_string(12 + i * 7) + " MB");
        item->SubItems()->Add(i == 2 ? "转换中" : "等待");
    }
    list->SetParent(jobs);
    list->SetSkinData(Data);
    list->SetVScrollBar(vbar);
    list->SetHScrollBar(hbar);
    list->Items()->Item(2)->SetSelected(true);

    // A folder tree with its vertical bar.
    auto* folders = Frame(Parent, Data, RECT{x, y + 200, x + 170, y + 330});
    folders->SetBorderStyle(bvNone);
    auto* tbar = Bar(folders, Data, TScrollBarKind::sbVertical, TAlign::alRight);
    auto* tree = new TskSkinCustomTreeView(Parent);
    tree->SetAlign(TAlign::alClient);
    TTreeNode* home = tree->Items()->AddChild(nullptr, "主文件夹");
    for (const char* name : {"视频", "音乐", "图片", "下载", "文档", "Velkor视频软件"}) {
        TTreeNode* n = tree->Items()->AddChild(home, name);
        tree->Items()->AddChild(n, "2026");
    }
    tree->Items()->AddChild(nullptr, "计算机");
    tree->SetParent(folders);
    tree->SetSkinData(Data);
    tree->SetVScrollBar(tbar);
    home->Expand(false);
    home->Item(0)->Expand(false);
    tree->SetSelected(home->Item(0)->Item(0));

    // Free-standing bars: with a page, without one, disabled; and two up-downs.
    auto* paged = Bar(Parent, Data, TScrollBarKind::sbHorizontal, TAlign::alNone);
    paged->SetBounds(x + 180, y + 200, w - 180, 17);
    paged->SetRange(0, 100, 40, 25);
    auto* plain = Bar(Parent, Data, TScrollBarKind::sbHorizontal, TAlign::alNone);
    plain->SetBounds(x + 180, y + 225, w - 180, 17);
    plain->SetRange(0, 100, 70, 0);
    auto* off = Bar(Parent, Data, TScrollBarKind::sbHorizontal, TAlign::alNone);
    off->SetBounds(x + 180, y + 250, w - 180, 17);
    off->SetEnabled(false);
    auto* upDown = new TskSkinUpDown(Parent);
    upDown->SetParent(Parent);
    upDown->SetBounds(x + 180, y + 280, 36, 18);
    upDown->SetSkinData(Data);
    auto* vertical = new TskSkinUpDown(Parent);
    vertical->SetSkinDataName("vupdown");
    vertical->SetOrientation(TUDOrientation::udVertical);
    vertical->SetParent(Parent);
    vertical->SetBounds(x + 230, y + 280, 16, 32);
    vertical->SetSkinData(Data);

    // Sliders: the skinned one at 40 of 100 with ticks every 10, a plain one held at 70.
    auto* seek = new TskSkinSlider(Parent);
    seek->SetParent(Parent);
    seek->SetBounds(x + 260, y + 278, w - 260, 40);
    seek->SetSkinData(Data);
    seek->SetValue(40);
    auto* plainSlider = new TskSkinSlider(Parent);
    plainSlider->SetParent(Parent);
    plainSlider->SetBounds(x + 180, y + 320, w - 180, 34);
    plainSlider->SetValue(70);
}

void BuildStatusBar(TWinControl* Parent, TskSkinData* Data)
{
    auto* bar = new TskSkinStatusBar(Parent);
    bar->SetParent(Parent);
    bar->SetSkinData(Data);
    bar->SetSizeGrip(true);
    auto* label = new TskSkinStdLabel(bar);
    label->SetParent(bar);
    label->SetBounds(8, 3, 300, 16);
    label->SetCaption("共 30 个文件");
    label->SetSkinData(Data);
}

void BuildToolBar(TWinControl* Parent, TskSkinData* Data, RECT Area)
{
    // Colour discs as the bar's images; the hot list shows them brighter.
    auto* images = new TImageList(Parent);
    auto* hot = new TImageList(Parent);
    const TColor colors[] = {clRed, clGreen, clBlue, clOlive, clPurple, clTeal, clMaroon, clNavy};
    for (TColor c : colors) {
        for (TImageList* list : {images, hot}) {
            TBitmap picture;
            picture.SetSize(16, 16);
            picture.Canvas()->Brush()->SetColor(clFuchsia);
            picture.Canvas()->FillRect(RECT{0, 0, 16, 16});
            picture.Canvas()->Brush()->SetColor(list == hot ? clYellow : c);
            picture.Canvas()->Pen()->SetColor(c);
            picture.Canvas()->Ellipse(2, 2, 14, 14);
            list->AddMasked(&picture, clFuchsia);
        }
    }
    auto* bar = new TskSkinToolBar(Parent);
    bar->SetParent(Parent);
    bar->SetCanScroll(true);
    bar->SetBoundsRect(Area);
    bar->SetImages(images);
    bar->SetHotImages(hot);
    for (int i = 0; i < 8; ++i) {
        auto* b = new TskSkinSpeedButton(bar);
        b->SetParent(bar);
        b->SetBounds(2 + i * 30, 0, 28, 24);
        b->SetImageIndex(i);
    }
    bar->SetSkinData(Data);
    bar->SetFlat(true);
    bar->SetBounds(Area.left, Area.top, Area.right - Area.left + 1, Area.bottom - Area.top);
    bar->SetBoundsRect(Area);
}
