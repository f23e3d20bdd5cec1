#include "service/passcode.h"
#include "service/passcodegate.h"

#include <QTest>

using namespace websb;

class TestPasscode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digestIsStandardPbkdf2();
    void formatAndParseRoundTrip();
    void saltsDiffer();
    void malformedDigests_data();
    void malformedDigests();
    void constantTimeComparison();
    void gateAcceptsOnlyTheRightPasscode();
    void gateKeepsPagesApart();
};

namespace {

const int Cheap = MinimumPasscodeIterations;

} // namespace

void TestPasscode::digestIsStandardPbkdf2()
{
    // RFC 7914, section 11: PBKDF2-HMAC-SHA256("passwd", "salt", 1), first 32 bytes. Operators
    // may compute digests with any standard tool.
    PasscodeHash hash;
    hash.iterations = 1;
    hash.salt = QByteArrayLiteral("salt");
    hash.digest
        = QByteArray::fromHex("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
    QVERIFY(passcodeMatches(hash, QByteArrayLiteral("passwd")));
    QVERIFY(!passcodeMatches(hash, QByteArrayLiteral("passwe")));
}

void TestPasscode::formatAndParseRoundTrip()
{
    const PasscodeHash hash = hashPasscode(QByteArrayLiteral("s3cret"), Cheap);
    const QString text = formatPasscodeHash(hash);
    QVERIFY(text.startsWith(QStringLiteral("pbkdf2-sha256$1000$")));
    QVERIFY(!text.contains(QStringLiteral("s3cret")));
    QVERIFY(!text.contains(QLatin1Char(' ')));

    const auto parsed = parsePasscodeHash(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(parsed->iterations, Cheap);
    QCOMPARE(parsed->salt, hash.salt);
    QCOMPARE(parsed->digest, hash.digest);
    QVERIFY(passcodeMatches(*parsed, QByteArrayLiteral("s3cret")));
    QVERIFY(!passcodeMatches(*parsed, QByteArrayLiteral("s3cret ")));
    QVERIFY(!passcodeMatches(*parsed, QByteArray()));
}

void TestPasscode::saltsDiffer()
{
    const PasscodeHash first = hashPasscode(QByteArrayLiteral("same"), Cheap);
    const PasscodeHash second = hashPasscode(QByteArrayLiteral("same"), Cheap);
    QVERIFY(first.salt != second.salt);
    QVERIFY(first.digest != second.digest);
}

void TestPasscode::malformedDigests_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("complaint");

    const QString salt = QString::fromLatin1(QByteArray(16, 's').toBase64());
    const QString digest = QString::fromLatin1(QByteArray(32, 'd').toBase64());
    const auto join = [](const QStringList &parts) { return parts.join(QLatin1Char('$')); };
    QTest::newRow("empty") << QString() << QStringLiteral("--hash-passcode");
    QTest::newRow("clear passcode")
        << QStringLiteral("s3cret") << QStringLiteral("--hash-passcode");
    QTest::newRow("other scheme") << join({QStringLiteral("sha1"), QStringLiteral("1000"), salt,
        digest}) << QStringLiteral("--hash-passcode");
    QTest::newRow("too few iterations")
        << join({QStringLiteral("pbkdf2-sha256"), QStringLiteral("999"), salt, digest})
        << QStringLiteral("at least 1000");
    QTest::newRow("iterations not a number")
        << join({QStringLiteral("pbkdf2-sha256"), QStringLiteral("many"), salt, digest})
        << QStringLiteral("iteration");
    QTest::newRow("salt not base64") << join(
        {QStringLiteral("pbkdf2-sha256"), QStringLiteral("1000"), QStringLiteral("!!"), digest})
                                     << QStringLiteral("salt");
    QTest::newRow("short digest") << join({QStringLiteral("pbkdf2-sha256"), QStringLiteral("1000"),
        salt, QString::fromLatin1(QByteArray(31, 'd').toBase64())})
                                  << QStringLiteral("32 bytes");
    QTest::newRow("extra part") << join({QStringLiteral("pbkdf2-sha256"), QStringLiteral("1000"),
        salt, digest, digest}) << QStringLiteral("--hash-passcode");
}

void TestPasscode::malformedDigests()
{
    QFETCH(QString, text);
    QFETCH(QString, complaint);
    QString error;
    QVERIFY(!parsePasscodeHash(text, &error).has_value());
    QVERIFY2(error.contains(complaint), qPrintable(error));
}

void TestPasscode::constantTimeComparison()
{
    const QByteArray digest(32, '\x5a');
    QVERIFY(constantTimeEquals(digest, digest));
    QVERIFY(constantTimeEquals(QByteArray(), QByteArray()));
    QVERIFY(!constantTimeEquals(digest, digest.left(31)));
    for (int position : {0, 15, 31}) {
        QByteArray other = digest;
        other[position] = static_cast<char>(other[position] ^ 0x01);
        QVERIFY(!constantTimeEquals(digest, other));
    }
}

void TestPasscode::gateAcceptsOnlyTheRightPasscode()
{
    PasscodeGate gate({{"main", hashPasscode(QByteArrayLiteral("right"), Cheap)}});
    // Each question twice: the second answer comes from the remembered digests.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(!gate.check("main", "wrong"));
        QVERIFY(gate.check("main", "right"));
        QVERIFY(!gate.check("main", "righ"));
        QVERIFY(!gate.check("main", "right\n"));
        QVERIFY(!gate.check("main", ""));
    }
    // More wrong passcodes than are remembered do not push out the right one.
    for (int i = 0; i < 20; ++i) {
        QVERIFY(!gate.check("main", "guess" + std::to_string(i)));
    }
    QVERIFY(gate.check("main", "right"));
}

void TestPasscode::gateKeepsPagesApart()
{
    PasscodeGate gate({{"north", hashPasscode(QByteArrayLiteral("n"), Cheap)},
        {"south", hashPasscode(QByteArrayLiteral("s"), Cheap)}});
    QVERIFY(gate.check("north", "n"));
    QVERIFY(!gate.check("south", "n"));
    QVERIFY(gate.check("south", "s"));
    QVERIFY(!gate.check("north", "s"));
    QVERIFY(!gate.check("east", "n"));
    QVERIFY(!gate.check("", ""));
}

QTEST_APPLESS_MAIN(TestPasscode)

#include "tst_passcode.moc"
