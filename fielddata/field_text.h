#pragma once
// The game's field text block: a fixed header, nine fielder groups and "END".
// Of each fielder only four texts vary: X, Z, animation name and value.
// Texts are Windows-1252 bytes, one per character, moved unchanged.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fielddata {

constexpr int kFielderCount = 9;
constexpr std::size_t kFixedBlockLength = 1284;

// The entries every animation list holds, in list order.
constexpr std::array<std::string_view, 3> kAnimationNames = {
    "Basic04b.anm", "Slip01.anm", "Close01.anm"};

// The list entry an animation name selects. Names match regardless of ASCII
// case, as the game finds its animation files on a case-blind file system.
std::optional<std::size_t> animationEntry(std::string_view name);

struct FielderTexts {
    std::string x, z, animation, value;
    bool operator==(const FielderTexts&) const = default;
};
using FieldTexts = std::array<FielderTexts, kFielderCount>;

std::string buildFieldText(const FieldTexts& texts);

enum class FielderBox { X, Z, Animation, Value };

// One box filled by the reader, in the order the reader filled it. An
// animation carries the list entry's own spelling.
struct FilledBox {
    int fielder;
    FielderBox box;
    std::string text;
    bool operator==(const FilledBox&) const = default;
};

struct FieldTextReading {
    std::vector<FilledBox> filled;
    std::optional<std::string> failure;  // why the reader stopped, if it did
};

// Reads nine fielder groups from the text of a slot or an exchange file,
// whatever follows them. Any text gives boxes and at most one failure.
FieldTextReading readFieldText(std::string_view text);

}  // namespace fielddata
