// The ping fields: whatever is typed, the number read is finite, the latency is finite, and the
// number text is never empty, never "inf" or "nan", and reads back as the number it stands for.
// A field of only digits (up to 15 of them) reads as exactly that integer.

#include "config/generator.h"

#include <QString>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void checkNumberText(double value)
{
    const QString text = velmora::numberText(value);
    if (text.isEmpty())
        std::abort();
    for (QChar c : text) {
        // Digits, one point, a minus sign, the exponent's E and sign: nothing else.
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'E'))
            std::abort();
    }
    if (!std::isfinite(value))
        return;
    const double back = velmora::parsePing(text);
    if (!std::isfinite(back))
        std::abort();
    // 15 significant digits: the text is off by at most half a unit in the 15th digit. Values
    // near the largest double may read back saturated, which is the same double.
    const double tolerance =
        std::max(std::fabs(value) * 5.1e-15, std::numeric_limits<double>::denorm_min());
    if (!(std::fabs(back - value) <= tolerance))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString field = QString::fromUtf8(bytes);

    const double ping = velmora::parsePing(field);
    if (!std::isfinite(ping))
        std::abort();

    // Split in two fields for the latency.
    const qsizetype half = field.size() / 2;
    const double lowest = velmora::parsePing(QStringView(field).first(half));
    const double highest = velmora::parsePing(QStringView(field).sliced(half));
    const double latency = velmora::latencyOf(lowest, highest);
    if (!std::isfinite(latency))
        std::abort();

    checkNumberText(ping);
    checkNumberText(latency);

    // Only digits, at most 15: exactly that integer, and its text is the digits without the
    // leading zeros.
    if (size >= 1 && size <= 15 &&
        std::all_of(data, data + size, [](uint8_t c) { return c >= '0' && c <= '9'; })) {
        uint64_t expected = 0;
        for (size_t i = 0; i < size; ++i)
            expected = expected * 10 + (data[i] - '0');
        if (ping != double(expected))
            std::abort();
        if (velmora::numberText(ping) != QString::number(expected))
            std::abort();
    }

    // The raw bytes as a double too, to reach numbers no typed text gives.
    if (size >= 8) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkNumberText(raw);
    }
    return 0;
}
