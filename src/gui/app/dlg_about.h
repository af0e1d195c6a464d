#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "app/about_dialog_model.h"
#include "gui/app/message_box_sink.h"

class QLabel;
class QPushButton;

namespace quilldar::app {
class AppContext;
}

namespace quilldar::gui {

// The About dialog: the product title, the description, the notice line, the maker's web
// address as a link that opens in the browser, and Close. A thin window over AboutDialogModel;
// its 100 ms timer re-applies the texts after the language table was refilled. The Tab key does
// nothing here.
class CDlgAbout : public QDialog, private app::AboutDialogView {
    Q_OBJECT
public:
    // The opener starts the browser for the link. A browser that cannot start is reported to the
    // sink, or in a message box over the dialog when there is none.
    CDlgAbout(settings::LanguageTable& table, app::UrlOpener opener,
              app::MessageSink* messages = nullptr, QWidget* parent = nullptr);
    ~CDlgAbout() override;

    app::AboutDialogModel& model() { return model_; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void applyTexts(const app::AboutTexts& texts) override;

    MessageBoxSink boxMessages_;
    app::AboutDialogModel model_;
    QTimer timer_;
    QLabel* heading_;
    QLabel* description_;
    QLabel* notice_;
    QLabel* link_;
    QPushButton* closeButton_;
};

// The main window's About (and Help) command: runs the About dialog modally over the parent. The
// link opens through the opener (desktopUrlOpener() in the program); a browser that cannot start
// is reported in a message box. The caller gives the focus to the Open button afterwards.
void runAboutDialog(QWidget* parent, app::AppContext& context, app::UrlOpener opener);

}  // namespace quilldar::gui
