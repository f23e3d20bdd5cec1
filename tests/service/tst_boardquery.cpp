#include "service/boardquery.h"
#include "websbtesting.h"

#include <QTest>

using namespace websb;

class TestBoardQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentDecoding_data();
    void percentDecoding();
    void plusIsASpaceInTheQuery();
    void utf8Validation_data();
    void utf8Validation();
    void boardQueryRoundTripsEveryValue_data();
    void boardQueryRoundTripsEveryValue();
    void emptyNumbersFromAnUnopenedBoard();
    void finalFlag();
    void missingAndRepeatedKeys();
    void numbersAndClocks_data();
    void numbersAndClocks();
    void lengthLimits();
    void matchFields_data();
    void matchFields();
};

namespace {

constexpr std::size_t MaxKicksPerTeam = websbprotocol::MaxKicks;

std::string queryWith(std::string_view key, std::string_view rawValue)
{
    std::string query;
    for (const BoardField &field : BoardFields) {
        query += std::string(field.key) + '=';
        query += field.key == key ? std::string(rawValue) : std::string();
        query += '&';
    }
    return query + "passcode=p";
}

} // namespace

void TestBoardQuery::percentDecoding_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("decoded");

    QTest::newRow("plus stays a plus") << QByteArray("1+1") << true << QByteArray("1+1");
    QTest::newRow("encoded plus") << QByteArray("1%2B1") << true << QByteArray("1+1");
    QTest::newRow("space") << QByteArray("A%20B") << true << QByteArray("A B");
    QTest::newRow("lower-case hex") << QByteArray("%c3%bc") << true << QByteArray("\xc3\xbc");
    QTest::newRow("encoded percent") << QByteArray("100%25") << true << QByteArray("100%");
    QTest::newRow("no escape") << QByteArray("") << true << QByteArray("");
    QTest::newRow("lone percent") << QByteArray("%") << false << QByteArray();
    QTest::newRow("one digit at the end") << QByteArray("a%2") << false << QByteArray();
    QTest::newRow("not hex") << QByteArray("%G1") << false << QByteArray();
    QTest::newRow("second not hex") << QByteArray("%2x") << false << QByteArray();
    QTest::newRow("percent percent") << QByteArray("%%41") << false << QByteArray();
}

void TestBoardQuery::percentDecoding()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, decoded);
    const auto result = percentDecode(text.toStdString());
    QCOMPARE(result.has_value(), valid);
    if (valid) {
        QCOMPARE(QByteArray::fromStdString(*result), decoded);
    }
}

void TestBoardQuery::plusIsASpaceInTheQuery()
{
    // As every form encoding reads it; the board itself sends "+" as %2B.
    const QueryResult result = parseBoardQuery("ttl=Cup+Final&ht=1%2B1&vt=a+%2B+b&hs=&gt=&vs=&per="
                                               "&hsh=&hck=&hsa=&vsh=&vck=&vsa=&passcode=pass+word");
    QVERIFY2(result.ok(), result.error.c_str());
    QCOMPARE(result.update.values[0], std::string("Cup Final"));
    QCOMPARE(result.update.values[1], std::string("1+1"));
    QCOMPARE(result.update.values[2], std::string("a + b"));
    QCOMPARE(result.update.passcode, std::string("pass word"));
}

void TestBoardQuery::utf8Validation_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length"); // -1: not UTF-8

    QTest::newRow("ascii") << QByteArray("Rovers") << 6;
    QTest::newRow("two-byte") << QByteArray("Z\xc3\xbcrich") << 6;
    QTest::newRow("three-byte") << QByteArray("\xe2\x82\xac") << 1;
    QTest::newRow("four-byte") << QByteArray("\xf0\x9f\x8f\x86") << 1;
    QTest::newRow("nul is a character") << QByteArray("a\0b", 3) << 3;
    QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << 1;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << -1;
    QTest::newRow("overlong three-byte") << QByteArray("\xe0\x80\xaf") << -1;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << -1;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << -1;
    QTest::newRow("cut short") << QByteArray("\xe2\x82") << -1;
    QTest::newRow("lone continuation") << QByteArray("\x80") << -1;
    QTest::newRow("latin-1") << QByteArray("Z\xfcrich") << -1;
}

