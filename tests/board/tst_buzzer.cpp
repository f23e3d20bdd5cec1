#include "board/qtsoundplayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestBuzzer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buzzerWaveIsALoudShortPcmSound();
    void realPlayerPlaysTheBuzzerToTheEnd();
    void realPlayerStaysSilentOnAMissingFile();
    void waveLengthOfGoodAndBadFiles();
};

void TestBuzzer::buzzerWaveIsALoudShortPcmSound()
{
    QFile file(QStringLiteral(VARNELO_TEST_WAV));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    QCOMPARE(u32(4), quint32(wav.size() - 8));
    QCOMPARE(u16(20), quint16(1)); // PCM
    QCOMPARE(u16(22), quint16(1)); // mono
    QCOMPARE(u16(34), quint16(16));
    const quint32 rate = u32(24);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const quint32 samples = u32(40) / 2;
    const double seconds = double(samples) / rate;
    QVERIFY2(seconds > 1.0 && seconds < 2.0, qPrintable(QString::number(seconds)));
    // Loud: the horn reaches near full scale; and it ends in silence.
    int peak = 0;
    for (quint32 i = 0; i < samples; ++i) {
        peak = std::max(peak, std::abs(int(qint16(u16(44 + int(i) * 2)))));
    }
    QVERIFY(peak > 25000);
    QCOMPARE(qint16(u16(44 + int(samples - 1) * 2)), qint16(0));
}

void TestBuzzer::realPlayerPlaysTheBuzzerToTheEnd()
{
    QtSoundPlayer player;
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(QStringLiteral(VARNELO_TEST_WAV));
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    QElapsedTimer played;
    played.start();
    QVERIFY(done.wait(8000));
    QCOMPARE(done.count(), 1);
    // Done comes at the end of the sound, not at once.
    QVERIFY(played.elapsed() >= 1000);
    // Rewound, it plays whole again.
    player.command(QStringLiteral("Stop"));
    player.command(QStringLiteral("Prev"));
    player.command(QStringLiteral("Play"));
    QVERIFY(done.wait(8000));
}

void TestBuzzer::realPlayerStaysSilentOnAMissingFile()
{
    QtSoundPlayer player;
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(QStringLiteral("/nonexistent/horn.wav"));
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    player.command(QStringLiteral("Stop"));
    player.command(QStringLiteral("Prev"));
    player.command(QStringLiteral("Close"));
    QTest::qWait(200);
    QCOMPARE(done.count(), 0);
}

void TestBuzzer::waveLengthOfGoodAndBadFiles()
{
    const qint64 length = WaveLengthMilliseconds(QStringLiteral(VARNELO_TEST_WAV));
    QVERIFY2(length > 1000 && length < 2000, qPrintable(QString::number(length)));
    QCOMPARE(WaveLengthMilliseconds(QStringLiteral("/nonexistent.wav")), -1);

    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    QCOMPARE(WaveLengthMilliseconds(write("text.wav", "not a sound at all")), -1);
    QFile real(QStringLiteral(VARNELO_TEST_WAV));
    real.open(QIODevice::ReadOnly);
    const QByteArray wav = real.readAll();
    QCOMPARE(WaveLengthMilliseconds(write("truncated.wav", wav.left(30))), -1);
    // A data chunk before any format chunk, and a chunk claiming to be huge.
    QByteArray noFormat = wav.left(12) + QByteArray("data\x10\0\0\0", 8) + QByteArray(16, '\0');
    QCOMPARE(WaveLengthMilliseconds(write("noformat.wav", noFormat)), -1);
    QByteArray huge = wav.left(12) + QByteArray("junk\xff\xff\xff\x7f", 8);
    QCOMPARE(WaveLengthMilliseconds(write("huge.wav", huge)), -1);
    // An unreadable file makes a silent buzzer that never reports done.
    QtSoundPlayer player;
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(dir.filePath(QStringLiteral("text.wav")));
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    QTest::qWait(100);
    QCOMPARE(done.count(), 0);
}

QTEST_MAIN(TestBuzzer)
#include "tst_buzzer.moc"
