#include "app/main/Unit2.h"

#include "app/main/DesktopOpen.h"
#include "app/main/FrontEndDialogs.h"
#include "app/main/MainBuild.h"
#include "app/main/ProjectLinks.h"
#include "app/main/Unit1.h"

#include "classlib/ExtCtrls.h"
#include "classlib/Picture.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinLinkLabel.h"

#include <string>

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    SetName("Form2");
    SetCaption("关于软件");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    TskSkinData* data = Form1 ? Form1->skSkinData1 : nullptr;
    skFormSkin1 = new TskFormSkin(this);
    skFormSkin1->SetName("skFormSkin1");
    skFormSkin1->SetBorderIcons(TskBorderIcons{});
    skFormSkin1->Magnetic = true;
    skFormSkin1->MagneticSize = 10;
    skFormSkin1->SetSkinData(data);

    skSkinPanel1 = MakeSkinned<TskSkinPanel>(this, this, "skSkinPanel1", At(0, 0, 338, 267), data);
    skSkinPanel1->SetAlign(TAlign::alClient);
    Image1 = MakeControl<TImage>(this, skSkinPanel1, "Image1", At(24, 24, 48, 48));
    LoadArtworkPicture(Image1->Picture(), "icon/48.png");
    Image1->SetTransparent(true);
    skSkinStdLabel1 = MakeSkinned<TskSkinStdLabel>(this, skSkinPanel1, "skSkinStdLabel1", At(88, 28, 220, 20), data,
                                                   "Zudevivivoduv");
    skSkinStdLabel2 = MakeSkinned<TskSkinStdLabel>(this, skSkinPanel1, "skSkinStdLabel2", At(88, 54, 220, 18), data,
                                                   "版本:6.8.6.0");
    skSkinStdLabel3 = MakeSkinned<TskSkinStdLabel>(this, skSkinPanel1, "skSkinStdLabel3", At(24, 114, 90, 18), data,
                                                   "官方网站：");
    skSkinStdLabel4 = MakeSkinned<TskSkinStdLabel>(this, skSkinPanel1, "skSkinStdLabel4", At(24, 146, 90, 18), data,
                                                   "支持E-Mail：");
    auto link = [this, data](const char* Name, int Top, const std::string& Caption, const std::string& URL) {
        auto* l = MakeSkinned<TskSkinLinkLabel>(this, skSkinPanel1, Name, At(110, Top, 222, 30), data, Caption);
        l->SetURL(URL);
        l->SetUseUnderLine(true);
        l->SetGlowEffect(true);
        l->SetGlowSize(6);
        l->SetDefaultActiveFontColor(clBlue);
        l->OnOpenFailed = [](TObject*, const std::string& Target) {
            if (Form1)
                Form1->Dialogs().ShowMessage(OpenFailedText(Target), "提示");
        };
        return l;
    };
    skSkinLinkLabel1 = link("skSkinLinkLabel1", 106, SiteAddress, SiteAddress);
    skSkinLinkLabel2 = link("skSkinLinkLabel2", 138, SupportMailAddress, std::string("mailto:") + SupportMailAddress);
    skSkinButton1 = MakeSkinned<TskSkinButton>(this, skSkinPanel1, "skSkinButton1", At(125, 210, 88, 28), data, "确定");
    skSkinButton1->OnClick = [this](TObject* Sender) { skSkinButton1Click(Sender); };
    // The one button both confirms (Enter) and closes (Esc).
    skSkinButton1->SetDefault(true);
    skSkinButton1->SetCancel(true);
    SetClientWidth(338);
    SetClientHeight(267);
    EndLoading();
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::skSkinButton1Click(TObject*)
{
    SetModalResult(mrOk);
}
