#pragma once
// The main window's layout in twips, from its client area's top-left corner.
// Fielder rows stand 480 twips apart from Top 1200.
#include "editor/twips.h"

namespace ringwright::main_layout {

constexpr int kClientWidth = 10440;
constexpr int kClientHeight = 6690;

constexpr int rowTop(int fielder) { return 1200 + 480 * fielder; }

constexpr TwipsRect kLabel3{0, 30, 375, 255};
constexpr TwipsRect kTxtGOBFile{480, 30, 9135, 285};
constexpr TwipsRect kCmdGOBFile{9840, 0, 375, 330};
constexpr TwipsRect kLblFileName{9840, 0, 735, 375};
constexpr TwipsRect kListLabel{6240, 480, 495, 255};
constexpr TwipsRect kCboFieldList{6840, 480, 3495, 315};
constexpr TwipsRect kXPosLabel{6480, 840, 495, 255};
constexpr TwipsRect kZPosLabel{7320, 840, 495, 255};
constexpr TwipsRect kAnimationLabel{8280, 840, 735, 255};
constexpr TwipsRect kValueLabel{9480, 840, 495, 255};
constexpr TwipsRect kPicture1{30, 480, 6075, 6075};
constexpr TwipsRect kCmdZoom{6240, 5520, 1215, 495};
constexpr TwipsRect kCmdSave{7680, 5520, 1215, 495};
constexpr TwipsRect kCmdAbout{9000, 5760, 1215, 495};
constexpr TwipsRect kCmdImport{6240, 6120, 1215, 495};
constexpr TwipsRect kCmdExport{7680, 6120, 1215, 495};

constexpr TwipsRect rowDigit(int i) { return {6120, rowTop(i), 150, 240}; }
constexpr TwipsRect txtX(int i) { return {6360, rowTop(i), 855, 300}; }
constexpr TwipsRect txtZ(int i) { return {7320, rowTop(i), 855, 300}; }
constexpr TwipsRect cboAnim(int i) { return {8280, rowTop(i), 975, 315}; }
constexpr TwipsRect txtNum(int i) { return {9360, rowTop(i), 1000, 300}; }

// Inside Picture1's client area.
constexpr TwipsRect kShape1{1500, 1500, 3000, 3000};
constexpr int kMarkerLeft = 1320;
constexpr int kMarkerTops[9] = {720, 1080, 1440, 1920, 2280, 2640, 3000, 3360, 3720};
constexpr int kMarkerWidth = 150;
constexpr int kMarkerHeight = 240;

}  // namespace ringwright::main_layout
