#include "remotetab.h"

#include "designhelpers.h"
#include "overlaydialog.h"
#include "remote/pairingcode.h"
#include "remote/qrcode.h"
#include "remote/remotecontrol.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

RemoteTab::RemoteTab(QWidget *parent)
    : QWidget(parent)
{
    m_chkRemote = PlaceTwips<QCheckBox>(
        this, 240, 480, 3300, 300, tr("Run the board from a phone or tablet"));
    m_chkRemote->setObjectName(QStringLiteral("chkRemote"));

    PlaceCaption(this, tr("Port:"), 240, 870, 600, 255);
    m_txtPort = PlaceTwips<QSpinBox>(this, 840, 810, 1095, 375);
    m_txtPort->setObjectName(QStringLiteral("txtRemotePort"));
    m_txtPort->setRange(1024, 65535);
    m_txtPort->setAccessibleName(tr("Remote control port"));
    connect(m_txtPort, &QSpinBox::valueChanged, this, &RemoteTab::showAddress);
    PlaceCaption(this, tr("Applies on Ok."), 2040, 870, 1560, 255)->setWordWrap(false);

    PlaceCaption(this, tr("Open on the phone, or scan the code:"), 240, 1290, 3360, 255);
    m_lblAddress = PlaceTwips<QLabel>(this, 240, 1530, 3360, 345);
    m_lblAddress->setObjectName(QStringLiteral("lblRemoteAddress"));
    m_lblAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StyleAsField(*m_lblAddress);

    PlaceCaption(this, tr("Pairing code:"), 240, 2010, 1335, 255);
    m_lblCode = PlaceTwips<QLabel>(this, 240, 2250, 2175, 345);
    m_lblCode->setObjectName(QStringLiteral("lblRemoteCode"));
    m_lblCode->setFont(DesignFont(DefaultFontFamily, DefaultFontPoints, true));
    m_lblCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StyleAsField(*m_lblCode);
    m_cmdNewCode = PlaceTwips<QPushButton>(this, 2520, 2235, 1080, 375, tr("New Code"));
    m_cmdNewCode->setObjectName(QStringLiteral("cmdNewCode"));
    m_cmdNewCode->setAccessibleName(tr("New pairing code"));
    connect(m_cmdNewCode, &QPushButton::clicked, this, &RemoteTab::newCodeClicked);

    // Whoever sees the code can run the board, and the dialog may be on the audience's screen:
    // the code and its QR code show only when the operator asks.
    m_cmdShowCode = PlaceTwips<QPushButton>(this, 3720, 2235, 1440, 375, tr("Show Code"));
    m_cmdShowCode->setObjectName(QStringLiteral("cmdShowCode"));
    m_cmdShowCode->setCheckable(true);
    connect(m_cmdShowCode, &QPushButton::toggled, this, [this](bool shown) {
        m_cmdShowCode->setText(shown ? tr("Hide Code") : tr("Show Code"));
        showCode(m_code);
    });

    // Switching the remote control on is asking for its code: it is made, and shown, at once.
    connect(m_chkRemote, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            Q_EMIT switchedOn();
            m_cmdShowCode->setChecked(true);
        }
    });

    m_lblDevices = PlaceCaption(this, QString(), 240, 2730, 3360, 255);
    m_lblDevices->setObjectName(QStringLiteral("lblRemoteDevices"));

    // The overlay has a dialog of its own: the page has no room for its addresses.
    m_cmdOverlay = PlaceTwips<QPushButton>(this, 3720, 2670, 1440, 375, tr("Overlay…"));
    m_cmdOverlay->setObjectName(QStringLiteral("cmdOverlay"));
    m_cmdOverlay->setAccessibleName(tr("Overlay for streams"));
    connect(m_cmdOverlay, &QPushButton::clicked, this, &RemoteTab::editOverlay);

    m_imgCode = PlaceTwips<QLabel>(this, 3720, 480, 1440, 1440);
    m_imgCode->setObjectName(QStringLiteral("imgRemoteCode"));
    m_imgCode->setAlignment(Qt::AlignCenter);
    m_imgCode->setAccessibleName(tr("QR code of the remote control's address"));
    showDevices(0);
}

void RemoteTab::load(const LiveSettings &settings)
{
    // Loading is no switching on: the code stays hidden.
    const QSignalBlocker quiet(m_chkRemote);
    m_chkRemote->setChecked(settings.RemoteEnabled == 1);
    m_txtPort->setValue(RemotePortOf(settings));
    showCode(settings.RemoteCode);
    m_overlayOn = settings.OverlayEnabled == 1;
    m_overlayToken = settings.OverlayToken;
}

void RemoteTab::store(LiveSettings &settings) const
{
    settings.RemoteEnabled = m_chkRemote->isChecked() ? 1 : 0;
    settings.RemotePort = m_txtPort->value();
    settings.OverlayEnabled = m_overlayOn ? 1 : 0;
}

void RemoteTab::showOverlayToken(const QString &token)
{
    m_overlayToken = token;
    if (m_overlayDialog) {
        m_overlayDialog->showToken(token);
    }
}

void RemoteTab::editOverlay()
{
    OverlayDialog dialog(static_cast<quint16>(m_txtPort->value()), this);
    dialog.setObjectName(QStringLiteral("dlgOverlay"));
    dialog.setOverlayOn(m_overlayOn);
    dialog.showToken(m_overlayToken);
    connect(&dialog, &OverlayDialog::switchedOn, this, &RemoteTab::overlaySwitchedOn);
    connect(&dialog, &OverlayDialog::newTokenClicked, this, &RemoteTab::newOverlayTokenClicked);
    m_overlayDialog = &dialog;
    if (dialog.exec() == QDialog::Accepted) {
        m_overlayOn = dialog.overlayOn();
    }
    m_overlayDialog = nullptr;
}

void RemoteTab::showCode(const QString &code)
{
    m_code = code;
    QString shown = GroupedPairingCode(code);
    if (!codeShown()) {
        for (QChar &c : shown) {
            c = c == QLatin1Char('-') ? c : QChar(u'\u2022');
        }
    }
    m_lblCode->setText(code.isEmpty() ? tr("(made when switched on)") : shown);
    showAddress();
}

bool RemoteTab::codeShown() const
{
    return m_cmdShowCode->isChecked();
}

void RemoteTab::showDevices(int devices)
{
    m_lblDevices->setText(
        devices == 1 ? tr("1 device connected") : tr("%1 devices connected").arg(devices));
}

void RemoteTab::showAddress()
{
    const auto port = static_cast<quint16>(m_txtPort->value());
    m_lblAddress->setText(RemoteAddress(port));
    const QImage image
        = m_code.isEmpty() || !codeShown() ? QImage() : QrCodeImage(PairingUrl(port, m_code), 1);
    if (image.isNull()) {
        m_imgCode->clear();
        return;
    }
    // Whole pixels per module, as large as the box allows, so that a camera reads it crisply.
    const int scale = std::max(1, m_imgCode->width() / image.width());
    m_imgCode->setPixmap(QPixmap::fromImage(image.scaled(image.size() * scale)));
}
