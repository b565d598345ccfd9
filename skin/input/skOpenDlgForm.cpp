// TskOpenDlgForm: the open and save dialog's form, built in code.

#include "skin/input/skSkinOpenDialog.h"

#include "classlib/Resources.h"

TskOpenDlgForm::TskOpenDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData, bool AToolButtonsTransparent)
    : TskOpenDlgForm(TBuildLater{}, AOwner, ASaveMode, ACtrlSkinData)
{
    BuildToolBar(AToolButtonsTransparent);
    BuildFileList();
    BuildBottom(true);
    FinishBuild();
}

TskOpenDlgForm::TskOpenDlgForm(TBuildLater, TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData)
    : TForm(AOwner), SaveMode(ASaveMode), CtrlSD(ACtrlSkinData)
{
    SetKeyPreview(true);
    SetPosition(TPosition::poScreenCenter);
    BSF = new TskFormSkin(this);
}

std::string TskOpenDlgForm::Text(const std::string& Key, const std::string& Fallback) const
{
    TskResourceStrData* store = CtrlSD ? CtrlSD->ResourceStrData() : nullptr;
    return store ? store->GetResStr(Key) : Fallback;
}

TskSkinSpeedButton* TskOpenDlgForm::MakeToolButton(bool Transparent, const char* Glyph, const char* HintKey,
                                                   const char* HintFallback, std::function<void()> Click)
{
    auto* button = new TskSkinSpeedButton(this);
    button->SetParent(ToolPanel);
    button->SetAlign(TAlign::alRight);
    button->SetDefaultWidth(27);
    button->SetDefaultHeight(25);
    button->SetSkinDataName("toolbutton");
    button->SetNumGlyphs(1);
    LoadBitmapResource(button->Glyph(), Glyph);
    button->SetHint(Text(HintKey, HintFallback));
    button->SetShowHint(true);
    button->SetFlat(Transparent);
    button->OnClick = [Click = std::move(Click)](TObject*) { Click(); };
    return button;
}

void TskOpenDlgForm::BuildToolBar(bool Transparent)
{
    ToolPanel = new TskSkinToolBar(this);
    ToolPanel->SetParent(this);
    ToolPanel->SetAlign(TAlign::alTop);
    ToolPanel->SetDefaultHeight(25);
    ToolPanel->SetBorderStyle(bvNone);
    ToolPanel->SetSkinDataName("toolpanel");

    auto spacer = [this](TAlign Align) {
        auto* bevel = new TskSkinBevel(this);
        bevel->SetParent(ToolPanel);
        bevel->SetShape(TBevelShape::bsSpacer);
        bevel->SetWidth(10);
        bevel->SetAlign(Align);
    };
    spacer(TAlign::alLeft);

    Drivelabel = new TskSkinStdLabel(this);
    Drivelabel->SetParent(ToolPanel);
    Drivelabel->SetAlign(TAlign::alLeft);
    Drivelabel->SetAutoSize(true);
    Drivelabel->SetLayout(TTextLayout::tlCenter);
    Drivelabel->SetCaption(Text("FLV_LOOKIN", "Look in: "));

    BackToolButton = MakeToolButton(Transparent, "BS_BACK", "MSG_BTN_BACK_HINT", "Go To Last Folder Visited",
                                    [this] { BackToolButtonClick(); });
    UpToolButton = MakeToolButton(Transparent, "BS_UP", "MSG_BTN_UP_HINT", "Up One Level", [this] { UpToolButtonClick(); });
    NewFolderToolButton = MakeToolButton(Transparent, "BS_NEWFOLDER", "MSG_BTN_NEWFOLDER_HINT", "Create New Folder",
                                         [this] { NewFolderToolButtonClick(); });
    spacer(TAlign::alRight);

    StylePopupMenu = new TskSkinPopupMenu(this);
    struct StyleItem {
        TMenuItem*& item;
        const char* key;
        const char* fallback;
        void (TskOpenDlgForm::*click)();
    };
    for (const StyleItem& spec : {StyleItem{IconMenuItem, "MSG_LV_ICON", "Large icons", &TskOpenDlgForm::IconItemClick},
                                  StyleItem{SmallIconMenuItem, "MSG_LV_SMALLICON", "Small icons", &TskOpenDlgForm::SmallIconItemClick},
                                  StyleItem{ListMenuItem, "MSG_LV_LIST", "List", &TskOpenDlgForm::ListItemClick},
                                  StyleItem{ReportMenuItem, "MSG_LV_DETAILS", "Details", &TskOpenDlgForm::ReportItemClick}}) {
        spec.item = new TMenuItem(this);
        spec.item->SetCaption(Text(spec.key, spec.fallback));
        spec.item->SetRadioItem(true);
        spec.item->OnClick = [this, click = spec.click](TObject*) { (this->*click)(); };
        StylePopupMenu->Items()->Add(spec.item);
    }

    StyleToolButton = new TskSkinMenuSpeedButton(this);
    StyleToolButton->SetParent(ToolPanel);
    StyleToolButton->SetAlign(TAlign::alRight);
    StyleToolButton->SetDefaultWidth(37);
    StyleToolButton->SetDefaultHeight(25);
    StyleToolButton->SetSkinDataName("toolmenubutton");
    StyleToolButton->SetNumGlyphs(1);
    LoadBitmapResource(StyleToolButton->Glyph(), "BS_LVSTYLE");
    StyleToolButton->SetSkinPopupMenu(StylePopupMenu);
    StyleToolButton->SetHint(Text("MSG_BTN_VIEWMENU_HINT", "View Menu"));
    StyleToolButton->SetShowHint(true);
    StyleToolButton->SetFlat(Transparent);

    ShellBox = new TskSkinShellComboBox(this);
    ShellBox->SetParent(ToolPanel);
    ShellBox->SetAlign(TAlign::alClient);
    ShellBox->SetWidth(190);
    ShellBox->SetDropDownCount(10);
}

