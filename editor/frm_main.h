#pragma once
// The editor's main window, as behaviour: every handler and operation under
// its own name. The field being edited lives in the view's controls: the
// boxes and lists of the nine fielder rows, the markers on the ground view,
// the archive path in txtGOBFile and the last exchange file in lblFileName.
// The window reaches its controls only through the view and the operating
// system only through the platform.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "editor/field_history.h"
#include "editor/fielding_positions.h"
#include "editor/form.h"
#include "editor/frm_zoom.h"
#include "editor/marker_drag.h"
#include "editor/player_choices.h"
#include "editor/platform.h"
#include "editor/views.h"
#include "fielddata/archive.h"
#include "fielddata/catalogue.h"

namespace ringwright {

// How a tool's entry shows in the ground view's menu.
struct ToolState {
    bool enabled = true;
    bool checked = false;
    std::string label;  // "&" before the access key
};


class frmMain {
public:
    // `catalogueFolder` is where Field.txt is looked for: the executable's folder.
    frmMain(MainView& view, Platform& platform, std::filesystem::path catalogueFolder);

    // Before any control exists.
    void Form_Initialize();
    // False when the program must end (no catalogue); the window is then never shown.
    bool Form_Load();
    // The window closes: the program ends, the zoom window with it, asking nothing.
    void Form_Unload();

    void SetFielderCoordinates(int Index);
    void MoveFielderToCoordinates();

    void cboFieldList_Click();
    void cmdGOBFile_Click();
    void cmdSave_Click();
    void cmdExport_Click();
    void cmdImport_Click();
    void cmdAbout_Click();
    void cmdZoom_Click();
    void txtX_GotFocus(int Index);
    void txtX_LostFocus(int Index);
    void txtX_KeyUp(int Index, int KeyCode, int Shift);
    void txtZ_GotFocus(int Index);
    void txtZ_LostFocus(int Index);
    void txtNum_LostFocus(int Index);
    void cboAnim_Click(int Index);
    void lblFielder_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseUp(int Index, int Button, int Shift, float X, float Y);

    // The field tools: each is one step that Undo takes back.
    void MirrorField();
    void Undo();
    void Redo();
    // Whether Undo and Redo have anything to take back or bring back, so
    // the menu can grey them.
    bool canUndo() const;
    bool canRedo() const;
    // A file dropped on the window is imported as Import would.
    void DropFile(const std::string& path);
    void OpenBackupsFolder();
    void SavePicture();
    void CopyPicture();
    // The field's line and a line per fielder, on the clipboard.
    void CopyFieldAsText();
    // "Place fielder...": a fielder moved to a position chosen by name.
    void PlaceFielder();
    // "All fields...": the window of all fields, filled a few cards at a
    // time; true while cards remain to be added.
    void ShowAllFields();
    bool AllFields_Fill();
    bool AllFields_Filling() const { return fill_.has_value(); }
    // A card chosen: its record selected in cboFieldList as a click there would.
    void AllFields_Choose(int card);
    // "Rename field...": record `entry` of Field.txt gets a name the player types.
    void RenameField(int entry);
    // Any tool of the ground view's menu or keys, and how its menu entry shows.
    void RunTool(form::Tool tool);
    ToolState toolState(const form::MenuEntry& entry);

    // Moves a marker and counts the fielders inside the circle afresh.
    void placeMarker(int fielder, TwipsPoint where);

    // A drag that ends without its release (the window lost the pointer or
    // the focus): the pointer goes free, the boxes get their normal colour,
    // the marker and the texts stay.
    void abandonDrag();

    // The colours of fielder Index's boxes while its marker is held, here or
    // in the zoom view, and after.
    void showFielderHeld(int Index);
    void showFielderFree(int Index);
    // A drop in the zoom view: the fielder's marker here goes to `where`, its
    // boxes are written from it and take their normal colour again.
    void DropFromZoom(int Index, TwipsPoint where);

    frmZoom& zoom() { return frmZoom_; }
    MainView& view() { return view_; }
    Platform& platform() { return platform_; }
    fielddata::FieldOffset currentFieldOffset() const { return CurrentFieldOffset; }

private:
    int say(const std::string& text, int style, const std::string& caption = std::string(form::kMainTitle));
    std::filesystem::path archivePath() const;
    std::filesystem::path cataloguePath() const;
    std::optional<fielddata::Catalogue> readCatalogue();
    bool LookUpFieldOffset(const fielddata::Catalogue& catalogue);
    std::optional<fielddata::Archive> openArchive();
    std::optional<std::string> ReadFieldSlot(fielddata::Archive& archive);
    // True once "saved" may be said.
    bool WriteFieldSlot(fielddata::Archive& archive, const fielddata::Catalogue& catalogue, std::string_view block);
    fielddata::Recovery recoverUnfinishedSave(fielddata::Archive& archive);
    static bool slotReadable(const fielddata::Recovery& recovery);
    // True when the field was read whole and its history started.
    bool loadSelectedField(bool recoverFirst);
    // False when the reader stopped with a failure message.
    bool ParseFieldText(std::string_view text);
    std::optional<std::string> BuildFieldText();
    std::string selectedListName() const;
    // Import's work; a dropped file must also begin as a field does.
    void importFile(const std::string& path, bool onlyAField);
    FieldState fieldState() const;
    void recordStep();
    void startHistory();
    bool settleBoxes();
    static bool passesRangeCheck(const FieldState& state);
    void showStep(const FieldState& state);
    // The entry of fielder's animation list that reads `name`; -1 for none.
    int animationEntry(int fielder, const std::string& name) const;
    void placeMarkersFromBoxes();
    void showRingCount();
    void showFieldInWords();
    void guessOrientation(fielddata::Archive& archive, const fielddata::Catalogue& catalogue);
    bool loadFrom(const fielddata::Catalogue& catalogue, fielddata::Archive& archive);
    PlayerChoices& choices();
    const std::string& archiveSection();
    positions::Orientation orientation();
    bool positionNamesShown();
    positions::FieldPoints markerPoints() const;
    void keepChoice(const std::string& section, const std::string& key, const std::string& value);

    MainView& view_;
    Platform& platform_;
    std::filesystem::path catalogueFolder_;
    frmZoom frmZoom_;
    fielddata::FieldOffset CurrentFieldOffset = 0;
    MarkerDrag drag_;  // holds the grab offset
    FieldHistory history_;
    // Which end the striker is at and which side is off, as guessed from
    // the slips of the catalogue's fields in this archive.
    positions::OrientationGuess guess_;
    std::string orientationGuessedFor_;
    std::optional<PlayerChoices> choices_;  // read at the first need
    std::optional<std::pair<std::string, std::string>> section_;  // the archive path and its section
    int placedLast_ = 0;  // the fielder the placing dialog offers first
    // What the window of all fields is being filled from: the catalogue read
    // once and the archive opened once, until the last card is added.
    struct CardFill {
        fielddata::Catalogue catalogue;
        std::optional<fielddata::Archive> archive;
        std::string archiveProblem;
        positions::Orientation seen;
    };
    std::optional<CardFill> fill_;
    std::vector<FieldCard> cards_;
    FieldCard cardOf(const fielddata::Catalogue& catalogue, fielddata::Archive* archive, const std::string& archiveProblem,
                     positions::Orientation seen, int record);
    void refreshCard(const fielddata::Catalogue& catalogue, fielddata::Archive& archive);
    bool addCards(int count);
};

}  // namespace ringwright
