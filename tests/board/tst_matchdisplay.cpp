#include "board/matchdisplay.h"
#include "tests/support/boardfixture.h"

#include <segmora/segmora.h>

#include <QStyle>
#include <QTest>

// What the board shows of a match: each piece comes and goes with the game, shows what the game
// holds, takes the board's colours, and keeps clear of the board's own texts and figures at the
// sizes a board is shown at.
class TestMatchDisplay : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { closeBoard(); }

    void phaseWordFollowsThePhase_data();
    void phaseWordFollowsThePhase();
    void addedTimeShowsUntilTheHalfEnds();
    void hundredsShowFromAHundredMinutes_data();
    void hundredsShowFromAHundredMinutes();
    void shootoutShowsKicksAndScore();
    void cornersTakeTwoDigitsOnlyCountingUp();
    void sendingOffsShowAsRedCardsAboveTheName();
    void piecesTakeTheBoardsColours();
    void piecesStayClearOfTheBoardAtEverySize_data();
    void piecesStayClearOfTheBoardAtEverySize();

private:
    ScoreboardGame &game() { return board->scoreboardGame(); }
    MatchDisplay &display() { return *board->findChild<MatchDisplay *>(); }
    // A cup match: counting up, extra time and penalties.
    void playCup() { QVERIFY(game().setMatchFormat({ClockDirection::Up, 45, 15, 15, true})); }
    void kick(Team team, bool scored) { QVERIFY(game().penaltyKick(team, scored)); }
    // The pieces shown now, by name.
    QList<QWidget *> shownPieces()
    {
        QList<QWidget *> shown;
        for (QWidget *piece : board->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (piece->objectName().startsWith(QLatin1String("match")) && piece->isVisible()) {
                shown << piece;
            }
        }
        return shown;
    }
};

void TestMatchDisplay::init()
{
    resetBoard();
    openBoard();
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
}

void TestMatchDisplay::phaseWordFollowsThePhase_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<QString>("word");
    for (const bool up : {false, true}) {
        const char *way = up ? "up" : "down";
        const auto row = [&](const char *name, Phase phase, const char *word) {
            QTest::addRow("%s %s", way, name) << up << phase << QString::fromLatin1(word);
        };
        row("firstHalf", Phase::FirstHalf, "");
        row("halfTime", Phase::HalfTime, "HALF-TIME");
        row("secondHalf", Phase::SecondHalf, "");
        row("extraTimeFirstHalf", Phase::ExtraTimeFirstHalf, "EXTRA TIME");
        row("extraTimeHalfTime", Phase::ExtraTimeHalfTime, "ET HALF-TIME");
        row("extraTimeSecondHalf", Phase::ExtraTimeSecondHalf, "EXTRA TIME");
        row("penalties", Phase::Penalties, "PENALTIES");
        row("fullTime", Phase::FullTime, "FULL TIME");
    }
}

void TestMatchDisplay::phaseWordFollowsThePhase()
{
    QFETCH(bool, up);
    QFETCH(Phase, phase);
    QFETCH(QString, word);
    QVERIFY(!display().phaseWord()->isVisible());
    QVERIFY(
        game().setMatchFormat({up ? ClockDirection::Up : ClockDirection::Down, 45, 15, 15, true}));
    QVERIFY(!display().phaseWord()->isVisible());
    QVERIFY(game().nextPhase(phase));
    QCOMPARE(display().phaseWord()->isVisible(), !word.isEmpty());
    if (!word.isEmpty()) {
        QCOMPARE(display().phaseWord()->text(), word);
    }
    // Undo takes the word back with the phase.
    game().undo();
    QCOMPARE(game().match().phase, Phase::PreMatch);
    QVERIFY(!display().phaseWord()->isVisible());
}

void TestMatchDisplay::addedTimeShowsUntilTheHalfEnds()
{
    playCup();
    BoardWord *added = display().addedTime();
    QVERIFY(game().nextPhase());
    QVERIFY(!added->isVisible());
    QVERIFY(game().announceAddedTime(3));
    QVERIFY(added->isVisible());
    QCOMPARE(added->text(), QStringLiteral("+3"));
    QVERIFY(game().announceAddedTime(12));
    QCOMPARE(added->text(), QStringLiteral("+12"));
    QVERIFY(game().announceAddedTime(0));
    QVERIFY(!added->isVisible());
    QVERIFY(game().announceAddedTime(4));
    QVERIFY(game().nextPhase()); // half-time
    QVERIFY(!added->isVisible());
    QVERIFY(game().nextPhase()); // the second half starts with none announced
    QVERIFY(!added->isVisible());
    game().undo();
    game().undo();
    QVERIFY(added->isVisible());
    QCOMPARE(added->text(), QStringLiteral("+4"));
}

