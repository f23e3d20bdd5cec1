#include "board/boardlabel.h"
#include "board/boardwarmup.h"
#include "tests/support/boardfixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <algorithm>

// The captions drawn before the board opens are worth drawing only if they are the board's own:
// the same fonts, at the same sizes, with the operator's texts.
class TestBoardWarmUp : public QObject, public BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void captionsAreTheBoardsOwnAtEverySize();
};

namespace {

QStringList described(const QList<QFont> &fonts, const QStringList &texts)
{
    QStringList all;
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        all.append(texts.at(i) + u'|' + fonts.at(i).toString());
    }
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace

void TestBoardWarmUp::captionsAreTheBoardsOwnAtEverySize()
{
    resetBoard(QStringLiteral("/nowhere/missing.wav"));
    settings.TitleText = QStringLiteral("Cup Final");
    settings.HomeText = QStringLiteral("Zürich");
    settings.GuestText = QStringLiteral("A&B Rovers");
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QList<BoardCaption> captions = BoardCaptions(settings, screen);

    QList<QSize> sizes;
    for (const BoardCaption &caption : captions) {
        if (!sizes.contains(caption.size)) {
            sizes.append(caption.size);
        }
    }
    // Its design size, maximised and full screen (the offscreen screen has no panel, so the last
    // two may be one).
    QVERIFY(sizes.contains(screen->geometry().size()));
    QVERIFY(sizes.size() >= 2);

    frmScoreboard &shown = openBoard();
    QCOMPARE(sizes.first(), shown.size());
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    for (const QSize &size : std::as_const(sizes)) {
        shown.resize(size);
        QTRY_COMPARE(shown.size(), size);
        QList<QFont> boardFonts;
        QStringList boardTexts;
        for (const BoardLabel *label : shown.findChildren<BoardLabel *>()) {
            boardFonts.append(label->font());
            boardTexts.append(label->text());
        }
        QList<QFont> warmFonts;
        QStringList warmTexts;
        for (const BoardCaption &caption : captions) {
            if (caption.size == size) {
                warmFonts.append(caption.font);
                warmTexts.append(caption.text);
            }
        }
        QCOMPARE(described(warmFonts, warmTexts), described(boardFonts, boardTexts));
    }
    // The captions do scale with the window: the title is larger full screen.
    const auto titleAt = [&](const QSize &size) {
        const auto title = std::find_if(captions.begin(), captions.end(),
            [&](const BoardCaption &c) { return c.size == size && c.text == u"Cup Final"; });
        return title == captions.end() ? 0 : title->font.pixelSize();
    };
    QVERIFY(titleAt(sizes.first()) > 0);
    QVERIFY(titleAt(screen->geometry().size()) > titleAt(sizes.first()));
}

QTEST_MAIN(TestBoardWarmUp)
#include "tst_boardwarmup.moc"
