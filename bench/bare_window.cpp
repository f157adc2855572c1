// A bare Qt program: one 696 x 446 window shown, then it quits. With the
// argument "text", the window also shows what any window of the editor's
// kind must: a label, a text box, a list and a button with text, in the
// editor's two named faces, beside a decoded JPEG of the ground.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(696, 446);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* label = new QLabel("X pos", &window);
        label->setFont(QFont("MS Sans Serif", 8));
        (new QLineEdit("1.500000", &window))->move(0, 30);
        auto* list = new QComboBox(&window);
        list->addItem("Slip01.anm");
        list->move(0, 60);
        auto* button = new QPushButton("...", &window);
        button->setFont(QFont("Arial Black", 11, QFont::Black));
        button->move(0, 90);
        auto* ground = new QLabel(&window);
        ground->setPixmap(QPixmap::fromImage(QImage(RINGWRIGHT_GROUND_JPEG, "JPG")));
        ground->setGeometry(200, 0, 400, 400);
    }
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
