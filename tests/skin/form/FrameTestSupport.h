#pragma once
// Skinned frames on the headless window kit: the program's generated skins, forms carrying a
// TskFormSkin, pixels of the rendered window and of the screen, and PNG pictures for review.

#include "classlib/Forms.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Reads stored skin Index of the program's artwork into Data (a skin change, with its messages).
void LoadArtworkSkin(TskSkinData* Data, int Index);
// The centre of the frame object named IDName (window coordinates).
POINT CentreOf(TskFormSkin* Frame, const char* IDName);
// Writes a window's pixels (frame and children) as a PNG file; the path is printed.
void WritePicture(const Surface& Picture, const std::string& Path);

class FrameTest : public ::testing::Test {
protected:
    // One 1280 x 1024 monitor whose work area leaves a 40-pixel task bar at the bottom.
    FrameTest();
    ~FrameTest() override;
    void TearDown() override;

    void Pump() { Application->ProcessMessages(); }
    // A skin data component holding artwork skin Index (owned by the fixture).
    TskSkinData* Skin(int Index);
    // A form with a frame (skin data: Data, or none), Width x Height at (100, 100), shown and
    // active.
    TForm* MakeForm(TskSkinData* Data, int Width = 400, int Height = 300);
    TskFormSkin* FrameOf(TForm* Form) { return GetFormSkinComponent(Form); }
    // The colour at a point of the form's window (window coordinates, frame included).
    COLORREF At(TForm* Form, int X, int Y);
    // The window point (x, y) of Form on the screen.
    POINT ScreenAt(TForm* Form, int X, int Y) { return POINT{Form->GetLeft() + X, Form->GetTop() + Y}; }
    int HitAt(TForm* Form, int X, int Y);

    WindowTestKit kit;
    std::vector<std::unique_ptr<TskSkinData>> skins;
};
