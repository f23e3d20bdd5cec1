#include "service/config.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace websb;

class TestWebsbConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fullConfig();
    void defaultsStandWhenNotGiven();
    void mistakesNameTheLine_data();
    void mistakesNameTheLine();
    void listenAddresses_data();
    void listenAddresses();
    void pageNames();
    void missingFile();
    void hashPasscodeRefusesShortOnes_data();
    void hashPasscodeRefusesShortOnes();

private:
    QString m_digest;
};

void TestWebsbConfig::initTestCase()
{
    m_digest
        = formatPasscodeHash(hashPasscode(QByteArrayLiteral("s3cret"), MinimumConfigIterations));
}

void TestWebsbConfig::fullConfig()
{
    const QString text = QStringLiteral("# Cup weekend\n"
                                        "listen = [::1]:9090\n"
                                        "  interval=5  \n"
                                        "\n"
                                        "data = state\n"
                                        "connections = 3000\r\n"
                                        "checks-per-page = 3\n")
        + pageConfigLine(QStringLiteral("north-pitch"), *parsePasscodeHash(m_digest))
        + QStringLiteral("\npage = south_2   ") + m_digest + QLatin1Char('\n');
    ServiceConfig config;
    QString error;
    QVERIFY2(parseConfig(text, QStringLiteral("/etc/varnelo"), config, error), qPrintable(error));
    QCOMPARE(config.host, QStringLiteral("::1"));
    QCOMPARE(config.port, 9090);
    QCOMPARE(config.interval, 5);
    QCOMPARE(config.maxConnections, 3000);
    QCOMPARE(config.guesses.inFlightPerPage, 3);
    QCOMPARE(config.dataFolder, QStringLiteral("/etc/varnelo/state"));
    QCOMPARE(config.pages.size(), std::size_t(2));
    QVERIFY(passcodeMatches(config.pages.at("north-pitch"), QByteArrayLiteral("s3cret")));
    QVERIFY(passcodeMatches(config.pages.at("south_2"), QByteArrayLiteral("s3cret")));
}

void TestWebsbConfig::defaultsStandWhenNotGiven()
{
    ServiceConfig config;
    config.dataFolder = QStringLiteral("/var/lib/websb");
    QString error;
    QVERIFY(parseConfig(
        QStringLiteral("page = main ") + m_digest, QStringLiteral("/x"), config, error));
    QCOMPARE(config.host, QStringLiteral("127.0.0.1"));
    QCOMPARE(config.port, 8080);
    QCOMPARE(config.interval, 2);
    QCOMPARE(config.dataFolder, QStringLiteral("/var/lib/websb"));
    QCOMPARE(config.pages.size(), std::size_t(1));
}

void TestWebsbConfig::mistakesNameTheLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("complaint");

    const QString page = QStringLiteral("page = main ") + m_digest + QLatin1Char('\n');
    QTest::newRow("no equals sign")
        << QStringLiteral("listen 127.0.0.1:80") << QStringLiteral("line 1: expected");
    QTest::newRow("unknown key") << QStringLiteral("\nport = 80")
                                 << QStringLiteral("line 2: unknown key \"port\"");
    QTest::newRow("interval zero")
        << QStringLiteral("interval = 0") << QStringLiteral("line 1: interval");
    QTest::newRow("interval not a number")
        << QStringLiteral("interval = 2s") << QStringLiteral("line 1: interval");
    QTest::newRow("host name") << QStringLiteral("listen = localhost:8080")
                               << QStringLiteral("line 1: listen");
    QTest::newRow("empty data") << QStringLiteral("data =") << QStringLiteral("line 1: data");
    QTest::newRow("too few connections")
        << QStringLiteral("connections = 2") << QStringLiteral("line 1: connections");
    QTest::newRow("no checks at all")
        << QStringLiteral("checks-per-page = 0") << QStringLiteral("line 1: checks-per-page");
    QTest::newRow("passcode in clear")
        << QStringLiteral("page = main s3cret") << QStringLiteral("line 1: a passcode digest");
    QTest::newRow("page without digest")
        << QStringLiteral("page = main") << QStringLiteral("line 1: expected \"page = ");
    QTest::newRow("bad page name")
        << QStringLiteral("page = ../etc ") + m_digest << QStringLiteral("line 1: a page name");
    QTest::newRow("page twice") << page + page << QStringLiteral("line 2: page main appears twice");
}

