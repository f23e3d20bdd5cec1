#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

namespace {

bool isKnown(const QString &code)
{
    for (const LanguageInfo &language : Languages()) {
        if (language.code == code) {
            return true;
        }
    }
    return false;
}

QString &installedLanguage()
{
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString InstalledLanguage()
{
    return installedLanguage();
}

const QList<LanguageInfo> &Languages()
{
    static const QList<LanguageInfo> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
    };
    return languages;
}

QString ChooseLanguage(const QString &setting, const QLocale &system)
{
    if (isKnown(setting)) {
        return setting;
    }
    // "de-CH", "pt-BR": the language before the region decides.
    for (const QString &tag : system.uiLanguages()) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (isKnown(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

Translations::~Translations()
{
    removeAll();
}

bool Translations::install(const QString &code)
{
    removeAll();
    if (code == QLatin1String("en") || !isKnown(code)) {
        return code == QLatin1String("en");
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/varnelo_") + code + QStringLiteral(".qm"))) {
        return false;
    }
    QCoreApplication::installTranslator(program.get());
    m_program = std::move(program);
    installedLanguage() = code;

    // Qt's own texts (Yes, No, the file and colour choosers) come from Qt's catalogues where the
    // system has them; Qt ships Portuguese as Brazil's.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &name : QStringList{code, code + QStringLiteral("_BR")}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + name, folder)) {
            QCoreApplication::installTranslator(qt.get());
            m_qt = std::move(qt);
            break;
        }
    }
    return true;
}

void Translations::removeAll()
{
    installedLanguage() = QStringLiteral("en");
    for (auto *translator : {&m_program, &m_qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}