void TestMatchDisplay::hundredsShowFromAHundredMinutes_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<qint16>("hundreds");
    QTest::addColumn<QString>("clock");
    QTest::newRow("99:59") << 99 * 60 + 59 << qint16(-1) << QStringLiteral("9959");
    QTest::newRow("100:00") << 100 * 60 << qint16(1) << QStringLiteral("0000");
    QTest::newRow("112:30") << 112 * 60 + 30 << qint16(1) << QStringLiteral("1230");
    QTest::newRow("120:00") << 120 * 60 << qint16(1) << QStringLiteral("2000");
}

void TestMatchDisplay::hundredsShowFromAHundredMinutes()
{
    QFETCH(int, seconds);
    QFETCH(qint16, hundreds);
    QFETCH(QString, clock);
    LedBox *shown = display().hundreds();
    QVERIFY(!shown->isVisible());
    playCup();
    QVERIFY(game().nextPhase(Phase::ExtraTimeSecondHalf));
    QVERIFY(game().setClock(seconds));
    QCOMPARE(ShownFigure(group("sgmTime")), clock);
    QCOMPARE(shown->isVisible(), hundreds >= 0);
    QCOMPARE(shown->captions(), QList<qint16>{hundreds});
    // Its digit is a clock digit: the same size and top, a clock pitch left of the first.
    const Segmora *first = group("sgmTime")->digit(0);
    const Segmora *second = group("sgmTime")->digit(1);
    const Segmora *digit = shown->digit(0);
    QCOMPARE(digit->digitSize(), first->digitSize());
    QCOMPARE(digit->mapTo(board.get(), QPoint()).y(), first->mapTo(board.get(), QPoint()).y());
    QCOMPARE(first->mapTo(board.get(), QPoint()).x() - digit->mapTo(board.get(), QPoint()).x(),
        second->x() - first->x());
    QCOMPARE(shown->geometry().right() + 1, group("sgmTime")->x());
    // The board's own clock, counting down, never reaches it.
    QVERIFY(game().setMatchFormat({}));
    QVERIFY(!shown->isVisible());
}

void TestMatchDisplay::shootoutShowsKicksAndScore()
{
    playCup();
    const auto marks = [this](Team team) { return display().kickMarks(team); };
    const auto score = [this](Team team) { return display().shootoutScore(team)->text(); };
    // A match decided before penalties shows no shoot-out at full time.
    QVERIFY(game().nextPhase(Phase::FullTime));
    QVERIFY(!marks(Team::Home)->isVisible());
    QVERIFY(!display().shootoutScore(Team::Home)->isVisible());
    QVERIFY(game().nextPhase(Phase::Penalties));
    for (const Team team : {Team::Home, Team::Visitor}) {
        QVERIFY(marks(team)->isVisible());
        QVERIFY(display().shootoutScore(team)->isVisible());
        QCOMPARE(marks(team)->slotCount(), ShootoutRounds);
        QCOMPARE(score(team), QStringLiteral("(0)"));
    }
    // Level after five rounds, then sudden death decided in the seventh.
    const QList<bool> home{true, false, true, true, false, true, true};
    const QList<bool> visitor{true, true, false, true, false, true, false};
    for (int round = 0; round < 7; ++round) {
        kick(Team::Home, home.at(round));
        kick(Team::Visitor, visitor.at(round));
        const int taken = round + 1;
        QCOMPARE(marks(Team::Home)->kicks().size(), taken);
        QCOMPARE(marks(Team::Visitor)->kicks().size(), taken);
        QCOMPARE(marks(Team::Home)->slotCount(), qMax(ShootoutRounds, taken));
    }
    QCOMPARE(game().match().phase, Phase::FullTime);
    QCOMPARE(marks(Team::Home)->kicks(), home);
    QCOMPARE(marks(Team::Visitor)->kicks(), visitor);
    QCOMPARE(score(Team::Home), QStringLiteral("(5)"));
    QCOMPARE(score(Team::Visitor), QStringLiteral("(4)"));
    // Full time after a shoot-out keeps it on the board, beside the phase word.
    QVERIFY(marks(Team::Visitor)->isVisible());
    QCOMPARE(display().phaseWord()->text(), QStringLiteral("FULL TIME"));
    // The deciding kick taken back: penalties again, one mark fewer.
    game().undo();
    QCOMPARE(game().match().phase, Phase::Penalties);
    QCOMPARE(marks(Team::Visitor)->kicks().size(), 6);
    QCOMPARE(score(Team::Home), QStringLiteral("(5)"));
}

