#pragma once
// The options dialog "选项": conversion priority, thread count, live preview, what follows a
// batch and what happens to an existing output file. Its controls are the live option values the
// main window reads; the file's Options section is read once at creation and written on "确定".

#include "classlib/Forms.h"

#include <array>
#include <string>

class TButton;
class TPanel;
class TskFormSkin;
class TskSkinButton;
class TskSkinCheckRadioBox;
class TskSkinComboBox;
class TskSkinGroupBox;
class TskSkinPageControl;
class TskSkinPanel;
class TskSkinStdLabel;
class TskSkinTabSheet;

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* AOwner);
    ~TForm5() override;

    TskFormSkin* skFormSkin1 = nullptr;
    TskSkinPageControl* skSkinPageControl1 = nullptr;
    TskSkinTabSheet* skSkinTabSheet1 = nullptr;  // "CPU设置"
    TskSkinTabSheet* skSkinTabSheet2 = nullptr;  // "常规设置"
    TskSkinGroupBox* skSkinGroupBox1 = nullptr;  // "转换时CPU利用方式"
    TskSkinGroupBox* skSkinGroupBox2 = nullptr;  // "转换参数"
    TskSkinGroupBox* skSkinGroupBox3 = nullptr;  // "转换工作完成后"
    TskSkinGroupBox* skSkinGroupBox4 = nullptr;  // "如果输出文件存在时"
    TskSkinCheckRadioBox* skSkinCheckRadioBox1 = nullptr;   // after: open the folder
    TskSkinCheckRadioBox* skSkinCheckRadioBox2 = nullptr;   // after: power off
    TskSkinCheckRadioBox* skSkinCheckRadioBox3 = nullptr;   // overwrite
    TskSkinCheckRadioBox* skSkinCheckRadioBox4 = nullptr;   // after: chime
    TskSkinCheckRadioBox* skSkinCheckRadioBox5 = nullptr;   // after: nothing
    TskSkinCheckRadioBox* skSkinCheckRadioBox6 = nullptr;   // numbered name
    TskSkinCheckRadioBox* skSkinCheckRadioBox7 = nullptr;   // multi-thread mode, never shown
    TskSkinCheckRadioBox* skSkinCheckRadioBox8 = nullptr;   // live preview
    TskSkinCheckRadioBox* skSkinCheckRadioBox9 = nullptr;   // idle
    TskSkinCheckRadioBox* skSkinCheckRadioBox10 = nullptr;  // lowest
    TskSkinCheckRadioBox* skSkinCheckRadioBox11 = nullptr;  // lower
    TskSkinCheckRadioBox* skSkinCheckRadioBox12 = nullptr;  // normal
    TskSkinStdLabel* skSkinStdLabel1 = nullptr;
    TskSkinComboBox* skSkinComboBox2 = nullptr;  // thread count "1" .. "19"
    TskSkinButton* skSkinButton6 = nullptr;  // "确定"
    TskSkinButton* skSkinButton1 = nullptr;  // "取消"
    TPanel* Panel1 = nullptr;
    TButton* Button1 = nullptr;  // read the settings
    TButton* Button2 = nullptr;  // write the settings

    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void skSkinButton6Click(TObject* Sender);
    void skSkinButton1Click(TObject* Sender);
    void skSkinCheckRadioBox8Click(TObject* Sender);
    void skSkinCheckRadioBox7Click(TObject* Sender);

    // Shows the dialog modally; a cancel brings back what it showed when it opened.
    int ShowModal() override;

private:
    void BuildComponents();
};

extern TForm5* Form5;
