#include "fielddata/field_text.h"

#include <algorithm>

#include "fielddata/codepage.h"
#include "fielddata/message_text.h"

namespace fielddata {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineEndIndent = "\r\n\t";

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The reader counts characters from 1, as the block format is described;
// these two keep that arithmetic and every bound in one place.
class Text {
public:
    explicit Text(std::string_view text) : text_(text) {}

    // First position of `what` at or after `from`, or 0 when it does not occur.
    long find(std::string_view what, long from) const {
        if (from < 1 || from > long(text_.size())) return 0;
        const auto at = text_.find(what, std::size_t(from - 1));
        return at == std::string_view::npos ? 0 : long(at) + 1;
    }

    // `length` characters from `from`, clipped to the text; nullopt for the
    // impossible slices a failed search produces.
    std::optional<std::string_view> slice(long from, long length) const {
        if (from < 1 || length < 0) return std::nullopt;
        if (from > long(text_.size())) return std::string_view{};
        return text_.substr(std::size_t(from - 1), std::size_t(length));
    }

private:
    std::string_view text_;
};

std::vector<std::string_view> splitAtSpaces(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto space = text.find(' ', start);
        pieces.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) return pieces;
        start = space + 1;
    }
}

std::string quoted(std::string_view text) { return quotedForMessage(utf8FromCp1252(text)); }

}  // namespace

std::optional<std::size_t> animationEntry(std::string_view name) {
    for (std::size_t i = 0; i < kAnimationNames.size(); ++i)
        if (equalsIgnoringAsciiCase(name, kAnimationNames[i])) return i;
    return std::nullopt;
}

std::string buildFieldText(const FieldTexts& texts) {
    std::string fixedRun;
    for (std::string_view line :
         {"TransSync FALSE", "PlayerLOD -1", "FacialAnim None 9999.999f", "StartTime 0.000000"}) {
        fixedRun += kLineEndIndent;
        fixedRun += line;
    }
    fixedRun += kLineEndIndent;
    fixedRun += "StartXZ ";

    std::string block;
    block.reserve(2048);
    block += "BEGIN";
    block += kLineEnd;
    block += "ID 9999";
    block += kLineEndIndent;
    block += "NumCamera 0";
    block += kLineEnd;
    block += kLineEnd;
    for (int i = 0; i < kFielderCount; ++i) {
        const FielderTexts& f = texts[std::size_t(i)];
        if (i == 0) {
            block += '\t';
        } else {
            block += kLineEnd;
            block += kLineEndIndent;
        }
        block += "Player Fielder_";
        block += char('0' + i);
        block += fixedRun;
        block += f.x;
        block += ' ';
        block += f.z;
        block += kLineEndIndent;
        block += "NumAnim 1";
        block += kLineEndIndent;
        block += f.animation;
        block += ' ';
        block += f.value;
        block += " AC_PLAY";
    }
    block += kLineEnd;
    block += "END";
    return block;
}

FieldTextReading readFieldText(std::string_view whole) {
    const Text text(whole);
    FieldTextReading reading;
    const auto stop = [&](std::string why) {
        reading.failure = std::move(why);
        return reading;
    };
    const auto fill = [&](int fielder, FielderBox box, std::string_view value) {
        reading.filled.push_back({fielder, box, std::string(value)});
    };

    long a = 1;
    for (int run = 0; run < kFielderCount; ++run) {
        // The index comes from the text; without a "Fielder_" the search gives
        // 0 and the character at position 8 is taken, as the format implies.
        long b = text.find("Fielder_", a);
        const auto indexChar = text.slice(b + 8, 1).value_or(std::string_view{});
        if (indexChar.size() != 1 || indexChar[0] < '0' || indexChar[0] > '9')
            return stop("Type mismatch: the fielder index " + quoted(indexChar) +
                        " is not a number");
        const int fielder = indexChar[0] - '0';

        b = text.find("StartXZ", a) + 8;
        a = text.find("\r", b);
        if (a == 0) a = text.find("\n", b);
        const auto coordinates = text.slice(b, a - b);
        if (!coordinates)
            return stop("Invalid procedure call or argument: no line end follows the coordinates of fielder " +
                        std::to_string(fielder));
        if (fielder >= kFielderCount)
            return stop("Subscript out of range: there is no fielder " + std::to_string(fielder));
        const auto pieces = splitAtSpaces(*coordinates);
        fill(fielder, FielderBox::X, pieces[0]);
        if (pieces.size() < 2)
            return stop("Subscript out of range: the coordinates " + quoted(*coordinates) +
                        " of fielder " + std::to_string(fielder) + " have no Z part");
        fill(fielder, FielderBox::Z, pieces[1]);

        b = text.find("NumAnim", a) + 12;
        a = text.find(" ", b);
        const auto name = text.slice(b, a - b);
        if (!name)
            return stop("Invalid procedure call or argument: no space follows the animation name of fielder " +
                        std::to_string(fielder));
        auto entry = animationEntry(*name);
        if (!entry) {
            // One character earlier: with bare LF line ends the name starts there.
            const auto earlier = text.slice(b - 1, a - b + 1);
            entry = earlier ? animationEntry(*earlier) : std::nullopt;
            if (!entry)
                return stop("Invalid property value: the animation " + quoted(*name) + " of fielder " +
                            std::to_string(fielder) + " is not one of the animation list's entries");
        }
        fill(fielder, FielderBox::Animation, kAnimationNames[*entry]);

        b = a + 1;
        a = text.find(" ", b);
        const auto value = text.slice(b, a - b);
        if (!value)
            return stop("Invalid procedure call or argument: no space follows the value of fielder " +
                        std::to_string(fielder));
        fill(fielder, FielderBox::Value, *value);
    }
    return reading;
}

}  // namespace fielddata
