#include "app/outlets.h"

std::string_view outletName(const MainApp& app, const korvida::Control& control)
{
    std::string_view found;
    forEachOutlet(app, [&](std::string_view name, const korvida::Control& outlet) {
        if (&outlet == &control)
            found = name;
    });
    return found;
}
