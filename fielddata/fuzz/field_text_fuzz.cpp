// Seeded random inputs for everything that reads text from a file: the field
// text reader, the coordinate conversion and the catalogue. Built with the
// address and undefined-behaviour sanitizers by scripts/run-fuzz.sh; any
// crash, hang or out-of-bounds access stops it.
//
//   field_text_fuzz [inputs] [seed]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "fielddata/catalogue.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"

namespace {

using fielddata::kFielderCount;

const char* const kPieces[] = {"Fielder_", "StartXZ ", "NumAnim 1", "\t", " ", "  ", "\r\n", "\n", "\r",
                               "Basic04b.anm", "slip01.ANM", "Close01", "9", "-", ".", "1.5", "\"", ",", "\0"};

std::string validBlock(std::mt19937_64& random) {
    fielddata::FieldTexts texts;
    std::uniform_real_distribution<float> position(-9, 9);
    for (int i = 0; i < kFielderCount; ++i)
        texts[i] = {fielddata::formatCoordinate(position(random)), fielddata::formatCoordinate(position(random)),
                    std::string(fielddata::kAnimationNames[random() % 3]), std::to_string(random() % 100)};
    return fielddata::buildFieldText(texts);
}

// A valid block bent in a few random ways, or plain noise.
std::string input(std::mt19937_64& random) {
    if (random() % 16 == 0) {
        std::string noise(random() % 3000, '\0');
        for (char& c : noise) c = char(random());
        return noise;
    }
    std::string text = validBlock(random);
    const int edits = 1 + int(random() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = random() % text.size();
        switch (random() % 6) {
        case 0: text[at] = char(random()); break;
        case 1: text.erase(at, 1 + random() % 40); break;
        case 2: text.insert(at, kPieces[random() % std::size(kPieces)]); break;
        case 3: text.resize(at); break;
        case 4: text.replace(at, 1, std::string(1 + random() % 4, char(random() % 2 ? ' ' : '\r'))); break;
        case 5: text += std::string(random() % 800, '\0'); break;
        }
    }
    return text;
}

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "field_text_fuzz: %s for an input of %zu bytes\n", what, text.size());
    std::abort();
}

void check(const std::string& text) {
    const auto reading = fielddata::readFieldText(text);
    if (reading.filled.size() > std::size_t(4 * kFielderCount)) fail("too many boxes filled", text);
    for (const auto& box : reading.filled) {
        if (box.fielder < 0 || box.fielder >= kFielderCount) fail("a fielder outside 0 to 8", text);
        if (box.text.size() > text.size()) fail("a box longer than its text", text);
        if (box.box == fielddata::FielderBox::Animation && !fielddata::animationEntry(box.text))
            fail("an animation that is no entry", text);
    }
    if (!reading.failure && reading.filled.size() != std::size_t(4 * kFielderCount)) fail("a short success", text);

    const auto value = fielddata::parseCoordinate(std::string_view(text).substr(0, text.size() % 24));
    if (value && !std::isfinite(value.value())) fail("a non-finite coordinate", text);

    const auto catalogue = fielddata::Catalogue::parse(text);
    (void)catalogue.lookUp(int(catalogue.names().size() / 2));
    (void)catalogue.namedSlots();
}

}  // namespace

int main(int argc, char** argv) {
    const long inputs = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207ULL;
    std::mt19937_64 random(seed);
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < inputs; ++n) check(input(random));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("field_text_fuzz: %ld inputs from seed %llu in %.1f s, no fault\n", inputs, seed, seconds);
    return 0;
}
