#include "fielddata/field_scan.h"

#include "fielddata/codepage.h"

#include <algorithm>
#include <cstring>
#include <future>

#include "fielddata/coordinates.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace fielddata {

namespace {

// The reader's boxes, or why they are no field: the reader stops, or a
// fielder never comes, its block read twice in another's place.
Outcome<FieldTexts> readNineFielders(std::string_view text) {
    if (!beginsAsAField(text)) return Failure{"It does not begin with \"BEGIN\", as every field does."};
    const FieldTextReading reading = readFieldText(text);
    if (reading.failure) return Failure{*reading.failure};
    FieldTexts texts;
    std::array<bool, kFielderCount> filled{};
    for (const FilledBox& box : reading.filled) {
        auto& fielder = texts[std::size_t(box.fielder)];
        std::string* target[] = {&fielder.x, &fielder.z, &fielder.animation, &fielder.value};
        *target[int(box.box)] = box.text;
        filled[std::size_t(box.fielder)] = true;
    }
    for (int i = 0; i < kFielderCount; ++i)
        if (!filled[std::size_t(i)]) return Failure{"Fielder " + std::to_string(i) + " is missing."};
    return texts;
}

}  // namespace

std::optional<std::string> whyNoField(std::string_view text) {
    const auto read = readNineFielders(text);
    if (!read) return read.reason();
    return std::nullopt;
}

Outcome<FieldTexts> readWholeFieldAt(Archive& archive, FieldOffset offset) {
    const auto slot = archive.readSlot(offset);
    if (!slot) return Failure{slot.reason()};
    return readWholeField(slot.value());
}

Outcome<FieldTexts> readWholeField(std::string_view text) {
    auto read = readNineFielders(text);
    if (!read) return read;
    const FieldTexts& texts = read.value();
    for (int i = 0; i < kFielderCount; ++i) {
        for (const std::string* coordinate : {&texts[std::size_t(i)].x, &texts[std::size_t(i)].z}) {
            const auto value = parseCoordinate(*coordinate);
            if (!value || !inCoordinateRange(value.value()))
                return Failure{"Fielder " + std::to_string(i) + " not in range: " + quotedForMessage(*coordinate) + "."};
        }
        if (!animationEntry(texts[std::size_t(i)].animation))
            return Failure{"Fielder " + std::to_string(i) + " has no animation of the list."};
    }
    return read;
}

namespace {

constexpr std::string_view kFielderMark = "Fielder_";
// The reader takes nine distinct fielder numbers, each after a "Fielder_"
// but for one that a missing mark takes from the text's 8th character.
constexpr std::ptrdiff_t kFewestFielderMarks = kFielderCount - 1;

}  // namespace

Outcome<ScanFindings> scanArchive(FileSystem& fs, const std::filesystem::path& archive, std::size_t blockSize) {
    auto opened = fs.openExisting(archive, false);
    if (!opened) return Failure{opened.reason()};
    OpenFile file(fs, opened.value(), archive);
    // Two buffers: while one block is searched, the next is read into the
    // other, so the search costs no time beside the reading. Each block
    // stands behind the last bytes of the block before it, so a header or a
    // slot that a boundary cuts is whole where the header begins.
    constexpr std::size_t kCarried = kSlotLength - 1;
    std::vector<char> buffers[2] = {std::vector<char>(kCarried + blockSize), std::vector<char>(kCarried + blockSize)};
    const auto readBlock = [&](std::uint64_t index) {
        return file.readInto(index * blockSize, buffers[index % 2].data() + kCarried, blockSize);
    };
    ScanFindings found;
    std::vector<std::size_t> marks;
    auto next = readBlock(0);
    std::size_t carried = 0;
    for (std::uint64_t index = 0;; ++index) {
        if (!next) return Failure{next.reason()};
        const std::size_t length = next.value();
        std::vector<char>& buffer = buffers[index % 2];
        const bool last = length < blockSize;
        if (index > 0) std::memcpy(buffer.data() + kCarried - carried, buffers[(index + 1) % 2].data() + kCarried + blockSize - carried, carried);
        std::future<Outcome<std::size_t>> reading;
        if (!last) reading = std::async(std::launch::async, readBlock, index + 1);
        const std::string_view window(buffer.data() + kCarried - carried, carried + length);
        const std::uint64_t start = index * blockSize - carried;
        // Headers whose slot may run into the next block wait for it, which carries them.
        const std::size_t settled = last ? window.size() : window.size() - std::min(window.size(), kCarried);
        marks.clear();
        for (std::size_t at = window.find(kFielderMark); at != window.npos; at = window.find(kFielderMark, at + 1))
            marks.push_back(at);
        for (std::size_t at = window.find(kFieldStart); at < settled; at = window.find(kFieldStart, at + 1)) {
            if (at + kSlotLength > window.size()) continue;
            const std::uint64_t position = start + at;
            const bool inFound = !found.fields.empty() && position < found.fields.back() + kSlotLength;
            // One field told of for each found before it is enough.
            if (inFound && !found.overlapping.empty() && found.overlapping.back().second == found.fields.back()) continue;
            const auto firstMark = std::lower_bound(marks.begin(), marks.end(), at);
            const auto endOfMarks = std::lower_bound(firstMark, marks.end(), at + kSlotLength - kFielderMark.size());
            if (endOfMarks - firstMark < kFewestFielderMarks || whyNoField(window.substr(at, kSlotLength))) continue;
            if (inFound) found.overlapping.emplace_back(position, found.fields.back());
            else found.fields.push_back(position);
        }
        if (last) return found;
        carried = window.size() - settled;
        next = reading.get();
    }
}

std::string catalogueOf(const std::vector<NamedSlot>& fields) {
    std::string text;
    for (const NamedSlot& field : fields) {
        const std::string offset = std::to_string(field.offset);
        std::string name = std::string("Field at ").append(offset);
        if (!field.name.empty()) name.append(": ").append(field.name);
        const std::string stored = cp1252FromUtf8(name).value_or(std::string("Field at ").append(offset));
        text.append("\"").append(stored).append("\",").append(offset).append("\r\n");
    }
    return text;
}

}  // namespace fielddata
