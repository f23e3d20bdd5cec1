// The program's modules wait for their first use: a board whose clock runs has loaded neither the
// sound back-end nor the network stack; the first buzzer brings the one, the first request or a
// remote control switched on the other.
#include "board/qtsoundplayer.h"
#include "remote/remotecontrol.h"
#include "tests/support/boardfixture.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>

class TestModules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachModuleWaitsForItsFirstUse();
};

namespace {

bool loaded(const char *module)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(module);
}

} // namespace

void TestModules::eachModuleWaitsForItsFirstUse()
{
    const char *sound = "/libvarnelo-sound.so";
    const char *network = "/libvarnelo-network.so";
    QVERIFY(!loaded(sound) && !loaded(network));

    BoardFixture fixture;
    fixture.resetBoard(QStringLiteral(VARNELO_TEST_WAV));
    fixture.makeSoundPlayer = [] { return std::make_unique<QtSoundPlayer>(); };
    frmScoreboard &board = fixture.openBoard();
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    RemoteControl remote(board.scoreboardGame(), fixture.settings, [] {});
    remote.apply();
    board.AllKeyPress(fixture.settings.StartStopClockKey);
    fixture.time.advance(1500);
    QTest::qWait(500);
    QVERIFY(!loaded(sound));
    QVERIFY(!loaded(network));

    board.AllKeyPress(fixture.settings.BuzzerKey);
    QVERIFY(loaded(sound));

    fixture.settings.RemoteEnabled = 1;
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    fixture.settings.RemotePort = probe.serverPort();
    probe.close();
    remote.apply();
    QVERIFY(loaded(network));
    QVERIFY(remote.isListening());
    QCOMPARE(remote.port(), quint16(fixture.settings.RemotePort));
    // The address a phone opens comes from the module too.
    QVERIFY(PairingUrl(remote.port(), fixture.settings.RemoteCode)
                .endsWith(QStringLiteral("#code=") + fixture.settings.RemoteCode));
}

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
