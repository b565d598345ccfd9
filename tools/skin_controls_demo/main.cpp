// skin_controls_demo [--skin N] [--screenshot file.png]
// Shows the skinned buttons, speed buttons, panels, check and radio boxes, labels, bevel,
// splitter, views, bars, sliders, page controls and menu buttons in their states under generated skin N (0..7, default 0). With --screenshot it writes
// a picture of the form and quits by itself; otherwise it runs until the form is closed.

#include "TabsDemo.h"
#include "ViewsDemo.h"

#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/DibData.h"
#include "classlib/Forms.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "platform/testkit/ScreenComposition.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/form/skSkinCtrls.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <class T>
T* Place(TWinControl* parent, TskSkinData* data, RECT bounds, const std::string& caption = {})
{
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetBoundsRect(bounds);
    c->SetCaption(caption);
    c->SetSkinData(data);
    return c;
}

void LoadSkin(TskSkinData* data, int index)
{
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
}

// A 16 x 16 glyph drawn in code: a disc on the transparent magenta.
void DrawGlyph(TBitmap* b, TColor color)
{
    b->SetSize(16, 16);
    b->Canvas()->Brush()->SetColor(static_cast<TColor>(0xFF00FF));
    b->Canvas()->FillRect(RECT{0, 0, 16, 16});
    b->Canvas()->Brush()->SetColor(color);
    b->Canvas()->Pen()->SetColor(color);
    b->Canvas()->Ellipse(3, 3, 13, 13);
}

void Build(TForm* form, TskSkinData* data)
{
    auto* back = Place<TskSkinPanel>(form, data, RECT{0, 0, 560, 380});
    back->SetAlign(TAlign::alClient);
    back->SetBorderStyle(bvNone);

    // Push buttons: normal, default, disabled, grouped and down, with a glyph.
    auto* ok = Place<TskSkinButton>(back, data, RECT{16, 16, 91, 41}, "确定");
    ok->SetDefault(true);
    Place<TskSkinButton>(back, data, RECT{100, 16, 175, 41}, "取消")->SetCancel(true);
    auto* disabled = Place<TskSkinButton>(back, data, RECT{184, 16, 259, 41}, "Disabled");
    disabled->SetEnabled(false);
    auto* down = Place<TskSkinButton>(back, data, RECT{268, 16, 343, 41}, "Down");
    down->SetGroupIndex(1);
    down->SetDown(true);
    auto* glyph = Place<TskSkinButton>(back, data, RECT{352, 16, 452, 41}, "Glyph");
    TBitmap disc;
    DrawGlyph(&disc, clRed);
    glyph->SetGlyph(&disc);

    // Speed buttons: normal, flat, down, with a hidden caption.
    auto* tool = Place<TskSkinSpeedButton>(back, data, RECT{16, 56, 41, 81});
    tool->SetGlyph(&disc);
    auto* flat = Place<TskSkinSpeedButton>(back, data, RECT{48, 56, 73, 81});
    flat->SetFlat(true);
    flat->SetGlyph(&disc);
    auto* pressed = Place<TskSkinSpeedButton>(back, data, RECT{80, 56, 105, 81});
    pressed->SetGroupIndex(2);
    pressed->SetDown(true);
    pressed->SetGlyph(&disc);

    // A panel with a checked caption band and a group box.
    auto* panel = Place<TskSkinPanel>(back, data, RECT{16, 96, 216, 216}, "Panel");
    panel->SetSkinDataName("groupbox");
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetChecked(true);
    Place<TskSkinCheckRadioBox>(panel, data, RECT{16, 40, 180, 60}, "Inside the panel")->SetChecked(true);
    auto* group = Place<TskSkinGroupBox>(back, data, RECT{228, 96, 428, 216}, "Group box");
    auto* r1 = Place<TskSkinCheckRadioBox>(group, data, RECT{16, 30, 180, 50}, "Radio one");
    r1->SetRadio(true);
    r1->SetGroupIndex(1);
    r1->SetChecked(true);
    auto* r2 = Place<TskSkinCheckRadioBox>(group, data, RECT{16, 56, 180, 76}, "Radio two");
    r2->SetRadio(true);
    r2->SetGroupIndex(1);

    // Check boxes: flat checked, grayed, disabled, and a non-flat one.
    Place<TskSkinCheckRadioBox>(back, data, RECT{440, 56, 552, 76}, "Checked")->SetChecked(true);
    auto* grayed = Place<TskSkinCheckRadioBox>(back, data, RECT{440, 80, 552, 100}, "Grayed");
    grayed->SetState(TCheckBoxState::cbGrayed);
    auto* off = Place<TskSkinCheckRadioBox>(back, data, RECT{440, 104, 552, 124}, "Disabled");
    off->SetEnabled(false);
    auto* solid = Place<TskSkinCheckRadioBox>(back, data, RECT{440, 128, 552, 148}, "Skinned");
    solid->SetFlat(false);

    // Labels, bevel and splitter.
    auto* path = Place<TskSkinStdLabel>(back, data, RECT{16, 232, 216, 250},
                                        "/home/user/Videos/holiday/2026/a-very-long-file-name.mkv");
    path->SetAutoSize(false);
    path->SetBounds(16, 232, 200, 18);
    path->SetEllipsType(sketPathEllips);
    auto* dim = Place<TskSkinStdLabel>(back, data, RECT{16, 256, 216, 274}, "A disabled label");
    dim->SetEnabled(false);
    auto* text = Place<TskSkinTextLabel>(back, data, RECT{228, 232, 428, 290});
    text->Lines()->Add("A text label of two lines,");
    text->Lines()->Add("中文也可以显示");
    auto* bevel = Place<TskSkinBevel>(back, data, RECT{16, 290, 216, 296});
    bevel->SetShape(TBevelShape::bsTopLine);
    // Two panels with a skinned splitter between them.
    auto* pair = Place<TskSkinPanel>(back, data, RECT{228, 300, 548, 370});
    pair->SetBorderStyle(bvNone);
    auto* left = Place<TskSkinPanel>(pair, data, RECT{0, 0, 120, 70});
    left->SetAlign(TAlign::alLeft);
    auto* split = Place<TskSkinSplitter>(pair, data, RECT{120, 0, 126, 70});
    split->SetAlign(TAlign::alLeft);
    split->SetSkinData(data);
    auto* right = Place<TskSkinPanel>(pair, data, RECT{130, 0, 320, 70});
    right->SetAlign(TAlign::alClient);
}

