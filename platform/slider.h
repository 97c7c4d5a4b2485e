#pragma once

#include <functional>

#include "platform/value_range_view.h"

namespace korvida {

class Slider : public ValueRangeView {
public:
    using Action = std::function<void(Slider&)>;

    Slider() : ValueRangeView(1.0) {}

    void setAction(Action newAction) { action = std::move(newAction); }
    void sendAction()
    {
        if (action)
            action(*this);
    }

private:
    Action action;
};

} // namespace korvida
