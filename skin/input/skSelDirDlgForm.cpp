// TskSelDirDlgForm: the select-folder dialog's form, built in code, with its three handlers.

#include "skin/input/skSkinSelectDirectoryDialog.h"

#include "classlib/FileSystem.h"
#include "classlib/Resources.h"
#include "skin/input/skfilectrl.h"

#include <cerrno>
#include <sys/stat.h>

TskSelDirDlgForm::TskSelDirDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar,
                                   bool AToolButtonsTransparent)
    : TForm(AOwner), CtrlSD(ACtrlSkinData), ShowToolBar(AShowToolBar)
{
    SetKeyPreview(true);
    SetPosition(TPosition::poScreenCenter);
    BSF = new TskFormSkin(this);
    if (AShowToolBar)
        BuildToolBar(AToolButtonsTransparent);

    DirTreeViewPanel = new TskSkinPanel(this);
    DirTreeViewPanel->SetParent(this);
    DirTreeViewPanel->SetAlign(TAlign::alClient);
    DirTreeViewPanel->SetHeight(200);
    DirTreeViewPanel->SetBorderStyle(bvFrame);

    VScrollBar = new TskSkinScrollBar(this);
    VScrollBar->SetKind(TScrollBarKind::sbVertical);
    VScrollBar->SetSkinDataName("vscrollbar");
    VScrollBar->SetDefaultWidth(19);
    VScrollBar->SetAlign(TAlign::alRight);
    VScrollBar->SetEnabled(false);
    VScrollBar->SetParent(DirTreeViewPanel);

    HScrollBar = new TskSkinScrollBar(this);
    HScrollBar->SetDefaultHeight(19);
    HScrollBar->SetBothMarkerWidth(19);
    HScrollBar->SetSkinDataName("hscrollbar");
    HScrollBar->SetAlign(TAlign::alBottom);
    HScrollBar->SetEnabled(false);
    HScrollBar->SetParent(DirTreeViewPanel);

    DirTreeView = new TskSkinDirTreeView(this);
    DirTreeView->SetAlign(TAlign::alClient);
    DirTreeView->SetParent(DirTreeViewPanel);
    DirTreeView->SetVScrollBar(VScrollBar);
    DirTreeView->SetHScrollBar(HScrollBar);
    TShellObjectTypes types = DirTreeView->GetObjectTypes();
    types << otHidden;
    DirTreeView->SetObjectTypes(types);
    DirTreeView->SetHideSelection(false);
    DirTreeView->OnChange = [this](TObject*, TTreeNode*) { TreeChange(); };

    BottomPanel = new TskSkinPanel(this);
    BottomPanel->SetParent(this);
    BottomPanel->SetAlign(TAlign::alBottom);
    BottomPanel->SetHeight(50);
    BottomPanel->SetBorderStyle(bvNone);

    struct ButtonSpec {
        TskSkinButton*& button;
        int left;
        const char* key;
        const char* fallback;
        TModalResult result;
    };
    for (const ButtonSpec& spec : {ButtonSpec{OkButton, 20, "MSG_BTN_OK", "OK", mrOk},
                                   ButtonSpec{CancelButton, 100, "MSG_BTN_CANCEL", "Cancel", mrCancel}}) {
        spec.button = new TskSkinButton(this);
        spec.button->SetParent(BottomPanel);
        spec.button->SetBounds(spec.left, 15, 70, 25);
        spec.button->SetDefaultHeight(25);
        spec.button->SetCanFocused(true);
        spec.button->SetCaption(Text(spec.key, spec.fallback));
        spec.button->SetModalResult(spec.result);
    }
    OkButton->SetDefault(true);
    CancelButton->SetCancel(true);
}

std::string TskSelDirDlgForm::Text(const std::string& Key, const std::string& Fallback) const
{
    TskResourceStrData* store = CtrlSD ? CtrlSD->ResourceStrData() : nullptr;
    return store ? store->GetResStr(Key) : Fallback;
}

void TskSelDirDlgForm::BuildToolBar(bool Transparent)
{
    ToolPanel = new TskSkinPanel(this);
    ToolPanel->SetParent(this);
    ToolPanel->SetAlign(TAlign::alTop);
    ToolPanel->SetDefaultHeight(25);
    ToolPanel->SetBorderStyle(bvNone);
    ToolPanel->SetSkinDataName("toolpanel");

    NewFolderToolButton = new TskSkinSpeedButton(this);
    NewFolderToolButton->SetParent(ToolPanel);
    NewFolderToolButton->SetAlign(TAlign::alRight);
    NewFolderToolButton->SetDefaultWidth(27);
    NewFolderToolButton->SetDefaultHeight(25);
    NewFolderToolButton->SetSkinDataName("toolbutton");
    NewFolderToolButton->SetNumGlyphs(1);
    LoadBitmapResource(NewFolderToolButton->Glyph(), "BS_NEWFOLDER");
    NewFolderToolButton->SetHint(Text("MSG_BTN_NEWFOLDER_HINT", "Create New Folder"));
    NewFolderToolButton->SetShowHint(true);
    NewFolderToolButton->SetFlat(Transparent);
    NewFolderToolButton->OnClick = [this](TObject*) { NewFolder(); };

    auto* spacer = new TskSkinBevel(this);
    spacer->SetParent(ToolPanel);
    spacer->SetShape(TBevelShape::bsSpacer);
    spacer->SetWidth(5);
    spacer->SetAlign(TAlign::alRight);

    DirEdit = new TskSkinEdit(this);
    DirEdit->SetParent(ToolPanel);
    DirEdit->SetAlign(TAlign::alClient);
    DirEdit->SetDefaultHeight(25);
    DirEdit->SetSkinDataName("edit");
    DirEdit->OnKeyPress = [this](TObject*, char32_t& Key) { DirEditKeyPress(Key); };
}

void TskSelDirDlgForm::TreeChange()
{
    if (ShowToolBar && DirEdit)
        DirEdit->SetText(DirTreeView->GetPath());
}

void TskSelDirDlgForm::DirEditKeyPress(char32_t& Key)
{
    if (Key != U'\r')
        return;
    // Enter in the edit enters the typed path; it does not press the default button.
    Key = 0;
    const std::string text = DirEdit->GetText();
    if (!text.empty() && IsExistingDirectory(text))
        DirTreeView->SetPath(text);
}

void TskSelDirDlgForm::NewFolder()
{
    TTreeNode* selected = DirTreeView->GetSelected();
    const std::string folder = DirTreeView->GetPath();
    // Only a folder of the file system can hold the new one (Computer has no path).
    if (!selected || folder.empty())
        return;
    const std::string name = (folder == "/" ? std::string() : folder) + "/" + Text("MSG_NEWFOLDER", "New Folder");
    if (IsExistingDirectory(name))
        return;
    if (mkdir(name.c_str(), 0777) != 0)
        throw EInOutError(name, errno);
    DirTreeView->Refresh(selected);
}
