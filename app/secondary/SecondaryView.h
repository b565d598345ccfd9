#pragma once
// The secondary settings form's controls as its handlers use them; the form implements these over
// its skinned boxes, and tests over fakes.

#include "app/presets/ParameterBoxes.h"

#include <string>

// The format box (an office combo box with title, caption and image index per item).
class TFormatBox {
public:
    virtual ~TFormatBox() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& title, const std::string& caption, int imageIndex) = 0;
    // Refreshes and repaints the box after its items changed.
    virtual void Refresh() = 0;
    virtual int GetItemIndex() const = 0;
    // Selects; once the form has loaded the box then raises OnClick and OnChange, also for the
    // index it already has and for an index that names no item.
    virtual void SetItemIndex(int index) = 0;
};

class TSecondaryView {
public:
    virtual ~TSecondaryView() = default;
    // The category box's ItemIndex.
    virtual int CategoryIndex() const = 0;
    virtual TFormatBox& FormatBox() = 0;
    // The six parameter boxes by TParameterKind, and the text each shows.
    virtual TParameterBoxes ParameterBoxes() = 0;
    virtual std::string ParameterText(TParameterKind kind) const = 0;
    // Hides the form.
    virtual void Close() = 0;
};
