#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
struct LiveSettings;

// The "Web Scoreboard" tab: Start/Stop of publishing, its status, and the service's page name,
// passcode and server address, which can be edited only while publishing is off.
class WebTab : public QWidget
{
    Q_OBJECT

public:
    explicit WebTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes the page name, the passcode and the server address.
    void store(LiveSettings &settings) const;

    // Shows the publishing state `WebSBFailCount`: -1 off, 0..5 on, 6 stopped after failures.
    void showStatus(qint16 failCount);
    void setEntriesEnabled(bool enabled);

    // What the boxes hold now, for a Start that tests them before they are confirmed.
    QString url() const;
    QString passCode() const;
    QString serviceAddress() const;

Q_SIGNALS:
    void startStopClicked();

private:
    void showPassCode(bool shown);

    QPushButton *m_cmdStartStopWebSB = nullptr;
    QLabel *m_lblWebSBStatus = nullptr;
    QLineEdit *m_txtWebSBURL = nullptr;
    QLineEdit *m_txtWebSBPassCode = nullptr;
    QLineEdit *m_txtWebSBServer = nullptr;
    QAction *m_actShowPassCode = nullptr;
};
