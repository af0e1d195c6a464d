#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace quilldar::gui {

// Looks at every caption a window shows (push buttons, labels, check and radio boxes, tabs, group
// box titles, the rows of a data page) and notes each one that does not fit its control in the
// control's own font, each control whose font was made smaller than its parent's, and each row
// label that is cut without keeping its end or without the whole label as its tooltip.
class TextFitChecker {
public:
    // The language's name goes into every note the check writes.
    void check(QWidget* window, const QString& language);
    // Each note: "language | widget | text | what is wrong", once.
    const QStringList& misfits() const { return misfits_; }

private:
    void note(const QString& language, const QWidget* widget, const QString& text, const QString& why);
    void checkWidget(QWidget* widget, QWidget* window, const QString& language);
    void checkTabs(QWidget* tabBar, QWidget* window, const QString& language);
    void checkGrid(QWidget* grid, const QString& language);

    QStringList misfits_;
    QSet<QString> seen_;
};

}  // namespace quilldar::gui
