#include "fakeoverlayboard.h"
#include "tests/service/chromiumsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The overlay pages in headless Chromium against a fake board: the clock the page runs between
// states, the goal pop-up, reconnection, colours, the address's parameters and bad messages.
class TestOverlayPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void clockFaces_data();
    void clockFaces();
    void thePageRunsTheClockBetweenStates();
    void theGoalPopUpShowsOnlyWhenItsSequenceGrows();
    void thePageReconnectsAndKeepsCounting();
    void textContrastsWithEveryPlate();
    void addressParameters_data();
    void addressParameters();
    void panelsFollowTheBoardsSwitchesAndLanguage();
    void everyPanelFitsInEveryLanguage_data();
    void everyPanelFitsInEveryLanguage();
    void badMessagesNeverBreakThePage();
    void screenshots_data();
    void screenshots();

private:
    // Opens `path` (e.g. "/overlay/scorebug?lang=de") at 1280x720 and waits for its hello.
    QString open(const QString &path);
    QJsonValue js(const QString &tab, const QString &expression)
    {
        return m_browser.evaluate(tab, expression);
    }
    // Evaluates `expression` until it gives `expected`, for up to five seconds, serving the
    // page meanwhile.
    bool waitFor(const QString &tab, const QString &expression, const QJsonValue &expected);
    // Replaces the page's time by window.fakeNow, which starts at 1000 ms.
    void fakeTime(const QString &tab);
    void advance(const QString &tab, int ms);

    FakeOverlayBoard m_board;
    ChromiumSession m_browser;
    QString m_logic; // a tab for the page's pure functions
};

namespace {

// A state as the board sends it, mid-way through a first half counted down.
QJsonObject baseState()
{
    static const QJsonObject state = QJsonDocument::fromJson(R"({
      "title": "Cup final", "home": "Rovers", "guest": "United", "clock": "2:05",
      "running": false, "clockMs": 125000, "countsUp": false,
      "figures": {"homeScore": 2, "visitorScore": 1, "period": 1, "homeShots": 7,
        "homeCornerKicks": 3, "homeSaves": 2, "visitorShots": 4, "visitorCornerKicks": 5,
        "visitorSaves": 6},
      "match": {"clock": "down", "halfMinutes": 45, "breakMinutes": 15,
        "extraTimeMinutes": 15, "penalties": true},
      "phase": "firstHalf", "addedTime": 0, "addedPlayed": 0, "matchMinute": "23'",
      "sendingOffs": {"home": 0, "visitor": 0},
      "teams": {"home": {"name": "Rovers", "short": "ROV", "main": "#c02020", "second": "#ffffff"},
        "visitor": {"name": "United", "short": "UTD", "main": "#2040c0", "second": "#ffffff"}},
      "overlay": {"scoreBug": true, "statistics": false, "shootout": false, "board": false},
      "goalPopup": {"seq": 4, "id": 7}, "language": "en"})")
                                         .object();
    return state;
}

QJsonObject with(QJsonObject state, const QJsonObject &changes)
{
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        state.insert(change.key(), change.value());
    }
    return state;
}

QJsonObject goal(int id, const char *team, const char *player, const char *name)
{
    return {{QStringLiteral("id"), id}, {QStringLiteral("kind"), QStringLiteral("goal")},
        {QStringLiteral("team"), QLatin1String(team)},
        {QStringLiteral("minute"), QStringLiteral("23'")},
        {QStringLiteral("phase"), QStringLiteral("firstHalf")},
        {QStringLiteral("player"), QLatin1String(player)},
        {QStringLiteral("name"), QString::fromUtf8(name)}};
}

QString text(const char *selector)
{
    return QStringLiteral("document.querySelector('%1').textContent").arg(QLatin1String(selector));
}

QString shown(const char *selector)
{
    return QStringLiteral("document.querySelector('%1').classList.contains('shown')")
        .arg(QLatin1String(selector));
}

} // namespace

void TestOverlayPage::initTestCase()
{
    Q_INIT_RESOURCE(overlay);
    m_board.setState(baseState());
    QString error;
    if (!m_browser.start(error)) {
        QSKIP(qPrintable(QStringLiteral("no headless Chromium here: ") + error));
    }
    m_logic = open(QStringLiteral("/overlay/scorebug?token=T"));
    QVERIFY(!m_logic.isEmpty());
}