void TestBoardQuery::utf8Validation()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    const auto result = utf8Length(std::string_view(text.constData(), text.size()));
    QCOMPARE(result.has_value(), length >= 0);
    if (length >= 0) {
        QCOMPARE(*result, std::size_t(length));
    }
}

void TestBoardQuery::boardQueryRoundTripsEveryValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ampersand") << QStringLiteral("A&B Rovers");
    QTest::newRow("plus and equals") << QStringLiteral("1+1=2");
    QTest::newRow("percent") << QStringLiteral("100% %41");
    QTest::newRow("hash and question mark") << QStringLiteral("#1?");
    QTest::newRow("umlaut") << QStringLiteral("Zürich");
    QTest::newRow("emoji") << QStringLiteral("\U0001F3C6 Cup");
    QTest::newRow("quotes and angles") << QStringLiteral("<\"'>\\");
    QTest::newRow("bar") << QStringLiteral("a|b");
    QTest::newRow("spaces at the ends") << QStringLiteral(" x ");
    QTest::newRow("empty") << QString();
}

void TestBoardQuery::boardQueryRoundTripsEveryValue()
{
    QFETCH(QString, text);
    websbtest::Values values = websbtest::sampleValues();
    values[0] = text;
    values[2] = text;
    const QueryResult result = parseBoardQuery(websbtest::rawBoardQuery(values, text));
    QVERIFY2(result.ok(), result.error.c_str());
    for (std::size_t i = 0; i < values.size(); ++i) {
        QCOMPARE(QString::fromStdString(result.update.values[i]), values[i]);
    }
    QCOMPARE(QString::fromStdString(result.update.passcode), text);
    QCOMPARE(echoOf(result.update.values), websbtest::echoOf(values));
    QVERIFY(!result.update.final);
}

void TestBoardQuery::emptyNumbersFromAnUnopenedBoard()
{
    websbtest::Values values;
    values[0] = QStringLiteral("Home");
    values[1] = QStringLiteral("Home");
    values[2] = QStringLiteral("Guest");
    const QueryResult result = parseBoardQuery(websbtest::rawBoardQuery(values, QString()));
    QVERIFY2(result.ok(), result.error.c_str());
    QCOMPARE(echoOf(result.update.values), std::string("HomeHomeGuest"));
    QCOMPARE(result.update.passcode, std::string());
}

void TestBoardQuery::finalFlag()
{
    const std::string query
        = websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("p"));
    QVERIFY(parseBoardQuery(query + "&final=1").update.final);
    QCOMPARE(parseBoardQuery(query + "&final=0").status, 400);
    QCOMPARE(parseBoardQuery(query + "&final=").status, 400);
    QCOMPARE(parseBoardQuery(query + "&final=1&final=1").status, 400);
}

void TestBoardQuery::missingAndRepeatedKeys()
{
    const QueryResult none = parseBoardQuery("");
    QCOMPARE(none.status, 400);
    QVERIFY(none.error.find("ttl") != std::string::npos);
    QVERIFY(none.error.find("passcode") != std::string::npos);

    std::string withoutClock = queryWith("", "");
    withoutClock.erase(withoutClock.find("gt=&"), 4);
    const QueryResult noClock = parseBoardQuery(withoutClock);
    QCOMPARE(noClock.status, 400);
    QCOMPARE(noClock.error, std::string("missing gt"));

    QCOMPARE(parseBoardQuery(queryWith("", "") + "&ht=again").status, 400);
    QCOMPARE(parseBoardQuery(queryWith("", "") + "&passcode=again").status, 400);
    // Keys the board does not send, empty parts and a key without "=" are no reason to refuse.
    const QueryResult extra = parseBoardQuery("cachebust=1&&" + queryWith("ht", "x") + "&flag");
    QVERIFY2(extra.ok(), extra.error.c_str());
    QCOMPARE(extra.update.values[1], std::string("x"));
    // An escape in a key is decoded, and a malformed one is refused like one in a value.
    QCOMPARE(parseBoardQuery(queryWith("", "") + "&%68t=dup").status, 400);
    QCOMPARE(parseBoardQuery(queryWith("", "") + "&%zz=1").status, 400);
}

