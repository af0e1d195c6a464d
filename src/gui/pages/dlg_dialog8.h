#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "context/app_context.h"
#include "pages/active_tests_page.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quilldar::gui {

// The Active tests page: a row per actuator with its buttons and the live value or state that
// shows it acting, and the learned-value resets.
class CDlgDialog8 : public QWidget, private pages::ActiveTestsView {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 100;
    // Runs a button's handler as a command of the main window (no poll tick inside it).
    using CommandRunner = std::function<void(const std::function<void()>&)>;

    CDlgDialog8(app::AppContext& context, CommandRunner runCommand, QWidget* parent = nullptr);
    ~CDlgDialog8() override;

    // One timer tick; the timer calls it, tests too.
    void tick();
    pages::ActiveTestsPage& model() { return *model_; }
    QPushButton* button(pages::TestButton button) const { return buttons_[static_cast<std::size_t>(button)]; }
    QLabel* field(pages::TestField field) const { return fields_[static_cast<std::size_t>(field)]; }

    // How questions and messages reach the user: message boxes in the program, a script in tests.
    using QuestionPresenter = std::function<bool(QWidget* parent, const QString& text)>;
    using MessagePresenter =
        std::function<void(QWidget* parent, pages::Notice notice, const QString& caption, const QString& text)>;
    void setPresenters(QuestionPresenter questions, MessagePresenter messages);
    // How a question runs: beside the live session in the program, which goes on behind it.
    void setQuestionRunner(CommandRunner runner) { runQuestion_ = std::move(runner); }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    // ActiveTestsView
    bool ask(const QString& text) override;
    void tell(pages::Notice notice, const QString& caption, const QString& text) override;
    void holdTimer(bool held) override;

    void buildRows();
    void applyTexts();
    void showState();

    app::AppContext& context_;
    CommandRunner runCommand_;
    CommandRunner runQuestion_ = [](const std::function<void()>& question) { question(); };
    std::unique_ptr<pages::ActiveTestsPage> model_;
    std::array<QPushButton*, pages::kTestButtonCount> buttons_{};
    std::array<QLabel*, pages::kTestFieldCount> fields_{};
    std::vector<std::pair<QLabel*, int>> rowLabels_;  // label and its text slot
    std::vector<std::pair<QLabel*, int>> unitLabels_;
    QLineEdit* targetIdle_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QTimer timer_;
    QuestionPresenter askUser_;
    MessagePresenter tellUser_;
};

}  // namespace quilldar::gui
