#include "focusmarker.h"

#include "board/digitgroup.h"
#include "game/modsoccer.h"
#include "settings/livesettings.h"
#include "ui/colors.h"

#include <QPainter>

namespace {

// Thick enough to be seen from the operator's seat, thin enough to cover no digit: the LED
// digits stand well inside their group.
constexpr int LineWidth = 3;

int tagHeight(const QFont &font)
{
    return QFontMetrics(font).height() + 2;
}

} // namespace

FocusMarker::FocusMarker(QWidget *board)
    : QWidget(board)
{
    setObjectName(QStringLiteral("focusMarker"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMarker::mark(QWidget *target, const QString &entry, qint32 lineColor, qint32 textColor)
{
    m_target = target;
    m_entry = entry;
    m_lineColor = lineColor;
    m_textColor = textColor;
    if (!target) {
        hide();
        return;
    }
    QRect frame(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
    frame.adjust(-LineWidth, -LineWidth, LineWidth, LineWidth);
    if (!entry.isEmpty()) {
        frame.setBottom(frame.bottom() + tagHeight(font()));
    }
    setGeometry(frame);
    raise();
    show();
    update();
}

void FocusMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor line = ToQColor(m_lineColor);
    const int tag = m_entry.isEmpty() ? 0 : tagHeight(font());
    const QRect box = rect().adjusted(0, 0, 0, -tag);
    painter.setPen(QPen(line, LineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const int half = LineWidth / 2;
    painter.drawRect(box.adjusted(half, half, -half - 1, -half - 1));
    if (tag > 0) {
        const QString shown = m_entry + QLatin1Char('_');
        const int width = QFontMetrics(font()).horizontalAdvance(shown) + 8;
        const QRect label(0, box.bottom() + 1, qMin(width, rect().width()), tag);
        painter.fillRect(label, line);
        painter.setPen(ToQColor(m_textColor));
        painter.drawText(label, Qt::AlignCenter, shown);
    }
}

void MarkFocusedFigure(
    FocusMarker &marker, QWidget *focused, const GameState &game, const LiveSettings &settings)
{
    auto *figure = qobject_cast<DigitGroup *>(focused);
    if (!settings.ShowFocusMarker || !figure) {
        marker.mark(nullptr, QString(), 0, 0);
        return;
    }
    QString entry;
    for (const EntryRecord *record : {&game.ClockEntry, &game.NumberEntry}) {
        if (record->owner == figure->groupName()) {
            entry = record->text;
            break;
        }
    }
    marker.mark(figure, entry, settings.TextColor, settings.FormColor);
}
