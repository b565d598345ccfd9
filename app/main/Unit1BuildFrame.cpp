// The main window's frame, skins, picture lists, menus and tool bar.

#include "app/main/MainBuild.h"
#include "app/main/MainArtwork.h"
#include "app/main/Unit1.h"

#include "classlib/Menus.h"
#include "platform/window/Keys.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skPngImageList.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinToolBar.h"
#include "skin/form/skTrayIcon.h"

namespace {

TMenuItem* Item(TComponent* Owner, TMenuItem* Parent, const char* Name, const std::string& Caption,
                bool Enabled = true)
{
    auto* item = new TMenuItem(Owner);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->SetEnabled(Enabled);
    Parent->Add(item);
    return item;
}

} // namespace

void TForm1::BuildSkinsAndPictures()
{
    skCompressedSkinList1 = new TskCompressedSkinList(this);
    skCompressedSkinList1->SetName("skCompressedSkinList1");
    FillSwitchableSkins(skCompressedSkinList1);
    skSkinData1 = new TskSkinData(this);
    skSkinData1->SetName("skSkinData1");
    // The form starts on the second skin until the stored index is read.
    skSkinData1->SetSkinIndex(1);
    skSkinData1->SetSkinList(skCompressedSkinList1);

    skCompressedSkinList2 = new TskCompressedSkinList(this);
    skCompressedSkinList2->SetName("skCompressedSkinList2");
    FillFixedSkin(skCompressedSkinList2);
    skSkinData2 = new TskSkinData(this);
    skSkinData2->SetName("skSkinData2");
    skSkinData2->SetSkinList(skCompressedSkinList2);

    skPngImageList1 = new TskPngImageList(this);
    skPngImageList1->SetName("skPngImageList1");
    FillArtworkImageList(skPngImageList1, "toolbar", 48, 18);
    skPngImageList4 = new TskPngImageList(this);
    skPngImageList4->SetName("skPngImageList4");
    FillArtworkImageList(skPngImageList4, "categories/48", 48, 35);
    skPngImageList5 = new TskPngImageList(this);
    skPngImageList5->SetName("skPngImageList5");
    FillArtworkImageList(skPngImageList5, "categories/32", 32, 35);

    skFormSkin1 = new TskFormSkin(this);
    skFormSkin1->SetName("skFormSkin1");
    skFormSkin1->SetBorderIcons(TskBorderIcons{TskBorderIcon::biMinimize});
    skFormSkin1->SetSkinData(skSkinData1);

    skSkinHint1 = new TskSkinHint(this);
    skSkinHint1->SetName("skSkinHint1");
    skSkinHint1->DefaultFont()->SetHeight(-11);
    skSkinHint1->SetSkinData(skSkinData1);
    skFormSkin1->SetSkinHint(skSkinHint1);

    skTrayIcon1 = new TskTrayIcon(this);
    skTrayIcon1->SetName("skTrayIcon1");
    skTrayIcon1->SetEnabled(false);
    skTrayIcon1->SetIconVisible(false);
    skTrayIcon1->SetAnimateTimerInterval(0);
    skFormSkin1->SetTrayIcon(skTrayIcon1);
    skTrayIcon1->Loaded();
}

