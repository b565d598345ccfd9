// The main window's preview group, job list, settings pages and the panels beyond its right edge.

#include "app/main/MainBuild.h"
#include "app/main/Unit1.h"

#include "classlib/Bitmap.h"
#include "classlib/ComCtrls.h"
#include "classlib/ComboBox.h"
#include "classlib/CustomEdit.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ListBox.h"
#include "classlib/Memo.h"
#include "classlib/Picture.h"
#include "classlib/Resources.h"
#include "classlib/StdCtrls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinTabs.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"
#include "skin/core/skPngImageList.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <cstdio>

namespace {

// The job list's columns: caption and width (0: hidden).
struct TColumnSpec {
    const char* Caption;
    int Width;
};
constexpr TColumnSpec JobColumns[] = {
    {"输入文件", 80},   {"视频时间", 70},   {"文件大小", 70},   {"输出文件", 80},  {"转换进度", 70},
    {"", 0},            {"当前时间", 80},   {"转换大小", 80},   {"视频序号", 0},   {"视频类别", 0},
    {"视频选项", 0},    {"视频编码", 0},    {"音频编码", 0},    {"声音频道", 0},   {"VideoTag", 0},
    {"FileExt", 0},     {"视频分辨率", 0},  {"视频比特率", 0},  {"视频帧率", 0},   {"音频比特率", 0},
    {"音频采样率", 0},  {"视频缩放", 0},    {"视频能否", 0},    {"TargetType", 0}, {"NormType", 0},
};

} // namespace

void TForm1::BuildPreviewGroup()
{
    skSkinPanel3 = MakeSkinned<TskSkinPanel>(this, this, "skSkinPanel3", At(4, 105, 252, 253), skSkinData1, "视频预览");
    skSkinPanel3->SetSkinDataName("groupbox");
    skSkinPanel3->SetCaptionMode(true);
    Panel6 = MakeControl<TPanel>(this, skSkinPanel3, "Panel6", At(6, 26, 240, 145));
    Panel6->SetColor(clBlack);
    Panel6->SetBevelOuter(TPanelBevel::bvNone);
    skSkinSlider1 = MakeSkinned<TskSkinSlider>(this, skSkinPanel3, "skSkinSlider1", At(6, 176, 240, 20), skSkinData1);
    auto button = [this](const char* Name, int Left, const char* Hint, const char* Glyph) {
        auto* b = MakeSkinned<TskSkinButton>(this, skSkinPanel3, Name, At(Left, 204, 36, 28), skSkinData1);
        b->SetHint(Hint);
        b->SetShowHint(true);
        TBitmap glyph;
        LoadBitmapResource(&glyph, Glyph);
        b->SetGlyph(&glyph);
        return b;
    };
    skSkinButton13 = button("skSkinButton13", 6, "播放", "PREVIEW_PLAY");
    skSkinButton14 = button("skSkinButton14", 46, "暂停", "PREVIEW_PAUSE");
    skSkinButton15 = button("skSkinButton15", 86, "停止", "PREVIEW_STOP");
    skSkinButton16 = button("skSkinButton16", 126, "静音", "PREVIEW_SOUND");
    skSkinButton20 = button("skSkinButton20", 126, "静音", "PREVIEW_MUTED");
    skSkinButton20->SetVisible(false);
    skSkinButton22 = button("skSkinButton22", 166, "快照", "PREVIEW_SNAPSHOT");
    skSkinButton23 = button("skSkinButton23", 206, "设置", "PREVIEW_MENU");
    FScreenControl = Panel6;
}

