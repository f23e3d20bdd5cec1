#include "matchreport.h"

#include "game/scoreboardgame.h"
#include "reportdata.h"
#include "settings/livesettings.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

std::optional<ReportFormat> ReportFormatNamed(QStringView name)
{
    if (name == u"pdf") {
        return ReportFormat::Pdf;
    }
    if (name == u"csv") {
        return ReportFormat::Csv;
    }
    if (name == u"json") {
        return ReportFormat::Json;
    }
    return std::nullopt;
}

QByteArray ReportMediaType(ReportFormat format)
{
    switch (format) {
    case ReportFormat::Pdf:
        return "application/pdf";
    case ReportFormat::Csv:
        return "text/csv; charset=utf-8";
    case ReportFormat::Json:
        return "application/json";
    }
    return {};
}

QString ReportSuffix(ReportFormat format)
{
    switch (format) {
    case ReportFormat::Pdf:
        return QStringLiteral("pdf");
    case ReportFormat::Csv:
        return QStringLiteral("csv");
    case ReportFormat::Json:
        return QStringLiteral("json");
    }
    return {};
}

namespace {

const PhaseRecord *endedPhase(const QList<PhaseRecord> &log, Phase phase)
{
    const auto found = std::find_if(log.cbegin(), log.cend(), [phase](const PhaseRecord &record) {
        return record.phase == phase && record.wallEnd != 0;
    });
    return found == log.cend() ? nullptr : &*found;
}

bool entered(const QList<PhaseRecord> &log, Phase phase)
{
    return std::any_of(log.cbegin(), log.cend(),
        [phase](const PhaseRecord &record) { return record.phase == phase; });
}

std::optional<ReportScore> scoreAtEnd(const QList<PhaseRecord> &log, Phase phase)
{
    const PhaseRecord *record = endedPhase(log, phase);
    if (record == nullptr) {
        return std::nullopt;
    }
    return ReportScore{record->homeScore, record->visitorScore};
}

QString text(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

QString ReportWallTime(qint64 msecs)
{
    if (msecs == 0) {
        return {};
    }
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

ReportData GatherReport(const ScoreboardGame &game, const LiveSettings &settings)
{
    ReportData report;
    const MatchState &match = game.match();
    report.title = settings.TitleText;
    report.home = settings.HomeText;
    report.visitor = settings.GuestText;
    report.format = match.format;
    const QList<PhaseRecord> &log = game.phaseLog();
    for (const PhaseRecord &record : log) {
        if (record.phase == Phase::FirstHalf && report.kickOff == 0) {
            report.kickOff = record.wallStart;
        }
        if (record.phase != Phase::PreMatch) {
            report.phases.append(record);
        }
    }
    report.final = {game.value(Figure::ScoreH), game.value(Figure::ScoreV)};
    // The phase being played has no end yet: its score is the one now.
    if (!report.phases.isEmpty() && report.phases.last().wallEnd == 0) {
        report.phases.last().homeScore = report.final.home;
        report.phases.last().visitorScore = report.final.visitor;
    }
    report.halfTime = scoreAtEnd(log, Phase::FirstHalf);
    // The score after 90 and 120 minutes tells something only when the match went on.
    if (entered(log, Phase::ExtraTimeFirstHalf) || entered(log, Phase::Penalties)) {
        report.after90 = scoreAtEnd(log, Phase::SecondHalf);
    }
    if (entered(log, Phase::ExtraTimeFirstHalf) && entered(log, Phase::Penalties)) {
        report.after120 = scoreAtEnd(log, Phase::ExtraTimeSecondHalf);
    }
    const Shootout &shootout = match.shootout;
    report.homeKicks = shootout.kicks(Team::Home);
    report.visitorKicks = shootout.kicks(Team::Visitor);
    if (!report.homeKicks.isEmpty() || !report.visitorKicks.isEmpty()) {
        report.shootout = ReportScore{shootout.scored(Team::Home), shootout.scored(Team::Visitor)};
    }
    for (const MatchEvent &event : game.events()) {
        (event.kind == EventKind::Goal ? report.goals : report.cards).append(event);
    }
    report.statistics = {
        {"shots", {game.value(Figure::ShotsH), game.value(Figure::ShotsV)}},
        {"cornerKicks", {game.value(Figure::CKH), game.value(Figure::CKV)}},
        {"saves", {game.value(Figure::SavesH), game.value(Figure::SavesV)}},
    };
    return report;
}

namespace {

// CSV as RFC 4180 has it: CRLF line ends, a field quoted when it holds a comma, a quote or a
// line break, quotes doubled inside. Texts come from the operator and the phones, and the file is
// opened in spreadsheets: a field that a spreadsheet would take for a formula gets an apostrophe
// in front, which the spreadsheet shows as text.
class CsvWriter
{
public:
    enum Column {
        Section,
        Key,
        Value,
        Home,
        Visitor,
        TeamColumn,
        Minute,
        PhaseColumn,
        Player,
        Name,
        ClockStart,
        ClockEnd,
        WallStart,
        WallEnd,
        AddedAnnounced,
        AddedPlayed,
        ColumnCount
    };

    CsvWriter()
    {
        row({"section", "key", "value", "home", "visitor", "team", "minute", "phase", "player",
            "name", "clockStart", "clockEnd", "wallStart", "wallEnd", "addedAnnounced",
            "addedPlayed"});
    }

    void row(std::initializer_list<const char *> fields)
    {
        QStringList line;
        for (const char *field : fields) {
            line << QString::fromLatin1(field);
        }
        write(line);
    }

    // A row with the given columns filled, the others empty.
    void row(const QString &section, const QString &key,
        std::initializer_list<std::pair<Column, QString>> cells)
    {
        QStringList line(ColumnCount);
        line[Section] = section;
        line[Key] = key;
        for (const auto &[column, value] : cells) {
            line[column] = value;
        }
        write(line);
    }

    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    void write(const QStringList &line)
    {
        QStringList quoted;
        for (QString field : line) {
            if (looksLikeFormula(field)) {
                field.prepend(u'\'');
            }
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
                || field.contains(u'\r')) {
                field = u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
            }
            quoted << field;
        }
        m_text += quoted.join(u',') + QStringLiteral("\r\n");
    }

    static bool looksLikeFormula(const QString &field)
    {
        static const QString Starts = QStringLiteral("=+-@\t\r");
        return !field.isEmpty() && Starts.contains(field.front());
    }

    QString m_text;
};

QByteArray reportCsv(const ReportData &report)
{
    using C = CsvWriter;
    CsvWriter csv;
    const QString match = QStringLiteral("match");
    csv.row(match, QStringLiteral("title"), {{C::Value, report.title}});
    csv.row(match, QStringLiteral("kickOff"), {{C::Value, ReportWallTime(report.kickOff)}});
    csv.row(QStringLiteral("team"), QStringLiteral("home"), {{C::Value, report.home}});
    csv.row(QStringLiteral("team"), QStringLiteral("visitor"), {{C::Value, report.visitor}});
    const auto score = [&csv](const char *key, const std::optional<ReportScore> &value) {
        if (value) {
            csv.row(QStringLiteral("score"), QLatin1String(key),
                {{C::Home, QString::number(value->home)},
                    {C::Visitor, QString::number(value->visitor)}});
        }
    };
    score("final", report.final);
    score("halfTime", report.halfTime);
    score("after90", report.after90);
    score("after120", report.after120);
    score("shootout", report.shootout);
    const auto event = [&csv](const QString &section, const MatchEvent &event) {
        csv.row(section, QString::number(event.id),
            {{C::Value, text(EventKindName(event.kind))},
                {C::TeamColumn, text(TeamName(event.team))}, {C::Minute, event.minute},
                {C::PhaseColumn, text(PhaseName(event.phase))}, {C::Player, event.player},
                {C::Name, event.name}});
    };
    for (const MatchEvent &goal : report.goals) {
        event(QStringLiteral("goal"), goal);
    }
    for (const MatchEvent &card : report.cards) {
        event(QStringLiteral("card"), card);
    }
    for (const auto &[team, kicks] :
        {std::pair(Team::Home, report.homeKicks), std::pair(Team::Visitor, report.visitorKicks)}) {
        for (qsizetype i = 0; i < kicks.size(); ++i) {
            csv.row(QStringLiteral("kick"), QString::number(i + 1),
                {{C::Value, kicks.at(i) ? QStringLiteral("scored") : QStringLiteral("missed")},
                    {C::TeamColumn, text(TeamName(team))}});
        }
    }
    for (const ReportStatistic &statistic : report.statistics) {
        csv.row(QStringLiteral("statistic"), QLatin1String(statistic.key),
            {{C::Home, QString::number(statistic.value.home)},
                {C::Visitor, QString::number(statistic.value.visitor)}});
    }
    for (const PhaseRecord &phase : report.phases) {
        csv.row(QStringLiteral("phase"), text(PhaseName(phase.phase)),
            {{C::Home, QString::number(phase.homeScore)},
                {C::Visitor, QString::number(phase.visitorScore)},
                {C::ClockStart, phase.clockStart}, {C::ClockEnd, phase.clockEnd},
                {C::WallStart, ReportWallTime(phase.wallStart)},
                {C::WallEnd, ReportWallTime(phase.wallEnd)},
                {C::AddedAnnounced, QString::number(phase.addedAnnounced)},
                {C::AddedPlayed, QString::number(phase.addedPlayed)}});
    }
    return csv.bytes();
}

QJsonValue scoreJson(const ReportScore &score)
{
    return QJsonObject{
        {QStringLiteral("home"), score.home}, {QStringLiteral("visitor"), score.visitor}};
}

QJsonValue eventJson(const MatchEvent &event)
{
    return QJsonObject{
        {QStringLiteral("id"), event.id},
        {QStringLiteral("kind"), text(EventKindName(event.kind))},
        {QStringLiteral("team"), text(TeamName(event.team))},
        {QStringLiteral("minute"), event.minute},
        {QStringLiteral("phase"), text(PhaseName(event.phase))},
        {QStringLiteral("player"), event.player},
        {QStringLiteral("name"), event.name},
    };
}

QJsonArray kicksJson(const QList<bool> &kicks)
{
    QJsonArray array;
    for (const bool scored : kicks) {
        array.append(scored);
    }
    return array;
}

QByteArray reportJson(const ReportData &report)
{
    QJsonObject score{{QStringLiteral("final"), scoreJson(report.final)}};
    const auto addScore = [&score](const char *key, const std::optional<ReportScore> &value) {
        if (value) {
            score.insert(QLatin1String(key), scoreJson(*value));
        }
    };
    addScore("halfTime", report.halfTime);
    addScore("after90", report.after90);
    addScore("after120", report.after120);
    addScore("shootout", report.shootout);
    QJsonArray goals;
    for (const MatchEvent &goal : report.goals) {
        goals.append(eventJson(goal));
    }
    QJsonArray cards;
    for (const MatchEvent &card : report.cards) {
        cards.append(eventJson(card));
    }
    QJsonObject statistics;
    for (const ReportStatistic &statistic : report.statistics) {
        statistics.insert(QLatin1String(statistic.key), scoreJson(statistic.value));
    }
    QJsonArray phases;
    for (const PhaseRecord &phase : report.phases) {
        phases.append(QJsonObject{
            {QStringLiteral("phase"), text(PhaseName(phase.phase))},
            {QStringLiteral("clockStart"), phase.clockStart},
            {QStringLiteral("clockEnd"), phase.clockEnd},
            {QStringLiteral("wallStart"), ReportWallTime(phase.wallStart)},
            {QStringLiteral("wallEnd"), ReportWallTime(phase.wallEnd)},
            {QStringLiteral("addedAnnounced"), phase.addedAnnounced},
            {QStringLiteral("addedPlayed"), phase.addedPlayed},
            {QStringLiteral("score"), scoreJson({phase.homeScore, phase.visitorScore})},
        });
    }
    const QJsonObject root{
        {QStringLiteral("title"), report.title},
        {QStringLiteral("kickOff"), ReportWallTime(report.kickOff)},
        {QStringLiteral("teams"),
            QJsonObject{{QStringLiteral("home"), report.home},
                {QStringLiteral("visitor"), report.visitor}}},
        {QStringLiteral("format"),
            QJsonObject{{QStringLiteral("clock"),
                            report.format.clock == ClockDirection::Up ? QStringLiteral("up")
                                                                      : QStringLiteral("down")},
                {QStringLiteral("halfMinutes"), report.format.halfMinutes},
                {QStringLiteral("breakMinutes"), report.format.breakMinutes},
                {QStringLiteral("extraTimeMinutes"), report.format.extraTimeMinutes},
                {QStringLiteral("penalties"), report.format.penalties}}},
        {QStringLiteral("score"), score},
        {QStringLiteral("shootout"),
            QJsonObject{{QStringLiteral("home"), kicksJson(report.homeKicks)},
                {QStringLiteral("visitor"), kicksJson(report.visitorKicks)}}},
        {QStringLiteral("goals"), goals},
        {QStringLiteral("cards"), cards},
        {QStringLiteral("statistics"), statistics},
        {QStringLiteral("phases"), phases},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray MatchReport(
    ReportFormat format, const ScoreboardGame &game, const LiveSettings &settings)
{
    const ReportData report = GatherReport(game, settings);
    switch (format) {
    case ReportFormat::Pdf:
        return ReportPdf(report);
    case ReportFormat::Csv:
        return reportCsv(report);
    case ReportFormat::Json:
        return reportJson(report);
    }
    return {};
}

void PrintMatchReport(
    QPagedPaintDevice &device, const ScoreboardGame &game, const LiveSettings &settings)
{
    PrintReport(GatherReport(game, settings), device);
}
