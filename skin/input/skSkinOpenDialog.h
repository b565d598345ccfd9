#pragma once
// The skinned open and save dialog: each Execute builds a modal form with a skinned frame without
// caption buttons; a tool bar with the look-in box, Back, Up, New Folder and the view-style menu;
// the shell file list with two skinned scroll bars; the file-name edit, the filter box and the
// accept and Cancel buttons. The component remembers the chosen file, the filter, the view style
// and the client size between calls. The picture dialogs (skSkinPictureDialogs.h) build on it.

#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinScrollBar.h"
#include "skin/form/skSkinToolBar.h"
#include "skin/input/skFileDialogNames.h"
#include "skin/input/skShellComboBox.h"
#include "skin/input/skShellListView.h"
#include "skin/input/skSkinDialogComponent.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skfilectrl.h"

#include <memory>
#include <string>

// Gives the skin data to each control.
template <class... TControls>
void GiveSkinData(TskSkinData* SkinData, TControls*... Controls)
{
    (Controls->SetSkinData(SkinData), ...);
}

class TskOpenDlgForm : public TForm {
public:
    TskOpenDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData, bool AToolButtonsTransparent);

    bool SaveMode = false;
    bool StopAddToHistory = false;
    TskSkinData* CtrlSD = nullptr;
    int NewFolderCount = 0;
    std::string DefaultExt;
    bool OverwritePromt = false;
    // The accepted full name (raw bytes).
    std::string FileName;
    // The list's selection chose FileName (the dialog's Files are the selected files); else the
    // typed text did (Files holds FileName alone).
    bool FileNameFromSelection = false;
    TskFormSkin* BSF = nullptr;
    TskSkinPanel* FileListViewPanel = nullptr;
    TskSkinPanel* BottomPanel = nullptr;
    TskSkinScrollBar* FLVHScrollBar = nullptr;
    TskSkinScrollBar* FLVVScrollBar = nullptr;
    TskSkinFileListView* FileListView = nullptr;
    TskSkinEdit* FileNameEdit = nullptr;
    TskSkinFilterComboBox* FilterComboBox = nullptr;
    TskSkinShellComboBox* ShellBox = nullptr;
    TskSkinButton* OpenButton = nullptr;
    TskSkinButton* CancelButton = nullptr;
    TskSkinStdLabel* Drivelabel = nullptr;
    TskSkinStdLabel* OpenFileLabel = nullptr;
    TskSkinStdLabel* FileTypeLabel = nullptr;
    TskSkinToolBar* ToolPanel = nullptr;
    TskSkinSpeedButton* NewFolderToolButton = nullptr;
    TskSkinSpeedButton* UpToolButton = nullptr;
    TskSkinSpeedButton* BackToolButton = nullptr;
    TskSkinMenuSpeedButton* StyleToolButton = nullptr;
    TskSkinPopupMenu* StylePopupMenu = nullptr;
    TMenuItem* IconMenuItem = nullptr;
    TMenuItem* SmallIconMenuItem = nullptr;
    TMenuItem* ReportMenuItem = nullptr;
    TMenuItem* ListMenuItem = nullptr;
    // Raised with the form as sender after the list moved and after its items or selection
    // changed.
    TNotifyEvent OnFolderChange;
    bool CheckFileExists = true;

    // Adds the list's folder to the history (the start of a run).
    void InitHistory();
    const TskFolderHistory& FolderHistory() const { return FFolderHistory; }

    // The accept button: takes the list's selection while the edit shows its name, else the
    // typed text (an absolute name as it is); in save mode asks before an existing file is
    // replaced when OverwritePromt is on. Closes the form with OK when a name is accepted.
    void OpenButtonClick();
    // Back through the history; Up to the parent folder.
    void BackToolButtonClick();
    void UpToolButtonClick();
    // Makes "New Folder" (then "New Folder(2)" ...) in the list's folder and starts editing its
    // name. Nothing where the folder has no path or the name exists; a refused creation raises
    // EInOutError with the reason, and the form stays.
    void NewFolderToolButtonClick();
    // The view-style menu's items.
    void IconItemClick();
    void SmallIconItemClick();
    void ListItemClick();
    void ReportItemClick();
    // Checks the menu item of a view style.
    void CheckStyleItem(TViewStyle Style);
    // The filter's extension for the typed names (DefaultExt first when WithDefaultExt).
    std::string CurrentFilterExtension(bool WithDefaultExt);

protected:
    struct TBuildLater {};
    // Makes the frame and the fields only; the caller builds the controls.
    TskOpenDlgForm(TBuildLater, TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData);
    void BuildToolBar(bool Transparent);
    void BuildFileList();
    // The edit and the filter box at left 70, the buttons at the right; Anchored: they follow the
    // form's width, else they sit at fixed places.
    void BuildBottom(bool Anchored);
    void FinishBuild();
    std::string Text(const std::string& Key, const std::string& Fallback) const;

    // Any change of the list's items or selection.
    virtual void FLVChange();
    void RaiseFolderChange();

private:
    TskSkinSpeedButton* MakeToolButton(bool Transparent, const char* Glyph, const char* HintKey, const char* HintFallback,
                                       std::function<void()> Click);
    void FLVPathChange();
    void FCBChange();
    void FLVDBLClick();
    void FLVKeyPress(char32_t& Key);
    void EditKeyPress(char32_t& Key);
    void SetStyle(TViewStyle Style);
    // The overwrite question in the skinned message box; true on OK.
    bool ConfirmOverwrite();
    void Accept(const std::string& Name, bool FromSelection);
    // The selected file whose name the edit shows (several may be selected), else the list's
    // selected file.
    std::string ShownSelectedFile(const std::string& EditText) const;

    TskFolderHistory FFolderHistory;
};

