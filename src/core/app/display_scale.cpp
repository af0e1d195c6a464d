#include "app/display_scale.h"

namespace quilldar::app {

double uiScaleForDpi(int dpi) {
    if (dpi <= 119) return 1.0;
    if (dpi <= 143) return 1.25;
    if (dpi <= 191) return 1.5;
    if (dpi <= 200) return 2.0;
    return 1.0;
}

QSize headerImageSize(double uiScale) {
    if (uiScale < 1.2) return {220, 53};
    if (uiScale < 1.4) return {275, 66};
    return {330, 79};
}

int tabNameLeadingBlanks(double uiScale) { return uiScale == 1.0 ? 2 : 3; }

}  // namespace quilldar::app
