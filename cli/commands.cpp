#include "cli/commands.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <vector>

#include "editor/fielding_positions.h"
#include "fielddata/archive.h"
#include "fielddata/archive_names.h"
#include "fielddata/backups.h"
#include "fielddata/catalogue.h"
#include "fielddata/codepage.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_scan.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace ringwright::cli {
namespace {

namespace fd = fielddata;

// Every record of the catalogue, or nothing after a message: a catalogue
// that cannot be read whole, or that lists no field, is a failure.
std::optional<std::vector<fd::NamedSlot>> readRecords(const Context& context) {
    const auto facts = fd::systemFileSystem().facts(context.catalogue);
    if (facts && facts.value().kind == fd::FileKind::Folder) {
        context.err << fd::quotedPath(context.catalogue) << " is a folder, not a catalogue of fields.\n";
        return std::nullopt;
    }
    const auto catalogue = fd::readCatalogue(fd::systemFileSystem(), context.catalogue);
    const auto records = catalogue ? catalogue.value().namedSlots() : fd::Outcome<std::vector<fd::NamedSlot>>(fd::Failure{catalogue.reason()});
    if (!records) {
        context.err << records.reason() << "\n";
        return std::nullopt;
    }
    if (records.value().empty()) {
        context.err << fd::quotedPath(context.catalogue) << " lists no fields.\n";
        return std::nullopt;
    }
    return records.value();
}

std::optional<fd::NamedSlot> recordNamed(const std::vector<fd::NamedSlot>& records, const Context& context,
                                         const std::string& name) {
    for (const fd::NamedSlot& record : records)
        if (record.name == name) return record;
    context.err << "Field.txt lists no field named " << fd::quotedForMessage(name) << ".\n";
    return std::nullopt;
}

std::optional<fd::Archive> openArchive(const Context& context, const std::filesystem::path& path) {
    auto archive = fd::Archive::open(path, context.dataFolder);
    if (!archive) {
        context.err << archive.reason() << "\n";
        return std::nullopt;
    }
    return std::move(archive.value());
}

// A journal that an editor or this tool left puts its slot back first.
bool recoverFirst(const Context& context, fd::Archive& archive) {
    const auto recovery = archive.recover();
    if (recovery.setAside) context.err << *recovery.setAside << "\n";
    if (recovery.rolledBack) context.err << archive.describeRollback(*recovery.rolledBack) << "\n";
    if (recovery.problem) context.err << *recovery.problem << "\n";
    return !recovery.problem;
}

// The archive, recovered, and the record named, or nothing after a message.
struct NamedField {
    fd::Archive archive;
    fd::NamedSlot record;
    std::vector<fd::NamedSlot> records;
};
std::optional<NamedField> namedField(const Context& context, const std::filesystem::path& path, const std::string& name) {
    auto records = readRecords(context);
    const auto record = records ? recordNamed(*records, context, name) : std::nullopt;
    auto archive = record ? openArchive(context, path) : std::nullopt;
    if (!archive || !recoverFirst(context, *archive)) return std::nullopt;
    return NamedField{std::move(*archive), *record, std::move(*records)};
}

// Field.txt's records cannot name a slot beyond a signed 32-bit offset.
constexpr std::uint64_t kLastNameableOffset = 2147483647;

// Case aside, as Windows compares names.
std::string caseBlind(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

// The list name as a file name; one that is blank, or all dots, is "Field".
std::string plainFileName(const std::string& listName) {
    std::string name = fd::shortenedName(fd::withSafeCharacters(listName), 200);
    // Windows drops trailing dots and blanks from a name.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return fd::withExchangeExtension(name.empty() ? "Field" : name);
}

// One exchange file name per record: its list name, or, where that is taken
// by a record before it, the name with its offset as the originals have it.
std::optional<std::vector<std::string>> fileNamesFor(const std::vector<fd::NamedSlot>& records, const Context& context) {
    std::vector<std::string> names;
    std::map<std::string, std::size_t> taken;
    for (const fd::NamedSlot& record : records) {
        std::string name = plainFileName(record.name);
        if (taken.count(caseBlind(name))) name = fd::backupFileName(record.name, record.offset);
        if (const auto before = taken.find(caseBlind(name)); before != taken.end()) {
            context.err << "The fields " << fd::quotedForMessage(records[before->second].name) << " and "
                        << fd::quotedForMessage(record.name) << " would both be written to " << fd::quotedForMessage(name)
                        << ", so nothing was exported.\n";
            return std::nullopt;
        }
        taken[caseBlind(name)] = names.size();
        names.push_back(name);
    }
    return names;
}

bool saveSlot(const Context& context, NamedField& field, std::string_view block, bool evenWithoutField) {
    fd::Archive& archive = field.archive;
    const auto saved = archive.save({field.record.offset, block, field.record.name, field.records, evenWithoutField});
    if (!saved) {
        context.err << saved.reason() << "\n";
        return false;
    }
    if (saved.value() == fd::SaveOutcome::SlotHoldsNoField) {
        context.err << archive.describeForeignSlot(field.record.offset) << " With --force the field is written there anyway.\n";
        return false;
    }
    context.err << "saved\n";
    return true;
}

// Each field named after what it holds, the way the ground is seen guessed
// from all of them; a field that cannot be saved as it stands keeps its
// offset alone.
std::vector<fd::NamedSlot> namedByContent(fd::Archive& archive, const std::vector<fd::FieldOffset>& offsets) {
    std::vector<std::optional<fd::FieldTexts>> read;
    std::vector<fd::FieldTexts> whole;
    for (const fd::FieldOffset offset : offsets) {
        auto texts = fd::readWholeFieldAt(archive, offset);
        read.push_back(texts ? std::optional(texts.value()) : std::nullopt);
        if (texts) whole.push_back(texts.value());
    }
    const positions::Orientation seen = positions::guessOrientation(whole).orientation;
    std::vector<fd::NamedSlot> named;
    for (std::size_t k = 0; k < offsets.size(); ++k)
        named.push_back({read[k] ? positions::shortDescription(positions::pointsOf(*read[k]), seen) : "", offsets[k]});
    return named;
}

}  // namespace

int scan(const Context& context, const std::filesystem::path& path, bool write) {
    auto archive = openArchive(context, path);
    if (!archive) return 1;
    const auto found = fd::scanArchive(fd::systemFileSystem(), path);
    if (!found) {
        context.err << found.reason() << "\n";
        return 1;
    }
    for (const auto& [position, before] : found.value().overlapping)
        context.err << "The field at byte " << position + 1 << " begins inside the slot of the field at byte "
                    << before + 1 << ", so saving either would write over the other; it is left out.\n";
    std::vector<fd::FieldOffset> offsets;
    for (const std::uint64_t position : found.value().fields) {
        if (position + 1 > kLastNameableOffset) {
            context.err << "The field at byte " << position + 1 << " lies beyond what Field.txt can name, "
                        << kLastNameableOffset << ", and is left out.\n";
            continue;
        }
        offsets.push_back(fd::FieldOffset(position + 1));
    }
    const std::string catalogue = fd::catalogueOf(namedByContent(*archive, offsets));
    if (!write) {
        context.out << catalogue;
        return 0;
    }
    auto& files = fd::systemFileSystem();
    if (fd::nameTaken(files, context.catalogue)) {
        if (!context.force) {
            context.err << fd::quotedPath(context.catalogue)
                        << " exists already; with --force it is replaced and kept beside as a backup.\n";
            return 1;
        }
        auto kept = context.catalogue;
        for (int n = 1; fd::nameTaken(files, kept); ++n) {
            kept = context.catalogue;
            kept += std::string(".").append(std::to_string(n)).append(".bak");  // GCC 12 warns of "." + wrongly
        }
        const auto bytes = fd::readFileStart(files, context.catalogue, std::size_t(64) << 20);
        const auto copied = bytes ? fd::replaceDurably(files, kept, bytes.value()) : fd::Status(fd::Failure{bytes.reason()});
        if (!copied) {
            context.err << copied.reason() << "\n";
            return 1;
        }
        context.err << "The old Field.txt is kept as " << fd::quotedPath(kept) << ".\n";
    }
    auto written = fd::makeFoldersDurably(files, context.catalogue.parent_path());
    if (written) written = fd::replaceDurably(files, context.catalogue, catalogue);
    if (!written) {
        context.err << written.reason() << "\n";
        return 1;
    }
    context.err << offsets.size() << " fields written to " << fd::quotedPath(context.catalogue) << ".\n";
    return 0;
}

int check(const Context& context, const std::filesystem::path& path) {
    const auto records = readRecords(context);
    auto archive = records ? openArchive(context, path) : std::nullopt;
    if (!archive) return 1;
    int status = 0;
    for (const fd::NamedSlot& record : *records) {
        context.out << fd::quotedForMessage(record.name) << " at " << record.offset << ": ";
        // What export would say of the slot.
        const auto field = fd::readWholeFieldAt(*archive, record.offset);
        context.out << (field ? std::string("a field.") : "no field. " + field.reason()) << "\n";
        if (!field) status = 1;
    }
    return status;
}

int exportFields(const Context& context, const std::filesystem::path& path, const std::string& name,
                 const std::filesystem::path& folder) {
    auto records = readRecords(context);
    if (!records) return 1;
    if (!name.empty()) {
        const auto one = recordNamed(*records, context, name);
        if (!one) return 1;
        records = std::vector<fd::NamedSlot>{*one};
    }
    const auto names = fileNamesFor(*records, context);
    auto archive = names ? openArchive(context, path) : std::nullopt;
    if (!archive || !recoverFirst(context, *archive)) return 1;
    int status = 0;
    for (std::size_t k = 0; k < records->size(); ++k) {
        const fd::NamedSlot& record = (*records)[k];
        const auto texts = fd::readWholeFieldAt(*archive, record.offset);
        const auto file = folder / fd::pathFromUtf8((*names)[k]);
        const auto written = texts ? fd::writeExchangeFile(file, fd::buildFieldText(texts.value()))
                                   : fd::Status(fd::Failure{texts.reason()});
        if (written) {
            context.err << "Exported to " << fd::displayPath(file) << "\n";
        } else {
            context.err << fd::quotedForMessage(record.name) << " at " << record.offset << ": " << written.reason() << "\n";
            status = 1;
        }
    }
    return status;
}

int importField(const Context& context, const std::filesystem::path& path, const std::string& name,
                const std::filesystem::path& file) {
    auto field = namedField(context, path, name);
    if (!field) return 1;
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
    return saveSlot(context, *field, block, context.force) ? 0 : 1;
}

int restore(const Context& context, const std::filesystem::path& path, const std::string& name) {
    auto field = namedField(context, path, name);
    if (!field) return 1;
    const auto original = field->archive.keptOriginal(field->record.offset);
    if (!original) {
        context.err << original.reason() << "\n";
        return 1;
    }
    if (!original.value()) {
        context.err << "No original of the field at byte " << field->record.offset << " of "
                    << fd::quotedPath(path) << " is kept in " << fd::quotedPath(field->archive.backupsFolder()) << ".\n";
        return 1;
    }
    // What the slot held before our first save, field or not.
    return saveSlot(context, *field, *original.value(), true) ? 0 : 1;
}

// The value box as the other texts: a control character never reaches the
// terminal raw.
std::string shownValue(const std::string& bytes) {
    const std::string quoted = fd::quotedForMessage(fd::utf8FromCp1252(bytes));
    return quoted.substr(1, quoted.size() - 2);
}

int describe(const Context& context, const std::filesystem::path& path, const std::string& name,
             const Describing& describing) {
    auto records = readRecords(context);
    if (!records) return 1;
    auto archive = openArchive(context, path);
    if (!archive) return 1;
    // Every record is read once; the guess takes all of them, the output
    // only the one named.
    std::vector<std::pair<fd::NamedSlot, fd::Outcome<fd::FieldTexts>>> fields;
    std::vector<fd::FieldTexts> whole;
    for (const fd::NamedSlot& record : *records) {
        auto texts = fd::readWholeFieldAt(*archive, record.offset);
        if (texts) whole.push_back(texts.value());
        if (name.empty() || record.name == name) fields.push_back({record, std::move(texts)});
    }
    if (fields.empty()) return (void)recordNamed(*records, context, name), 1;
    const positions::OrientationGuess guess = positions::guessOrientation(whole);
    positions::Orientation orientation = guess.orientation;
    if (describing.strikerAtTop)
        orientation.striker = *describing.strikerAtTop ? positions::StrikerEnd::Top : positions::StrikerEnd::Bottom;
    if (describing.offOnLeft) orientation.off = *describing.offOnLeft ? positions::OffSide::Left : positions::OffSide::Right;
    if (!describing.strikerAtTop || !describing.offOnLeft)
        context.out << "orientation: " << positions::describeOrientation(orientation) << " (guessed from "
                    << guess.slipFielders << " slip fielder" << (guess.slipFielders == 1 ? "" : "s") << ")\n";
    int status = 0;
    for (const auto& [record, texts] : fields) {
        context.out << fd::quotedForMessage(record.name) << " at " << record.offset << ": ";
        if (!texts) {
            context.out << "no field. " << texts.reason() << "\n";
            status = 1;
            continue;
        }
        const positions::FieldPoints points = positions::pointsOf(texts.value());
        context.out << positions::describeField(points, orientation) << "\n";
        for (const std::string& warning : positions::lawWarnings(points, orientation))
            context.out << "  warning: " << warning << "\n";
        if (!describing.fielders) continue;
        const positions::FieldNames names = positions::nameFielders(points, orientation);
        for (int i = 0; i < fd::kFielderCount; ++i) {
            fd::FielderTexts fielder = texts.value()[std::size_t(i)];
            fielder.value = shownValue(fielder.value);
            context.out << positions::fielderLine(i, names[std::size_t(i)], fielder) << "\n";
        }
    }
    return status;
}

}  // namespace ringwright::cli
