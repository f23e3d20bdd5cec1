#include "remote/pairingcode.h"
#include "remote/remotecommands.h"
#include "remote/remoteevents.h"
#include "remote/remotepage.h"
#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

// The remote control's commands against the game model, and its pairing code.
class TestRemoteCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_game.reset(); }

    void commands_data();
    void commands();
    void aLimitSaysWhichItIs_data();
    void aLimitSaysWhichItIs();
    void aRemoteChangeIsUndoneLikeAKey();
    void startAndStopAreIdempotent();
    void theStateShowsEveryFigure();
    void matchCommands_data();
    void matchCommands();
    void theStateFollowsAWholeMatch();
    void eventCommands_data();
    void eventCommands();
    void theEventsAndSendingOffsHaveTheirShape();
    void pairingCodes_data();
    void pairingCodes();
    void madeCodesAreRandomAndReadable();
    void guessingIsSlowedDownPerAddress();

private:
    CommandResult run(const char *json)
    {
        return RunRemoteCommand(*m_game, QJsonDocument::fromJson(json).object());
    }
    CommandResult run(const QString &json) { return run(json.toUtf8().constData()); }
    // The state's fields that `expected` names, and whether it has a shoot-out.
    QJsonObject stateLike(const QJsonObject &expected) const
    {
        const QJsonObject state = RemoteState(*m_game, m_settings);
        QJsonObject picked;
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            picked.insert(it.key(), state.value(it.key()));
        }
        return picked;
    }

    GameFixture m_fixture;
    FakeTime &m_time = m_fixture.time;
    GameState &m_state = m_fixture.game;
    std::unique_ptr<ScoreboardGame> &m_game = m_fixture.model;
    LiveSettings m_settings;
};

void TestRemoteCommands::init()
{
    m_fixture.newGame();
}

void TestRemoteCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<qint64>("value"); // the figure's value afterwards

    QTest::newRow("set") << R"({"command":"set","figure":"homeScore","value":7})"
                         << "" << Figure::ScoreH << qint64(7);
    QTest::newRow("add one") << R"({"command":"add","figure":"visitorShots"})"
                             << "" << Figure::ShotsV << qint64(1);
    QTest::newRow("add three") << R"({"command":"add","figure":"homeSaves","by":3})"
                               << "" << Figure::SavesH << qint64(3);
    QTest::newRow("below the range")
        << R"({"command":"add","figure":"homeScore","by":-1})"
        << "the score does not go below 0" << Figure::ScoreH << qint64(0);
    QTest::newRow("above the range") << R"({"command":"set","figure":"homeCornerKicks","value":10})"
                                     << "corner kicks go up to 9" << Figure::CKH << qint64(0);
    QTest::newRow("period 0") << R"({"command":"set","figure":"period","value":0})"
                              << "the period does not go below 1" << Figure::Period << qint64(0);
    QTest::newRow("a fraction") << R"({"command":"set","figure":"homeScore","value":1.5})"
                                << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("a text") << R"({"command":"set","figure":"homeScore","value":"3"})"
                            << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("huge") << R"({"command":"add","figure":"homeScore","by":1e300})"
                          << "not a whole number" << Figure::ScoreH << qint64(0);
    QTest::newRow("the clock is no counter") << R"({"command":"set","figure":"clock","value":1})"
                                             << "unknown figure" << Figure::ScoreH << qint64(0);
    QTest::newRow("no figure") << R"({"command":"add"})"
                               << "unknown figure" << Figure::ScoreH << qint64(0);
    QTest::newRow("unknown") << R"({"command":"explode"})"
                             << "unknown command" << Figure::ScoreH << qint64(0);
    QTest::newRow("no command") << R"({"figure":"homeScore"})"
                                << "unknown command" << Figure::ScoreH << qint64(0);
}

void TestRemoteCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, error);
    QFETCH(Figure, figure);
    const CommandResult result
        = RunRemoteCommand(*m_game, QJsonDocument::fromJson(command.toUtf8()).object());
    QCOMPARE(result.ok, error.isEmpty());
    QCOMPARE(result.error, error);
    QTEST(qint64(m_game->value(figure)), "value");
    QCOMPARE(m_game->history().count(), error.isEmpty() ? 1 : 0);
}

void TestRemoteCommands::aLimitSaysWhichItIs_data()
{
    QTest::addColumn<bool>("countsUp");
    QTest::newRow("down") << false;
    QTest::newRow("up") << true;
}

