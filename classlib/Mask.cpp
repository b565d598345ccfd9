#include "classlib/Mask.h"

void TCustomMaskEdit::SetEditMask(const std::string& Value)
{
    if (!Value.empty())
        throw EInvalidOperation("Edit masks are not supported: \"" + Value + "\"");
    FEditMask.clear();
}
