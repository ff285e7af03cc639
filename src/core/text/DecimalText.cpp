#include "core/text/DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vexamat {

namespace {

// The whole of text as a decimal number, a comma at commaAt read as a point.
std::optional<double> strict(QStringView text, qsizetype commaAt) {
    char buffer[64] = {};
    if (text.isEmpty() || text.size() >= qsizetype(sizeof buffer))
        return std::nullopt;
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' ||
                             c == u'e' || c == u'E' || (i == commaAt && c == u',');
        if (!allowed)
            return std::nullopt;
        buffer[n++] = i == commaAt ? '.' : char(c);
    }
    const char* begin = buffer;
    // from_chars takes no plus sign; a sign after it is no number.
    if (*begin == '+') {
        ++begin;
        if (begin == buffer + n || *begin == '+' || *begin == '-')
            return std::nullopt;
    }
    double value = 0;
    const std::from_chars_result r = std::from_chars(begin, buffer + n, value);
    if (r.ec != std::errc() || r.ptr != buffer + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

float DecimalText::toReal(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    text = text.mid(start);
    const std::optional<double> v = strict(text, text.indexOf(u','));
    if (!v || std::abs(*v) > double(std::numeric_limits<float>::max()))
        return 0.0f;
    return float(*v);
}

std::optional<double> DecimalText::parse(QStringView text, bool* empty) {
    text = text.trimmed();
    if (empty)
        *empty = text.isEmpty();
    if (text.isEmpty())
        return 0.0;
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && (text.indexOf(u',', comma + 1) >= 0 || text.contains(u'.')))
        return std::nullopt;
    return strict(text, comma);
}

} // namespace vexamat