QString TestOverlayPage::open(const QString &path)
{
    const qsizetype hellos = m_board.hellos.size();
    const QString tab = m_browser.openTab(m_board.address(path));
    m_browser.emulateScreen(tab, 1280, 720);
    if (!waitFor(
            tab, QStringLiteral("typeof window.varneloOverlay.draw"), QStringLiteral("function"))) {
        return {};
    }
    QElapsedTimer waited;
    waited.start();
    while (m_board.hellos.size() == hellos && waited.elapsed() < 5000) {
        QTest::qWait(20);
    }
    return m_board.hellos.size() > hellos ? tab : QString();
}

bool TestOverlayPage::waitFor(
    const QString &tab, const QString &expression, const QJsonValue &expected)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (js(tab, expression) == expected) {
            return true;
        }
        QTest::qWait(20);
    }
    qWarning() << expression << "gave" << js(tab, expression) << "not" << expected;
    return false;
}

void TestOverlayPage::fakeTime(const QString &tab)
{
    js(tab,
        QStringLiteral("window.fakeNow = 1000; window.varneloOverlay.now = () => window.fakeNow"));
}

void TestOverlayPage::advance(const QString &tab, int ms)
{
    js(tab, QStringLiteral("window.fakeNow += %1; window.varneloOverlay.draw()").arg(ms));
}

void TestOverlayPage::clockFaces_data()
{
    QTest::addColumn<QString>("ms");
    QTest::addColumn<QString>("clock"); // the clock's settings, as a JS object's fields
    QTest::addColumn<QString>("expected");
    const auto row
        = [](const char *name, const char *ms, const QByteArray &clock, const char *expected) {
              QTest::newRow(name) << QString::fromLatin1(ms) << QString::fromLatin1(clock)
                                  << QString::fromLatin1(expected);
          };
    const auto up = [](const char *phase) -> QByteArray {
        return "upFormat: true, countsUp: true, halfMinutes: 45, extraTimeMinutes: 15, phase: '"
            + QByteArray(phase) + '\'';
    };
    const QByteArray down = "upFormat: false, countsUp: false";
    row("down, ten minutes", "600000", down, "10:00");
    row("down, a tenth past a second rounds up", "599100", down, "10:00");
    row("down, a whole second", "599000", down, "9:59");
    row("down, just above a minute", "59950", down, "1:00");
    row("down, tenths under a minute", "59900", down, "59.9");
    row("down, the last seconds", "9550", down, "9.5");
    row("down, the end", "0", down, "0.0");
    row("down, nonsense", "NaN", down, "0.0");
    row("up, early", "83000", up("firstHalf"), "01:23");
    row("up, the half's last second", "2699999", up("firstHalf"), "44:59");
    row("up, the half's end", "2700000", up("firstHalf"), "45:00");
    row("up, added time", "2783000", up("firstHalf"), "45+1:23");
    row("up, second half's added time", "5585000", up("secondHalf"), "90+3:05");
    row("up, extra time's first half", "6305000", up("extraTimeFirstHalf"), "105+0:05");
    row("up, extra time's second half", "7201000", up("extraTimeSecondHalf"), "120+0:01");
    row("up, past 45 before the kick-off", "2783000", up("preMatch"), "46:23");
    row("up format, a break counts down", "899001",
        "upFormat: true, countsUp: false, phase: 'halfTime'", "15:00");
}

// The clock as the board shows it, from the page's own formatting.
void TestOverlayPage::clockFaces()
{
    QFETCH(QString, ms);
    QFETCH(QString, clock);
    QFETCH(QString, expected);
    QCOMPARE(js(m_logic, QStringLiteral("varneloOverlay.formatClock(%1, {%2})").arg(ms, clock))
                 .toString(),
        expected);
}

