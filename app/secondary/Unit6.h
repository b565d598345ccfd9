#pragma once
// The secondary settings form "设置选项": a category box, a format box, the six parameter boxes
// on the page "标准参数设置", OK and Cancel, and the logic buttons on Panel1, built in code in
// the order of its description. Every skinned part takes the main window's switchable skin. The
// main program creates it last and never shows it; its creation fills its boxes for the first
// format and writes that format's key into the main window's fields.

#include "app/secondary/SecondaryHandlers.h"
#include "app/secondary/SkinParameterBox.h"

#include "classlib/Forms.h"

#include <array>
#include <memory>

class TButton;
class TFFmpegConverter;
class TImage;
class TImageList;
class TPanel;
class TskFormSkin;
class TskSkinButton;
class TskSkinComboBox;
class TskSkinOfficeComboBox;
class TskSkinPageControl;
class TskSkinPanel;
class TskSkinTabSheet;
class TskSkinTextLabel;

class TForm6 : public TForm, private TSecondaryView {
public:
    // host: the main window's side (its fields, output folder, overwrite box and skin).
    TForm6(TComponent* AOwner, TSecondaryHost& host);
    ~TForm6() override;

    TskFormSkin* skFormSkin1 = nullptr;
    TskSkinPanel* skSkinPanel2 = nullptr;
    TskSkinTextLabel* skSkinTextLabel5 = nullptr;
    TskSkinOfficeComboBox* skSkinOfficeComboBox1 = nullptr;  // formats
    TskSkinOfficeComboBox* skSkinOfficeComboBox2 = nullptr;  // categories
    TskSkinButton* skSkinButton1 = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button7 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button13 = nullptr;
    TButton* Button11 = nullptr;
    TButton* Button18 = nullptr;
    TFFmpegConverter* FFConverter = nullptr;
    TImageList* ImageList1 = nullptr;
    TImageList* ImageList2 = nullptr;
    TskSkinPageControl* skSkinPageControl1 = nullptr;
    TskSkinTabSheet* skSkinTabSheet1 = nullptr;  // "标准参数设置"
    TskSkinTabSheet* skSkinTabSheet2 = nullptr;  // "剪辑设置"
    TskSkinTabSheet* 滤镜设置 = nullptr;
    TskSkinButton* skSkinButton3 = nullptr;      // Cancel
    TskSkinButton* skSkinButton2 = nullptr;      // OK
    TskSkinTextLabel* skSkinTextLabel3 = nullptr;
    TskSkinComboBox* skSkinComboBox1 = nullptr;  // frame size
    TskSkinTextLabel* skSkinTextLabel2 = nullptr;
    TskSkinTextLabel* skSkinTextLabel6 = nullptr;
    TskSkinComboBox* skSkinComboBox2 = nullptr;  // video bit rate
    TskSkinComboBox* skSkinComboBox9 = nullptr;  // frame rate
    TskSkinTextLabel* skSkinTextLabel4 = nullptr;
    TskSkinTextLabel* skSkinTextLabel7 = nullptr;
    TskSkinComboBox* skSkinComboBox3 = nullptr;   // audio bit rate
    TskSkinComboBox* skSkinComboBox10 = nullptr;  // sample rate
    TskSkinTextLabel* skSkinTextLabel9 = nullptr;
    TskSkinComboBox* skSkinComboBox4 = nullptr;  // scaling
    TskSkinTabSheet* skSkinTabSheet3 = nullptr;  // "文字水印"
    TImage* Image1 = nullptr;

    // The form's logic, bound to its controls' events.
    TSecondaryHandlers& Handlers() { return FHandlers; }

protected:
    void BeforeDestruction() override;

private:
    class TOfficeFormatBox : public TFormatBox {
    public:
        explicit TOfficeFormatBox(TskSkinOfficeComboBox*& box) : FBox(box) {}
        void ClearItems() override;
        void AddItem(const std::string& title, const std::string& caption, int imageIndex) override;
        void Refresh() override;
        int GetItemIndex() const override;
        void SetItemIndex(int index) override;

    private:
        TskSkinOfficeComboBox*& FBox;
    };

    // TSecondaryView over the controls.
    int CategoryIndex() const override;
    TFormatBox& FormatBox() override { return FFormatBox; }
    TParameterBoxes ParameterBoxes() override;
    std::string ParameterText(TParameterKind kind) const override;
    void Close() override { TForm::Close(); }

    void BuildComponents();
    void BuildCategoryBoxes();
    void BuildLogicPanel();
    void BuildPages();
    void BuildParameterBoxes(TWinControl* sheet);
    void BindHandlers();
    TskSkinComboBox* ParameterBox(TParameterKind kind) const;

    TSecondaryHost& FHost;
    TOfficeFormatBox FFormatBox{skSkinOfficeComboBox1};
    std::array<std::unique_ptr<TSkinComboParameterBox>, ParameterKindCount> FParameterBoxes;
    TSecondaryHandlers FHandlers;
};

extern TForm6* Form6;
