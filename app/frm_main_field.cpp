// The field commands of the main window: choosing the archive, loading a
// field from its slot, saving it back, and the exchange files. Bytes come in
// and go out through fielddata; here they become control texts and back.
#include <QString>

#include "control_text.h"
#include "fielddata/archive_slot.h"
#include "fielddata/catalogue.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_text.h"
#include "fielddata/save_journal.h"
#include "file_dialog_records.h"
#include "frm_main.h"
#include "platform/qt_window_handle.h"

namespace ringwright {

std::filesystem::path frmMain::archivePath() const { return pathFromText(txtGOBFile->text()); }

std::string frmMain::selectedListName() const {
    return cboFieldList->currentIndex() < 0 ? std::string() : cboFieldList->currentText().toStdString();
}

std::optional<std::string> frmMain::readCatalogue() {
    auto content = fielddata::readCatalogueFile(cataloguePath());
    if (!content) {
        say(content.reason(), style::kCritical);
        return std::nullopt;
    }
    return std::move(content.value());
}

// Sets CurrentFieldOffset from the selected entry; a catalogue without a
// matching record leaves it as it was. False when the catalogue failed.
bool frmMain::LookUpFieldOffset() {
    const auto catalogue = readCatalogue();
    if (!catalogue) return false;
    const auto found = fielddata::lookUpFieldOffset(*catalogue, cboFieldList->currentIndex());
    if (!found) {
        say(found.reason(), style::kCritical);
        return false;
    }
    if (found.value()) CurrentFieldOffset = *found.value();
    return true;
}

std::optional<std::string> frmMain::ReadFieldSlot() {
    auto slot = fielddata::readFieldSlot(archivePath(), CurrentFieldOffset);
    if (!slot) {
        say(slot.reason(), style::kCritical);
        return std::nullopt;
    }
    return std::move(slot.value());
}

bool frmMain::WriteFieldSlot(std::string_view block) {
    const fielddata::SlotSave save{archivePath(), CurrentFieldOffset, platform_.userDataFolder(), selectedListName()};
    const auto written = fielddata::writeFieldSlot(save, block);
    if (!written) say(written.reason(), style::kCritical);
    return written.ok();
}

// A journal left by a save that never committed puts the slot back first,
// so nothing is read from or written over a half-written slot.
void frmMain::recoverUnfinishedSave() {
    const auto recovery = fielddata::recoverUnfinishedSave(archivePath(), platform_.userDataFolder());
    if (recovery.rolledBack)
        say("A save into " + fielddata::quotedPath(archivePath()) + " did not finish. The field at byte " +
                std::to_string(*recovery.rolledBack) + " has been put back as it was before that save.",
            style::kInformation);
    if (recovery.problem) say(*recovery.problem, style::kCritical);
}

// A slot that does not begin as every field does is most likely not a field
// at all: the catalogue belongs to another archive. Writing there would
// damage the game's archive, so it takes a second yes.
bool frmMain::confirmSlotHoldsAField() {
    const auto slot = fielddata::readFieldSlot(archivePath(), CurrentFieldOffset);
    if (!slot) {
        say(slot.reason(), style::kCritical);
        return false;
    }
    if (slot.value().starts_with("BEGIN")) return true;
    return say("The slot at byte " + std::to_string(CurrentFieldOffset) + " of " +
                   fielddata::quotedPath(archivePath()) +
                   " holds no field, so Field.txt may not fit this GOB file. Write the field there anyway?",
               style::kYesNo | style::kExclamation | style::kDefaultButton2) == answer::kYes;
}

// Fills the boxes in the order the reader found them, so what was filled
// before a failure stays; the markers follow only a complete read.
void frmMain::ParseFieldText(std::string_view text) {
    const fielddata::FieldTextReading reading = fielddata::readFieldText(text);
    for (const fielddata::FilledBox& filled : reading.filled) {
        const QString shown = textFromBytes(filled.text);
        switch (filled.box) {
        case fielddata::FielderBox::X: txtX[filled.fielder]->setText(shown); break;
        case fielddata::FielderBox::Z: txtZ[filled.fielder]->setText(shown); break;
        case fielddata::FielderBox::Animation:
            cboAnim[filled.fielder]->setCurrentIndex(cboAnim[filled.fielder]->findText(shown));
            break;
        case fielddata::FielderBox::Value: txtNum[filled.fielder]->setText(shown); break;
        }
    }
    if (reading.failure) {
        say(*reading.failure, style::kCritical);
        return;
    }
    MoveFielderToCoordinates();
}

// Nothing when a box holds a character the game's files cannot store.
std::optional<std::string> frmMain::BuildFieldText() {
    fielddata::FieldTexts texts;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const std::pair<const char*, QString> boxes[] = {{"X pos", txtX[i]->text()},
                                                         {"Z pos", txtZ[i]->text()},
                                                         {"Animation", cboAnim[i]->currentText()},
                                                         {"Value", txtNum[i]->text()}};
        std::string* targets[] = {&texts[i].x, &texts[i].z, &texts[i].animation, &texts[i].value};
        for (int k = 0; k < 4; ++k) {
            const auto bytes = bytesFromText(boxes[k].second);
            if (!bytes) {
                say("The " + std::string(boxes[k].first) + " box of fielder " + std::to_string(i) +
                        " holds the character \"" + firstUnencodableCharacter(boxes[k].second)->toStdString() +
                        "\", which the game's files cannot hold. Nothing was written.",
                    style::kCritical);
                return std::nullopt;
            }
            *targets[k] = *bytes;
        }
    }
    return fielddata::buildFieldText(texts);
}

