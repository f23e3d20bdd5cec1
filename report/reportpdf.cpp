#include "reportdata.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

// The PDF's texts, in the operator's language: the running translator's "MatchReport" texts.
class PdfReport
{
    Q_DECLARE_TR_FUNCTIONS(MatchReport)

public:
    explicit PdfReport(const ReportData &report)
        : m_report(report)
        //: The locale the report's date is written in: this language's own.
        , m_locale(tr("en_GB"))
    {
    }

    QString html() const;

private:
    QString teamName(Team team) const
    {
        return (team == Team::Home ? m_report.home : m_report.visitor).toHtmlEscaped();
    }
    static QString score(const ReportScore &score)
    {
        // Kept on one line.
        return QStringLiteral("%1\u00a0–\u00a0%2").arg(score.home).arg(score.visitor);
    }
    static QString phaseName(Phase phase);
    static QString cardName(EventKind kind);
    static QString player(const MatchEvent &event);
    QString wallTime(qint64 msecs) const;
    QString heading() const;
    QString scoreLines() const;
    QString goals() const;
    QString cards() const;
    QString shootout() const;
    QString statistics() const;
    QString phases() const;

    const ReportData &m_report;
    QLocale m_locale;
};

QString cell(const QString &text, const char *style = "")
{
    return QStringLiteral("<td style=\"%1\">%2</td>").arg(QLatin1String(style), text);
}

QString headCell(const QString &text)
{
    return QStringLiteral("<th align=\"left\">%1</th>").arg(text.toHtmlEscaped());
}

