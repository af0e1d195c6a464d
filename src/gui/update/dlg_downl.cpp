#include "gui/update/dlg_downl.h"

#include <QCloseEvent>
#include <algorithm>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

#include "settings/language_table.h"

namespace quilldar::gui {

namespace {
// The window's first tick and the progress refresh.
constexpr int kTickMs = 100;
// Sizes reported in KiB so that the bar's int range holds files of any size.
constexpr qint64 kProgressUnit = 1024;
}  // namespace

CDlgDownl::CDlgDownl(const settings::LanguageTable& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("downloadWindow"));
    setWindowTitle(texts_.text(settings::MainText::ProductTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    message_ = new QLabel(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setMinimumWidth(300);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0);  // busy until the server announced the size
    bar_->setTextVisible(true);
    layout->addWidget(message_);
    layout->addWidget(bar_);
    progressTimer_.setInterval(kTickMs);
    connect(&progressTimer_, &QTimer::timeout, this, &CDlgDownl::showProgress);
}

CDlgDownl::~CDlgDownl() {
    if (worker_ != nullptr) {
        worker_->wait();
        delete worker_;
    }
}

update::DownloadResult CDlgDownl::run() {
    result_ = {};
    // From here until the transfer ended the window cannot be closed, not even before its first
    // tick started the transfer.
    running_ = true;
    if (!showMessage_) {
        // Unseen: the window never appears; paint events and timers of the other windows go on,
        // user input waits until the file is there.
        QEventLoop loop;
        startTransfer(&loop, [&loop] { loop.quit(); });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        transferEnded();
        return result_;
    }
    message_->setText(texts_.text(settings::MainText::PleaseWait));
    // The transfer starts at the window's first tick, once the text is on show.
    QTimer::singleShot(kTickMs, this, [this] {
        if (focusWidget() != nullptr) focusWidget()->clearFocus();
        progressTimer_.start();
        startTransfer(this, [this] {
            transferEnded();
            done(result_.done() ? QDialog::Accepted : QDialog::Rejected);
        });
    });
    exec();
    return result_;
}

void CDlgDownl::startTransfer(QObject* receiver, std::function<void()> ended) {
    progress_.received = 0;
    progress_.expected = -1;
    // Copies: the worker must not touch the window's members but the atomics.
    const QString url = url_;
    const QString path = localPath_;
    const update::TransferLimits limits = limits_;
    delete worker_;
    worker_ = QThread::create([this, url, path, limits] {
        result_ = update::downloadFile(url, path, limits, &progress_);
    });
    // Connected before the start, so that a transfer that ends at once is not missed; the
    // signal comes from the worker and is delivered on this thread.
    connect(worker_, &QThread::finished, receiver, std::move(ended), Qt::QueuedConnection);
    worker_->start();
}

void CDlgDownl::transferEnded() {
    progressTimer_.stop();
    worker_->wait();
    running_ = false;
    showProgress();
}

void CDlgDownl::showProgress() {
    const qint64 expected = progress_.expected.load();
    const qint64 received = progress_.received.load();
    if (expected > 0) {
        bar_->setRange(0, static_cast<int>(std::max<qint64>(1, expected / kProgressUnit)));
        bar_->setValue(static_cast<int>(std::min(received, expected) / kProgressUnit));
        if (received >= expected) bar_->setValue(bar_->maximum());
        bar_->setFormat(QStringLiteral("%1 / %2 KB").arg(received / kProgressUnit).arg(expected / kProgressUnit));
    } else {
        bar_->setFormat(QStringLiteral("%1 KB").arg(received / kProgressUnit));
    }
    emit progressShown();
}

QString CDlgDownl::messageText() const { return message_->text(); }
int CDlgDownl::progressValue() const { return bar_->value(); }
int CDlgDownl::progressMaximum() const { return bar_->maximum(); }

void CDlgDownl::reject() {
    // Escape does not end a running download: the file would be left half-written.
    if (running_) return;
    QDialog::reject();
}

void CDlgDownl::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool CDlgDownl::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
