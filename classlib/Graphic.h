#pragma once
// TGraphic: the common base of pictures (bitmaps, icons, PNG, JPEG and GIF images): size,
// loading and saving through streams and files, transparency and a change event.

#include "classlib/Classes.h"
#include "classlib/DibData.h"

#include <string>

class TStream;
class TCanvas;
struct RECT;

class TGraphic : public TPersistent {
public:
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    void SetWidth(int Value) { SetSize(Value, GetHeight()); }
    void SetHeight(int Value) { SetSize(GetWidth(), Value); }
    virtual void SetSize(int AWidth, int AHeight) = 0;
    virtual bool Empty() const = 0;

    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);

    bool GetTransparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    // The picture as 32 bits per pixel (straight alpha); what drawing and conversions use.
    virtual TDibData GetDibData() = 0;
    // A new, empty picture of the same class (a picture holder copies pictures this way).
    virtual TGraphic* NewEmpty() const = 0;
    // Draws the picture scaled into Rect of the canvas (TCanvas::Draw and StretchDraw call it).
    virtual void Draw(TCanvas* ACanvas, const RECT& Rect) = 0;

    TNotifyEvent OnChange;

protected:
    virtual void Changed(TObject* Sender);

private:
    bool FTransparent = false;
    bool FModified = false;
};
