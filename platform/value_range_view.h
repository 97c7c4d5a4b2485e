#pragma once

#include "platform/view.h"

namespace korvida {

// A view that shows a value between a minimum and a maximum: the base of the slider and
// the progress indicator.
class ValueRangeView : public View {
public:
    double doubleValue() const { return value; }
    void setDoubleValue(double newValue) { change(value, newValue); }
    double minValue() const { return minimum; }
    void setMinValue(double newValue) { change(minimum, newValue); }
    double maxValue() const { return maximum; }
    void setMaxValue(double newValue) { change(maximum, newValue); }

protected:
    explicit ValueRangeView(double initialMaximum) : maximum(initialMaximum) {}

private:
    void change(double& field, double newValue)
    {
        field = newValue;
        notify(Change::Content);
    }

    double value = 0.0;
    double minimum = 0.0;
    double maximum;
};

} // namespace korvida
