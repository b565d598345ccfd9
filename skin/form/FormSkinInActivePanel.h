#pragma once
// The overlay a skinned form with ClientInActiveEffect lays over its client area while it is
// inactive: a frozen picture of the client area, blurred or washed out with the form's
// background.

#include "skin/core/TskBitmap.h"
#include "skin/form/skSkinCtrls.h"

#include <memory>

class TCustomForm;

enum class TskClientInActiveEffect { skieSemiTransparent, skieBlur };

class TskClientInActivePanel : public TskSkinPaintPanel {
public:
    explicit TskClientInActivePanel(TComponent* AOwner);

    // Freezes AForm's client area into the picture and shows it over the client area; nothing
    // for a missing, hidden or empty form.
    void ShowPanel(TCustomForm* AForm, TskClientInActiveEffect AEffect);
    void HidePanel();
    // The frozen picture; nullptr while hidden.
    const TskBitmap* Buffer() const { return FBuffer.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TskBitmap> FBuffer;
};
