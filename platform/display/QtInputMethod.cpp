#include "platform/display/QtInputMethod.h"

#include "platform/window/CaretOverlay.h"
#include "platform/window/Ime.h"
#include "platform/window/Input.h"
#include "platform/window/RawInput.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QRect>

void AnswerInputMethodQuery(HWND top, QInputMethodQueryEvent* event)
{
    Window* topWindow = Sys().Find(top);
    const HWND focus = GetFocus();
    Window* focusWindow = Sys().Find(focus);
    const bool enabled = topWindow && focusWindow && TopLevelOf(focusWindow) == topWindow && WindowTakesText(focus);
    const Qt::InputMethodQueries queries = event->queries();
    if (queries & Qt::ImEnabled)
        event->setValue(Qt::ImEnabled, enabled);
    if (queries & Qt::ImHints)
        event->setValue(Qt::ImHints, static_cast<int>(Qt::ImhNone));
    if (queries & Qt::ImCursorRectangle) {
        RECT r{};
        QRect rect;
        if (enabled && CaretRectInTopLevel(topWindow, &r))
            rect = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        event->setValue(Qt::ImCursorRectangle, rect);
    }
    if (queries & Qt::ImCursorPosition)
        event->setValue(Qt::ImCursorPosition, 0);
    if (queries & Qt::ImSurroundingText)
        event->setValue(Qt::ImSurroundingText, QString());
    event->accept();
}

void PostInputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty()) {
        RawInput input;
        input.kind = RawInput::Kind::ImeCommit;
        input.text = event->commitString().toStdString();
        PostRawInput(input);
    }
    RawInput preedit;
    preedit.kind = RawInput::Kind::ImePreedit;
    preedit.text = event->preeditString().toStdString();
    for (const QInputMethodEvent::Attribute& a : event->attributes()) {
        if (a.type == QInputMethodEvent::Cursor)
            preedit.imeCursor = static_cast<int>(event->preeditString().left(a.start).toStdU32String().size());
    }
    PostRawInput(preedit);
    event->accept();
}