// A + at a counter's maximum and a - at its minimum change nothing and say the limit, in words the
// phone page can translate; corner kicks go further in a match counted up.
void TestRemoteCommands::aLimitSaysWhichItIs()
{
    QFETCH(bool, countsUp);
    if (countsUp) {
        MatchFormat format;
        format.clock = ClockDirection::Up;
        QVERIFY(m_game->setMatchFormat(format));
    }
    const QStringList catalogued = RemotePageTexts();
    QStringList said;
    for (const FigureInfo &info : Figures) {
        if (info.isClock) {
            continue;
        }
        const QString key = QString::fromLatin1(info.key.data(), qsizetype(info.key.size()));
        const int top = m_game->maximum(info.figure);
        QVERIFY(m_game->setFigure(info.figure, top));
        const int undoable = m_game->history().count();
        const CommandResult more
            = run(QStringLiteral(R"({"command":"add","figure":"%1"})").arg(key));
        QVERIFY(!more.ok);
        QVERIFY2(more.error.endsWith(QStringLiteral(" up to %1").arg(top)), qPrintable(more.error));
        QVERIFY2(catalogued.contains(more.error), qPrintable(more.error));
        QCOMPARE(m_game->value(info.figure), top);
        // Typed past the top, the same words.
        QCOMPARE(run(QStringLiteral(R"({"command":"set","figure":"%1","value":%2})")
                         .arg(key)
                         .arg(top + 5))
                     .error,
            more.error);

        QVERIFY(m_game->setFigure(info.figure, info.minimum));
        const CommandResult less
            = run(QStringLiteral(R"({"command":"add","figure":"%1","by":-1})").arg(key));
        QVERIFY(!less.ok);
        QVERIFY2(less.error.endsWith(QStringLiteral(" below %1").arg(info.minimum)),
            qPrintable(less.error));
        QVERIFY2(catalogued.contains(less.error), qPrintable(less.error));
        QCOMPARE(m_game->value(info.figure), info.minimum);
        QCOMPARE(m_game->history().count(), undoable + 1);
        said << more.error;
    }
    const QString cornerKicks = countsUp ? QStringLiteral("corner kicks go up to 99")
                                         : QStringLiteral("corner kicks go up to 9");
    QCOMPARE(said.count(cornerKicks), 2);
    QCOMPARE(said.count(QStringLiteral("the period goes up to 4")), 1);
    QCOMPARE(said.count(QStringLiteral("the score goes up to 99")), 2);
}

void TestRemoteCommands::aRemoteChangeIsUndoneLikeAKey()
{
    run(R"({"command":"set","figure":"visitorScore","value":4})");
    const auto clock = run(R"({"command":"clock","minutes":45,"seconds":0})");
    QVERIFY(clock.ok);
    QCOMPARE(m_fixture.published(Figure::Time), QStringLiteral("45:00"));
    QCOMPARE(m_state.LastEnteredTime, 45 * 60);
    QVERIFY(!run(R"({"command":"clock","minutes":60,"seconds":0})").ok);
    QVERIFY(!run(R"({"command":"clock","minutes":1,"seconds":60})").ok);
    m_game->undo();
    QCOMPARE(m_fixture.published(Figure::Time), QStringLiteral("10:00"));
    m_game->undo();
    QCOMPARE(m_fixture.published(Figure::ScoreV), QStringLiteral("0"));
    QCOMPARE(m_fixture.digits(Figure::ScoreV), QStringLiteral("00"));
}

void TestRemoteCommands::startAndStopAreIdempotent()
{
    QSignalSpy buzzer(m_game.get(), &ScoreboardGame::buzzer);
    for (const char *name : {"start", "start"}) {
        QVERIFY(RunRemoteCommand(*m_game, {{QStringLiteral("command"), QLatin1String(name)}}).ok);
    }
    QVERIFY(m_game->counting());
    m_time.advance(2000);
    m_game->tick();
    for (const char *name : {"stop", "stop"}) {
        QVERIFY(RunRemoteCommand(*m_game, {{QStringLiteral("command"), QLatin1String(name)}}).ok);
    }
    QVERIFY(!m_game->counting());
    QCOMPARE(m_game->clockFace().text, QStringLiteral("9:58"));
    // A clock that was set stands still, though the board still ticks it: it is started anew.
    QVERIFY(run(R"({"command":"start"})").ok);
    QVERIFY(run(R"({"command":"clock","minutes":5,"seconds":0})").ok);
    QVERIFY(!m_game->counting());
    QCOMPARE(RemoteState(*m_game, m_settings).value(u"running").toBool(), false);
    QVERIFY(run(R"({"command":"start"})").ok);
    QVERIFY(m_game->counting());
    QVERIFY(run(R"({"command":"stop"})").ok);
    m_time.advance(3000);
    m_game->tick();
    QVERIFY(run(R"({"command":"reset"})").ok); // back to the time last set
    QCOMPARE(m_game->clockFace().text, QStringLiteral("5:00"));
    QVERIFY(run(R"({"command":"buzzer"})").ok);
    QCOMPARE(buzzer.count(), 1);
}

void TestRemoteCommands::theStateShowsEveryFigure()
{
    m_settings.TitleText = QStringLiteral("Cup final");
    m_settings.GuestText = QStringLiteral("Rovers");
    run(R"({"command":"set","figure":"period","value":2})");
    const QJsonObject state = RemoteState(*m_game, m_settings);
    QCOMPARE(state.value(u"title").toString(), QStringLiteral("Cup final"));
    QCOMPARE(state.value(u"guest").toString(), QStringLiteral("Rovers"));
    QCOMPARE(state.value(u"clock").toString(), QStringLiteral("10:00"));
    QCOMPARE(state.value(u"running").toBool(), false);
    const QJsonObject figures = state.value(u"figures").toObject();
    QCOMPARE(figures.size(), 9);
    QCOMPARE(figures.value(u"period").toInt(), 2);
    QCOMPARE(figures.value(u"visitorCornerKicks").toInt(), 0);
}