void frmMain::cmdGOBFile_Click() {
    const auto chosen = platform_.openFileDialog(archiveChooserRecord(handleOf(this)));
    if (chosen) txtGOBFile->setText(QString::fromStdString(*chosen));
}

void frmMain::cboFieldList_Click() {
    if (txtGOBFile->text().isEmpty()) {
        say("Please select the GOB file", style::kCritical);
        cmdGOBFile_Click();
        return;
    }
    if (!LookUpFieldOffset()) return;
    recoverUnfinishedSave();
    const auto slot = ReadFieldSlot();
    if (slot) ParseFieldText(*slot);
}

void frmMain::cmdSave_Click() {
    if (say("Are you sure to save this field", style::kQuestion | style::kYesNo) != answer::kYes) return;
    if (!LookUpFieldOffset()) return;
    const auto block = BuildFieldText();
    if (!block) return;
    if (block->size() > fielddata::kWritableLength) {
        say("File Size too long", style::kCritical);
        return;
    }
    recoverUnfinishedSave();
    if (!confirmSlotHoldsAField()) return;
    if (WriteFieldSlot(*block)) say("saved", style::kInformation);
}

void frmMain::cmdExport_Click() {
    const auto chosen = platform_.saveFileDialog(exportRecord(selectedListName(), handleOf(this)));
    if (!chosen) return;
    lblFileName->setText(QString::fromStdString(fielddata::withExchangeExtension(*chosen)));
    const auto block = BuildFieldText();
    if (!block) return;
    const auto written = fielddata::writeExchangeFile(pathFromText(lblFileName->text()), *block);
    if (!written) {
        say(written.reason(), style::kCritical);
        return;
    }
    say("Exported to " + lblFileName->text().toStdString(), style::kInformation);
}

void frmMain::cmdImport_Click() {
    const auto chosen = platform_.openFileDialog(importRecord(selectedListName(), handleOf(this)));
    if (!chosen) return;
    const QString path = QString::fromStdString(*chosen);
    const auto text = fielddata::readExchangeFile(pathFromText(path));
    if (!text) {
        say(text.reason(), style::kCritical);
        return;
    }
    lblFileName->setText(path);
    ParseFieldText(text.value());
}

}  // namespace ringwright
