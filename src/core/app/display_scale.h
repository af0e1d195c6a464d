#pragma once

#include <QSize>

namespace quilldar::app {

// The scale of fonts and artwork for the screen's horizontal pixel density: 1.0 up to 119 dpi,
// 1.25 to 143, 1.5 to 191, 2.0 to 200, and 1.0 above (very dense screens scale by themselves).
double uiScaleForDpi(int horizontalDpi);

// Size of the header artwork for a scale: 220 x 53 at 1.0, 275 x 66 at 1.25, 330 x 79 above.
QSize headerImageSize(double uiScale);

// Tab names carry two leading blanks at scale 1.0 and three at any other scale.
int tabNameLeadingBlanks(double uiScale);

}  // namespace quilldar::app