// Counting down and up between states from the page's time, tenths in the last minute, added
// time, and every state taken as the truth.
void TestOverlayPage::thePageRunsTheClockBetweenStates()
{
    const QString tab = open(QStringLiteral("/overlay/scorebug?token=T"));
    QVERIFY(!tab.isEmpty());
    fakeTime(tab);
    m_board.setState(with(
        baseState(), {{QStringLiteral("running"), true}, {QStringLiteral("clockMs"), 124000}}));
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("2:04")));
    js(tab, QStringLiteral("window.fakeNow += 4000"));
    // The page's own redraw, with no help.
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("2:00")));
    advance(tab, 70000);
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("50.0"));
    advance(tab, 49950);
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("0.0"));
    advance(tab, 600000);
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("0.0"));

    // A stopped clock set on the board: shown at once, and it stays.
    m_board.setState(with(baseState(), {{QStringLiteral("clockMs"), 300000}}));
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("5:00")));
    advance(tab, 10000);
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("5:00"));

    // Counting up into three announced minutes of added time.
    QJsonObject match = baseState().value(QStringLiteral("match")).toObject();
    match.insert(QStringLiteral("clock"), QStringLiteral("up"));
    const QJsonObject upState = with(baseState(),
        {{QStringLiteral("match"), match}, {QStringLiteral("countsUp"), true},
            {QStringLiteral("running"), true}, {QStringLiteral("clockMs"), 2690000},
            {QStringLiteral("addedTime"), 3}});
    m_board.setState(upState);
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("44:50")));
    QCOMPARE(js(tab, text(".added")).toString(), QStringLiteral("+3"));
    QCOMPARE(js(tab, QStringLiteral("document.querySelector('.added').hidden")), QJsonValue(false));
    advance(tab, 93000);
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("45+1:23"));
    // The board is behind the page: its value wins, no smoothing.
    m_board.setState(with(upState, {{QStringLiteral("clockMs"), 2700000}}));
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("45:00")));
    // Half-time: no added time, the phase's word instead.
    m_board.setState(with(upState,
        {{QStringLiteral("phase"), QStringLiteral("halfTime")}, {QStringLiteral("countsUp"), false},
            {QStringLiteral("clockMs"), 900000}}));
    QVERIFY(waitFor(tab, text(".phase"), QStringLiteral("HALF-TIME")));
    QCOMPARE(js(tab, QStringLiteral("document.querySelector('.added').hidden")), QJsonValue(true));
    QCOMPARE(js(tab, text(".clock")).toString(), QStringLiteral("15:00"));
}

void TestOverlayPage::theGoalPopUpShowsOnlyWhenItsSequenceGrows()
{
    const QJsonArray events{goal(7, "home", "10", "Baker"), goal(8, "visitor", "9", "Müller")};
    m_board.setState(baseState(), events);
    const QString tab = open(QStringLiteral("/overlay/goal?token=T"));
    QVERIFY(!tab.isEmpty());
    fakeTime(tab);
    const QString popup = shown(".goal");
    // Never for the first state, nor for the same sequence again.
    QTest::qWait(100);
    QCOMPARE(js(tab, popup), QJsonValue(false));
    m_board.setState(baseState(), events);
    QTest::qWait(100);
    QCOMPARE(js(tab, popup), QJsonValue(false));

    // Grown, with every panel switched off: the pop-up follows its sequence alone.
    const QJsonObject off{{QStringLiteral("scoreBug"), false},
        {QStringLiteral("statistics"), false}, {QStringLiteral("shootout"), false},
        {QStringLiteral("board"), false}};
    const auto popupOf = [](int seq, int id) {
        return QJsonObject{{QStringLiteral("seq"), seq}, {QStringLiteral("id"), id}};
    };
    m_board.setState(
        with(baseState(),
            {{QStringLiteral("goalPopup"), popupOf(5, 8)}, {QStringLiteral("overlay"), off}}),
        events);
    QVERIFY(waitFor(tab, popup, true));
    QCOMPARE(js(tab, text(".goal .name")).toString(), QStringLiteral("United"));
    QCOMPARE(js(tab, text(".goal .player")).toString(), QStringLiteral("#9 Müller"));
    QCOMPARE(js(tab, text(".goal .minute")).toString(), QStringLiteral("23'"));
    QCOMPARE(js(tab, text(".goal .word")).toString(), QStringLiteral("GOAL"));
    QCOMPARE(js(tab,
                 QStringLiteral("getComputedStyle(document.querySelector('.goal .plate'))"
                                ".backgroundColor"))
                 .toString(),
        QStringLiteral("rgb(32, 64, 192)"));
    advance(tab, 7900);
    QCOMPARE(js(tab, popup), QJsonValue(true));
    advance(tab, 200);
    QCOMPARE(js(tab, popup), QJsonValue(false));

    // A board started again counts from less: nothing, until it grows from there.
    m_board.setState(with(baseState(), {{QStringLiteral("goalPopup"), popupOf(1, 7)}}), events);
    QTest::qWait(100);
    QCOMPARE(js(tab, popup), QJsonValue(false));
    // Grown for a goal the events do not have (removed meanwhile): nothing to show.
    m_board.setState(with(baseState(), {{QStringLiteral("goalPopup"), popupOf(2, 0)}}), events);
    QTest::qWait(100);
    QCOMPARE(js(tab, popup), QJsonValue(false));
    m_board.setState(with(baseState(), {{QStringLiteral("goalPopup"), popupOf(3, 7)}}), events);
    QVERIFY(waitFor(tab, popup, true));
    QCOMPARE(js(tab, text(".goal .player")).toString(), QStringLiteral("#10 Baker"));
    QCOMPARE(js(tab, text(".goal .name")).toString(), QStringLiteral("Rovers"));
}

