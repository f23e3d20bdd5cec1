#include "tests/support/boardfixture.h"

#include <QDir>
#include <QImage>
#include <QTest>

// The board as the audience sees it by default, pixel for pixel: what the match adds must leave
// a board that counts down, before the kick-off, exactly as it always looked. The references
// were drawn by the board before it knew of matches; VARNELO_WRITE_BOARD_REFERENCES=<folder>
// draws them anew there instead of comparing.
class TestBoardPixels : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetBoard(); }
    void cleanup() { closeBoard(); }

    void defaultBoardIsUnchanged_data();
    void defaultBoardIsUnchanged();

private:
    QImage shot(QSize size)
    {
        board->resize(size);
        board->show();
        QCoreApplication::processEvents();
        return board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

void TestBoardPixels::defaultBoardIsUnchanged_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("4:3") << QSize(1024, 768);
    QTest::newRow("16:9") << QSize(1920, 1080);
}

void TestBoardPixels::defaultBoardIsUnchanged()
{
    QFETCH(QSize, size);
    openBoard();
    const QImage shown = shot(size);
    const QString name = QStringLiteral("board-%1x%2.png").arg(size.width()).arg(size.height());
    const QByteArray writeTo = qgetenv("VARNELO_WRITE_BOARD_REFERENCES");
    if (!writeTo.isEmpty()) {
        QVERIFY(shown.save(QDir(QString::fromLocal8Bit(writeTo)).filePath(name)));
        QSKIP("reference written");
    }
    const QImage reference = QImage(QStringLiteral(VARNELO_BOARD_DATA "/") + name)
                                 .convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!reference.isNull(), qPrintable(name));
    QCOMPARE(shown.size(), reference.size());
    QCOMPARE(shown, reference);
}

QTEST_MAIN(TestBoardPixels)
#include "tst_boardpixels.moc"
