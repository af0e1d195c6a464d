#pragma once

#include "app/main_view.h"

namespace quilldar::tool {

// The main window of a session that runs without a screen: it remembers the tab the session is
// on, answers every question with Yes and keeps the messages for the caller to print.
class HeadlessMainView : public app::MainView {
public:
    void setControlEnabled(app::MainControl, bool) override {}
    void showHardwareFields(app::HardwareFields fields, const QString&, const QString&) override { fields_ = fields; }
    app::HardwareFields hardwareFieldsShown() const override { return fields_; }
    void showTroubleCodeCount(int) override {}
    void showPartNumber(const QString&) override {}
    void showConnectCaption(bool) override {}
    void rebuildTabStrip(const std::vector<std::uint16_t>&) override {}
    void showPage(std::uint16_t, int tab) override { tab_ = tab; }
    int selectedTab() const override { return tab_; }
    bool askYesNo(app::Question) override { return true; }
    void showMessage(app::Message message, const QString& detail) override {
        lastMessage = message;
        lastDetail = detail;
        ++messages;
        if (message == app::Message::RecordingFailed) recordingFailed = true;
    }
    void resetView() override {
        fields_ = app::HardwareFields::Unknown;
        tab_ = 0;
    }
    void stopPollTimer() override {}
    void startPollTimer(int) override {}
    void setBusy(bool) override {}
    void sessionStarting() override {}
    void troubleCodesCleared() override {}
    // A session without a screen plays nothing back.
    void showPlaybackCaptions(bool) override {}
    void showPlayCaption(bool) override {}
    void showRecordingTitle(const QString&) override {}
    void setSliderRange(int) override {}
    void setSliderPosition(int) override {}
    int sliderPosition() const override { return 0; }
    void showTime(const QString&) override {}
    void showLength(const QString&) override {}
    void showSinglePageTab(std::uint16_t) override {}

    void selectTab(int tab) { tab_ = tab; }

    int messages = 0;
    app::Message lastMessage = app::Message::CommunicationFailed;
    QString lastDetail;
    bool recordingFailed = false;

private:
    app::HardwareFields fields_ = app::HardwareFields::Unknown;
    int tab_ = 0;
};

}  // namespace quilldar::tool
