#include "board/frmevents.h"
#include "languages/languages.h"
#include "layout/twips.h"
#include "options/captionframe.h"
#include "options/frmchoosekey.h"
#include "startup/fonts.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"
#include "tests/support/boardfixture.h"
#include "tests/support/optionsdriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

// Every window in every language: no text wider or taller than the box it is shown in, and no
// access key used twice in one window.

namespace {

QString plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

void checkLabel(const QLabel &label, QStringList &problems)
{
    if (label.text().isEmpty() || !label.pixmap().isNull()) {
        return;
    }
    const QString what = nameOf(&label) + QStringLiteral(" \"") + label.text() + u'"';
    const QFontMetrics metrics(label.font());
    if (!label.wordWrap()) {
        if (label.sizeHint().width() > label.width()) {
            problems << what + QStringLiteral(": too wide");
        }
        return;
    }
    if (label.heightForWidth(label.width()) > label.height()) {
        problems << what + QStringLiteral(": too many lines");
    }
    // Wrapping breaks between words; a word longer than the line runs out of the box.
    for (const QString &word : label.text().split(u' ', Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > label.contentsRect().width()) {
            problems << what + QStringLiteral(": the word \"") + word
                    + QStringLiteral("\" is too wide");
        }
    }
}

// The problems with the texts of `window` and everything in it.
QStringList checkWindow(QWidget &window)
{
    QStringList problems;
    QMap<QChar, QString> keys;
    const auto noteKey = [&](const QWidget *widget, const QString &text) {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text.at(i) != u'&') {
                continue;
            }
            if (text.at(i + 1) == u'&') {
                ++i;
                continue;
            }
            const QChar key = text.at(i + 1).toLower();
            if (keys.contains(key)) {
                problems << QStringLiteral("access key ") + key + QStringLiteral(" of ")
                        + nameOf(widget) + QStringLiteral(" is taken by ") + keys.value(key);
            }
            keys.insert(key, nameOf(widget));
            return;
        }
    };
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    for (QWidget *widget : widgets) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            checkLabel(*label, problems);
            if (label->buddy()) {
                noteKey(label, label->text());
            }
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            if (box->sizeHint().width() > box->width()) {
                problems << nameOf(box) + QStringLiteral(" \"") + box->text()
                        + QStringLiteral("\": too wide");
            }
            noteKey(box, box->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            // Room for the text inside the button's frame. A tool button that shows only its
            // icon draws no text: its text is what its tip and a screen reader say. A button
            // without text (a table's corner) has nothing to fit.
            const auto *tool = qobject_cast<QToolButton *>(button);
            const bool iconOnly = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
            const int room = button->width() - 4;
            if (!iconOnly && !button->text().isEmpty()
                && QFontMetrics(button->font()).horizontalAdvance(plain(button->text())) > room) {
                problems << nameOf(button) + QStringLiteral(" \"") + button->text()
                        + QStringLiteral("\": too wide");
            }
            noteKey(button, button->text());
        } else if (auto *frame = dynamic_cast<CaptionFrame *>(widget)) {
            const int caption
                = QFontMetrics(frame->font()).horizontalAdvance(frame->accessibleName());
            // Drawn from 8 px in, with 2 px either side.
            if (8 + caption + 4 > frame->width()) {
                problems << nameOf(frame) + QStringLiteral(" \"") + frame->accessibleName()
                        + QStringLiteral("\": too wide");
            }
        } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            if (tabs->tabBar()->sizeHint().width() > tabs->width()) {
                problems << QStringLiteral("the tabs do not fit in one row");
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (combo->sizeHint().width() > combo->width()) {
                problems << nameOf(combo) + QStringLiteral(": a choice is too wide");
            }
        }
    }
    return problems;
}

} // namespace

class TestLanguageFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyWindowFits_data();
    void everyWindowFits();
};

void TestLanguageFit::initTestCase()
{
    InstallFontSubstitutions();
}

void TestLanguageFit::everyWindowFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString &language : QStringLiteral(VARNELO_TRANSLATIONS).split(u',')) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestLanguageFit::everyWindowFits()
{
    QFETCH(QString, language);
    Translations translations;
    const bool installed = translations.install(language);
    // A translator at work tries a catalogue fresh from lrelease without building the program.
    QTranslator trial;
    const QString trials = qEnvironmentVariable("VARNELO_TRIAL_CATALOGUES");
    if (!trials.isEmpty()) {
        QVERIFY(trial.load(QStringLiteral("varnelo_") + language, trials));
        QCoreApplication::installTranslator(&trial);
    } else {
        QVERIFY(installed);
    }
    QStringList problems;
    const auto check = [&problems](const QString &window, QWidget &widget) {
        for (const QString &problem : checkWindow(widget)) {
            problems << window + QStringLiteral(": ") + problem;
        }
    };

    OptionsBench bench;
    {
        auto options = bench.open();
        check(QStringLiteral("options"), *options);
        // Publishing on shows the other caption of Start.
        bench.web.switchPublishing(0);
        options->UpdateWebSBStatus();
        check(QStringLiteral("options, publishing"), *options);
    }
    for (const char *action : {"start / stop the clock", "reset the clock", "sound the buzzer"}) {
        ChooseKey shared;
        shared.ChooseKeyAction = QCoreApplication::translate("KeysTab", action);
        frmChooseKey capture(shared, {115, 114, 98}, bench.ui);
        check(QStringLiteral("key capture"), capture);
        capture.findChild<QLabel *>(QStringLiteral("lblUsed"))->show();
        check(QStringLiteral("key capture, refused"), capture);
    }
    frmHelp help;
    check(QStringLiteral("help"), help);
    {
        frmSplash splash(bench.settings, bench.web, bench.store, bench.ui, QString(), {}, {}, {});
        check(QStringLiteral("splash"), splash);
    }
    BoardFixture fixture;
    frmScoreboard &board = fixture.openBoard();
    board.resize(TwipsToPixels(9600), TwipsToPixels(7200));
    for (const QString &name : {QStringLiteral("lblPeriod"), QStringLiteral("lblShotsH"),
             QStringLiteral("lblCKH"), QStringLiteral("lblSavesH")}) {
        const auto *label = board.findChild<QLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        if (QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width()) {
            problems << QStringLiteral("board: ") + name + QStringLiteral(" \"") + label->text()
                    + QStringLiteral("\": too wide");
        }
    }
    // The events window, with an event in every kind of row it shows.
    QVERIFY(board.scoreboardGame().nextPhase());
    QVERIFY(board.scoreboardGame().setFigure(Figure::ScoreH, 1));
    board.showEventsWindow();
    check(QStringLiteral("events"), *board.eventsWindow());
    // A screen reader says the captions in full, however the board shortens them.
    for (const DigitGroup *group : board.findChildren<DigitGroup *>()) {
        if (group->accessibleName().contains(u'.')) {
            problems << QStringLiteral("board: a screen reader says \"") + group->accessibleName()
                    + u'"';
        }
    }
    // One line each: a single message would be cut short.
    for (const QString &problem : std::as_const(problems)) {
        qWarning().noquote() << problem;
    }
    QVERIFY2(problems.isEmpty(), "the problems are listed above");
}

QTEST_MAIN(TestLanguageFit)
#include "tst_languagefit.moc"
