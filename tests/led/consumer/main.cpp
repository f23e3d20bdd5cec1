// Shows one digit, checks what the README promises of it, and exits 0 when all holds.
#include <segmora/segmora.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto *digit = new Segmora;
    digit->setSize(90);
    digit->setLitColor(0x0000FFFF);
    digit->setCaption(7);
    digit->show();
    const bool sound = digit->digitSize() == 90 && digit->caption() == 7
        && digit->property("Caption").toInt() == 7
        && digit->sizeHint().height() > Segmora().sizeHint().height() * 3 / 2;
    std::printf("segmora consumer: size %d, caption %d, Caption %d, height %d: %s\n",
        digit->digitSize(), digit->caption(), digit->property("Caption").toInt(),
        digit->sizeHint().height(), sound ? "ok" : "wrong");
    delete digit;
    return sound ? 0 : 1;
}