void TskOpenDlgForm::BuildFileList()
{
    BottomPanel = new TskSkinPanel(this);
    BottomPanel->SetParent(this);
    BottomPanel->SetAlign(TAlign::alBottom);
    BottomPanel->SetHeight(80);
    BottomPanel->SetBorderStyle(bvNone);

    FileListViewPanel = new TskSkinPanel(this);
    FileListViewPanel->SetParent(this);
    FileListViewPanel->SetAlign(TAlign::alClient);
    FileListViewPanel->SetBorderStyle(bvFrame);

    FLVHScrollBar = new TskSkinScrollBar(this);
    FLVHScrollBar->SetDefaultHeight(19);
    FLVHScrollBar->SetBothMarkerWidth(19);
    FLVHScrollBar->SetSkinDataName("hscrollbar");
    FLVHScrollBar->SetAlign(TAlign::alBottom);
    FLVHScrollBar->SetEnabled(false);
    FLVHScrollBar->SetParent(FileListViewPanel);

    FLVVScrollBar = new TskSkinScrollBar(this);
    FLVVScrollBar->SetKind(TScrollBarKind::sbVertical);
    FLVVScrollBar->SetSkinDataName("vscrollbar");
    FLVVScrollBar->SetDefaultWidth(19);
    FLVVScrollBar->SetAlign(TAlign::alRight);
    FLVVScrollBar->SetEnabled(false);
    FLVVScrollBar->SetParent(FileListViewPanel);

    FileListView = new TskSkinFileListView(this);
    FileListView->SetParent(FileListViewPanel);
    FileListView->SetAlign(TAlign::alClient);
    FileListView->SetViewStyle(TViewStyle::vsList);
    FileListView->SetShowColumnHeaders(true);
    FileListView->SetHScrollBar(FLVHScrollBar);
    FileListView->SetVScrollBar(FLVVScrollBar);
    FileListView->SetHideSelection(false);
    FileListView->SetShellComboBox(ShellBox);
    FileListView->OnChange = [this](TObject*, TListItem*, TItemChange) { FLVChange(); };
    FileListView->OnPathChanged = [this](TObject*) { FLVPathChange(); };
    FileListView->OnDblClick = [this](TObject*) { FLVDBLClick(); };
    FileListView->OnKeyPress = [this](TObject*, char32_t& Key) { FLVKeyPress(Key); };
}

void TskOpenDlgForm::BuildBottom(bool Anchored)
{
    const int width = GetClientWidth();
    const int boxWidth = Anchored ? width - 160 : 280;
    const int buttonLeft = Anchored ? width - 80 : 370;

    FileNameEdit = new TskSkinEdit(this);
    FileNameEdit->SetParent(BottomPanel);
    FileNameEdit->SetBounds(70, 10, boxWidth, 21);
    FileNameEdit->SetDefaultHeight(21);
    FileNameEdit->OnKeyPress = [this](TObject*, char32_t& Key) { EditKeyPress(Key); };

    FilterComboBox = new TskSkinFilterComboBox(this);
    FilterComboBox->SetParent(BottomPanel);
    FilterComboBox->SetBounds(70, 45, boxWidth, 21);
    FilterComboBox->SetDefaultHeight(21);
    FilterComboBox->OnChange = [this](TObject*) { FCBChange(); };

    OpenButton = new TskSkinButton(this);
    OpenButton->SetParent(BottomPanel);
    OpenButton->SetBounds(buttonLeft, 10, 70, 25);
    OpenButton->SetDefaultHeight(25);
    OpenButton->SetCaption(SaveMode ? Text("MSG_BTN_SAVE", "&Save") : Text("MSG_BTN_OPEN", "&Open"));
    OpenButton->SetCanFocused(true);
    OpenButton->OnClick = [this](TObject*) { OpenButtonClick(); };

    CancelButton = new TskSkinButton(this);
    CancelButton->SetParent(BottomPanel);
    CancelButton->SetBounds(buttonLeft, 45, 70, 25);
    CancelButton->SetDefaultHeight(25);
    CancelButton->SetCaption(Text("MSG_BTN_CANCEL", "Cancel"));
    CancelButton->SetCanFocused(true);
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);

    if (Anchored) {
        FileNameEdit->SetAnchors({akLeft, akTop, akRight});
        FilterComboBox->SetAnchors({akLeft, akTop, akRight});
        OpenButton->SetAnchors({akTop, akRight});
        CancelButton->SetAnchors({akTop, akRight});
    }

    struct LabelSpec {
        TskSkinStdLabel*& label;
        int top;
        const char* key;
        const char* fallback;
    };
    for (const LabelSpec& spec : {LabelSpec{OpenFileLabel, 10, "MSG_FILENAME", "File name:"},
                                  LabelSpec{FileTypeLabel, 45, "MSG_FILETYPE", "File type:"}}) {
        spec.label = new TskSkinStdLabel(this);
        spec.label->SetParent(BottomPanel);
        spec.label->SetLeft(10);
        spec.label->SetTop(spec.top);
        spec.label->SetAutoSize(true);
        spec.label->SetCaption(Text(spec.key, spec.fallback));
    }
}

void TskOpenDlgForm::FinishBuild()
{
    SetActiveControl(FileNameEdit);
    OnFolderChange = nullptr;
    CheckFileExists = true;
}
