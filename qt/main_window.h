#pragma once
// The main window in Qt: the controls from the twips table, their fonts and
// colours, and each Qt event passed to its handler in the behaviour.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <filesystem>

#include "editor/form.h"
#include "editor/frm_main.h"
#include "editor/views.h"
#include "fielddata/field_text.h"
#include "qt/fielder_marker.h"

namespace ringwright {

class GroundView;
class ZoomWindow;
class AllFieldsWindow;

class MainWindow : public QWidget, public MainView {
    Q_OBJECT
public:
    MainWindow(Platform& platform, std::filesystem::path catalogueFolder);
    ~MainWindow() override;

    frmMain& core() { return core_; }
    ZoomWindow* zoom() const;
    // Shows the window at the centre of the screen.
    void showCentred();

    std::string text(ControlId box) const override;
    void setText(ControlId box, const std::string& text) override;
    void addListEntry(ControlId list, const std::string& entry) override;
    int listCount(ControlId list) const override;
    std::string listEntry(ControlId list, int entry) const override;
    int listIndex(ControlId list) const override;
    void setListIndex(ControlId list, int entry) override;
    void setListEntry(ControlId list, int entry, const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& text) override;
    AllFieldsView* allFieldsWindow() override;
    AllFieldsView& loadAllFieldsWindow() override;
    void setBackColor(ControlId control, StoredColour colour) override;
    TwipsPoint markerPosition(int fielder) const override;
    void moveMarker(int fielder, TwipsPoint where) override;
    WindowHandle windowHandle(ControlId window) const override;
    TwipsPoint windowPosition() const override;
    void setRingCount(const std::string& text) override;
    std::optional<std::pair<int, int>> choosePlacement(const std::vector<std::string>& fielders,
                                                       const std::vector<std::string>& positions, int fielder) override;
    void setFieldInWords(const std::array<std::string, fielddata::kFielderCount>& names, const std::string& line,
                         const std::string& warnings) override;
    bool saveGroundPicture(const std::string& path) override;
    void copyGroundPicture() override;
    ZoomView* zoomWindow() override;
    ZoomView& loadZoomWindow() override;
    void endProgram(int exitStatus) override;

    // The controls, by their names.
    QLabel* Label3;
    QLineEdit* txtGOBFile;
    QPushButton* cmdGOBFile;
    QLabel* lblFileName;
    std::array<QLabel*, 14> Label1;
    QComboBox* cboFieldList;
    std::array<QLineEdit*, fielddata::kFielderCount> txtX, txtZ, txtNum;
    std::array<QComboBox*, fielddata::kFielderCount> cboAnim;
    GroundView* Picture1;
    FielderMarkers lblFielder;
    QPushButton *cmdZoom, *cmdSave, *cmdAbout, *cmdImport, *cmdExport;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void passOnFocus(QObject* box, bool arriving, Qt::FocusReason reason);
    void tellFocus(QObject* box, bool arriving);
    void createControls();
    QWidget* make(const form::Row& row);
    void connectHandlers();
    void addFieldTools();
    void showGroundMenu(QPoint at);
    QLineEdit* box(ControlId id) const;
    QComboBox* list(ControlId id) const;

    frmMain core_;
    QObject* focusHolder_ = nullptr;  // the box the handlers were last told has the focus
    QPointer<ZoomWindow> zoom_;
    QPointer<AllFieldsWindow> allFields_;
};

}  // namespace ringwright
