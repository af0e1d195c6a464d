#include "app/playback_controller.h"

#include <QFileInfo>
#include <algorithm>

#include "link/ecm_identity.h"
#include "link/kwp_frame.h"
#include "link/page_lists.h"
#include "settings/language_table.h"

namespace quilldar::app {

namespace {

// Positions below this show as 0 s.
constexpr double kZeroTimeBelow = 0.16;
// The time field shows up to ten significant digits.
constexpr int kTimeDigits = 10;
// The recording's length while the graph is open: three significant digits.
constexpr int kGraphLengthDigits = 3;
// Releasing the slider near the end lands this many records before it.
constexpr std::uint32_t kSliderEndMargin = 3;
// Within this many records of the end, playback counts as near its end.
constexpr std::uint32_t kNearEndRecords = 10;
constexpr std::uint16_t kPageCount = 8;
constexpr std::uint16_t kNoTag = 100;
// The poll timer's period outside playback.
constexpr int kIdlePollPeriodMs = 100;

}  // namespace

PlaybackController::PlaybackController(AppContext& context, MainView& view, files::TemporaryRecording& scratch,
                                       PlaybackHost& host)
    : context_(context), state_(context.state()), view_(view), scratch_(scratch), host_(host) {}

void PlaybackController::openCommand(const std::function<QString(const QString& folder)>& choose) {
    if (state_.connected || state_.playback) return;
    // Opening gives up the records of the last session; they are the user's to keep.
    if (state_.recordingOpen && !host_.ask(Question::UnsavedContinue)) return;
    state_.fileDialogOpen = 1;
    const QString path = choose(context_.settings().openSave1);
    if (path.isEmpty()) {
        // A cancelled Open ends without an error, which makes Print available like a finished one.
        view_.setControlEnabled(MainControl::Print, true);
    } else {
        openRecording(path, OpenedFrom::Browser);
    }
    state_.fileDialogOpen = 0;
}

void PlaybackController::openFromCommandLine(const QString& path) {
    if (state_.recordingOpen && !host_.ask(Question::UnsavedContinue)) return;
    openRecording(path, OpenedFrom::CommandLine);
}

bool PlaybackController::openRecording(const QString& path, OpenedFrom from) {
    if (state_.connected || state_.playback) return false;
    state_.fileDialogOpen = 1;
    // The first trouble-code answer of the recording is shown even if it equals the last one.
    view_.sessionStarting();

    const files::LoadResult result = recording_.load(path);
    if (result == files::LoadResult::CannotOpen) {
        if (from == OpenedFrom::CommandLine) {
            host_.tell(Message::RecordingNotFound, path);
        } else {
            host_.tell(Message::FileLocked);
        }
        state_.fileDialogOpen = 0;
        return false;
    }
    if (from == OpenedFrom::Browser) {
        const QString folder = QFileInfo(path).absolutePath();
        context_.settings().openSave1 = folder;
        context_.settingsStore().storeOpenSave1(folder);
    }
    if (result == files::LoadResult::Corrupted) {
        view_.stopPollTimer();
        host_.tell(Message::FileCorrupted);
        view_.startPollTimer(kIdlePollPeriodMs);
        state_.fileDialogOpen = 0;
        return false;
    }

    // Only a recording that loaded takes the place of the unsaved records: a file that cannot be
    // opened leaves them, and Save As with them, as they were. Given up, they are gone for good.
    if (state_.recordingOpen) scratch_.discard(state_);
    const std::uint32_t records = recording_.recordCount();
    view_.setControlEnabled(MainControl::SaveAs, true);
    view_.setControlEnabled(MainControl::Slider, true);
    state_.playPosition = 0;
    state_.playback = 1;
    view_.showSessionEnd({});  // the playback strip takes the line's place
    state_.paused = 1;
    state_.autoPaused = 0;
    playCaption_ = true;
    view_.showPlaybackCaptions(true);
    view_.showRecordingTitle(QFileInfo(path).fileName());
    keptCount_ = records;
    state_.recordCount = records;
    view_.setSliderRange(static_cast<int>(records));
    view_.setSliderPosition(0);
    view_.startPollTimer(kPlaybackPeriodMs);

    const files::RecordingIdentity& identity = recording_.identity();
    link::EcmIdentity& ecm = context_.ecm();
    ecm.partNumber = QString::fromLatin1(identity.ecmPartNumber);
    ecm.code = QString::fromStdString(identity.ecmCode);
    state_.altListVariant = identity.altListVariant ? 1 : 0;
    view_.showPartNumber(ecm.partNumber);
    const settings::LanguageTable& table = context_.languageTable();
    view_.showLength(files::durationText(records, table.text(settings::MainText::Seconds)));
    shownTime_.clear();

    view_.setControlEnabled(MainControl::Print, true);
    state_.fileDialogOpen = 0;
    return true;
}

void PlaybackController::close() {
    if (!state_.playback) return;
    view_.setControlEnabled(MainControl::SaveAs, false);
    view_.setControlEnabled(MainControl::Slider, false);
    view_.setControlEnabled(MainControl::Print, false);
    recording_.close();
    state_.playback = 0;
    state_.recordCount = 0;
    state_.paused = 0;
    state_.autoPaused = 0;
    state_.playPosition = 0;
    keptCount_ = 0;
    context_.ecm().clear();
    view_.setSliderRange(1);
    view_.setSliderPosition(0);
    host_.sessionReset();
}

void PlaybackController::playPause() {
    if (!state_.playback) return;
    if (state_.playPosition >= state_.recordCount) {
        state_.playPosition = 0;
        recording_.rewind();
        state_.paused = 1;
        view_.setSliderPosition(0);
    }
    if (state_.paused) {
        view_.setControlEnabled(MainControl::Print, false);
        playCaption_ = false;
        view_.showPlayCaption(true);
        state_.paused = 0;
    } else {
        view_.setControlEnabled(MainControl::Print, true);
        playCaption_ = true;
        view_.showPlayCaption(false);
        state_.paused = 1;
        link::Report& report = context_.receiveReport();
        std::fill(report.begin(), report.end() - 1, std::uint8_t{0});
    }
}

void PlaybackController::sliderReleased() {
    if (!state_.playback) return;
    const std::uint32_t count = state_.recordCount;
    const std::uint32_t last = count > kSliderEndMargin ? count - kSliderEndMargin : 0;
    std::uint32_t position = static_cast<std::uint32_t>(std::max(0, view_.sliderPosition()));
    if (position > last) {
        position = last;
        view_.setSliderPosition(static_cast<int>(position));
    }
    // Reading the recording up to the position leaves its record in the receive report and the
    // file at the record after it; only that record needs reading.
    state_.playPosition = position;
    if (position > 0) {
        recording_.seek(position - 1);
        readNext();
    } else {
        recording_.rewind();
    }
    ++state_.playPosition;
    view_.showTime(secondsField(view_.sliderPosition() * files::kSecondsPerRecord, kTimeDigits));
    if (state_.autoPaused) {
        // A play that the drag interrupted goes on.
        state_.autoPaused = 0;
        state_.paused = 0;
    }
}

void PlaybackController::back() {
    if (!state_.playback) return;
    link::Report record{};
    std::uint16_t tag = kNoTag;
    if (state_.playPosition < state_.recordCount && recording_.recordAt(state_.playPosition, record)) tag = record[0];
    link::Report& report = context_.receiveReport();
    bool tagChanged = false;
    // Back over the current segment, then over the one before it to its first record.
    for (int pass = 0; pass < 2; ++pass) {
        while (state_.playPosition > 2) {
            state_.playPosition -= 2;
            if (!recording_.recordAt(state_.playPosition, record)) break;
            report = record;
            link::checkResponse(report, state_.altListVariant != 0);
            offer(record);
            if (record[0] == tag) continue;
            tag = record[0];
            if (pass == 1) tagChanged = true;
            break;
        }
        if (tagChanged) break;
    }
    if (tagChanged) {
        recording_.seek(state_.playPosition + 1);
        readNext();
        if (readNext()) offer(report);
        view_.setSliderPosition(static_cast<int>(state_.playPosition));
        ++state_.playPosition;
        view_.focusOpenButton();
        return;
    }
    state_.playPosition = 0;
    recording_.rewind();
    view_.setSliderPosition(0);
}

void PlaybackController::forward() {
    if (!state_.playback) return;
    // The segment is the one of the record shown last, read from its own tag: after Pause the
    // receive report is cleared and its tag would read as the Engine page's.
    link::Report shown{};
    const std::uint32_t read = recording_.position();
    const std::uint8_t tag =
        read > 0 && recording_.recordAt(read - 1, shown) ? shown[0] : context_.receiveReport()[0];
    while (state_.playPosition < state_.recordCount) {
        if (!readNext()) break;
        offer(context_.receiveReport());
        view_.setSliderPosition(static_cast<int>(state_.playPosition));
        ++state_.playPosition;
        if (context_.receiveReport()[0] != tag) return;
    }
    state_.playPosition = state_.recordCount;
    view_.setSliderPosition(static_cast<int>(state_.recordCount));
    recording_.seek(state_.recordCount);
}

void PlaybackController::step() {
    if (!state_.playback) return;
    showPosition();
    view_.setControlEnabled(MainControl::Back, state_.playPosition > 2);
    view_.setControlEnabled(MainControl::Forward, state_.playPosition < state_.recordCount);
    if (!state_.paused) {
        if (static_cast<std::uint32_t>(view_.sliderPosition()) + 1 != state_.playPosition && state_.playPosition != 0) {
            // The user moved the slider while it played: playback waits for the release.
            state_.paused = 1;
            state_.autoPaused = 1;
            view_.setControlEnabled(MainControl::Print, true);
        }
        view_.setSliderPosition(static_cast<int>(state_.playPosition));
        ++state_.playPosition;
        state_.nearEnd = state_.playPosition + kNearEndRecords > state_.recordCount ? 1 : 0;
        readNext();
    }
    if (state_.paused) {
        view_.setControlEnabled(MainControl::Slider, true);
        if (view_.sliderPosition() == 0) {
            // Right after opening: the first records are shown.
            view_.setSliderPosition(static_cast<int>(state_.playPosition));
            ++state_.playPosition;
            readNext();
        }
    }
    view_.showTroubleCodeCount(state_.dtcCount);

    const link::Report& report = context_.receiveReport();
    const std::uint16_t page = report[0];
    // A tag beyond the eight pages (a damaged record) does not switch.
    if (page != state_.lastShownPage && link::frameByte(report, 0) != 0 && page < kPageCount) {
        state_.currentPage = page;
        view_.playbackPageChanged();
        view_.showSinglePageTab(page);
        state_.lastShownPage = page;
    }

    if (state_.playPosition >= state_.recordCount) {
        if (!playCaption_) {
            view_.setSliderPosition(static_cast<int>(state_.recordCount));
            playCaption_ = true;
            view_.showPlayCaption(false);
            recording_.rewind();
        }
        state_.paused = 1;
        view_.setControlEnabled(MainControl::Print, true);
    }
}

bool PlaybackController::readNext() {
    link::Report record{};
    // A read past the end leaves the receive report as it was.
    if (!recording_.read(record)) return false;
    context_.receiveReport() = record;
    return true;
}

void PlaybackController::offer(const link::Report& record) {
    // Called for every record a jump passes over: only the code answer is worth a look.
    if (recording_.identity().isCodeAnswer(record)) context_.ecm().code = link::codeOf(record);
}

void PlaybackController::showPosition() {
    double seconds = view_.sliderPosition() * files::kSecondsPerRecord;
    if (seconds < kZeroTimeBelow) seconds = 0;
    const QString text = secondsField(seconds, kTimeDigits);
    if (text == shownTime_) return;
    shownTime_ = text;
    view_.showTime(text);
}

void PlaybackController::graphCommand(
    const std::function<void(files::RecordingFile* recording)>& runGraph) {
    state_.paused = 1;
    const bool wasLive = state_.connected != 0;
    view_.setSliderPosition(static_cast<int>(state_.recordCount));
    view_.showTime(secondsField(keptCount_ * files::kSecondsPerRecord, kGraphLengthDigits));
    runGraph(state_.playback ? &recording_ : nullptr);
    const settings::LanguageTable& table = context_.languageTable();
    view_.showTime(table.text(settings::MainText::Time) + QStringLiteral("0.00") +
                   table.text(settings::MainText::Seconds));
    if (state_.playback) {
        // The graph read the whole file: start again with the identification records read.
        recording_.rewind();
        for (int i = 0; i < 3; ++i) readNext();
        state_.playPosition = 0;
        view_.setSliderPosition(0);
    }
    if (!wasLive && state_.playback) {
        playCaption_ = true;
        view_.showPlayCaption(false);
        // Paused, as after Pause: the report of what is shown can be printed.
        view_.setControlEnabled(MainControl::Print, true);
    }
}

QString PlaybackController::secondsField(double seconds, int digits) const {
    const settings::LanguageTable& table = context_.languageTable();
    return table.text(settings::MainText::Time) + files::secondsText(seconds, digits) +
           table.text(settings::MainText::Seconds);
}

}  // namespace quilldar::app