void TestMatchDisplay::cornersTakeTwoDigitsOnlyCountingUp()
{
    LedBox *home = display().corners(Team::Home);
    LedBox *visitor = display().corners(Team::Visitor);
    QVERIFY(!home->isVisible());
    QVERIFY(!visitor->isVisible());
    QVERIFY(board->scoreboardGame().setFigure(Figure::CKH, 7));
    QCOMPARE(ShownFigure(group("sgmCKH")), QStringLiteral("7"));
    QVERIFY(!board->scoreboardGame().setFigure(Figure::CKH, 12));
    playCup();
    QVERIFY(home->isVisible());
    QVERIFY(visitor->isVisible());
    QCOMPARE(home->captions(), (QList<qint16>{7, -1}));
    // A new figure shows its zeros, as every figure of a new board does.
    QCOMPARE(visitor->captions(), (QList<qint16>{0, 0}));
    QVERIFY(game().setFigure(Figure::CKH, 12));
    QVERIFY(game().setFigure(Figure::CKV, 99));
    QCOMPARE(home->captions(), (QList<qint16>{2, 1}));
    QCOMPARE(visitor->captions(), (QList<qint16>{9, 9}));
    // Typed into the figure beneath, as the operator does.
    type("sgmCKV", "15\r");
    QCOMPARE(game().value(Figure::CKV), 15);
    QCOMPARE(visitor->captions(), (QList<qint16>{5, 1}));
    // It covers the one-digit figure and keeps clear of the figures beside it.
    for (const auto &[box, shots, corners, saves] :
        {std::tuple{home, "sgmShotsH", "sgmCKH", "sgmSavesH"},
            std::tuple{visitor, "sgmShotsV", "sgmCKV", "sgmSavesV"}}) {
        QVERIFY(box->geometry().contains(
            group(corners)->digit(0)->geometry().translated(group(corners)->pos())));
        QVERIFY(!box->geometry().intersects(group(shots)->geometry()));
        QVERIFY(!box->geometry().intersects(group(saves)->geometry()));
        for (int i = 0; i < 2; ++i) {
            QVERIFY(box->rect().contains(box->digit(i)->geometry()));
        }
    }
}

void TestMatchDisplay::sendingOffsShowAsRedCardsAboveTheName()
{
    SendingOffMarks *home = display().sendingOffs(Team::Home);
    SendingOffMarks *visitor = display().sendingOffs(Team::Visitor);
    QVERIFY(!home->isVisible());
    QVERIFY(!visitor->isVisible());
    // A yellow sends nobody off; a second one to the same player does, as a red does.
    QVERIFY(game().addCard(Team::Home, false, QStringLiteral("4")));
    QVERIFY(!home->isVisible());
    QVERIFY(game().addCard(Team::Home, false, QStringLiteral("4")));
    QVERIFY(home->isVisible());
    QCOMPARE(home->count(), 1);
    QVERIFY(game().addCard(Team::Home, true, QStringLiteral("9")));
    QCOMPARE(home->count(), 2);
    QVERIFY(!visitor->isVisible());
    QVERIFY(game().addCard(Team::Visitor, true, QString()));
    QCOMPARE(visitor->count(), 1);
    // Each row is as wide as its cards, and above its team's name.
    QCOMPARE(home->width(), SendingOffMarks::rowWidth(2, home->height()));
    QCOMPARE(visitor->width(), SendingOffMarks::rowWidth(1, visitor->height()));
    QCOMPARE(home->accessibleName(), label("lblHomeName")->text() + QStringLiteral(" sent off: 2"));
    for (const auto &[marks, name] : {std::pair{home, "lblHomeName"}, {visitor, "lblGuestName"}}) {
        const QRect below = label(name)->geometry();
        QVERIFY(marks->geometry().bottom() < below.top());
        QVERIFY(below.left() <= marks->x() && marks->geometry().right() <= below.right());
    }
    // Drawn in red.
    const QImage drawn = home->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint firstCard(SendingOffMarks::rowWidth(1, home->height()) / 2, home->height() / 2);
    QCOMPARE(QColor(drawn.pixel(firstCard)).red(), 0xE0);
    // Undone card by card, and gone with the last.
    game().undo();
    QVERIFY(!visitor->isVisible());
    game().undo();
    QCOMPARE(home->count(), 1);
    game().redo();
    QCOMPARE(home->count(), 2);
    for (const MatchEvent &event : QList<MatchEvent>(game().events())) {
        QVERIFY(game().removeEvent(event.id));
    }
    QVERIFY(!home->isVisible());
    QVERIFY(!visitor->isVisible());
}

