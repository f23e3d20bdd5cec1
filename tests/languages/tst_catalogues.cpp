#include "languages/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString source;
    QString translation;
    // The translation's type: empty for a finished one, else "unfinished", "vanished", ...
    QString type;
};

// Context name → source text → message.
using Catalogue = QMap<QString, QMap<QString, Message>>;

Catalogue readCatalogue(const QString &path, QString *error)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"context") {
                context.clear();
            } else if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = Message();
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            catalogue[context].insert(message.source, message);
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
    }
    return catalogue;
}

QString sourceFile(const char *relative)
{
    return QStringLiteral(VARNELO_SOURCE_DIR "/") + QLatin1String(relative);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

// The access-key markers of a text: "&" before a character, "&&" being a plain ampersand.
int accessKeys(const QString &text)
{
    int keys = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'&') {
            keys += text.at(i + 1) != u'&' ? 1 : 0;
            ++i;
        }
    }
    return keys;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void thePageAndTheDesignAskOnlyForCataloguedTexts();
    void chooseLanguage_data();
    void chooseLanguage();
    void installingSwitchesEveryText();

private:
    Catalogue m_fresh;
};

void TestCatalogues::initTestCase()
{
    QString error;
    m_fresh = readCatalogue(QStringLiteral(VARNELO_FRESH_CATALOGUE), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(m_fresh.size() > 10);
}

void TestCatalogues::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : QStringLiteral(VARNELO_TRANSLATIONS).split(u',')) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// Complete, finished and up to date with the sources; each translation keeps the source's
// placeholders and access key, and the team names fit their ten-character boxes.
void TestCatalogues::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QString error;
    const Catalogue catalogue = readCatalogue(
        sourceFile("languages/varnelo_") + language + QStringLiteral(".ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList problems;
    for (auto context = m_fresh.cbegin(); context != m_fresh.cend(); ++context) {
        for (const Message &wanted : context.value()) {
            const QString where = context.key() + QStringLiteral(" \"") + wanted.source + u'"';
            const auto found = catalogue.value(context.key()).constFind(wanted.source);
            if (found == catalogue.value(context.key()).cend()) {
                problems << where + QStringLiteral(": missing (run lupdate)");
                continue;
            }
            const Message &message = *found;
            if (!message.type.isEmpty() || message.translation.trimmed().isEmpty()) {
                problems << where + QStringLiteral(": not finished");
                continue;
            }
            if (placeholders(message.translation) != placeholders(wanted.source)) {
                problems << where + QStringLiteral(": placeholders differ");
            }
            if (accessKeys(message.translation) != accessKeys(wanted.source)) {
                problems << where + QStringLiteral(": access keys differ");
            }
        }
    }
    for (auto context = catalogue.cbegin(); context != catalogue.cend(); ++context) {
        for (const Message &message : context.value()) {
            if (!m_fresh.value(context.key()).contains(message.source)) {
                problems << context.key() + QStringLiteral(" \"") + message.source
                        + QStringLiteral("\": no longer in the sources");
            }
        }
    }
    for (const char *team : {"Home", "Guest"}) {
        const QString name = catalogue.value(QStringLiteral("DefaultSettings"))
                                 .value(QLatin1String(team))
                                 .translation;
        if (name.size() > 10) {
            problems << QStringLiteral("team name longer than its box: ") + name;
        }
    }
    if (catalogue.value(QStringLiteral("RemotePage")).value(QStringLiteral("en")).translation
        != language) {
        problems << QStringLiteral("RemotePage \"en\" must be the language's code, ") + language;
    }
    // The launcher and the software centre speak it too.
    const QString entry = readText(sourceFile("startup/desktop/org.varnelo.Varnelo.desktop"));
    for (const char *key : {"GenericName", "Comment", "Keywords"}) {
        const QString line = QLatin1String(key) + u'[' + language + QStringLiteral("]=");
        if (!entry.contains(QLatin1Char('\n') + line)) {
            problems << QStringLiteral("desktop entry: no ") + line;
        }
    }
    const QString metainfo
        = readText(sourceFile("startup/desktop/org.varnelo.Varnelo.metainfo.xml"));
    const QString tagged = QStringLiteral(" xml:lang=\"") + language + u'"';
    if (metainfo.count(QStringLiteral("<summary") + tagged) != 1
        || metainfo.count(QStringLiteral("<p") + tagged) != metainfo.count(QStringLiteral("<p>"))) {
        problems << QStringLiteral("AppStream metadata: not every text translated");
    }
    // One line each: a single message would be cut short.
    for (const QString &problem : std::as_const(problems)) {
        qWarning().noquote() << problem;
    }
    QVERIFY2(problems.isEmpty(), "the problems are listed above");
}

// Texts that are not in C++ reach the catalogues through lists in C++: the board's design data
// and the remote page must ask only for texts those lists hold.
void TestCatalogues::thePageAndTheDesignAskOnlyForCataloguedTexts()
{
    QStringList asked;
    const QString html = readText(sourceFile("remote/page/remote.html"));
    const QString script = readText(sourceFile("remote/page/remote.js"));
    QVERIFY(!html.isEmpty() && !script.isEmpty());
    static const QRegularExpression marked(
        QStringLiteral("<(\\w+)[^>]*\\bdata-t\\b[^>]*>([^<]+)<"));
    for (const auto &match : marked.globalMatch(html)) {
        asked << match.captured(2).trimmed();
    }
    static const QRegularExpression attribute(
        QStringLiteral("(?:aria-label|placeholder|data-label)=\"([^\"]+)\""));
    for (const auto &match : attribute.globalMatch(html)) {
        // The pairing code's pattern is an example, not a word.
        if (!match.captured(1).contains(QRegularExpression(QStringLiteral("^[A-Z-]+$")))) {
            asked << match.captured(1);
        }
    }
    static const QRegularExpression called(QStringLiteral("\\bt\\('([^']+)'\\)"));
    for (const auto &match : called.globalMatch(script)) {
        asked << match.captured(1);
    }
    static const QRegularExpression spoken(QStringLiteral("'(%1 [a-z ]+)'"));
    for (const auto &match : spoken.globalMatch(script)) {
        asked << match.captured(1);
    }
    QVERIFY(asked.size() > 20);
    QStringList missing;
    for (const QString &text : asked) {
        if (!m_fresh.value(QStringLiteral("RemotePage")).contains(text)) {
            missing << QStringLiteral("page: ") + text;
        }
    }

    QFile design(sourceFile("board/scoreboard.json"));
    QVERIFY(design.open(QIODevice::ReadOnly));
    const QJsonArray controls
        = QJsonDocument::fromJson(design.readAll()).object().value(u"controls").toArray();
    QVERIFY(!controls.isEmpty());
    for (const QJsonValue &control : controls) {
        const QString caption = control.toObject().value(u"caption").toString();
        if (!caption.isEmpty() && caption != u"Varnelo"
            && !m_fresh.value(QStringLiteral("BoardDesign")).contains(caption)) {
            missing << QStringLiteral("board: ") + caption;
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

void TestCatalogues::chooseLanguage_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the system's") << QString() << QStringLiteral("de_DE") << QStringLiteral("de");
    QTest::newRow("a region of it") << QString() << QStringLiteral("de_CH") << QStringLiteral("de");
    QTest::newRow("Brazil's") << QString() << QStringLiteral("pt_BR") << QStringLiteral("pt");
    QTest::newRow("the setting first")
        << QStringLiteral("fr") << QStringLiteral("de_DE") << QStringLiteral("fr");
    QTest::newRow("English over a German desktop")
        << QStringLiteral("en") << QStringLiteral("de_DE") << QStringLiteral("en");
    QTest::newRow("a system we do not speak")
        << QString() << QStringLiteral("ja_JP") << QStringLiteral("en");
    QTest::newRow("an unknown setting follows the system")
        << QStringLiteral("de_DE") << QStringLiteral("nl_BE") << QStringLiteral("nl");
    QTest::newRow("the C locale") << QString() << QStringLiteral("C") << QStringLiteral("en");
}

void TestCatalogues::chooseLanguage()
{
    QFETCH(QString, setting);
    QFETCH(QString, system);
    QFETCH(QString, chosen);
    QCOMPARE(ChooseLanguage(setting, QLocale(system)), chosen);
}

void TestCatalogues::installingSwitchesEveryText()
{
    const char *cancel = "&Cancel";
    Translations translations;
    QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
    QVERIFY(translations.install(QStringLiteral("de")));
    // What the web scoreboard is told the board speaks.
    QCOMPARE(InstalledLanguage(), QStringLiteral("de"));
    const QString german = QCoreApplication::translate("frmOptions", cancel);
    QVERIFY(german != QLatin1String(cancel));
    // Qt's own buttons come with it.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != QLatin1String("&Yes"));
    QVERIFY(translations.install(QStringLiteral("fr")));
    const QString french = QCoreApplication::translate("frmOptions", cancel);
    QVERIFY(french != german && french != QLatin1String(cancel));
    QCOMPARE(InstalledLanguage(), QStringLiteral("fr"));
    // English is the program as written: nothing is left installed.
    QVERIFY(translations.install(QStringLiteral("en")));
    QCOMPARE(QCoreApplication::translate("frmOptions", cancel), QLatin1String(cancel));
    QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
    QVERIFY(translations.install(QStringLiteral("nl")));
    QVERIFY(!translations.install(QStringLiteral("tlh")));
    QCOMPARE(QCoreApplication::translate("frmOptions", cancel), QLatin1String(cancel));
    QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
