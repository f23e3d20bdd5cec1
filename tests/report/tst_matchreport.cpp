#include "report/matchreport.h"
#include "report/reportdata.h"
#include "tests/report/matchscript.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The match report of a scripted match, read back as league software and a reader would: the
// PDF's text through poppler's pdftotext, the CSV by RFC 4180, the JSON.

namespace {

// RFC 4180: fields split at commas outside quotes, doubled quotes inside them, CRLF rows.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (ch == u'"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == u'"') {
            quoted = true;
        } else if (ch == u',') {
            row << field;
            field.clear();
        } else if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += ch;
        }
    }
    return rows;
}

// Runs a poppler tool on `pdf` written to a file; its output.
QString poppler(const QString &tool, const QByteArray &pdf, QStringList arguments)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        return {};
    }
    file.close();
    QProcess process;
    arguments << path;
    if (tool == QLatin1String("pdftotext")) {
        arguments << QStringLiteral("-");
    }
    process.start(tool, arguments);
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QByteArray &pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), pdf, {});
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

// The CSV's rows as "section/key" → the named columns.
QMap<QString, QMap<QString, QString>> csvByItem(const QByteArray &csv)
{
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv));
    QMap<QString, QMap<QString, QString>> items;
    if (rows.isEmpty()) {
        return items;
    }
    const QStringList header = rows.first();
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        if (row.size() != header.size()) {
            items.insert(QStringLiteral("malformed row %1").arg(r), {});
            continue;
        }
        QMap<QString, QString> cells;
        for (qsizetype c = 0; c < header.size(); ++c) {
            cells.insert(header.at(c), row.at(c));
        }
        items.insert(row.at(0) + u'/' + row.at(1), cells);
    }
    return items;
}

} // namespace

class TestMatchReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void thePdfReadsBackWithEveryScoreAndScorer();
    void aMatchFitsOnOnePage_data();
    void aMatchFitsOnOnePage();
    void theCsvKeepsEveryItem();
    void theJsonHoldsTheMatch();
    void textsThatLookLikeFormulasStayText();

private:
    GameFixture m_f;
    LiveSettings m_settings;
    qint64 m_kickOff = 0;
};

void TestMatchReport::init()
{
    m_f.newGame();
    m_settings = reportSettings();
    m_kickOff = m_f.time.wallClockMilliseconds();
    QVERIFY(playCupMatch(m_f, m_settings));
}

void TestMatchReport::thePdfReadsBackWithEveryScoreAndScorer()
{
    const QByteArray pdf = MatchReport(ReportFormat::Pdf, *m_f.model, m_settings);
    QVERIFY(pdf.startsWith("%PDF"));
    // For a look at it by hand: VARNELO_REPORT_SAMPLES=<folder> keeps the PDF there.
    if (const QString samples = qEnvironmentVariable("VARNELO_REPORT_SAMPLES");
        !samples.isEmpty()) {
        QFile sample(QDir(samples).filePath(QStringLiteral("cup-report.pdf")));
        QVERIFY(sample.open(QIODevice::WriteOnly) && sample.write(pdf) == pdf.size());
    }
    // Lines joined: a table cell may be broken where the text is read back.
    const QString text
        = poppler(QStringLiteral("pdftotext"), pdf, {QStringLiteral("-layout")}).simplified();
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const QString &expected : {
             QStringLiteral("County Cup Final"),
             QStringLiteral("Rovers, \"North\""),
             QStringLiteral("Kickers Öhringen"),
             QStringLiteral("2 – 2"),
             QStringLiteral("Half-time 1 – 1"),
             QStringLiteral("after 90 minutes 2 – 2"),
             QStringLiteral("after 120 minutes 2 – 2"),
             QStringLiteral("penalties 4 – 3"),
             QStringLiteral("23' Rovers, \"North\" 9 Alex Morgan"),
             QStringLiteral("45+3' Kickers Öhringen 7 Jo Brandt"),
             QStringLiteral("56' Rovers, \"North\" 10 Sam Kerr"),
             QStringLiteral("79' Kickers Öhringen 11 Lea Vogt"),
             QStringLiteral("68' Kickers Öhringen Second yellow 4 Tom Hardt"),
             QStringLiteral("Shots 12 7"),
             QStringLiteral("Corner kicks 5 3"),
             QStringLiteral("Saves 4 6"),
             QStringLiteral("First half 0:00–45:00"),
             QStringLiteral("+3 / 2:10"),
             QStringLiteral("Extra time, second half 105:00–120:00"),
             // Letters, not the ligatures of a font ("ﬁ"), so that a search finds the words.
             QStringLiteral("Extra time, first half"),
             QStringLiteral("kick-off"),
         }) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
    }
}

