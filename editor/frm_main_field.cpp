// The field commands of the main window: choosing the archive, loading a
// field from its slot, saving it back, and the exchange files. Bytes come in
// and go out through fielddata; here they become control texts and back.
#include "editor/file_dialog_records.h"
#include "editor/frm_main.h"
#include "fielddata/codepage.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_text.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace ringwright {

std::filesystem::path frmMain::archivePath() const { return fielddata::pathFromUtf8(view_.text(kTxtGOBFile)); }

std::string frmMain::selectedListName() const {
    const int selected = view_.listIndex(kCboFieldList);
    return selected < 0 ? std::string() : view_.listEntry(kCboFieldList, selected);
}

std::optional<fielddata::Catalogue> frmMain::readCatalogue() {
    auto catalogue = fielddata::readCatalogue(fielddata::systemFileSystem(), cataloguePath());
    if (!catalogue) {
        say(catalogue.reason(), style::kCritical);
        return std::nullopt;
    }
    return std::move(catalogue.value());
}

// Sets CurrentFieldOffset from the selected entry; a catalogue without a
// matching record leaves it as it was. False when the catalogue failed.
bool frmMain::LookUpFieldOffset(const fielddata::Catalogue& catalogue) {
    const auto found = catalogue.lookUp(view_.listIndex(kCboFieldList));
    if (!found) {
        say(found.reason(), style::kCritical);
        return false;
    }
    if (found.value()) CurrentFieldOffset = *found.value();
    return true;
}

std::optional<fielddata::Archive> frmMain::openArchive() {
    auto archive = fielddata::Archive::open(archivePath(), platform_.userDataFolder());
    if (!archive) {
        say(archive.reason(), style::kCritical);
        return std::nullopt;
    }
    return std::move(archive.value());
}

std::optional<std::string> frmMain::ReadFieldSlot(fielddata::Archive& archive) {
    auto slot = archive.readSlot(CurrentFieldOffset);
    if (!slot) {
        say(slot.reason(), style::kCritical);
        return std::nullopt;
    }
    return std::move(slot.value());
}

// A slot that does not begin as every field does is most likely not a field
// at all: the catalogue belongs to another archive. Writing there would
// damage the game's archive, so it takes a second yes.
bool frmMain::WriteFieldSlot(fielddata::Archive& archive, const fielddata::Catalogue& catalogue,
                             std::string_view block) {
    fielddata::SlotSave save{CurrentFieldOffset, block, selectedListName(), catalogue.readableSlots()};
    auto written = archive.save(save);
    if (written && written.value() == fielddata::SaveOutcome::SlotHoldsNoField) {
        if (say(archive.describeForeignSlot(CurrentFieldOffset) + " Write the field there anyway?",
                style::kYesNo | style::kExclamation | style::kDefaultButton2) != answer::kYes)
            return false;
        save.evenWithoutField = true;
        written = archive.save(save);
    }
    if (!written) say(written.reason(), style::kCritical);
    return written && written.value() == fielddata::SaveOutcome::Saved;
}

// A journal left by a save that never committed puts the slot back first,
// so nothing is read from or written over a half-written slot.
fielddata::Recovery frmMain::recoverUnfinishedSave(fielddata::Archive& archive) {
    const auto recovery = archive.recover();
    if (recovery.setAside) say(*recovery.setAside, style::kExclamation);
    if (recovery.rolledBack) {
        std::string text = archive.describeRollback(*recovery.rolledBack);
        if (recovery.problem) text += " " + *recovery.problem;
        say(text, recovery.problem ? style::kExclamation : style::kInformation);
    } else if (recovery.problem) {
        say(*recovery.problem, style::kCritical);
    }
    return recovery;
}

// A slot put back can be read even while its journal stays; only saving waits.
bool frmMain::slotReadable(const fielddata::Recovery& recovery) { return recovery.rolledBack || !recovery.problem; }

// Fills the boxes in the order the reader found them, so what was filled
// before a failure stays; the markers follow only a complete read.
bool frmMain::ParseFieldText(std::string_view text) {
    const fielddata::FieldTextReading reading = fielddata::readFieldText(text);
    for (const fielddata::FilledBox& filled : reading.filled) {
        const std::string shown = fielddata::utf8FromCp1252(filled.text);
        const int i = filled.fielder;
        switch (filled.box) {
        case fielddata::FielderBox::X: view_.setText(txtX(i), shown); break;
        case fielddata::FielderBox::Z: view_.setText(txtZ(i), shown); break;
        case fielddata::FielderBox::Animation:
            if (const int entry = animationEntry(i, shown); entry >= 0) view_.setListIndex(cboAnim(i), entry);
            break;
        case fielddata::FielderBox::Value: view_.setText(txtNum(i), shown); break;
        }
    }
    if (reading.failure) {
        say(*reading.failure, style::kCritical);
        return false;
    }
    MoveFielderToCoordinates();
    return true;
}

