#pragma once
// What the editor's behaviour asks of its two windows. A front end shows
// what it is told and passes on what the player did; it decides nothing.
// The field lives in the controls: the view holds the texts and the
// markers' positions, and the behaviour reads them afresh every time.
// Texts are UTF-8.
#include <compare>
#include <array>
#include <string>
#include <vector>
#include <utility>
#include <optional>

#include "editor/field_card.h"
#include "editor/platform.h"
#include "editor/stored_colour.h"
#include "editor/twips.h"

namespace ringwright {

// The controls the behaviour reaches, by their names; arrays take the
// fielder index.
enum class Control {
    frmMain, Label3, txtGOBFile, cmdGOBFile, lblFileName, Label1, cboFieldList, txtX, txtZ, cboAnim, txtNum,
    lblFielder, Picture1, cmdZoom, cmdSave, cmdAbout, cmdImport, cmdExport
};

struct ControlId {
    Control control;
    int index = 0;
    constexpr auto operator<=>(const ControlId&) const = default;
};

class ZoomView {
public:
    virtual ~ZoomView() = default;

    virtual TwipsPoint markerPosition(int fielder) const = 0;
    // Moves in one operation; the size stays.
    virtual void moveMarker(int fielder, TwipsPoint where) = 0;
    virtual bool isVisible() const = 0;
    virtual void show() = 0;  // not modal
    // Above every other window, the main one included, and active.
    virtual void bringToFront() = 0;
    // Its outer top-left corner, in screen twips.
    virtual void moveTo(TwipsPoint screen) = 0;
    virtual void takeIconOfMainWindow() = 0;
    // The window whose client area the pointer is confined to.
    virtual WindowHandle windowHandle() const = 0;
    // Each marker's caption: the name of its fielder's position.
    virtual void setFielderNames(const std::array<std::string, 9>& names) = 0;
};

// The window of all fields: a card for each record of the catalogue, in
// catalogue order. Choosing a card, F2 on it and its filling go to frmMain.
class AllFieldsView {
public:
    virtual ~AllFieldsView() = default;
    virtual void show() = 0;  // not modal; shown, in front and active
    virtual void clearCards() = 0;
    virtual void addCard(const FieldCard& card) = 0;
    virtual void replaceCard(int card, const FieldCard& with) = 0;
    virtual void setCurrentCard(int card) = 0;
    // Soon, once the window has shown what it has, frmMain::AllFields_Fill.
    virtual void fillLater() = 0;
};

class MainView {
public:
    virtual ~MainView() = default;

    // txtGOBFile, lblFileName, txtX, txtZ and txtNum.
    virtual std::string text(ControlId box) const = 0;
    virtual void setText(ControlId box, const std::string& text) = 0;

    // cboFieldList and cboAnim: drop-down lists. Setting the index raises no click.
    virtual void addListEntry(ControlId list, const std::string& entry) = 0;
    virtual int listCount(ControlId list) const = 0;
    virtual std::string listEntry(ControlId list, int entry) const = 0;
    virtual int listIndex(ControlId list) const = 0;  // -1 while none is selected
    virtual void setListIndex(ControlId list, int entry) = 0;
    // Changes an entry's text; the selection stays.
    virtual void setListEntry(ControlId list, int entry, const std::string& text) = 0;

    // txtX, txtZ and lblFielder.
    virtual void setBackColor(ControlId control, StoredColour colour) = 0;

    // The markers on the ground view, Left and Top in twips.
    virtual TwipsPoint markerPosition(int fielder) const = 0;
    virtual void moveMarker(int fielder, TwipsPoint where) = 0;

    // The count of fielders inside and outside the circle, shown in the
    // ground view's top-left corner.
    virtual void setRingCount(const std::string& text) = 0;
    // Each marker's caption, the field in words on the line under the ring
    // count, and on the line under that what the Laws would warn of.
    virtual void setFieldInWords(const std::array<std::string, 9>& names, const std::string& line,
                                 const std::string& warnings) = 0;
    // The dialog of "Place fielder...": a fielder (its entry in `fielders`,
    // starting at `fielder`) and a position; nothing when cancelled.
    virtual std::optional<std::pair<int, int>> choosePlacement(const std::vector<std::string>& fielders,
                                                               const std::vector<std::string>& positions,
                                                               int fielder) = 0;
    // A line of text asked for, offered as `text`; nothing when cancelled.
    virtual std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                               const std::string& text) = 0;
    // The ground with its markers as shown, as a PNG file; false when it
    // cannot be written.
    virtual bool saveGroundPicture(const std::string& path) = 0;
    // The same picture on the clipboard.
    virtual void copyGroundPicture() = 0;

    // frmMain (owner of dialogs) and Picture1 (confines the pointer).
    virtual WindowHandle windowHandle(ControlId window) const = 0;
    // The main window's outer top-left corner, in screen twips.
    virtual TwipsPoint windowPosition() const = 0;

    // The zoom window: nothing while it is not loaded; loading makes it hidden.
    virtual ZoomView* zoomWindow() = 0;
    virtual ZoomView& loadZoomWindow() = 0;
    // The window of all fields, likewise.
    virtual AllFieldsView* allFieldsWindow() = 0;
    virtual AllFieldsView& loadAllFieldsWindow() = 0;

    // Closes both windows and ends the program with this exit status.
    virtual void endProgram(int exitStatus) = 0;
};

inline ControlId txtX(int i) { return {Control::txtX, i}; }
inline ControlId txtZ(int i) { return {Control::txtZ, i}; }
inline ControlId cboAnim(int i) { return {Control::cboAnim, i}; }
inline ControlId txtNum(int i) { return {Control::txtNum, i}; }
inline ControlId lblFielder(int i) { return {Control::lblFielder, i}; }
constexpr ControlId kTxtGOBFile{Control::txtGOBFile};
constexpr ControlId kLblFileName{Control::lblFileName};
constexpr ControlId kCboFieldList{Control::cboFieldList};

}  // namespace ringwright