// A table with a rule under its heading row; no shading, so that it prints in black and white.
QString table(const QString &title, const QStringList &heads, const QStringList &rows)
{
    QString html = QStringLiteral("<h3>%1</h3><table width=\"100%\" cellspacing=\"0\" "
                                  "cellpadding=\"2\" style=\"border-collapse: collapse\"><tr>")
                       .arg(title.toHtmlEscaped());
    for (const QString &head : heads) {
        html += headCell(head);
    }
    html += QStringLiteral("</tr>");
    for (const QString &row : rows) {
        html += QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString PdfReport::phaseName(Phase phase)
{
    switch (phase) {
    case Phase::PreMatch:
        return tr("Before kick-off");
    case Phase::FirstHalf:
        return tr("First half");
    case Phase::HalfTime:
        return tr("Half-time");
    case Phase::SecondHalf:
        return tr("Second half");
    case Phase::ExtraTimeFirstHalf:
        return tr("Extra time, first half");
    case Phase::ExtraTimeHalfTime:
        return tr("Extra time, break");
    case Phase::ExtraTimeSecondHalf:
        return tr("Extra time, second half");
    case Phase::Penalties:
        return tr("Penalties");
    case Phase::FullTime:
        return tr("Full time");
    }
    return {};
}

QString PdfReport::cardName(EventKind kind)
{
    switch (kind) {
    case EventKind::Yellow:
        return tr("Yellow card");
    case EventKind::SecondYellow:
        //: The second yellow card to a player, which sends him or her off.
        return tr("Second yellow");
    case EventKind::Red:
        return tr("Red card");
    case EventKind::Goal:
        break;
    }
    return {};
}

QString PdfReport::player(const MatchEvent &event)
{
    QString text = event.player;
    if (!event.name.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + event.name;
    }
    return text.toHtmlEscaped();
}

QString PdfReport::wallTime(qint64 msecs) const
{
    if (msecs == 0) {
        return {};
    }
    return QDateTime::fromMSecsSinceEpoch(msecs).time().toString(QStringLiteral("HH:mm"));
}

QString PdfReport::heading() const
{
    //: The match report's title when the board has no title text.
    const QString title = m_report.title.trimmed().isEmpty() ? tr("Match report") : m_report.title;
    QString html = QStringLiteral("<h1 align=\"center\">%1</h1>").arg(title.toHtmlEscaped());
    if (m_report.kickOff != 0) {
        const QDateTime kickOff = QDateTime::fromMSecsSinceEpoch(m_report.kickOff);
        //: %1 is the date, %2 the time of the kick-off.
        html += QStringLiteral("<p align=\"center\">%1</p>")
                    .arg(tr("%1, kick-off %2")
                             .arg(m_locale.toString(kickOff.date(), QLocale::LongFormat),
                                 kickOff.time().toString(QStringLiteral("HH:mm")))
                             .toHtmlEscaped());
    }
    return html;
}

QString PdfReport::scoreLines() const
{
    QString html = QStringLiteral("<table width=\"100%\" cellpadding=\"4\"><tr>"
                                  "<td width=\"42%\" align=\"right\" style=\"font-size: 14pt\">"
                                  "<b>%1</b></td><td width=\"16%\" align=\"center\" "
                                  "style=\"font-size: 20pt\"><b>%2</b></td>"
                                  "<td width=\"42%\" style=\"font-size: 14pt\"><b>%3</b></td>"
                                  "</tr></table>")
                       .arg(teamName(Team::Home), score(m_report.final), teamName(Team::Visitor));
    QStringList details;
    if (m_report.halfTime) {
        details << tr("Half-time %1").arg(score(*m_report.halfTime));
    }
    if (m_report.after90) {
        details << tr("after 90 minutes %1").arg(score(*m_report.after90));
    }
    if (m_report.after120) {
        details << tr("after 120 minutes %1").arg(score(*m_report.after120));
    }
    if (m_report.shootout) {
        details << tr("penalties %1").arg(score(*m_report.shootout));
    }
    if (!details.isEmpty()) {
        html += QStringLiteral("<p align=\"center\">(%1)</p>")
                    .arg(details.join(QStringLiteral("; ")).toHtmlEscaped());
    }
    return html;
}

QString PdfReport::goals() const
{
    QStringList rows;
    for (const MatchEvent &goal : m_report.goals) {
        rows << cell(goal.minute.toHtmlEscaped()) + cell(teamName(goal.team)) + cell(player(goal));
    }
    if (rows.isEmpty()) {
        return {};
    }
    return table(tr("Goals"), {tr("Minute"), tr("Team"), tr("Scorer")}, rows);
}

QString PdfReport::cards() const
{
    QStringList rows;
    for (const MatchEvent &card : m_report.cards) {
        rows << cell(card.minute.toHtmlEscaped()) + cell(teamName(card.team))
                + cell(cardName(card.kind).toHtmlEscaped()) + cell(player(card));
    }
    if (rows.isEmpty()) {
        return {};
    }
    return table(tr("Cards"), {tr("Minute"), tr("Team"), tr("Card"), tr("Player")}, rows);
}

QString PdfReport::shootout() const
{
    if (!m_report.shootout) {
        return {};
    }
    // Ticks and crosses, as shoot-out sheets mark them: shapes that read in black and white.
    const auto kicks = [](const QList<bool> &taken) {
        QStringList marks;
        for (const bool scored : taken) {
            marks << (scored ? QStringLiteral("\u2713") : QStringLiteral("\u2717"));
        }
        return marks.join(u' ');
    };
    return table(tr("Penalty shoot-out"), {tr("Team"), tr("Kicks"), tr("Scored")},
        {cell(teamName(Team::Home)) + cell(kicks(m_report.homeKicks).toHtmlEscaped())
                + cell(QString::number(m_report.shootout->home)),
            cell(teamName(Team::Visitor)) + cell(kicks(m_report.visitorKicks).toHtmlEscaped())
                + cell(QString::number(m_report.shootout->visitor))});
}

QString PdfReport::statistics() const
{
    const char *const names[] = {
        QT_TR_NOOP("Shots"),
        QT_TR_NOOP("Corner kicks"),
        QT_TR_NOOP("Saves"),
    };
    QStringList rows;
    for (qsizetype i = 0; i < m_report.statistics.size() && i < qsizetype(std::size(names)); ++i) {
        const ReportScore &value = m_report.statistics.at(i).value;
        rows << cell(tr(names[i])) + cell(QString::number(value.home))
                + cell(QString::number(value.visitor));
    }
    return table(tr("Statistics"), {QString(), m_report.home, m_report.visitor}, rows);
}

QString PdfReport::phases() const
{
    QStringList rows;
    for (const PhaseRecord &phase : m_report.phases) {
        QString added;
        if (IsPlayingHalf(phase.phase)) {
            //: Added time: %1 minutes announced, %2 (minutes:seconds) played.
            added = tr("+%1 / %2:%3")
                        .arg(phase.addedAnnounced)
                        .arg(phase.addedPlayed / 60)
                        .arg(phase.addedPlayed % 60, 2, 10, QLatin1Char('0'));
        }
        const QString clock = phase.clockEnd.isEmpty()
            ? phase.clockStart
            : phase.clockStart + QStringLiteral("–") + phase.clockEnd;
        const QString wall = phase.wallEnd == 0
            ? wallTime(phase.wallStart)
            : wallTime(phase.wallStart) + QStringLiteral("–") + wallTime(phase.wallEnd);
        // Times are read as one; the phase's name wraps if anything must.
        rows << cell(phaseName(phase.phase).toHtmlEscaped())
                + cell(clock.toHtmlEscaped(), "white-space: nowrap")
                + cell(wall.toHtmlEscaped(), "white-space: nowrap")
                + cell(added.toHtmlEscaped(), "white-space: nowrap")
                + cell(score({phase.homeScore, phase.visitorScore}), "white-space: nowrap");
    }
    if (rows.isEmpty()) {
        return {};
    }
    return table(tr("Phases"),
        {tr("Phase"), tr("Match clock"), tr("Time of day"), tr("Added time"), tr("Score")}, rows);
}

QString PdfReport::html() const
{
    return QStringLiteral("<html><body>") + heading() + scoreLines() + goals() + cards()
        + shootout() + statistics() + phases() + QStringLiteral("</body></html>");
}

} // namespace

void PrintReport(const ReportData &report, QPagedPaintDevice &device)
{
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(10);
    // Without ligatures ("fi"), so that the names and words copied or searched in the PDF are
    // the letters typed: Qt leaves them out of spaced text (a spacing it can tell from none).
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 18pt; } h3 { font-size: 11pt; margin-top: 10px; margin-bottom: 2px; } "
        "th { border-bottom: 1px solid black; }"));
    document.setHtml(PdfReport(report).html());
    document.print(&device);
}

QByteArray ReportPdf(const ReportData &report)
{
    // Laying text out needs the fonts of a GUI application; without one there is no PDF, and
    // the caller says so, rather than the program stopping.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Varnelo"));
        PrintReport(report, writer);
    }
    return bytes;
}
