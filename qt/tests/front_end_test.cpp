// What the Qt front end itself does: the layout it builds from the table,
// the order Qt tells events in, the button mask and positions it hands on,
// the colours it shows, and its windows' kinds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "fielddata/field_text.h"
#include "tests/support/temp_dir.h"
#include "platform/qt_platform.h"
#include "platform/qt_window_handle.h"
#include "tests/support/scripted_platform.h"
#include "qt/colours.h"
#include "qt/ground_view.h"
#include "qt/main_window.h"
#include "qt/zoom_window.h"
#include "qt/all_fields_window.h"
#include "editor/file_dialog_records.h"
#include <QFileDialog>
#include <QInputDialog>

namespace ringwright::testing {
namespace {

using testing_support::TempDir;

void send(QWidget* marker, QEvent::Type type, QPoint at, Qt::MouseButton changed, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), marker->mapToGlobal(QPointF(at)), changed, held, Qt::NoModifier);
    QApplication::sendEvent(marker, &event);
}

// Runs `answer` on the modal window of kind T that the next call opens, if
// one opens: a failing test is never left waiting on a box.
template <class T = QWidget, class Answer>
void whenShown(Answer answer) {
    QTimer::singleShot(0, [answer] {
        if (T* shown = qobject_cast<T*>(QApplication::activeModalWidget())) answer(shown);
    });
}

class QtFrontEndTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;

    // No stored archive path: nothing is loaded and every box is empty.
    void SetUp() override {
        testing_support::writeBytes(dir / "Field.txt", "Only,1\r\n");
        platform.dataFolder = dir / "data";
        window = std::make_unique<MainWindow>(platform, dir.path());
        ASSERT_TRUE(window->core().Form_Load());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
};

// The colour a control actually shows inside its edge and a focus frame.
QColor painted(QWidget* control) { return control->grab().toImage().pixelColor(3, 3); }