void TestMatchDisplay::piecesTakeTheBoardsColours()
{
    playCup();
    QVERIFY(game().nextPhase(Phase::Penalties));
    kick(Team::Home, true);
    settings.LEDColor = 0x0000FF; // red
    settings.LEDBackColor = 0x400000; // dark blue
    settings.TextColor = 0x00FFFF; // yellow
    board->UpdateFormColors();
    const auto colours = [](QWidget *piece) {
        const QImage image = piece->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                found.insert(image.pixel(x, y));
            }
        }
        return found;
    };
    const QRgb lit = qRgb(0xFF, 0, 0);
    const QRgb back = qRgb(0, 0, 0x40);
    for (QWidget *piece : {static_cast<QWidget *>(display().kickMarks(Team::Home)),
             static_cast<QWidget *>(display().shootoutScore(Team::Visitor)),
             static_cast<QWidget *>(display().corners(Team::Home))}) {
        const QSet<QRgb> found = colours(piece);
        QVERIFY2(found.contains(lit) && found.contains(back), qPrintable(piece->objectName()));
    }
    QVERIFY(colours(display().phaseWord()).contains(qRgb(0xFF, 0xFF, 0)));
}

void TestMatchDisplay::piecesStayClearOfTheBoardAtEverySize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("4:3") << QSize(1024, 768);
    QTest::newRow("16:9") << QSize(1920, 1080);
    QTest::newRow("4K") << QSize(3840, 2160);
    QTest::newRow("design") << QSize(632, 453);
}

void TestMatchDisplay::piecesStayClearOfTheBoardAtEverySize()
{
    QFETCH(QSize, size);
    board->resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(board->size(), size);
    const QRect frame = board->findChild<QWidget *>(QStringLiteral("Shape1"))->geometry();
    // The text of every caption, where it is drawn.
    QList<QRect> texts;
    for (const BoardLabel *label : board->findChildren<BoardLabel *>()) {
        const QSize extent = label->fontMetrics().size(0, label->text());
        texts << QStyle::alignedRect(
            Qt::LeftToRight, label->alignment(), extent, label->geometry());
    }
    const QString homeName = label("lblHomeName")->text();
    QVERIFY(!homeName.isEmpty());

    // Two moments that show every piece between them.
    playCup();
    QVERIFY(game().setFigure(Figure::CKH, 12));
    QVERIFY(game().nextPhase(Phase::ExtraTimeSecondHalf));
    QVERIFY(game().setClock(112 * 60 + 30));
    QVERIFY(game().announceAddedTime(13));
    // Two players of one team sent off, and as many of the other as a match allows.
    for (int player = 1; player <= 2; ++player) {
        QVERIFY(game().addCard(Team::Home, true, QString::number(player)));
    }
    for (int player = 1; player <= 5; ++player) {
        QVERIFY(game().addCard(Team::Visitor, true, QString::number(player)));
    }
    const QList<QWidget *> playing = shownPieces();
    QVERIFY(game().nextPhase(Phase::Penalties));
    for (int round = 0; round < 6; ++round) {
        kick(Team::Home, round != 1);
        kick(Team::Visitor, round != 2 && round < 5);
    }
    QCOMPARE(game().match().phase, Phase::FullTime);
    const QList<QWidget *> decided = shownPieces();
    QCOMPARE(playing.size() + decided.size(), 8 + 9);

    for (const QList<QWidget *> &shown : {playing, decided}) {
        for (QWidget *piece : shown) {
            const QRect place = piece->geometry();
            const QByteArray nameBytes = piece->objectName().toLatin1();
            const char *name = nameBytes.constData();
            QVERIFY2(frame.contains(place), name);
            for (const QRect &text : std::as_const(texts)) {
                QVERIFY2(!place.intersects(text), name);
            }
            for (const DigitGroup *figure : board->findChildren<DigitGroup *>()) {
                const bool covered = figure->groupName().startsWith(QLatin1String("sgmCK"))
                    && piece->objectName().startsWith(QLatin1String("matchCorners"));
                QVERIFY2(covered || !place.intersects(figure->geometry()), name);
            }
            for (QWidget *other : shown) {
                QVERIFY2(other == piece || !place.intersects(other->geometry()), name);
            }
            // A word is drawn whole inside its box.
            if (auto *word = qobject_cast<BoardWord *>(piece)) {
                const QFontMetrics metrics(word->fittedFont());
                QVERIFY2(metrics.horizontalAdvance(word->text()) <= word->width(), name);
                QVERIFY2(metrics.height() <= word->height() + 2, name);
            }
        }
    }

    // Made twice as large, every piece is twice as large, where it was.
    const QRect marks = display().kickMarks(Team::Visitor)->geometry();
    board->resize(size * 2);
    QCoreApplication::processEvents();
    const QRect doubled = display().kickMarks(Team::Visitor)->geometry();
    QVERIFY(qAbs(doubled.left() - 2 * marks.left()) <= 2);
    QVERIFY2(qAbs(doubled.width() - 2 * marks.width()) <= 4,
        qPrintable(QStringLiteral("%1 %2").arg(marks.width()).arg(doubled.width())));
    QVERIFY(qAbs(doubled.height() - 2 * marks.height()) <= 4);
}

QTEST_MAIN(TestMatchDisplay)
#include "tst_matchdisplay.moc"
