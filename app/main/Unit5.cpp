#include "app/main/Unit5.h"

#include "app/main/MainBuild.h"
#include "app/main/Unit1.h"

#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinTabs.h"
#include "skin/input/skSkinComboBox.h"

#include <string>

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    SetName("Form5");
    SetCaption("选项");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poMainFormCenter);
    SetClientWidth(542);
    SetClientHeight(550);
    BuildComponents();
    auto bind = [this](void (TForm5::*Handler)(TObject*)) { return [this, Handler](TObject* S) { (this->*Handler)(S); }; };
    Button1->OnClick = bind(&TForm5::Button1Click);
    Button2->OnClick = bind(&TForm5::Button2Click);
    skSkinButton6->OnClick = bind(&TForm5::skSkinButton6Click);
    skSkinButton1->OnClick = bind(&TForm5::skSkinButton1Click);
    skSkinCheckRadioBox8->OnClick = bind(&TForm5::skSkinCheckRadioBox8Click);
    skSkinCheckRadioBox7->OnClick = bind(&TForm5::skSkinCheckRadioBox7Click);
    OnCreate = bind(&TForm5::FormCreate);
    EndLoading();
}

TForm5::~TForm5()
{
    if (Form5 == this)
        Form5 = nullptr;
}

void TForm5::BuildComponents()
{
    TskSkinData* data = Form1 ? Form1->skSkinData1 : nullptr;
    skFormSkin1 = new TskFormSkin(this);
    skFormSkin1->SetName("skFormSkin1");
    skFormSkin1->SetBorderIcons(TskBorderIcons{});
    skFormSkin1->SetSkinData(data);

    auto* back = MakeSkinned<TskSkinPanel>(this, this, "skSkinPanel1", At(0, 0, 542, 550), data);
    back->SetAlign(TAlign::alClient);
    skSkinPageControl1 = MakeSkinned<TskSkinPageControl>(this, back, "skSkinPageControl1", At(8, 8, 526, 490), data);
    skSkinTabSheet1 = MakeTabSheet(this, skSkinPageControl1, "skSkinTabSheet1", "CPU设置");
    skSkinTabSheet2 = MakeTabSheet(this, skSkinPageControl1, "skSkinTabSheet2", "常规设置");
    skSkinPageControl1->SetActivePage(skSkinTabSheet1);

    auto group = [this, data](TWinControl* Sheet, const char* Name, int Top, int Height, const char* Caption) {
        return MakeSkinned<TskSkinGroupBox>(this, Sheet, Name, At(16, Top, 490, Height), data, Caption);
    };
    auto box = [this, data](TWinControl* Parent, const char* Name, int Top, const char* Caption, int Group) {
        auto* b = MakeSkinned<TskSkinCheckRadioBox>(this, Parent, Name, At(24, Top, 440, 22), data, Caption);
        if (Group > 0) {
            b->SetSkinDataName("radiobox");
            b->SetRadio(true);
            b->SetGroupIndex(Group);
        }
        return b;
    };
    skSkinGroupBox1 = group(skSkinTabSheet1, "skSkinGroupBox1", 16, 150, "转换时CPU利用方式");
    skSkinCheckRadioBox9 = box(skSkinGroupBox1, "skSkinCheckRadioBox9", 30, "系统空闲时进行", 1);
    skSkinCheckRadioBox10 = box(skSkinGroupBox1, "skSkinCheckRadioBox10", 58, "最低优先级进行", 1);
    skSkinCheckRadioBox11 = box(skSkinGroupBox1, "skSkinCheckRadioBox11", 86, "较低优先级进行", 1);
    skSkinCheckRadioBox12 = box(skSkinGroupBox1, "skSkinCheckRadioBox12", 114, "正常优先级进行", 1);
    skSkinGroupBox2 = group(skSkinTabSheet1, "skSkinGroupBox2", 182, 150, "转换参数");
    skSkinStdLabel1 = MakeSkinned<TskSkinStdLabel>(this, skSkinGroupBox2, "skSkinStdLabel1", At(24, 32, 440, 18), data,
                                                   "程序最大运行线程数--（同时进行转换的文件个数）");
    skSkinComboBox2 = MakeSkinned<TskSkinComboBox>(this, skSkinGroupBox2, "skSkinComboBox2", At(24, 58, 120, 22), data);
    for (int n = 1; n <= 19; ++n)
        skSkinComboBox2->Items()->Add(std::to_string(n));
    skSkinCheckRadioBox7 = box(skSkinGroupBox2, "skSkinCheckRadioBox7", 88, "启用多线程模式   （同时进行转换的视频个数）", 0);
    skSkinCheckRadioBox7->SetVisible(false);
    skSkinCheckRadioBox8 = box(skSkinGroupBox2, "skSkinCheckRadioBox8", 112, "转换时进行实时视频预览", 0);

    skSkinGroupBox3 = group(skSkinTabSheet2, "skSkinGroupBox3", 16, 150, "转换工作完成后");
    skSkinCheckRadioBox1 = box(skSkinGroupBox3, "skSkinCheckRadioBox1", 30, "自动打开输出文件夹", 2);
    skSkinCheckRadioBox2 = box(skSkinGroupBox3, "skSkinCheckRadioBox2", 58, "自动关闭计算机", 2);
    skSkinCheckRadioBox4 = box(skSkinGroupBox3, "skSkinCheckRadioBox4", 86, " 播放提示音乐", 2);
    skSkinCheckRadioBox5 = box(skSkinGroupBox3, "skSkinCheckRadioBox5", 114, "不进行任何操作", 2);
    skSkinGroupBox4 = group(skSkinTabSheet2, "skSkinGroupBox4", 182, 96, "如果输出文件存在时");
    skSkinCheckRadioBox3 = box(skSkinGroupBox4, "skSkinCheckRadioBox3", 30, "直接覆盖输出文件", 3);
    skSkinCheckRadioBox6 = box(skSkinGroupBox4, "skSkinCheckRadioBox6", 58, "自动重命名输出文件", 3);

    skSkinButton6 = MakeSkinned<TskSkinButton>(this, back, "skSkinButton6", At(346, 510, 88, 28), data, "确定");
    skSkinButton1 = MakeSkinned<TskSkinButton>(this, back, "skSkinButton1", At(442, 510, 88, 28), data, "取消");
    skSkinButton6->SetDefault(true);
    skSkinButton1->SetCancel(true);

    // Never shown: the read and write commands.
    Panel1 = MakeControl<TPanel>(this, this, "Panel1", At(600, 0, 200, 60));
    Panel1->SetVisible(false);
    Button1 = MakeControl<TButton>(this, Panel1, "Button1", At(4, 4, 90, 24), "读取ini");
    Button2 = MakeControl<TButton>(this, Panel1, "Button2", At(100, 4, 90, 24), "写ini");

    // The stored description's states.
    skSkinCheckRadioBox12->SetChecked(true);
    skSkinComboBox2->SetItemIndex(0);
    skSkinCheckRadioBox7->SetChecked(true);
    skSkinCheckRadioBox1->SetChecked(true);
    skSkinCheckRadioBox6->SetChecked(true);
}
