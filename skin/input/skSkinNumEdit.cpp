// TskSkinNumEdit: only the characters of a number; Up, Down and the wheel raise events.

#include "skin/input/skSkinEdits.h"

#include "platform/kernel/Utf8.h"
#include "platform/window/User.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

char32_t UserDecimalSeparator()
{
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!numeric)
        return U'.';
    const std::u32string point = DecodeUtf8(nl_langinfo_l(RADIXCHAR, numeric));
    freelocale(numeric);
    return point.size() == 1 ? point[0] : U'.';
}

TskSkinNumEdit::TskSkinNumEdit(TComponent* AOwner) : TskCustomEdit(AOwner)
{
    FEditorEnabled = true;
}

void TskSkinNumEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_UP || Key == VK_DOWN) {
        if (auto handler = Key == VK_UP ? OnUpClick : OnDownClick)
            handler(this);
        // Neither key goes on: no OnKeyDown, no caret move.
        Key = 0;
        return;
    }
    TskCustomEdit::KeyDown(Key, Shift);
}

bool TskSkinNumEdit::accepts(char32_t c)
{
    const char32_t point = UserDecimalSeparator();
    const bool control = c < 32 && c != 13;
    bool ok;
    if (!Float)
        ok = c == U'-' || (c >= U'0' && c <= U'9') || control;
    else
        ok = (c <= 255 && (c == U'-' || (c >= U'0' && c <= U'9') || c == point)) || control;
    if (!ok)
        return false;
    if (!FEditorEnabled && (c >= 32 || c == 8))
        return false;
    const std::u32string text = DecodeUtf8(GetText());
    if (c == point && Float && text.find(point) != std::u32string::npos)
        return false;
    if (c == U'-' && text.find(U'-') != std::u32string::npos)
        return false;
    return true;
}

void TskSkinNumEdit::KeyPress(char32_t& Key)
{
    if (!accepts(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    if (Key != 0)
        TskCustomEdit::KeyPress(Key);
}

void TskSkinNumEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEWHEEL:
        // The wheel turned away from the user counts down, towards the user up.
        if (static_cast<std::int32_t>(Message.WParam) > 0) {
            if (auto handler = OnDownClick)
                handler(this);
        } else if (auto handler = OnUpClick) {
            handler(this);
        }
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TskCustomEdit::Dispatch(Message);
        if (auto handler = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave)
            handler(this);
        break;
    }
    default:
        TskCustomEdit::Dispatch(Message);
        break;
    }
}
