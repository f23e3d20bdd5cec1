#include "teamsheetsdialog.h"

#include "settings/settingsstore.h"
#include "ui/operatorscreen.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

QPlainTextEdit *sheetBox(const char *name, const QString &team)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(team);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    //: Shown in an empty team sheet: how a line is written.
    box->setPlaceholderText(TeamSheetsDialog::tr("9 Alex Morgan"));
    // Pasting a whole file in keeps no more than the settings keep.
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] {
        if (box->document()->characterCount() > StoredTeamSheetMax + 1) {
            const QString text = box->toPlainText();
            box->setPlainText(text.left(StoredTeamSheetMax));
            box->moveCursor(QTextCursor::End);
        }
    });
    return box;
}

} // namespace

TeamSheetsDialog::TeamSheetsDialog(
    const QString &homeTeam, const QString &guestTeam, QWidget *parent)
    : QDialog(parent)
    , m_home(sheetBox("txtHomeSheet", homeTeam))
    , m_guest(sheetBox("txtGuestSheet", guestTeam))
{
    setWindowTitle(tr("Team Sheets"));
    auto *layout = new QGridLayout(this);
    auto *hint = new QLabel(tr("One line per player: the shirt number, then the name."));
    hint->setWordWrap(true);
    layout->addWidget(hint, 0, 0, 1, 2);
    auto *homeLabel = new QLabel(homeTeam);
    homeLabel->setTextFormat(Qt::PlainText);
    homeLabel->setBuddy(m_home);
    auto *guestLabel = new QLabel(guestTeam);
    guestLabel->setTextFormat(Qt::PlainText);
    guestLabel->setBuddy(m_guest);
    layout->addWidget(homeLabel, 1, 0);
    layout->addWidget(guestLabel, 1, 1);
    layout->addWidget(m_home, 2, 0);
    layout->addWidget(m_guest, 2, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 2);
    resize(520, 420);
}

void TeamSheetsDialog::setSheets(const QString &home, const QString &guest)
{
    m_home->setPlainText(home.left(StoredTeamSheetMax));
    m_guest->setPlainText(guest.left(StoredTeamSheetMax));
}

QString TeamSheetsDialog::homeSheet() const
{
    return m_home->toPlainText();
}

QString TeamSheetsDialog::guestSheet() const
{
    return m_guest->toPlainText();
}

void TeamSheetsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlaceForOperator(*this);
}
