#include "chromiumsession.h"
#include "service/websbservice.h"
#include "websbtesting.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <httplib.h>

#include <functional>

using namespace websb;

// The live page with what a board that knows "teams" sends, in headless Chromium: the board's
// language, the teams' colours and short names, the sending-offs, a phone held upright, the
// waiting before the first update and the clock running between updates.
class TestLivePageTeams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void waitsInTheViewersLanguageUntilTheFirstUpdate();
    void aPhoneShowsTheTeamsInTheBoardsLanguage();
    void theClockRunsBetweenUpdates();

private:
    // Publishes the sample values with `clock` (and `homeName` when given), and `extra` appended
    // to the query as it is.
    void publish(const std::string &page, const QString &clock, const std::string &extra,
        const QString &homeName = QString());
    // What the page shows (see ReadShown), once `done` holds of it or after five seconds.
    QJsonObject readUntil(
        const QString &session, const std::function<bool(const QJsonObject &)> &done);
    QString url(const QString &page) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_service->port()).arg(page);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<WebScoreboardService> m_service;
    std::unique_ptr<ChromiumSession> m_browser;
};

namespace {

const QString Passcode = QStringLiteral("s3cret");

// Read from the drawing, not from the page's variables: the clock from its lit segments, each
// team's plate and text colours, which of its names shows, its visible red marks; the labels,
// the phase, the waiting text, whether anything is wider than the screen, and the smallest text.
const QString ReadShown = QStringLiteral(R"((() => {
  const DIGITS = {'': ' ', abcdef: '0', bc: '1', abdeg: '2', abcdg: '3', bcfg: '4', acdfg: '5',
                  acdefg: '6', abc: '7', abcdefg: '8', abcdfg: '9'};
  const shown = e => Boolean(e) && getComputedStyle(e).display !== 'none' && e.getClientRects().length > 0;
  const cell = c => c.classList.contains('colon')
      ? (c.querySelector('.dot.on') ? ':' : ' ')
      : (DIGITS[[...c.querySelectorAll('.seg.on')].map(s => s.dataset.seg).sort().join('')] ?? '?')
        + (c.querySelector('.point.on') ? '.' : '');
  const team = side => {
    const section = document.querySelector('.team.' + side);
    const plate = getComputedStyle(section.querySelector('.plate'));
    const name = section.querySelector('.name'), short = section.querySelector('.short-name');
    const cards = [...section.querySelectorAll('.card')].filter(shown);
    return {plate: plate.backgroundColor, text: plate.color,
            name: shown(name) ? name.textContent : '', short: shown(short) ? short.textContent : '',
            cards: cards.length, cardColour: cards.length ? getComputedStyle(cards[0]).backgroundColor : ''};
  };
  const texts = [...document.querySelectorAll('.title, .name, .short-name, .label, .phase, .waiting, .added')].filter(shown);
  const phase = document.querySelector('.phase'), waiting = document.querySelector('.waiting');
  return JSON.stringify({
    clock: [...document.querySelector('.clock').children].map(cell).join('').trim(),
    home: team('home'), visitor: team('visitor'),
    labels: [...new Set([...document.querySelectorAll('.label')].map(l => l.textContent))].join(','),
    phase: shown(phase) ? phase.textContent : '',
    waiting: shown(waiting) ? waiting.textContent : '',
    lang: document.documentElement.lang,
    width: innerWidth,
    overflow: document.documentElement.scrollWidth > innerWidth
        || [...document.querySelectorAll('.board *')].filter(shown)
               .some(e => e.getBoundingClientRect().right > innerWidth + 0.5
                          || e.getBoundingClientRect().left < -0.5),
    overlap: (() => {
      const boxes = [...document.querySelectorAll('.title, .plate, .figure, .label, .phase, .added, .final, .shootout')]
          .filter(shown).map(e => e.getBoundingClientRect());
      const meet = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
      return boxes.some((a, i) => boxes.slice(i + 1).some(b => meet(a, b)));
    })(),
    smallestText: Math.min(...texts.map(e => parseFloat(getComputedStyle(e).fontSize))),
  });
})())");

// A board that knows the service: the match and the teams.
std::string teams(const char *language, const char *run, const char *homeColour = "102060",
    const char *visitorColour = "00a0ff")
{
    return std::string("&ph=secondHalf&at=2&hpk=&vpk=&hso=1&vso=2&lang=") + language
        + "&hsn=FCB&vsn=AJAX&hc1=" + homeColour + "&hc2=ffffff&vc1=" + visitorColour
        + "&vc2=000000&run=" + run;
}

