// Shows the program's file browser on its own, for looking at it:
//   show_file_browser open|save|export LANGUAGE_INDEX FOLDER [OUT.png]
// With OUT.png the dialog is drawn into that file and the tool ends; without, it stays open.

#include <QApplication>
#include <QTimer>

#include "files/file_browser_model.h"
#include "gui/files/dlg_open_save.h"
#include "settings/language_table.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        qWarning("usage: show_file_browser open|save|export LANGUAGE_INDEX FOLDER [OUT.png]");
        return 2;
    }
    using quilldar::files::FileBrowserMode;
    const FileBrowserMode mode = args[1] == u"open"   ? FileBrowserMode::Open
                                 : args[1] == u"save" ? FileBrowserMode::Save
                                                      : FileBrowserMode::Export;
    quilldar::settings::Settings settings;
    quilldar::settings::LanguageTable table;
    table.fill(args[2].toInt(), settings);
    quilldar::files::FileBrowserMemory memory;
    quilldar::gui::CDlgOpenSave dialog({mode, args[3], QStringLiteral("ride.QLS")}, table, memory,
                                       quilldar::files::FileBrowserSystem::platform());
    if (args.size() > 4) {
        dialog.show();
        QTimer::singleShot(300, [&] {
            dialog.grab().save(args[4]);
            app.quit();
        });
        return app.exec();
    }
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
