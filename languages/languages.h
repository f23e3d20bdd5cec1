#pragma once

#include <QList>
#include <QString>
#include <QTranslator>

#include <memory>

class QLocale;

// The languages Varnelo speaks, and the choice among them: the operator's setting when it names
// one, otherwise the system's locale, otherwise English, the language the program is written in.

struct LanguageInfo
{
    // ISO 639-1, as in the catalogues' file names (varnelo_de.qm).
    QString code;
    // The language's name in itself, as a chooser lists it.
    QString name;
};

// English first, then the translations in the order of their codes.
const QList<LanguageInfo> &Languages();

// The language to show: `setting` when it is one of Languages(), else the first of the
// system's UI languages that is, else "en". An empty or unknown setting follows the system.
QString ChooseLanguage(const QString &setting, const QLocale &system);

// The language whose catalogues a Translations installed last ("en" when none was).
QString InstalledLanguage();

// Qt's translators for one language: the program's own catalogue from its resources and Qt's
// catalogue for the standard buttons and dialogs, installed for the life of the object.
class Translations
{
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Installs `code`'s catalogues in place of any installed before; English installs none, so
    // the program shows the texts it is written with. False when the program's own catalogue
    // for `code` is missing (nothing is then installed).
    bool install(const QString &code);

private:
    void removeAll();

    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};
