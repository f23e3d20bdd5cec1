#include "board/qtsoundplayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

class TestBuzzer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buzzerWaveIsALoudShortPcmSound();
    void theRealEffectReportsPlaying();
    void realPlayerPlaysTheBuzzerToTheEnd();
    void realPlayerStaysSilentOnAMissingFile();
    void waveLengthOfGoodAndBadFiles();
    void theEndIsTakenFromThePlayerWhereItReportsOne_data();
    void theEndIsTakenFromThePlayerWhereItReportsOne();
};

namespace {

// A sound effect that starts playing when told and ends `endsAfterMs` later by itself, or
// never (a negative time); it records whether it was stopped before its end.
class ScriptedEffect final : public SoundEffect
{
public:
    ScriptedEffect(bool reportsEnd, int endsAfterMs)
        : m_reportsEnd(reportsEnd)
        , m_endsAfterMs(endsAfterMs)
    {
        m_end.setSingleShot(true);
        // A coarse timer may end a 700 ms sound 35 ms early, before the end the test expects.
        m_end.setTimerType(Qt::PreciseTimer);
        connect(&m_end, &QTimer::timeout, this, [this] {
            m_playing = false;
            ended = true;
            Q_EMIT playingChanged();
        });
    }
    void setSource(const QString &) override { }
    void play() override
    {
        ++plays;
        m_playing = true;
        Q_EMIT playingChanged();
        if (m_endsAfterMs >= 0) {
            m_end.start(m_endsAfterMs);
        }
    }
    void stop() override
    {
        if (m_playing) {
            cutShort = true;
            m_playing = false;
            m_end.stop();
            Q_EMIT playingChanged();
        }
    }
    bool isPlaying() const override { return m_playing; }
    bool reportsEnd() const override { return m_reportsEnd; }

    bool cutShort = false;
    bool ended = false;
    int plays = 0;

private:
    bool m_reportsEnd;
    int m_endsAfterMs;
    bool m_playing = false;
    QTimer m_end;
};

// A silent PCM wave of `ms` milliseconds (8 kHz, 8 bits, mono).
QString writeWave(const QTemporaryDir &dir, int ms)
{
    const quint32 data = quint32(8 * ms);
    QByteArray wav("RIFF");
    const auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    const auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    u32(36 + data);
    wav += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    wav += "data";
    u32(data);
    wav += QByteArray(qsizetype(data), char(0x80));
    const QString path = dir.filePath(QStringLiteral("short.wav"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(wav);
    return path;
}

} // namespace

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

void TestBuzzer::theRealEffectReportsPlaying()
{
    // A silent effect would go unnoticed through the player, whose end by the wave's length
    // hides it: the effect itself must start.
    const std::unique_ptr<SoundEffect> effect = MakeSoundEffect();
    QSignalSpy changes(effect.get(), &SoundEffect::playingChanged);
    effect->setSource(QStringLiteral(VARNELO_TEST_WAV));
    effect->play();
    QTRY_VERIFY_WITH_TIMEOUT(!changes.isEmpty(), 5000);
    effect->stop();
    QTRY_VERIFY(!effect->isPlaying());
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
    // An effect that would play on and never end: whatever the player started would show.
    ScriptedEffect *effect = nullptr;
    QtSoundPlayer player(nullptr, [&] {
        auto made = std::make_unique<ScriptedEffect>(true, -1);
        effect = made.get();
        return made;
    });
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(QStringLiteral("/nonexistent/horn.wav"));
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    QVERIFY(effect);
    QCOMPARE(effect->plays, 0);
    player.command(QStringLiteral("Stop"));
    player.command(QStringLiteral("Prev"));
    player.command(QStringLiteral("Close"));
    QCOMPARE(effect->plays, 0);
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
    // An unreadable file makes a silent buzzer that never reports done: nothing plays, so
    // nothing can end.
    ScriptedEffect *effect = nullptr;
    QtSoundPlayer player(nullptr, [&] {
        auto made = std::make_unique<ScriptedEffect>(true, 50);
        effect = made.get();
        return made;
    });
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(dir.filePath(QStringLiteral("text.wav")));
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    QVERIFY(effect);
    QCOMPARE(effect->plays, 0);
    QCOMPARE(done.count(), 0);
}

void TestBuzzer::theEndIsTakenFromThePlayerWhereItReportsOne_data()
{
    QTest::addColumn<bool>("reportsEnd");
    QTest::addColumn<int>("endsAfterMs");
    QTest::addColumn<int>("doneAfterMs");
    // A 100 ms sound that a slow sound server starts 600 ms late.
    QTest::newRow("a server that starts late") << true << 700 << 700;
    QTest::newRow("a server that is on time") << true << 100 << 100;
    // No server: nothing reports the end, the wave's length gives it.
    QTest::newRow("no sound server") << false << -1 << 350;
}

void TestBuzzer::theEndIsTakenFromThePlayerWhereItReportsOne()
{
    QFETCH(bool, reportsEnd);
    QFETCH(int, endsAfterMs);
    QFETCH(int, doneAfterMs);
    QTemporaryDir dir;
    ScriptedEffect *effect = nullptr;
    QtSoundPlayer player(nullptr, [&] {
        auto made = std::make_unique<ScriptedEffect>(reportsEnd, endsAfterMs);
        effect = made.get();
        return made;
    });
    // The board answers the end of a sound with Stop and Prev.
    connect(&player, &SoundPlayer::done, &player, [&player] {
        player.command(QStringLiteral("Stop"));
        player.command(QStringLiteral("Prev"));
    });
    QSignalSpy done(&player, &SoundPlayer::done);
    player.setFileName(writeWave(dir, 100));
    player.command(QStringLiteral("Open"));
    QElapsedTimer timer;
    timer.start();
    player.command(QStringLiteral("Play"));
    QVERIFY(effect);
    QVERIFY(done.wait(3000));
    // Stopped only where it would never have said it was done.
    QCOMPARE(effect->cutShort, endsAfterMs < 0);
    QCOMPARE(effect->ended, endsAfterMs >= 0);
    QVERIFY2(timer.elapsed() >= doneAfterMs - 20 && timer.elapsed() < doneAfterMs + 400,
        qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(done.count(), 1);
}

QTEST_MAIN(TestBuzzer)
#include "tst_buzzer.moc"
