#include "support/fixture_recordings.h"

#include "support/recording_builder.h"

namespace quilldar::testing {

QByteArray engineSessionRecording() {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    recording.add(0, engineLiveFrame({{17, 20}, {19, 51}, {21, 130}, {24, 160}}));
    recording.add(0, engineLiveFrame({{17, 30}, {19, 100}, {21, 120}, {24, 229}}));
    recording.addWithBadChecksum(0, engineLiveFrame({{17, 99}, {19, 99}, {21, 99}, {24, 99}}));
    recording.add(5, troubleCodeAnswer({{0x01, 0x30, 0x20}}));
    recording.add(5,
                  troubleCodeAnswer({{0x01, 0x05, 0x60}, {0xD6, 0x55, 0x20}, {0x00, 0x07, 0x43}}));
    recording.add(0, engineLiveFrame({{24, 230}}));
    return recording.bytes();
}

QByteArray secondSchemeRecording() {
    RecordingBuilder recording;
    link::Frame marker = link::buildResponse(
        link::address::kEngine, std::vector<std::uint8_t>{0x5A, 0x91, 0x12, 0x31, 0x20, 0x20, 0x20,
                                                          0x20, 0x20, 0x20, 0x20, 0x20, 0x20});
    recording.add(0, marker);
    recording.addIdentification(0, "32920-31J00", "31J0", true);
    recording.add(0, engineLiveFrame({{17, 10}, {18, 128}}, 0x00));
    recording.addWithBadChecksum(0, engineLiveFrame({{17, 5}}, 0x00));
    recording.add(0, engineLiveFrame({{17, 4}}, 0x08));
    return recording.bytes();
}

std::span<const FixtureFile> fixtureFiles() {
    static const FixtureFile kFiles[] = {
        {"engine_12F0.QLS", &engineSessionRecording},
        {"second_scheme_31J0.QLS", &secondSchemeRecording},
    };
    return kFiles;
}

}  // namespace quilldar::testing
