#include "SkinFormSupport.h"

#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinMessages.h"

namespace skinform {

std::unique_ptr<TskSkinData> ArtworkSkin(int Index)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    LoadArtworkSkin(data.get(), Index);
    return data;
}

void LoadArtworkSkin(TskSkinData* SkinData, int Index)
{
    SkinData->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(Index)].Data);
}

void LoadArtworkFixedSkin(TskSkinData* SkinData)
{
    SkinData->LoadFromCompressedBytes(ArtworkFixedSkin().Data);
}


std::unique_ptr<TskSkinData> MadeSkin()
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->Empty = false;
    return data;
}

int AddPicture(TskSkinData& SkinData, int W, int H, COLORREF Color)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(TPixelFormat::pf24bit);
    b->SetSize(W, H);
    b->Canvas()->Brush()->SetColor(static_cast<TColor>(Color));
    b->Canvas()->FillRect(RECT{0, 0, W, H});
    SkinData.FActivePictures.push_back(std::move(b));
    return static_cast<int>(SkinData.FActivePictures.size()) - 1;
}

COLORREF PicturePixel(TskSkinData& SkinData, int Picture, int X, int Y)
{
    return SkinData.FActivePictures.at(static_cast<std::size_t>(Picture))->GetPixelColor(X, Y);
}

LRESULT PaintBorderToMarkedBitmap(TControl* Control, bool& Untouched)
{
    constexpr COLORREF marker = RGB(1, 2, 3);
    TBitmap target;
    target.SetSize(Control->GetWidth(), Control->GetHeight());
    target.Canvas()->Brush()->SetColor(static_cast<TColor>(marker));
    target.Canvas()->FillRect(RECT{0, 0, Control->GetWidth(), Control->GetHeight()});
    const LRESULT answer =
        Control->Perform(SKM_PAINTBORDERTO, reinterpret_cast<WPARAM>(target.Canvas()->GetHandle()), 0);
    Untouched = true;
    for (int y = 0; y < Control->GetHeight(); ++y)
        for (int x = 0; x < Control->GetWidth(); ++x)
            Untouched = Untouched && target.GetPixelColor(x, y) == marker;
    return answer;
}

} // namespace skinform

TForm* SkinFormTest::ShownForm(int ClientWidth, int ClientHeight)
{
    TForm* f;
    Application->CreateForm(f);
    f->SetBounds(50, 50, ClientWidth + 20, ClientHeight + 40);
    f->SetClientWidth(ClientWidth);
    f->SetClientHeight(ClientHeight);
    f->Show();
    Pump();
    return f;
}

COLORREF SkinFormTest::PixelOf(TControl* Control, int X, int Y)
{
    return PixelsOf(Control)(X, Y);
}

std::function<COLORREF(int X, int Y)> SkinFormTest::PixelsOf(TControl* Control)
{
    TCustomForm* form = GetParentForm(Control);
    std::shared_ptr<Surface> pixels = kit.Render(form->GetHandle());
    RECT wr{};
    GetWindowRect(form->GetHandle(), &wr);
    return [pixels, wr, Control](int X, int Y) {
        const POINT p = Control->ClientToScreen(POINT{X, Y});
        return WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top);
    };
}