void TestWebsbConfig::mistakesNameTheLine()
{
    QFETCH(QString, text);
    QFETCH(QString, complaint);
    ServiceConfig config;
    config.interval = 7;
    QString error;
    QVERIFY(!parseConfig(text, QStringLiteral("/x"), config, error));
    QVERIFY2(error.startsWith(complaint), qPrintable(error));
    // A config with a mistake changes nothing.
    QCOMPARE(config.interval, 7);
    QVERIFY(config.pages.empty());
}

void TestWebsbConfig::listenAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    const auto row = [](const char *text, bool valid, const char *host, int port) {
        QTest::newRow(*text ? text : "empty")
            << QString::fromLatin1(text) << valid << QString::fromLatin1(host) << port;
    };
    row("127.0.0.1:8080", true, "127.0.0.1", 8080);
    row("0.0.0.0:80", true, "0.0.0.0", 80);
    row("127.0.0.1:0", true, "127.0.0.1", 0);
    row("[::1]:8080", true, "::1", 8080);
    row("[::]:443", true, "::", 443);
    row("::1:8080", false, "", 0);
    row("127.0.0.1", false, "", 0);
    row(":8080", false, "", 0);
    row("127.0.0.1:65536", false, "", 0);
    row("127.0.0.1:-1", false, "", 0);
    row("127.0.0.1:http", false, "", 0);
    row("example.org:80", false, "", 0);
    row("", false, "", 0);
}

void TestWebsbConfig::listenAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString parsedHost = QStringLiteral("unchanged");
    int parsedPort = -5;
    QCOMPARE(parseListenAddress(text, parsedHost, parsedPort), valid);
    QCOMPARE(parsedHost, valid ? host : QStringLiteral("unchanged"));
    QCOMPARE(parsedPort, valid ? port : -5);
}

void TestWebsbConfig::pageNames()
{
    QVERIFY(isValidPageName(QStringLiteral("main")));
    QVERIFY(isValidPageName(QStringLiteral("U12-final_2")));
    QVERIFY(isValidPageName(QString(MaxPageNameLength, QLatin1Char('a'))));
    QVERIFY(!isValidPageName(QString(MaxPageNameLength + 1, QLatin1Char('a'))));
    QVERIFY(!isValidPageName(QString()));
    QVERIFY(!isValidPageName(QStringLiteral("a b")));
    QVERIFY(!isValidPageName(QStringLiteral("a/b")));
    QVERIFY(!isValidPageName(QStringLiteral("..")));
    QVERIFY(!isValidPageName(QStringLiteral("Zürich")));
    QVERIFY(!isValidPageName(QStringLiteral("main\n")));
}

void TestWebsbConfig::missingFile()
{
    QTemporaryDir dir;
    ServiceConfig config;
    QString error;
    const QString path = dir.filePath(QStringLiteral("none.conf"));
    QVERIFY(!loadConfigFile(path, config, error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void TestWebsbConfig::hashPasscodeRefusesShortOnes_data()
{
    QTest::addColumn<QString>("passcode");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("seven") << QStringLiteral("s3cret!") << false;
    QTest::newRow("eight") << QStringLiteral("s3cret!!") << true;
    // Characters, not bytes.
    QTest::newRow("seven in eight bytes") << QStringLiteral("Zürich7") << false;
    QTest::newRow("eight with accents") << QStringLiteral("Zürich-7") << true;
    QTest::newRow("empty") << QString() << false;
}

void TestWebsbConfig::hashPasscodeRefusesShortOnes()
{
    QFETCH(QString, passcode);
    QFETCH(bool, accepted);
    QProcess program;
    program.start(QStringLiteral(VARNELO_WEBSB_PROGRAM),
        {QStringLiteral("--hash-passcode"), QStringLiteral("main")});
    QVERIFY(program.waitForStarted(5000));
    program.write(passcode.toUtf8() + '\n');
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(10000));
    const QByteArray out = program.readAllStandardOutput();
    const QString error = QString::fromUtf8(program.readAllStandardError());
    if (!accepted) {
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(out.isEmpty());
        QVERIFY2(error.contains(passcode.isEmpty() ? QStringLiteral("empty")
                                                   : QStringLiteral("at least 8 characters")),
            qPrintable(error));
        return;
    }
    QCOMPARE(program.exitCode(), 0);
    ServiceConfig config;
    QString problem;
    QVERIFY2(parseConfig(QString::fromUtf8(out), QString(), config, problem), qPrintable(problem));
    QVERIFY(passcodeMatches(config.pages.at("main"), passcode.toUtf8()));
}

QTEST_GUILESS_MAIN(TestWebsbConfig)

#include "tst_websbconfig.moc"
