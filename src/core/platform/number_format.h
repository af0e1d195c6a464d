#pragma once

namespace quilldar::platform {

// Makes every number the program writes or reads use a decimal point and no digit grouping,
// whatever the desktop's locale: the C library's numeric locale (which Qt sets from the
// desktop when the application object is made) and Qt's default locale (spin boxes, chart
// labels). Called once, right after the application object exists.
void useProgramNumberFormat();

}  // namespace quilldar::platform
