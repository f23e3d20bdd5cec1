#include "webtab.h"

#include "designhelpers.h"
#include "settings/livesettings.h"
#include "textstab.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// The boxes have no limit of their own; this only keeps QLineEdit's default from cutting text.
constexpr int UnlimitedLength = 32767;

// An eye, open or struck through, drawn in the text colour: the button that shows or hides
// the passcode.
QIcon eyeIcon(const QColor &color, bool struck)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 5));
    QPainterPath lid;
    lid.moveTo(6, 32);
    lid.quadTo(32, 4, 58, 32);
    lid.quadTo(32, 60, 6, 32);
    painter.drawPath(lid);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(32, 32), 8, 8);
    if (struck) {
        painter.drawLine(12, 54, 52, 10);
    }
    return QIcon(pixmap);
}

} // namespace

WebTab::WebTab(QWidget *parent)
    : QWidget(parent)
{
    QLabel *info = PlaceCaption(this,
        tr("The web scoreboard is an optional service that shows "
           "this board live in any web browser. Varnelo ships "
           "one, varnelo-websb, installed beside the program."),
        240, 480, 4935, 615);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_cmdStartStopWebSB = PlaceTwips<QPushButton>(this, 240, 1140, 1335, 375, tr("Start"));
    m_cmdStartStopWebSB->setObjectName(QStringLiteral("cmdStartStopWebSB"));
    connect(m_cmdStartStopWebSB, &QPushButton::clicked, this, &WebTab::startStopClicked);

    const QFont bold = DesignFont(DefaultFontFamily, DefaultFontPoints, true);
    QLabel *status = PlaceCaption(this, tr("Status:"), 1800, 1200, 855, 375);
    status->setFont(bold);
    status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblWebSBStatus = PlaceCaption(this, QString(), 2760, 1200, 2175, 375);
    m_lblWebSBStatus->setObjectName(QStringLiteral("lblWebSBStatus"));
    m_lblWebSBStatus->setFont(bold);
    m_lblWebSBStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    PlaceCaption(this, tr("Web Scoreboard URL:"), 240, 1680, 1815, 255);
    m_txtWebSBURL = PlaceTwips<QLineEdit>(this, 240, 1920, 4815, 375);
    m_txtWebSBURL->setObjectName(QStringLiteral("txtWebSBURL"));
    m_txtWebSBURL->setAccessibleName(tr("Web Scoreboard URL"));

    PlaceCaption(this, tr("Web Scoreboard Passcode:"), 240, 2400, 2175, 255);
    m_txtWebSBPassCode = PlaceTwips<QLineEdit>(this, 240, 2640, 1455, 375);
    m_txtWebSBPassCode->setObjectName(QStringLiteral("txtWebSBPassCode"));
    m_txtWebSBPassCode->setAccessibleName(tr("Web Scoreboard Passcode"));
    // The dialog may be on the audience's screen: the passcode shows only when asked for.
    m_txtWebSBPassCode->setEchoMode(QLineEdit::Password);
    m_actShowPassCode = m_txtWebSBPassCode->addAction(
        eyeIcon(palette().color(QPalette::Text), false), QLineEdit::TrailingPosition);
    m_actShowPassCode->setObjectName(QStringLiteral("actShowPassCode"));
    m_actShowPassCode->setCheckable(true);
    connect(m_actShowPassCode, &QAction::toggled, this, &WebTab::showPassCode);
    showPassCode(false);

    // Beside the passcode, clear of its caption, up to the page name's right edge.
    PlaceCaption(this, tr("Web Scoreboard Server:"), 2400, 2400, 2655, 255);
    m_txtWebSBServer = PlaceTwips<QLineEdit>(this, 2400, 2640, 2655, 375);
    m_txtWebSBServer->setObjectName(QStringLiteral("txtWebSBServer"));
    m_txtWebSBServer->setAccessibleName(tr("Web Scoreboard Server"));
}

void WebTab::showPassCode(bool shown)
{
    m_txtWebSBPassCode->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    m_actShowPassCode->setIcon(eyeIcon(palette().color(QPalette::Text), shown));
    m_actShowPassCode->setText(shown ? tr("Hide the passcode") : tr("Show the passcode"));
}

void WebTab::load(const LiveSettings &settings)
{
    SetTypingLimit(*m_txtWebSBURL, settings.URL, UnlimitedLength);
    SetTypingLimit(*m_txtWebSBPassCode, settings.PassCode, UnlimitedLength);
    SetTypingLimit(*m_txtWebSBServer, settings.ServiceAddress, UnlimitedLength);
}

void WebTab::store(LiveSettings &settings) const
{
    settings.URL = url();
    settings.PassCode = passCode();
    settings.ServiceAddress = serviceAddress();
}

void WebTab::showStatus(qint16 failCount)
{
    QString text;
    QColor color;
    bool publishing = false;
    if (failCount >= 0 && failCount <= 5) {
        text = tr("Connected");
        color = QColor(0, 128, 0);
        publishing = true;
    } else if (failCount >= 6) {
        text = tr("Error Connecting");
        color = QColor(255, 0, 0);
    } else {
        text = tr("Disabled");
        color = QColor(0, 0, 0);
    }
    m_lblWebSBStatus->setText(text);
    QPalette palette = m_lblWebSBStatus->palette();
    palette.setColor(QPalette::WindowText, color);
    m_lblWebSBStatus->setPalette(palette);
    m_cmdStartStopWebSB->setText(publishing ? tr("Stop") : tr("Start"));
    setEntriesEnabled(!publishing);
}

void WebTab::setEntriesEnabled(bool enabled)
{
    m_txtWebSBURL->setEnabled(enabled);
    m_txtWebSBPassCode->setEnabled(enabled);
    m_txtWebSBServer->setEnabled(enabled);
}

QString WebTab::url() const
{
    return m_txtWebSBURL->text();
}

QString WebTab::passCode() const
{
    return m_txtWebSBPassCode->text();
}

QString WebTab::serviceAddress() const
{
    return m_txtWebSBServer->text();
}
