#include "frmchoosekey.h"

#include "designhelpers.h"
#include "ui/operatorscreen.h"
#include "ui/uiservices.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

frmChooseKey::frmChooseKey(
    ChooseKey &shared, const KeyBindings &shownKeys, UiServices &ui, QWidget *parent)
    : QDialog(parent, FixedDialogFlags)
    , m_shared(shared)
    , m_shownKeys(shownKeys)
    , m_ui(ui)
{
    setWindowTitle(tr("Choose Key"));
    setFont(DefaultDesignFont());
    setFixedSize(TwipsToPixels(4680), TwipsToPixels(2625));

    m_lblChoose = PlaceTwips<QLabel>(this, 120, 120, 4335, 855);
    m_lblChoose->setObjectName(QStringLiteral("lblChoose"));
    m_lblChoose->setFont(DesignFont(QStringLiteral("Times New Roman"), 18));
    m_lblChoose->setWordWrap(true);
    m_lblChoose->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_lblUsed = PlaceTwips<QLabel>(
        this, 53, 1080, 4575, 855, tr("This key is already in use, please choose another."));
    m_lblUsed->setObjectName(QStringLiteral("lblUsed"));
    m_lblUsed->setFont(DesignFont(QStringLiteral("Arial"), 18));
    m_lblUsed->setWordWrap(true);
    m_lblUsed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette warning = m_lblUsed->palette();
    warning.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_lblUsed->setPalette(warning);
    m_lblUsed->hide();

    m_cmdCancel = PlaceTwips<QPushButton>(this, 1733, 2160, 1215, 375, tr("&Cancel"));
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setDefault(true);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel is the only control that takes the focus; what is typed on it is a key choice too.
    m_cmdCancel->installEventFilter(this);

    Load();
}

void frmChooseKey::Load()
{
    //: %1 is what the key will do, as the options' Change button says it ("sound the buzzer").
    m_lblChoose->setText(tr("Press the key you would like to %1.").arg(m_shared.ChooseKeyAction));
    m_shared.ChooseKeyResult = QStringLiteral("0");
}

bool frmChooseKey::handleKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_cmdCancel->click();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString text = event.text();
    // A character outside the 16-bit range has no single code to bind.
    if (text.isEmpty() || text.front().isNull() || text.front().isSurrogate()) {
        return false;
    }
    const qint16 code = TypedKeyCodes(text).front();
    if (!MayBindKey(code, m_shared.ChooseKeyCurrent, m_shownKeys)) {
        m_lblUsed->show();
        // Seen in red and heard as a beep; a screen reader is told the words as well.
        QAccessibleEvent alert(m_lblUsed, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        m_ui.beep();
        return true;
    }
    m_lblUsed->hide();
    m_shared.ChooseKeyResult = QString::number(code);
    accept();
    return true;
}

void frmChooseKey::showEvent(QShowEvent *event)
{
    CentreOverOwner(*this);
    PlaceForOperator(*this);
    QDialog::showEvent(event);
}

void frmChooseKey::keyPressEvent(QKeyEvent *event)
{
    // Not handed to QDialog: its Enter and Escape handling is replaced by pressing Cancel.
    if (!handleKey(*event)) {
        event->ignore();
    }
}

bool frmChooseKey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cmdCancel && event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            return false;
        }
        // Taken whatever it is, so that Space never presses the button.
        handleKey(*keyEvent);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
