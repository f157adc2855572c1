#pragma once
// The child window identifiers of the Windows front end. The inspector that
// the end-to-end tests run reads the controls by these identifiers.
namespace ringwright::win32 {

inline constexpr wchar_t kMainClass[] = L"RingwrightMain";
inline constexpr wchar_t kZoomClass[] = L"RingwrightZoom";
inline constexpr wchar_t kGroundClass[] = L"RingwrightGround";
inline constexpr wchar_t kMarkerClass[] = L"RingwrightMarker";
inline constexpr wchar_t kAllFieldsClass[] = L"RingwrightAllFields";

namespace id {
constexpr int kLabel3 = 100;
constexpr int kTxtGOBFile = 101;
constexpr int kCmdGOBFile = 102;
constexpr int kLblFileName = 103;
constexpr int kCboFieldList = 104;
constexpr int kLabel1 = 110;  // + 0 to 13
constexpr int kTxtX = 200;    // + fielder index
constexpr int kTxtZ = 210;
constexpr int kCboAnim = 220;
constexpr int kTxtNum = 230;
constexpr int kPicture1 = 300;
constexpr int kLblFielder = 310;  // children of Picture1, and of the zoom window
constexpr int kCmdZoom = 400;
constexpr int kCmdSave = 401;
constexpr int kCmdAbout = 402;
constexpr int kCmdImport = 403;
constexpr int kCmdExport = 404;
// The field tools, from the keyboard and the ground view's menu, in the
// order of their kinds: 500 and on.
constexpr int kFirstTool = 500;
// The lists of the dialog of "Place fielder...", as the resource script has them.
constexpr int kPlaceFielderList = 601;
constexpr int kPlacePositionList = 602;
// The prompt and the box of the dialog that asks for a line of text.
constexpr int kAskPrompt = 603;
constexpr int kAskText = 604;
}  // namespace id

}  // namespace ringwright::win32

#include "editor/form.h"
#include "editor/views.h"

namespace ringwright::win32 {

// The identifier of each control of the form, and of each field tool.
constexpr int idOf(ControlId control) {
    switch (control.control) {
    case Control::Label3: return id::kLabel3;
    case Control::txtGOBFile: return id::kTxtGOBFile;
    case Control::cmdGOBFile: return id::kCmdGOBFile;
    case Control::lblFileName: return id::kLblFileName;
    case Control::cboFieldList: return id::kCboFieldList;
    case Control::Label1: return id::kLabel1 + control.index;
    case Control::txtX: return id::kTxtX + control.index;
    case Control::txtZ: return id::kTxtZ + control.index;
    case Control::cboAnim: return id::kCboAnim + control.index;
    case Control::txtNum: return id::kTxtNum + control.index;
    case Control::Picture1: return id::kPicture1;
    case Control::lblFielder: return id::kLblFielder + control.index;
    case Control::cmdZoom: return id::kCmdZoom;
    case Control::cmdSave: return id::kCmdSave;
    case Control::cmdAbout: return id::kCmdAbout;
    case Control::cmdImport: return id::kCmdImport;
    case Control::cmdExport: return id::kCmdExport;
    default: return 0;
    }
}

constexpr int idOf(form::Tool tool) { return id::kFirstTool + int(tool); }

}  // namespace ringwright::win32
