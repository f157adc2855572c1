#pragma once
// The editor's main window. The field being edited lives in its controls:
// the boxes and lists of the nine fielder rows, the markers on the ground
// view, the archive path in txtGOBFile and the last exchange file's path in
// lblFileName. Handlers keep the names of the controls and events they serve.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fielddata/catalogue.h"
#include "fielddata/field_text.h"
#include "fielder_marker.h"
#include "frm_zoom.h"
#include "platform/platform.h"

namespace ringwright {

class GroundView;

inline constexpr char kTitle[] = "Ringwright";

class frmMain : public QWidget {
    Q_OBJECT
public:
    // `catalogueFolder` is where Field.txt is looked for: the executable's folder.
    frmMain(Platform& platform, std::filesystem::path catalogueFolder);
    ~frmMain() override;

    // False when the program must end (no catalogue); the window is then never shown.
    bool Form_Load();
    // Shows the window at the centre of the screen.
    void showCentred();

    void SetFielderCoordinates(int Index);
    void MoveFielderToCoordinates();

    // Handlers, public so that the zoom window and tests reach them by name.
    void cboFieldList_Click();
    void cmdGOBFile_Click();
    void cmdSave_Click();
    void cmdExport_Click();
    void cmdImport_Click();
    void cmdAbout_Click();
    void cmdZoom_Click();
    void txtX_GotFocus(int Index);
    void txtX_LostFocus(int Index);
    void txtX_KeyUp(int Index);
    void txtZ_GotFocus(int Index);
    void txtZ_LostFocus(int Index);
    void lblFielder_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseUp(int Index, int Button, int Shift, float X, float Y);

    // A drag that ends without its release: the pointer goes free, the
    // boxes get their normal colour, marker and texts stay.
    void abandonDrag();

    // The colours of fielder Index's boxes while its marker is held, here or
    // in the zoom view, and after.
    void showFielderHeld(int Index);
    void showFielderFree(int Index);

    Platform& platform() { return platform_; }
    frmZoom* zoomWindow() const { return zoom_; }
    fielddata::FieldOffset currentFieldOffset() const { return CurrentFieldOffset; }

    // The controls, by the names the rest of the editor uses.
    QLabel* Label3;
    QLineEdit* txtGOBFile;
    QPushButton* cmdGOBFile;
    QLabel* lblFileName;
    std::array<QLabel*, 14> Label1;
    QComboBox* cboFieldList;
    std::array<QLineEdit*, fielddata::kFielderCount> txtX, txtZ, txtNum;
    std::array<QComboBox*, fielddata::kFielderCount> cboAnim;
    GroundView* Picture1;
    std::array<FielderMarker*, fielddata::kFielderCount> lblFielder;
    QPushButton *cmdZoom, *cmdSave, *cmdAbout, *cmdImport, *cmdExport;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createControls();
    void layOutControls();
    void setFocusOrder();
    void connectHandlers();

    int say(const std::string& text, int style, const std::string& caption = kTitle);
    std::filesystem::path archivePath() const;
    std::filesystem::path cataloguePath() const;
    std::optional<std::string> readCatalogue();
    bool LookUpFieldOffset();
    std::optional<std::string> ReadFieldSlot();
    bool WriteFieldSlot(std::string_view block);
    void recoverUnfinishedSave();
    bool confirmSlotHoldsAField();
    void ParseFieldText(std::string_view text);
    std::optional<std::string> BuildFieldText();
    std::string selectedListName() const;
    void frmZoomLoad();

    Platform& platform_;
    std::filesystem::path catalogueFolder_;
    fielddata::FieldOffset CurrentFieldOffset = 0;
    float GrabOffsetX = 0, GrabOffsetY = 0;
    std::optional<int> heldFielder_;
    QPointer<frmZoom> zoom_;
};

}  // namespace ringwright
