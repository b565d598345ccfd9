#pragma once
// The skinned tool bar ("toolpanel"): a panel that centres its children vertically, lends its
// skin data, flat style and image lists to the speed buttons on it, shows or hides their
// captions, and scrolls its content with two small buttons in its non-client area when the
// content is wider than the bar.

#include "skin/form/skSkinCtrls.h"

class TskSkinToolBar : public TskSkinPanel, public TskControlCentringHost, public TskButtonImagesHost {
public:
    // Hit codes of the two scroll buttons (outside the standard non-client codes).
    static constexpr LRESULT kHitLeft = 119;
    static constexpr LRESULT kHitRight = 120;

    explicit TskSkinToolBar(TComponent* AOwner);

    bool GetCanScroll() const { return FCanScroll; }
    void SetCanScroll(bool Value) { FCanScroll = Value; }
    bool GetHotScroll() const { return FHotScroll; }
    void SetHotScroll(bool Value) { FHotScroll = Value; }
    int GetScrollOffset() const { return FScrollOffset; }
    void SetScrollOffset(int Value);
    int GetScrollTimerInterval() const { return FScrollTimerInterval; }
    void SetScrollTimerInterval(int Value);
    void SetAdjustControls(bool Value) { FAdjustControls = Value; }
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);
    void SetImages(TCustomImageList* Value);
    void SetHotImages(TCustomImageList* Value);
    void SetDisabledImages(TCustomImageList* Value);
    bool GetAutoShowHideCaptions() const { return FAutoShowHideCaptions; }
    void SetAutoShowHideCaptions(bool Value) { FAutoShowHideCaptions = Value; }
    bool GetShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    void SetWidthWithCaptions(int Value) { FWidthWithCaptions = Value; }
    void SetWidthWithoutCaptions(int Value) { FWidthWithoutCaptions = Value; }
    // The skinned speed buttons and bevels on the bar draw from the same skin data.
    void SetSkinData(TskSkinData* Value) override;

    // The scroll state: range end, offset and page (0 while the content fits).
    int ScrollMax() const { return SMax; }
    int ScrollPosition() const { return SPosition; }
    int ScrollPage() const { return SPage; }
    bool ScrollButtonsShown() const { return Buttons[0].Visible; }
    // One scroll step to the right (or left).
    void ScrollStep(bool Right);

    // TskControlCentringHost and TskButtonImagesHost.
    bool GetAdjustControls() const override { return FAdjustControls; }
    RECT GetSkinClientRect() override { return TskSkinPanel::GetSkinClientRect(); }
    TCustomImageList* GetImages() const override { return FImages; }
    TCustomImageList* GetHotImages() const override { return FHotImages; }
    TCustomImageList* GetDisabledImages() const override { return FDisabledImages; }

    void LookupSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AdjustClientRect(RECT& Rect) override;
    void CreateControlSkinImage(TBitmap* B) override;

private:
    struct Part {
        RECT R{};
        bool MouseIn = false;
        bool Down = false;
        bool Visible = false;
    };
    void CentreChildren();
    void UpdateScrollState();
    void ShowScrollButtons(bool Show);
    void ShiftContent(int DX);
    void StartScrollTimer(int Mode);
    void StopScrollTimer();
    void Unhover();
    void PaintScrollButtons();
    RECT ClientInWindow();

    bool FAdjustControls = true;
    bool FCanScroll = false;
    bool FHotScroll = false;
    int TimerMode = 0;
    int SMax = 0, SPosition = 0, SPage = 0, SOldPosition = 0;
    int FHSizeOffset = 0;
    int FScrollOffset = 0;
    int FScrollTimerInterval = 50;
    Part Buttons[2];
    TskDataSkinButtonControl* ButtonData = nullptr;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    bool FFlat = false;
    bool FAutoShowHideCaptions = false;
    bool FShowCaptions = false;
    int FWidthWithCaptions = 0, FWidthWithoutCaptions = 0;
};
