#pragma once

#include "game/matchevents.h"
#include "game/matchtime.h"

#include <QList>
#include <QString>

#include <optional>

class ScoreboardGame;
struct LiveSettings;

// What a match report holds, gathered once from the game and the settings; the PDF, CSV and
// JSON writers only lay it out.

struct ReportScore
{
    int home = 0;
    int visitor = 0;
};

struct ReportStatistic
{
    // The stable name league software reads ("shots", "cornerKicks", "saves").
    const char *key;
    ReportScore value;
};

struct ReportData
{
    QString title;
    QString home;
    QString visitor;
    MatchFormat format;
    // Calendar milliseconds of the first half's kick-off; 0 before it.
    qint64 kickOff = 0;
    ReportScore final;
    // Each only once the match got that far: the score when the first half ended, after 90
    // minutes and after 120 (only when more was played after them), and the shoot-out.
    std::optional<ReportScore> halfTime;
    std::optional<ReportScore> after90;
    std::optional<ReportScore> after120;
    std::optional<ReportScore> shootout;
    QList<bool> homeKicks;
    QList<bool> visitorKicks;
    QList<MatchEvent> goals;
    QList<MatchEvent> cards;
    QList<ReportStatistic> statistics;
    // Every phase entered but the one before the kick-off.
    QList<PhaseRecord> phases;
};

ReportData GatherReport(const ScoreboardGame &game, const LiveSettings &settings);

// Calendar milliseconds as local ISO 8601 time with its offset ("2026-05-09T15:30:00+02:00");
// empty for 0.
QString ReportWallTime(qint64 msecs);

class QPagedPaintDevice;
// Lays the report out on the pages of `device`.
void PrintReport(const ReportData &report, QPagedPaintDevice &device);
QByteArray ReportPdf(const ReportData &report);
