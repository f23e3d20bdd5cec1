#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "board/modsoccer.h"
#include "service/pagestore.h"
#include "service/websbservice.h"
#include "settings/settingsstore.h"
#include "tests/service/websbtesting.h"
#include "tests/support/boardkeys.h"
#include "tests/support/fakes.h"
#include "tests/support/recordingui.h"
#include "web/httpclient.h"
#include "web/modwebsb.h"
#include "web/webstate.h"

#include <QTemporaryDir>
#include <QTest>

// The board's own update client publishing to the real service on 127.0.0.1.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theServiceHoldsWhatTheBoardShows();
    void aWrongPasscodeIsRefusedAndCounted();

private:
    void publish();
    void type(const char *group, const char *keys);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<websb::WebScoreboardService> m_service;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    FakeTime m_time;
    RecordingUi m_ui;
    std::unique_ptr<frmScoreboard> m_board;
};

void TestEndToEnd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_service = std::make_unique<websb::WebScoreboardService>(websbtest::serviceConfig(
        m_dir->filePath(QStringLiteral("data")), {{"league-night", QStringLiteral("p#ss w&rd")}}));
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    m_settings = DefaultSettings(QString());
    m_settings.ServiceAddress = QStringLiteral("http://127.0.0.1:%1/web/").arg(m_service->port());
    m_settings.URL = QStringLiteral("league-night");
    m_settings.PassCode = QStringLiteral("p#ss w&rd");
    m_settings.TitleText = QStringLiteral("Cup Final 50% + more");
    m_settings.HomeText = QStringLiteral("A&B Rovers");
    m_settings.GuestText = QStringLiteral("Zürich");
    m_game = {};
    m_web = {};
    m_web.WebSBFailCount = 0;
    m_ui = {};
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui,
        [] { return std::make_unique<QtHttpClient>(5000); }};
    m_board = std::make_unique<frmScoreboard>(context, std::make_unique<RecordingSoundPlayer>());
}

void TestEndToEnd::cleanup()
{
    m_board.reset();
    m_service.reset();
}

void TestEndToEnd::publish()
{
    QMetaObject::invokeMethod(&m_board->tmrUpdateWeb(), "timeout");
    QTRY_VERIFY_WITH_TIMEOUT(!m_board->Inet1().busy(), 10000);
    QCoreApplication::processEvents();
}

void TestEndToEnd::type(const char *group, const char *keys)
{
    TypeKeys(m_board->group(QLatin1String(group)), keys);
}

void TestEndToEnd::theServiceHoldsWhatTheBoardShows()
{
    type("sgmScoreH", "3\r");
    type("sgmPeriod", "2");
    type("sgmShotsV", "12\r");
    type("sgmCKH", "4");
    type("sgmTime", "45.0\r");
    publish();
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
    QVERIFY(m_ui.messages.isEmpty());
    // The pace the service asks for reaches the board.
    QCOMPARE(m_web.WebSBInterval, qint16(2));

    const websb::PageState state = m_service->store().state("league-night");
    const QStringList sent = WebSBFieldValues(m_settings, m_web);
    QCOMPARE(sent.size(), int(websb::BoardFieldCount));
    for (std::size_t i = 0; i < websb::BoardFieldCount; ++i) {
        QCOMPARE(QString::fromStdString(state.values[i]), sent.at(qsizetype(i)));
    }
    QCOMPARE(QString::fromStdString(state.values[0]), QStringLiteral("Cup Final 50% + more"));
    QCOMPARE(QString::fromStdString(state.values[4]), QStringLiteral("45:00"));
    QVERIFY(!state.final);

    // The closing final update marks the game over.
    m_ui.answers = {true};
    m_board->show();
    m_board->close();
    QVERIFY(m_service->store().state("league-night").final);
}

void TestEndToEnd::aWrongPasscodeIsRefusedAndCounted()
{
    m_settings.PassCode = QStringLiteral("guess");
    publish();
    QCOMPARE(m_web.WebSBFailCount, qint16(1));
    QVERIFY(m_ui.messages.isEmpty());
    QCOMPARE(m_service->store().state("league-night").updatedMs, qint64(0));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