TEST_F(QtFrontEndTest, LayoutFollowsTheTwipsTable) {
    EXPECT_EQ(window->size(), QSize(696, 446));
    std::string places;
    for (const QWidget* control : std::initializer_list<const QWidget*>{window->txtGOBFile, window->txtX[8], window->cboAnim[1], window->Label1[5 + 3],
                                   window->Picture1->clientArea(), window->cmdAbout, window->lblFielder[2]}) {
        const QRect r = control->geometry();
        places += std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
                  std::to_string(r.height()) + "; ";
    }
    EXPECT_EQ(places, "32,2 609x19; 424,336 57x20; 552,112 65x21; 408,176 10x16; 2,2 401x401; 600,384 81x33; 88,96 10x16; ");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QImage ground = window->Picture1->picture().toImage();  // dark corners, light-brown pitch: the picture shows
    EXPECT_TRUE(ground.pixelColor(2, 397).lightness() < 100 && ground.pixelColor(200, 200).red() > 200);
    EXPECT_EQ(window->cmdGOBFile->toolTip(), "Select GOB file");
    EXPECT_TRUE(window->lblFileName->isHidden());
    EXPECT_EQ(painted(window->lblFileName), QColor(192, 192, 255));  // pale blue
    EXPECT_TRUE(QFontInfo(window->cmdGOBFile->font()).bold());  // three heavy dots, whatever face stands in
    // Before any field no list shows an entry.
    EXPECT_EQ(window->cboFieldList->currentIndex(), -1);
    for (QComboBox* list : window->cboAnim) EXPECT_EQ(list->currentIndex() * 10 + list->count(), -10 + 3);
    EXPECT_FALSE(window->cboFieldList->isEditable() || window->cboAnim[8]->isEditable());  // lists to choose from only
    EXPECT_EQ(painted(window->lblFielder[4]), QColor(255, 0, 0));
    EXPECT_EQ(window->lblFielder[4]->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST_F(QtFrontEndTest, EveryAccessKeyWorks) {
    QTest::keyClick(focused(), Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(focused(), window->cboFieldList);
    QTest::keyClick(focused(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(focused(), window->txtGOBFile);
    platform.messageAnswers = {answer::kOk, answer::kNo};
    for (Qt::Key key : {Qt::Key_A, Qt::Key_S, Qt::Key_I, Qt::Key_E, Qt::Key_Z}) {
        QTest::keyClick(focused(), key, Qt::AltModifier);
        QTest::qWait(150);  // an access key presses the button after a short flash
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].style, 64);  // About
    EXPECT_EQ(platform.messages[1], (ShownMessage{"Are you sure to save this field", 36, "Ringwright"}));
    ASSERT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(platform.dialogs[0].record.filterDescription, "Longstopper field(*.opt) ");
    EXPECT_TRUE(platform.dialogs[1].save);
    ASSERT_TRUE(window->zoom());
    EXPECT_TRUE(window->zoom()->isVisible());
}

TEST_F(QtFrontEndTest, FocusLeavesBeforeItArrivesAndOnlyAKeyReleasePlaces) {
    window->txtX[1]->setFocus();
    EXPECT_EQ(painted(window->lblFielder[1]), QColor(0, 0, 255));
    QTest::keyPress(window->txtX[1], Qt::Key_Tab);  // to txtZ(1); a press alone places nothing
    EXPECT_EQ(focused(), window->txtZ[1]);
    EXPECT_EQ(painted(window->lblFielder[1]), QColor(0, 0, 255));
    EXPECT_TRUE(platform.messages.empty());
    QTest::keyClick(window->txtZ[1], Qt::Key_Tab);  // Z boxes have no key handler
    EXPECT_EQ(painted(window->lblFielder[1]), QColor(255, 0, 0));
    EXPECT_TRUE(platform.messages.empty());

    platform.messageAnswers = std::deque<int>(18, answer::kOk);
    QTest::keyRelease(window->txtX[0], Qt::Key_Shift);  // any key at all, empty boxes
    EXPECT_EQ(platform.messages.size(), 18u);
    EXPECT_EQ(window->txtX[8]->text(), "1");

    // A message box taking the focus is no lost focus, nor its return an arrival.
    window->txtX[0]->setFocus();
    QColor during;
    whenShown([&](QWidget* box) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        QTest::qWait(50);
        during = painted(window->lblFielder[0]);
        box->close();
    });
    QMessageBox::critical(window.get(), "Ringwright", "Fielder not in range");
    EXPECT_EQ(during, QColor(0, 0, 255));
    EXPECT_EQ(window->focusWidget(), window->txtX[0]);
}

TEST_F(QtFrontEndTest, MarkersHandOnTheButtonMaskAndTwips) {
    FielderMarker* marker = window->lblFielder[1];  // at (1320, 1080) twips: (88, 72) pixels
    const QWidget* ground = window->Picture1->clientArea();
    platform.clientAreas[handleOf(ground)] = clientAreaOnScreenOf(*ground);
    window->txtX[1]->setFocus();  // a marker takes no focus: its own stays blue
    send(marker, QEvent::MouseButtonPress, {2, 3}, Qt::MiddleButton, Qt::MiddleButton);
    const QPoint origin = ground->mapToGlobal(QPoint(0, 0));  // the client area, 401 pixels a side
    EXPECT_EQ(platform.confinements.back(), (ScreenRect{origin.x(), origin.y(), origin.x() + 401, origin.y() + 401}));
    EXPECT_EQ(painted(window->txtX[1]), QColor(255, 255, 0));
    EXPECT_EQ(painted(window->txtZ[1]), QColor(0, 255, 0));
    send(marker, QEvent::MouseMove, {12, 3}, Qt::NoButton, Qt::MiddleButton);
    EXPECT_EQ(marker->position(), (TwipsPoint{1320, 1080}));
    send(marker, QEvent::MouseMove, {12, 3}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(marker->position(), (TwipsPoint{1320, 1080}));
    send(marker, QEvent::MouseMove, {12, -7}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(marker->position(), (TwipsPoint{1470, 930}));
    EXPECT_EQ(marker->pos(), QPoint(98, 62));
    send(marker, QEvent::MouseButtonRelease, {2, 3}, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(platform.confinements.back());
    EXPECT_EQ(window->txtX[1]->text() + " " + window->txtZ[1]->text(), "4.080000 5.520000");
    // Deep, some 31 degrees from straight on the leg side, with the striker at the bottom end.
    EXPECT_EQ(marker->toolTip(), "Fielder 1: cow corner");
    // Beside the marker, one pixel clear.
    QStringList beside;
    for (const QLabel* label : ground->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<const FielderMarker*>(label) && label->geometry().left() == marker->geometry().right() + 2)
            beside << label->text();
    EXPECT_EQ(beside, QStringList{"cow corner"});
    EXPECT_EQ(painted(window->txtX[1]), QApplication::palette().color(QPalette::Base));
    QTest::mouseClick(marker, Qt::LeftButton, {}, {2, 3});  // as the system tells a click
    EXPECT_EQ(focused(), window->txtX[1]);
    EXPECT_EQ(painted(marker), QColor(0, 0, 255));
    QTest::mouseClick(window->Picture1->clientArea(), Qt::LeftButton, {}, {300, 20});
    EXPECT_EQ(focused(), window->Picture1);  // the grass does take it
    EXPECT_EQ(painted(marker), QColor(255, 0, 0));
}

TEST_F(QtFrontEndTest, TheZoomWindowIsAWindowOfItsOwn) {
    window->move(40, 30);
    window->core().cmdZoom_Click();
    ZoomWindow* zoom = window->zoom();
    ASSERT_TRUE(zoom && zoom->isVisible());
    EXPECT_EQ(zoom->windowTitle(), "Zoom View");
    EXPECT_EQ(zoom->size(), QSize(394, 368));
    EXPECT_EQ(zoom->pos(), window->pos());
    EXPECT_EQ(zoom->parentWidget(), nullptr);
    EXPECT_EQ(zoom->QWidget::windowHandle()->transientParent(), nullptr);
    EXPECT_FALSE(zoom->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(painted(zoom->lblFielder[0]), QColor(0, 255, 255));
    const QFont digit = zoom->lblFielder[8]->font();  // the numbers as on the main window: 9.75 points, bold
    EXPECT_TRUE(digit.pointSizeF() == 9.75 && QFontInfo(digit).bold()) << digit.toString().toStdString();
    zoom->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->zoomWindow(), nullptr);
}

TEST_F(QtFrontEndTest, ADroppedFileIsImportedAndTheToolKeysWorkFromABox) {
    fielddata::FieldTexts texts;
    for (int i = 0; i < 9; ++i) texts[i] = {"1.5", "2", "Slip01.anm", "3"};
    testing_support::writeBytes(dir / "f.opt", fielddata::buildFieldText(texts));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "f.opt").string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);  // the drop goes where the drag entered
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->txtX[0]->text().toStdString() + " " + window->lblFileName->text().toStdString(),
              "1.5 " + (dir / "f.opt").string());

    // A box's own undo would take back only its typing: the field's comes first.
    window->txtNum[3]->setFocus();
    QString shown;
    for (Qt::Key key : {Qt::Key_M, Qt::Key_Z, Qt::Key_Y}) {
        QTest::keyClick(window->txtNum[3], key, Qt::ControlModifier);
        shown += window->txtX[3]->text() + " ";
    }
    EXPECT_EQ(shown, "-1.5 1.5 -1.5 ");
    EXPECT_TRUE(platform.messages.empty());
}

// The saved picture carries its field where any PNG reader finds it.
TEST_F(QtFrontEndTest, ASavedPictureCarriesItsField) {
    platform.dialogAnswers = {(dir / "field").string()};
    window->core().SavePicture();
    const QImage picture(QString::fromStdString((dir / "field.png").string()));  // its text read after its pixels
    EXPECT_EQ(picture.size(), QSize(400, 400));
    EXPECT_TRUE(picture.text("Ringwright field").startsWith("BEGIN\r\nID 9999\r\n\tNumCamera 0\r\n"));
}

// The placing dialog from the keyboard alone: a list, Tab, the other, Enter.
TEST_F(QtFrontEndTest, AFielderIsPlacedByNameFromTheKeyboard) {
    QString title;
    whenShown([&](QWidget* shown) {
        QPointer<QWidget> dialog = shown;
        title = dialog->windowTitle();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return})
            if (dialog) QTest::keyClick(dialog->focusWidget(), key);  // fielder 1, then the second slip
        if (dialog) dialog->close();  // never left open by a failure
    });
    window->core().RunTool(form::Tool::PlaceFielder);
    EXPECT_EQ(title, "Place fielder");
    EXPECT_EQ(window->txtX[1]->text() + " " + window->txtZ[1]->text(), "-0.691220 -2.184721");
}

// Shift+F10 and the menu key open the ground view's menu over the ground.
TEST_F(QtFrontEndTest, TheGroundMenuOpensFromTheKeyboardOverTheGround) {
    GroundView* ground = window->Picture1;
    const QRect over(ground->mapToGlobal(QPoint(0, 0)), ground->size());
    const auto opensOver = [&](auto press) {
        QPoint shown(-1, -1);
        QTimer::singleShot(0, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                shown = menu->pos();
                menu->close();
            }
        });
        press();
        return over.contains(shown);
    };
    EXPECT_TRUE(opensOver([&] { QTest::keyClick(ground, Qt::Key_F10, Qt::ShiftModifier); }));
    EXPECT_TRUE(opensOver([&] {
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), ground->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(ground, &key);
    }));
}

