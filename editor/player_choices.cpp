#include "editor/player_choices.h"

#include <algorithm>

#include "fielddata/file_system.h"

namespace ringwright {

PlayerChoices::PlayerChoices(std::filesystem::path file) : file_(std::move(file)) {
    auto& files = fielddata::systemFileSystem();
    const auto text = file_.empty() ? fielddata::Outcome<std::string>(fielddata::Failure{})
                                    : fielddata::readFileStart(files, file_, 1 << 20);
    if (!text) return;
    const std::string& all = text.value();
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        std::string line = all.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('[') && line.ends_with(']')) {
            sections_.push_back({line.substr(1, line.size() - 2), {}});
        } else if (const auto equals = line.find('='); equals != std::string::npos && !sections_.empty()) {
            sections_.back().second.push_back({line.substr(0, equals), line.substr(equals + 1)});
        }
    }
}

std::optional<std::string> PlayerChoices::get(const std::string& section, const std::string& key) const {
    for (const auto& [name, entries] : sections_)
        if (name == section)
            for (const auto& [found, value] : entries)
                if (found == key) return value;
    return std::nullopt;
}

fielddata::Status PlayerChoices::set(const std::string& section, const std::string& key, const std::string& value) {
    if (file_.empty()) return fielddata::Failure{"the system names no folder for Ringwright's settings"};
    auto named = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) { return s.first == section; });
    if (named == sections_.end()) named = sections_.insert(sections_.end(), {section, {}});
    auto& entries = named->second;
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
    if (entry == entries.end()) entries.push_back({key, value});
    else entry->second = value;
    std::string text;
    for (const auto& [name, keys] : sections_) {
        text += "[" + name + "]\r\n";
        for (const auto& [k, v] : keys) text += k + "=" + v + "\r\n";
    }
    auto& files = fielddata::systemFileSystem();
    auto made = fielddata::makeFoldersDurably(files, file_.parent_path());
    if (made) made = fielddata::replaceDurably(files, file_, text);
    return made;
}

}  // namespace ringwright
