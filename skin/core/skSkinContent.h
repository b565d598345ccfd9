#pragma once
// Everything one skin consists of: its texts, picture names, the frame description of a skinned
// form (section FORMINFO), the popup, layered-frame and hint descriptions, the system colours and
// the frame-object and control descriptions. A skin is read into a fresh content object and only
// then put in place as a whole, so a skin that fails to read changes nothing.

#include "classlib/Bitmap.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skDataSkinObjects.h"

#include <memory>
#include <string>
#include <vector>

class TskSkinContent {
public:
    TskSkinContent();
    TskSkinContent(TskSkinContent&&) noexcept;
    TskSkinContent& operator=(TskSkinContent&&) noexcept;
    ~TskSkinContent();

    // Reads the whole description: VERSION texts, picture names, FORMINFO (with its fix-ups),
    // POPUPWINDOW, LAYERFRAME, HINTWINDOW, SKINCOLORS, SKINOBJECTS and SKINCONTROLS. Raises
    // EConvertError for a rectangle or point without digits.
    void ReadSkinIni(const TskMemIniFile& IniFile);
    // Writes the whole description; each section it writes is erased first, others stay.
    void WriteSkinIni(TskMemIniFile& IniFile) const;

    // The position of the first description named exactly AIDName (case-sensitive) in
    // ObjectList or CtrlList; -1 when none.
    int GetIndex(const std::string& AIDName) const;
    int GetControlIndex(const std::string& AIDName) const;

    // The numbered picture a description names by Index; null for an index outside the list or
    // an empty picture (skins keep such indexes as read: every consumer draws no picture then).
    TBitmap* GetActivePicture(int Index) const;

    // VERSION
    std::string SkinName, SkinAuthor, AuthorURL, AuthorEmail, SkinComments;
    // PICTURES
    std::string FPictureName, FInActivePictureName, FMaskName;
    std::vector<std::string> FActivePicturesNames;

    // The main picture (frame and frame objects), the inactive frame and the frame's region mask;
    // never null, possibly empty. The numbered pictures that descriptions name by index.
    std::unique_ptr<TBitmap> FPicture, FInActivePicture, FMask;
    std::vector<std::unique_ptr<TBitmap>> FActivePictures;

    // FORMINFO: rectangles and points in the main picture.
    RECT ButtonsRect{};
    RECT CaptionRect{};
    int ButtonsOffset = 0;
    bool CapButtonsInLeft = false;
    bool AutoRenderingInActiveImage = false;
    TskInActiveEffect InActiveEffect = ieBrightness;
    POINT LTPoint{}, RTPoint{}, LBPoint{}, RBPoint{};
    int BGPictureIndex = -1;
    int MDIBGPictureIndex = -1;
    bool MainMenuPopupUp = false;
    RECT MaskRectArea{};
    POINT HitTestLTPoint{}, HitTestRTPoint{}, HitTestLBPoint{}, HitTestRBPoint{};
    RECT ClRect{};
    int BorderW = 0;
    int FormMinWidth = 0;  // 0 = the picture's width
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
    bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TskStretchType StretchType = skstFull;
    bool MDIBGStretchEffect = false;
    TskStretchType MDIBGStretchType = skstFull;

    std::unique_ptr<TskDataSkinPopupWindow> PopupWindow;
    std::unique_ptr<TskDataSkinLayerFrame> LayerFrame;
    std::unique_ptr<TskDataSkinHintWindow> HintWindow;
    std::unique_ptr<TskSkinColors> FSkinColors;

    // In SKINOBJECTS and SKINCONTROLS order.
    std::vector<std::unique_ptr<TskDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TskDataSkinControl>> CtrlList;

private:
    void ReadFormInfo(const TskMemIniFile& IniFile);
    void WriteFormInfo(TskMemIniFile& IniFile) const;
    void ReadSkinObjects(const TskMemIniFile& IniFile);
    void WriteSkinObjects(TskMemIniFile& IniFile) const;
    void ReadSkinControls(const TskMemIniFile& IniFile);
    void WriteSkinControls(TskMemIniFile& IniFile) const;
    friend class TskFormInfoKeys;
};
