// Renders the Varnelo logo as the icon set the desktop expects: one PNG per usual size, in a
// hicolor theme folder given on the command line.
#include "startup/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicons <hicolor folder>\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder)
            || !VarneloLogo(size).save(theme.filePath(folder + QStringLiteral("/varnelo.png")))) {
            std::fprintf(stderr, "makeicons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
