#include "startup/application.h"
#include "startup/artwork.h"
#include "startup/fonts.h"
#include "startup/fontwarmup.h"

#include "settings/settingsstore.h"
#include "ui/uiservices.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    const FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setOrganizationName(QStringLiteral("Varnelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnelo.Varnelo"));
    QApplication::setWindowIcon(VarneloIcon());
    InstallFontSubstitutions();
    QtUiServices ui;
    Application varnelo(ui, OpenSettingsStore());
    varnelo.start();
    return QApplication::exec();
}
