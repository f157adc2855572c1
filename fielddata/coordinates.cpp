#include "fielddata/coordinates.h"

#include "fielddata/message_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace fielddata {

float viewToGame(Twips position) {
    double value = position;
    value = value * 8;
    value = value / 3;
    value = 8000 - value;
    value = value / 1000;
    return static_cast<float>(value);
}

Twips gameToView(double value) {
    double position = value * 1000;
    position = 8000 - position;
    position = position * 3;
    position = position / 8;
    return static_cast<Twips>(position);
}

std::string formatCoordinate(float value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                      std::chars_format::fixed, 6);
    if (error != std::errc{}) return "0.000000";  // unreachable for finite floats
    std::string text(buffer, end);
    // A value that rounds to nothing reads as plain zero, not "-0.000000".
    if (text == "-0.000000") text.erase(0, 1);
    return text;
}

Outcome<double> parseCoordinate(std::string_view text) {
    const auto fail = [&] {
        return Failure{"Cannot convert " + quotedForMessage(text) + " to a number"};
    };
    std::string_view rest = text;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    std::size_t digits = 0;
    std::size_t points = 0;
    for (char c : rest) {
        if (c >= '0' && c <= '9') ++digits;
        else if (c == '.') ++points;
        else return fail();
    }
    if (digits == 0 || points > 1) return fail();

    double value = 0;
    const auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != rest.data() + rest.size() || !std::isfinite(value))
        return fail();
    return negative ? -value : value;
}

bool inCoordinateRange(double value) {
    return value >= kMinCoordinate && value <= kMaxCoordinate;
}

}  // namespace fielddata
