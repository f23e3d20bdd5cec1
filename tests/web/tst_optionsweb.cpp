#include "tests/support/optionsdriver.h"
#include "tests/support/scriptedhttpserver.h"
#include "web/httpclient.h"

#include <QLineEdit>

namespace {

using Response = ScriptedHttpServer::Response;

// A service that accepts every update with the right echo, or refuses them all.
ScriptedHttpServer::Script service(bool accept)
{
    return [accept](const QString &target) {
        QString echo;
        const QUrlQuery query(QUrl(target).query(QUrl::FullyEncoded));
        for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
            if (item.first != QLatin1String("passcode") && item.first != QLatin1String("final")) {
                echo += item.second;
            }
        }
        return Response{Response::Kind::Answer, 200,
            accept ? QString(QStringLiteral("2|") + echo).toUtf8() : "no", 0};
    };
}

// Start or Stop, as the operator clicks it, and the wait for the service to answer: meanwhile the
// dialog takes no input.
void startStop(frmOptions &dialog)
{
    press(dialog, "cmdStartStopWebSB");
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isEnabled(), 5000);
}

void type(frmOptions &dialog, const char *box, const QString &text)
{
    auto *edit = find<QLineEdit>(dialog, box);
    edit->setText(text);
}

} // namespace

class TestOptionsWeb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startTestsWhatIsTypedAndConnects();
    void startThatIsRefusedEndsOff();
    void startThatCannotReachTheServiceSaysBoth();
    void startThenCancelKeepsPublishingWithTheStoredPage();
    void stopWithYesSendsTheFinalUpdate();
    void stopWithNoSendsNothing();

private:
    std::unique_ptr<frmOptions> open() { return m_bench->open(); }
    QString status(frmOptions &dialog) { return labelText(dialog, "lblWebSBStatus"); }

    std::unique_ptr<OptionsBench> m_bench;
    std::unique_ptr<ScriptedHttpServer> m_server;
};

void TestOptionsWeb::init()
{
    m_bench = std::make_unique<OptionsBench>();
    m_bench->makeHttpClient = [] { return std::make_unique<QtHttpClient>(1000); };
    m_server = std::make_unique<ScriptedHttpServer>();
    m_bench->settings.ServiceAddress = QStringLiteral("http://127.0.0.1:1/web/");
    m_bench->settings.URL = QStringLiteral("stored-page");
    m_bench->settings.PassCode = QStringLiteral("stored-pass");
}

void TestOptionsWeb::cleanup()
{
    m_bench.reset();
    m_server.reset();
}

void TestOptionsWeb::startTestsWhatIsTypedAndConnects()
{
    m_server->setScript(service(true));
    auto dialog = open();
    type(*dialog, "txtWebSBURL", QStringLiteral("cup final"));
    type(*dialog, "txtWebSBPassCode", QStringLiteral("p#ss"));
    type(*dialog, "txtWebSBServer", m_server->baseAddress());
    press(*dialog, "cmdStartStopWebSB");
    QVERIFY(!dialog->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isEnabled(), 5000);
    QCOMPARE(m_server->targets.size(), 1);
    QVERIFY(m_server->targets.at(0).startsWith(QLatin1String("/web/cup%20final?")));
    QCOMPARE(m_server->field(QStringLiteral("passcode")), QStringLiteral("p#ss"));
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(0));
    QCOMPARE(status(*dialog), QStringLiteral("Connected"));
    QCOMPARE(find<QPushButton>(*dialog, "cmdStartStopWebSB")->text(), QStringLiteral("Stop"));
    QVERIFY(!find<QLineEdit>(*dialog, "txtWebSBURL")->isEnabled());
    QVERIFY(m_bench->ui.messages.isEmpty());
    QVERIFY(dialog->isEnabled());
}

void TestOptionsWeb::startThatIsRefusedEndsOff()
{
    m_server->setScript(service(false));
    m_bench->settings.ServiceAddress = m_server->baseAddress();
    auto dialog = open();
    startStop(*dialog);
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(m_bench->ui.messages.size(), 1);
    QCOMPARE(m_bench->ui.messages.at(0).title, QStringLiteral("Fail"));
    QCOMPARE(m_bench->ui.messages.at(0).text,
        QStringLiteral("Connection Failed. Check the URL and passcode you entered and try "
                       "again."));
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(-1));
    QCOMPARE(status(*dialog), QStringLiteral("Disabled"));
    QVERIFY(find<QLineEdit>(*dialog, "txtWebSBURL")->isEnabled());
}

void TestOptionsWeb::startThatCannotReachTheServiceSaysBoth()
{
    auto dialog = open(); // the stored server address has nobody listening
    startStop(*dialog);
    QCOMPARE(m_bench->ui.messages.size(), 2);
    QCOMPARE(
        m_bench->ui.messages.at(0).text, QStringLiteral("Error sending information to server!"));
    QCOMPARE(m_bench->ui.messages.at(1).title, QStringLiteral("Fail"));
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(-1));
}

void TestOptionsWeb::startThenCancelKeepsPublishingWithTheStoredPage()
{
    m_server->setScript(service(true));
    m_bench->settings.ServiceAddress = m_server->baseAddress();
    auto dialog = open();
    type(*dialog, "txtWebSBURL", QStringLiteral("typed-page"));
    startStop(*dialog);
    press(*dialog, "cmdCancel");
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(0));
    QCOMPARE(m_bench->settings.URL, QStringLiteral("stored-page"));
    QVERIFY(m_bench->store.allKeys().isEmpty());
}

void TestOptionsWeb::stopWithYesSendsTheFinalUpdate()
{
    m_server->setScript(service(true));
    m_bench->settings.ServiceAddress = m_server->baseAddress();
    m_bench->web.WebSBFailCount = 3;
    m_bench->ui.answers = {true};
    auto dialog = open();
    type(*dialog, "txtWebSBURL", QStringLiteral("typed-page")); // disabled, and not used
    startStop(*dialog);
    QCOMPARE(m_bench->ui.questions.size(), 1);
    QCOMPARE(m_bench->ui.questions.at(0).title, QStringLiteral("Web Scoreboard"));
    QCOMPARE(m_server->targets.size(), 1);
    QVERIFY(m_server->targets.at(0).startsWith(QLatin1String("/web/stored-page?")));
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    QCOMPARE(m_server->field(QStringLiteral("passcode")), QStringLiteral("stored-pass"));
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(-1));
    QCOMPARE(status(*dialog), QStringLiteral("Disabled"));
}

void TestOptionsWeb::stopWithNoSendsNothing()
{
    m_server->setScript(service(true));
    m_bench->settings.ServiceAddress = m_server->baseAddress();
    m_bench->web.WebSBFailCount = 0;
    m_bench->ui.answers = {false};
    auto dialog = open();
    startStop(*dialog);
    QCOMPARE(m_bench->ui.questions.size(), 1);
    QVERIFY(m_server->targets.isEmpty());
    QCOMPARE(m_bench->web.WebSBFailCount, qint16(-1));
    QCOMPARE(status(*dialog), QStringLiteral("Disabled"));
}

QTEST_MAIN(TestOptionsWeb)
#include "tst_optionsweb.moc"
