#pragma once
// The skinned status bar: a panel along the bottom of its form ("statusbar") with an optional size
// grip in its bottom-right corner; a press on the grip sizes the form.

#include "skin/form/skSkinCtrls.h"

class TskSkinStatusBar : public TskSkinPanel {
public:
    explicit TskSkinStatusBar(TComponent* AOwner);

    bool GetSizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    bool GetShowGrip() const { return FShowGrip; }
    void SetShowGrip(bool Value);
    // Every skinned child control draws from the same skin data.
    void SetSkinData(TskSkinData* Value) override;
    // The grip's rectangle at the current size.
    RECT GripRect();

    void LookupSkinData() override;
    void Dispatch(TMessage& Message) override;

protected:
    void AdjustClientRect(RECT& Rect) override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void DoPanelPaint(TCanvas* Cnvs) override;

private:
    bool GripShown() const { return FSizeGrip && FShowGrip; }
    bool SkinGrip() const;
    void DrawGrip(TCanvas* Canvas);

    bool FSizeGrip = false;
    bool FShowGrip = true;
    RECT GripperRect{};
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};
