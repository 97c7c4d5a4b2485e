// The binding of a slider: its value and range shown by its widget, and the user's moves
// passed back.
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <limits>

#include "qt/binding/binder.h"
#include "qt/binding/view_binding.h"

namespace korvida::qt {

namespace {

int toSliderInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double largest = std::numeric_limits<int>::max();
    constexpr double smallest = std::numeric_limits<int>::min();
    return static_cast<int>(std::trunc(std::clamp(value, smallest, largest)));
}

class SliderBinding : public ViewBinding {
public:
    SliderBinding(Slider& slider, QSlider* widget, FlippedContainer* container)
        : ViewBinding(slider, widget, container), slider(slider), sliderWidget(widget)
    {}

    void moved(int value)
    {
        slider.setDoubleValue(value);
        slider.sendAction();
    }

private:
    void showContent() override
    {
        const QSignalBlocker quiet(sliderWidget);
        sliderWidget->setRange(toSliderInt(slider.minValue()), toSliderInt(slider.maxValue()));
        sliderWidget->setValue(toSliderInt(slider.doubleValue()));
    }

    Slider& slider;
    QSlider* sliderWidget;
};

} // namespace

void Binder::bindSlider(Slider& slider, QSlider* widget, FlippedContainer* container)
{
    auto binding = attach(slider, widget, std::make_shared<SliderBinding>(slider, widget, container), kViewChanges);
    // Only the user's moves arrive here: the binding's own changes are blocked.
    connect(widget, &QSlider::valueChanged, this, [binding](int value) { binding->moved(value); });
}

} // namespace korvida::qt
