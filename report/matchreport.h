#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

class QPagedPaintDevice;
class ScoreboardGame;
struct LiveSettings;

// The match report: title, teams, scores (half-time, after 90 and 120 minutes, the shoot-out),
// goals and cards, statistics, and each phase as it was played, as a PDF in the operator's
// language or as CSV and JSON for league software. Made from the game as it stands now.

enum class ReportFormat { Pdf, Csv, Json };

// "pdf", "csv", "json"; nullopt for anything else.
std::optional<ReportFormat> ReportFormatNamed(QStringView name);
// The media type and the usual file suffix of a format ("application/pdf", "pdf").
QByteArray ReportMediaType(ReportFormat format);
QString ReportSuffix(ReportFormat format);

QByteArray MatchReport(
    ReportFormat format, const ScoreboardGame &game, const LiveSettings &settings);

// The report as the PDF has it, laid out on the pages of `device` (a printer), whose page
// layout it keeps.
void PrintMatchReport(
    QPagedPaintDevice &device, const ScoreboardGame &game, const LiveSettings &settings);
