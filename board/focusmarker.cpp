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
    const QRect frame = FocusMarkFrame(*target, *parentWidget(), entry, font());
    setGeometry(frame);
    raise();
    show();
    update();
}

void FocusMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintFocusMark(painter, rect(), m_entry, ToQColor(m_lineColor), ToQColor(m_textColor), font());
}

QRect FocusMarkFrame(
    const QWidget &target, const QWidget &board, const QString &entry, const QFont &font)
{
    QRect frame(target.mapTo(&board, QPoint(0, 0)), target.size());
    frame.adjust(-LineWidth, -LineWidth, LineWidth, LineWidth);
    if (!entry.isEmpty()) {
        frame.setBottom(frame.bottom() + tagHeight(font));
    }
    return frame;
}

void PaintFocusMark(QPainter &painter, const QRect &frame, const QString &entry, const QColor &line,
    const QColor &text, const QFont &font)
{
    painter.save();
    painter.translate(frame.topLeft());
    const QRect area(QPoint(0, 0), frame.size());
    const int tag = entry.isEmpty() ? 0 : tagHeight(font);
    const QRect box = area.adjusted(0, 0, 0, -tag);
    painter.setPen(QPen(line, LineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const int half = LineWidth / 2;
    painter.drawRect(box.adjusted(half, half, -half - 1, -half - 1));
    if (tag > 0) {
        const QString shown = entry + QLatin1Char('_');
        const int width = QFontMetrics(font).horizontalAdvance(shown) + 8;
        const QRect label(0, box.bottom() + 1, qMin(width, area.width()), tag);
        painter.fillRect(label, line);
        painter.setPen(text);
        painter.setFont(font);
        painter.drawText(label, Qt::AlignCenter, shown);
    }
    painter.restore();
}

QString TypedInto(const QWidget &figure, const GameState &game)
{
    const auto *group = qobject_cast<const DigitGroup *>(&figure);
    if (!group) {
        return {};
    }
    for (const EntryRecord *record : {&game.ClockEntry, &game.NumberEntry}) {
        if (record->owner == group->groupName()) {
            return record->text;
        }
    }
    return {};
}

FocusMarkContent FocusMark(QWidget *focused, const GameState &game, const LiveSettings &settings)
{
    auto *figure = qobject_cast<DigitGroup *>(focused);
    if (!settings.ShowFocusMarker || !figure) {
        return {};
    }
    return {figure, TypedInto(*figure, game)};
}

void MarkFocusedFigure(
    FocusMarker &marker, QWidget *focused, const GameState &game, const LiveSettings &settings)
{
    const FocusMarkContent mark = FocusMark(focused, game, settings);
    marker.mark(mark.target, mark.entry, settings.TextColor, settings.FormColor);
}
