#pragma once
// The skin library's string store: "key=text" lines for the texts the skinned frame, menus,
// edits and dialogs show (system menu captions, caption button hints, message box buttons,
// dialog labels). Keys match without regard to case; "&" marks an accelerator letter.

#include "classlib/Classes.h"
#include "classlib/Strings.h"
#include "platform/win/Types.h"

#include <string>

class TskResourceStrData : public TComponent {
public:
    // Fills ResStrings with the 131 default English lines; CharSet is 1 (the default set).
    explicit TskResourceStrData(TComponent* AOwner);
    ~TskResourceStrData() override;

    // The text after the first "=" of the first line whose key equals ResName without regard to
    // case; empty when no line has that key.
    std::string GetResStr(const std::string& ResName) const;

    TStrings* ResStrings() const { return FResStrs; }
    // Copies the given lines.
    void SetResStrings(TStrings* Value);
    // The character set skinned controls give their fonts while their skin data has this store.
    BYTE CharSet() const { return FCharSet; }
    void SetCharSet(BYTE Value) { FCharSet = Value; }

private:
    TStringList* FResStrs;
    BYTE FCharSet = 1;
};
