#pragma once

#include <functional>

#include "platform/view.h"

namespace korvida {

class Slider : public View {
public:
    using Action = std::function<void(Slider&)>;

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

    void setAction(Action newAction) { action = std::move(newAction); }
    void sendAction()
    {
        if (action)
            action(*this);
    }

private:
    Action action;
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 1.0;
};

} // namespace korvida