QString text(const QJsonObject &shown, const char *key)
{
    return shown.value(QLatin1String(key)).toString();
}

QString side(const QJsonObject &shown, const char *team, const char *key)
{
    return shown.value(QLatin1String(team))
        .toObject()
        .value(QLatin1String(key))
        .toVariant()
        .toString();
}

} // namespace

void TestLivePageTeams::initTestCase()
{
    m_service = std::make_unique<WebScoreboardService>(websbtest::serviceConfig(
        m_dir.path(), {{"main", Passcode}, {"clock", Passcode}, {"fresh", Passcode}}));
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    m_browser = std::make_unique<ChromiumSession>();
    QVERIFY2(m_browser->start(error), qPrintable(error));
}

void TestLivePageTeams::cleanupTestCase()
{
    m_browser.reset();
    m_service.reset();
}

void TestLivePageTeams::publish(const std::string &page, const QString &clock,
    const std::string &extra, const QString &homeName)
{
    websbtest::Values values = websbtest::sampleValues();
    values[4] = clock;
    if (!homeName.isEmpty()) {
        values[1] = homeName;
    }
    httplib::Client client("127.0.0.1", m_service->port());
    client.set_url_encode(false);
    const std::string target
        = "/web/" + page + "?" + websbtest::rawBoardQuery(values, Passcode) + extra;
    const auto answer = client.Get(target.c_str());
    QVERIFY(answer);
    QCOMPARE(answer->status, 200);
}

QJsonObject TestLivePageTeams::readUntil(
    const QString &session, const std::function<bool(const QJsonObject &)> &done)
{
    QElapsedTimer timer;
    timer.start();
    QJsonObject shown;
    do {
        shown = QJsonDocument::fromJson(m_browser->evaluate(session, ReadShown).toString().toUtf8())
                    .object();
        if (done(shown)) {
            break;
        }
        QThread::msleep(20);
    } while (timer.elapsed() < 5000);
    return shown;
}

void TestLivePageTeams::waitsInTheViewersLanguageUntilTheFirstUpdate()
{
    struct Viewer
    {
        QString languages; // as the browser lists them
        QString waiting;
    };
    const Viewer viewers[]
        = {{QStringLiteral("['de-AT', 'en']"), QStringLiteral("Warten auf die Anzeigetafel")},
            {QStringLiteral("['en-GB']"), QStringLiteral("waiting for the board")},
            // A language the page does not speak: English.
            {QStringLiteral("['ja-JP']"), QStringLiteral("waiting for the board")}};
    QStringList sessions;
    for (const Viewer &viewer : viewers) {
        const QString session = m_browser->openTab(QStringLiteral("about:blank"));
        QVERIFY(!session.isEmpty());
        m_browser->loadWithScript(session,
            QStringLiteral("Object.defineProperty(navigator, 'languages', {get: () => %1});")
                .arg(viewer.languages),
            url(QStringLiteral("fresh")));
        const QJsonObject shown = readUntil(
            session, [&](const QJsonObject &s) { return text(s, "waiting") == viewer.waiting; });
        QCOMPARE(text(shown, "waiting"), viewer.waiting);
        QCOMPARE(text(shown, "clock"), QString());
        sessions << session;
    }
    // The board's first update ends the wait, and its language rules from then on.
    publish("fresh", QStringLiteral("10:00"), teams("fr", "0"));
    for (const QString &session : sessions) {
        const QJsonObject shown = readUntil(session,
            [](const QJsonObject &s) { return text(s, "clock") == QLatin1String("10:00"); });
        QCOMPARE(text(shown, "waiting"), QString());
        QCOMPARE(text(shown, "lang"), QStringLiteral("fr"));
        QCOMPARE(text(shown, "labels"), QStringLiteral("PÉR.,TIRS,CR.,ARR."));
    }
}

