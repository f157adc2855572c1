#include "cli/commands.h"

#include <ostream>
#include <vector>

#include "fielddata/archive_slot.h"
#include "fielddata/backups.h"
#include "fielddata/catalogue.h"
#include "fielddata/codepage.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_scan.h"
#include "fielddata/save_journal.h"

namespace ringwright::cli {
namespace {

namespace fd = fielddata;

struct Record {
    std::string name;  // UTF-8
    fd::FieldOffset offset;
};

// Every record of the catalogue, or nothing after a message.
std::optional<std::vector<Record>> readRecords(const Context& context) {
    if (!fd::isPlainFile(context.catalogue)) {
        context.err << "Unable to find Field.txt\n";
        return std::nullopt;
    }
    const auto content = fd::readCatalogueFile(context.catalogue);
    if (!content) {
        context.err << content.reason() << "\n";
        return std::nullopt;
    }
    const auto listing = fd::listCatalogueNames(content.value());
    if (listing.problem) context.err << *listing.problem << "\n";
    std::vector<Record> records;
    for (int index = 0; index < int(listing.names.size()); ++index) {
        const auto offset = fd::lookUpFieldOffset(content.value(), index);
        if (!offset) {
            context.err << offset.reason() << "\n";
            return std::nullopt;
        }
        records.push_back({fd::utf8FromCp1252(listing.names[std::size_t(index)]), *offset.value()});
    }
    return records;
}

std::optional<Record> recordNamed(const Context& context, const std::string& name) {
    const auto records = readRecords(context);
    if (!records) return std::nullopt;
    for (const Record& record : *records)
        if (record.name == name) return record;
    context.err << "Field.txt lists no field named \"" << name << "\".\n";
    return std::nullopt;
}

// A journal that an editor or this tool left puts its slot back first.
bool recoverFirst(const Context& context, const std::filesystem::path& archive) {
    const auto recovery = fd::recoverUnfinishedSave(archive, context.dataFolder);
    if (recovery.rolledBack) context.err << fd::describeRollback(archive, *recovery.rolledBack) << "\n";
    if (recovery.problem) context.err << *recovery.problem << "\n";
    return !recovery.problem;
}

// Field.txt's records cannot name a slot beyond a signed 32-bit offset.
constexpr std::uint64_t kLastNameableOffset = 2147483647;

std::string fileNameFor(const std::string& listName) {
    return fd::withExchangeExtension(listName.empty() ? "Field" : fd::withSafeCharacters(listName));
}

bool saveSlot(const Context& context, const std::filesystem::path& archive, const Record& record,
              std::string_view block) {
    const auto saved = fd::writeFieldSlot({archive, record.offset, context.dataFolder, record.name}, block);
    if (!saved) {
        context.err << saved.reason() << "\n";
        return false;
    }
    context.err << "saved\n";
    return true;
}

}  // namespace

int scan(const Context& context, const std::filesystem::path& archive, bool write) {
    if (!fd::isPlainFile(archive)) {
        context.err << "The GOB file " << fd::quotedPath(archive) << " does not exist.\n";
        return 1;
    }
    const auto found = fd::scanArchive(fd::systemFileSystem(), archive);
    if (!found) {
        context.err << found.reason() << "\n";
        return 1;
    }
    std::vector<fd::FieldOffset> offsets;
    for (const std::uint64_t position : found.value()) {
        if (position + 1 > kLastNameableOffset) {
            context.err << "The field at byte " << position + 1 << " lies beyond what Field.txt can name, "
                        << kLastNameableOffset << ", and is left out.\n";
            continue;
        }
        offsets.push_back(fd::FieldOffset(position + 1));
    }
    const std::string catalogue = fd::catalogueOf(offsets);
    if (!write) {
        context.out << catalogue;
        return 0;
    }
    std::error_code error;
    if (std::filesystem::exists(context.catalogue, error)) {
        if (!context.force) {
            context.err << fd::quotedPath(context.catalogue)
                        << " exists already; with --force it is replaced and kept beside as a backup.\n";
            return 1;
        }
        auto kept = context.catalogue;
        for (int n = 1; std::filesystem::exists(kept, error); ++n) {
            kept = context.catalogue;
            kept += "." + std::to_string(n) + ".bak";
        }
        const auto bytes = fd::readCatalogueFile(context.catalogue);
        const auto copied = bytes ? fd::replaceDurably(fd::systemFileSystem(), kept, bytes.value())
                                  : fd::Status(fd::Failure{bytes.reason()});
        if (!copied) {
            context.err << copied.reason() << "\n";
            return 1;
        }
        context.err << "The old Field.txt is kept as " << fd::quotedPath(kept) << ".\n";
    }
    const auto written = fd::replaceDurably(fd::systemFileSystem(), context.catalogue, catalogue);
    if (!written) {
        context.err << written.reason() << "\n";
        return 1;
    }
    context.err << offsets.size() << " fields written to " << fd::quotedPath(context.catalogue) << ".\n";
    return 0;
}

int check(const Context& context, const std::filesystem::path& archive) {
    const auto records = readRecords(context);
    if (!records) return 1;
    int status = 0;
    for (const Record& record : *records) {
        context.out << "\"" << record.name << "\" at " << record.offset << ": ";
        const auto slot = fd::readFieldSlot(archive, record.offset);
        const auto why = slot ? fd::whyNoField(slot.value()) : std::optional<std::string>(slot.reason());
        context.out << (why ? "no field. " + *why : std::string("a field.")) << "\n";
        if (why) status = 1;
    }
    return status;
}

int exportFields(const Context& context, const std::filesystem::path& archive, const std::string& name,
                 const std::filesystem::path& folder) {
    std::vector<Record> records;
    if (name.empty()) {
        const auto all = readRecords(context);
        if (!all) return 1;
        records = *all;
    } else if (const auto one = recordNamed(context, name)) {
        records.push_back(*one);
    } else {
        return 1;
    }
    if (!recoverFirst(context, archive)) return 1;
    int status = 0;
    for (const Record& record : records) {
        const auto slot = fd::readFieldSlot(archive, record.offset);
        const auto texts = slot ? fd::readWholeField(slot.value()) : fd::Outcome<fd::FieldTexts>(fd::Failure{slot.reason()});
        const auto file = folder / fd::pathFromUtf8(fileNameFor(record.name));
        const auto written = texts ? fd::writeExchangeFile(file, fd::buildFieldText(texts.value()))
                                   : fd::Status(fd::Failure{texts.reason()});
        if (written) {
            context.err << "Exported to " << fd::displayPath(file) << "\n";
        } else {
            context.err << "\"" << record.name << "\" at " << record.offset << ": " << written.reason() << "\n";
            status = 1;
        }
    }
    return status;
}

int importField(const Context& context, const std::filesystem::path& archive, const std::string& name,
                const std::filesystem::path& file) {
    const auto record = recordNamed(context, name);
    if (!record || !recoverFirst(context, archive)) return 1;
    const auto text = fd::readExchangeFile(file);
    const auto texts = text ? fd::readWholeField(text.value()) : fd::Outcome<fd::FieldTexts>(fd::Failure{text.reason()});
    if (!texts) {
        context.err << fd::quotedPath(file) << " holds no field to save: " << texts.reason() << "\n";
        return 1;
    }
    const std::string block = fd::buildFieldText(texts.value());
    if (block.size() > fd::kWritableLength) {
        context.err << "File Size too long\n";
        return 1;
    }
    const auto slot = fd::readFieldSlot(archive, record->offset);
    if (!slot) {
        context.err << slot.reason() << "\n";
        return 1;
    }
    if (!slot.value().starts_with("BEGIN") && !context.force) {
        context.err << "The slot at byte " << record->offset << " of " << fd::quotedPath(archive)
                    << " holds no field, so Field.txt may not fit this GOB file. With --force the field is written "
                       "there anyway.\n";
        return 1;
    }
    return saveSlot(context, archive, *record, block) ? 0 : 1;
}

int restore(const Context& context, const std::filesystem::path& archive, const std::string& name) {
    const auto record = recordNamed(context, name);
    if (!record || !recoverFirst(context, archive)) return 1;
    const auto folder = fd::backupFolderFor(context.dataFolder, archive);
    const std::string suffix = " at " + std::to_string(record->offset) + ".opt";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!fd::displayPath(entry.path().filename()).ends_with(suffix)) continue;
        const auto original = fd::readExchangeFile(entry.path());
        if (!original || std::filesystem::file_size(entry.path(), error) != fd::kWritableLength) break;
        return saveSlot(context, archive, *record, original.value()) ? 0 : 1;
    }
    context.err << "No original of the field at byte " << record->offset << " of " << fd::quotedPath(archive)
                << " is kept in " << fd::quotedPath(folder) << ".\n";
    return 1;
}

}  // namespace ringwright::cli
