#include "overlaydialog.h"

#include "remote/remotecontrol.h"
#include "ui/operatorscreen.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

OverlayDialog::OverlayDialog(quint16 port, QWidget *parent)
    : QDialog(parent)
    , m_port(port)
{
    setWindowTitle(tr("Overlay for Streams"));
    auto *layout = new QGridLayout(this);
    m_chkOverlay = new QCheckBox(tr("Overlay for streams"));
    m_chkOverlay->setObjectName(QStringLiteral("chkOverlay"));
    layout->addWidget(m_chkOverlay, 0, 0, 1, 3);
    auto *hint = new QLabel(tr("Add each page to the streaming program as a browser source. The "
                               "pages read the board; they cannot change it."));
    hint->setWordWrap(true);
    layout->addWidget(hint, 1, 0, 1, 3);

    auto *tokenCaption = new QLabel(tr("Overlay token:"));
    m_lblToken = new QLabel;
    m_lblToken->setObjectName(QStringLiteral("lblOverlayToken"));
    m_lblToken->setTextFormat(Qt::PlainText);
    m_lblToken->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tokenCaption->setBuddy(m_lblToken);
    m_cmdNewToken = new QPushButton(tr("New Overlay Token"));
    m_cmdNewToken->setObjectName(QStringLiteral("cmdNewOverlayToken"));
    m_cmdNewToken->setAutoDefault(false);
    connect(m_cmdNewToken, &QPushButton::clicked, this, &OverlayDialog::newTokenClicked);
    layout->addWidget(tokenCaption, 2, 0);
    layout->addWidget(m_lblToken, 2, 1);
    layout->addWidget(m_cmdNewToken, 2, 2);

    auto *urlsCaption = new QLabel(tr("Pages:"));
    m_txtUrls = new QPlainTextEdit;
    m_txtUrls->setObjectName(QStringLiteral("txtOverlayUrls"));
    m_txtUrls->setAccessibleName(tr("Addresses of the overlay pages"));
    m_txtUrls->setReadOnly(true);
    m_txtUrls->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtUrls->setTabChangesFocus(true);
    urlsCaption->setBuddy(m_txtUrls);
    layout->addWidget(urlsCaption, 3, 0, 1, 3);
    layout->addWidget(m_txtUrls, 4, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 5, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(m_chkOverlay, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            Q_EMIT switchedOn();
        }
    });
    showToken({});
    resize(560, 320);
}

void OverlayDialog::setOverlayOn(bool on)
{
    // Loading is no switching on.
    const QSignalBlocker quiet(m_chkOverlay);
    m_chkOverlay->setChecked(on);
}

bool OverlayDialog::overlayOn() const
{
    return m_chkOverlay->isChecked();
}

void OverlayDialog::showToken(const QString &token)
{
    m_lblToken->setText(token.isEmpty() ? tr("(made when switched on)") : token);
    m_txtUrls->setPlainText(
        token.isEmpty() ? QString() : OverlayUrls(m_port, token).join(QLatin1Char('\n')));
}

QString OverlayDialog::urls() const
{
    return m_txtUrls->toPlainText();
}

void OverlayDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlaceForOperator(*this);
}
