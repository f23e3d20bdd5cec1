#include "service/pagestore.h"
#include "service/websbservice.h"
#include "tests/service/websbtesting.h"
#include "tests/support/boardfixture.h"
#include "web/modwebsb.h"

#include <QTemporaryDir>
#include <QTest>

// The board's own update client publishing to the real service on 127.0.0.1.
class TestEndToEnd : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theServiceHoldsWhatTheBoardShows();
    void aWrongPasscodeIsRefusedAndCounted();
    void theMatchFollowsOnceTheServiceSaysItUnderstandsIt();
    void theTeamsFollowOnceTheServiceSaysItUnderstandsThem();

private:
    void publish();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<websb::WebScoreboardService> m_service;
};

void TestEndToEnd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_service = std::make_unique<websb::WebScoreboardService>(websbtest::serviceConfig(
        m_dir->filePath(QStringLiteral("data")), {{"league-night", QStringLiteral("p#ss w&rd")}}));
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    resetBoard();
    settings.ServiceAddress = QStringLiteral("http://127.0.0.1:%1/web/").arg(m_service->port());
    settings.URL = QStringLiteral("league-night");
    settings.PassCode = QStringLiteral("p#ss w&rd");
    settings.TitleText = QStringLiteral("Cup Final 50% + more");
    settings.HomeText = QStringLiteral("A&B Rovers");
    settings.GuestText = QStringLiteral("Zürich");
    web.WebSBFailCount = 0;
    useQtHttpClient(5000);
    openBoard();
}

void TestEndToEnd::cleanup()
{
    closeBoard();
    m_service.reset();
}

void TestEndToEnd::publish()
{
    webTick();
    QTRY_VERIFY_WITH_TIMEOUT(web.WebSBInFlight == 0, 10000);
    QCoreApplication::processEvents();
}

void TestEndToEnd::theServiceHoldsWhatTheBoardShows()
{
    type("sgmScoreH", "3\r");
    type("sgmPeriod", "2");
    type("sgmShotsV", "12\r");
    type("sgmCKH", "4");
    type("sgmTime", "45.0\r");
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(0));
    QVERIFY(ui.messages.isEmpty());
    // The pace the service asks for reaches the board.
    QCOMPARE(web.WebSBInterval, qint16(2));

    const websb::PageState state = m_service->store().state("league-night");
    const QStringList sent = WebSBFieldValues(settings, web);
    QCOMPARE(sent.size(), int(websb::BoardFieldCount));
    for (std::size_t i = 0; i < websb::BoardFieldCount; ++i) {
        QCOMPARE(QString::fromStdString(state.values[i]), sent.at(qsizetype(i)));
    }
    QCOMPARE(QString::fromStdString(state.values[0]), QStringLiteral("Cup Final 50% + more"));
    QCOMPARE(QString::fromStdString(state.values[4]), QStringLiteral("45:00"));
    QVERIFY(!state.final);

    // The closing final update marks the game over.
    ui.answers = {true};
    board->show();
    closeWindow();
    QVERIFY(m_service->store().state("league-night").final);
}

void TestEndToEnd::aWrongPasscodeIsRefusedAndCounted()
{
    settings.PassCode = QStringLiteral("guess");
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(1));
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(m_service->store().state("league-night").updatedMs, qint64(0));
}

void TestEndToEnd::theMatchFollowsOnceTheServiceSaysItUnderstandsIt()
{
    // The first update is the one any service gets: no match.
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(0));
    QCOMPARE(m_service->store().state("league-night").match, std::nullopt);
    QVERIFY(web.WebSBServiceKnowsMatch);
    // Its accepted reply said the service understands the match: the next one carries it (two
    // ticks on, at the service's interval).
    webTick();
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(0));
    QCOMPARE(m_service->store().state("league-night").match,
        std::optional<websb::MatchExtras>(websb::MatchExtras{"preMatch", 0, "", ""}));

    // A cup match counted up, into its shoot-out, with ten and more corner kicks.
    ScoreboardGame &game = board->scoreboardGame();
    QVERIFY(game.setMatchFormat({ClockDirection::Up, 45, 15, 15, true}));
    for (const Phase phase : {Phase::ExtraTimeSecondHalf, Phase::Penalties}) {
        QVERIFY(game.nextPhase(phase));
    }
    QVERIFY(game.setFigure(Figure::CKV, 10));
    QVERIFY(game.penaltyKick(Team::Visitor, true));
    webTick();
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(0));
    const websb::PageState state = m_service->store().state("league-night");
    QCOMPARE(state.match,
        std::optional<websb::MatchExtras>(websb::MatchExtras{"penalties", 0, "", "1"}));
    QCOMPARE(QString::fromStdString(state.values[11]), QStringLiteral("10"));
    QCOMPARE(QString::fromStdString(state.values[4]), game.clockFace().text);
}

void TestEndToEnd::theTeamsFollowOnceTheServiceSaysItUnderstandsThem()
{
    settings.HomeShort = QStringLiteral("ABR");
    settings.GuestMainColor = 0x00FF8000; // 0x00BBGGRR: an azure
    publish();
    QVERIFY(web.WebSBServiceKnowsTeams);
    QCOMPARE(m_service->store().state("league-night").teams, std::nullopt);
    ScoreboardGame &game = board->scoreboardGame();
    QVERIFY(game.addCard(Team::Visitor, true, QStringLiteral("5")));
    game.startStopClock();
    webTick();
    publish();
    QCOMPARE(web.WebSBFailCount, qint16(0));
    const auto teams = m_service->store().state("league-night").teams;
    QVERIFY(teams.has_value());
    QCOMPARE(teams->home, (websb::TeamSide{0, "ABR", "c02020", "ffffff"}));
    // The name's first letters stand in for a short name left empty.
    QCOMPARE(teams->visitor, (websb::TeamSide{1, "ZÜR", "0080ff", "ffffff"}));
    QCOMPARE(teams->language, std::string("en"));
    QCOMPARE(teams->clockRun, std::string("down"));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