// Each match command accepted and refused with its reason; `before` are commands that must be
// accepted first, `expected` the state's fields afterwards (a refused command changes nothing).
void TestRemoteCommands::matchCommands_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<QString>("expected");

    const QString defaultFormat = QStringLiteral(
        R"("match":{"clock":"down","halfMinutes":45,"breakMinutes":15,"extraTimeMinutes":0,)"
        R"("penalties":false})");
    const auto state = [](const QString &fields) -> QString { return u'{' + fields + u'}'; };
    const QString upFormat
        = QStringLiteral(R"({"command":"matchFormat","clock":"up","extraTimeMinutes":15})");
    const QString kickOff = QStringLiteral(R"({"command":"nextPhase"})");
    const QString shootout = QStringLiteral(R"({"command":"nextPhase","to":"penalties"})");

    QTest::newRow("format: every field")
        << QStringList()
        << R"({"command":"matchFormat","clock":"up","halfMinutes":1,"breakMinutes":1,)"
           R"("extraTimeMinutes":1,"penalties":true})"
        << ""
        << R"({"match":{"clock":"up","halfMinutes":1,"breakMinutes":1,"extraTimeMinutes":1,)"
           R"("penalties":true},"phase":"preMatch"})";
    QTest::newRow("format: one field, the rest kept")
        << QStringList{upFormat} << R"({"command":"matchFormat","halfMinutes":40})"
        << ""
        << R"({"match":{"clock":"up","halfMinutes":40,"breakMinutes":15,"extraTimeMinutes":15,)"
           R"("penalties":false}})";
    QTest::newRow("format: back to down")
        << QStringList{upFormat} << R"({"command":"matchFormat","clock":"down"})"
        << ""
        << R"({"match":{"clock":"down","halfMinutes":45,)"
           R"("breakMinutes":15,"extraTimeMinutes":15,)"
           R"("penalties":false}})";
    QTest::newRow("format: half too long")
        << QStringList() << R"({"command":"matchFormat","halfMinutes":61})"
        << "halfMinutes is a whole number from 1 to 60" << state(defaultFormat);
    QTest::newRow("format: half as text")
        << QStringList() << R"({"command":"matchFormat","halfMinutes":"45"})"
        << "halfMinutes is a whole number from 1 to 60" << state(defaultFormat);
    QTest::newRow("format: break too long, nothing else taken")
        << QStringList()
        << R"({"command":"matchFormat","clock":"up","halfMinutes":30,)"
           R"("breakMinutes":31})"
        << "breakMinutes is a whole number from 0 to 30" << state(defaultFormat);
    QTest::newRow("format: extra time a fraction")
        << QStringList() << R"({"command":"matchFormat","extraTimeMinutes":7.5})"
        << "extraTimeMinutes is a whole number from 0 to 30" << state(defaultFormat);
    QTest::newRow("format: clock sideways")
        << QStringList() << R"({"command":"matchFormat","clock":"sideways"})"
        << R"(clock is "up" or "down")" << state(defaultFormat);
    QTest::newRow("format: penalties as text")
        << QStringList() << R"({"command":"matchFormat","penalties":"yes"})"
        << "penalties is true or false" << state(defaultFormat);
    QTest::newRow("format: no field")
        << QStringList() << R"({"command":"matchFormat","halfminutes":30})"
        << "matchFormat takes clock, halfMinutes, breakMinutes, extraTimeMinutes or penalties"
        << state(defaultFormat);

    QTest::newRow("next: kick-off") << QStringList() << kickOff << ""
                                    << R"({"phase":"firstHalf","addedTime":0})";
    QTest::newRow("next: chosen") << QStringList{kickOff}
                                  << R"({"command":"nextPhase","to":"fullTime"})"
                                  << ""
                                  << R"({"phase":"fullTime","matchMinute":""})";
    QTest::newRow("next: unknown phase")
        << QStringList() << R"({"command":"nextPhase","to":"overtime"})"
        << "unknown phase"
        << R"({"phase":"preMatch"})";
    QTest::newRow("next: a number") << QStringList() << R"({"command":"nextPhase","to":1})"
                                    << "unknown phase"
                                    << R"({"phase":"preMatch"})";
    QTest::newRow("next: the phase it is in")
        << QStringList{kickOff} << R"({"command":"nextPhase","to":"firstHalf"})"
        << "the match is in that phase already"
        << R"({"phase":"firstHalf"})";
    QTest::newRow("next: after full time")
        << QStringList{QStringLiteral(R"({"command":"nextPhase","to":"fullTime"})")} << kickOff
        << "the match is over"
        << R"({"phase":"fullTime"})";

    QTest::newRow("added: announced")
        << QStringList{kickOff} << R"({"command":"addedTime","minutes":3})"
        << ""
        << R"({"addedTime":3,"phase":"firstHalf"})";
    QTest::newRow("added: the longest")
        << QStringList{kickOff} << R"({"command":"addedTime","minutes":30})"
        << ""
        << R"({"addedTime":30})";
    QTest::newRow("added: cleared")
        << QStringList{kickOff, QStringLiteral(R"({"command":"addedTime","minutes":4})")}
        << R"({"command":"addedTime","minutes":0})"
        << ""
        << R"({"addedTime":0})";
    QTest::newRow("added: too long")
        << QStringList{kickOff, QStringLiteral(R"({"command":"addedTime","minutes":4})")}
        << R"({"command":"addedTime","minutes":31})"
        << "minutes is a whole number from 0 to 30"
        << R"({"addedTime":4})";
    QTest::newRow("added: negative")
        << QStringList{kickOff} << R"({"command":"addedTime","minutes":-1})"
        << "minutes is a whole number from 0 to 30"
        << R"({"addedTime":0})";
    QTest::newRow("added: not a number") << QStringList{kickOff} << R"({"command":"addedTime"})"
                                         << "minutes is a whole number from 0 to 30"
                                         << R"({"addedTime":0})";
    QTest::newRow("added: before kick-off")
        << QStringList() << R"({"command":"addedTime","minutes":3})"
        << "added time is announced only in a playing half"
        << R"({"addedTime":0})";
    QTest::newRow("added: at half-time")
        << QStringList{kickOff, kickOff} << R"({"command":"addedTime","minutes":3})"
        << "added time is announced only in a playing half"
        << R"({"addedTime":0,"phase":"halfTime"})";

    QTest::newRow("penalty: scored")
        << QStringList{shootout} << R"({"command":"penalty","team":"home","scored":true})"
        << ""
        << R"({"shootout":{"home":[true],"visitor":[]},)"
           R"("phase":"penalties"})";
    QTest::newRow("penalty: missed after the other's")
        << QStringList{shootout,
               QStringLiteral(R"({"command":"penalty","team":"home","scored":true})")}
        << R"({"command":"penalty","team":"visitor","scored":false})"
        << ""
        << R"({"shootout":{"home":[true],"visitor":[false]}})";
    QTest::newRow("penalty: out of turn") << QStringList{shootout,
        QStringLiteral(R"({"command":"penalty","team":"home","scored":true})")}
                                          << R"({"command":"penalty","team":"home","scored":true})"
                                          << "it is not that team's kick"
                                          << R"({"shootout":{"home":[true],"visitor":[]}})";
    QTest::newRow("penalty: in a half")
        << QStringList{kickOff} << R"({"command":"penalty","team":"home","scored":true})"
        << "penalties are taken only in the shoot-out"
        << R"({"phase":"firstHalf"})";
    QTest::newRow("penalty: unknown team")
        << QStringList{shootout} << R"({"command":"penalty","team":"guest","scored":true})"
        << R"(team is "home" or "visitor")"
        << R"({"shootout":{"home":[],"visitor":[]}})";
    QTest::newRow("penalty: scored as a number")
        << QStringList{shootout} << R"({"command":"penalty","team":"home","scored":1})"
        << "scored is true or false"
        << R"({"shootout":{"home":[],"visitor":[]}})";

    const QString upRefusal
        = QStringLiteral("the clock takes whole minutes and seconds from 0:00 to 120:00");
    QTest::newRow("clock: extra time's end, up")
        << QStringList{upFormat} << R"({"command":"clock","minutes":112,"seconds":30})"
        << ""
        << R"({"clock":"112:30"})";
    QTest::newRow("clock: the longest, up")
        << QStringList{upFormat} << R"({"command":"clock","minutes":120,"seconds":0})"
        << ""
        << R"({"clock":"120:00"})";
    QTest::newRow("clock: past the longest, up")
        << QStringList{upFormat, QStringLiteral(R"({"command":"clock","minutes":90,"seconds":0})")}
        << R"({"command":"clock","minutes":120,"seconds":1})" << upRefusal
        << R"({"clock":"90:00"})";
    QTest::newRow("clock: too many minutes, up")
        << QStringList{upFormat, QStringLiteral(R"({"command":"clock","minutes":90,"seconds":0})")}
        << R"({"command":"clock","minutes":121,"seconds":0})" << upRefusal
        << R"({"clock":"90:00"})";
    QTest::newRow("clock: an hour, down")
        << QStringList() << R"({"command":"clock","minutes":60,"seconds":0})"
        << "minutes and seconds are whole numbers from 0 to 59"
        << R"({"clock":"10:00"})";
}

