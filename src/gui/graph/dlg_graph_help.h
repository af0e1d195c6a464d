#pragma once

#include <QDialog>

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

// The graph view's help: the language table's help text in a window titled "Help".
class CDlgGraphHelp : public QDialog {
    Q_OBJECT
public:
    explicit CDlgGraphHelp(const settings::LanguageTable& texts, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool) override { return false; }  // the Tab key does nothing
};

}  // namespace quilldar::gui
