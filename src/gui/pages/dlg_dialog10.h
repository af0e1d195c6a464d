#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quilldar::app {
class AppContext;
}
namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

// The Models window: the supported motorcycles and ATVs as two blocks of static text under their
// upper-cased headings, and Close. Close, Escape and the close box all cancel the dialog. The
// Tab key does nothing here.
class CDlgDialog10 : public QDialog {
    Q_OBJECT
public:
    CDlgDialog10(settings::LanguageTable& table, int languageIndex, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QLabel* motorcyclesHeading_;
    QLabel* motorcycleList_;
    QLabel* atvsHeading_;
    QLabel* atvList_;
    QPushButton* closeButton_;
};

// The main window's Models command: runs the Models window modally over the parent in the
// current language. The caller repaints Print and gives the focus to the Open button afterwards.
void runModelsDialog(QWidget* parent, app::AppContext& context);

}  // namespace quilldar::gui
