#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The overlay for streams, from the remote control's page: switching it on (with the options'
// Ok), its token and a button for a new one (at once), and the addresses of its pages, which
// the operator copies into the streaming program as browser sources.
class OverlayDialog final : public QDialog
{
    Q_OBJECT

public:
    // `port` is the remote control's, as the page shows it now.
    explicit OverlayDialog(quint16 port, QWidget *parent = nullptr);

    void setOverlayOn(bool on);
    bool overlayOn() const;
    // Shows `token` and the pages' addresses made with it; none while it is empty.
    void showToken(const QString &token);
    QString urls() const;

Q_SIGNALS:
    // The operator switched the overlay on: a token is wanted at once, to copy the addresses.
    void switchedOn();
    void newTokenClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QCheckBox *m_chkOverlay = nullptr;
    QLabel *m_lblToken = nullptr;
    QPushButton *m_cmdNewToken = nullptr;
    QPlainTextEdit *m_txtUrls = nullptr;
    quint16 m_port = 0;
};
