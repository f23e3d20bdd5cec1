#include "game/modsoccer.h"
#include "game/scoreboardgame.h"
#include "game/timesource.h"
#include "languages/languages.h"
#include "remote/remotecontrol.h"
#include "settings/livesettings.h"
#include "tests/service/chromiumsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>

namespace {

// The board's side, on a thread of its own with its own event loop, since the browser is
// driven by blocking calls: the game, ticked as the board's clock timer does, and its remote.
class BoardThread final : public QThread
{
public:
    std::atomic<quint16> port{0};
    std::atomic<int> devices{0};

protected:
    void run() override
    {
        MonotonicTimeSource time;
        GameState state;
        LiveSettings settings;
        settings.TitleText = QStringLiteral("Cup final");
        settings.HomeText = QStringLiteral("Rovers");
        settings.GuestText = QStringLiteral("United");
        settings.RemoteCode = QStringLiteral("ABCD1234EFGHJ");
        ScoreboardGame game(state, time, nullptr);
        QTimer ticks;
        ticks.setInterval(50);
        QObject::connect(&ticks, &QTimer::timeout, &game, &ScoreboardGame::tick);
        QObject::connect(&game, &ScoreboardGame::tickingChanged, &ticks,
            [&ticks](bool on) { on ? ticks.start() : ticks.stop(); });
        RemoteControl remote(game, settings, [] {});
        QObject::connect(&remote, &RemoteControl::devicesChanged, &remote,
            [this](int count) { devices = count; });
        if (remote.listen({QStringLiteral("127.0.0.1")}, 0)) {
            port = remote.port();
        }
        exec();
    }
};

} // namespace

// The remote page in headless Chromium at a phone's size: pairing, running the clock, two
// devices at once, and a wrong code.
class TestRemotePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void twoPhonesRunOneGame();
    void aWrongCodeIsRefused();
    void aPhoneRecordsGoalsAndCards();
    void aPhoneRunsTheMatch();
    void thePageSpeaksTheBoardsLanguage_data();
    void thePageSpeaksTheBoardsLanguage();
    void aPhoneTypesOnItsPadAndSaysWhyNot();

private:
    QString open(const QString &code);
    // Evaluates `expression` in `tab` until it gives `expected`, for up to five seconds.
    bool waitFor(const QString &tab, const QString &expression, const QJsonValue &expected);

    BoardThread m_board;
    ChromiumSession m_browser;
    bool m_haveBrowser = false;
};

void TestRemotePage::initTestCase()
{
    m_board.start();
    QTRY_VERIFY(m_board.port != 0);
    QString error;
    m_haveBrowser = m_browser.start(error);
    if (!m_haveBrowser) {
        QSKIP(qPrintable(QStringLiteral("no headless Chromium here: ") + error));
    }
}

void TestRemotePage::cleanupTestCase()
{
    m_board.quit();
    m_board.wait();
}

QString TestRemotePage::open(const QString &code)
{
    const QString tab = m_browser.openTab(
        QStringLiteral("http://127.0.0.1:%1/#code=%2").arg(m_board.port.load()).arg(code));
    m_browser.emulatePhone(tab, 360, 740);
    return tab;
}

bool TestRemotePage::waitFor(
    const QString &tab, const QString &expression, const QJsonValue &expected)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (m_browser.evaluate(tab, expression) == expected) {
            return true;
        }
        QThread::msleep(50);
    }
    qWarning() << expression << "gave" << m_browser.evaluate(tab, expression) << m_browser.log();
    return false;
}

void TestRemotePage::twoPhonesRunOneGame()
{
    const QString first = open(QStringLiteral("ABCD-1234-EFGHJ"));
    const QString second = open(QStringLiteral("abcd1234efghj"));
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    const QString status = QStringLiteral("document.getElementById('status').textContent");
    QVERIFY(waitFor(first, status, QStringLiteral("Connected")));
    QVERIFY(waitFor(second, status, QStringLiteral("Connected")));
    QTRY_COMPARE(m_board.devices.load(), 2);
    // The code has left the address bar, and the page fits a phone's width.
    QCOMPARE(m_browser.evaluate(first, QStringLiteral("location.hash")).toString(), QString());
    QVERIFY(m_browser.evaluate(first, QStringLiteral("document.documentElement.scrollWidth <= 360"))
                .toBool());
    QCOMPARE(
        m_browser.evaluate(second, QStringLiteral("document.getElementById('guest').textContent"))
            .toString(),
        QStringLiteral("United"));

    // Start on one phone: the clock runs on the other.
    m_browser.evaluate(first, QStringLiteral("document.getElementById('startStop').click()"));
    const QString clock = QStringLiteral("document.getElementById('clock').textContent");
    QVERIFY(waitFor(second, QStringLiteral("document.getElementById('startStop').textContent"),
        QStringLiteral("Stop")));
    QVERIFY(waitFor(second, clock + QStringLiteral(" !== '10:00'"), true));

    // A shot counted on the second phone shows on the first.
    m_browser.evaluate(second,
        QStringLiteral("document.querySelector('[data-figure=homeShots] .row button:nth-child(2)')"
                       ".click()"));
    QVERIFY(waitFor(first,
        QStringLiteral("document.querySelector('[data-figure=homeShots] .value').textContent"),
        QStringLiteral("1")));
    m_browser.evaluate(first, QStringLiteral("document.getElementById('startStop').click()"));
    QVERIFY(waitFor(second, QStringLiteral("document.getElementById('startStop').textContent"),
        QStringLiteral("Start")));
}

