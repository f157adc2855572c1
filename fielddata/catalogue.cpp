#include "fielddata/catalogue.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "fielddata/message_text.h"
#include "fielddata/codepage.h"
#include "fielddata/message_text.h"

namespace fielddata {
namespace {

struct Item {
    std::string text;
    int line;  // 1-based line where the item starts
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
        if (content_[pos_] == '"') {
            consume();
            while (pos_ < content_.size() && content_[pos_] != '"') item.text += consume();
            if (pos_ < content_.size()) consume();
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos_ < content_.size() && !isSeparator(content_[pos_])) consume();
        } else {
            while (pos_ < content_.size() && !isSeparator(content_[pos_])) item.text += consume();
        }
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

struct Record {
    Item name;
    Item offset;
};

Outcome<std::optional<Record>> nextRecord(ItemReader& reader) {
    if (reader.atEndOfRecords()) return std::optional<Record>{};
    auto name = reader.next();
    auto offset = reader.next();
    if (!offset)
        return Failure{"Field.txt cannot be read: the last record (line " + std::to_string(name->line) + ", " +
                       quotedForMessage(utf8FromCp1252(name->text)) + ") has no field offset."};
    return std::optional<Record>{Record{std::move(*name), std::move(*offset)}};
}

Outcome<FieldOffset> parseOffset(const Item& item) {
    std::string_view text = item.text;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    FieldOffset value = 0;
    const char* first = text.data();
    if (!text.empty() && text.front() == '+') ++first;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    const std::string shown = quotedForMessage(utf8FromCp1252(item.text));
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return Failure{"Field.txt cannot be read: the field offset " + shown + " on line " + std::to_string(item.line) +
                       " is not a whole number from -2147483648 to 2147483647."};
    // Offsets count from the archive's first byte, 1.
    if (value < 1)
        return Failure{"Field.txt cannot be read: the field offset " + shown + " on line " + std::to_string(item.line) +
                       " names no slot, as offsets count from 1."};
    return value;
}

}  // namespace

CatalogueListing listCatalogueNames(std::string_view content) {
    CatalogueListing listing;
    ItemReader reader(content);
    for (;;) {
        auto record = nextRecord(reader);
        if (!record) {
            listing.problem = record.reason();
            return listing;
        }
        if (!record.value()) return listing;
        listing.names.push_back(std::move(record.value()->name.text));
    }
}

Outcome<std::optional<FieldOffset>> lookUpFieldOffset(std::string_view content, int selectedIndex) {
    ItemReader reader(content);
    for (int counter = 0;; ++counter) {
        auto record = nextRecord(reader);
        if (!record) return Failure{record.reason()};
        if (!record.value()) return std::optional<FieldOffset>{};
        // Every record read is read whole, the offset as a number.
        auto offset = parseOffset(record.value()->offset);
        if (!offset) return Failure{offset.reason()};
        if (counter == selectedIndex) return std::optional<FieldOffset>{offset.value()};
    }
}

bool isPlainFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return false;
#endif
    return true;
}

Outcome<std::string> readCatalogueFile(const std::filesystem::path& path) {
    if (!isPlainFile(path)) return Failure{"Unable to find Field.txt"};
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return Failure{describeFileError("Cannot open", path)};
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return Failure{describeFileError("Cannot read", path)};
    // Some editors save a UTF-8 byte order mark; it is no part of a list name.
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
    return content;
}

}  // namespace fielddata
