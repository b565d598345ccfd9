#include "app/secondary/Unit6.h"

#include "app/secondary/SecondaryBuild.h"
#include "app/secondary/SecondaryCatalogue.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"
#include "engine/FFmpegConverter.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinTabs.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

TForm6* Form6 = nullptr;

namespace {

// The fonts of the description.
void SetNamedFont(TFont* font, const char* name, int height)
{
    font->SetName(name);
    font->SetHeight(height);
}

}  // namespace

TForm6::TForm6(TComponent* AOwner, TSecondaryHost& host)
    : TForm(AOwner), FHost(host), FHandlers(*this, host)
{
    BeginLoading();
    SetName("Form6");
    SetCaption("设置选项");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons({});
    SetPosition(TPosition::poMainFormCenter);
    SetLeft(197);
    SetTop(218);
    SetNamedFont(Font(), "Tahoma", -11);
    BuildComponents();
    // After the skinned frame, whose borders decide the window size around the client area.
    SetClientWidth(958);
    SetClientHeight(474);
    EndLoading();
    for (int kind = 0; kind < ParameterKindCount; ++kind)
        FParameterBoxes[static_cast<std::size_t>(kind)] =
            std::make_unique<TSkinComboParameterBox>(ParameterBox(static_cast<TParameterKind>(kind)));
    BindHandlers();
}

TForm6::~TForm6() = default;

void TForm6::BeforeDestruction()
{
    delete FFConverter;
    FFConverter = nullptr;
    TForm::BeforeDestruction();
    if (Form6 == this)
        Form6 = nullptr;
}

void TForm6::BuildComponents()
{
    TskSkinData* skin = FHost.SkinData();
    skFormSkin1 = new TskFormSkin(this);
    skFormSkin1->SetName("skFormSkin1");
    skFormSkin1->SetBorderIcons({});
    skFormSkin1->SetSkinData(skin);
    BuildCategoryBoxes();
    BuildLogicPanel();
    FFConverter = new TFFmpegConverter();
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->SetSize(32, 32);
    AddCategoryPictures(ImageList1, 12);
    ImageList2 = new TImageList(this);
    ImageList2->SetName("ImageList2");
    ImageList2->SetSize(32, 32);
    skSkinOfficeComboBox2->SetImages(ImageList1);
    BuildPages();
    skSkinButton3 = MakeSkinned<TskSkinButton>(this, this, "skSkinButton3", At(594, 416, 69, 25), skin, "取消");
    skSkinButton2 = MakeSkinned<TskSkinButton>(this, this, "skSkinButton2", At(480, 416, 69, 25), skin, "确定");
    BuildParameterBoxes(skSkinTabSheet1);
    skSkinTabSheet3 = MakeControl<TskSkinTabSheet>(this, nullptr, "skSkinTabSheet3", At(0, 0, 0, 0), "文字水印");
    skSkinTabSheet3->SetPageControl(skSkinPageControl1);
    skSkinPageControl1->SetActivePage(skSkinTabSheet1);
    Image1 = MakeControl<TImage>(this, Panel1, "Image1", At(8, 200, 64, 64));
    LoadArtworkPicture(Image1->Picture(), "categories/48/00.png");
}

