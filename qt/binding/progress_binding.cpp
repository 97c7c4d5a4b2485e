// The binding of a progress indicator: its value within its range, or its indeterminate
// state, shown by a progress bar.
#include <QProgressBar>

#include <algorithm>
#include <cmath>

#include "qt/binding/binder.h"
#include "qt/binding/view_binding.h"

namespace korvida::qt {

namespace {

// Progress bars count in steps of this many parts of their range.
constexpr int kProgressSteps = 1000;

class ProgressBinding : public ViewBinding {
public:
    ProgressBinding(ProgressIndicator& indicator, QProgressBar* bar, FlippedContainer* container)
        : ViewBinding(indicator, bar, container), indicator(indicator), bar(bar)
    {}

private:
    void showContent() override
    {
        if (indicator.isIndeterminate()) {
            bar->setRange(0, 0);
            return;
        }
        const double span = indicator.maxValue() - indicator.minValue();
        const double part = span > 0.0 ? (indicator.doubleValue() - indicator.minValue()) / span : 0.0;
        bar->setRange(0, kProgressSteps);
        bar->setValue(static_cast<int>(std::lround(std::clamp(part, 0.0, 1.0) * kProgressSteps)));
    }

    ProgressIndicator& indicator;
    QProgressBar* bar;
};

} // namespace

void Binder::bindProgressIndicator(ProgressIndicator& indicator, QProgressBar* widget, FlippedContainer* container)
{
    attach(indicator, widget, std::make_shared<ProgressBinding>(indicator, widget, container), kViewChanges);
}

} // namespace korvida::qt
