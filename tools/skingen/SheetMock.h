#pragma once
// What the contact sheets draw with: a loaded skin's pictures and descriptions, composed at any
// size through the skin core's own layout routines, and the mock windows built from them.

#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinImageLayout.h"
#include "tools/skingen/Raster.h"

#include <string_view>
#include <vector>

TImage32 FromBitmap(TBitmap* b);
TRgb FromColorRef(TColor c);
SIZE SizeOf(const TImage32& i);
// Copies the pieces of a layout from pic to dst at (ox, oy), stretching pieces of unequal size.
void Apply(TImage32& dst, const TImage32& pic, const TskImagePieces& pieces, int ox, int oy);
// Copies src of pic to (x, y), leaving out pixels of the transparent colour.
void DrawKeyed(TImage32& dst, const TImage32& pic, const RECT& src, int x, int y, TRgb key);
// A picture whose opacity is the brightness of a mask picture.
TImage32 WithMask(const TImage32& pic, const TImage32& mask);
// The nine-slice geometry of a picture with corner points lt, rt, lb, rb and client rectangle cl
// drawn dw x dh larger than the picture; sums are cut to what an int holds (damaged skins).
TskSliceGeometry Grown(POINT lt, POINT rt, POINT lb, POINT rb, const RECT& cl, int dw, int dh);
// Whether the sheets may make a picture of w x h: at least one pixel, at most 4096 a side.
bool FitsSheet(std::int64_t w, std::int64_t h);
// The rectangle s of a picture at w x h with the corners of c as its corner points and every
// edge and the centre stretched, as drop-down lists and office boxes compose their images.
void ClientSlice(TImage32& dst, const TImage32& pic, const RECT& s, const RECT& c, int x, int y, int w, int h);

class TSheetMock {
public:
    explicit TSheetMock(TskSkinData& data);

    template <class T>
    const T* Control(const char* name) const
    {
        const int i = D_.GetControlIndex(name);
        return i < 0 ? nullptr : dynamic_cast<const T*>(D_.CtrlList[static_cast<std::size_t>(i)].get());
    }
    const TImage32& Picture(int i) const;
    static POINT Pt(int x, int y);

    // A custom control description at any size, by its resize rule, from state rectangle s.
    void Custom(TImage32& dst, const TskDataSkinCustomControl& d, const RECT& s, int x, int y, int w, int h) const;
    void Label(TImage32& dst, int x, int y, std::string_view text, TColor color) const;
    // A button description in one state (0 normal, 1 hot, 2 down, 3 disabled, 4 focused) with a
    // centred label.
    void Button(TImage32& dst, const char* name, int state, int x, int y, int w, int h, std::string_view text) const;
    // The frame of a form of w x h with its caption buttons and caption.
    void Frame(TImage32& dst, int w, int h, bool active) const;

    TskSkinData& D_;
    std::vector<TImage32> Pictures_;
};

// The mock form of a switchable skin (icons: pictures on its tool bar), its popup menu and hint,
// and the category and format boxes of the fixed skin.
void MockWindow(TImage32& sheet, const TSheetMock& m, int ox, int oy, const std::vector<TImage32>& icons);
void MockPopup(TImage32& sheet, const TSheetMock& m, int ox, int oy);
void MockBoxes(TImage32& sheet, const TSheetMock& m, int ox, int oy);
