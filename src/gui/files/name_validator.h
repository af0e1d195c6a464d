#pragma once

class QObject;
class QValidator;

namespace quilldar::gui {

// The longest name the browser's fields take.
inline constexpr int kMaxNameLength = 99;

// Keeps path separators out of a name field: a name names one entry of the folder on show.
QValidator* makeNameValidator(QObject* parent);

}  // namespace quilldar::gui