void TestRemoteCommands::matchCommands()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    QFETCH(QString, error);
    QFETCH(QString, expected);
    for (const QString &first : std::as_const(before)) {
        const CommandResult result = run(first);
        QVERIFY2(result.ok, qPrintable(first + u' ' + result.error));
    }
    const CommandResult result = run(command);
    QCOMPARE(result.error, error);
    QCOMPARE(result.ok, error.isEmpty());
    const QJsonObject wanted = QJsonDocument::fromJson(expected.toUtf8()).object();
    QVERIFY2(!wanted.isEmpty(), qPrintable(expected));
    QCOMPARE(stateLike(wanted), wanted);
}

// A cup match of two one-minute halves counting up, a minute of extra time each way and a
// shoot-out, driven by commands: what the state says in each phase.
void TestRemoteCommands::theStateFollowsAWholeMatch()
{
    const auto state = [&] { return RemoteState(*m_game, m_settings); };
    const auto next = [&] { return run(R"({"command":"nextPhase"})"); };
    const auto play = [&](int seconds) {
        m_time.advance(seconds * 1000);
        m_game->tick();
    };
    QVERIFY(run(R"({"command":"matchFormat","clock":"up","halfMinutes":1,"breakMinutes":1,)"
                R"("extraTimeMinutes":1,"penalties":true})")
                .ok);
    QJsonObject now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("preMatch"));
    QCOMPARE(now.value(u"matchMinute").toString(), QString());
    QCOMPARE(now.value(u"addedTime").toInt(-1), 0);
    QCOMPARE(now.value(u"addedPlayed").toInt(-1), 0);
    QVERIFY(!now.contains(u"shootout"));

    QVERIFY(next().ok);
    QVERIFY(run(R"({"command":"start"})").ok);
    play(20);
    now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("firstHalf"));
    QCOMPARE(now.value(u"clock").toString(), QStringLiteral("0:20"));
    QCOMPARE(now.value(u"matchMinute").toString(), QStringLiteral("1'"));
    QVERIFY(run(R"({"command":"addedTime","minutes":3})").ok);
    play(40 + 75); // a minute and 15 seconds beyond the half's end
    now = state();
    QCOMPARE(now.value(u"clock").toString(), QStringLiteral("1:00"));
    QCOMPARE(now.value(u"addedTime").toInt(), 3);
    QCOMPARE(now.value(u"addedPlayed").toInt(), 75);
    QCOMPARE(now.value(u"matchMinute").toString(), QStringLiteral("1+2'"));

    QVERIFY(next().ok);
    now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("halfTime"));
    QCOMPARE(now.value(u"matchMinute").toString(), QString());
    QCOMPARE(now.value(u"addedTime").toInt(-1), 0);
    QCOMPARE(now.value(u"addedPlayed").toInt(-1), 0);
    QVERIFY(now.value(u"running").toBool()); // a break counts down at once

    QVERIFY(next().ok);
    now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("secondHalf"));
    QCOMPARE(now.value(u"clock").toString(), QStringLiteral("1:00"));
    QCOMPARE(now.value(u"matchMinute").toString(), QStringLiteral("2'"));
    QCOMPARE(now.value(u"figures")[u"period"].toInt(), 2);

    // Level: extra time, then penalties, as the rules give them.
    QVERIFY(next().ok);
    QCOMPARE(state().value(u"phase").toString(), QStringLiteral("extraTimeFirstHalf"));
    QCOMPARE(state().value(u"clock").toString(), QStringLiteral("2:00"));
    QVERIFY(next().ok);
    QCOMPARE(state().value(u"phase").toString(), QStringLiteral("extraTimeHalfTime"));
    QVERIFY(next().ok);
    QCOMPARE(state().value(u"phase").toString(), QStringLiteral("extraTimeSecondHalf"));
    QCOMPARE(state().value(u"matchMinute").toString(), QStringLiteral("4'"));
    QVERIFY(next().ok);
    now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("penalties"));
    QCOMPARE(now.value(u"shootout").toObject(),
        QJsonObject(
            {{QStringLiteral("home"), QJsonArray()}, {QStringLiteral("visitor"), QJsonArray()}}));

    // Three scored against three missed: the visitors cannot catch up, and it is full time.
    for (int kick = 0; kick < 3; ++kick) {
        QVERIFY(run(R"({"command":"penalty","team":"home","scored":true})").ok);
        QVERIFY(run(R"({"command":"penalty","team":"visitor","scored":false})").ok);
    }
    now = state();
    QCOMPARE(now.value(u"phase").toString(), QStringLiteral("fullTime"));
    QCOMPARE(now.value(u"shootout")[u"home"].toArray(), QJsonArray({true, true, true}));
    QCOMPARE(now.value(u"shootout")[u"visitor"].toArray(), QJsonArray({false, false, false}));
    QCOMPARE(run(R"({"command":"penalty","team":"home","scored":true})").error,
        QStringLiteral("penalties are taken only in the shoot-out"));
    // The default keys are still there, unchanged.
    for (const char *key : {"title", "home", "guest", "clock", "running", "figures"}) {
        QVERIFY2(now.contains(QLatin1String(key)), key);
    }
}

