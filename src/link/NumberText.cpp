#include "link/NumberText.h"

#include <optional>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

namespace vk220::link {

namespace {

bool IsIgnoredBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Digits and exponent of a value rounded to 15 significant digits: value = 0.d1d2d3... * 10^exp.
struct Digits {
    bool negative = false;
    std::string digits; // no trailing zeros, empty for zero
    int exponent = 0;   // position of the decimal point relative to the first digit
};

Digits Decompose(double value) {
    Digits d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    d.negative = value < 0;
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 14);
    const std::string text(buffer, written.ptr);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    mantissa.erase(1, 1); // the point after the first digit
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    d.digits = mantissa;
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

// The power of ten of a number text's first significant digit, its written exponent included:
// 2 for "123.4", -3 for "0.00123", 4 for "-5e4". The exponent saturates far beyond any double's
// range. The text is as LeadingNumber collects it, with at least one non-zero digit.
long long DecimalOrder(std::string_view number) {
    constexpr long long saturation = 1'000'000;
    const size_t e = number.find('e');
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const bool negative = number.substr(e + 1).starts_with('-');
        for (const char c : number.substr(e + 1)) {
            if (c >= '0' && c <= '9')
                exponent = std::min(exponent * 10 + (c - '0'), saturation);
        }
        if (negative)
            exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    const long long order = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return order + exponent;
}

QString Plain(const Digits &d, bool leadingZero) {
    if (d.digits.empty())
        return QStringLiteral("0");
    std::string out = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        out += leadingZero ? "0." : ".";
        out += std::string(static_cast<size_t>(-d.exponent), '0') + d.digits;
    } else if (d.exponent >= count) {
        out += d.digits + std::string(static_cast<size_t>(d.exponent - count), '0');
    } else {
        out += d.digits.substr(0, static_cast<size_t>(d.exponent)) + "." +
               d.digits.substr(static_cast<size_t>(d.exponent));
    }
    return QString::fromStdString(out);
}

QString Scientific(const Digits &d) {
    std::string out = d.negative ? "-" : "";
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        out += "." + d.digits.substr(1);
    const int exponent = d.exponent - 1;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return QString::fromStdString(out + buffer);
}

} // namespace

namespace NumberText {

double LeadingNumber(QStringView text) {
    return FindLeadingNumber(text).value_or(0.0);
}

std::optional<double> FindLeadingNumber(QStringView text) {
    std::string number;
    bool digitSeen = false;
    bool pointSeen = false;
    enum class Stage { Sign, Mantissa, ExponentSign, Exponent } stage = Stage::Sign;
    for (const QChar c : text) {
        if (IsIgnoredBlank(c))
            continue;
        const char a = c.toLatin1();
        if (stage == Stage::Sign && (a == '+' || a == '-')) {
            number += a;
            stage = Stage::Mantissa;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && a >= '0' && a <= '9') {
            number += a;
            digitSeen = true;
            stage = Stage::Mantissa;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && a == '.' && !pointSeen) {
            number += a;
            pointSeen = true;
            stage = Stage::Mantissa;
        } else if (stage == Stage::Mantissa && digitSeen &&
                   (a == 'e' || a == 'E' || a == 'd' || a == 'D')) {
            number += 'e';
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (a == '+' || a == '-')) {
            number += a;
            stage = Stage::Exponent;
        } else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && a >= '0' &&
                   a <= '9') {
            number += a;
            stage = Stage::Exponent;
        } else {
            break;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    // An exponent marker without digits ("1e", "1e-") does not belong to the number.
    while (!number.empty() &&
           (number.back() == 'e' || number.back() == '+' || number.back() == '-'))
        number.pop_back();
    // Converted without the C library's locale: the point is the decimal separator everywhere.
    const char *first = number.c_str();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.c_str() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the order of magnitude tells which, whatever the
        // sign of the written exponent ("1" and 310 zeros then "e-1" is 1e309, far too large).
        const double magnitude =
            DecimalOrder(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

QString General(double value) {
    return Plain(Decompose(value), true);
}

QString Short(double value) {
    const Digits d = Decompose(value);
    // Judged on the value as rounded to its digits, so that a text reads back to a value that is
    // written the same way: 999999999999999.9 rounds to 1E+15 and is written so.
    const int scientificExponent = d.exponent - 1;
    if (!d.digits.empty() && (scientificExponent < -4 || scientificExponent >= 15))
        return Scientific(d);
    return Plain(d, false);
}

} // namespace NumberText

} // namespace vk220::link
