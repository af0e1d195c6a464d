#include "text_fit_checker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <algorithm>

#include "gui/pages/data_page_window.h"
#include "gui/widgets/page_grid.h"

namespace quilldar::gui {
namespace {

const QChar kEllipsis(0x2026);

QString describe(const QWidget* widget) {
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) return name + QLatin1Char('#') + widget->objectName();
    for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
        if (!up->objectName().isEmpty()) return up->objectName() + QLatin1Char('/') + name;
    return name;
}

// The text a button draws: "&&" is one ampersand, a single one marks the shortcut and is not drawn.
QString drawnText(const QString& text) {
    QString drawn;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) drawn += QLatin1Char('&');
            ++i;
            if (i < text.size() && text[i] != QLatin1Char('&')) drawn += text[i];
            continue;
        }
        drawn += text[i];
    }
    return drawn;
}

QSize textSize(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return {width, static_cast<int>(lines.size()) * metrics.height()};
}

QString sizes(QSize needed, QSize room) {
    return QStringLiteral("needs %1x%2, has %3x%4")
        .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
}

// The room a button's style leaves for its text (the style sheet's border and padding taken off).
QRect buttonTextRoom(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (qobject_cast<QCheckBox*>(button) != nullptr)
        return button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    if (qobject_cast<QRadioButton*>(button) != nullptr)
        return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

}  // namespace

void TextFitChecker::note(const QString& language, const QWidget* widget, const QString& text, const QString& why) {
    const QString line = QStringLiteral("%1 | %2 | \"%3\" | %4").arg(language, describe(widget), text, why);
    if (seen_.contains(line)) return;
    seen_.insert(line);
    misfits_ << line;
}

void TextFitChecker::check(QWidget* window, const QString& language) {
    checkWidget(window, window, language);
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window) && !widget->size().isEmpty()) checkWidget(widget, window, language);
}

void TextFitChecker::checkWidget(QWidget* widget, QWidget* window, const QString& language) {
    const QWidget* parent = widget->parentWidget();
    if (parent != nullptr && widget->font().pointSizeF() > 0 && parent->font().pointSizeF() > 0 &&
        widget->font().pointSizeF() < parent->font().pointSizeF() - 0.01) {
        QString text;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (const auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        note(language, widget, text,
             QStringLiteral("font made smaller: %1 pt, %2 pt around it")
                 .arg(widget->font().pointSizeF()).arg(parent->font().pointSizeF()));
    }
    const QFontMetrics metrics(widget->font());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QString text = drawnText(button->text());
        if (text.isEmpty()) return;
        QSize needed = textSize(metrics, text);
        const QRect room = buttonTextRoom(button);
        // A check box's text stands beside its indicator, which the contents rect does not hold.
        if (qobject_cast<QPushButton*>(button) == nullptr) needed.setHeight(metrics.height());
        if (needed.width() > room.width() || needed.height() > room.height())
            note(language, widget, text, sizes(needed, room.size()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        if (text.isEmpty() || !label->pixmap().isNull()) return;
        if (text.contains(kEllipsis) && (label->toolTip().isEmpty() || label->toolTip() == text))
            note(language, widget, text, QStringLiteral("cut without the whole text as its tooltip"));
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                note(language, widget, text, QStringLiteral("wrapped, needs %1 px high, has %2").arg(needed).arg(label->height()));
        } else if (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()) {
            note(language, widget, text, sizes(label->sizeHint(), label->size()));
        }
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        const int needed = metrics.horizontalAdvance(drawnText(box->title()));
        if (!box->title().isEmpty() && needed > box->contentsRect().width())
            note(language, widget, box->title(), QStringLiteral("title needs %1 px, has %2").arg(needed).arg(box->contentsRect().width()));
    } else if (qobject_cast<QTabBar*>(widget) != nullptr) {
        checkTabs(widget, window, language);
    } else if (qobject_cast<PageGrid*>(widget) != nullptr) {
        checkGrid(widget, language);
    }
}

void TextFitChecker::checkTabs(QWidget* tabBar, QWidget* window, const QString& language) {
    auto* bar = static_cast<QTabBar*>(tabBar);
    const QFontMetrics metrics(bar->font());
    // The buttons that stand on the tab strip's row must leave the tabs in view.
    QList<QPushButton*> buttons;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isVisibleTo(window)) buttons << button;
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QRect rect = bar->tabRect(tab);
        const QString text = bar->tabText(tab);
        if (!bar->rect().contains(rect)) note(language, bar, text, QStringLiteral("tab out of the strip"));
        if (metrics.horizontalAdvance(drawnText(text)) > rect.width())
            note(language, bar, text, QStringLiteral("tab %1 px wide for a %2 px text").arg(rect.width()).arg(metrics.horizontalAdvance(text)));
        const QRect onWindow(bar->mapTo(window, rect.topLeft()), rect.size());
        for (QPushButton* button : buttons) {
            const QRect buttonOnWindow(button->mapTo(window, QPoint(0, 0)), button->size());
            if (buttonOnWindow.intersects(onWindow))
                note(language, bar, text, QStringLiteral("tab under the button %1").arg(describe(button)));
        }
    }
}

void TextFitChecker::checkGrid(QWidget* gridWidget, const QString& language) {
    auto* grid = static_cast<PageGrid*>(gridWidget);
    auto* page = qobject_cast<DataPageWindow*>(grid->parentWidget());
    if (page == nullptr) return;
    const QFontMetrics metrics(grid->font());
    QHash<QString, QString> wholeOfShown;
    for (int row = 0; row < page->model().rowCount(); ++row) {
        const QString whole = page->model().label(row);
        const QString shown = grid->shownLabel(row);
        const QRect area = grid->labelArea(row);
        if (metrics.horizontalAdvance(shown) > area.width())
            note(language, grid, whole, QStringLiteral("row label wider than its column"));
        if (shown == whole) continue;
        const QString end = shown.mid(shown.lastIndexOf(kEllipsis) + 1);
        if (end.trimmed().isEmpty() || !whole.endsWith(end))
            note(language, grid, whole, QStringLiteral("cut to \"%1\", losing its end").arg(shown));
        if (grid->toolTipAt(area.center()) != whole)
            note(language, grid, whole, QStringLiteral("cut to \"%1\" without the whole label as tooltip").arg(shown));
        const auto other = wholeOfShown.constFind(shown);
        if (other != wholeOfShown.constEnd() && *other != whole)
            note(language, grid, whole, QStringLiteral("cut to \"%1\" like \"%2\"").arg(shown, *other));
        wholeOfShown.insert(shown, whole);
    }
}

}  // namespace quilldar::gui