void TestBoardQuery::numbersAndClocks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    const auto row = [](const char *name, const char *key, const char *value, bool valid) {
        QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(value) << valid;
    };

    row("score 0", "hs", "0", true);
    row("score 99", "vs", "99", true);
    row("score 100", "hs", "100", false);
    row("leading zero", "hs", "07", false);
    row("negative", "hs", "-1", false);
    row("fraction", "hsh", "1.0", false);
    row("space", "hsh", " 1", false);
    row("period unset", "per", "0", true);
    row("period 4", "per", "4", true);
    row("period 5", "per", "5", false);
    row("corners 9", "hck", "9", true);
    row("corners 10, counting up", "vck", "10", true);
    row("corners 99", "hck", "99", true);
    row("corners 100", "vck", "100", false);
    row("saves 99", "vsa", "99", true);
    row("clock 10:00", "gt", "10:00", true);
    row("clock 9:59", "gt", "9:59", true);
    row("clock 59.9", "gt", "59.9", true);
    row("clock 0.0", "gt", "0.0", true);
    row("clock 9:60", "gt", "9:60", false);
    row("clock 100:00", "gt", "100:00", true);
    row("clock 112:30", "gt", "112:30", true);
    row("clock 199:59", "gt", "199:59", true);
    row("clock 200:00", "gt", "200:00", false);
    row("clock 099:59", "gt", "099:59", false);
    row("clock 112:60", "gt", "112:60", false);
    row("clock 1000:00", "gt", "1000:00", false);
    row("clock 112.3", "gt", "112.3", false);
    row("clock 5.30", "gt", "5.30", false);
    row("clock 5", "gt", "5", false);
    row("clock :30", "gt", ":30", false);
    row("clock 1:2", "gt", "1:2", false);
    row("clock text", "gt", "ab:cd", false);
}

void TestBoardQuery::numbersAndClocks()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    const QueryResult result = parseBoardQuery(
        queryWith(key.toStdString(), QUrl::toPercentEncoding(value).toStdString()));
    QCOMPARE(result.ok(), valid);
    if (!valid) {
        QCOMPARE(result.status, 400);
        QVERIFY(result.error.find(key.toStdString()) == 0);
        QVERIFY(result.error.find('|') == std::string::npos);
    }
}

void TestBoardQuery::lengthLimits()
{
    const std::string longest(MaxValueLength, 'x');
    QVERIFY(parseBoardQuery(queryWith("ttl", longest)).ok());
    const QueryResult tooLong = parseBoardQuery(queryWith("ttl", longest + "x"));
    QCOMPARE(tooLong.status, 400);
    QVERIFY(tooLong.error.find("ttl") == 0);

    // The limit counts characters, not the bytes of their encoding.
    std::string umlauts;
    for (std::size_t i = 0; i < MaxValueLength; ++i) {
        umlauts += "%C3%BC";
    }
    QVERIFY(parseBoardQuery(queryWith("ht", umlauts)).ok());
    QCOMPARE(parseBoardQuery(queryWith("ht", umlauts + "%C3%BC")).status, 400);
    QCOMPARE(parseBoardQuery(queryWith("vt", "%FF")).status, 400);

    std::string padding(MaxQueryLength, 'a');
    QCOMPARE(parseBoardQuery(queryWith("", "") + "&pad=" + padding).status, 414);
}

