#pragma once

#include <QPointer>
#include <QWidget>

class frmScoreboard;
struct LiveSettings;

// The board as the audience sees it, drawn again at the size of this widget for the operator's
// console, with the focus marker and what is typed, which the audience's board leaves out.
// Redrawn whenever the board asks to be redrawn, never on a timer of its own.
class ConsolePreview final : public QWidget
{
    Q_OBJECT

public:
    ConsolePreview(frmScoreboard &board, const LiveSettings &settings, QWidget *parent = nullptr);

    // Where the board stands in this widget, scaled to fit and centred.
    QRectF boardArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<frmScoreboard> m_board;
    const LiveSettings &m_settings;
};
