#include "startup/application.h"
#include "startup/artwork.h"
#include "startup/fonts.h"
#include "startup/fontwarmup.h"
#include "startup/splashpicture.h"

#include "languages/languages.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <optional>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    QApplication::setOrganizationName(QStringLiteral("Varnelo"));
    // With a picture of the splash kept from the last start, the first frame needs no fonts and
    // no icon: drawing them aside would only take the two cores of a small laptop from it. They
    // are drawn once it is on screen. Without one they are drawn aside while the splash is made.
    const QString picture = DefaultSplashPicturePath();
    const bool pictureKept = QFileInfo::exists(picture);
    std::optional<FontWarmUp> fonts;
    if (!pictureKept) {
        fonts.emplace();
    }
    QApplication app(argc, argv);
    std::optional<IconWarmUp> icons;
    if (!pictureKept) {
        icons.emplace();
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnelo.Varnelo"));
    InstallFontSubstitutions();
    std::unique_ptr<QSettings> store = OpenSettingsStore();
    // Before the first window: every text is taken from the catalogues as it is made.
    Translations translations;
    translations.install(ChooseLanguage(StoredLanguage(*store), QLocale::system()));
    QtUiServices ui;
    Application varnelo(ui, std::move(store));
    SplashStart splash;
    splash.pictureFile = picture;
    splash.beforeText = [&] {
        // Fontconfig does not wait for a load under way on another thread: it starts one of its
        // own.
        if (fonts) {
            fonts->wait();
        }
        // Every window shows the application's icon.
        QApplication::setWindowIcon(icons ? icons->icon() : VarneloIcon());
    };
    varnelo.start(std::move(splash));
    return QApplication::exec();
}
