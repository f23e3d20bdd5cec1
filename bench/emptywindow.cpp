// An empty Qt Widgets window of a given size, linked to nothing but Qt Widgets: what any program
// of the same toolkit needs to put a window on screen. bench/board_bench.sh times the program's
// splash screen against it.
//
//   emptywindow [WIDTH HEIGHT]
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3) {
        window.resize(arguments.at(1).toInt(), arguments.at(2).toInt());
    }
    window.show();
    return QApplication::exec();
}