void TestRemotePage::aWrongCodeIsRefused()
{
    const QString tab = open(QStringLiteral("WRONG"));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('message').textContent"),
        QStringLiteral("wrong code")));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('pair').hidden"), false));
    QCOMPARE(m_browser.evaluate(tab, QStringLiteral("document.getElementById('board').hidden")),
        QJsonValue(true));
}

// A goal, its scorer, cards and a removal from a phone in portrait, through the page's own number
// pad: the scorer is asked at once on the phone that scored, a second yellow shows as a
// sending-off beside the team's name, and a removal needs a second tap.
void TestRemotePage::aPhoneRecordsGoalsAndCards()
{
    const QString tab = m_browser.openTab(
        QStringLiteral("http://127.0.0.1:%1/#code=ABCD1234EFGHJ").arg(m_board.port.load()));
    m_browser.emulatePhone(tab, 390, 844);
    const auto js = [&](const QString &expression) { return m_browser.evaluate(tab, expression); };
    const auto click = [&](const QString &selector) {
        js(QStringLiteral("document.querySelector(\"%1\").click()").arg(selector));
    };
    const auto typeOnPad = [&](const char *digits) {
        for (const char *digit = digits; *digit; ++digit) {
            js(QStringLiteral("Array.from(document.querySelectorAll('#padKeys button'))"
                              ".find((key) => key.textContent === '%1').click()")
                    .arg(QLatin1Char(*digit)));
        }
        click(QStringLiteral("#padOk"));
    };
    const QString padOpen = QStringLiteral("!document.getElementById('pad').hidden");
    const QString kinds = QStringLiteral(
        "Array.from(document.querySelectorAll('#eventList li')).map((li) => li.dataset.kind)"
        ".join(' ')");
    const QString score
        = QStringLiteral("document.querySelector('[data-figure=homeScore] .value').textContent");
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('status').textContent"),
        QStringLiteral("Connected")));
    QCOMPARE(js(padOpen), QJsonValue(false));
    QCOMPARE(js(kinds).toString(), QString());
    const int before = js(score).toString().toInt();

    click(QStringLiteral("[data-figure=homeScore] .row button:nth-child(2)"));
    QVERIFY(waitFor(tab, padOpen, true));
    QVERIFY(js(QStringLiteral("document.getElementById('padTitle').textContent"))
                .toString()
                .startsWith(QStringLiteral("Scorer – ")));
    typeOnPad("9");
    QVERIFY(waitFor(tab,
        QStringLiteral("document.querySelector('#eventList li[data-kind=goal] .who').textContent"),
        QStringLiteral("Rovers #9")));
    QCOMPARE(js(padOpen), QJsonValue(false));
    QCOMPARE(js(score).toString().toInt(), before + 1);

    // A yellow, then a second one for the same player, and a red for another: two sent off.
    for (const auto &[colour, player] :
        {std::pair{"yellow", "4"}, std::pair{"yellow", "4"}, std::pair{"red", "10"}}) {
        click(QStringLiteral(".cards[data-team=visitor] [data-colour=%1]")
                  .arg(QLatin1String(colour)));
        QVERIFY(js(padOpen).toBool());
        typeOnPad(player);
    }
    QVERIFY(waitFor(tab, kinds, QStringLiteral("goal yellow secondYellow red")));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('visitorOffs').textContent"),
        QStringLiteral("▮▮")));
    QCOMPARE(js(QStringLiteral("document.getElementById('visitorOffs').getAttribute('aria-label')"))
                 .toString(),
        QStringLiteral("2 sent off"));
    QCOMPARE(js(QStringLiteral("document.getElementById('homeOffs').textContent")).toString(),
        QString());
    QCOMPARE(js(QStringLiteral("document.getElementById('guest').textContent")).toString(),
        QStringLiteral("United"));
    QVERIFY(js(QStringLiteral("document.documentElement.scrollWidth <= 390")).toBool());

    // The goal removed: one tap asks, the second removes it and the score goes back.
    click(QStringLiteral("#eventList li[data-kind=goal] .remove"));
    QCOMPARE(js(kinds).toString(), QStringLiteral("goal yellow secondYellow red"));
    click(QStringLiteral("#eventList li[data-kind=goal] .confirm"));
    QVERIFY(waitFor(tab, kinds, QStringLiteral("yellow secondYellow red")));
    QVERIFY(waitFor(tab, score, QString::number(before)));
    // The second yellow removed: one sent off.
    click(QStringLiteral("#eventList li[data-kind=secondYellow] .remove"));
    click(QStringLiteral("#eventList li[data-kind=secondYellow] .confirm"));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('visitorOffs').textContent"),
        QStringLiteral("▮")));
}

