#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

// The graph view's row for a reference ride: "Compare..." to choose one, "Clear reference", the
// offset in seconds (steps of one record, 0.15 s), "Align at engine start", and a legend that
// names the two rides with a note on what the reference lacks.
class ReferenceBar : public QWidget {
    Q_OBJECT
public:
    explicit ReferenceBar(QWidget* parent = nullptr);

    void applyTexts(const settings::LanguageTable& texts);
    // Without a reference (referenceName empty) only "Compare..." can be used.
    void showReference(const QString& mainName, const QString& referenceName, double offset);
    // A note beside the legend (what the reference lacks, why nothing moved); empty: none.
    void showNote(const QString& note);
    QString note() const;

signals:
    void compareClicked();
    void clearClicked();
    void offsetChanged(double seconds);
    void alignClicked();

private:
    void showLegend();

    QPushButton* compare_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* offsetLabel_ = nullptr;
    QDoubleSpinBox* offset_ = nullptr;
    QPushButton* align_ = nullptr;
    QLabel* legend_ = nullptr;
    QString legendPattern_;
    QString mainName_;
    QString referenceName_;
    QString note_;
};

}  // namespace quilldar::gui
