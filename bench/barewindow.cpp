// SPDX-License-Identifier: GPL-3.0-or-later
// A main window with an empty graphics view, shown maximised: the least a Qt game window costs.
// With --button it also has one push button with a text, which makes the toolkit load its fonts.
#include <QApplication>
#include <QBoxLayout>
#include <QGraphicsView>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--button"))) {
        auto *central = new QWidget;
        auto *layout = new QHBoxLayout(central);
        layout->addWidget(new QGraphicsView);
        layout->addWidget(new QPushButton(QStringLiteral("&new game")));
        window.setCentralWidget(central);
    } else {
        window.setCentralWidget(new QGraphicsView);
    }
    window.showMaximized();
    return app.exec();
}
