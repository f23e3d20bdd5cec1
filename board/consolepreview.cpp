#include "consolepreview.h"

#include "board/focusmarker.h"
#include "board/frmscoreboard.h"
#include "settings/livesettings.h"
#include "ui/colors.h"

#include <QEvent>
#include <QPainter>

ConsolePreview::ConsolePreview(frmScoreboard &board, const LiveSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_board(&board)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("consolePreview"));
    setAccessibleName(tr("The board as the audience sees it"));
    setMinimumSize(320, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Every change to the board's drawing, of any of its pieces, comes to its window as a
    // request to update it.
    board.installEventFilter(this);
    connect(&board, &frmScoreboard::focusMarkChanged, this, qOverload<>(&QWidget::update));
}

QRectF ConsolePreview::boardArea() const
{
    if (!m_board || m_board->width() <= 0 || m_board->height() <= 0) {
        return {};
    }
    const qreal scale
        = qMin(qreal(width()) / m_board->width(), qreal(height()) / m_board->height());
    QRectF area(0, 0, m_board->width() * scale, m_board->height() * scale);
    area.moveCenter(QRectF(rect()).center());
    return area;
}

void ConsolePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF area = boardArea();
    if (area.isEmpty()) {
        return;
    }
    // At the board's own size not a pixel moves, so the preview shows exactly what is shown.
    const qreal scale = area.width() / m_board->width();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    m_board->render(
        &painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    QWidget *figure = m_board->markShownElsewhere() ? m_board->markedFigure() : nullptr;
    if (figure) {
        const QString entry = m_board->focusedEntry();
        const QFont font = m_board->font();
        PaintFocusMark(painter, FocusMarkFrame(*figure, *m_board, entry, font), entry,
            ToQColor(m_settings.TextColor), ToQColor(m_settings.FormColor), font);
    }
}

bool ConsolePreview::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
