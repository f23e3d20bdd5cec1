#include "board/qtsoundplayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

class TestBuzzer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buzzerWaveIsALoudShortPcmSound();
    void realPlayerPlaysTheBuzzerToTheEnd();
    void realPlayerStaysSilentOnAMissingFile();
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
    if (!done.wait(8000)) {
        QSKIP("This machine's sound back-end does not play to the end (no audio output).");
    }
    QCOMPARE(done.count(), 1);
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

QTEST_MAIN(TestBuzzer)
#include "tst_buzzer.moc"