// Phases, added time and a shoot-out from a phone in portrait: a tap alone never changes the
// phase, the added time is chosen on the page before it is announced, and only the team whose
// kick it is can record one.
void TestRemotePage::aPhoneRunsTheMatch()
{
    const QString tab = m_browser.openTab(
        QStringLiteral("http://127.0.0.1:%1/#code=ABCD1234EFGHJ").arg(m_board.port.load()));
    m_browser.emulatePhone(tab, 390, 844);
    const auto js = [&](const QString &expression) { return m_browser.evaluate(tab, expression); };
    const auto click = [&](const char *id) {
        js(QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)));
    };
    const auto text = [](const char *id) {
        return QStringLiteral("document.getElementById('%1').textContent").arg(QLatin1String(id));
    };
    const auto hidden = [](const char *id) {
        return QStringLiteral("document.getElementById('%1').hidden").arg(QLatin1String(id));
    };
    QVERIFY(waitFor(tab, text("status"), QStringLiteral("Connected")));
    // Before the kick-off the board's default shows nothing of the match but the way on.
    QVERIFY(waitFor(tab, text("next"), QStringLiteral("Next: First half")));
    for (const char *id : {"matchLine", "added", "addedBox", "shootout", "nextPanel"}) {
        QCOMPARE(js(hidden(id)), QJsonValue(true));
    }

    // A tap and a cancel send nothing: a shot counted afterwards arrives with the phase unchanged.
    click("next");
    QCOMPARE(js(hidden("nextPanel")), QJsonValue(false));
    QCOMPARE(js(QStringLiteral("document.getElementById('nextTo').value")).toString(),
        QStringLiteral("firstHalf"));
    click("nextCancel");
    const QString shots
        = QStringLiteral("document.querySelector('[data-figure=homeShots] .value').textContent");
    const int before = js(shots).toString().toInt();
    js(QStringLiteral(
        "document.querySelector('[data-figure=homeShots] .row button:nth-child(2)').click()"));
    QVERIFY(waitFor(tab, shots, QString::number(before + 1)));
    QCOMPARE(js(hidden("matchLine")), QJsonValue(true));

    click("next");
    click("nextGo");
    QVERIFY(waitFor(tab, text("phase"), QStringLiteral("First half")));
    QCOMPARE(js(hidden("matchLine")), QJsonValue(false));
    QVERIFY(waitFor(tab, text("minute"), QStringLiteral("1'")));
    QCOMPARE(js(hidden("addedBox")), QJsonValue(false));

    for (int i = 0; i < 4; ++i) {
        click("addedMore");
    }
    click("addedLess");
    QCOMPARE(js(text("addedValue")).toString(), QStringLiteral("+3"));
    QCOMPARE(js(hidden("added")), QJsonValue(true)); // chosen, not announced
    click("addedSend");
    QVERIFY(waitFor(tab, hidden("added"), false));
    QCOMPARE(js(text("added")).toString(), QStringLiteral("+3"));
    QVERIFY(js(QStringLiteral("document.documentElement.scrollWidth <= 390")).toBool());

    // The operator chooses the shoot-out over the rules' half-time.
    click("next");
    js(QStringLiteral("document.getElementById('nextTo').value = 'penalties'"));
    click("nextGo");
    QVERIFY(waitFor(tab, hidden("shootout"), false));
    QCOMPARE(js(text("phase")).toString(), QStringLiteral("Penalties"));
    QCOMPARE(js(hidden("addedBox")), QJsonValue(true));
    const auto kick = [&](const char *team, bool scored) {
        js(QStringLiteral("document.querySelector('.kicker[data-team=%1] [data-scored=%2]')"
                          ".click()")
                .arg(QLatin1String(team), QLatin1String(scored ? "true" : "false")));
    };
    const auto marks = [](const char *team) {
        return QStringLiteral(
            "Array.from(document.querySelectorAll('.kicker[data-team=%1] .marks span'))"
            ".map((mark) => mark.className).join(' ')")
            .arg(QLatin1String(team));
    };
    const auto disabled = [](const char *team) {
        return QStringLiteral("document.querySelector('.kicker[data-team=%1] button').disabled")
            .arg(QLatin1String(team));
    };
    kick("home", true);
    QVERIFY(waitFor(tab, marks("home"), QStringLiteral("scored due due due due")));
    QCOMPARE(js(disabled("home")), QJsonValue(true));
    QCOMPARE(js(disabled("visitor")), QJsonValue(false));
    kick("visitor", false);
    QVERIFY(waitFor(tab, marks("visitor"), QStringLiteral("missed due due due due")));
    QCOMPARE(js(text("shootScore")).toString(), QStringLiteral("1 – 0"));
    QCOMPARE(js(disabled("home")), QJsonValue(false));
    QVERIFY(js(QStringLiteral("document.documentElement.scrollWidth <= 390")).toBool());
}

