#include "FrameTestSupport.h"

#include "app/artwork/Artwork.h"
#include "classlib/DibData.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"

#include <cstdio>
#include <cstring>

void LoadArtworkSkin(TskSkinData* Data, int Index)
{
    Data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(Index)].Data);
}

void WritePicture(const Surface& Picture, const std::string& Path)
{
    TDibData image;
    image.Width = Picture.Width();
    image.Height = Picture.Height();
    image.BitsPerPixel = 24;
    image.Allocate();
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            std::memcpy(image.Row(y) + x * 3, &Picture.Row(y)[x], 3);
    TFileStream file(Path, fmCreate);
    WritePng(&file, image);
    std::printf("picture: %s\n", Path.c_str());
}

FrameTest::FrameTest()
{
    kit.Display().SetMonitors({{RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 984}, true}});
}

FrameTest::~FrameTest() = default;

void FrameTest::TearDown()
{
    DoneApplication();
    skins.clear();
}

TskSkinData* FrameTest::Skin(int Index)
{
    skins.push_back(std::make_unique<TskSkinData>(nullptr));
    LoadArtworkSkin(skins.back().get(), Index);
    return skins.back().get();
}

TForm* FrameTest::MakeForm(TskSkinData* Data, int Width, int Height)
{
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("Frame");
    form->SetBounds(100, 100, Width, Height);
    auto* frame = new TskFormSkin(form);
    if (Data)
        frame->SetSkinData(Data);
    form->Show();
    form->SetFocus();
    Pump();
    return form;
}

COLORREF FrameTest::At(TForm* Form, int X, int Y)
{
    Pump();
    auto picture = kit.Render(Form->GetHandle());
    return WindowTestKit::ColorAt(*picture, X, Y);
}

int FrameTest::HitAt(TForm* Form, int X, int Y)
{
    const POINT p = ScreenAt(Form, X, Y);
    return static_cast<int>(SendMessage(Form->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
}

POINT CentreOf(TskFormSkin* Frame, const char* IDName)
{
    const RECT r = Frame->Objects(Frame->GetIndex(IDName))->ObjectRect;
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