// Each events command accepted and refused with its reason, 23 minutes into the first half.
// `before` are commands that must be accepted first; "@1", "@2" in a command stand for the id
// of that event (in match order) and "@unknown" for one no event has. `events` is the list
// afterwards without the ids, and `score` and `sendingOffs` read "home:visitor".
void TestRemoteCommands::eventCommands_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("sendingOffs");

    const QString goal = QStringLiteral(R"({"command":"add","figure":"homeScore"})");
    const QString yellow4
        = QStringLiteral(R"({"command":"card","team":"visitor","colour":"yellow","player":"4"})");
    const auto event = [](const char *kind, const char *team, const char *player,
                           const char *minute = "23'", const char *name = "") {
        return QStringLiteral(
            R"({"kind":"%1","team":"%2","minute":"%3","phase":"firstHalf","player":"%4","name":"%5"})")
            .arg(QLatin1String(kind), QLatin1String(team), QString::fromUtf8(minute),
                QLatin1String(player), QString::fromUtf8(name));
    };
    const auto list = [](const QStringList &events) {
        return QString(QStringLiteral("[%1]").arg(events.join(u',')));
    };
    const QString goalHome = event("goal", "home", "");
    const QString yellowVisitor = event("yellow", "visitor", "4");

    QTest::newRow("card: yellow") << QStringList() << yellow4 << "" << list({yellowVisitor})
                                  << "0:0"
                                  << "0:0";
    QTest::newRow("card: red without a number")
        << QStringList() << R"({"command":"card","team":"home","colour":"red"})"
        << "" << list({event("red", "home", "")}) << "0:0"
        << "1:0";
    QTest::newRow("card: an empty number")
        << QStringList() << R"({"command":"card","team":"home","colour":"yellow","player":""})"
        << "" << list({event("yellow", "home", "")}) << "0:0"
        << "0:0";
    QTest::newRow("card: the number as a number")
        << QStringList() << R"({"command":"card","team":"visitor","colour":"red","player":7})"
        << "" << list({event("red", "visitor", "7")}) << "0:0"
        << "0:1";
    QTest::newRow("card: the highest number")
        << QStringList() << R"({"command":"card","team":"home","colour":"yellow","player":999})"
        << "" << list({event("yellow", "home", "999")}) << "0:0"
        << "0:0";
    QTest::newRow("card: a second yellow")
        << QStringList{yellow4} << yellow4 << ""
        << list({yellowVisitor, event("secondYellow", "visitor", "4")}) << "0:0"
        << "0:1";
    QTest::newRow("card: the other team's 4 is someone else")
        << QStringList{yellow4}
        << R"({"command":"card","team":"home","colour":"yellow","player":"4"})"
        << "" << list({yellowVisitor, event("yellow", "home", "4")}) << "0:0"
        << "0:0";
    const QString teamRefusal = QStringLiteral(R"(team is "home" or "visitor")");
    const QString playerRefusal = QStringLiteral("player is a shirt number of up to 3 digits");
    const struct
    {
        const char *name;
        const char *command;
        QString error;
    } refusedCards[] = {
        {"guest", R"({"command":"card","team":"guest","colour":"red"})", teamRefusal},
        {"no team", R"({"command":"card","colour":"red"})", teamRefusal},
        {"green", R"({"command":"card","team":"home","colour":"green"})",
            QStringLiteral(R"(colour is "yellow" or "red")")},
        {"no colour", R"({"command":"card","team":"home"})",
            QStringLiteral(R"(colour is "yellow" or "red")")},
        {"four digits", R"({"command":"card","team":"home","colour":"red","player":"1234"})",
            playerRefusal},
        {"a letter", R"({"command":"card","team":"home","colour":"red","player":"4a"})",
            playerRefusal},
        {"spaces", R"({"command":"card","team":"home","colour":"red","player":" 4"})",
            playerRefusal},
        {"1000", R"({"command":"card","team":"home","colour":"red","player":1000})", playerRefusal},
        {"negative", R"({"command":"card","team":"home","colour":"red","player":-1})",
            playerRefusal},
        {"a fraction", R"({"command":"card","team":"home","colour":"red","player":4.5})",
            playerRefusal},
        {"true", R"({"command":"card","team":"home","colour":"red","player":true})", playerRefusal},
        {"null", R"({"command":"card","team":"home","colour":"red","player":null})", playerRefusal},
    };
    for (const auto &row : refusedCards) {
        QTest::addRow("card refused: %s", row.name)
            << QStringList() << QString::fromLatin1(row.command) << row.error
            << QStringLiteral("[]") << "0:0"
            << "0:0";
    }

    QTest::newRow("edit: the scorer")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","player":"9"})"
        << "" << list({event("goal", "home", "9")}) << "1:0"
        << "0:0";
    QTest::newRow("edit: the scorer as a number")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","player":10})"
        << "" << list({event("goal", "home", "10")}) << "1:0"
        << "0:0";
    QTest::newRow("edit: a name") << QStringList{goal}
                                  << R"({"command":"editEvent","id":"@1","name":"Alex Morgan"})"
                                  << "" << list({event("goal", "home", "", "23'", "Alex Morgan")})
                                  << "1:0"
                                  << "0:0";
    const QString longest = QString(60, QChar(u'é'));
    QTest::newRow("edit: the longest name")
        << QStringList{goal}
        << QStringLiteral(R"({"command":"editEvent","id":"@1","name":"%1"})").arg(longest) << ""
        << list({event("goal", "home", "", "23'", longest.toUtf8().constData())}) << "1:0"
        << "0:0";
    QTest::newRow("edit: added time's minute")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","minute":"45+2'"})"
        << "" << list({event("goal", "home", "", "45+2'")}) << "1:0"
        << "0:0";
    QTest::newRow("edit: extra time's minute")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","minute":"105'"})"
        << "" << list({event("goal", "home", "", "105'")}) << "1:0"
        << "0:0";
    QTest::newRow("edit: a goal to the other team")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","team":"visitor"})"
        << "" << list({event("goal", "visitor", "")}) << "0:1"
        << "0:0";
    QTest::newRow("edit: a goal made a red card")
        << QStringList{goal} << R"({"command":"editEvent","id":"@1","kind":"red","player":"5"})"
        << "" << list({event("red", "home", "5")}) << "0:0"
        << "1:0";
    QTest::newRow("edit: the second of two")
        << QStringList{goal, yellow4} << R"({"command":"editEvent","id":"@2","player":"8"})"
        << "" << list({goalHome, event("yellow", "visitor", "8")}) << "1:0"
        << "0:0";
    const QString minuteRefusal = QStringLiteral("minute is written like 23' or 45+2'");
    const QString nameRefusal
        = QStringLiteral("name is a text of up to 60 characters without control characters");
    const struct
    {
        const char *name;
        QString command;
        QString error;
    } refusedEdits[] = {
        {"unknown id", QStringLiteral(R"({"command":"editEvent","id":"@unknown","player":"9"})"),
            QStringLiteral("unknown event")},
        {"no id", QStringLiteral(R"({"command":"editEvent","player":"9"})"),
            QStringLiteral("unknown event")},
        {"id 0", QStringLiteral(R"({"command":"editEvent","id":0,"player":"9"})"),
            QStringLiteral("unknown event")},
        {"nothing to change", QStringLiteral(R"({"command":"editEvent","id":"@1"})"),
            QStringLiteral("editEvent takes kind, team, minute, player or name")},
        {"unknown kind", QStringLiteral(R"({"command":"editEvent","id":"@1","kind":"penalty"})"),
            QStringLiteral(R"(kind is "goal", "yellow", "secondYellow" or "red")")},
        {"unknown team", QStringLiteral(R"({"command":"editEvent","id":"@1","team":"away"})"),
            teamRefusal},
        {"player too long", QStringLiteral(R"({"command":"editEvent","id":"@1","player":"1000"})"),
            playerRefusal},
        {"minute without its mark",
            QStringLiteral(R"({"command":"editEvent","id":"@1","minute":"23"})"), minuteRefusal},
        {"minute 0", QStringLiteral(R"({"command":"editEvent","id":"@1","minute":"0'"})"),
            minuteRefusal},
        {"minute with a leading zero",
            QStringLiteral(R"({"command":"editEvent","id":"@1","minute":"023'"})"), minuteRefusal},
        {"added time without minutes",
            QStringLiteral(R"({"command":"editEvent","id":"@1","minute":"45+'"})"), minuteRefusal},
        {"minute as a number", QStringLiteral(R"({"command":"editEvent","id":"@1","minute":23})"),
            minuteRefusal},
        {"name too long",
            QStringLiteral(R"({"command":"editEvent","id":"@1","name":"%1"})")
                .arg(QString(61, u'a')),
            nameRefusal},
        {"name over two lines",
            QStringLiteral(R"({"command":"editEvent","id":"@1","name":"Alex\nMorgan"})"),
            nameRefusal},
        {"name with a bell",
            QStringLiteral(R"({"command":"editEvent","id":"@1","name":"Alex\u0007"})"),
            nameRefusal},
        {"name as a number", QStringLiteral(R"({"command":"editEvent","id":"@1","name":9})"),
            nameRefusal},
        // A refused field refuses the whole edit: the player is not taken either.
        {"a good and a bad field",
            QStringLiteral(R"({"command":"editEvent","id":"@1","player":"9","minute":"x"})"),
            minuteRefusal},
    };
    for (const auto &row : refusedEdits) {
        QTest::addRow("edit refused: %s", row.name)
            << QStringList{goal} << row.command << row.error << list({goalHome}) << "1:0"
            << "0:0";
    }

    QTest::newRow("remove: a goal lowers the score")
        << QStringList{goal, goal} << R"({"command":"removeEvent","id":"@1"})"
        << "" << list({goalHome}) << "1:0"
        << "0:0";
    QTest::newRow("remove: a red card") << QStringList{yellow4,
        QStringLiteral(R"({"command":"card","team":"home","colour":"red"})")}
                                        << R"({"command":"removeEvent","id":"@2"})"
                                        << "" << list({yellowVisitor}) << "0:0"
                                        << "0:0";
    QTest::newRow("remove: unknown")
        << QStringList{goal} << R"({"command":"removeEvent","id":"@unknown"})"
        << "unknown event" << list({goalHome}) << "1:0"
        << "0:0";
    QTest::newRow("remove: an id as text")
        << QStringList{goal} << R"({"command":"removeEvent","id":"1"})"
        << "unknown event" << list({goalHome}) << "1:0"
        << "0:0";
}

void TestRemoteCommands::eventCommands()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    QFETCH(QString, error);
    QFETCH(QString, events);
    QVERIFY(run(R"({"command":"nextPhase"})").ok);
    QVERIFY(run(R"({"command":"start"})").ok);
    m_time.advance((22 * 60 + 10) * 1000);
    m_game->tick();
    QVERIFY(run(R"({"command":"stop"})").ok);
    QCOMPARE(m_game->matchMinute(), QStringLiteral("23'"));
    for (const QString &first : std::as_const(before)) {
        const CommandResult result = run(first);
        QVERIFY2(result.ok, qPrintable(first + u' ' + result.error));
    }
    // The ids as the game gave them.
    const QList<MatchEvent> given = m_game->events();
    int highest = 0;
    for (qsizetype i = 0; i < given.size(); ++i) {
        command.replace(QStringLiteral("\"@%1\"").arg(i + 1), QString::number(given.at(i).id));
        highest = std::max(highest, given.at(i).id);
    }
    command.replace(QStringLiteral("\"@unknown\""), QString::number(highest + 1));
    const qsizetype steps = m_game->history().count();

    const CommandResult result = run(command);
    QCOMPARE(result.error, error);
    QCOMPARE(result.ok, error.isEmpty());
    QCOMPARE(m_game->history().count(), steps + (result.ok ? 1 : 0));
    QJsonArray listed = RemoteEvents(*m_game);
    for (qsizetype i = 0; i < listed.size(); ++i) {
        QJsonObject event = listed.at(i).toObject();
        QVERIFY(event.take(QStringLiteral("id")).toInt() > 0);
        listed.replace(i, event);
    }
    QCOMPARE(listed, QJsonDocument::fromJson(events.toUtf8()).array());
    const QJsonObject state = RemoteState(*m_game, m_settings);
    const QJsonObject figures = state.value(u"figures").toObject();
    QTEST(QStringLiteral("%1:%2")
              .arg(figures.value(u"homeScore").toInt())
              .arg(figures.value(u"visitorScore").toInt()),
        "score");
    const QJsonObject offs = state.value(u"sendingOffs").toObject();
    QTEST(QStringLiteral("%1:%2")
              .arg(offs.value(u"home").toInt(-1))
              .arg(offs.value(u"visitor").toInt(-1)),
        "sendingOffs");
}

// What other programs read: every event with exactly the contract's fields, in match order with
// ids that grow, and the state with sendingOffs beside everything it had.
void TestRemoteCommands::theEventsAndSendingOffsHaveTheirShape()
{
    QVERIFY(run(R"({"command":"nextPhase"})").ok);
    QVERIFY(run(R"({"command":"add","figure":"visitorScore"})").ok);
    QVERIFY(run(R"({"command":"card","team":"home","colour":"red","player":"3"})").ok);
    QVERIFY(run(R"({"command":"set","figure":"homeScore","value":2})").ok);
    const QJsonArray events = RemoteEvents(*m_game);
    QCOMPARE(events.size(), 4);
    const QStringList fields{QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("team"),
        QStringLiteral("minute"), QStringLiteral("phase"), QStringLiteral("player"),
        QStringLiteral("name")};
    int last = 0;
    QStringList order;
    for (const QJsonValue &value : events) {
        const QJsonObject event = value.toObject();
        QStringList keys = event.keys();
        keys.sort();
        QStringList wanted = fields;
        wanted.sort();
        QCOMPARE(keys, wanted);
        QVERIFY(event.value(u"id").isDouble());
        QVERIFY(event.value(u"id").toInt() > last);
        last = event.value(u"id").toInt();
        for (const QString &field : fields.mid(1)) {
            QVERIFY2(event.value(field).isString(), qPrintable(field));
        }
        QCOMPARE(event.value(u"phase").toString(), QStringLiteral("firstHalf"));
        QCOMPARE(event.value(u"minute").toString(), QStringLiteral("1'"));
        order << event.value(u"kind").toString() + u'/' + event.value(u"team").toString();
    }
    QCOMPARE(order,
        QStringList({QStringLiteral("goal/visitor"), QStringLiteral("red/home"),
            QStringLiteral("goal/home"), QStringLiteral("goal/home")}));
    const QJsonObject state = RemoteState(*m_game, m_settings);
    QCOMPARE(state.value(u"sendingOffs").toObject(),
        QJsonObject({{QStringLiteral("home"), 1}, {QStringLiteral("visitor"), 0}}));
    for (const char *key : {"title", "home", "guest", "clock", "running", "figures", "match",
             "phase", "addedTime", "addedPlayed", "matchMinute"}) {
        QVERIFY2(state.contains(QLatin1String(key)), key);
    }
}

void TestRemoteCommands::pairingCodes_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as made") << "ABCD1234EFGHJ" << true;
    QTest::newRow("as shown") << "ABCD-1234-EFGHJ" << true;
    QTest::newRow("typed small") << "abcd 1234 efghj" << true;
    QTest::newRow("one wrong") << "ABCD1234EFGHK" << false;
    QTest::newRow("short") << "ABCD1234EFGH" << false;
    QTest::newRow("long") << "ABCD1234EFGHJJ" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("not latin") << "ÄBCD1234EFGHJ" << false;
}

void TestRemoteCommands::pairingCodes()
{
    QFETCH(QString, offered);
    QTEST(IsPairingCode(offered, QStringLiteral("ABCD1234EFGHJ")), "accepted");
    QVERIFY(!IsPairingCode(offered, QString())); // no code is never paired
}

void TestRemoteCommands::madeCodesAreRandomAndReadable()
{
    QSet<QString> codes;
    for (int i = 0; i < 200; ++i) {
        const QString code = MakePairingCode();
        QCOMPARE(code.size(), 13);
        for (const QChar c : code) {
            QVERIFY2(
                QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ").contains(c), qPrintable(code));
        }
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 200);
    QCOMPARE(
        GroupedPairingCode(QStringLiteral("ABCD1234EFGHJ")), QStringLiteral("ABCD-1234-EFGHJ"));
}

void TestRemoteCommands::guessingIsSlowedDownPerAddress()
{
    qint64 now = 0;
    PairingGuard guard([&] { return now; });
    const QString guesser = QStringLiteral("192.0.2.7");
    const QString other = QStringLiteral("192.0.2.8");
    for (int i = 0; i < PairingGuard::ForgivenFailures; ++i) {
        QCOMPARE(guard.retryAfter(guesser), std::nullopt);
        guard.failed(guesser);
    }
    QCOMPARE(guard.retryAfter(guesser), std::nullopt);
    guard.failed(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(1));
    QCOMPARE(guard.retryAfter(other), std::nullopt);
    now += 1000;
    guard.failed(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(2)); // it doubles
    for (int i = 0; i < 30; ++i) {
        guard.failed(guesser);
    }
    QCOMPARE(guard.retryAfter(guesser), std::optional<int>(300)); // up to five minutes
    guard.succeeded(guesser);
    QCOMPARE(guard.retryAfter(guesser), std::nullopt);
}

QTEST_GUILESS_MAIN(TestRemoteCommands)
#include "tst_remotecommands.moc"
