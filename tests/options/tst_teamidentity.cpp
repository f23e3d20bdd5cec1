#include "startup/fonts.h"
#include "tests/support/optionsdriver.h"

#include <QImage>
#include <QLineEdit>

// Each team's identity on the texts page: the short name (at most four letters or digits, the
// name's first letters shown in its place while empty), the two colours through the picker, all
// saved on Ok; and the window grows for this page alone.
class TestTeamIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void onlyTheTextsPageGrowsTheWindow();
    void identitySavedOnOk();

private:
    std::unique_ptr<OptionsBench> m_bench;
};

namespace {

// The colour a team colour button shows, from the middle of its patch.
qint32 shownColor(frmOptions &dialog, const char *name)
{
    auto *button = find<QPushButton>(dialog, name);
    const QImage patch = button->icon().pixmap(button->iconSize()).toImage();
    return FromQColor(patch.pixelColor(patch.width() / 2, patch.height() / 2));
}

} // namespace

void TestTeamIdentity::initTestCase()
{
    InstallFontSubstitutions();
}

void TestTeamIdentity::init()
{
    m_bench = std::make_unique<OptionsBench>();
}

void TestTeamIdentity::onlyTheTextsPageGrowsTheWindow()
{
    auto dialog = m_bench->open();
    auto *tabs = find<QTabWidget>(*dialog, "sstOptions");
    auto *ok = find<QPushButton>(*dialog, "cmdOk");
    const QSize size = dialog->size();
    const QPoint okAt = ok->pos();
    QCOMPARE(size, QSize(370, 256));

    showTab(*dialog, 2);
    QVERIFY(dialog->height() > size.height());
    QCOMPARE(dialog->width(), size.width());
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    // The buttons move down with it and stay below the page.
    QCOMPARE(ok->x(), okAt.x());
    QCOMPARE(ok->y() - okAt.y(), dialog->height() - size.height());
    QVERIFY(ok->geometry().top() > tabs->geometry().bottom());
    // The names keep their places; everything on the page lies inside it.
    QWidget *page = tabs->widget(2);
    const QRect home(find<QLineEdit>(*dialog, "txtHomeText")->mapTo(page, QPoint(0, 0)),
        find<QLineEdit>(*dialog, "txtHomeText")->size());
    for (const QWidget *child : page->findChildren<QWidget *>()) {
        const QRect onPage(child->mapTo(page, QPoint(0, 0)), child->size());
        QVERIFY2(page->rect().contains(onPage), qPrintable(child->objectName()));
    }
    for (const QWidget *child : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY(dialog->rect().contains(child->geometry()));
    }

    // Every other page looks as it always did.
    for (int other : {0, 1, 3, 4, 5, 6, 0}) {
        showTab(*dialog, other);
        QCOMPARE(dialog->size(), size);
        QCOMPARE(ok->pos(), okAt);
    }
    showTab(*dialog, 2);
    QCOMPARE(QRect(find<QLineEdit>(*dialog, "txtHomeText")->mapTo(page, QPoint(0, 0)),
                 find<QLineEdit>(*dialog, "txtHomeText")->size()),
        home);
}

void TestTeamIdentity::identitySavedOnOk()
{
    m_bench->settings.HomeText = QStringLiteral("Rovers");
    m_bench->settings.GuestShort = QStringLiteral("A-Z!"); // stored by hand: shown as used
    m_bench->settings.HomeMainColor = 0x00010203;
    m_bench->settings.GuestSecondColor = 0x00040506;
    auto dialog = m_bench->open();
    showTab(*dialog, 2);
    auto *homeShort = find<QLineEdit>(*dialog, "txtHomeShort");
    auto *guestShort = find<QLineEdit>(*dialog, "txtGuestShort");
    QCOMPARE(homeShort->text(), QString());
    QCOMPARE(homeShort->placeholderText(), QStringLiteral("ROV"));
    QCOMPARE(guestShort->text(), QStringLiteral("AZ"));
    QCOMPARE(shownColor(*dialog, "cmdHomeMainC"), 0x00010203);
    QCOMPARE(shownColor(*dialog, "cmdGuestSecondC"), 0x00040506);

    // The placeholder follows the name as it is typed.
    auto *homeName = find<QLineEdit>(*dialog, "txtHomeText");
    homeName->selectAll();
    QTest::keyClicks(homeName, QStringLiteral("1. FC Nord"));
    QCOMPARE(homeShort->placeholderText(), QStringLiteral("1FC"));

    // Only letters and digits, four at most.
    QTest::keyClicks(homeShort, QStringLiteral("Ö 1-x!yz"));
    QCOMPARE(homeShort->text(), QStringLiteral("Ö1xy"));
    guestShort->clear();

    // Each button opens the picker at its colour; a cancelled pick changes nothing.
    m_bench->ui.colors = {0x00112233, std::nullopt, 0x00445566};
    press(*dialog, "cmdHomeMainC");
    press(*dialog, "cmdHomeSecondC");
    press(*dialog, "cmdGuestMainC");
    QCOMPARE(m_bench->ui.colorPickerStarts,
        (QList<qint32>{
            0x00010203, m_bench->settings.HomeSecondColor, m_bench->settings.GuestMainColor}));
    QCOMPARE(shownColor(*dialog, "cmdHomeMainC"), 0x00112233);
    QCOMPARE(shownColor(*dialog, "cmdGuestMainC"), 0x00445566);
    const qint32 homeSecond = m_bench->settings.HomeSecondColor;

    // Nothing is in force before Ok.
    QCOMPARE(m_bench->settings.HomeMainColor, 0x00010203);
    QCOMPARE(m_bench->settings.HomeShort, QString());
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.HomeShort, QStringLiteral("Ö1xy"));
    QCOMPARE(m_bench->settings.GuestShort, QString());
    QCOMPARE(m_bench->settings.HomeMainColor, 0x00112233);
    QCOMPARE(m_bench->settings.HomeSecondColor, homeSecond);
    QCOMPARE(m_bench->settings.GuestMainColor, 0x00445566);
    QCOMPARE(m_bench->settings.GuestSecondColor, 0x00040506);
    m_bench->store.sync();
    QCOMPARE(m_bench->store.value(QStringLiteral("TeamIdentity/HomeShort")).toString(),
        QStringLiteral("Ö1xy"));
    QCOMPARE(
        m_bench->store.value(QStringLiteral("TeamIdentity/GuestMainColor")).toInt(), 0x00445566);
}

QTEST_MAIN(TestTeamIdentity)

#include "tst_teamidentity.moc"
