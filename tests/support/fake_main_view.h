#pragma once

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>
#include <map>
#include <vector>

#include "app/main_view.h"

namespace quilldar::testing {

// Records what the core tells the main window and answers its questions from a script.
class FakeMainView : public app::MainView {
public:
    void setControlEnabled(app::MainControl control, bool enabled) override { enabled_[control] = enabled; }
    void showHardwareFields(app::HardwareFields fields, const QString& id, const QString& serial) override {
        fields_ = fields;
        hint.clear();
        hardwareId = id;
        hardwareSerial = serial;
    }
    app::HardwareFields hardwareFieldsShown() const override { return fields_; }
    void showHardwareHint(const QString& word, const QString& explanation) override {
        hint = word;
        hintExplanation = explanation;
    }
    void showTroubleCodeCount(int count) override { troubleCodeCount = count; }
    void showPartNumber(const QString& partNumber) override { this->partNumber = partNumber; }
    void showConnectCaption(bool connected) override { disconnectCaption = connected; }
    void rebuildTabStrip(const std::vector<std::uint16_t>& pages) override {
        tabs = pages;
        ++tabRebuilds;
    }
    void showPage(std::uint16_t page, int tab) override {
        shownPage = page;
        selected = tab;
        pagesShown.push_back(page);
    }
    int selectedTab() const override { return selected; }
    bool askYesNo(app::Question question) override {
        questions.push_back(question);
        std::this_thread::sleep_for(answerDelay);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMessage(app::Message message, const QString& detail) override {
        std::this_thread::sleep_for(answerDelay);
        messages.push_back(message);
        lastDetail = detail;
    }
    void resetView() override {
        ++viewResets;
        playbackCaptions = false;
        titleFile.clear();
        sliderMaximum = 1;
        slider = 0;
        fields_ = app::HardwareFields::Unknown;
        disconnectCaption = false;
        tabs = {0, 1, 2, 3, 4, 5, 6, 7};
        shownPage = 0;
        selected = 0;
    }
    void stopPollTimer() override { timerRunning = false; }
    void startPollTimer(int periodMs) override {
        timerRunning = true;
        timerPeriod = periodMs;
    }
    void setBusy(bool busy) override { this->busy = busy; }
    void keepPainted() override { ++paints; }
    void sessionStarting() override { ++sessionsStarted; }
    void troubleCodesCleared() override { ++clears; }
    void showPlaybackCaptions(bool playback) override {
        playbackCaptions = playback;
        playCaption = playback ? "Play" : "";
    }
    void showPlayCaption(bool playing) override { playCaption = playing ? "Pause" : "Play"; }
    void showRecordingTitle(const QString& fileName) override { titleFile = fileName; }
    void setSliderRange(int maximum) override {
        sliderMaximum = maximum;
        slider = std::min(slider, maximum);
    }
    void setSliderPosition(int position) override { slider = std::clamp(position, 0, sliderMaximum); }
    int sliderPosition() const override { return slider; }
    void showTime(const QString& text) override { time = text; }
    void showLength(const QString& text) override { length = text; }
    void showSinglePageTab(std::uint16_t page) override {
        tabs = {page};
        shownPage = page;
        selected = 0;
        pagesShown.push_back(page);
    }
    void playbackPageChanged() override { ++playbackPageChanges; }
    void focusOpenButton() override { ++openFocused; }
    void showSessionEnd(const QString& line, const QString& kept) override { sessionEndLine = line + kept; }

    bool enabled(app::MainControl control) const {
        const auto found = enabled_.find(control);
        return found != enabled_.end() && found->second;
    }

    QString hardwareId, hardwareSerial, partNumber, lastDetail, hint, hintExplanation;
    int troubleCodeCount = -1;
    bool disconnectCaption = false;
    std::vector<std::uint16_t> tabs{0, 1, 2, 3, 4, 5, 6, 7};
    int tabRebuilds = 0;
    std::uint16_t shownPage = 0;
    int selected = 0;
    std::vector<std::uint16_t> pagesShown;
    std::vector<app::Question> questions;
    std::deque<bool> answers;
    // How long the user takes to answer a question or dismiss a message.
    std::chrono::milliseconds answerDelay{0};
    std::vector<app::Message> messages;
    int viewResets = 0;
    bool timerRunning = true;
    int timerPeriod = 100;
    bool busy = false;
    int paints = 0;
    int sessionsStarted = 0;
    int clears = 0;
    bool playbackCaptions = false;
    QString playCaption, titleFile, time, length;
    int slider = 0;
    int sliderMaximum = 1;
    int playbackPageChanges = 0;
    int openFocused = 0;
    QString sessionEndLine;

private:
    std::map<app::MainControl, bool> enabled_;
    app::HardwareFields fields_ = app::HardwareFields::Unknown;
};

}  // namespace quilldar::testing
