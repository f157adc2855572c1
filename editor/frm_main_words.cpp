// The field in cricket's words: each fielder's position named, the field
// summed up with the Laws' warnings, copied as text for a forum post, and the
// choices of the ground view's menu that say which way the ground is seen.
#include "editor/frm_main.h"
#include "fielddata/archive_names.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_scan.h"
#include "fielddata/message_text.h"

namespace ringwright {
namespace {

constexpr char kOwnSection[] = "Ringwright";

}  // namespace

PlayerChoices& frmMain::choices() {
    if (!choices_) {
        const auto folder = platform_.userConfigFolder();
        choices_.emplace(folder.empty() ? folder : folder / kPlayerChoicesName);
    }
    return *choices_;
}

// Worked out once per archive path: naming the fielders on every pointer
// move never asks the file system for the path's real form.
const std::string& frmMain::archiveSection() {
    const std::string path = view_.text(kTxtGOBFile);
    if (!section_ || section_->first != path) section_ = {path, fielddata::archiveKey(fielddata::systemFileSystem(), fielddata::pathFromUtf8(path))};
    return section_->second;
}

// Once per archive: every field of the catalogue that reads whole tells, by
// its slip fielders, the way the ground is seen, unless the player chose.
void frmMain::guessOrientation(fielddata::Archive& archive, const fielddata::Catalogue& catalogue) {
    if (orientationGuessedFor_ == view_.text(kTxtGOBFile)) return;
    orientationGuessedFor_ = view_.text(kTxtGOBFile);
    std::vector<fielddata::FieldTexts> fields;
    for (const fielddata::NamedSlot& slot : catalogue.readableSlots())
        if (const auto texts = fielddata::readWholeFieldAt(archive, slot.offset)) fields.push_back(texts.value());
    guess_ = positions::guessOrientation(fields);
}

positions::Orientation frmMain::orientation() {
    positions::Orientation seen = guess_.orientation;
    const std::string& section = archiveSection();
    if (const auto striker = choices().get(section, "Striker"))
        seen.striker = *striker == "top" ? positions::StrikerEnd::Top : positions::StrikerEnd::Bottom;
    if (const auto off = choices().get(section, "Off")) seen.off = *off == "left" ? positions::OffSide::Left : positions::OffSide::Right;
    return seen;
}

bool frmMain::positionNamesShown() { return choices().get(kOwnSection, "PositionNames") != "0"; }

positions::FieldPoints frmMain::markerPoints() const {
    positions::FieldPoints field;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const TwipsPoint marker = view_.markerPosition(i);
        field[std::size_t(i)] = positions::GroundPoint{fielddata::viewToGame(marker.left), fielddata::viewToGame(marker.top)};
    }
    return field;
}

// Each fielder named where its marker stands, live while one is dragged.
void frmMain::showFieldInWords() {
    const positions::FieldPoints field = markerPoints();
    const positions::Orientation seen = orientation();
    positions::FieldNames names = positions::nameFielders(field, seen);
    std::string warnings;
    for (const std::string& warning : positions::lawWarnings(field, seen))
        warnings += (warnings.empty() ? "" : "; ") + warning;
    if (!positionNamesShown()) names = {};
    view_.setFieldInWords(names, positions::describeField(field, seen), warnings);
    if (ZoomView* zoom = view_.zoomWindow()) zoom->setFielderNames(names);
}

// The line of the field, then a line per fielder as its boxes hold it.
void frmMain::CopyFieldAsText() {
    const positions::FieldPoints field = markerPoints();
    const positions::Orientation seen = orientation();
    const positions::FieldNames names = positions::nameFielders(field, seen);
    std::string text = positions::describeField(field, seen) + "\n";
    const FieldState boxes = fieldState();
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        text += positions::fielderLine(i, names[std::size_t(i)], boxes[std::size_t(i)]) + "\n";
    platform_.copyText(text);
}

