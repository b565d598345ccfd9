#pragma once
// A picture with per-pixel transparency shown as its own top-level layered window over the
// desktop and faded in, for the glow frames of buttons and caption objects.

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"

class TBitmap;
class TskBitmap;

// A frameless tool window that never activates and lets mouse input through.
class TskLayerWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
};

class TskLayerManager : public TComponent {
public:
    explicit TskLayerManager(TComponent* AOwner);
    ~TskLayerManager() override;

    // Shows AImage with the grey levels of AImageMask as its alpha (white opaque) at X, Y (screen
    // coordinates), starting clear and fading in to AAlphaBlendValue (0..255) a tenth at a time
    // every 25 ms. A layer already shown is hidden first.
    void Show(int X, int Y, TBitmap* AImage, TBitmap* AImageMask, int AAlphaBlendValue);
    void Hide();
    void StartTimer();
    void StopTimer();

    TskLayerWindow* LayerWindow = nullptr;
    TskBitmap* Bmp = nullptr;
    TTimer* Timer;
    int EndAlphaBlendValue = 0;
    int BeginAlphaBlendValue = 0;
    int StepAlphaBlendValue = 0;
    bool IsVisible = false;
    bool TopMostMode = true;

protected:
    // The timer and the layer window are owned components: a teardown that frees them before
    // the destructor runs must leave no pointer behind.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FadeStep(TObject* Sender);
    void FreeLayer();
};

// Dest := AImage (opaque unless it is a 32-bit bitmap with alpha), with alpha from AMask's grey
// levels; the colours are not multiplied by the alpha.
void AssignImageWithMask(TBitmap* AImage, TBitmap* AMask, TskBitmap* Dest);
// Shows Bitmap's pixels with their alpha times Alpha as the layered window of Control, at the
// control's position.
void ApplyLayeredBitmap(TskBitmap* Bitmap, std::uint8_t Alpha, TWinControl* Control);
