#include "matchreportfile.h"

#include "game/scoreboardgame.h"
#include "report/matchreport.h"
#include "settings/livesettings.h"
#include "ui/operatorscreen.h"
#include "ui/uiservices.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace {

// A file name made of the teams and the day, with nothing a file system refuses.
QString suggestedName(const LiveSettings &settings)
{
    QString name = QStringLiteral("%1 - %2 %3.pdf")
                       .arg(settings.HomeText.trimmed(), settings.GuestText.trimmed(),
                           QDate::currentDate().toString(Qt::ISODate));
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar &ch : name) {
        if (refused.contains(ch) || ch.unicode() < 32) {
            ch = u'_';
        }
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// The print dialog on the operator's screen.
class OperatorPrintDialog final : public QPrintDialog
{
public:
    using QPrintDialog::QPrintDialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        QPrintDialog::showEvent(event);
        PlaceForOperator(*this);
    }
};

} // namespace

bool SaveMatchReport(
    QWidget *parent, UiServices &ui, const ScoreboardGame &game, const LiveSettings &settings)
{
    const QString filter = QCoreApplication::translate("MatchReportFile", "PDF document (*.pdf)")
        + QStringLiteral(";;") + QCoreApplication::translate("MatchReportFile", "CSV table (*.csv)")
        + QStringLiteral(";;")
        + QCoreApplication::translate("MatchReportFile", "JSON data (*.json)");
    QString path = ui.chooseSaveFile(parent, filter, suggestedName(settings));
    if (path.isEmpty()) {
        return false;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    const std::optional<ReportFormat> format
        = ReportFormatNamed(suffix.isEmpty() ? QStringLiteral("pdf") : suffix);
    if (!format) {
        ui.showMessage(parent, QStringLiteral("Varnelo"),
            QCoreApplication::translate("MatchReportFile",
                "The match report is saved as a PDF, CSV or JSON file: give the file name "
                "the suffix .pdf, .csv or .json."));
        return false;
    }
    const QByteArray report = MatchReport(*format, game, settings);
    QSaveFile file(path);
    if (report.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(report) != report.size()
        || !file.commit()) {
        ui.showMessage(parent, QStringLiteral("Varnelo"),
            QCoreApplication::translate("MatchReportFile",
                "The match report could not be saved to %1 (%2). The match goes on as it "
                "is; try another folder.")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

void PrintMatchReportDialog(
    QWidget *parent, const ScoreboardGame &game, const LiveSettings &settings)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QCoreApplication::translate("MatchReportFile", "Match report"));
    OperatorPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) {
        PrintMatchReport(printer, game, settings);
    }
}

ReportOffer::ReportOffer(ScoreboardGame &game, UiServices &ui, QWidget *over,
    std::function<void()> save, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_ui(ui)
    , m_over(over)
    , m_save(std::move(save))
    , m_offered(game.match().phase == Phase::FullTime)
{
    connect(&game, &ScoreboardGame::matchChanged, this, &ReportOffer::onMatchChanged);
}

void ReportOffer::onMatchChanged()
{
    // A new match that kicked off is offered its own report; undo and redo across full time
    // never reach its first half.
    if (m_game.match().phase == Phase::FirstHalf) {
        m_offered = false;
    }
    if (m_offered || m_game.match().phase != Phase::FullTime) {
        return;
    }
    // Once, even when undo and redo pass full time again. Asked after the change is done, so
    // that the question does not stand in the middle of the game's own signals.
    m_offered = true;
    QTimer::singleShot(0, this, &ReportOffer::ask);
}

void ReportOffer::ask()
{
    if (m_ui.askYesNo(m_over, QStringLiteral("Varnelo"),
            QCoreApplication::translate("MatchReportFile", "Full time. Save the match report now?"))
        && m_save) {
        m_save();
    }
}
