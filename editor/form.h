#pragma once
// The form as data: both windows as the player sees them. Each control of
// the main window is one row, in the order of its TabIndex, so a label
// stands just before the control its access key leads to and the controls
// that take the focus come in the focus order. Both front ends make their
// controls from these rows in one loop, and read their titles, sizes, fonts,
// colours, menus and keys from here; so does the tests' fake view. A
// caption or a place lives here and nowhere else. Places are twips from the
// top-left corner of the container's client area.
#include <optional>
#include <string_view>
#include <vector>

#include "editor/stored_colour.h"
#include "editor/twips.h"
#include "editor/views.h"

namespace ringwright::form {

enum class Kind { Label, TextBox, DropDownList, Button, GroundView };
// Controls without a face of their own have the window's; row digits and
// markers a bold one; the "..." button Arial Black, whose one weight is its
// heaviest, so a face standing in for it is asked for that weight too.
enum class Face { Window, Digit, Dots };

struct Typeface {
    const char* family;
    double points;
    int weight;  // 400 regular, 700 bold, 900 black, as both toolkits count
};
Typeface faceOf(Face face);

struct Row {
    ControlId id;
    Kind kind;
    TwipsRect place;
    std::string_view caption;  // "&" before the access key
    int tabIndex;
    Face face = Face::Window;
    std::optional<StoredColour> back = {}, fore = {};  // nothing: the kind's own
    std::string_view tooltip = {};
    bool visible = true;
};

// Every control of the main window but the markers, by TabIndex.
const std::vector<Row>& mainRows();
const Row& rowOf(ControlId id);

inline constexpr std::string_view kMainTitle = "Ringwright";
inline constexpr int kMainClientWidth = 10440;
inline constexpr int kMainClientHeight = 6690;

// Inside Picture1's client area: the ground picture from its top-left
// corner, the dashed circle Shape1, the ring count and the markers.
inline constexpr int kGroundPictureSide = 6000;  // 400 pixels at 96 DPI
inline constexpr TwipsRect kShape1{1500, 1500, 3000, 3000};
inline constexpr TwipsPoint kRingCountAt{60, 30};

struct Markers {
    int left;
    int tops[9];
    int width, height;
    StoredColour fore, back;
};
inline constexpr Markers kMainMarkers{1320, {720, 1080, 1440, 1920, 2280, 2640, 3000, 3360, 3720}, 150, 240,
                                      colour::kWhite, colour::kRed};

// frmZoom: its client area, the line and the pitch, and its cyan markers.
inline constexpr std::string_view kZoomTitle = "Zoom View";
inline constexpr int kZoomClientWidth = 5910;
inline constexpr int kZoomClientHeight = 5520;
inline constexpr TwipsPoint kLine1From{3960, 480}, kLine1To{1680, 1560};
inline constexpr TwipsRect kZoomShape1{3960, 2160, 375, 2655};
inline constexpr Markers kZoomMarkers{5520, {720, 1080, 1440, 1920, 2280, 2640, 3000, 3360, 3720}, 200, 255,
                                      colour::kWindowText, colour::kCyan};

// The field tools, in the ground view's menu in this order, and their keys.
enum class Tool {
    Undo, Redo, Mirror, CopyPicture, SavePicture, OpenBackups,
    CopyFieldText, PlaceFielder, PositionNames, StrikerAtTop, StrikerAtBottom, OffSideLeft, OffSideRight,
    AllFields, RenameField
};
inline constexpr int kToolCount = 15;
struct MenuEntry {
    Tool tool;
    std::string_view label;  // "&" before the access key
    std::string_view keys;   // as the menu shows them
    bool separatorBefore = false;
    bool checkable = false;  // a choice, shown ticked while it holds
};
struct ToolKey {
    Tool tool;
    char key;  // a capital letter
    bool shift;
    bool groundViewOnly;  // elsewhere Ctrl+C copies text
};
const std::vector<MenuEntry>& groundMenu();
const std::vector<ToolKey>& toolKeys();  // all with Ctrl

}  // namespace ringwright::form
