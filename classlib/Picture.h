#pragma once
// TPicture: holds one picture of any kind and picks the kind from a file's extension.

#include "classlib/Graphic.h"

class TBitmap;

class TPicture : public TPersistent {
public:
    TPicture() = default;
    ~TPicture() override;

    TGraphic* GetGraphic() const { return FGraphic; }
    // Holds a copy of Value (nullptr empties the picture).
    void SetGraphic(TGraphic* Value);
    // The picture as a bitmap: a picture of another kind is replaced by an empty bitmap.
    TBitmap* Bitmap();
    int GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
    int GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

    // ".bmp", ".png", ".jpg"/".jpeg"/".jpe", ".gif", ".ico", compared without regard to case; another
    // extension raises EInvalidGraphic "Unknown picture file extension (<ext>)".
    void LoadFromFile(const std::string& FileName);
    // Saves the held picture in its own format (nothing when the picture is empty).
    void SaveToFile(const std::string& FileName);

    // From another picture or from any graphic (copied); nullptr empties the picture.
    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

protected:
    // Into a graphic: the held picture is assigned to it.
    void AssignTo(TPersistent* Dest) override;

private:
    void take(TGraphic* Graphic);
    void changed();

    TGraphic* FGraphic = nullptr;
};
