#pragma once
// Controls on the headless window test kit: a fixture that frees the application's forms
// before the kit goes, and a windowless control that logs what reaches it.

#include "classlib/Controls.h"
#include "classlib/Forms.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/User.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override { DoneApplication(); }
    // Runs every waiting message through the application (key routing included).
    void Pump() { Application->ProcessMessages(); }
    // A shown form of the given client size at (100, 100).
    TForm* ShownForm(int clientWidth = 200, int clientHeight = 150);
    POINT ScreenOf(TControl* c, int x, int y) { return c->ClientToScreen(POINT{x, y}); }
    void Click(TControl* c, int x, int y)
    {
        kit.Click(ScreenOf(c, x, y));
        Pump();
    }
    void Key(UINT vk)
    {
        kit.PressKey(vk);
        kit.ReleaseKey(vk);
        Pump();
    }

    WindowTestKit kit;
};

// A windowless control filled with one colour that logs mouse and enter/leave messages.
class TProbeGraphic : public TGraphicControl {
public:
    TProbeGraphic(TComponent* owner, TWinControl* parent, RECT bounds, TColor fill, std::vector<std::string>* log);
    void Dispatch(TMessage& Message) override;
    TColor Fill;

protected:
    void Paint() override;

private:
    std::vector<std::string>* FLog;
};
