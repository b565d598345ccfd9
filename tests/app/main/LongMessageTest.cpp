// The main window's message boxes with texts longer than the screen: the skinned box and the
// warning box wrap them and stay within the work area, their text and buttons inside.

#include "MainFormSupport.h"

#include "app/main/OwnDialogs.h"
#include "app/main/WarningBox.h"
#include "classlib/Forms.h"

#include <algorithm>

using LongMessages = MainFormTest;

namespace {

struct TBoxLayout {
    RECT bounds{};
    RECT client{};
    RECT message{};
    int lowestControl = 0;
};

// The box open now, measured, then closed.
TBoxLayout MeasureAndClose()
{
    TBoxLayout layout;
    TCustomForm* box = Screen->ActiveCustomForm();
    if (!box)
        return layout;
    layout.bounds = box->GetBoundsRect();
    layout.client = RECT{0, 0, box->GetClientWidth(), box->GetClientHeight()};
    if (auto* message = dynamic_cast<TControl*>(box->FindComponent("Message")))
        layout.message = message->GetBoundsRect();
    for (int i = 0; i < box->ControlCount(); ++i)
        layout.lowestControl = std::max(layout.lowestControl, static_cast<int>(box->Controls(i)->GetBoundsRect().bottom));
    box->SetModalResult(mrOk);
    return layout;
}

}  // namespace

TEST_F(LongMessages, WrapAndStayWithinTheWorkArea)
{
    StartForms(true);
    TOwnDialogs own(Form1->skSkinData1);
    const std::string folder = "/" + std::string(3000, 'd');
    std::string tall = "以下文件没有添加：";
    for (int i = 0; i < 400; ++i)
        tall += "\n/in/" + std::to_string(i) + ".avi: 文件不存在";
    const struct {
        const char* box;
        std::string text;
    } cases[] = {
        {"skinned", "以下文件没有添加：\n" + folder + "/clip.avi: Permission denied"},
        {"skinned", tall},
        {"warning", folder + "/clip.avi: No space left on device"},
        {"warning", tall},
    };
    const RECT area = Screen->WorkAreaRect();
    for (const auto& c : cases) {
        TBoxLayout layout;
        kit.WhenIdle([&] { layout = MeasureAndClose(); });
        if (std::string(c.box) == "skinned")
            own.ShowMessage(c.text, "提示");
        else
            ShowWarningBox(c.text, "Zudevivivoduv");
        const std::string trace = std::string(c.box) + " " + std::to_string(c.text.size());
        EXPECT_GT(layout.bounds.right, layout.bounds.left) << trace;
        EXPECT_GE(layout.bounds.left, area.left) << trace;
        EXPECT_GE(layout.bounds.top, area.top) << trace;
        EXPECT_LE(layout.bounds.right, area.right) << trace;
        EXPECT_LE(layout.bounds.bottom, area.bottom) << trace;
        // The text starts inside the box, wraps instead of running off, and the buttons show.
        EXPECT_LE(layout.message.right, layout.client.right) << trace;
        EXPECT_GT(layout.message.bottom - layout.message.top, 40) << trace;
        EXPECT_LE(layout.lowestControl, layout.client.bottom) << trace;
    }
}