void TestLivePageTeams::aPhoneShowsTheTeamsInTheBoardsLanguage()
{
    const QString phone = m_browser->openTab(QStringLiteral("about:blank"));
    const QString desk = m_browser->openTab(QStringLiteral("about:blank"));
    QVERIFY(!phone.isEmpty() && !desk.isEmpty());
    m_browser->emulatePhone(phone, 390, 844);
    m_browser->loadWithScript(phone, QString(), url(QStringLiteral("main")));
    m_browser->loadWithScript(desk, QString(), url(QStringLiteral("main")));

    publish("main", QStringLiteral("67:12"), teams("de", "0"));
    for (const QString &session : {phone, desk}) {
        const QJsonObject shown = readUntil(
            session, [](const QJsonObject &s) { return text(s, "lang") == QLatin1String("de"); });
        QCOMPARE(text(shown, "labels"), QStringLiteral("HALBZ.,SCHÜS.,ECK,PARAD."));
        QCOMPARE(text(shown, "phase"), QStringLiteral("2. HALBZEIT"));
        // Navy takes white text, sky blue black (its luminance is past the middle).
        QCOMPARE(side(shown, "home", "plate"), QStringLiteral("rgb(16, 32, 96)"));
        QCOMPARE(side(shown, "home", "text"), QStringLiteral("rgb(255, 255, 255)"));
        QCOMPARE(side(shown, "visitor", "plate"), QStringLiteral("rgb(0, 160, 255)"));
        QCOMPARE(side(shown, "visitor", "text"), QStringLiteral("rgb(0, 0, 0)"));
        QCOMPARE(side(shown, "home", "cards"), QStringLiteral("1"));
        QCOMPARE(side(shown, "visitor", "cards"), QStringLiteral("2"));
        QCOMPARE(side(shown, "visitor", "cardColour"), QStringLiteral("rgb(255, 48, 48)"));
        QVERIFY2(!shown.value(QStringLiteral("overflow")).toBool(), "wider than the screen");
        QVERIFY2(!shown.value(QStringLiteral("overlap")).toBool(), "one thing covers another");
    }
    // Upright, the short names stand in for the names; on a wide screen the names show.
    const QJsonObject upright = readUntil(phone, [](const QJsonObject &) { return true; });
    QCOMPARE(side(upright, "home", "short"), QStringLiteral("FCB"));
    QCOMPARE(side(upright, "visitor", "short"), QStringLiteral("AJAX"));
    QCOMPARE(side(upright, "home", "name"), QString());
    // The phone's own width: a page wider than that would have been zoomed out to fit.
    QCOMPARE(upright.value(QStringLiteral("width")).toInt(), 390);
    QVERIFY2(upright.value(QStringLiteral("smallestText")).toDouble() >= 12,
        qPrintable(QString::number(upright.value(QStringLiteral("smallestText")).toDouble())));
    const QJsonObject wide = readUntil(desk, [](const QJsonObject &) { return true; });
    QCOMPARE(side(wide, "home", "name"), QStringLiteral("A&B Rovers"));
    QCOMPARE(side(wide, "home", "short"), QString());

    // A name too long for its plate on the wide screen gives way to the short name there.
    publish("main", QStringLiteral("67:15"), teams("de", "0"),
        QStringLiteral("Borussia Mönchengladbach von 1900 e.V."));
    const QJsonObject squeezed
        = readUntil(desk, [](const QJsonObject &s) { return !side(s, "home", "short").isEmpty(); });
    QCOMPARE(side(squeezed, "home", "short"), QStringLiteral("FCB"));
    QCOMPARE(side(squeezed, "home", "name"), QString());
    QCOMPARE(side(squeezed, "visitor", "name"), QStringLiteral("Zürich"));

    // Colours that ask the other way round: yellow takes black text, and a dark red white.
    publish("main", QStringLiteral("67:20"), teams("de", "0", "ffee00", "a01010"));
    const QJsonObject swapped = readUntil(phone, [](const QJsonObject &s) {
        return side(s, "home", "plate") == QLatin1String("rgb(255, 238, 0)");
    });
    QCOMPARE(side(swapped, "home", "text"), QStringLiteral("rgb(0, 0, 0)"));
    QCOMPARE(side(swapped, "visitor", "text"), QStringLiteral("rgb(255, 255, 255)"));

    // A board that stops sending the teams: the board's own look, in English, no marks.
    publish("main", QStringLiteral("67:30"), "");
    const QJsonObject plain = readUntil(
        phone, [](const QJsonObject &s) { return text(s, "lang") == QLatin1String("en"); });
    QCOMPARE(side(plain, "home", "plate"), QStringLiteral("rgba(0, 0, 0, 0)"));
    QCOMPARE(side(plain, "home", "text"), QStringLiteral("rgb(255, 255, 255)"));
    QCOMPARE(side(plain, "home", "name"), QStringLiteral("A&B Rovers"));
    QCOMPARE(side(plain, "visitor", "cards"), QStringLiteral("0"));
    QCOMPARE(text(plain, "labels"), QStringLiteral("PERIOD,SHOTS,C/K,SAVES"));
    QVERIFY2(!plain.value(QStringLiteral("overflow")).toBool(), "wider than the screen");
}

