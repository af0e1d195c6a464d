#include "gui/files/name_validator.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace quilldar::gui {

QValidator* makeNameValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^/\\\\]*")), parent);
}

}  // namespace quilldar::gui
