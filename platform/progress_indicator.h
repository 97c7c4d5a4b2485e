#pragma once

#include "platform/view.h"

namespace korvida {

// A bar that shows progress between a minimum and a maximum, or an endless animation when
// the amount is not known yet (indeterminate).
class ProgressIndicator : public View {
public:
    double doubleValue() const { return value; }
    void setDoubleValue(double newValue)
    {
        value = newValue;
        notify(Change::Content);
    }
    double minValue() const { return minimum; }
    void setMinValue(double newValue)
    {
        minimum = newValue;
        notify(Change::Content);
    }
    double maxValue() const { return maximum; }
    void setMaxValue(double newValue)
    {
        maximum = newValue;
        notify(Change::Content);
    }
    bool isIndeterminate() const { return indeterminate; }
    void setIndeterminate(bool newValue)
    {
        indeterminate = newValue;
        notify(Change::Content);
    }

private:
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 100.0;
    bool indeterminate = true;
};

} // namespace korvida
