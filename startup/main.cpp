#include "startup/application.h"
#include "startup/artwork.h"
#include "startup/fonts.h"
#include "startup/fontwarmup.h"

#include "languages/languages.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

int main(int argc, char *argv[])
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    IconWarmUp icons;
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setOrganizationName(QStringLiteral("Varnelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnelo.Varnelo"));
    InstallFontSubstitutions();
    std::unique_ptr<QSettings> store = OpenSettingsStore();
    // Before the first window: every text is taken from the catalogues as it is made.
    Translations translations;
    translations.install(ChooseLanguage(StoredLanguage(*store), QLocale::system()));
    QtUiServices ui;
    Application varnelo(ui, std::move(store));
    // Fontconfig does not wait for a load under way on another thread: it starts one of its own.
    fonts.wait();
    varnelo.start();
    // Every window shows the application's icon, drawn while the splash was made.
    QApplication::setWindowIcon(icons.icon());
    return QApplication::exec();
}