void TForm1::BuildJobList()
{
    skSkinPanel1 = MakeSkinned<TskSkinPanel>(this, this, "skSkinPanel1", At(260, 105, 575, 253), skSkinData1);
    // The list fills a frame whose bars take their room when the rows or columns do not fit.
    skSkinPanel2 = MakeSkinned<TskSkinPanel>(this, skSkinPanel1, "skSkinPanel2", At(4, 4, 567, 211), skSkinData1);
    skSkinPanel2->SetBorderStyle(bvNone);
    auto bar = [this](const char* Name, TScrollBarKind Kind, TAlign Align) {
        auto* b = MakeSkinned<TskSkinScrollBar>(this, skSkinPanel2, Name, At(0, 0, 17, 17), skSkinData1);
        b->SetKind(Kind);
        if (Kind == TScrollBarKind::sbVertical)
            b->SetSkinDataName("vscrollbar");
        b->SetAlign(Align);
        return b;
    };
    skSkinScrollBar1 = bar("skSkinScrollBar1", TScrollBarKind::sbHorizontal, TAlign::alBottom);
    skSkinScrollBar2 = bar("skSkinScrollBar2", TScrollBarKind::sbVertical, TAlign::alRight);
    lvFiles = MakeSkinned<TskSkinListView>(this, skSkinPanel2, "lvFiles", At(0, 0, 567, 211), skSkinData1);
    lvFiles->SetAlign(TAlign::alClient);
    lvFiles->SetViewStyle(TViewStyle::vsReport);
    lvFiles->SetReadOnly(true);
    lvFiles->SetRowSelect(true);
    lvFiles->SetGridLines(true);
    lvFiles->SetMultiSelect(false);
    lvFiles->SetHideSelection(false);
    for (const TColumnSpec& spec : JobColumns) {
        TListColumn* column = lvFiles->Columns()->Add();
        column->SetCaption(spec.Caption);
        column->SetWidth(spec.Width);
        // A hidden column carries a row's settings: a drag on the header never opens it.
        if (spec.Width == 0)
            column->SetMaxWidth(1);
    }
    lvFiles->SetHScrollBar(skSkinScrollBar1);
    lvFiles->SetVScrollBar(skSkinScrollBar2);
    auto button = [this](const char* Name, int Left, const char* Caption) {
        return MakeSkinned<TskSkinButton>(this, skSkinPanel1, Name, At(Left, 220, 84, 27), skSkinData1, Caption);
    };
    skSkinButton3 = button("skSkinButton3", 4, "上移");
    skSkinButton4 = button("skSkinButton4", 92, "下移");
    skSkinButton7 = button("skSkinButton7", 180, "删除");
    skSkinButton8 = button("skSkinButton8", 268, "清空");
    skSkinButton21 = button("skSkinButton21", 356, "重命名");

    // The cover lies over the list while it is empty.
    skSkinPanel5 = MakeSkinned<TskSkinPanel>(this, skSkinPanel1, "skSkinPanel5", At(4, 4, 567, 211), skSkinData1);
    auto* cover = MakeControl<TImage>(this, skSkinPanel5, "CoverImage", At(0, 0, 567, 211));
    cover->SetAlign(TAlign::alClient);
    cover->SetCenter(true);
    cover->SetProportional(true);
    LoadArtworkPicture(cover->Picture(), "cover.png");
}

void TForm1::BuildSettingsPages()
{
    skSkinPageControl1 =
        MakeSkinned<TskSkinPageControl>(this, this, "skSkinPageControl1", At(4, 362, 831, 156), skSkinData1);
    skSkinTabSheet1 = MakeTabSheet(this, skSkinPageControl1, "skSkinTabSheet1", "常规设置");
    skSkinTabSheet2 = MakeTabSheet(this, skSkinPageControl1, "skSkinTabSheet2", "音视频高级设置");
    skSkinPageControl1->SetActivePage(skSkinTabSheet1);

    // Both boxes show the chosen item with its picture and, for a format, its title line over
    // its description; their drop-downs show four items.
    auto office = [this](const char* Name, int Left, int Width, bool Formats) {
        auto* box = MakeSkinned<TskSkinOfficeComboBox>(this, skSkinTabSheet1, Name, At(Left, 28, Width, 51), skSkinData2);
        box->SetToolButtonStyle(true);
        box->SetImages(Formats ? skPngImageList5 : skPngImageList4);
        box->SetListBoxSkinDataName(Formats ? "listbox" : "resizetoolpanel");
        box->SetListBoxItemHeight(Formats ? 60 : 50);
        box->SetListBoxShowItemTitles(Formats);
        box->SetListBoxShowLines(Formats);
        box->SetListBoxWidth(Formats ? 0 : 140);
        box->SetDropDownCount(4);
        return box;
    };
    MakeSkinned<TskSkinStdLabel>(this, skSkinTabSheet1, "skSkinStdLabel2", At(12, 8, 140, 18), skSkinData1, "输出类别：");
    MakeSkinned<TskSkinStdLabel>(this, skSkinTabSheet1, "skSkinStdLabel3", At(164, 8, 456, 18), skSkinData1, "输出格式：");
    skSkinOfficeComboBox2 = office("skSkinOfficeComboBox2", 12, 140, false);
    skSkinOfficeComboBox1 = office("skSkinOfficeComboBox1", 164, 456, true);
    MakeSkinned<TskSkinStdLabel>(this, skSkinTabSheet1, "skSkinStdLabel4", At(12, 84, 70, 18), skSkinData1, "输出目录：");
    Video_OutPut_Folder_Edit = MakeSkinned<TskSkinEdit>(this, skSkinTabSheet1, "Video_OutPut_Folder_Edit",
                                                        At(84, 82, 560, 22), skSkinData1);
    Video_OutPut_Folder_Edit->SetReadOnly(true);
    skSkinButton5 = MakeSkinned<TskSkinButton>(this, skSkinTabSheet1, "skSkinButton5", At(652, 80, 80, 26), skSkinData1,
                                               "浏览...");
    skSkinButton6 = MakeSkinned<TskSkinButton>(this, skSkinTabSheet1, "skSkinButton6", At(738, 80, 80, 26), skSkinData1,
                                               "打开");

    struct TBoxSpec {
        TskSkinComboBox** Box;
        const char* Name;
        const char* Label;
    };
    const TBoxSpec boxes[] = {
        {&skSkinComboBox1, "skSkinComboBox1", "视频分辨率："},  {&skSkinComboBox2, "skSkinComboBox2", "视频比特率："},
        {&skSkinComboBox9, "skSkinComboBox9", "视频帧率："},    {&skSkinComboBox3, "skSkinComboBox3", "音频比特率："},
        {&skSkinComboBox10, "skSkinComboBox10", "音频采样率："}, {&skSkinComboBox4, "skSkinComboBox4", "视频缩放："},
    };
    for (int i = 0; i < 6; ++i) {
        const int left = 12 + (i % 3) * 272, top = 14 + (i / 3) * 52;
        char label[32];
        std::snprintf(label, sizeof label, "skSkinStdLabel%d", 10 + i);
        MakeSkinned<TskSkinStdLabel>(this, skSkinTabSheet2, label, At(left, top + 3, 90, 18), skSkinData1, boxes[i].Label);
        *boxes[i].Box = MakeSkinned<TskSkinComboBox>(this, skSkinTabSheet2, boxes[i].Name, At(left + 92, top, 160, 22),
                                                     skSkinData1);
    }
}

