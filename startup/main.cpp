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
    const FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setOrganizationName(QStringLiteral("Varnelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnelo.Varnelo"));
    QApplication::setWindowIcon(VarneloIcon());
    InstallFontSubstitutions();
    std::unique_ptr<QSettings> store = OpenSettingsStore();
    // Before the first window: every text is taken from the catalogues as it is made.
    Translations translations;
    translations.install(ChooseLanguage(StoredLanguage(*store), QLocale::system()));
    QtUiServices ui;
    Application varnelo(ui, std::move(store));
    varnelo.start();
    return QApplication::exec();
}
