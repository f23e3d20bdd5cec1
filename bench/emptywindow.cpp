// An empty Qt Widgets window of a given size, linked to nothing but Qt Widgets: what any program
// of the same toolkit needs to put a window on screen. With a text, the window shows it in a
// label: what any window that shows a word pays besides, for the fonts. bench/board_bench.sh
// times the program's splash screen against both.
//
//   emptywindow [WIDTH HEIGHT [TEXT]]
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3) {
        window.resize(arguments.at(1).toInt(), arguments.at(2).toInt());
    }
    if (arguments.size() >= 4) {
        auto *label = new QLabel(arguments.at(3), &window);
        label->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}
