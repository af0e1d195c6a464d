#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>

#include "update/file_download.h"
#include "update/transfer_limits.h"

class QLabel;
class QProgressBar;
class QThread;

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::gui {

// The download window: fetches one file while it is open. Shown, it says "Please wait while
// downloading..." from its first 100 ms tick and shows the progress; unseen, it downloads without
// ever appearing (the version file at start-up). The transfer runs on a worker thread, so the
// program's windows keep painting; clicks and keys elsewhere wait until it is done, and the
// window cannot be closed while it runs.
class CDlgDownl : public QDialog {
    Q_OBJECT
public:
    CDlgDownl(const settings::LanguageTable& texts, QWidget* parent = nullptr);
    ~CDlgDownl() override;

    // Set before run(): what to fetch, where to put it, whether to show the window.
    void setSource(const QString& url, const QString& localPath) {
        url_ = url;
        localPath_ = localPath;
    }
    void setShowMessage(bool show) { showMessage_ = show; }
    void setLimits(const update::TransferLimits& limits) { limits_ = limits; }

    // Runs the download; done (OK) when the whole file arrived and was stored, else (Cancel) why
    // not.
    update::DownloadResult run();

    // What the window shows: the waiting text, and the progress as "received of expected".
    QString messageText() const;
    int progressValue() const;
    int progressMaximum() const;

signals:
    // Emitted at every progress tick while the transfer runs (for tests and screenshots).
    void progressShown();

public slots:
    // Escape does not end a running download: the file would be left half-written.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Starts the worker; ended runs on this thread, in receiver's context, when it finished.
    void startTransfer(QObject* receiver, std::function<void()> ended);
    void showProgress();
    void transferEnded();

    const settings::LanguageTable& texts_;
    QString url_;
    QString localPath_;
    bool showMessage_ = false;
    update::TransferLimits limits_;
    update::DownloadProgress progress_;
    // Written by the worker, read on this thread once the worker has finished.
    update::DownloadResult result_;
    QThread* worker_ = nullptr;
    bool running_ = false;
    QTimer progressTimer_;
    QLabel* message_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

}  // namespace quilldar::gui
