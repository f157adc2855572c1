// The main window's start-up, About and end. The field commands and the
// ground view's handlers stand in their own files.
#include "editor/frm_main.h"

#include "editor/portable_settings.h"

#include "fielddata/catalogue.h"
#include "fielddata/codepage.h"
#include "fielddata/field_text.h"

namespace ringwright {

frmMain::frmMain(MainView& view, Platform& platform, std::filesystem::path catalogueFolder)
    : view_(view), platform_(platform), catalogueFolder_(std::move(catalogueFolder)), frmZoom_(*this) {}

void frmMain::Form_Initialize() { platform_.initialiseCommonControls(); }

int frmMain::say(const std::string& text, int style, const std::string& caption) {
    return platform_.messageBox(text, style, caption);
}

std::filesystem::path frmMain::cataloguePath() const { return catalogueFolder_ / "Field.txt"; }

bool frmMain::Form_Load() {
    const auto second = platform_.secondCatalogueFolder();
    auto& files = fielddata::systemFileSystem();
    if (!fielddata::isPlainFile(files, cataloguePath()) && !second.empty() &&
        fielddata::isPlainFile(files, second / "Field.txt"))
        catalogueFolder_ = second;
    if (!fielddata::isPlainFile(files, cataloguePath())) {
        say("Unable to find Field.txt", style::kCritical, "Error");
        view_.endProgram(1);
        return false;
    }
    const auto catalogue = readCatalogue();
    if (!catalogue) {
        view_.endProgram(1);
        return false;
    }
    for (const std::string& name : catalogue->names()) view_.addListEntry(kCboFieldList, name);
    if (catalogue->problem()) say(*catalogue->problem(), style::kExclamation);

    const auto portable = portableArchivePath(catalogueFolder_);
    view_.setText(kTxtGOBFile, portable ? *portable : platform_.readSetting("Longstopper", "Tunebench", "GOB", ""));
    const bool pathKnown = !view_.text(kTxtGOBFile).empty();
    // Once per start: the first field's load below does not look again.
    // An archive that cannot be opened is named by the first field's load.
    auto archive = pathKnown ? fielddata::Archive::open(archivePath(), platform_.userDataFolder())
                             : fielddata::Outcome<fielddata::Archive>(fielddata::Failure{});
    const bool archiveUsable = pathKnown && (!archive || slotReadable(recoverUnfinishedSave(archive.value())));

    // The lists are filled before the first field selects its animations.
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        for (const std::string_view name : fielddata::kAnimationNames) view_.addListEntry(cboAnim(i), std::string(name));

    bool loaded = false;
    if (pathKnown) {
        if (view_.listCount(kCboFieldList) > 0) {
            view_.setListIndex(kCboFieldList, 0);
            // One open of each file for the whole start.
            if (!archive) loaded = loadSelectedField(false);
            else loaded = archiveUsable && LookUpFieldOffset(*catalogue) && loadFrom(*catalogue, archive.value());
        } else if (!catalogue->problem()) {
            say("Field.txt lists no fields, so there is no field to load.", style::kExclamation);
        }
    }
    // A field read whole has placed its markers and started its history.
    if (!loaded) {
        startHistory();
        showRingCount();
    }
    return true;
}

void frmMain::Form_Unload() {
    abandonDrag();
    frmZoom_.abandonDrag();
    view_.endProgram(0);
}

void frmMain::cmdAbout_Click() {
    say("Longstopper Ringwright 1 by the Ringwright team\trw@example.org\r\n"
        "\r\n"
        "Visit longstopper.example.com for news and downloads.\r\n"
        "https://ringwright.example.org",
        style::kInformation);
}

}  // namespace ringwright
