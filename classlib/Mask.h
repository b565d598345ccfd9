#pragma once
// TCustomMaskEdit: an edit that would format its input by an edit mask. Only the empty mask (plain
// editing) is supported: setting any other mask raises EInvalidOperation and keeps the empty one.

#include "classlib/CustomEdit.h"

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

    const std::string& GetEditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value);

private:
    std::string FEditMask;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