// A confined pointer is held on the area's last pixel, not one beyond it.
TEST(QtPlatformTest, AConfinedPointerStaysOnTheArea) {
    QtPlatform platform;
    QWidget target;
    const auto moveTo = [&](QPoint at) {
        QCursor::setPos(at);
        QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), QPointF(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
        return QCursor::pos();
    };
    platform.confinePointer({100, 50, 501, 451});
    EXPECT_EQ(moveTo({900, 900}), QPoint(500, 450));
    EXPECT_EQ(moveTo({10, 10}), QPoint(100, 50));
    EXPECT_EQ(moveTo({300, 200}), QPoint(300, 200));
    platform.freePointer();
    EXPECT_EQ(moveTo({900, 900}), QPoint(900, 900));
}

// A card per record as the list shows it; F2 renames through a dialog and
// Enter chooses. Import offers the exchange files, then the pictures.
TEST_F(QtFrontEndTest, AllFieldsListsEachRecordRenamesByF2AndChoosesByEnter) {
    testing_support::writeBytes(dir / "Field.txt", "Only,1\r\nTwo,5\r\n");
    window = std::make_unique<MainWindow>(platform, dir.path());
    ASSERT_TRUE(window->core().Form_Load());
    window->core().RunTool(form::Tool::AllFields);
    auto* list = dynamic_cast<AllFieldsWindow*>(window->allFieldsWindow());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->windowTitle(), "All fields");
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    EXPECT_EQ(list->iconSize(), QSize(128, 128));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Two\nat byte 5\nNo GOB file has been chosen.");
    QString prompt, offered;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        prompt = dialog->labelText();
        offered = dialog->textValue();
        dialog->setTextValue("Ring, wide");
        dialog->accept();
    });
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_F2);
    EXPECT_EQ(prompt + "|" + offered, "New name for \"Two\":|Two");
    EXPECT_EQ(testing_support::readBytes(dir / "Field.txt"), "Only,1\r\n\"Ring, wide\",5\r\n");
    EXPECT_EQ(window->cboFieldList->itemText(1), "Ring, wide");
    EXPECT_EQ(list->item(1)->text(), "Ring, wide\nat byte 5\nNo GOB file has been chosen.");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->cboFieldList->currentIndex(), 1);

    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        dialog->reject();
    });
    QtPlatform().openFileDialog(importRecord("Two", 0));
    EXPECT_EQ(filters, QStringList({"Longstopper field(*.opt)", "Field pictures (*.png)"}));
}

// The system's style values as Qt shows them: icon, buttons, the default one.
TEST(QtPlatformTest, EachStyleShowsItsIconButtonsAndDefault) {
    QtPlatform platform;
    const struct {
        int style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton byDefault;
        int answer;
    } styles[] = {{16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, 1},
                  {36, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, 6},
                  {48, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, 1},
                  {64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, 1},
                  {308, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, 7}};
    for (const auto& expected : styles) {
        QMessageBox::Icon icon{};
        QMessageBox::StandardButtons buttons{};
        QMessageBox::StandardButton byDefault{};
        whenShown<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            buttons = box->standardButtons();
            byDefault = box->standardButton(box->defaultButton());
            box->defaultButton()->click();
        });
        EXPECT_EQ(platform.messageBox("Text", expected.style, "Ringwright"), expected.answer) << expected.style;
        EXPECT_TRUE(icon == expected.icon && buttons == expected.buttons && byDefault == expected.byDefault)
            << expected.style;
    }
}

}  // namespace
}  // namespace ringwright::testing