void TestMatchReport::aMatchFitsOnOnePage_data()
{
    QTest::addColumn<bool>("cup");
    QTest::newRow("ordinary") << false;
    QTest::newRow("cup, extra time and penalties") << true;
}

void TestMatchReport::aMatchFitsOnOnePage()
{
    QFETCH(bool, cup);
    if (!cup) {
        m_f.newGame();
        QVERIFY(playOrdinaryMatch(m_f));
    }
    QCOMPARE(pageCount(MatchReport(ReportFormat::Pdf, *m_f.model, m_settings)), 1);
}

void TestMatchReport::theCsvKeepsEveryItem()
{
    const QByteArray csv = MatchReport(ReportFormat::Csv, *m_f.model, m_settings);
    QVERIFY(csv.startsWith("section,key,value,home,visitor,team,minute,phase,player,name,"));
    const auto items = csvByItem(csv);
    QVERIFY2(
        !items.firstKey().startsWith(QLatin1String("malformed")), qPrintable(items.firstKey()));
    QCOMPARE(items.value(QStringLiteral("team/home")).value(QStringLiteral("value")),
        m_settings.HomeText);
    QCOMPARE(items.value(QStringLiteral("team/visitor")).value(QStringLiteral("value")),
        m_settings.GuestText);
    QCOMPARE(items.value(QStringLiteral("match/title")).value(QStringLiteral("value")),
        m_settings.TitleText);
    const QList<std::tuple<const char *, const char *, const char *>> scores{
        {"score/final", "2", "2"}, {"score/halfTime", "1", "1"}, {"score/after90", "2", "2"},
        {"score/after120", "2", "2"}, {"score/shootout", "4", "3"}, {"statistic/shots", "12", "7"},
        {"statistic/cornerKicks", "5", "3"}, {"statistic/saves", "4", "6"}};
    for (const auto &[item, home, visitor] : scores) {
        const auto row = items.value(QLatin1String(item));
        QCOMPARE(row.value(QStringLiteral("home")), QLatin1String(home));
        QCOMPARE(row.value(QStringLiteral("visitor")), QLatin1String(visitor));
    }
    QStringList goals;
    QStringList cards;
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        const auto &row = it.value();
        const QString line = row.value(QStringLiteral("value")) + u' '
            + row.value(QStringLiteral("team")) + u' ' + row.value(QStringLiteral("minute")) + u' '
            + row.value(QStringLiteral("phase")) + u' ' + row.value(QStringLiteral("player")) + u' '
            + row.value(QStringLiteral("name"));
        if (it.key().startsWith(QLatin1String("goal/"))) {
            goals << line;
        } else if (it.key().startsWith(QLatin1String("card/"))) {
            cards << line;
        }
    }
    QCOMPARE(goals,
        (QStringList{QStringLiteral("goal home 23' firstHalf 9 Alex Morgan"),
            QStringLiteral("goal visitor 45+3' firstHalf 7 Jo Brandt"),
            QStringLiteral("goal home 56' secondHalf 10 Sam Kerr"),
            QStringLiteral("goal visitor 79' secondHalf 11 Lea Vogt")}));
    QCOMPARE(cards,
        (QStringList{QStringLiteral("yellow visitor 60' secondHalf 4 Tom Hardt"),
            QStringLiteral("secondYellow visitor 68' secondHalf 4 Tom Hardt")}));
    const auto first = items.value(QStringLiteral("phase/firstHalf"));
    QCOMPARE(first.value(QStringLiteral("clockStart")), QStringLiteral("0:00"));
    QCOMPARE(first.value(QStringLiteral("clockEnd")), QStringLiteral("45:00"));
    QCOMPARE(first.value(QStringLiteral("addedAnnounced")), QStringLiteral("3"));
    QCOMPARE(first.value(QStringLiteral("addedPlayed")), QStringLiteral("130"));
    QCOMPARE(first.value(QStringLiteral("wallStart")), ReportWallTime(m_kickOff));
}

