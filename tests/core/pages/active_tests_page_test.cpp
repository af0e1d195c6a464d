#include "pages/active_tests_page.h"

#include <gtest/gtest.h>

#include "link/module_replies.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "support/recording_builder.h"
#include "support/sim_link_fixture.h"
#include "vehicle/ecm_model_table.h"

namespace quilldar::pages {
namespace {

using B = TestButton;

class ScriptedView : public ActiveTestsView {
public:
    bool ask(const QString& text) override {
        questions << text;
        return answer;
    }
    void tell(Notice notice, const QString& caption, const QString& text) override {
        notices.push_back(notice);
        captions << caption;
        messages << text;
    }
    void holdTimer(bool held) override { timerHeld = held; }

    QStringList questions, captions, messages;
    std::vector<Notice> notices;
    bool answer = true;
    bool timerHeld = false;
};

link::Report reportOf(const link::Frame& frame) {
    link::Report report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

// The first model of the page's list with these digits.
QString modelWith(std::initializer_list<std::pair<int, int>> digits) {
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::ActiveTests)) {
        bool all = true;
        for (const auto& [position, value] : digits) all = all && vehicle::digit(entry, static_cast<std::size_t>(position)) == value;
        if (all) return QString::fromLatin1(entry.code.data(), static_cast<qsizetype>(entry.code.size()));
    }
    ADD_FAILURE() << "no model with these digits";
    return {};
}

class ActiveTestsTest : public testing::SimLinkTest {
protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        texts_.fill(settings::kEnglish, settings_);
        ASSERT_TRUE(link().ReopenInterface());
        state().systemKind = 1;
        page_ = std::make_unique<ActiveTestsPage>(link(), state(), ecm_, texts_, view_);
    }
    // A live-data reply with the given frame bytes.
    void live(std::map<int, std::uint8_t> bytes = {}) { page_->tick(reportOf(testing::engineLiveFrame(bytes))); }
    link::Frame slot20() { return module().slot(20); }

    settings::Settings settings_;
    settings::LanguageTable texts_;
    link::EcmIdentity ecm_;
    ScriptedView view_;
    std::unique_ptr<ActiveTestsPage> page_;
};

TEST_F(ActiveTestsTest, IscAirVolumeFrameDependsOnTheModel) {
    ecm_.code = "27GA";
    page_->press(B::IscAirOn);
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x05, 0x08, 0x00, 0x00, 0x00, 0x3B}));
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{20, 3}));
    ecm_.code = "12F0";
    page_->press(B::IscAirOn);
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x05, 0x08, 0x00, 0x70, 0x00, 0xAB}));
    page_->press(B::PairOn);
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x01, 0x80, 0x00, 0x00, 0x00, 0xAF}));
}

TEST_F(ActiveTestsTest, AStartedTestHoldsItsRowUntilTheNextLiveData) {
    ecm_.code = modelWith({{2, 1}, {28, 1}, {29, 1}, {0, 1}, {13, 1}});
    live({{17, 0}});
    ASSERT_TRUE(page_->enabled(B::SecondaryClose));
    ASSERT_TRUE(page_->enabled(B::FanStart));
    ASSERT_TRUE(page_->enabled(B::PairOn));
    ASSERT_TRUE(page_->spinEnabled());

    page_->press(B::SecondaryClose);
    EXPECT_FALSE(page_->enabled(B::SecondaryClose));
    EXPECT_TRUE(page_->enabled(B::SecondaryOpen));
    EXPECT_TRUE(page_->enabled(B::SecondaryOff));
    EXPECT_FALSE(page_->enabled(B::FanStart));
    EXPECT_FALSE(page_->enabled(B::PairOn));
    EXPECT_FALSE(page_->spinEnabled());

    live({{46, 0}});
    EXPECT_TRUE(page_->enabled(B::FanStart));
    EXPECT_TRUE(page_->enabled(B::PairOn));
    EXPECT_TRUE(page_->spinEnabled());
    EXPECT_FALSE(page_->enabled(B::SecondaryClose));  // its own row is not enabled again
    EXPECT_EQ(page_->field(TestField::SecondaryThrottle), "0");
    live({{46, 255}, {50, 0x04}, {51, 0x01}});
    EXPECT_EQ(page_->field(TestField::SecondaryThrottle), "100");
    EXPECT_EQ(page_->field(TestField::Fan), "On");
    EXPECT_EQ(page_->field(TestField::Pair), "On");
}

