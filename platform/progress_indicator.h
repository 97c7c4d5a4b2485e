#pragma once

#include "platform/value_range_view.h"

namespace korvida {

// A bar that shows progress between a minimum and a maximum, or an endless animation when
// the amount is not known yet (indeterminate).
class ProgressIndicator : public ValueRangeView {
public:
    ProgressIndicator() : ValueRangeView(100.0) {}

    bool isIndeterminate() const { return indeterminate; }
    void setIndeterminate(bool newValue)
    {
        indeterminate = newValue;
        notify(Change::Content);
    }

private:
    bool indeterminate = true;
};

} // namespace korvida