void TForm1::BuildOffScreenPanels()
{
    // Beyond the right edge of the client area: never seen, but ordinary children.
    Panel1 = MakeControl<TPanel>(this, this, "Panel1", At(900, 0, 420, 520));
    struct TCommand {
        TButton** Button;
        const char* Name;
        const char* Caption;
    };
    const TCommand commands[] = {
        {&btnAdd, "btnAdd", "Open添加一个文件"}, {&Button8, "Button8", "打开多个文件"},
        {&Button12, "Button12", "添加整个目录"},   {&btnRemove, "btnRemove", "Remove"},
        {&btnClear, "btnClear", "Clear"},          {&Button15, "Button15", "初始化数值"},
        {&btnStart, "btnStart", "Start"},          {&btnStop, "btnStop", "Stop"},
        {&btnPause, "btnPause", "Pause"},          {&btnResume, "btnResume", "Resume"},
        {&button28, "button28", "新添加"},         {&Button22, "Button22", "工作中设置为不能"},
        {&Button23, "Button23", "工作完成设置为能"}, {&Button24, "Button24", "刷新皮肤"},
        {&Button20, "Button20", "转换后打开文件夹"}, {&Button25, "Button25", "关机"},
        {&Button29, "Button29", " 播放提示音"},    {&Button2, "Button2", "添加combox"},
        {&Button5, "Button5", "根据combox添加数据"}, {&Button6, "Button6", "初始化数据"},
        {&Button13, "Button13", "确认预置选项数据"}, {&Button18, "Button18", "根据combox添加预设选项"},
        {&Button31, "Button31", "打开播放视频"},   {&Button17, "Button17", "读ini文件"},
        {&Button16, "Button16", "写ini文件"},      {&Button21, "Button21", "OpenDialog1"},
        {&Button3, "Button3", "读入皮肤ini"},      {&Button4, "Button4", "写入皮肤ini"},
    };
    int i = 0;
    for (const TCommand& c : commands) {
        *c.Button = MakeControl<TButton>(this, Panel1, c.Name, At(4 + (i % 3) * 138, 4 + (i / 3) * 26, 134, 24), c.Caption);
        ++i;
    }
    chkThreadMode = MakeControl<TCheckBox>(this, Panel1, "chkThreadMode", At(4, 270, 130, 20), "Thread Mode");
    chkThreadMode->SetChecked(true);
    ListBox1 = MakeControl<TListBox>(this, Panel1, "ListBox1", At(4, 294, 200, 100));
    for (int n = 4; n <= 17; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Image%d", n);
        TImage* image = MakeControl<TImage>(this, Panel1, name, At(210 + ((n - 4) % 7) * 20, 294 + ((n - 4) / 7) * 20, 16, 16));
        LoadBitmapResource(image->Picture()->Bitmap(), name);
        Images[static_cast<std::size_t>(n)] = image;
    }

    Panel5 = MakeControl<TPanel>(this, this, "Panel5", At(1330, 0, 300, 300));
    mmoLog = MakeControl<TMemo>(this, Panel5, "mmoLog", At(4, 4, 290, 180));
    cboScreens = MakeControl<TComboBox>(this, Panel5, "cboScreens", At(4, 190, 140, 21));
    cboVideoDriver = MakeControl<TComboBox>(this, Panel5, "cboVideoDriver", At(150, 190, 140, 21));
    cboAudioDriver = MakeControl<TComboBox>(this, Panel5, "cboAudioDriver", At(4, 216, 140, 21));
    chkOpenPaused = MakeControl<TCheckBox>(this, Panel5, "chkOpenPaused", At(150, 216, 140, 21), "Open Paused");
    Panel3 = MakeControl<TPanel>(this, this, "Panel3", At(1330, 310, 300, 40));
    Button9 = MakeControl<TButton>(this, Panel3, "Button9", At(4, 4, 120, 24), "播放视频");
    edt = MakeControl<TEdit>(this, this, "edt", At(1330, 360, 120, 21));
    edt->SetBorderStyle(TBorderStyle::bsNone);
    edt->SetVisible(false);
}
