#pragma once
// The skin chooser: each Execute builds a modal form with a skinned frame without caption
// buttons, the list of the skins' names, a live preview (a small framed window with one button,
// drawn in the skin under the cursor, with a skin data of its own) and OK and Cancel. It only
// reports the choice; applying it is the caller's business.

#include "classlib/Forms.h"

#include <memory>
#include <string>
#include <vector>

class TFont;
class TskCompressedSkinList;
class TskCompressedStoredSkin;
class TskFormSkin;
class TskSkinButton;
class TskSkinData;
class TskSkinListBox;

class TskSelectSkinDlgForm : public TForm {
public:
    // The stored skins owned by AForm, starting at ADefaultSkin (the first one when AForm does
    // not hold it). Raises EListError, leaving nothing behind, when AForm holds no stored skin.
    static TskSelectSkinDlgForm* CreateEx(TComponent* AOwner, TComponent* AForm, TskCompressedStoredSkin* ADefaultSkin,
                                          TskSkinData* ACtrlSkinData);
    // The skins of ASkinList, starting at ASkinIndex; an index outside the list selects and
    // previews nothing.
    static TskSelectSkinDlgForm* CreateEx2(TComponent* AOwner, TskCompressedSkinList* ASkinList, int ASkinIndex,
                                           TskSkinData* ACtrlSkinData);

    // The stored skin the preview shows.
    TskCompressedStoredSkin* GetSelectedSkin() const;
    // A selection change of the list loads that skin into the preview skin data.
    void SLBOnChange(TObject* Sender);
    // A double click confirms, as OK does.
    void SLBOnDblClick(TObject* Sender);

    TskCompressedSkinList* FCSkinList = nullptr;  // nullptr in the stored-skin variant
    int FCSkinIndex = -1;
    TskFormSkin* BSF = nullptr;
    TskSkinButton* OpenButton = nullptr;
    TskSkinButton* CancelButton = nullptr;
    TForm* PreviewForm = nullptr;
    TskFormSkin* PreviewBSF = nullptr;
    TskSkinData* PreviewSkinData = nullptr;
    TskSkinButton* PreviewButton = nullptr;
    TskSkinListBox* SkinsListBox = nullptr;
    // Stored-skin variant: the listed stored skins, in list order (they belong to the caller).
    std::vector<TskCompressedStoredSkin*> SkinList;

private:
    TskSelectSkinDlgForm(TComponent* AOwner, TskCompressedSkinList* ASkinList, int ASkinIndex);
    // Frame, preview, buttons and list, with captions from ACtrlSkinData's string store.
    void BuildControls(TskSkinData* ACtrlSkinData);
    void FillFromSkinList();
    void FillFromStoredSkins(TComponent* AForm, TskCompressedStoredSkin* ADefaultSkin);
    // The stored skin at list position Index; EListError outside SkinList.
    TskCompressedStoredSkin* StoredSkinAt(int Index) const;
    void ShowPreview();
};

class TskSelectSkinDialog : public TComponent {
public:
    explicit TskSelectSkinDialog(TComponent* AOwner);
    ~TskSelectSkinDialog() override;

    // Chooses a skin of SkinList starting at SkinIndex: true when confirmed, with the choice in
    // SelectedSkinIndex. False at once, showing nothing, without a SkinList.
    bool Execute(int SkinIndex);
    // Chooses one of the stored skins the owner holds, starting at DefaultCompressedSkin: true
    // when confirmed, with the choice in SelectedSkin. An owner without stored skins (or no owner)
    // raises EListError and shows nothing.
    bool Execute(TskCompressedStoredSkin* DefaultCompressedSkin);

    TskCompressedSkinList* GetSkinList() const { return FSkinList; }
    void SetSkinList(TskCompressedSkinList* Value);
    // The frame's skin.
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    // The skin of the list and the buttons, and the string store of the captions.
    TskSkinData* GetCtrlSkinData() const { return FCtrlFSD; }
    void SetCtrlSkinData(TskSkinData* Value);
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    // The font of the list and the buttons where no skin font applies; the setter copies it.
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    TskCompressedStoredSkin* SelectedSkin() const { return FSelectedSkin; }
    int SelectedSkinIndex() const { return FSelectedSkinIndex; }
    // The form while Execute runs, else nullptr.
    TskSelectSkinDlgForm* Form() const { return FDlgFrm; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Configures, shows and frees the form; true for OK.
    bool Run(TskSelectSkinDlgForm* Form);
    void Configure(TskSelectSkinDlgForm* Form);

    TskSkinData* FSD = nullptr;
    TskCompressedSkinList* FSkinList = nullptr;
    TskSkinData* FCtrlFSD = nullptr;
    std::unique_ptr<TFont> FDefaultFont;
    std::string FTitle = "Select skin";
    TskSelectSkinDlgForm* FDlgFrm = nullptr;
    bool FAlphaBlend = false;
    BYTE FAlphaBlendValue = 200;
    bool FAlphaBlendAnimation = false;
    TskCompressedStoredSkin* FSelectedSkin = nullptr;
    int FSelectedSkinIndex = -1;
};