void TForm6::BuildCategoryBoxes()
{
    TskSkinData* skin = FHost.SkinData();
    skSkinPanel2 = MakeSkinned<TskSkinPanel>(this, this, "skSkinPanel2", At(39, 36, 625, 109), skin);
    skSkinTextLabel5 = MakeSkinned<TskSkinTextLabel>(this, skSkinPanel2, "skSkinTextLabel5", At(17, 48, 60, 13), skin);
    skSkinTextLabel5->Lines()->Add("输出格式：");
    skSkinOfficeComboBox1 =
        MakeSkinned<TskSkinOfficeComboBox>(this, skSkinPanel2, "skSkinOfficeComboBox1", At(215, 33, 400, 51), skin);
    skSkinOfficeComboBox2 =
        MakeSkinned<TskSkinOfficeComboBox>(this, skSkinPanel2, "skSkinOfficeComboBox2", At(83, 33, 126, 51), skin);
    struct Look {
        TskSkinOfficeComboBox* box;
        bool formats;
    };
    for (const Look look : {Look{skSkinOfficeComboBox2, false}, Look{skSkinOfficeComboBox1, true}}) {
        TskSkinOfficeComboBox* box = look.box;
        box->SetSkinDataName("combobox");
        box->SetToolButtonStyle(true);
        box->SetShowItemTitle(true);
        box->SetShowItemImage(true);
        box->SetShowItemText(true);
        box->SetUseSkinFont(look.formats);
        box->SetListBoxUseSkinFont(look.formats);
        box->SetListBoxSkinDataName(look.formats ? "listbox" : "resizetoolpanel");
        box->SetListBoxShowItemTitles(look.formats);
        box->SetListBoxShowLines(look.formats);
        box->SetListBoxWidth(look.formats ? 0 : 119);
        box->SetListBoxItemHeight(look.formats ? 60 : 50);
        box->SetListBoxHeaderHeight(20);
        box->SetAlphaBlend(false);
        box->SetAlphaBlendValue(200);
        box->SetAlphaBlendAnimation(look.formats);
        box->SetHideSelection(true);
        box->SetDropDownCount(4);
        SetNamedFont(box->Font(), "宋体", -12);
        SetNamedFont(box->DefaultFont(), "宋体", -12);
        TFont listFont;
        SetNamedFont(&listFont, "宋体", -12);
        box->SetListBoxDefaultFont(&listFont);
    }
    for (int code = 0; code < 12; ++code) {
        TskSkinOfficeItem* item = skSkinOfficeComboBox2->Items()->Add();
        item->SetCaption(std::string(SecondaryCategories()[static_cast<std::size_t>(code)].Caption));
        item->SetImageIndex(code);
    }
    TskSkinOfficeItem* placeholder = skSkinOfficeComboBox1->Items()->Add();
    placeholder->SetTitle("dfdfs");
    placeholder->SetCaption("fddf");
    skSkinOfficeComboBox1->SetItemIndex(0);
    skSkinOfficeComboBox2->SetItemIndex(0);
    skSkinButton1 = MakeControl<TskSkinButton>(this, skSkinPanel2, "skSkinButton1", At(12, 8, 75, 25), "设置");
    skSkinButton1->SetSkinDataName("resizebutton");
    skSkinButton1->SetVisible(false);
}

void TForm6::BuildLogicPanel()
{
    Panel1 = MakeControl<TPanel>(this, this, "Panel1", At(690, 161, 305, 305));
    struct Logic {
        TButton*& button;
        const char* name;
        const char* caption;
    };
    const Logic buttons[] = {
        {Button6, "Button6", "初始化数据"},   {Button5, "Button5", "根据combox添加数据"},
        {Button7, "Button7", "确认oo数据"},   {Button2, "Button2", "添加combox"},
        {Button13, "Button13", "确认预置选项数据"}, {Button11, "Button11", "onchange用"},
        {Button18, "Button18", "根据combox添加预设选项"},
    };
    int top = 8;
    for (const Logic& logic : buttons) {
        logic.button = MakeControl<TButton>(this, Panel1, logic.name, At(8, top, 200, 25), logic.caption);
        top += 27;
    }
}

