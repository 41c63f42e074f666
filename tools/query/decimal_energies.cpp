// Decimal numbers as scaled integers: value = digits x 10^exponent.
#include "query/decimal_energies.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "query/number_list.h"

namespace velmora::query {
namespace {

// Below 10^15 every integer of digits prints back from its nearest double unchanged.
constexpr std::int64_t kDigitsLimit = 1'000'000'000'000'000;
constexpr int kLargestExponent = 400;

struct Decimal {
    std::int64_t digits = 0;
    int exponent = 0;
};

// [sign] digits [. digits] [E|e [sign] digits], already known to be a number.
std::optional<Decimal> ParseDecimal(std::string_view text) {
    if (!IsNumberText(text)) {
        return std::nullopt;
    }
    Decimal d;
    bool negative = false;
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos++] == '-';
    }
    bool fraction = false;
    for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
        if (text[pos] == '.') {
            fraction = true;
            continue;
        }
        if (d.digits >= kDigitsLimit / 10) {
            return std::nullopt;
        }
        d.digits = d.digits * 10 + (text[pos] - '0');
        d.exponent -= fraction ? 1 : 0;
    }
    if (pos < text.size()) {
        int exponent = 0;
        std::string_view rest = text.substr(pos + 1);
        if (rest.front() == '+') {
            rest.remove_prefix(1);
        }
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), exponent);
        if (error != std::errc() || end != rest.data() + rest.size() ||
            std::abs(exponent) > kLargestExponent) {
            return std::nullopt;
        }
        d.exponent += exponent;
    }
    d.digits = negative ? -d.digits : d.digits;
    return d;
}

// The digits written with a lower exponent; nullopt when they would reach the limit.
std::optional<std::int64_t> Rescaled(const Decimal& d, int exponent) {
    std::int64_t digits = d.digits;
    for (int e = d.exponent; e > exponent; --e) {
        if (std::abs(digits) >= kDigitsLimit / 10) {
            return std::nullopt;
        }
        digits *= 10;
    }
    return digits;
}

}  // namespace

std::optional<std::vector<double>> DecimalRowEnergies(std::string_view start, std::string_view step,
                                                      int lastRow) {
    const std::optional<Decimal> first = ParseDecimal(start), interval = ParseDecimal(step);
    if (!first || !interval || lastRow < 0) {
        return std::nullopt;
    }
    const int exponent = std::min(first->exponent, interval->exponent);
    const std::optional<std::int64_t> s = Rescaled(*first, exponent),
                                      d = Rescaled(*interval, exponent);
    // The rows run linearly from the first to the last, so both ends within the limit keep all
    // of them within it; n x d stays far below 2^63 for n <= 5000.
    if (!s || !d || std::abs(*s + lastRow * *d) >= kDigitsLimit) {
        return std::nullopt;
    }
    std::vector<double> energies;
    energies.reserve(static_cast<std::size_t>(lastRow) + 1);
    const std::string scale = "e" + std::to_string(exponent);
    for (std::int64_t k = 0; k <= lastRow; ++k) {
        const std::string text = std::to_string(*s + k * *d) + scale;
        double energy = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), energy);
        energies.push_back(energy);
    }
    return energies;
}

}  // namespace velmora::query
