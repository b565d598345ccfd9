#pragma once
// The skin data component: holds one loaded skin (its pictures and descriptions, see
// TskSkinContent), loads skins from a skin folder, a stored skin or a skin list, writes them back,
// and tells every form of the application about a change by the broadcast messages below.
//
// A load reads the whole new skin first; only when that succeeded are the forms told
// (SKM_BEFORESKINCHANGE), the new skin put in place, and SKM_SKINCHANGE and SKM_AFTERSKINCHANGE
// sent. A skin that fails to load raises its error and leaves the previous skin in force, with
// nothing sent.

#include "classlib/Classes.h"
#include "classlib/Bitmap.h"
#include "platform/win/Types.h"
#include "platform/window/Messages.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skResourceStrData.h"
#include "skin/core/skSkinContent.h"

#include <string>
#include <string_view>

// The skin data's broadcasts; wParam is the sending TskSkinData, lParam 1000.
inline constexpr UINT SKM_BEFORESKINCHANGE = WM_USER + 201;
inline constexpr UINT SKM_SKINCHANGE = WM_USER + 202;
inline constexpr UINT SKM_AFTERSKINCHANGE = WM_USER + 203;
inline constexpr UINT SKM_RESOURCESTRCHANGED = WM_USER + 250;
inline constexpr UINT SKM_SKINNABLECHANGED = WM_USER + 270;
inline constexpr UINT SKM_LAYEREDBORDERSCHANGED = WM_USER + 403;
inline constexpr LPARAM kSkinDataMessageParam = 1000;

class TskSkinData : public TComponent, public TskSkinContent {
public:
    explicit TskSkinData(TComponent* AOwner);
    ~TskSkinData() override;

    // Loads the skin of a skin folder (FileName is its ini file). A file without one of the
    // required sections changes nothing and sends nothing.
    void LoadFromFile(const std::string& FileName);
    // Writes the skin ini text into FileName; sections of an existing file that the skin does not
    // write are kept.
    void SaveToFile(const std::string& FileName);
    // SaveToFile, then the pictures as BMP files beside it under their names.
    void StoreToDisk(const std::string& AFileName);
    // Loads a stored skin; an empty one (or none) changes nothing.
    void LoadCompressedStoredSkin(TskCompressedStoredSkin* AStoredSkin);
    void LoadFromCompressedFile(const std::string& FileName);
    // The same from the bytes of a stored-skin file held in memory (an embedded skin).
    void LoadFromCompressedBytes(std::string_view Bytes);
    void SaveToCompressedFile(const std::string& FileName);
    // Drops the skin, then broadcasts the three change messages (Empty stays true).
    void ClearSkin();
    // Drops the skin without messages.
    void ClearAll();
    // Drops descriptions, numbered pictures and their names; colours back to their defaults.
    void ClearObjects();
    // Appends a numbered picture read from a BMP file; its name part joins the picture names.
    void AddBitMap(const std::string& FileName);
    // Removes numbered picture Index and its name; later pictures move down by one.
    void DeleteBitMap(int Index);
    // Sends M (wParam this skin data, lParam 1000) to the application's forms, one after the
    // other: the owner form first when layered borders are off; the others in the screen's form
    // order, or in reverse when layered borders are on and the skin has a layered frame picture;
    // layered border windows (class TskFormLayerWindow) never. Virtual so that a receiver can be
    // watched without forms.
    virtual void SendSkinDataMessage(UINT M);

    bool SkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool Value);
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool Value) { FAnimationForAllWindows = Value; }
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    void SetShowLayeredBorders(bool Value);
    TskCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    void SetCompressedStoredSkin(TskCompressedStoredSkin* Value);
    TskResourceStrData* ResourceStrData() const { return FResourceStrData; }
    void SetResourceStrData(TskResourceStrData* Value);
    TskCompressedSkinList* SkinList() const { return FCompressedSkinList; }
    void SetSkinList(TskCompressedSkinList* Value);
    int SkinIndex() const { return FCompressedSkinIndex; }
    // The same value, or one outside the list, does nothing; a value whose skin fails to load
    // raises the error and keeps the old index.
    void SetSkinIndex(int Value);
    TskSkinColors* SkinColors() const { return FSkinColors.get(); }

    // True while no skin is loaded, and during a change until the new skin is in place.
    bool Empty = true;
    // True from the before-change message until just before the after-change message.
    bool ChangeSkinDataProcess = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Designing() const;
    bool Reading() const;
    // Tells the forms and puts a fully read skin in place.
    void Apply(TskSkinContent&& Next);

    TskCompressedSkinList* FCompressedSkinList = nullptr;
    int FCompressedSkinIndex = 0;
    bool FSkinnableForm = true;
    bool FEnableSkinEffects = true;
    TskCompressedStoredSkin* FCompressedStoredSkin = nullptr;
    TskResourceStrData* FResourceStrData = nullptr;
    bool FShowButtonGlowFrames = true;
    bool FShowCaptionButtonGlowFrames = true;
    bool FShowLayeredBorders = true;
    bool FAnimationForAllWindows = false;
};

// The control description Name of SkinData as class T; nullptr without skin data, without the
// name or for a description of another class.
template <class T>
T* NamedDescription(TskSkinData* SkinData, const std::string& Name)
{
    if (SkinData == nullptr || SkinData->Empty)
        return nullptr;
    const int i = SkinData->GetControlIndex(Name);
    return i < 0 ? nullptr : dynamic_cast<T*>(SkinData->CtrlList[static_cast<std::size_t>(i)].get());
}
