#pragma once
// Skinned windows on a real X server: generated skins, screen pixels and waiting until the
// screen shows a colour.

#include "app/artwork/Artwork.h"
#include "classlib/ControlHooks.h"
#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"
#include "platform/display/DisplayBackend.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace screen {

inline void LoadSkin(TskSkinData* Data, int Index)
{
    Data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(Index)].Data);
}

inline QColor ScreenPixel(int x, int y)
{
    return QColor(QGuiApplication::primaryScreen()->grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0));
}

// The native window showing Form.
inline QWindow* NativeOf(TForm* Form)
{
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (w->isVisible() &&
            w->geometry() == QRect(Form->GetLeft(), Form->GetTop(), Form->GetWidth(), Form->GetHeight()))
            return w;
    return nullptr;
}

inline QColor Colour(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Runs the pending messages, then gives back the contexts controls drew on outside painting, as
// the application's loop does when it runs out of messages (only then does such drawing show).
inline void RunMessages()
{
    Application->ProcessMessages();
    ControlHooks::FreeDeviceContexts();
}

// Runs messages and Qt events until the screen shows `color` at (x, y), for at most five seconds.
inline bool ScreenShows(int x, int y, QColor color)
{
    QElapsedTimer clock;
    clock.start();
    do {
        RunMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (ScreenPixel(x, y) == color)
            return true;
    } while (clock.elapsed() < 5000);
    return false;
}

// Runs messages and Qt events for Ms milliseconds.
inline void RunFor(int Ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < Ms) {
        RunMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A form made in an MDI style before its window exists.
template <TFormStyle Style>
class TStyledForm : public TForm {
public:
    explicit TStyledForm(TComponent* AOwner) : TForm(AOwner) { SetFormStyle(Style); }
};

// Tests over generated skins (the parameter): a form (of class F) at (100, 100), 420 x 320, with
// a skinned frame; the menu factory and the forms go at the end.
class SkinnedFormScreen : public testing::TestWithParam<int> {
protected:
    void TearDown() override
    {
        DoneApplication();
        SetFrameMenuFactory(nullptr);
        skin.reset();
    }
    template <class F = TForm>
    F* MakeForm(const std::string& Caption)
    {
        GetDisplayBackend();
        skin = std::make_unique<TskSkinData>(nullptr);
        LoadSkin(skin.get(), GetParam());
        F* form;
        Application->CreateForm(form);
        form->SetCaption(Caption);
        form->SetBounds(100, 100, 420, 320);
        frame = new TskFormSkin(form);
        frame->SetSkinData(skin.get());
        return form;
    }
    void Screenshot(const std::string& Name)
    {
        QGuiApplication::primaryScreen()->grabWindow(0, 80, 80, 460, 360).save(
            QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name + std::to_string(GetParam()) + ".png"));
    }

    std::unique_ptr<TskSkinData> skin;
    TskFormSkin* frame = nullptr;
};

} // namespace screen
