// The CSV export's number format on arbitrary doubles: NaN, infinities, subnormals, huge and
// negative values, each as raw bits, written alone and as a whole data line, under every
// language's number locale (the C library's and Qt's default). The export promises a plain
// decimal number rounded to three places without trailing zeros or a bare point, "0" and never
// "-0" for a value that rounds to zero, and a point whatever the language; the check rebuilds
// that text from the C library's own rounding and parses the field back.
#include <QLocale>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "files/csv_export.h"
#include "fuzz_input.h"
#include "settings/languages.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/vehicle_texts.h"

using namespace quilldar;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// The promised text: printf's correctly rounded three decimals with the point, trimmed.
std::string expectedText(double value) {
    if (!std::isfinite(value)) return "0";
    static char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, "%.3f", value);
    check(length > 0 && static_cast<std::size_t>(length) < sizeof buffer);
    std::string text(buffer, static_cast<std::size_t>(length));
    const std::string point = std::localeconv()->decimal_point;
    if (const auto at = text.rfind(point); at != std::string::npos)
        text = text.substr(0, at) + '.' + text.substr(at + point.size());
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

void checkNumber(double value) {
    std::string out = "x";  // the number is appended to what is there
    files::appendCsvNumber(out, value);
    check(out.front() == 'x');
    const std::string text = out.substr(1);
    check(text == expectedText(value));
    check(text.find(',') == std::string::npos && text != "-0");
    double parsed = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    check(result.ec == std::errc() && result.ptr == text.data() + text.size());
    if (std::isfinite(value)) check(std::fabs(parsed - value) <= 0.0005 + std::fabs(value) * 1e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int language = input.ConsumeIntegralInRange(0, settings::kLanguageCount - 1);
    const QString code = QString::fromLatin1(settings::languageInfo(language).code);
    QLocale::setDefault(QLocale(code));
    // The C library's number locale of the language where the system has it.
    const std::string name = code.toStdString() + "_" + code.toUpper().toStdString() + ".UTF-8";
    if (std::setlocale(LC_NUMERIC, name.c_str()) == nullptr) std::setlocale(LC_NUMERIC, "C");

    vehicle::LiveValueSlots values;
    files::ChannelSelection channels{};
    for (std::size_t i = 0; i < channels.size() && input.remaining_bytes() > 0; ++i) {
        const bool scaled = input.ConsumeBool();
        double value = 0.0;
        if (scaled) {
            // A value of the size the pages produce, with an exact fraction of thousandths.
            value = input.ConsumeIntegralInRange<std::int64_t>(-100'000'000, 100'000'000) / 1000.0 +
                    input.ConsumeIntegralInRange(-2, 2) * 0.0005;
        } else {
            const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
            std::memcpy(&value, &bits, sizeof value);
        }
        checkNumber(value);
        channels[i] = static_cast<int>(i * 5);
        values.setLatest(static_cast<std::size_t>(channels[i]), value);
    }

    // A whole data line: four ="number"; fields and CR LF, each the number written alone.
    std::string line;
    files::appendCsvDataLine(line, values, channels);
    std::string expected;
    for (const int channel : channels) {
        expected += "=\"";
        files::appendCsvNumber(expected, values.latest(static_cast<std::size_t>(channel)));
        expected += "\";";
    }
    check(line == expected + "\r\n");
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}
