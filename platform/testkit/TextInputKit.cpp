// The test kit's text input: input-method reports and the fakes of clipboard, beep and opener.

#include "platform/testkit/WindowTestKit.h"

#include "platform/shell/ShellExecute.h"
#include "platform/window/Caret.h"
#include "platform/window/Clipboard.h"
#include "platform/window/ImeInput.h"
#include "platform/window/MessageBeep.h"
#include "platform/window/RawInput.h"

#include "platform/kernel/Utf8.h"

namespace {

class KitClipboard final : public ClipboardStore {
public:
    explicit KitClipboard(std::shared_ptr<std::optional<std::string>> text) : text_(std::move(text)) {}
    std::optional<std::string> Text() override { return *text_; }
    void SetText(const std::string& text) override { *text_ = text; }

private:
    std::shared_ptr<std::optional<std::string>> text_;
};

} // namespace

void WindowTestKit::Preedit(const std::string& text, int cursor)
{
    RawInput input;
    input.kind = RawInput::Kind::ImePreedit;
    input.text = text;
    input.imeCursor = cursor < 0 ? static_cast<int>(DecodeUtf8(text).size()) : cursor;
    PostRawInput(input);
}

void WindowTestKit::Commit(const std::string& text)
{
    RawInput input;
    input.kind = RawInput::Kind::ImeCommit;
    input.text = text;
    PostRawInput(input);
}

void WindowTestKit::installTextInputFakes()
{
    DestroyCaret();
    ResetImeState();
    std::shared_ptr<TextInputRecord> record = record_;
    SetClipboardStore(std::make_unique<KitClipboard>(std::shared_ptr<std::optional<std::string>>(record, &record->clipboard)));
    SetBeepSounder([record](UINT type) { record->beeps.push_back(type); });
    SetShellOpener([record](const std::string& target) {
        record->opened.push_back(target);
        return record->openerAnswer;
    });
}

void WindowTestKit::removeTextInputFakes()
{
    DestroyCaret();
    ResetImeState();
    SetClipboardStore(nullptr);
    SetBeepSounder(nullptr);
    SetShellOpener(nullptr);
}
