#include "chromiumsession.h"
#include "service/websbservice.h"
#include "websbtesting.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <httplib.h>

#include <map>

using namespace websb;

// The live page in headless Chromium: it must draw the figures of the board's last update and
// redraw them after the next one, without reloading.
class TestLivePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void figuresFollowTheBoardWithoutReload();
    void overlayIsTransparent();
    void theMatchShowsOnlyWhenTheBoardSendsIt_data();
    void theMatchShowsOnlyWhenTheBoardSendsIt();

private:
    struct Seen
    {
        std::map<QString, QString> figures; // field key → text, as the lit segments read
        bool final = false;
        QString marker;
        QString background; // of the document, then of its body
    };

    // `match` is appended to the board's query as it is ("&ph=…").
    void publish(const websbtest::Values &values, bool final, const std::string &match = {});
    Seen read(const QString &session);
    // Reads the page until it shows `values` (and `final`), for at most `timeoutMs`.
    bool waitFor(const QString &session, const websbtest::Values &values, bool final, int timeoutMs,
        Seen &seen);

    QTemporaryDir m_dir;
    std::unique_ptr<WebScoreboardService> m_service;
    std::unique_ptr<ChromiumSession> m_browser;
    // One page that follows every row of the match's test, as a viewer's would.
    QString m_matchTab;
};

namespace {

const QString Passcode = QStringLiteral("s3cret");

// Reads back every figure from the drawing: the lit segments of each digit (a..g), the colon's
// dots and the decimal point. Nothing here asks the page what value it meant to show.
const QString ReadPage = QStringLiteral(R"((() => {
  const cell = c => c.classList.contains('colon')
      ? (c.querySelector('.dot.on') ? ':' : ' ')
      : [...c.querySelectorAll('.seg.on')].map(s => s.dataset.seg).sort().join('')
        + (c.querySelector('.point.on') ? '.' : '');
  const figures = {};
  for (const f of document.querySelectorAll('.figure')) {
    figures[f.dataset.field] = [...f.children].map(cell);
  }
  for (const t of document.querySelectorAll('[data-field]:not(.figure)')) {
    figures[t.dataset.field] = t.textContent;
  }
  const finalText = document.querySelector('.final');
  return JSON.stringify({
    figures,
    final: getComputedStyle(finalText).display !== 'none' && finalText.textContent === 'FINAL',
    marker: String(window.testMarker || ''),
    background: [document.documentElement, document.body]
        .map(e => getComputedStyle(e).backgroundColor).join(' / '),
  });
})())");

// The match as shown: the phase's words and "+N" when visible, and each team's shoot-out row as
// its marks ("1" scored, "0" missed, "-" still to come) and its score; whether any of them
// overlaps the title, a team's name or score, or another of them; and the colour of a scored
// kick.
const QString ReadMatch = QStringLiteral(R"((() => {
  const shown = e => getComputedStyle(e).display !== 'none';
  const text = e => shown(e) ? e.textContent : '';
  const rows = {};
  for (const row of document.querySelectorAll('.shootout')) {
    const mark = k => k.classList.contains('scored') ? '1' : k.classList.contains('missed') ? '0' : '-';
    rows[row.dataset.team] = shown(row)
        ? [...row.querySelectorAll('.kick')].map(mark).join('') + ' ' + row.querySelector('.tally').textContent
        : '';
  }
  const boxes = [...document.querySelectorAll('.title, .name, .score, .clock, .phase, .added, .shootout, .row, .final')]
      .filter(shown).map(e => e.getBoundingClientRect()).filter(r => r.width > 0 && r.height > 0);
  const meet = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  let overlap = false;
  boxes.forEach((a, i) => boxes.slice(i + 1).forEach(b => { overlap = overlap || meet(a, b); }));
  const scored = document.querySelector('.kick.scored');
  return JSON.stringify({
    phase: text(document.querySelector('.phase')),
    added: text(document.querySelector('.added')),
    home: rows.home, visitor: rows.visitor, overlap,
    scoredColour: scored ? getComputedStyle(scored).backgroundColor : '',
  });
})())");

QChar digitOf(const QString &segments)
{
    static const std::map<QString, QChar> digits = {{QString(), QLatin1Char(' ')},
        {QStringLiteral("abcdef"), QLatin1Char('0')}, {QStringLiteral("bc"), QLatin1Char('1')},
        {QStringLiteral("abdeg"), QLatin1Char('2')}, {QStringLiteral("abcdg"), QLatin1Char('3')},
        {QStringLiteral("bcfg"), QLatin1Char('4')}, {QStringLiteral("acdfg"), QLatin1Char('5')},
        {QStringLiteral("acdefg"), QLatin1Char('6')}, {QStringLiteral("abc"), QLatin1Char('7')},
        {QStringLiteral("abcdefg"), QLatin1Char('8')},
        {QStringLiteral("abcdfg"), QLatin1Char('9')}};
    const auto found = digits.find(segments);
    return found == digits.end() ? QLatin1Char('?') : found->second;
}