void TForm1::BuildMenus()
{
    skSkinMainMenu1 = new TskSkinMainMenu(this);
    skSkinMainMenu1->SetName("skSkinMainMenu1");
    skSkinMainMenu1->SetSkinData(skSkinData1);
    TMenuItem* top = skSkinMainMenu1->Items();
    N1 = Item(this, top, "N1", "文件");
    Item111 = Item(this, N1, "Item111", "添加一个文件");
    Item121 = Item(this, N1, "Item121", "添加多个文件");
    N21 = Item(this, N1, "N21", "添加整个目录");
    N3 = Item(this, N1, "N3", "-");
    N4 = Item(this, N1, "N4", "退出");
    N2 = Item(this, top, "N2", "编辑");
    N111 = Item(this, N2, "N111", "上移文件");
    N2221 = Item(this, N2, "N2221", "下移文件");
    N12 = Item(this, N2, "N12", "-");
    N13 = Item(this, N2, "N13", "删除选择", false);
    N14 = Item(this, N2, "N14", "清空文件", false);
    N25 = Item(this, N2, "N25", "-");
    N26 = Item(this, N2, "N26", "重新命名", false);
    N6 = Item(this, top, "N6", "动作");
    N7 = Item(this, N6, "N7", "开始转换", false);
    N8 = Item(this, N6, "N8", "停止转换", false);
    N9 = Item(this, N6, "N9", "-");
    N10 = Item(this, N6, "N10", "暂停转换", false);
    N11 = Item(this, N6, "N11", "继续继续", false);
    N22 = Item(this, top, "N22", "功能");
    N24 = Item(this, N22, "N24", "转换设置");
    N23 = Item(this, N22, "N23", "软件皮肤");
    N17 = Item(this, top, "N17", "帮助");
    N15 = Item(this, N17, "N15", "帮助系统");
    N15->SetShortCut(ShortCut(VK_F1, TShiftState{}));
    N16 = Item(this, N17, "N16", "-");
    N19 = Item(this, N17, "N19", "官方网站");
    N5 = Item(this, N17, "N5", "关于软件");

    skSkinMainMenuBar1 = MakeSkinned<TskSkinMainMenuBar>(this, this, "skSkinMainMenuBar1", At(0, 0, 839, 22), skSkinData1);
    skSkinMainMenuBar1->SetAlign(TAlign::alTop);
    skSkinMainMenuBar1->SetMainMenu(skSkinMainMenu1);
    skSkinMainMenuBar1->SetFormSkin(skFormSkin1);
    // The form's menu: the frame takes it over for its shortcuts (F1) when the form shows.
    SetMenu(skSkinMainMenu1);

    skSkinPopupMenu1 = new TskSkinPopupMenu(this);
    skSkinPopupMenu1->SetName("skSkinPopupMenu1");
    N11111 = Item(this, skSkinPopupMenu1->Items(), "N11111", "添加一个文件");
    N2222 = Item(this, skSkinPopupMenu1->Items(), "N2222", "添加多个文件");
    N3331 = Item(this, skSkinPopupMenu1->Items(), "N3331", "添加整个目录");

    skSkinPopupMenu2 = new TskSkinPopupMenu(this);
    skSkinPopupMenu2->SetName("skSkinPopupMenu2");
    TMenuItem* snapshot = skSkinPopupMenu2->Items();
    MenuItem1 = Item(this, snapshot, "MenuItem1", "打开快照目录");
    MenuItem2 = Item(this, snapshot, "MenuItem2", "设置快照目录");
    MenuItem3 = Item(this, snapshot, "MenuItem3", "-");
    N27 = Item(this, snapshot, "N27", "快照保存类型");
    BMP1 = Item(this, N27, "BMP1", "BMP文件");
    JPG1 = Item(this, N27, "JPG1", "JPG文件");
    GIF1 = Item(this, N27, "GIF1", "GIF文件");
    PNG1 = Item(this, N27, "PNG1", "PNG文件");
    for (TMenuItem* type : {BMP1, JPG1, GIF1, PNG1}) {
        type->SetRadioItem(true);
        type->SetGroupIndex(1);
    }
    BMP1->SetChecked(true);
}

void TForm1::BuildToolBar()
{
    skSkinToolBar2 = MakeSkinned<TskSkinToolBar>(this, this, "skSkinToolBar2", At(0, 22, 839, 79), skSkinData1);
    skSkinToolBar2->SetAlign(TAlign::alTop);
    skSkinToolBar2->SetImages(skPngImageList1);
    skSkinToolBar2->SetShowCaptions(true);
    // Tool buttons: picture above the caption.
    auto tool = [this](const char* Name, int Left, const char* Caption, int Image) {
        auto* b = MakeSkinned<TskSkinButton>(this, skSkinToolBar2, Name, At(Left, 4, 72, 71), skSkinData1, Caption);
        b->SetSkinDataName("resizetoolbutton");
        b->SetImageList(skPngImageList1);
        b->SetImageIndex(Image);
        b->SetLayout(blGlyphTop);
        return b;
    };
    // "添加" drops down the add menu under itself.
    skSkinMenuSpeedButton1 = MakeSkinned<TskSkinMenuSpeedButton>(this, skSkinToolBar2, "skSkinMenuSpeedButton1",
                                                                 At(8, 4, 72, 71), skSkinData1, "添加");
    skSkinMenuSpeedButton1->SetSkinDataName("resizetoolbutton");
    skSkinMenuSpeedButton1->SetUseSkinSize(false);
    skSkinMenuSpeedButton1->SetSkinPopupMenu(skSkinPopupMenu1);
    skSkinMenuSpeedButton1->SetImageList(skPngImageList1);
    skSkinMenuSpeedButton1->SetImageIndex(0);
    skSkinMenuSpeedButton1->SetLayout(blGlyphTop);
    skSkinButton2 = tool("skSkinButton2", 84, "开始", 13);
    skSkinButton10 = tool("skSkinButton10", 160, "停止", 14);
    skSkinButton11 = tool("skSkinButton11", 236, "暂停", 15);
    skSkinButton12 = tool("skSkinButton12", 236, "继续", 16);
    skSkinButton12->SetVisible(false);
    skSkinButton19 = tool("skSkinButton19", 312, "选项", 1);
    skSkinButton9 = tool("skSkinButton9", 388, "皮肤", 2);
    skSkinButton9->SetVisible(false);
}
