#include "fielddata/catalogue.h"

#include <charconv>

#include "fielddata/codepage.h"
#include "fielddata/message_text.h"

namespace fielddata {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Far beyond any catalogue of the game's; a larger file is no catalogue.
constexpr std::size_t kLongestCatalogue = std::size_t(64) << 20;

struct Item {
    std::string text;
    int line;  // 1-based line where the item starts
    bool unclosed = false;  // a quote that runs to the end of the file
    std::size_t begin = 0, end = 0;  // its bytes, quotes included, separator not
};

class ItemReader {
public:
    explicit ItemReader(std::string_view content) : content_(content) {}

    // Blank lines and blanks between records carry nothing.
    bool atEndOfRecords() {
        while (pos_ < content_.size() && isSpaceOrLineEnd(content_[pos_])) consume();
        return pos_ >= content_.size();
    }

    // nullopt at the end of the content.
    std::optional<Item> next() {
        while (pos_ < content_.size() && isBlank(content_[pos_])) consume();
        if (pos_ >= content_.size()) return std::nullopt;
        Item item{{}, line_};
        item.begin = pos_;
        if (content_[pos_] == '"') {
            consume();
            while (pos_ < content_.size() && content_[pos_] != '"') item.text += consume();
            item.unclosed = pos_ >= content_.size();
            if (!item.unclosed) consume();
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos_ < content_.size() && !isSeparator(content_[pos_])) consume();
        } else {
            while (pos_ < content_.size() && !isSeparator(content_[pos_])) item.text += consume();
        }
        item.end = pos_;
        skipSeparator();
        return item;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool isSeparator(char c) { return c == ',' || isLineEnd(c); }
    static bool isSpaceOrLineEnd(char c) { return isBlank(c) || isLineEnd(c); }

    char consume() {
        const char c = content_[pos_++];
        // CR LF, a bare CR and a bare LF each end one line.
        if (c == '\n' || (c == '\r' && (pos_ >= content_.size() || content_[pos_] != '\n'))) ++line_;
        return c;
    }

    void skipSeparator() {
        if (pos_ >= content_.size()) return;
        if (content_[pos_] == ',') {
            consume();
        } else if (content_[pos_] == '\r') {
            consume();
            if (pos_ < content_.size() && content_[pos_] == '\n') consume();
        } else if (content_[pos_] == '\n') {
            consume();
        }
    }

