// office_demo [--screenshot file.png]
// Shows the category box ("resizetoolpanel" drop-down, 50-pixel rows, 140 wide) and the format
// box ("listbox" drop-down, 60-pixel rows, titles, separator lines) on the fixed skin, both
// opened, with the program's 32-pixel category pictures. With --screenshot it checks pixels at
// named points of the screen, prints them, writes the picture ("wrote <file>") and exits.

#include "app/artwork/Artwork.h"
#include "classlib/Forms.h"
#include "classlib/PngImage.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/input/skSkinOfficeCtrls.h"
#include "tools/DemoScreen.h"

#include <QImage>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The category pictures 0..Count-1 at 32 pixels, drawn on white.
void LoadCategoryPictures(TImageList* Images, int Count)
{
    Images->SetSize(32, 32);
    for (int i = 0; i < Count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "categories/32/%02d.png", i);
        const std::string_view bytes = ArtworkFile(name);
        TBitmap b;
        b.SetSize(32, 32);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(RECT{0, 0, 32, 32});
        if (!bytes.empty()) {
            TMemoryStream stream;
            stream.Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
            stream.SetPosition(0);
            TPngImage png;
            png.LoadFromStream(&stream);
            b.Canvas()->Draw(0, 0, &png);
        }
        Images->Add(&b, nullptr);
    }
}

TskSkinOfficeComboBox* Box(TForm* Form, TskSkinData* Skin, TImageList* Images, int Left, bool Formats)
{
    auto* box = new TskSkinOfficeComboBox(Form);
    box->SetParent(Form);
    box->SetBounds(Left, 12, Formats ? 260 : 140, 41);
    box->SetToolButtonStyle(true);
    box->SetImages(Images);
    box->SetListBoxSkinDataName(Formats ? "listbox" : "resizetoolpanel");
    box->SetListBoxItemHeight(Formats ? 60 : 50);
    box->SetListBoxShowItemTitles(Formats);
    box->SetListBoxShowLines(Formats);
    box->SetListBoxWidth(Formats ? 260 : 140);
    box->SetShowItemTitle(false);  // a 41-pixel box shows the picture and the caption
    box->SetDropDownCount(7);
    box->SetSkinData(Skin);
    const char* categories[] = {"常用视频", "高清视频", "手机视频", "常用音频", "网络视频", "游戏机", "平板电脑", "其他"};
    const char* formats[][2] = {{"MP4", "MPEG-4 视频 (H.264)"}, {"AVI", "AVI 视频 (Xvid)"}, {"FLV", "Flash 视频"},
                                {"MKV", "Matroska 视频"},       {"WMV", "Windows 媒体视频"}, {"3GP", "手机 3GP 视频"},
                                {"MOV", "QuickTime 视频"},      {"MPG", "MPEG-2 视频"}};
    for (int i = 0; i < 8; ++i) {
        TskSkinOfficeItem* item = box->Items()->Add();
        if (Formats) {
            item->SetTitle(formats[i][0]);
            item->SetCaption(formats[i][1]);
        } else {
            item->SetCaption(categories[i]);
        }
        item->SetImageIndex(i % Images->Count());
    }
    box->SetItemIndex(Formats ? 2 : 0);
    return box;
}

struct Probe {
    const char* name;
    TControl* control;
    int x, y;
    COLORREF expected;
};

} // namespace

int main(int argc, char** argv)
{
    std::string shot;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0)
            shot = argv[i + 1];
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("Office boxes");
    form->SetBounds(40, 40, 520, 560);
    auto* skin = new TskSkinData(form);
    skin->LoadFromCompressedBytes(ArtworkFixedSkin().Data);
    auto* images = new TImageList(form);
    LoadCategoryPictures(images, 8);
    TskSkinOfficeComboBox* category = Box(form, skin, images, 16, false);
    TskSkinOfficeComboBox* format = Box(form, skin, images, 200, true);
    form->Show();
    Settle();
    category->DropDown();
    format->DropDown();
    if (shot.empty()) {
        Application->Run();
        return 0;
    }
    RepaintAll();
    QImage image = GrabScreen();
    // Named points: the format list's separator under row 1 is the skin's button shadow colour.
    // The active row (2) is drawn from the "listbox" item picture: its right part matches the
    // picture's.
    TskPopupOfficeListBox* fl = format->ListBox();
    const RECT row1 = fl->Items()->Items(1)->ItemRect;
    const RECT row2 = fl->Items()->Items(2)->ItemRect;
    auto* lb = NamedDescription<TskDataSkinListBox>(skin, "listbox");
    const RECT a = lb->ActiveItemRect;
    const COLORREF activePicture =
        skin->FActivePictures.at(static_cast<std::size_t>(lb->PictureIndex))->GetPixelColor(a.right - 3, (a.top + a.bottom) / 2);
    const Probe probes[] = {
        {"format separator", fl, row1.left + 120, row1.bottom - 1, ColorToRGB(skin->SkinColors()->cBtnShadow())},
        {"format active row", fl, row2.right - 3, (row2.top + row2.bottom) / 2, activePicture},
    };
    bool ok = !image.isNull();
    for (const Probe& p : probes) {
        const POINT s = p.control->ClientToScreen(POINT{p.x, p.y});
        const QRgb q = image.pixel(s.x, s.y);
        const COLORREF got = RGB(qRed(q), qGreen(q), qBlue(q));
        std::printf("%s at %d,%d: %06x (expected %06x)\n", p.name, static_cast<int>(s.x), static_cast<int>(s.y),
                    static_cast<unsigned>(got), static_cast<unsigned>(p.expected));
        ok = ok && got == p.expected;
    }
    if (ok && image.save(QString::fromStdString(shot), "PNG"))
        std::printf("wrote %s\n", shot.c_str());
    DoneApplication();
    return ok ? 0 : 1;
}