// The window manager's own picture of the form's part of the screen, as a PNG file.
void WriteFormPicture(HWND window, const std::string& path)
{
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(window, &r);
    auto screen = ComposeScreen(r, RGB(0, 0, 0));
    TDibData image;
    image.Width = screen->Width();
    image.Height = screen->Height();
    image.BitsPerPixel = 24;
    image.Allocate();
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            std::memcpy(image.Row(y) + x * 3, &screen->Row(y)[x], 3);
    TFileStream file(path, fmCreate);
    WritePng(&file, image);
    std::printf("wrote %s\n", path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    int skin = 0;
    std::string picture;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--skin")
            skin = std::atoi(argv[i + 1]);
        else if (option == "--screenshot")
            picture = argv[i + 1];
    }
    if (skin < 0 || skin >= static_cast<int>(ArtworkSkins().size())) {
        std::fprintf(stderr, "no skin %d (0..%zu)\n", skin, ArtworkSkins().size() - 1);
        return 2;
    }
    Application->Initialize();
    Application->SetTitle("Skinned controls");
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("Skinned controls");
    form->SetBounds(40, 40, 980, 620);
    form->SetClientWidth(960);
    form->SetClientHeight(602);
    auto* data = new TskSkinData(form);
    LoadSkin(data, skin);
    Build(form, data);
    // The views go on the background panel Build made first.
    BuildViews(dynamic_cast<TWinControl*>(form->Controls(0)), data, RECT{570, 16, 950, 370});
    BuildStatusBar(form, data);
    BuildToolBar(dynamic_cast<TWinControl*>(form->Controls(0)), data, RECT{16, 330, 216, 360});
    BuildPages(dynamic_cast<TWinControl*>(form->Controls(0)), data, RECT{16, 384, 776, 572});
    BuildMenuButtons(dynamic_cast<TWinControl*>(form->Controls(0)), data, RECT{790, 384, 900, 454});

    if (!picture.empty()) {
        auto* step = new TTimer(form);
        step->SetInterval(400);
        step->OnTimer = [form, step, picture](TObject*) {
            step->SetEnabled(false);
            WriteFormPicture(form->GetHandle(), picture);
            form->Close();
        };
    }
    Application->Run();
    DoneApplication();
    return 0;
}
