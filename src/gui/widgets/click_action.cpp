#include "gui/widgets/click_action.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace quilldar::gui {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), widget_(widget), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_) return false;
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressed_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A press that is dragged off the widget and released elsewhere is no click.
            const bool click =
                pressed_ &&
                widget_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            pressed_ = false;
            if (click && action_) action_();
            return true;
        }
        return false;
    }

private:
    QWidget* widget_;
    std::function<void()> action_;
    bool pressed_ = false;
};

}  // namespace

void setClickAction(QWidget* widget, std::function<void()> action) {
    widget->setCursor(Qt::PointingHandCursor);
    widget->installEventFilter(new ClickFilter(widget, std::move(action)));
}

}  // namespace quilldar::gui
