#include "startup/application.h"
#include "startup/artwork.h"
#include "startup/fonts.h"

#include "languages/languages.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setOrganizationName(QStringLiteral("Varnelo"));
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnelo.Varnelo"));
    // Every window shows the application's icon.
    QApplication::setWindowIcon(VarneloIcon());
    InstallFontSubstitutions();
    // Earlier versions kept a picture of the splash here; nothing reads it any more.
    QFile::remove(QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                      .filePath(QStringLiteral("splash.picture")));
    std::unique_ptr<QSettings> store = OpenSettingsStore();
    // Before the first window: every text is taken from the catalogues as it is made.
    Translations translations;
    translations.install(ChooseLanguage(StoredLanguage(*store), QLocale::system()));
    QtUiServices ui;
    Application varnelo(ui, std::move(store));
    // A second start over the same game brings the running program to the front, and ends.
    if (!varnelo.start()) {
        return 0;
    }
    return QApplication::exec();
}