void TestLivePageTeams::theClockRunsBetweenUpdates()
{
    const QString session = m_browser->openTab(QStringLiteral("about:blank"));
    QVERIFY(!session.isEmpty());
    // The page's time source, moved by the test.
    m_browser->loadWithScript(session,
        QStringLiteral("window.fakeNow = 0; performance.now = () => window.fakeNow;"),
        url(QStringLiteral("clock")));
    const auto advanceTo = [&](qint64 ms) {
        m_browser->evaluate(session, QStringLiteral("window.fakeNow = %1").arg(ms));
    };
    const auto clockShows = [&](const QString &expected) {
        const QJsonObject shown = readUntil(
            session, [&](const QJsonObject &s) { return text(s, "clock") == expected; });
        return text(shown, "clock");
    };

    // Counting down: whole seconds down to a minute, then tenths, stopping at zero.
    publish("clock", QStringLiteral("7:30"), teams("en", "down"));
    QCOMPARE(clockShows(QStringLiteral("7:30")), QStringLiteral("7:30"));
    advanceTo(900);
    QThread::msleep(250); // two of the page's redraws: the second is not over yet
    QCOMPARE(clockShows(QStringLiteral("7:30")), QStringLiteral("7:30"));
    advanceTo(1000);
    QCOMPARE(clockShows(QStringLiteral("7:29")), QStringLiteral("7:29"));
    advanceTo(390'000);
    QCOMPARE(clockShows(QStringLiteral("1:00")), QStringLiteral("1:00"));
    advanceTo(390'100);
    QCOMPARE(clockShows(QStringLiteral("59.9")), QStringLiteral("59.9"));
    advanceTo(441'300);
    QCOMPARE(clockShows(QStringLiteral("8.7")), QStringLiteral("8.7"));
    advanceTo(999'999);
    QCOMPARE(clockShows(QStringLiteral("0.0")), QStringLiteral("0.0"));

    // A break of a match counted up: whole seconds to 0:00, no tenths.
    publish("clock", QStringLiteral("1:01"), teams("en", "down%3Aseconds"));
    QCOMPARE(clockShows(QStringLiteral("1:01")), QStringLiteral("1:01"));
    advanceTo(1'001'000);
    QCOMPARE(clockShows(QStringLiteral("1:00")), QStringLiteral("1:00"));
    advanceTo(1'001'100);
    QThread::msleep(250);
    QCOMPARE(clockShows(QStringLiteral("1:00")), QStringLiteral("1:00"));
    advanceTo(1'002'000);
    QCOMPARE(clockShows(QStringLiteral("0:59")), QStringLiteral("0:59"));
    advanceTo(1'100'000);
    QCOMPARE(clockShows(QStringLiteral("0:00")), QStringLiteral("0:00"));

    // Every update sets it again, however far the page's own clock ran; a stopped one stands.
    publish("clock", QStringLiteral("5:00"), teams("en", "0"));
    QCOMPARE(clockShows(QStringLiteral("5:00")), QStringLiteral("5:00"));
    advanceTo(1'200'000);
    QThread::msleep(250);
    QCOMPARE(clockShows(QStringLiteral("5:00")), QStringLiteral("5:00"));

    // Counting up, it holds at the half's end, as the board does during added time.
    publish("clock", QStringLiteral("44:58"), teams("en", "up:45"));
    QCOMPARE(clockShows(QStringLiteral("44:58")), QStringLiteral("44:58"));
    advanceTo(1'201'000);
    QCOMPARE(clockShows(QStringLiteral("44:59")), QStringLiteral("44:59"));
    advanceTo(1'260'000);
    QCOMPARE(clockShows(QStringLiteral("45:00")), QStringLiteral("45:00"));
    publish("clock", QStringLiteral("44:10"), teams("en", "up:45"));
    QCOMPARE(clockShows(QStringLiteral("44:10")), QStringLiteral("44:10"));

    // A board that sends no teams: the page cannot know the clock runs, and shows what it got.
    publish("clock", QStringLiteral("30:00"), "");
    QCOMPARE(clockShows(QStringLiteral("30:00")), QStringLiteral("30:00"));
    advanceTo(2'000'000);
    QThread::msleep(250);
    QCOMPARE(clockShows(QStringLiteral("30:00")), QStringLiteral("30:00"));
}

QTEST_APPLESS_MAIN(TestLivePageTeams)

#include "tst_livepageteams.moc"
