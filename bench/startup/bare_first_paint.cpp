// The yardstick: a bare Qt Widgets window with the same menus and the same
// number of widgets as the main window, ended right after its first paint.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "ui/main_window/main_menu.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    qavo::ui::BuildMainMenu(window.menuBar());
    auto* client = new QWidget(&window);
    client->setFixedSize(542, 430);
    window.setCentralWidget(client);
    constexpr int kCells = 42;
    for (int n = 0; n < 2 * kCells; ++n) {
        auto* cell = new QLabel(QString::number(n), client);
        cell->setGeometry(3 + 77 * (n % 7), 64 + 30 * (n / 7), 77, 30);
    }
    (new QComboBox(client))
        ->addItems({"January", "February", "March", "April", "May", "June", "July", "August",
                    "September", "October", "November", "December"});
    new QLineEdit("2024", client);
    for (int spin = 0; spin < 4; ++spin) {
        new QToolButton(client);
    }
    auto* frame = new QGroupBox("Jewish Year", client);
    new QPushButton("5784", frame);
    new QLabel("Press for Info", frame);
    new QLabel("Sun Mon Tue Wed Thu Fri Sat", client);
    window.show();
    QApplication::processEvents();
    window.repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
