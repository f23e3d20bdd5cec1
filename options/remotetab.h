#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
struct LiveSettings;

// The "Remote Control" tab: switching the remote control on, its port, the address and QR code
// a phone opens, the pairing code and a button for a new one, and how many devices are paired.
class RemoteTab : public QWidget
{
    Q_OBJECT

public:
    explicit RemoteTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes on/off and the port.
    void store(LiveSettings &settings) const;
    // Shows `code` as the pairing code and in the QR code.
    void showCode(const QString &code);
    void showDevices(int devices);
    // Whether the pairing code and its QR code are shown; hidden each time the dialog opens.
    bool codeShown() const;

Q_SIGNALS:
    void newCodeClicked();
    // The operator switched the remote control on (it takes effect on Ok).
    void switchedOn();

private:
    void showAddress();

    QCheckBox *m_chkRemote = nullptr;
    QSpinBox *m_txtPort = nullptr;
    QLabel *m_lblAddress = nullptr;
    QLabel *m_imgCode = nullptr;
    QLabel *m_lblCode = nullptr;
    QPushButton *m_cmdNewCode = nullptr;
    QPushButton *m_cmdShowCode = nullptr;
    QLabel *m_lblDevices = nullptr;
    QString m_code;
};