TEST_F(ActiveTestsTest, SecondSchemeUnitsTakeBothLiveDataIdentifiers) {
    ecm_.code = modelWith({{2, 1}});
    state().altListVariant = 1;
    page_->tick(reportOf(testing::engineLiveFrame({{46, 255}}, 0x08)));
    EXPECT_EQ(page_->field(TestField::SecondaryThrottle), "100");
    EXPECT_TRUE(page_->enabled(B::SecondaryClose));
    page_->tick(reportOf(testing::engineLiveFrame({{46, 0}}, 0x00)));
    EXPECT_EQ(page_->field(TestField::SecondaryThrottle), "0");
    // Without the second scheme, identifier 0x00 is not live data.
    state().altListVariant = 0;
    page_->tick(reportOf(testing::engineLiveFrame({{46, 255}}, 0x00)));
    EXPECT_EQ(page_->field(TestField::SecondaryThrottle), "0");
}

// Every engine-speed formula the models use (types 1 to 4) shows the engine speed on the page.
TEST_F(ActiveTestsTest, EngineSpeedIsShownForEachOfItsFourFormulas) {
    const double expected[] = {0.0, 12 * 256 / 2.55 + 128 * 100 / 255.0, 12 * 160 / 2.55,
                               12 * 127.5 / 2.55 + 128 * 50 / 255.0, 12 * 179.3 / 2.55 + 128 * 70 / 255.0};
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(type);
        ecm_.code = modelWith({{0, type}});
        live({{17, 12}, {18, 128}});
        bool ok = false;
        const double shown = page_->field(TestField::EngineSpeed).toDouble(&ok);
        ASSERT_TRUE(ok) << page_->field(TestField::EngineSpeed).toStdString();
        EXPECT_NEAR(shown, expected[type], 1.0);
    }
}

TEST_F(ActiveTestsTest, DamperCurrentIsWrittenAsTheEnginePageWritesIt) {
    ecm_.code = modelWith({{14, 1}});
    live({{47, 1}});  // 2 × 1 / 255 = 0.0078 A: below a tenth, written as zero
    EXPECT_EQ(page_->field(TestField::DamperCurrent), "0.00");
    live({{47, 100}});  // 0.784 A
    EXPECT_EQ(page_->field(TestField::DamperCurrent), "0.784");
    live({{47, 255}});
    EXPECT_EQ(page_->field(TestField::DamperCurrent), "2.00");
}

TEST_F(ActiveTestsTest, FanButtonsNeedTheirCapability) {
    ecm_.code = modelWith({{28, 0}, {2, 1}});
    live();
    EXPECT_TRUE(page_->enabled(B::SecondaryClose));
    EXPECT_FALSE(page_->enabled(B::FanStart));
    EXPECT_FALSE(page_->enabled(B::FanStop));
    EXPECT_EQ(page_->field(TestField::Fan), "---");
}

TEST_F(ActiveTestsTest, AResetIsReportedDoneAtTheThirdTick) {
    ecm_.code = "12F0";
    view_.answer = false;
    page_->press(B::IscReset);
    EXPECT_EQ(view_.questions, QStringList{"Execute ISC learned value reset?"});
    EXPECT_EQ(page_->testRepeatCounter(), 0);
    view_.answer = true;
    page_->press(B::IscReset);
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x05, 0x20, 0x00, 0x70, 0x00, link::checksum(std::vector<std::uint8_t>{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x05, 0x20, 0x00, 0x70, 0x00})}));
    page_->tick(link::Report{});
    page_->tick(link::Report{});
    EXPECT_TRUE(view_.messages.isEmpty());
    page_->tick(link::Report{});
    EXPECT_EQ(view_.messages, QStringList{"Reset has been performed successfully."});
    EXPECT_EQ(view_.notices, std::vector<Notice>{Notice::Done});
    EXPECT_EQ(page_->testRepeatCounter(), 0);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3}));
}