void TestMatchReport::theJsonHoldsTheMatch()
{
    QJsonParseError error;
    const QJsonObject json
        = QJsonDocument::fromJson(MatchReport(ReportFormat::Json, *m_f.model, m_settings), &error)
              .object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json[QStringLiteral("teams")][QStringLiteral("home")].toString(), m_settings.HomeText);
    QCOMPARE(json[QStringLiteral("kickOff")].toString(), ReportWallTime(m_kickOff));
    const QJsonObject score = json[QStringLiteral("score")].toObject();
    const auto pair = [](const QJsonValue &value) {
        return QStringLiteral("%1-%2")
            .arg(value[QStringLiteral("home")].toInt(-1))
            .arg(value[QStringLiteral("visitor")].toInt(-1));
    };
    QCOMPARE(pair(score[QStringLiteral("final")]), QStringLiteral("2-2"));
    QCOMPARE(pair(score[QStringLiteral("halfTime")]), QStringLiteral("1-1"));
    QCOMPARE(pair(score[QStringLiteral("after90")]), QStringLiteral("2-2"));
    QCOMPARE(pair(score[QStringLiteral("after120")]), QStringLiteral("2-2"));
    QCOMPARE(pair(score[QStringLiteral("shootout")]), QStringLiteral("4-3"));
    QCOMPARE(json[QStringLiteral("shootout")][QStringLiteral("visitor")].toArray(),
        (QJsonArray{true, true, true, false, false}));
    const QJsonArray goals = json[QStringLiteral("goals")].toArray();
    QCOMPARE(goals.size(), 4);
    QCOMPARE(goals[1][QStringLiteral("minute")].toString(), QStringLiteral("45+3'"));
    QCOMPARE(goals[1][QStringLiteral("team")].toString(), QStringLiteral("visitor"));
    QCOMPARE(goals[1][QStringLiteral("name")].toString(), QStringLiteral("Jo Brandt"));
    const QJsonArray cards = json[QStringLiteral("cards")].toArray();
    QCOMPARE(cards.size(), 2);
    QCOMPARE(cards[1][QStringLiteral("kind")].toString(), QStringLiteral("secondYellow"));
    QCOMPARE(pair(json[QStringLiteral("statistics")][QStringLiteral("cornerKicks")]),
        QStringLiteral("5-3"));
    QStringList phases;
    for (const QJsonValue &phase : json[QStringLiteral("phases")].toArray()) {
        phases << phase[QStringLiteral("phase")].toString();
    }
    QCOMPARE(phases,
        QString::fromLatin1("firstHalf halfTime secondHalf extraTimeFirstHalf extraTimeHalfTime "
                            "extraTimeSecondHalf penalties fullTime")
            .split(u' '));
    const QJsonValue first = json[QStringLiteral("phases")][0];
    QCOMPARE(first[QStringLiteral("addedAnnounced")].toInt(), 3);
    QCOMPARE(first[QStringLiteral("addedPlayed")].toInt(), 130);
}

// A team or player name typed as a formula must not run in the spreadsheet the league opens
// the file in; the JSON keeps the name as typed.
void TestMatchReport::textsThatLookLikeFormulasStayText()
{
    m_settings.HomeText = QStringLiteral("=HYPERLINK(\"http://x\",\"y\")");
    m_settings.GuestText = QStringLiteral("@SUM(A1)");
    m_settings.TitleText = QStringLiteral("-2+3");
    const auto items = csvByItem(MatchReport(ReportFormat::Csv, *m_f.model, m_settings));
    QCOMPARE(items.value(QStringLiteral("team/home")).value(QStringLiteral("value")),
        u'\'' + m_settings.HomeText);
    QCOMPARE(items.value(QStringLiteral("team/visitor")).value(QStringLiteral("value")),
        QStringLiteral("'@SUM(A1)"));
    QCOMPARE(items.value(QStringLiteral("match/title")).value(QStringLiteral("value")),
        QStringLiteral("'-2+3"));
    // Minutes such as 45+3' and ordinary names are untouched.
    bool addedTimeGoal = false;
    for (const auto &row : items) {
        addedTimeGoal = addedTimeGoal || row.value(QStringLiteral("minute")) == u"45+3'";
    }
    QVERIFY(addedTimeGoal);
    const QJsonObject json
        = QJsonDocument::fromJson(MatchReport(ReportFormat::Json, *m_f.model, m_settings)).object();
    QVERIFY2(QString::fromUtf8(QJsonDocument(json).toJson()).contains(u"@SUM(A1)"), "name kept");
    QVERIFY(!QString::fromUtf8(QJsonDocument(json).toJson()).contains(u"'@SUM(A1)"));
}

QTEST_MAIN(TestMatchReport)
#include "tst_matchreport.moc"