void TForm6::BuildPages()
{
    skSkinPageControl1 =
        MakeSkinned<TskSkinPageControl>(this, this, "skSkinPageControl1", At(39, 171, 625, 222), FHost.SkinData());
    skSkinPageControl1->SetSkinDataName("tab");
    const std::pair<TskSkinTabSheet**, const char*> sheets[] = {
        {&skSkinTabSheet1, "标准参数设置"}, {&skSkinTabSheet2, "剪辑设置"}, {&滤镜设置, "滤镜设置"}};
    const char* names[] = {"skSkinTabSheet1", "skSkinTabSheet2", "滤镜设置"};
    for (std::size_t i = 0; i < std::size(sheets); ++i) {
        *sheets[i].first = MakeControl<TskSkinTabSheet>(this, nullptr, names[i], At(0, 0, 0, 0), sheets[i].second);
        (*sheets[i].first)->SetPageControl(skSkinPageControl1);
    }
}

void TForm6::BuildParameterBoxes(TWinControl* sheet)
{
    TskSkinData* skin = FHost.SkinData();
    struct Row {
        TskSkinTextLabel*& label;
        const char* labelName;
        const char* caption;
        int labelLeft, labelTop;
        TskSkinComboBox*& box;
        const char* boxName;
        RECT bounds;
    };
    // In the description's order: resolution, video bit rate and frame rate labels and boxes,
    // then audio bit rate, sample rate and scaling.
    const Row rows[] = {
        {skSkinTextLabel3, "skSkinTextLabel3", "视频分辨率：", 16, 24, skSkinComboBox1, "skSkinComboBox1",
         At(16, 43, 289, 20)},
        {skSkinTextLabel2, "skSkinTextLabel2", "视频比特率：", 342, 24, skSkinComboBox2, "skSkinComboBox2",
         At(342, 43, 251, 20)},
        {skSkinTextLabel6, "skSkinTextLabel6", "视频帧率：", 14, 69, skSkinComboBox9, "skSkinComboBox9",
         At(14, 88, 291, 20)},
        {skSkinTextLabel4, "skSkinTextLabel4", "音频比特率：", 16, 114, skSkinComboBox3, "skSkinComboBox3",
         At(16, 133, 289, 20)},
        {skSkinTextLabel7, "skSkinTextLabel7", "音频采样率：", 342, 114, skSkinComboBox10, "skSkinComboBox10",
         At(342, 133, 251, 20)},
        {skSkinTextLabel9, "skSkinTextLabel9", "视频缩放：", 342, 69, skSkinComboBox4, "skSkinComboBox4",
         At(342, 88, 251, 20)},
    };
    for (const Row& row : rows) {
        row.label = MakeSkinned<TskSkinTextLabel>(this, sheet, row.labelName, At(row.labelLeft, row.labelTop, 80, 13),
                                                  skin);
        row.label->Lines()->Add(row.caption);
        row.box = MakeSkinned<TskSkinComboBox>(this, sheet, row.boxName, row.bounds, skin);
        row.box->SetSkinDataName("combobox");
        row.box->SetStyle(TskSkinCustomComboBoxStyle::skcbFixedStyle);
        row.box->SetDropDownCount(8);
        row.box->SetAutoComplete(true);
    }
}

void TForm6::BindHandlers()
{
    OnCreate = [this](TObject*) { FHandlers.FormCreate(); };
    skSkinOfficeComboBox2->OnChange = [this](TObject*) { FHandlers.skSkinOfficeComboBox2Change(); };
    skSkinOfficeComboBox1->OnClick = [this](TObject*) { FHandlers.skSkinOfficeComboBox1Click(); };
    skSkinButton2->OnClick = [this](TObject*) { FHandlers.skSkinButton2Click(); };
    skSkinButton3->OnClick = [this](TObject*) { FHandlers.skSkinButton3Click(); };
    Button2->OnClick = [this](TObject*) { FHandlers.Button2Click(); };
    Button18->OnClick = [this](TObject*) { FHandlers.Button18Click(); };
    Button5->OnClick = [this](TObject*) { FHandlers.Button5Click(); };
    Button13->OnClick = [this](TObject*) { FHandlers.Button13Click(); };
    Button6->OnClick = [this](TObject*) { FHandlers.Button6Click(); };
}
