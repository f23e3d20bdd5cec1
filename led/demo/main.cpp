// Shows every digit 0-9 and a blank, as polygons and as dots, at three sizes.
#include <segmora/segmora.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Segmora digits"));
    window.setStyleSheet(QStringLiteral("background: #202020; color: #e0e0e0;"));
    auto *grid = new QGridLayout(&window);

    const int sizes[] = {18, 45, 90};
    const Segmora::LEDType types[] = {Segmora::LEDType::Segmora, Segmora::LEDType::CircleLED};
    int row = 0;
    for (const auto type : types) {
        for (const int size : sizes) {
            const QString name = type == Segmora::LEDType::Segmora ? QStringLiteral("polygons")
                                                                   : QStringLiteral("dots");
            grid->addWidget(new QLabel(QStringLiteral("%1, Size %2").arg(name).arg(size)), row, 0);
            for (int caption = 0; caption <= 10; ++caption) {
                auto *digit = new Segmora;
                digit->setSize(size);
                digit->setLEDType(type);
                digit->setLitColor(0x0000FFFF);
                digit->setCaption(caption == 10 ? -1 : caption);
                grid->addWidget(digit, row, caption + 1);
            }
            ++row;
        }
    }
    window.show();
    return app.exec();
}
