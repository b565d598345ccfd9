#pragma once
// Skinned controls on the headless window test kit: the program's generated skins, a form to
// put controls on, and the pixels they paint.

#include "classlib/Forms.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace skinform {

// Skin data holding generated skin number Index (0..7) of the program's artwork.
std::unique_ptr<TskSkinData> ArtworkSkin(int Index);
// Loads generated skin Index into SkinData (the forms are told as by a skin switch).
void LoadArtworkSkin(TskSkinData* SkinData, int Index);
// Loads the fixed skin of the category and format boxes into SkinData.
void LoadArtworkFixedSkin(TskSkinData* SkinData);
// The description named Name, as class T (the test fails when it is missing or of another class).
template <class T>
T& Described(TskSkinData& SkinData, const std::string& Name)
{
    const int i = SkinData.GetControlIndex(Name);
    EXPECT_GE(i, 0) << Name;
    return dynamic_cast<T&>(*SkinData.CtrlList.at(static_cast<std::size_t>(i)));
}
// A non-empty skin data holding only the given descriptions and numbered pictures (made in code,
// for geometry the generated skins do not have).
std::unique_ptr<TskSkinData> MadeSkin();
// Adds a picture of W x H filled with Color to SkinData; returns its index.
int AddPicture(TskSkinData& SkinData, int W, int H, COLORREF Color);
template <class T>
T& AddDescription(TskSkinData& SkinData, const std::string& Name)
{
    SkinData.CtrlList.push_back(std::make_unique<T>(Name));
    return static_cast<T&>(*SkinData.CtrlList.back());
}
// Pixel (X, Y) of the skin's numbered picture Picture.
COLORREF PicturePixel(TskSkinData& SkinData, int Picture, int X, int Y);
// Sends SKM_PAINTBORDERTO to Control with the device context of a bitmap of its size filled with
// one marker colour; returns the answer, and in Untouched whether every pixel kept the marker.
LRESULT PaintBorderToMarkedBitmap(TControl* Control, bool& Untouched);

} // namespace skinform

class SkinFormTest : public ::testing::Test {
protected:
    void TearDown() override { DoneApplication(); }
    void Pump() { Application->ProcessMessages(); }
    // A shown form with a client area of the given size.
    TForm* ShownForm(int ClientWidth = 320, int ClientHeight = 240);
    // The pixel the screen shows at (X, Y) of Control (after all pending painting).
    COLORREF PixelOf(TControl* Control, int X, int Y);
    // One picture of the screen, read at points of Control (for many probes).
    std::function<COLORREF(int X, int Y)> PixelsOf(TControl* Control);
    POINT ScreenOf(TControl* Control, int X, int Y) { return Control->ClientToScreen(POINT{X, Y}); }

    WindowTestKit kit;
};