// The board goes away: the page keeps its clock running, says nothing on the stream, and is
// back with its token once the board is, also after a board that did not answer; a refused token
// is not tried again.
void TestOverlayPage::thePageReconnectsAndKeepsCounting()
{
    QCOMPARE(js(m_logic,
                 QStringLiteral("[0, 500, 1000, 2000, 4000, 5000].map(varneloOverlay.nextRetry)"
                                ".join(' ')"))
                 .toString(),
        QStringLiteral("500 1000 2000 4000 5000 5000"));
    m_board.setState(with(baseState(), {{QStringLiteral("running"), true}}));
    const QString tab = open(QStringLiteral("/overlay/scorebug?token=S3cret"));
    QVERIFY(!tab.isEmpty());
    QVERIFY(waitFor(tab, text(".clock") + QStringLiteral(" < '2:05'"), true));
    const auto heard = [this] { return m_board.hellos.count(QStringLiteral("S3cret")); };
    const qsizetype hellos = heard();
    m_board.dropAll();
    QTest::qWait(100);
    const QString clock = js(tab, text(".clock")).toString();
    QVERIFY(waitFor(tab, text(".clock") + QStringLiteral(" !== '%1'").arg(clock), true));
    QCOMPARE(js(tab, shown(".scorebug")), QJsonValue(true));
    QVERIFY(!js(tab, QStringLiteral("/connect|offline|error/i.test(document.body.innerText)"))
                 .toBool());
    QTRY_VERIFY_WITH_TIMEOUT(heard() > hellos, 5000);

    // A board that takes the request and never answers is asked again.
    js(tab, QStringLiteral("varneloOverlay.answerWaitMs = 300"));
    m_board.hangPush = true;
    const qsizetype stuck = heard();
    m_board.dropAll();
    QTest::qWait(1200);
    QCOMPARE(heard(), stuck);
    m_board.hangPush = false;
    QTRY_VERIFY_WITH_TIMEOUT(heard() > stuck, 5000);

    // A wrong token: the board says so and closes; the page stays as it was and does not ask
    // again (the board would count each try toward its lock-out).
    m_board.sendToAll(QStringLiteral(R"({"type":"reply","ok":false,"error":"wrong code"})"));
    m_board.dropAll();
    const qsizetype refused = heard();
    QTest::qWait(1500);
    QCOMPARE(heard(), refused);
    QCOMPARE(js(tab, shown(".scorebug")), QJsonValue(true));
    QCOMPARE(js(tab, QStringLiteral("document.querySelector('.clock').textContent !== ''")),
        QJsonValue(true));
}

