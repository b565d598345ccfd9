#pragma once
// The skinned select-folder dialog: each Execute builds a modal form with a skinned frame
// without caption buttons, an optional tool bar (new-folder button and path edit), a shell
// folder tree with two skinned scroll bars, and OK and Cancel. The component remembers the
// chosen folder and the client size the user left the window with.

#include "classlib/Forms.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"
#include "skin/input/skShellTreeView.h"
#include "skin/input/skSkinEdits.h"

#include <memory>
#include <string>

class TskSelDirDlgForm : public TForm {
public:
    TskSelDirDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar, bool AToolButtonsTransparent);

    TskSkinData* CtrlSD = nullptr;
    bool ShowToolBar = false;
    TskFormSkin* BSF = nullptr;
    TskSkinPanel* DirTreeViewPanel = nullptr;
    TskSkinPanel* BottomPanel = nullptr;
    TskSkinDirTreeView* DirTreeView = nullptr;
    TskSkinScrollBar* VScrollBar = nullptr;
    TskSkinScrollBar* HScrollBar = nullptr;
    TskSkinButton* OkButton = nullptr;
    TskSkinButton* CancelButton = nullptr;
    // Only with the tool bar.
    TskSkinPanel* ToolPanel = nullptr;
    TskSkinSpeedButton* NewFolderToolButton = nullptr;
    TskSkinEdit* DirEdit = nullptr;

    // Creates "<selected folder>/<New Folder>" unless it exists or the selection has no folder
    // path, then lists it. A refused creation raises EInOutError with the reason.
    void NewFolder();

private:
    std::string Text(const std::string& Key, const std::string& Fallback) const;
    void BuildToolBar(bool Transparent);
    void TreeChange();
    void DirEditKeyPress(char32_t& Key);
};

class TskSkinSelectDirectoryDialog : public TComponent {
public:
    explicit TskSkinSelectDirectoryDialog(TComponent* AOwner);
    ~TskSkinSelectDirectoryDialog() override;

    // Shows the dialog modally; true when the user confirmed, with Directory the chosen folder.
    bool Execute();

    bool GetToolButtonsTransparent() const { return FToolButtonsTransparent; }
    void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
    // The client size to open with (280 when 0 or less); written back at every close.
    int GetDialogWidth() const { return FDialogWidth; }
    void SetDialogWidth(int Value) { FDialogWidth = Value; }
    int GetDialogHeight() const { return FDialogHeight; }
    void SetDialogHeight(int Value) { FDialogHeight = Value; }
    int GetDialogMinWidth() const { return FDialogMinWidth; }
    void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
    int GetDialogMinHeight() const { return FDialogMinHeight; }
    void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    // The frame's skin; the controls' skin and the string store of the captions.
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    TskSkinData* GetCtrlSkinData() const { return FCtrlFSD; }
    void SetCtrlSkinData(TskSkinData* Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // The folder to open at; after a confirmed Execute, the chosen one.
    const std::string& GetDirectory() const { return FDirectory; }
    void SetDirectory(const std::string& Value) { FDirectory = Value; }
    bool GetShowToolBar() const { return FShowToolBar; }
    void SetShowToolBar(bool Value) { FShowToolBar = Value; }
    // The form while Execute runs, else nullptr.
    TskSelDirDlgForm* Form() const { return FDlgFrm; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Configure(TskSelDirDlgForm* Form);
    // Raises OnClose and frees the form.
    void FinishExecute();

    bool FToolButtonsTransparent = false;
    int FDialogWidth = 0;
    int FDialogHeight = 0;
    int FDialogMinWidth = 0;
    int FDialogMinHeight = 0;
    TskSkinData* FSD = nullptr;
    TskSkinData* FCtrlFSD = nullptr;
    std::unique_ptr<TFont> FDefaultFont;
    std::string FTitle = "Select folder";
    TskSelDirDlgForm* FDlgFrm = nullptr;
    std::string FDirectory;
    bool FAlphaBlend = false;
    BYTE FAlphaBlendValue = 200;
    bool FAlphaBlendAnimation = false;
    bool FShowToolBar = false;
};
