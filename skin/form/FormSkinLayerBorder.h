#pragma once
// The layered outer border of a skinned form: four band windows (left, top, right, bottom)
// showing the skin's layer picture stretched around the form, placed exactly around it, never
// activated, and, when the skin asks, acting as resize handles.

#include "classlib/Controls.h"
#include "skin/core/TskBitmap.h"

#include <array>
#include <memory>

class TCustomForm;
class TskDataSkinLayerFrame;
class TskFormSkin;
class TskSkinData;
class TskFormLayerBorder;

enum class TskFormLayerBorderType { skflLeft, skflTop, skflRight, skflBottom };
enum class TskFormLayerBorderHit {
    skflhNone, skflhLeft, skflhTop, skflhRight, skflhBottom,
    skflhTopLeft, skflhTopRight, skflhBottomLeft, skflhBottomRight
};

class TskFormLayerWindow : public TCustomControl {
public:
    TskFormLayerWindow(TskFormLayerBorder* AOwner, TCustomForm* AForm, TskFormLayerBorderType AType);

    TskFormLayerBorderType BorderType;
    // The resize zone under the screen point P.
    TskFormLayerBorderHit GetHitMode(POINT P) const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;

private:
    bool CanSizeForm() const;
    void MouseMoveTo(POINT P);

    TCustomForm* FForm;
    TskFormLayerBorder* FLayerBorder;
    bool FDown = false;
    bool FInProcessMessages = false;
    POINT MousePos1{};
    POINT MousePos2{};
    TskFormLayerBorderHit FHitMode = TskFormLayerBorderHit::skflhNone;
};

class TskFormLayerBorder : public TComponent {
public:
    explicit TskFormLayerBorder(TskFormSkin* AOwner);
    ~TskFormLayerBorder() override;

    void InitFrame(TskSkinData* ASkinData, TCustomForm* AForm);
    void Show(int X, int Y, int AWidth, int AHeight);
    void Hide();
    void SetBounds(int X, int Y, int AWidth, int AHeight);
    void ShowWithForm();
    // Shows the bands fading in, 15 steps at least 5 ms apart on the clock.
    void ShowWithFormAnimation();
    void SetBoundsWithForm();
    void SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH);
    void MoveWithForm();
    void MoveWithForm2(int ALeft, int ATop);
    void SetAlphaBlend();
    void SetAlphaBlend2();
    void CheckFormAlpha(int AFormAlpha, bool AUpdate);
    void SetActive(bool AValue, bool AUpdate);

    bool Visible() const { return FVisible; }
    bool HasData() const { return FData != nullptr; }
    const TskDataSkinLayerFrame* Data() const { return FData; }
    TskFormSkin* Frame() const { return BSF; }
    int CurrentAlpha() const { return FActive ? FCurrentAlphaBlendValue : FCurrentInActiveAlphaBlendValue; }
    int CurrentActiveAlpha() const { return FCurrentAlphaBlendValue; }
    int CurrentInActiveAlpha() const { return FCurrentInActiveAlphaBlendValue; }
    // The band window of that type, or nullptr.
    TskFormLayerWindow* Band(TskFormLayerBorderType Type) const { return FWindows[static_cast<int>(Type)]; }
    const TskBitmap* BandImage(TskFormLayerBorderType Type) const { return FImages[static_cast<int>(Type)].get(); }

    int LeftSize = 0, TopSize = 0, RightSize = 0, BottomSize = 0;

private:
    RECT BorderRectOf(int ALeft, int ATop, int AW, int AH) const;
    RECT BandPlace(TskFormLayerBorderType Type, int X, int Y, int AWidth, int AHeight) const;
    void CreateBorderImages(int AWidth, int AHeight);
    void FreeWindows();
    void PlaceWindows(const RECT& Border, bool Show);
    int TopH() const;
    int BottomH() const;

    TskFormSkin* BSF;
    TCustomForm* FForm = nullptr;
    bool FVisible = false;
    TskDataSkinLayerFrame* FData = nullptr;
    std::unique_ptr<TskBitmap> FSourceBitmap;
    std::unique_ptr<TskBitmap> FSourceInActiveBitMap;
    std::array<std::unique_ptr<TskBitmap>, 4> FImages;
    std::array<TskFormLayerWindow*, 4> FWindows{};
    int FWidth = 0, FHeight = 0;
    bool FActive = true;
    int FCurrentAlphaBlendValue = -1;
    int FCurrentInActiveAlphaBlendValue = -1;
};
