#pragma once
// The about box "关于软件": the program's name, version and picture, links to the project's web
// site and support mail address, and "确定".

#include "classlib/Forms.h"

class TImage;
class TskFormSkin;
class TskSkinButton;
class TskSkinLinkLabel;
class TskSkinPanel;
class TskSkinStdLabel;

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* AOwner);
    ~TForm2() override;

    TskFormSkin* skFormSkin1 = nullptr;
    TskSkinPanel* skSkinPanel1 = nullptr;
    TImage* Image1 = nullptr;
    TskSkinStdLabel* skSkinStdLabel1 = nullptr;  // the title
    TskSkinStdLabel* skSkinStdLabel2 = nullptr;  // the version
    TskSkinStdLabel* skSkinStdLabel3 = nullptr;  // "官方网站："
    TskSkinLinkLabel* skSkinLinkLabel1 = nullptr;
    TskSkinStdLabel* skSkinStdLabel4 = nullptr;  // "支持E-Mail："
    TskSkinLinkLabel* skSkinLinkLabel2 = nullptr;
    TskSkinButton* skSkinButton1 = nullptr;  // "确定"

    void skSkinButton1Click(TObject* Sender);
};

extern TForm2* Form2;