// What the open dialog and the picture dialogs share: the settings, Execute's steps and the
// remembered state.
class TskCustomOpenDialog : public TskSkinDialogComponent {
public:
    // Shows the dialog modally; true when the user confirmed, with FileName, Files and
    // FilterIndex set. FilterIndex, the client size and the view style are kept after a cancel
    // too.
    bool Execute();

    bool GetShowHiddenFiles() const { return FShowHiddenFiles; }
    void SetShowHiddenFiles(bool Value) { FShowHiddenFiles = Value; }
    bool GetOverwritePromt() const { return FOverwritePromt; }
    void SetOverwritePromt(bool Value) { FOverwritePromt = Value; }
    bool GetCheckFileExists() const { return FCheckFileExists; }
    void SetCheckFileExists(bool Value) { FCheckFileExists = Value; }
    bool GetMultiSelection() const { return FMultiSelection; }
    void SetMultiSelection(bool Value) { FMultiSelection = Value; }
    bool GetCtrlAlphaBlend() const { return FCtrlAlphaBlend; }
    void SetCtrlAlphaBlend(bool Value) { FCtrlAlphaBlend = Value; }
    BYTE GetCtrlAlphaBlendValue() const { return FCtrlAlphaBlendValue; }
    void SetCtrlAlphaBlendValue(BYTE Value) { FCtrlAlphaBlendValue = Value; }
    bool GetCtrlAlphaBlendAnimation() const { return FCtrlAlphaBlendAnimation; }
    void SetCtrlAlphaBlendAnimation(bool Value) { FCtrlAlphaBlendAnimation = Value; }
    const std::string& GetLVHeaderSkinDataName() const { return FLVHeaderSkinDataName; }
    void SetLVHeaderSkinDataName(const std::string& Value) { FLVHeaderSkinDataName = Value; }
    // The folder to open in when FileName names none.
    const std::string& GetInitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    // Descriptions and masks in turn, separated by "|".
    const std::string& GetFilter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    // 1-based.
    int GetFilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    // The start name and the result (raw bytes).
    const std::string& GetFileName() const { return FFileName; }
    virtual void SetFileName(const std::string& Value) { FFileName = Value; }
    // The chosen files after a confirmed Execute, in the list's order (the typed name alone when
    // the name was typed).
    TStringList* Files() const { return FFiles.get(); }
    TViewStyle ListViewStyle = TViewStyle::vsList;
    // The form while Execute runs, else nullptr.
    TskOpenDlgForm* Form() const { return static_cast<TskOpenDlgForm*>(RunningForm()); }

protected:
    TskCustomOpenDialog(TComponent* AOwner, const std::string& ATitle, const std::string& AFilter, BYTE AAlphaBlendValue);

    virtual TskOpenDlgForm* CreateForm() = 0;
    // Settings of the component the form keeps.
    virtual void CopyIntoForm(TskOpenDlgForm* Form) = 0;
    // After the filter box has its entry (the picture dialogs' pane).
    virtual void AfterFilter(TskOpenDlgForm*) {}
    // The client size used when the kept one is 0 or less.
    virtual SIZE DefaultClientSize() const = 0;
    // After the first row is focused (the picture dialogs' start picture).
    virtual void AfterFirstRow(TskOpenDlgForm*) {}
    // In every case after the modal loop, before the common settings are kept.
    virtual void KeepFormState(TskOpenDlgForm*) {}
    // The confirmed name (the save-picture dialog adds the filter's extension).
    virtual std::string ConfirmedFileName(TskOpenDlgForm* Form) { return Form->FileName; }

    std::string FFileName;
    bool FSaveMode = false;

private:
    void Configure(TskOpenDlgForm* Form);
    // The folder the list starts in: FileName's when it exists, else InitialDir when it exists,
    // else the home folder.
    std::string StartFolder() const;

    bool FShowHiddenFiles = false;
    bool FOverwritePromt = false;
    bool FCheckFileExists = true;
    bool FMultiSelection = false;
    std::string FLVHeaderSkinDataName = "resizebutton";
    std::string FInitialDir;
    std::string FFilter;
    int FFilterIndex = 1;
    bool FCtrlAlphaBlend = false;
    BYTE FCtrlAlphaBlendValue = 225;
    bool FCtrlAlphaBlendAnimation = false;
    std::unique_ptr<TStringList> FFiles;
};

class TskSkinOpenDialog : public TskCustomOpenDialog {
public:
    explicit TskSkinOpenDialog(TComponent* AOwner);

    // Without a dot; a typed name without an extension gets it, whatever the filter.
    const std::string& GetDefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    // Also shows the name in the running form's edit.
    void SetFileName(const std::string& Value) override;
    // The running form's selected file; "" when no form runs.
    std::string GetSelectedFile() const;

    TNotifyEvent OnFolderChange;

protected:
    TskOpenDlgForm* CreateForm() override;
    void CopyIntoForm(TskOpenDlgForm* Form) override;
    SIZE DefaultClientSize() const override { return SIZE{450, 290}; }

private:
    std::string FDefaultExt;
};