void TestRemotePage::thePageSpeaksTheBoardsLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const LanguageInfo &language : Languages()) {
        QTest::newRow(qPrintable(language.code)) << language.code;
    }
}

// In the board's language, and still a phone's width wide.
void TestRemotePage::thePageSpeaksTheBoardsLanguage()
{
    QFETCH(QString, language);
    Translations translations;
    QVERIFY(translations.install(language));
    const QString tab = open(QStringLiteral("ABCD1234EFGHJ"));
    QVERIFY(waitFor(tab, QStringLiteral("document.documentElement.lang"), language));
    const auto shown = [&](const char *selector) {
        return m_browser
            .evaluate(tab,
                QStringLiteral("document.querySelector('%1').textContent")
                    .arg(QLatin1String(selector)))
            .toString();
    };
    // The labels are made by the page's script, which may still be loading: the page's own
    // lang is "en" before it runs.
    QVERIFY(waitFor(tab,
        QStringLiteral(
            "document.querySelector('[data-figure=homeCornerKicks] .label').textContent"),
        QCoreApplication::translate("RemotePage", "Corner kicks")));
    const char *reset = "Reset";
    QCOMPARE(shown("[data-command=reset]"), QCoreApplication::translate("RemotePage", reset));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('status').textContent"),
        QCoreApplication::translate("RemotePage", "Connected")));
    if (language != u"en") {
        QVERIFY(shown("[data-figure=homeCornerKicks] .label") != u"Corner kicks");
    }
    // The pairing text names the options' button that shows the code, as that button reads.
    const char *pairing = "Type the pairing code shown in the board's options: press \"o\" on "
                          "the board, then the \"Remote Control\" button.";
    const QString asked = QCoreApplication::translate("RemotePage", pairing);
    const QString button = QCoreApplication::translate("frmOptions", "&Remote Control")
                               .remove(QRegularExpression(QStringLiteral("&(?!&)")));
    QCOMPARE(shown("#pair p"), asked);
    // An untranslated text is the catalogues' test's to find.
    if (language == u"en" || asked != QLatin1String(pairing)) {
        QVERIFY2(asked.contains(button), qPrintable(asked + QStringLiteral(" / ") + button));
    }
    QVERIFY(m_browser.evaluate(tab, QStringLiteral("document.documentElement.scrollWidth <= 360"))
                .toBool());
}

