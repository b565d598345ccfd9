#pragma once
// A named rectangle of a TskBitmap (held by reference; the bitmap's owner keeps it alive).

#include "classlib/Classes.h"
#include "platform/win/Types.h"

#include <string>

class TCanvas;
class TStream;
class TskBitmap;

class TskBitmapLink : public TPersistent {
public:
    TskBitmapLink() = default;

    void Assign(TPersistent* Source) override;

    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int GetLeft() const { return FRect.left; }
    void SetLeft(int Value) { FRect.left = Value; }
    int GetTop() const { return FRect.top; }
    void SetTop(int Value) { FRect.top = Value; }
    int GetRight() const { return FRect.right; }
    void SetRight(int Value) { FRect.right = Value; }
    int GetBottom() const { return FRect.bottom; }
    void SetBottom(int Value) { FRect.bottom = Value; }

    TskBitmap* Image = nullptr;
    const RECT& GetRect() const { return FRect; }
    void SetRect(const RECT& Value) { FRect = Value; }
    bool Masked = false;
    bool MaskedBorder = false;
    bool MaskedAngles = false;
    // An image is linked and the rectangle has an area.
    bool Assigned() const;

    // Name as a stream string, then Left, Top, Right and Bottom.
    void SaveToStream(TStream* Stream) const;
    void LoadFromStream(TStream* Stream);

    // The linked area at X, Y with the image's own drawing mode; nothing without an image or area.
    void Draw(TskBitmap& Bitmap, int X, int Y) const;
    void Draw(TCanvas* Canvas, int X, int Y) const;

    // Classifies the linked area's translucent pixels by where they lie: corners (MaskedAngles),
    // sides (MaskedBorder) or centre (Masked) of the margin's zones. With a zero margin, Masked
    // tells whether any pixel is translucent.
    void CheckingMasked(const RECT& Margin);
    void CheckingMasked();

private:
    RECT FRect{};
    std::string FName;
};