// White or black text, whichever contrasts more, checked against the contrast ratio worked out
// here for colours across the whole range, and drawn so on the plates.
void TestOverlayPage::textContrastsWithEveryPlate()
{
    QCOMPARE(js(m_logic, QStringLiteral("varneloOverlay.textColourOn('#8b0000')")).toString(),
        QStringLiteral("#ffffff"));
    QCOMPARE(js(m_logic, QStringLiteral("varneloOverlay.textColourOn('#ffff00')")).toString(),
        QStringLiteral("#000000"));
    const QJsonValue worst = js(m_logic, QStringLiteral(R"((() => {
      const linear = (c) => { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4; };
      let worst = 21, wrong = '';
      for (let r = 0; r < 256; r += 15) for (let g = 0; g < 256; g += 15) for (let b = 0; b < 256; b += 15) {
        const colour = '#' + [r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('');
        const l = 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
        const onWhite = 1.05 / (l + 0.05), onBlack = (l + 0.05) / 0.05;
        const chosen = varneloOverlay.textColourOn(colour) === '#ffffff' ? onWhite : onBlack;
        if (chosen < Math.max(onWhite, onBlack)) wrong = colour;
        worst = Math.min(worst, chosen);
      }
      return wrong || worst;
    })())"));
    QVERIFY2(worst.isDouble(), qPrintable(worst.toString()));
    QVERIFY(worst.toDouble() >= 4.5);

    const QString tab = open(QStringLiteral("/overlay/scorebug?token=T"));
    QVERIFY(!tab.isEmpty());
    m_board.setState(with(baseState(),
        {{QStringLiteral("teams"),
            QJsonDocument::fromJson(R"({
        "home": {"name": "Rovers", "short": "ROV", "main": "#FFFF00", "second": "#000000"},
        "visitor": {"name": "United", "short": "UTD", "main": "#8b0000", "second": "#ffff00"}})")
                .object()}}));
    const auto style = [&](const char *selector, const char *property) {
        return js(tab,
            QStringLiteral("getComputedStyle(document.querySelector('%1')).%2")
                .arg(QLatin1String(selector), QLatin1String(property)))
            .toString();
    };
    QVERIFY(waitFor(tab,
        QStringLiteral("getComputedStyle(document.querySelector('.plate.home')).backgroundColor"),
        QStringLiteral("rgb(255, 255, 0)")));
    QCOMPARE(style(".plate.home", "color"), QStringLiteral("rgb(0, 0, 0)"));
    QCOMPARE(style(".plate.home .stripe", "backgroundColor"), QStringLiteral("rgb(0, 0, 0)"));
    QCOMPARE(style(".plate.visitor", "color"), QStringLiteral("rgb(255, 255, 255)"));
    QCOMPARE(
        style(".plate.visitor .stripe", "backgroundColor"), QStringLiteral("rgb(255, 255, 0)"));
    QCOMPARE(style("body", "backgroundColor"), QStringLiteral("rgba(0, 0, 0, 0)"));
    QCOMPARE(style("html", "backgroundColor"), QStringLiteral("rgba(0, 0, 0, 0)"));
}

void TestOverlayPage::addressParameters_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected"); // panel position scale lang
    const auto row
        = [](const char *name, const char *path, const char *query, const char *expected) {
              QTest::newRow(name) << QString::fromLatin1(path) << QString::fromLatin1(query)
                                  << QString::fromLatin1(expected);
          };
    row("score bug", "/overlay/scorebug", "", "scorebug top-left 1 -");
    row("statistics", "/overlay/statistics", "?token=T", "statistics bottom 1 -");
    row("all given", "/overlay/goal", "?position=top-right&scale=1.5&lang=de",
        "goal top-right 1.5 de");
    row("trailing slash", "/overlay/board/", "?scale=3&lang=pt", "board bottom 3 pt");
    row("unknown words", "/overlay/scorebug", "?position=middle&scale=abc&lang=xx",
        "scorebug top-left 1 -");
    row("too big", "/overlay/shootout", "?scale=3.01", "shootout bottom 1 -");
    row("smallest", "/overlay/shootout", "?scale=0.5&position=center", "shootout center 0.5 -");
    row("too small", "/overlay/shootout", "?scale=0.4", "shootout bottom 1 -");
    row("negative", "/overlay/shootout", "?scale=-1", "shootout bottom 1 -");
    row("exponent", "/overlay/shootout", "?scale=1e0", "shootout bottom 1 -");
    row("empty", "/overlay/shootout", "?scale=&position=&lang=", "shootout bottom 1 -");
    row("infinity", "/overlay/shootout", "?scale=Infinity", "shootout bottom 1 -");
    row("twice", "/overlay/goal", "?position=center&position=top", "goal center 1 -");
    row("an object's own names", "/overlay/goal", "?lang=__proto__&position=constructor",
        "goal bottom 1 -");
    row("unknown panel", "/overlay/nonsense", "", "scorebug top-left 1 -");
}

void TestOverlayPage::addressParameters()
{
    QFETCH(QString, path);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    QCOMPARE(
        js(m_logic,
            QStringLiteral("(() => { const a = varneloOverlay.parseAddress('%1', '%2'); "
                           "return [a.panel, a.position, a.scale, a.lang || '-'].join(' '); })()")
                .arg(path, query))
            .toString(),
        expected);
}