// On a phone in portrait: a figure and the clock typed on the page's own pad (never the browser's
// prompt), and a + at a figure's maximum refused with the reason beside the finger.
void TestRemotePage::aPhoneTypesOnItsPadAndSaysWhyNot()
{
    const QString tab = m_browser.openTab(
        QStringLiteral("http://127.0.0.1:%1/#code=ABCD1234EFGHJ").arg(m_board.port.load()));
    m_browser.emulatePhone(tab, 390, 844);
    const auto js = [&](const QString &expression) { return m_browser.evaluate(tab, expression); };
    const auto tap = [&](const QString &selector) {
        js(QStringLiteral("(() => { const c = document.querySelector(\"%1\");"
                          " c.scrollIntoView({block: 'center'}); c.click(); })()")
                .arg(selector));
    };
    const auto typeOnPad = [&](const char *keys) {
        for (const char *key = keys; *key; ++key) {
            if (*key == 'C') {
                tap(QStringLiteral("#padClear"));
                continue;
            }
            js(QStringLiteral("Array.from(document.querySelectorAll('#padKeys button'))"
                              ".find((k) => k.textContent === '%1').click()")
                    .arg(QLatin1Char(*key)));
        }
    };
    const auto value = [](const char *figure) {
        return QStringLiteral("document.querySelector('[data-figure=%1] .value').textContent")
            .arg(QLatin1String(figure));
    };
    const QString padOpen = QStringLiteral("!document.getElementById('pad').hidden");
    const QString padTitle = QStringLiteral("document.getElementById('padTitle').textContent");
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('status').textContent"),
        QStringLiteral("Connected")));
    js(QStringLiteral("window.prompt = () => { window.prompted = true; return '5'; }"));

    // A figure typed: a slip cleared, then the number; a cancel sends nothing.
    tap(QStringLiteral("[data-figure=visitorSaves] .row button:nth-child(3)"));
    QCOMPARE(js(padOpen), QJsonValue(true));
    QCOMPARE(js(padTitle).toString(), QStringLiteral("Saves"));
    typeOnPad("45C12");
    QCOMPARE(js(QStringLiteral("document.getElementById('padValue').textContent")).toString(),
        QStringLiteral("12"));
    tap(QStringLiteral("#padOk"));
    QVERIFY(waitFor(tab, value("visitorSaves"), QStringLiteral("12")));
    QCOMPARE(js(padOpen), QJsonValue(false));
    tap(QStringLiteral("[data-figure=visitorSaves] .row button:nth-child(3)"));
    typeOnPad("7");
    tap(QStringLiteral("#padCancel"));
    QCOMPARE(js(padOpen), QJsonValue(false));

    // The clock: its minutes, then its seconds.
    tap(QStringLiteral("#setClock"));
    QVERIFY(js(padTitle).toString().endsWith(QStringLiteral("Minutes")));
    typeOnPad("7");
    tap(QStringLiteral("#padOk"));
    QVERIFY(js(padTitle).toString().endsWith(QStringLiteral("Seconds")));
    typeOnPad("055"); // two digits at most
    tap(QStringLiteral("#padOk"));
    QVERIFY(waitFor(tab,
        QStringLiteral("/^ ?0?7:05$/.test(document.getElementById('clock')"
                       ".textContent)"),
        true));
    QCOMPARE(js(value("visitorSaves")).toString(), QStringLiteral("12"));

    // Corner kicks at their top: the + says why it does nothing, beside the finger.
    tap(QStringLiteral("[data-figure=homeCornerKicks] .row button:nth-child(3)"));
    typeOnPad("9");
    tap(QStringLiteral("#padOk"));
    QVERIFY(waitFor(tab, value("homeCornerKicks"), QStringLiteral("9")));
    tap(QStringLiteral("[data-figure=homeCornerKicks] .row button:nth-child(2)"));
    QVERIFY(waitFor(tab, QStringLiteral("document.getElementById('message').textContent"),
        QStringLiteral("corner kicks go up to 9")));
    const QJsonObject where
        = js(QStringLiteral(
                 "(() => { const m = document.getElementById('message').getBoundingClientRect();"
                 " const b = document.querySelector('[data-figure=homeCornerKicks] .row "
                 "button:nth-child(2)').getBoundingClientRect();"
                 " return {top: m.top, bottom: m.bottom, height: m.height, viewport: innerHeight,"
                 " gap: Math.abs((m.top + m.bottom) / 2 - (b.top + b.bottom) / 2)}; })()"))
              .toObject();
    QVERIFY2(where.value(u"height").toDouble() > 0, QJsonDocument(where).toJson().constData());
    QVERIFY2(where.value(u"top").toDouble() >= 0
            && where.value(u"bottom").toDouble() <= where.value(u"viewport").toDouble(),
        QJsonDocument(where).toJson().constData());
    QVERIFY2(where.value(u"gap").toDouble() < 120, QJsonDocument(where).toJson().constData());
    QCOMPARE(js(value("homeCornerKicks")).toString(), QStringLiteral("9"));
    QCOMPARE(js(QStringLiteral("window.prompted === undefined")), QJsonValue(true));
    QVERIFY(js(QStringLiteral("document.documentElement.scrollWidth <= 390")).toBool());
}

QTEST_GUILESS_MAIN(TestRemotePage)
#include "tst_remotepage.moc"
