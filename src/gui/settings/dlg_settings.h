#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

#include "settings/settings_dialog_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

class ColourBox;

// The settings dialog: language, the four units, the highlighting period and the highlight
// colour. A thin window over SettingsDialogModel, which holds the working copy and the rules.
// The Tab key does nothing here.
class CDlgSettings : public QDialog, private settings::SettingsDialogView {
    Q_OBJECT
public:
    // Shows a validation message; the program uses a warning box, tests record the text.
    using MessagePresenter =
        std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

    CDlgSettings(settings::Settings& settings, settings::LanguageTable& table,
                 QWidget* parent = nullptr);
    ~CDlgSettings() override;

    void setMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
    settings::SettingsDialogModel& model() { return model_; }

    void accept() override;
    void reject() override;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTexts(const settings::SettingsDialogTexts& texts) override;
    void showSelections(const settings::SettingsDialogSelections& selections) override;
    void showPeriod(const QString& text) override;
    void showValidationMessage(const QString& text) override;
    void closeDialog(bool accepted) override;

    settings::SettingsDialogModel model_;
    settings::LanguageTable& table_;
    MessagePresenter presenter_;
    QTimer timer_;
    bool closing_ = false;

    QLabel* languageLabel_;
    QComboBox* languageList_;
    std::array<QLabel*, 4> unitLabels_;
    std::array<QComboBox*, 4> unitLists_;
    QLabel* periodLabel_;
    QLineEdit* periodField_;
    ColourBox* colourBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace quilldar::gui
