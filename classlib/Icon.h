#pragma once
// TIcon: a small picture with transparency, kept with alpha and handed to the platform as an
// icon handle; stored as icon files.

#include "classlib/ImageGraphic.h"
#include "platform/gdi/GdiTypes.h"

class TIcon : public TImageGraphic {
public:
    TIcon() = default;
    ~TIcon() override;

    TGraphic* NewEmpty() const override { return new TIcon; }
    // The largest picture of an icon file; EInvalidGraphic for a file that is not a valid icon.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    // An icon handle made from the picture (the icon keeps it); null while empty.
    HICON GetHandle();
    // Takes the icon (the picture becomes the icon's), and owns the handle.
    void SetHandle(HICON Value);
    // Gives the handle away: the caller destroys it.
    HICON ReleaseHandle();

protected:
    void Changed(TObject* Sender) override;

private:
    void dropHandle();
    HICON FHandle = nullptr;
    bool FSettingHandle = false;
};