void TestBoardQuery::matchFields_data()
{
    QTest::addColumn<QString>("match"); // appended to a sound update as it is
    QTest::addColumn<QString>("refusedFor"); // the field the refusal names first; empty: taken
    const auto row = [](const char *name, const char *match, const char *refusedFor) {
        QTest::newRow(name) << QString::fromLatin1(match) << QString::fromLatin1(refusedFor);
    };

    row("none: a board that does not know the service", "", "");
    row("half-time with 3 added", "&ph=halfTime&at=3&hpk=&vpk=", "");
    row("in any order", "&vpk=&at=0&hpk=&ph=preMatch", "");
    row("every phase's name: fullTime", "&ph=fullTime&at=0&hpk=&vpk=", "");
    row("sudden death, visitor to kick", "&ph=penalties&at=0&hpk=110111&vpk=10110", "");
    row("longest added time", "&ph=secondHalf&at=30&hpk=&vpk=", "");
    row("unknown phase", "&ph=overtime&at=0&hpk=&vpk=", "ph");
    row("phase in other case", "&ph=HalfTime&at=0&hpk=&vpk=", "ph");
    row("empty phase", "&ph=&at=0&hpk=&vpk=", "ph");
    row("added time 31", "&ph=firstHalf&at=31&hpk=&vpk=", "at");
    row("added time empty", "&ph=firstHalf&at=&hpk=&vpk=", "at");
    row("added time negative", "&ph=firstHalf&at=-1&hpk=&vpk=", "at");
    row("added time with a leading zero", "&ph=firstHalf&at=03&hpk=&vpk=", "at");
    row("kick not 0 or 1", "&ph=penalties&at=0&hpk=1x0&vpk=10", "hpk");
    row("kicks as words", "&ph=penalties&at=0&hpk=&vpk=true", "vpk");
    row("two kicks apart", "&ph=penalties&at=0&hpk=111&vpk=1", "hpk");
    row("phase without the rest", "&ph=halfTime", "missing at, hpk, vpk");
    row("kicks without the phase", "&hpk=1&vpk=0", "missing ph, at");
    row("phase twice", "&ph=halfTime&at=0&hpk=&vpk=&ph=fullTime", "ph");
    row("kicks twice", "&ph=penalties&at=0&hpk=1&vpk=1&vpk=1", "vpk");
    const auto kicks = [](qsizetype count) {
        const QString each = QString(count, QLatin1Char('1'));
        return QStringLiteral("&ph=penalties&at=0&hpk=%1&vpk=%1").arg(each);
    };
    QTest::newRow("99 kicks each") << kicks(qsizetype(MaxKicksPerTeam)) << QString();
    QTest::newRow("100 kicks each")
        << kicks(qsizetype(MaxKicksPerTeam) + 1) << QStringLiteral("hpk");
}

void TestBoardQuery::matchFields()
{
    QFETCH(QString, match);
    QFETCH(QString, refusedFor);
    const std::string update
        = websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("p"));
    const QueryResult result = parseBoardQuery(update + match.toStdString());
    if (!refusedFor.isEmpty()) {
        QCOMPARE(result.status, 400);
        QVERIFY2(result.error.find(refusedFor.toStdString()) == 0, result.error.c_str());
        QVERIFY(result.error.find('|') == std::string::npos);
        return;
    }
    QVERIFY2(result.ok(), result.error.c_str());
    // The figures and their echo are the same with or without the match.
    QCOMPARE(echoOf(result.update.values), websbtest::echoOf(websbtest::sampleValues()));
    QCOMPARE(result.update.match.has_value(), !match.isEmpty());
    if (!match.isEmpty()) {
        const QUrlQuery sent(match.mid(1));
        const MatchExtras &read = *result.update.match;
        QCOMPARE(QString::fromStdString(read.phase), sent.queryItemValue(QStringLiteral("ph")));
        QCOMPARE(read.addedMinutes, sent.queryItemValue(QStringLiteral("at")).toInt());
        QCOMPARE(
            QString::fromStdString(read.homeKicks), sent.queryItemValue(QStringLiteral("hpk")));
        QCOMPARE(
            QString::fromStdString(read.visitorKicks), sent.queryItemValue(QStringLiteral("vpk")));
    }
}

QTEST_APPLESS_MAIN(TestBoardQuery)

#include "tst_boardquery.moc"
