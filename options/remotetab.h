#pragma once

#include <QWidget>

class OverlayDialog;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
struct LiveSettings;

// The "Remote Control" tab: switching the remote control on, its port, the address and QR code
// a phone opens, the pairing code and a button for a new one, and how many devices are paired;
// and a button to the overlay for streams, which the same server serves.
class RemoteTab : public QWidget
{
    Q_OBJECT

public:
    explicit RemoteTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes on/off, the port and whether the overlay is on.
    void store(LiveSettings &settings) const;
    // Shows `code` as the pairing code and in the QR code.
    void showCode(const QString &code);
    void showDevices(int devices);
    // Whether the pairing code and its QR code are shown; hidden each time the dialog opens.
    bool codeShown() const;
    // Shows `token` as the overlay's, in the overlay's dialog if open.
    void showOverlayToken(const QString &token);

Q_SIGNALS:
    void newCodeClicked();
    // The operator switched the remote control on (it takes effect on Ok).
    void switchedOn();
    void newOverlayTokenClicked();
    // The operator switched the overlay on (it takes effect on Ok).
    void overlaySwitchedOn();

private:
    void showAddress();
    void editOverlay();

    QCheckBox *m_chkRemote = nullptr;
    QSpinBox *m_txtPort = nullptr;
    QLabel *m_lblAddress = nullptr;
    QLabel *m_imgCode = nullptr;
    QLabel *m_lblCode = nullptr;
    QPushButton *m_cmdNewCode = nullptr;
    QPushButton *m_cmdShowCode = nullptr;
    QLabel *m_lblDevices = nullptr;
    QPushButton *m_cmdOverlay = nullptr;
    QString m_code;
    bool m_overlayOn = false;
    QString m_overlayToken;
    OverlayDialog *m_overlayDialog = nullptr;
};