// Each panel fades with its switch, speaks the address's language or else the board's, and
// sits where the address puts it at the size it asks.
void TestOverlayPage::panelsFollowTheBoardsSwitchesAndLanguage()
{
    QJsonObject state = with(baseState(), {{QStringLiteral("language"), QStringLiteral("de")}});
    m_board.setState(state);
    const QString statistics = open(QStringLiteral("/overlay/statistics?token=T"));
    const QString french = open(QStringLiteral("/overlay/statistics?token=T&lang=fr"));
    QVERIFY(!statistics.isEmpty() && !french.isEmpty());
    const QString corners = text(".stat[data-stat=cornerKicks] .label");
    QVERIFY(waitFor(statistics, corners, QStringLiteral("Ecken")));
    QCOMPARE(js(statistics, QStringLiteral("document.documentElement.lang")).toString(),
        QStringLiteral("de"));
    QCOMPARE(js(french, corners).toString(), QStringLiteral("Corners"));
    QCOMPARE(
        js(statistics, text(".stat[data-stat=saves] .visitor")).toString(), QStringLiteral("6"));
    QCOMPARE(js(statistics, shown(".statistics")), QJsonValue(false));
    QJsonObject overlay = state.value(QStringLiteral("overlay")).toObject();
    overlay.insert(QStringLiteral("statistics"), true);
    overlay.insert(QStringLiteral("scoreBug"), false);
    state.insert(QStringLiteral("overlay"), overlay);
    state.insert(QStringLiteral("phase"), QStringLiteral("penalties"));
    state.insert(QStringLiteral("sendingOffs"),
        QJsonObject{{QStringLiteral("home"), 0}, {QStringLiteral("visitor"), 2}});
    state.insert(QStringLiteral("shootout"),
        QJsonDocument::fromJson(R"({"home": [true, false, true], "visitor": [true, true]})")
            .object());
    m_board.setState(state);
    QVERIFY(waitFor(statistics, shown(".statistics"), true));

    const QString bug
        = open(QStringLiteral("/overlay/scorebug?token=T&position=bottom-right&scale=2"));
    const QString kicks = open(QStringLiteral("/overlay/shootout?token=T"));
    QVERIFY(!bug.isEmpty() && !kicks.isEmpty());
    QVERIFY(waitFor(bug, text(".phase"), QStringLiteral("ELFMETERSCHIESSEN")));
    QCOMPARE(js(bug, shown(".scorebug")), QJsonValue(false));
    QCOMPARE(js(bug, QStringLiteral("document.querySelectorAll('.plate.visitor .card').length")),
        QJsonValue(2));
    QCOMPARE(js(bug, QStringLiteral("document.querySelectorAll('.plate.home .card').length")),
        QJsonValue(0));
    // At twice the size, in the bottom right corner; a third of the margin is 16 px at 720p.
    const QString box = QStringLiteral(
        "(() => { const r = document.querySelector('.scorebug').getBoundingClientRect(); "
        "return [Math.round(innerWidth - r.right), Math.round(innerHeight - r.bottom), "
        "Math.round(r.height)].join(' '); })()");
    QCOMPARE(js(bug, box).toString(), QStringLiteral("32 32 69"));
    QCOMPARE(js(kicks,
                 QStringLiteral("document.querySelector('.kicks.home .marks').textContent + ' ' + "
                                "document.querySelector('.kicks.visitor .marks').textContent"))
                 .toString(),
        QStringLiteral("●✕●○○ ●●○○○"));
    QCOMPARE(js(kicks, text(".kicks.home .tally")).toString(), QStringLiteral("2"));
    QCOMPARE(js(kicks, text(".shootout .title")).toString(), QStringLiteral("Elfmeterschießen"));
}

void TestOverlayPage::everyPanelFitsInEveryLanguage_data()
{
    QTest::addColumn<QString>("path");
    for (const char *panel : {"scorebug", "statistics", "shootout", "board"}) {
        for (const char *lang : {"en", "de", "es", "fr", "it", "nl", "pt"}) {
            QTest::addRow("%s-%s", panel, lang)
                << QStringLiteral("/overlay/%1?token=T&lang=%2")
                       .arg(QLatin1String(panel), QLatin1String(lang));
        }
    }
}

