#include "TabsDemo.h"

#include "classlib/Menus.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinTabs.h"

#include <initializer_list>
#include <string>

namespace {

TskSkinPageControl* Pages(TWinControl* Parent, TskSkinData* Data, RECT Bounds, TTabPosition Position,
                          std::initializer_list<const char*> Captions)
{
    auto* pc = new TskSkinPageControl(Parent);
    pc->SetBoundsRect(Bounds);
    pc->SetTabPosition(Position);
    for (const char* caption : Captions) {
        auto* sheet = new TskSkinTabSheet(Parent);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pc);
        auto* label = new TskSkinStdLabel(sheet);
        label->SetParent(sheet);
        label->SetBounds(12, 12, 150, 18);
        label->SetCaption(std::string(caption) + "的设置");
        label->SetSkinData(Data);
    }
    pc->SetParent(Parent);
    pc->SetSkinData(Data);
    return pc;
}

} // namespace

void BuildPages(TWinControl* Parent, TskSkinData* Data, RECT Area)
{
    const int x = Area.left, y = Area.top, h = Area.bottom - Area.top;
    // Six tabs of 80 pixels in 330: the row scrolls with the skinned up-down; each tab can close.
    auto* settings = Pages(Parent, Data, RECT{x, y, x + 330, y + h}, TTabPosition::tpTop,
                           {"常规", "视频", "音频", "字幕", "滤镜", "高级"});
    settings->SetTabWidth(80);
    settings->SetShowCloseButtons(true);
    settings->SetMouseWheelSupport(true);
    settings->SetActivePageIndex(1);
    Pages(Parent, Data, RECT{x + 340, y, x + 540, y + h}, TTabPosition::tpBottom, {"列表", "预览"});
    Pages(Parent, Data, RECT{x + 550, y, x + 760, y + h}, TTabPosition::tpLeft, {"输入", "输出"});
}

void BuildMenuButtons(TWinControl* Parent, TskSkinData* Data, RECT Area)
{
    auto* menu = new TskSkinPopupMenu(Parent);
    for (const char* caption : {"添加文件...", "添加文件夹..."}) {
        auto* item = new TMenuItem(Parent);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    const int w = Area.right - Area.left;
    auto* add = new TskSkinMenuSpeedButton(Parent);
    add->SetParent(Parent);
    add->SetBounds(Area.left, Area.top, w, 30);
    add->SetCaption("添加");
    add->SetSkinData(Data);
    add->SetSkinPopupMenu(menu);
    auto* split = new TskSkinMenuSpeedButton(Parent);
    split->SetParent(Parent);
    split->SetBounds(Area.left, Area.top + 40, w, 30);
    split->SetCaption("转换");
    split->SetTrackButtonMode(true);
    split->SetSkinData(Data);
    split->SetSkinPopupMenu(menu);
}
