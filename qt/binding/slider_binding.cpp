// The bindings of a slider and a progress indicator: their values and ranges shown by their
// widgets, and the user's moves of a slider passed back.
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <limits>

#include "qt/binding/binder.h"

namespace korvida::qt {

namespace {

// Progress bars count in steps of this many parts of their range.
constexpr int kProgressSteps = 1000;

int toSliderInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double largest = std::numeric_limits<int>::max();
    constexpr double smallest = std::numeric_limits<int>::min();
    return static_cast<int>(std::trunc(std::clamp(value, smallest, largest)));
}

} // namespace

void Binder::bindSlider(Slider& slider, QSlider* widget, FlippedContainer* container)
{
    observeView(slider, widget, container, [&slider, widget] {
        const QSignalBlocker quiet(widget);
        widget->setRange(toSliderInt(slider.minValue()), toSliderInt(slider.maxValue()));
        widget->setValue(toSliderInt(slider.doubleValue()));
    });
    // Only the user's moves arrive here: the binder's own changes are blocked above.
    connect(widget, &QSlider::valueChanged, this, [&slider](int value) {
        slider.setDoubleValue(value);
        slider.sendAction();
    });
}

void Binder::bindProgressIndicator(ProgressIndicator& indicator, QProgressBar* widget, FlippedContainer* container)
{
    observeView(indicator, widget, container, [&indicator, widget] {
        if (indicator.isIndeterminate()) {
            widget->setRange(0, 0);
            return;
        }
        const double span = indicator.maxValue() - indicator.minValue();
        const double part = span > 0.0 ? (indicator.doubleValue() - indicator.minValue()) / span : 0.0;
        widget->setRange(0, kProgressSteps);
        widget->setValue(static_cast<int>(std::lround(std::clamp(part, 0.0, 1.0) * kProgressSteps)));
    });
}

} // namespace korvida::qt