// Every word of every language on its plate and the panel inside the frame, at 720p, with the
// longest of the phase words and long team names.
void TestOverlayPage::everyPanelFitsInEveryLanguage()
{
    QFETCH(QString, path);
    QJsonObject match = baseState().value(QStringLiteral("match")).toObject();
    match.insert(QStringLiteral("clock"), QStringLiteral("up"));
    m_board.setState(with(baseState(),
        {{QStringLiteral("match"), match}, {QStringLiteral("countsUp"), true},
            {QStringLiteral("clockMs"), 7199000}, {QStringLiteral("addedTime"), 30},
            {QStringLiteral("phase"), QStringLiteral("extraTimeHalfTime")},
            {QStringLiteral("sendingOffs"),
                QJsonObject{{QStringLiteral("home"), 3}, {QStringLiteral("visitor"), 3}}},
            {QStringLiteral("teams"),
                QJsonDocument::fromJson(R"({
                "home": {"name": "Borussia Mönchengladbach", "short": "BMGW", "main": "#ffffff",
                  "second": "#000000"},
                "visitor": {"name": "Wolverhampton Wanderers", "short": "WOLV", "main": "#000000",
                  "second": "#ffa000"}})")
                    .object()}}));
    const QString tab = open(path);
    QVERIFY(!tab.isEmpty());
    QVERIFY(waitFor(tab,
        QStringLiteral("/WOLV|Wolverhampton/.test(document.querySelector('.plate.visitor')"
                       ".textContent)"),
        true));
    const QJsonValue overflowing = js(tab, QStringLiteral(R"((() => {
      const bad = [];
      for (const e of document.querySelectorAll('.panel *')) {
        if (!e.offsetParent && getComputedStyle(e).position !== 'fixed') continue;
        const r = e.getBoundingClientRect();
        if (r.width === 0) continue;
        if (e.scrollWidth > e.clientWidth + 1 && !e.classList.contains('name'))
          bad.push(e.className + ' overflows: ' + e.textContent);
        if (r.left < 0 || r.top < 0 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5)
          bad.push(e.className + ' is outside the frame: ' + e.textContent);
      }
      return bad.join('; ');
    })())"));
    QCOMPARE(overflowing.toString(), QString());
}

// Nothing a message holds breaks the page: what is not a state is ignored, odd fields fall back,
// names are text, and the next good state shows.
void TestOverlayPage::badMessagesNeverBreakThePage()
{
    m_board.setState(baseState());
    const QString tab = open(QStringLiteral("/overlay/scorebug?token=T"));
    QVERIFY(!tab.isEmpty());
    QVERIFY(waitFor(tab, text(".homeScore"), QStringLiteral("2")));
    js(tab,
        QStringLiteral(
            "window.errors = []; addEventListener('error', (e) => errors.push(e.message))"));
    for (const char *message : {"not json", "", "null", "42", "[1,2]", "{}", R"({"type":"state"})",
             R"({"type":"state","state":null})", R"({"type":"state","state":[]})",
             R"({"type":"state","state":{"clockMs":"12"}})",
             R"({"type":"state","state":{"clockMs":1e400}})",
             R"({"type":"reply","ok":false,"error":"the overlay token only reads"})"}) {
        m_board.sendToAll(QString::fromUtf8(message));
    }
    // Usable for its clock, odd in every other field.
    const char *odd = R"json({"type":"state","events":"x","state":{"clockMs":5000,
        "phase":"constructor","figures":{"homeScore":"7","visitorScore":-3},"match":null,
        "teams":{"home":{"name":"<img src=x onerror=window.hacked=1>","main":"red;x:url(y)",
        "short":{"x":1}},"visitor":[]},"overlay":"yes","goalPopup":{"seq":"9"},
        "shootout":{"home":"xx"},"sendingOffs":{"home":1e9},"language":"__proto__"}})json";
    m_board.sendToAll(QString::fromUtf8(odd));
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("5.0")));
    QCOMPARE(js(tab, text(".plate.home .short")).toString(), QStringLiteral("IMG"));
    QCOMPARE(js(tab, text(".homeScore") + QStringLiteral(" + ' ' + ") + text(".visitorScore"))
                 .toString(),
        QStringLiteral("0 0"));
    QCOMPARE(js(tab, QStringLiteral("document.querySelectorAll('img').length")), QJsonValue(0));
    QCOMPARE(js(tab, QStringLiteral("document.querySelectorAll('.plate.home .card').length")),
        QJsonValue(11));
    QCOMPARE(js(tab,
                 QStringLiteral("getComputedStyle(document.querySelector('.plate.home'))"
                                ".backgroundColor"))
                 .toString(),
        QStringLiteral("rgb(192, 32, 32)"));
    QCOMPARE(js(tab, QStringLiteral("document.querySelector('.phase').hidden")), QJsonValue(true));
    QCOMPARE(js(tab, shown(".scorebug")), QJsonValue(true));

    m_board.setState(with(baseState(), {{QStringLiteral("clockMs"), 61000}}));
    QVERIFY(waitFor(tab, text(".clock"), QStringLiteral("1:01")));
    QCOMPARE(js(tab, text(".homeScore")).toString(), QStringLiteral("2"));
    QCOMPARE(js(tab, QStringLiteral("String(window.hacked) + ' ' + errors.join()")).toString(),
        QStringLiteral("undefined "));
}