// A fielder to a position's usual spot, as a drop there would put it.
void frmMain::PlaceFielder() {
    std::vector<std::string> fielders;
    const positions::FieldNames names = positions::nameFielders(markerPoints(), orientation());
    for (int i = 0; i < fielddata::kFielderCount; ++i) fielders.push_back(positions::markerTip(i, names[std::size_t(i)]));
    const auto& spots = positions::placeableNames();
    const auto chosen = view_.choosePlacement(fielders, spots, placedLast_);
    if (!chosen) return;
    placedLast_ = chosen->first;
    const auto spot = positions::usualSpot(spots.at(std::size_t(chosen->second)), orientation());
    placeMarker(chosen->first, {fielddata::gameToView(spot->x), fielddata::gameToView(spot->z)});
    SetFielderCoordinates(chosen->first);
    recordStep();
    if (ZoomView* zoom = view_.zoomWindow(); zoom && zoom->isVisible()) frmZoom_.UpdateFieldPosition();
}

void frmMain::keepChoice(const std::string& section, const std::string& key, const std::string& value) {
    if (const auto kept = choices().set(section, key, value); !kept)
        say("The choice could not be kept for the next start: " + kept.reason(), style::kExclamation);
    showFieldInWords();
}

void frmMain::RunTool(form::Tool tool) {
    switch (tool) {
    case form::Tool::Undo: return Undo();
    case form::Tool::Redo: return Redo();
    case form::Tool::Mirror: return MirrorField();
    case form::Tool::CopyPicture: return CopyPicture();
    case form::Tool::SavePicture: return SavePicture();
    case form::Tool::OpenBackups: return OpenBackupsFolder();
    case form::Tool::CopyFieldText: return CopyFieldAsText();
    case form::Tool::PlaceFielder: return PlaceFielder();
    case form::Tool::PositionNames: return keepChoice(kOwnSection, "PositionNames", positionNamesShown() ? "0" : "1");
    case form::Tool::StrikerAtTop: return keepChoice(archiveSection(), "Striker", "top");
    case form::Tool::StrikerAtBottom: return keepChoice(archiveSection(), "Striker", "bottom");
    case form::Tool::OffSideLeft: return keepChoice(archiveSection(), "Off", "left");
    case form::Tool::OffSideRight: return keepChoice(archiveSection(), "Off", "right");
    case form::Tool::AllFields: return ShowAllFields();
    case form::Tool::RenameField: return RenameField(view_.listIndex(kCboFieldList));
    }
}

// Undo and Redo greyed with nothing to take back or bring back; a choice
// ticked while it holds, and marked when it is the guess rather than the
// player's own.
ToolState frmMain::toolState(const form::MenuEntry& entry) {
    ToolState state{true, false, std::string(entry.label)};
    const positions::Orientation seen = orientation();
    const std::string& section = archiveSection();
    const bool strikerChosen = choices().get(section, "Striker").has_value();
    const bool offChosen = choices().get(section, "Off").has_value();
    switch (entry.tool) {
    case form::Tool::Undo: state.enabled = canUndo(); break;
    case form::Tool::Redo: state.enabled = canRedo(); break;
    case form::Tool::PositionNames: state.checked = positionNamesShown(); break;
    case form::Tool::RenameField: state.enabled = view_.listIndex(kCboFieldList) >= 0; break;
    case form::Tool::StrikerAtTop:
    case form::Tool::StrikerAtBottom:
        state.checked = (seen.striker == positions::StrikerEnd::Top) == (entry.tool == form::Tool::StrikerAtTop);
        if (state.checked && !strikerChosen) state.label += " (guessed)";
        break;
    case form::Tool::OffSideLeft:
    case form::Tool::OffSideRight:
        state.checked = (seen.off == positions::OffSide::Left) == (entry.tool == form::Tool::OffSideLeft);
        if (state.checked && !offChosen) state.label += " (guessed)";
        break;
    default: break;
    }
    return state;
}

}  // namespace ringwright
