#pragma once

#include <QComboBox>

#include "settings/settings.h"

namespace quilldar::gui {

// The settings dialog's owner-drawn colour box: each item is a swatch of one highlight colour;
// the colour's name is its tooltip and accessible text.
class ColourBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    static QColor toQColor(settings::ColourRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quilldar::gui