TEST_F(ActiveTestsTest, ARefusedResetIsNeverReportedDone) {
    ecm_.code = "12F0";
    view_.answer = true;
    page_->press(B::IscReset);
    ASSERT_EQ(page_->testRepeatCounter(), 1);
    // The engine turns: the unit refuses the reset.
    const link::Report refused = reportOf(link::buildResponse(0x12, std::vector<std::uint8_t>{0x7F, 0xA5, 0x91}));
    page_->tick(refused);
    ASSERT_EQ(view_.messages.size(), 1);
    EXPECT_EQ(view_.captions.last(), "Error");
    EXPECT_EQ(view_.notices, std::vector<Notice>{Notice::Refused});
    for (int i = 0; i < 5; ++i) page_->tick(link::Report{});
    EXPECT_EQ(view_.messages.size(), 1) << view_.messages.join('|').toStdString();
    EXPECT_FALSE(view_.messages.contains("Reset has been performed successfully."));
    EXPECT_EQ(page_->testRepeatCounter(), 0);
}

TEST_F(ActiveTestsTest, OtherUnitsSupportNoTestAndTheCombinedUnitOnlyItsReset) {
    for (const std::uint16_t kind : {2, 4, 5}) {
        state().systemKind = kind;
        view_.messages.clear();
        for (int b = 0; b < kTestButtonCount; ++b) page_->press(static_cast<TestButton>(b));
        page_->spinStep(1);
        EXPECT_EQ(view_.messages.size(), kTestButtonCount + 1);
        EXPECT_EQ(view_.messages.removeDuplicates(), kTestButtonCount);
        EXPECT_EQ(view_.messages.first(), "Can not execute because this ECM does not support this function");
        EXPECT_EQ(view_.captions.first(), "Error");
    }
    state().systemKind = 3;
    page_->tick(link::Report{});
    EXPECT_TRUE(page_->enabled(B::PpsReset));
    view_.messages.clear();
    page_->press(B::PpsReset);
    EXPECT_TRUE(view_.messages.isEmpty());
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x01, 0xF1, 0x06, 0xA5, 0x09, 0x80, 0x00, 0x00, 0x00, 0xA6}));
}

TEST_F(ActiveTestsTest, SpinStepsComputeTheTargetFromTheShownIdleSpeed) {
    ecm_.code = modelWith({{13, 2}});
    live({{28, 25}});  // 127.5 × 25 / 2.55 = 1250 rpm
    ASSERT_EQ(page_->targetIdle(), 1250);
    // Up asks for 1250 + 125 rpm (110 steps of 12.5 rpm), down for 1250 - 125 rpm.
    page_->spinStep(1);
    EXPECT_EQ(slot20(), (link::Frame{0x80, 0x12, 0xF1, 0x06, 0xA5, 0x05, 0x80, 0x00, 0x6E, 0x00, 0x21}));
    EXPECT_TRUE(page_->enabled(B::IscRpmOff));
    page_->spinStep(-1);
    EXPECT_EQ(slot20()[8], 90);
}

TEST_F(ActiveTestsTest, RejectionsSayWhyAndGoBackToLiveData) {
    ecm_.code = modelWith({{0, 1}, {13, 1}, {28, 1}});
    live({{17, 40}});  // the engine turns
    page_->press(B::IscAirOn);
    const link::Report notNow = reportOf(link::buildResponse(0x12, std::vector<std::uint8_t>{0x7F, 0xA5, 0x91}));
    page_->tick(notNow);
    EXPECT_EQ(view_.messages.last(), "Can not execute because engine coolant temp is out of executable condition");
    EXPECT_FALSE(view_.timerHeld);
    EXPECT_FALSE(page_->enabled(B::FanStart));
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3}));
    // The same answer at the next tick is not shown twice; the next one is, with the other text.
    page_->tick(notNow);
    EXPECT_EQ(view_.messages.size(), 1);
    live({{17, 40}});
    EXPECT_TRUE(page_->enabled(B::FanStart));
    page_->tick(notNow);
    EXPECT_EQ(view_.messages.last(), "Can not execute because engine speed is out of executable condition");
    live();
    page_->tick(reportOf(link::buildResponse(0x12, std::vector<std::uint8_t>{0x7F, 0xA5, 0x12})));
    EXPECT_EQ(view_.messages.last(), "Can not execute because this ECM does not support this function");

    // Played back, a rejection is only shown data, and nothing is enabled.
    state().playback = 1;
    state().systemKind = 0;
    page_->tick(reportOf(link::buildResponse(0x12, std::vector<std::uint8_t>{0x7F, 0xA5, 0x91})));
    live();
    EXPECT_EQ(view_.messages.size(), 3);
    EXPECT_FALSE(page_->enabled(B::FanStart));
}

}  // namespace
}  // namespace quilldar::pages