// Texts go out unchanged, one byte per character; a character the game's
// files cannot hold stops the writer before anything is written.
std::optional<std::string> frmMain::BuildFieldText() {
    fielddata::FieldTexts texts = fieldState();
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        fielddata::FielderTexts& fielder = texts[std::size_t(i)];
        const std::pair<const char*, std::string*> boxes[] = {
            {"X pos", &fielder.x}, {"Z pos", &fielder.z}, {"Animation", &fielder.animation}, {"Value", &fielder.value}};
        for (const auto& [name, text] : boxes) {
            auto bytes = fielddata::cp1252FromUtf8(*text);
            if (!bytes) {
                const std::u32string characters = fielddata::decodeUtf8(*text);
                const char32_t refused = characters[*fielddata::firstUnencodable(characters)];
                say("The " + std::string(name) + " box of fielder " + std::to_string(i) + " holds the character \"" +
                        fielddata::utf8FromCodePoints({&refused, 1}) + "\", which the game's files cannot hold. Nothing was written.",
                    style::kCritical);
                return std::nullopt;
            }
            *text = std::move(*bytes);
        }
    }
    return fielddata::buildFieldText(texts);
}

void frmMain::cmdGOBFile_Click() {
    const auto chosen = platform_.openFileDialog(archiveChooserRecord(view_.windowHandle({Control::frmMain})));
    if (chosen) view_.setText(kTxtGOBFile, *chosen);
}

void frmMain::cboFieldList_Click() { loadSelectedField(true); }

bool frmMain::loadSelectedField(bool recoverFirst) {
    if (view_.text(kTxtGOBFile).empty()) {
        say("Please select the GOB file", style::kCritical);
        cmdGOBFile_Click();
        return false;
    }
    const auto catalogue = readCatalogue();
    if (!catalogue || !LookUpFieldOffset(*catalogue)) return false;
    auto archive = openArchive();
    if (!archive || (recoverFirst && !slotReadable(recoverUnfinishedSave(*archive)))) return false;
    return loadFrom(*catalogue, *archive);
}

// The field the offset names, from an archive already opened and recovered.
bool frmMain::loadFrom(const fielddata::Catalogue& catalogue, fielddata::Archive& archive) {
    guessOrientation(archive, catalogue);
    // Another field, another history; what a failed read left in the boxes
    // is one change that Undo takes back.
    const auto slot = ReadFieldSlot(archive);
    if (!slot || !ParseFieldText(*slot)) return false;
    startHistory();
    return true;
}

void frmMain::cmdSave_Click() {
    if (say("Are you sure to save this field", style::kQuestion | style::kYesNo) != answer::kYes) return;
    const auto catalogue = readCatalogue();
    if (!catalogue || !LookUpFieldOffset(*catalogue)) return;
    const auto block = BuildFieldText();
    if (!block) return;
    if (const auto fits = fielddata::checkFitsSlot(*block); !fits) {
        say(fits.reason(), style::kCritical);
        return;
    }
    auto archive = openArchive();
    if (!archive || recoverUnfinishedSave(*archive).problem) return;
    if (!WriteFieldSlot(*archive, *catalogue, *block)) return;
    refreshCard(*catalogue, *archive);
    say("saved", style::kInformation);
}

void frmMain::cmdExport_Click() {
    const auto chosen =
        platform_.saveFileDialog(exportRecord(selectedListName(), view_.windowHandle({Control::frmMain})));
    if (!chosen) return;
    view_.setText(kLblFileName, fielddata::withExchangeExtension(*chosen));
    const auto block = BuildFieldText();
    if (!block) return;
    const auto written = fielddata::writeExchangeFile(fielddata::pathFromUtf8(view_.text(kLblFileName)), *block);
    if (!written) {
        say(written.reason(), style::kCritical);
        return;
    }
    say("Exported to " + view_.text(kLblFileName), style::kInformation);
}

void frmMain::cmdImport_Click() {
    const auto chosen =
        platform_.openFileDialog(importRecord(selectedListName(), view_.windowHandle({Control::frmMain})));
    if (chosen) importFile(*chosen, false);
}

void frmMain::importFile(const std::string& path, bool onlyAField) {
    const auto file = fielddata::pathFromUtf8(path);
    const auto text = fielddata::readExchangeFile(file);
    if (!text) {
        say(text.reason(), style::kCritical);
        return;
    }
    // Every field begins so; a picture dropped by mistake does not.
    if (onlyAField && !fielddata::beginsAsAField(text.value())) {
        say(fielddata::quotedPath(file) + " is not a field file, so nothing was imported.", style::kCritical);
        return;
    }
    view_.setText(kLblFileName, path);
    ParseFieldText(text.value());
    recordStep();
}

}  // namespace ringwright
