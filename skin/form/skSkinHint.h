#pragma once
// Skinned hints. Creating a TskSkinHint makes every hint of the application a skinned one: the
// application's hint windows become TskSkinHintWindow, painted from the skin's hint description
// or in a default look, and a skinned control's hint gets its title and image. The component
// also shows hints itself: at a point, at the cursor after the application's hint pause (hidden
// again after the hide pause), or next to a rectangle. The settings of every hint window come
// from the first active TskSkinHint of the main form.

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "skin/core/skSkinData.h"

#include <memory>
#include <string>

class TskSkinHintWindow;

// Text with each Separator replaced by one line break, in one pass (a separator that holds a
// line break does not loop); an empty separator changes nothing.
std::string HintLines(const std::string& Text, const std::string& Separator);

class TskSkinHint : public TComponent {
public:
    explicit TskSkinHint(TComponent* AOwner);
    ~TskSkinHint() override;

    bool GetActive() const { return FActive; }
    // Activating one deactivates the other active ones of the main form.
    void SetActive(bool Value);
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }

    // Shows the hint at P at once.
    void ActivateHint(POINT P, const std::string& AHint);
    // Shows the hint at the cursor after the hint pause, hides it after the hide pause.
    void ActivateHint2(const std::string& AHint);
    // The same next to AFromRect, above it with ATop.
    void ActivateHint3(const RECT& AFromRect, const std::string& AHint, bool ATop);
    void ActivateHintEx(POINT P, const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                        TCustomImageList* AImageList);
    void ActivateHintEx2(const std::string& AHintTitle, const std::string& AHint, TCustomImageList* AImageList,
                         int AImageIndex);
    void HideHint();
    bool IsVisible() const;
    TskSkinHintWindow* Window() const { return HW; }
    // Rows of the current cursor below its hot spot.
    static int GetCursorHeightMargin();

    bool AlphaBlend = false;
    int AlphaBlendValue = 0;
    bool AlphaBlendAnimation = false;
    bool UseSkinFont = true;
    std::string LineSeparator = "@";
    TShowHintEvent OnShowHint;

    // The hint being prepared or shown.
    std::string HintTitle;
    int HintImageIndex = 0;
    TCustomImageList* HintImageList = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    enum class TPending { None, AtCursor, AtCursorEx, FromRect };
    void DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);
    // Makes the application's OnShowHint this component's handler; it does nothing once the
    // component is gone.
    void InstallShowHint();
    void StartPending(TPending Kind, const std::string& AHint);
    void HintTimerTick();

    bool FActive = true;
    TskSkinData* FSD = nullptr;
    TskSkinHintWindow* HW = nullptr;
    std::unique_ptr<TFont> FDefaultFont;
    std::unique_ptr<TTimer> HintTimer;
    TPending FPending = TPending::None;
    bool FShowing = false;
    std::string HintText;
    RECT FromRect{};
    bool Top = false;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TskSkinHintWindow : public THintWindow {
public:
    explicit TskSkinHintWindow(TComponent* AOwner);
    ~TskSkinHintWindow() override;

    void ActivateHint(RECT Rect, const std::string& AHint) override;
    void ActivateHintEx(RECT Rect, const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                        TCustomImageList* AImageList);
    void ActivateHintFromRect(const RECT& ARect, const std::string& AHint, bool ATop);
    void HideWindow();
    bool Shown() const { return FShown; }
    // The component whose settings apply: the main form's first active one.
    static TskSkinHint* FindHintComponent();
    // The skin data used, nullptr for the default look.
    TskSkinData* SD() const { return FSD; }
    const RECT& ClientRectOfSkin() const { return NewClRect; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    enum class TKind { Plain, Extended, FromRect };
    void Activate(TKind Kind, RECT Rect, const std::string& AHint, bool ATop);
    void Prepare(const std::string& AHint);
    SIZE CalcHintSize();
    SIZE CalcHintSizeEx();
    void FitSkin(int& W, int& H);
    void FadeStep();

    RECT NewClRect{};
    POINT NewLTPoint{}, NewRTPoint{}, NewLBPoint{}, NewRBPoint{};
    TskSkinHint* FspHint = nullptr;
    TskSkinData* FSD = nullptr;
    HRGN FRgn = nullptr;
    bool FOldAlphaBlend = false;
    int FOldAlphaBlendValue = -1;
    int FAlpha = 0;
    bool AExtendedStyle = false;
    bool FShown = false;
    std::string FTitle;
    int FImageIndex = -1;
    TCustomImageList* FImageList = nullptr;
    std::unique_ptr<TTimer> FadeTimer;
};