QString figureText(const QJsonValue &figure)
{
    if (figure.isString()) {
        return figure.toString();
    }
    QString text;
    for (const QJsonValue &cell : figure.toArray()) {
        QString segments = cell.toString();
        if (segments == QLatin1String(":") || segments == QLatin1String(" ")) {
            text += segments;
            continue;
        }
        const bool point = segments.endsWith(QLatin1Char('.'));
        if (point) {
            segments.chop(1);
        }
        text += digitOf(segments);
        if (point) {
            text += QLatin1Char('.');
        }
    }
    return text.trimmed();
}

QString describe(const std::map<QString, QString> &figures)
{
    QStringList parts;
    for (const auto &[key, text] : figures) {
        parts << key + QLatin1Char('=') + text;
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

void TestLivePage::initTestCase()
{
    m_service = std::make_unique<WebScoreboardService>(
        websbtest::serviceConfig(m_dir.path(), {{"main", Passcode}}));
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    m_browser = std::make_unique<ChromiumSession>();
    QVERIFY2(m_browser->start(error), qPrintable(error));
}

void TestLivePage::cleanupTestCase()
{
    m_browser.reset();
    m_service.reset();
}

void TestLivePage::publish(const websbtest::Values &values, bool final, const std::string &match)
{
    httplib::Client client("127.0.0.1", m_service->port());
    client.set_url_encode(false); // the query is encoded already, as the board encodes it
    const std::string target
        = "/web/main?" + websbtest::rawBoardQuery(values, Passcode, final) + match;
    const auto answer = client.Get(target.c_str());
    QVERIFY(answer);
    QCOMPARE(answer->status, 200);
    QCOMPARE(answer->body, "2|" + websbtest::echoOf(values));
}

TestLivePage::Seen TestLivePage::read(const QString &session)
{
    Seen seen;
    const QJsonObject page
        = QJsonDocument::fromJson(m_browser->evaluate(session, ReadPage).toString().toUtf8())
              .object();
    const QJsonObject figures = page.value(QStringLiteral("figures")).toObject();
    for (auto it = figures.begin(); it != figures.end(); ++it) {
        seen.figures[it.key()] = figureText(it.value());
    }
    seen.final = page.value(QStringLiteral("final")).toBool();
    seen.marker = page.value(QStringLiteral("marker")).toString();
    seen.background = page.value(QStringLiteral("background")).toString();
    return seen;
}

bool TestLivePage::waitFor(
    const QString &session, const websbtest::Values &values, bool final, int timeoutMs, Seen &seen)
{
    std::map<QString, QString> expected;
    for (std::size_t i = 0; i < values.size(); ++i) {
        expected[QString::fromLatin1(BoardFields[i].key.data())] = values[i];
    }
    QElapsedTimer timer;
    timer.start();
    do {
        seen = read(session);
        if (seen.figures == expected && seen.final == final) {
            return true;
        }
        QThread::msleep(20);
    } while (timer.elapsed() < timeoutMs);
    qWarning().noquote() << QStringLiteral("expected: ") + describe(expected)
                         << QStringLiteral("\nseen:     ") + describe(seen.figures);
    return false;
}

void TestLivePage::figuresFollowTheBoardWithoutReload()
{
    websbtest::Values first = websbtest::sampleValues();
    publish(first, false);

    const QString session
        = m_browser->openTab(QStringLiteral("http://127.0.0.1:%1/main").arg(m_service->port()));
    QVERIFY2(!session.isEmpty(), qPrintable(m_browser->log()));
    Seen seen;
    QVERIFY(waitFor(session, first, false, 15000, seen));
    QCOMPARE(seen.background, QStringLiteral("rgb(0, 128, 0) / rgb(0, 128, 0)"));

    // A mark in the page's scripting context survives only if the page is not reloaded.
    m_browser->evaluate(session, QStringLiteral("window.testMarker = 'same page'"));

    websbtest::Values second = first;
    second[1] = QStringLiteral("Zürich & Co");
    second[3] = QStringLiteral("4");
    second[4] = QStringLiteral("59.9");
    second[6] = QStringLiteral("3");
    second[11] = QStringLiteral("3");
    QElapsedTimer sincePublished;
    sincePublished.start();
    publish(second, true);
    QVERIFY(waitFor(session, second, true, 5000, seen));
    QVERIFY2(sincePublished.elapsed() < 1000,
        qPrintable(QStringLiteral("took %1 ms").arg(sincePublished.elapsed())));
    QCOMPARE(seen.marker, QStringLiteral("same page"));

    // The next game: FINAL goes, the clock shows minutes again.
    websbtest::Values third = second;
    third[4] = QStringLiteral("9:05");
    publish(third, false);
    QVERIFY(waitFor(session, third, false, 5000, seen));
    QCOMPARE(seen.marker, QStringLiteral("same page"));
}

void TestLivePage::overlayIsTransparent()
{
    websbtest::Values values = websbtest::sampleValues();
    values[3] = QStringLiteral("11");
    publish(values, false);
    const QString session = m_browser->openTab(
        QStringLiteral("http://127.0.0.1:%1/main?overlay=1").arg(m_service->port()));
    QVERIFY(!session.isEmpty());
    Seen seen;
    QVERIFY(waitFor(session, values, false, 15000, seen));
    QCOMPARE(seen.background, QStringLiteral("rgba(0, 0, 0, 0) / rgba(0, 0, 0, 0)"));
}

void TestLivePage::theMatchShowsOnlyWhenTheBoardSendsIt_data()
{
    QTest::addColumn<QString>("match"); // appended to the update
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("visitor");
    QTest::newRow("half-time, 3 minutes were announced") << "&ph=halfTime&at=3&hpk=&vpk="
                                                         << "45:00"
                                                         << "HALF-TIME"
                                                         << "+3"
                                                         << ""
                                                         << "";
    QTest::newRow("extra time past 100 minutes") << "&ph=extraTimeSecondHalf&at=1&hpk=&vpk="
                                                 << "112:30"
                                                 << "EXTRA TIME"
                                                 << "+1"
                                                 << ""
                                                 << "";
    QTest::newRow("shoot-out before its first kick") << "&ph=penalties&at=0&hpk=&vpk="
                                                     << "120:00"
                                                     << "PENALTIES"
                                                     << ""
                                                     << "----- (0)"
                                                     << "----- (0)";
    QTest::newRow("shoot-out, visitor to kick") << "&ph=penalties&at=0&hpk=101&vpk=11"
                                                << "120:00"
                                                << "PENALTIES"
                                                << ""
                                                << "101-- (2)"
                                                << "11--- (2)";
    QTest::newRow("decided in sudden death") << "&ph=fullTime&at=0&hpk=1101110&vpk=1011111"
                                             << "120:00"
                                             << "FULL TIME"
                                             << ""
                                             << "1101110 (5)"
                                             << "1011111 (6)";
    QTest::newRow("before the kick-off") << "&ph=preMatch&at=0&hpk=&vpk="
                                         << "0:00"
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("a board that sends no match") << ""
                                                 << "10:00"
                                                 << ""
                                                 << ""
                                                 << ""
                                                 << "";
}

void TestLivePage::theMatchShowsOnlyWhenTheBoardSendsIt()
{
    QFETCH(QString, match);
    QFETCH(QString, clock);
    QFETCH(QString, phase);
    QFETCH(QString, added);
    QFETCH(QString, home);
    QFETCH(QString, visitor);
    if (m_matchTab.isEmpty()) {
        m_matchTab
            = m_browser->openTab(QStringLiteral("http://127.0.0.1:%1/main").arg(m_service->port()));
        QVERIFY(!m_matchTab.isEmpty());
    }
    websbtest::Values values = websbtest::sampleValues();
    values[4] = clock;
    values[8] = QStringLiteral("12"); // ten and more corner kicks, counting up
    publish(values, false, match.toStdString());
    Seen seen;
    QVERIFY(waitFor(m_matchTab, values, false, 15000, seen));
    QJsonObject shown;
    QElapsedTimer timer;
    timer.start();
    // The same figures as the row before may show before this row's event is in.
    const auto showsRow = [&] {
        return shown.value(QStringLiteral("phase")).toString() == phase
            && shown.value(QStringLiteral("added")).toString() == added
            && shown.value(QStringLiteral("home")).toString() == home
            && shown.value(QStringLiteral("visitor")).toString() == visitor;
    };
    for (;;) {
        shown = QJsonDocument::fromJson(
            m_browser->evaluate(m_matchTab, ReadMatch).toString().toUtf8())
                    .object();
        if (showsRow() || timer.elapsed() > 5000) {
            break;
        }
        QThread::msleep(20);
    }
    QCOMPARE(shown.value(QStringLiteral("phase")).toString(), phase);
    QCOMPARE(shown.value(QStringLiteral("added")).toString(), added);
    QCOMPARE(shown.value(QStringLiteral("home")).toString(), home);
    QCOMPARE(shown.value(QStringLiteral("visitor")).toString(), visitor);
    QVERIFY2(!shown.value(QStringLiteral("overlap")).toBool(), "the match covers the board");
    if (!home.isEmpty() && home.contains(QLatin1Char('1'))) {
        QCOMPARE(shown.value(QStringLiteral("scoredColour")).toString(),
            QStringLiteral("rgb(255, 255, 0)"));
    }
}

QTEST_APPLESS_MAIN(TestLivePage)

#include "tst_livepage.moc"