void TestOverlayPage::screenshots_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QSize>("size");
    if (qEnvironmentVariableIsEmpty("VARNELO_OVERLAY_SHOTS")) {
        QTest::newRow("not asked for") << QString() << QString() << QSize();
        return;
    }
    for (const char *panel : {"scorebug", "statistics", "shootout", "goal", "board"}) {
        for (const char *lang : {"en", "de"}) {
            for (const QSize size : {QSize(1920, 1080), QSize(1280, 720)}) {
                QTest::addRow("%s-%s-%d", panel, lang, size.height())
                    << QString::fromLatin1(panel) << QString::fromLatin1(lang) << size;
            }
        }
    }
}

// Screenshots of every panel over a pitch, in Chromium and Firefox, at 1080p and 720p, in English
// and German, for a person to look at: only when VARNELO_OVERLAY_SHOTS names a folder.
void TestOverlayPage::screenshots()
{
    QFETCH(QString, panel);
    QFETCH(QString, lang);
    QFETCH(QSize, size);
    const QString folder = qEnvironmentVariable("VARNELO_OVERLAY_SHOTS");
    if (folder.isEmpty()) {
        QSKIP("VARNELO_OVERLAY_SHOTS is not set");
    }
    QVERIFY(QDir().mkpath(folder));
    QJsonObject match = baseState().value(QStringLiteral("match")).toObject();
    match.insert(QStringLiteral("clock"), QStringLiteral("up"));
    const QJsonObject all{{QStringLiteral("scoreBug"), true}, {QStringLiteral("statistics"), true},
        {QStringLiteral("shootout"), true}, {QStringLiteral("board"), true}};
    // Added time at 1080p; at 720p the score bug shows the longest of its phase words.
    const bool shootout = panel == u"shootout" || (panel == u"scorebug" && size.height() == 720);
    const QJsonObject state = with(baseState(),
        {{QStringLiteral("match"), match}, {QStringLiteral("countsUp"), true},
            {QStringLiteral("phase"),
                shootout ? QStringLiteral("penalties") : QStringLiteral("firstHalf")},
            {QStringLiteral("clockMs"), 2783000}, {QStringLiteral("addedTime"), 3},
            {QStringLiteral("sendingOffs"),
                QJsonObject{{QStringLiteral("home"), 1}, {QStringLiteral("visitor"), 0}}},
            {QStringLiteral("shootout"),
                QJsonDocument::fromJson(R"({"home": [true, false, true], "visitor": [true, true]})")
                    .object()},
            {QStringLiteral("overlay"), all}});
    m_board.setState(state, {goal(7, "home", "10", "Baker"), goal(8, "visitor", "9", "Müller")});
    m_board.growGoalAfterHello = true;
    const QString path = QStringLiteral("/pitch/%1?token=T&lang=%2").arg(panel, lang);
    const QString name = QStringLiteral("%1/%2-%3-%4").arg(folder, panel, lang).arg(size.height());
    const QString tab = m_browser.openTab(m_board.address(path));
    m_browser.emulateScreen(tab, size.width(), size.height());
    QTest::qWait(3200);
    QFile file(name + QStringLiteral("-chromium.png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_browser.screenshot(tab));
    file.close();
    QCOMPARE(QImage(file.fileName()).size(), size);

    const QString firefox = QStandardPaths::findExecutable(QStringLiteral("firefox-esr"));
    if (!firefox.isEmpty()) {
        QTemporaryDir profile;
        QProcess browser;
        browser.start(firefox,
            {QStringLiteral("--headless"), QStringLiteral("--no-remote"),
                QStringLiteral("--profile"), profile.path(),
                QStringLiteral("--window-size=%1,%2").arg(size.width()).arg(size.height()),
                QStringLiteral("--screenshot"), name + QStringLiteral("-firefox.png"),
                m_board.address(path)});
        QTRY_VERIFY_WITH_TIMEOUT(browser.state() == QProcess::NotRunning, 90000);
        QCOMPARE(QImage(name + QStringLiteral("-firefox.png")).size(), size);
    }
    m_board.growGoalAfterHello = false;
}

QTEST_GUILESS_MAIN(TestOverlayPage)
#include "tst_overlaypage.moc"
