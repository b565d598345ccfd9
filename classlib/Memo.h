#pragma once
// A plain multi-line text control that shows its lines in a sunken box, keeping the last line in
// view as lines are appended.

#include "classlib/Controls.h"
#include "classlib/Strings.h"

#include <memory>

class TMemo : public TCustomControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TStrings* Lines() const { return FLines.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TStringList> FLines;
};
