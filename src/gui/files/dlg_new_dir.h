#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

// Asks for a name: a new folder's ("New folder") or a new name for a file or folder ("Rename").
// The Tab key does nothing here.
class CDlgNewDir : public QDialog {
    Q_OBJECT
public:
    CDlgNewDir(const QString& title, const QString& name, const settings::LanguageTable& table,
               QWidget* parent = nullptr);

    QString name() const;

    // Runs the dialog modally: the name on OK, nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent, const settings::LanguageTable& table,
                                      const QString& title, const QString& name);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QLineEdit* nameField_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace quilldar::gui
