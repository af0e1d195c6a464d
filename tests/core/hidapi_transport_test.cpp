#include "link/hidapi_transport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "state/message_sink.h"
#include "link/hid_link.h"

namespace quilldar::link {
namespace {

class RecordingSink : public app::MessageSink {
public:
    void showMessage(const QString& text, const QString&) override { shown.append(text); }
    QStringList shown;
};

TEST(HidApiLoading, MissingLibraryIsReportedOncePerRun) {
    RecordingSink sink;
    HidApiTransport transport(sink, "libquilldar-no-such-hid.so.0");
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(transport.open(kModuleVendorId, kModuleProductId), OpenOutcome::LibraryUnavailable);
    EXPECT_EQ(sink.shown, QStringList{"Error: Can't Load libquilldar-no-such-hid.so.0"});
}

TEST(HidApiLoading, MissingEntryPointNamesTheFirstOneAndTheLibrary) {
    RecordingSink sink;
    // The C library loads fine but has none of the HID entry points.
    HidApiTransport transport(sink, "libc.so.6");
    EXPECT_EQ(transport.open(kModuleVendorId, kModuleProductId), OpenOutcome::LibraryUnavailable);
    EXPECT_EQ(transport.open(kModuleVendorId, kModuleProductId), OpenOutcome::LibraryUnavailable);
    EXPECT_EQ(sink.shown, QStringList{"Error: Can't find hid_init() in libc.so.6"});
}

TEST(HidApiLoading, RealLibraryLoadsAndAnAbsentModuleIsNotAnError) {
    RecordingSink sink;
    HidApiTransport transport(sink);
    EXPECT_TRUE(transport.LoadHidApi());
    // An id no device has: the enumeration finds nothing and nothing is shown.
    EXPECT_EQ(transport.open(0x04D8, 0xFFFE), OpenOutcome::NotFound);
    EXPECT_TRUE(sink.shown.isEmpty());
    Report report{};
    EXPECT_FALSE(transport.write(report));
    EXPECT_EQ(transport.read(report, 0), ReadOutcome::Failed);
}

}  // namespace
}  // namespace quilldar::link