    std::string_view content_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// The whole file, which must be a plain file of at most 64 MiB.
Outcome<std::string> catalogueBytes(FileSystem& fs, const std::filesystem::path& path) {
    if (!isPlainFile(fs, path)) return Failure{"Unable to find Field.txt"};
    auto content = readFileStart(fs, path, kLongestCatalogue + 1);
    if (content && content.value().size() > kLongestCatalogue)
        return Failure{quotedPath(path) + " is larger than 64 MiB, so it is no catalogue of fields."};
    return content;
}

std::string unclosedQuote(const Item& item) {
    return "Field.txt cannot be read: the quote that opens line " + std::to_string(item.line) + " is never closed.";
}

}  // namespace

Catalogue Catalogue::parse(std::string_view content) {
    Catalogue catalogue;
    const bool utf8 = content.starts_with(kByteOrderMark);
    if (utf8) content.remove_prefix(kByteOrderMark.size());
    // A malformed sequence in a UTF-8 file shows as U+FFFD, never as raw bytes.
    const auto shown = [utf8](const std::string& bytes) {
        return utf8 ? utf8FromCodePoints(decodeUtf8(bytes)) : utf8FromCp1252(bytes);
    };
    ItemReader reader(content);
    while (!reader.atEndOfRecords()) {
        auto name = reader.next();
        auto offset = reader.next();
        if (name->unclosed) {
            catalogue.problem_ = unclosedQuote(*name);
            break;
        }
        if (!offset) {
            catalogue.problem_ = "Field.txt cannot be read: the last record (line " + std::to_string(name->line) +
                                 ", " + quotedForMessage(shown(name->text)) + ") has no field offset.";
            break;
        }
        if (offset->unclosed) {
            catalogue.problem_ = unclosedQuote(*offset);
            break;
        }
        const std::size_t skipped = utf8 ? kByteOrderMark.size() : 0;
        catalogue.records_.push_back(
            {shown(name->text), shown(offset->text), offset->line, name->begin + skipped, name->end + skipped});
        catalogue.names_.push_back(catalogue.records_.back().name);
    }
    return catalogue;
}

Outcome<FieldOffset> Catalogue::offsetOf(const Record& record) const {
    std::string_view text = record.offset;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    FieldOffset value = 0;
    const char* first = text.data();
    if (!text.empty() && text.front() == '+') ++first;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    const std::string shown = quotedForMessage(record.offset);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return Failure{"Field.txt cannot be read: the field offset " + shown + " on line " + std::to_string(record.line) +
                       " is not a whole number from -2147483648 to 2147483647."};
    // Offsets count from the archive's first byte, 1.
    if (value < 1)
        return Failure{"Field.txt cannot be read: the field offset " + shown + " on line " + std::to_string(record.line) +
                       " names no slot, as offsets count from 1."};
    return value;
}

Outcome<FieldOffset> Catalogue::offsetAt(int record) const {
    if (record < 0 || std::size_t(record) >= records_.size()) return Failure{"Field.txt holds no such record."};
    return offsetOf(records_[std::size_t(record)]);
}

Outcome<std::optional<FieldOffset>> Catalogue::lookUp(int selectedIndex) const {
    for (std::size_t counter = 0; counter < records_.size(); ++counter) {
        auto offset = offsetOf(records_[counter]);
        if (!offset) return Failure{offset.reason()};
        if (int(counter) == selectedIndex) return std::optional<FieldOffset>{offset.value()};
    }
    if (problem_) return Failure{*problem_};
    return std::optional<FieldOffset>{};
}

Outcome<std::vector<NamedSlot>> Catalogue::namedSlots() const {
    std::vector<NamedSlot> slots;
    for (const Record& record : records_) {
        auto offset = offsetOf(record);
        if (!offset) return Failure{offset.reason()};
        slots.push_back({record.name, offset.value()});
    }
    if (problem_) return Failure{*problem_};
    return slots;
}

std::vector<NamedSlot> Catalogue::readableSlots() const {
    std::vector<NamedSlot> slots;
    for (const Record& record : records_)
        if (auto offset = offsetOf(record)) slots.push_back({record.name, offset.value()});
    return slots;
}

Outcome<std::string> Catalogue::renamed(std::string_view content, int record, const std::string& name) const {
    if (record < 0 || std::size_t(record) >= records_.size()) return Failure{"Field.txt holds no such record."};
    if (name.find_first_not_of(" \t") == std::string::npos) return Failure{"A field's name cannot be empty."};
    for (const unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return Failure{"A field's name cannot hold a line end or a control character."};
    std::string bytes = name;
    if (!content.starts_with(kByteOrderMark)) {
        const auto encoded = cp1252FromUtf8(name);
        if (!encoded)
            return Failure{"The name " + quotedForMessage(name) +
                           " holds a character that Field.txt cannot hold, as it is written in Windows-1252."};
        bytes = *encoded;
    }
    // A comma would end the name, blanks at its ends would be lost; a quote
    // inside quotes ends them, so such a name stands bare.
    const bool quoted = name.find(',') != std::string::npos || name.front() == ' ' || name.back() == ' ' ||
                        name.front() == '\t' || name.back() == '\t';
    if (quoted) bytes = "\"" + bytes + "\"";
    const Record& old = records_[std::size_t(record)];
    std::string result(content.substr(0, old.nameBegin));
    result += bytes;
    result += content.substr(old.nameEnd);
    // Only what reads back as the same records with the new name is written.
    const Catalogue check = parse(result);
    bool same = check.records_.size() == records_.size() && check.problem_ == problem_;
    for (std::size_t i = 0; same && i < records_.size(); ++i)
        same = check.records_[i].name == (i == std::size_t(record) ? name : records_[i].name) &&
               check.records_[i].offset == records_[i].offset;
    if (!same) return Failure{"The name " + quotedForMessage(name) + " cannot be written in Field.txt so that it reads back."};
    return result;
}

Status renameInCatalogue(FileSystem& fs, const std::filesystem::path& path, int record, const std::string& oldName,
                         const std::string& name) {
    const auto content = catalogueBytes(fs, path);
    if (!content) return Failure{content.reason()};
    const Catalogue catalogue = Catalogue::parse(content.value());
    if (record < 0 || std::size_t(record) >= catalogue.names().size() || catalogue.names()[std::size_t(record)] != oldName)
        return Failure{"Field.txt has changed since it was read, so " + quotedForMessage(oldName) +
                       " was not renamed. Start Ringwright again to read it afresh."};
    const auto renamed = catalogue.renamed(content.value(), record, name);
    if (!renamed) return Failure{renamed.reason()};
    // The catalogue as it first was is kept once, beside it.
    std::filesystem::path kept = path;
    kept += ".bak";
    if (!nameTaken(fs, kept))
        if (auto made = createDurably(fs, kept, content.value(), &path); !made)
            return Failure{"Field.txt was left as it was: its copy " + quotedPath(kept) + " could not be made. " + made.reason()};
    if (auto replaced = replaceDurably(fs, path, renamed.value(), &path); !replaced)
        return Failure{"Field.txt was left as it was. " + replaced.reason()};
    return success();
}

bool isPlainFile(FileSystem& fs, const std::filesystem::path& path) {
    const auto facts = fs.facts(path);
    return facts && facts.value().kind == FileKind::Plain && !facts.value().hidden;
}

Outcome<Catalogue> readCatalogue(FileSystem& fs, const std::filesystem::path& path) {
    const auto content = catalogueBytes(fs, path);
    if (!content) return Failure{content.reason()};
    return Catalogue::parse(content.value());
}

}  // namespace fielddata
