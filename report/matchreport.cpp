#include "matchreport.h"

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

QByteArray MatchReport(ReportFormat, const ScoreboardGame &, const LiveSettings &)
{
    return {};
}
