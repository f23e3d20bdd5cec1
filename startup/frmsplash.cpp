#include "frmsplash.h"

#include "artwork.h"
#include "options/designhelpers.h"
#include "placement.h"
#include "settings/settingsstore.h"
#include "startup/version.h"
#include "web/webstate.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSysInfo>

namespace {

QLabel *splashLabel(QWidget *frame, const char *name, const QString &text, int left, int top,
    int width, int height, Qt::Alignment alignment)
{
    auto *label = PlaceTwips<QLabel>(frame, left, top, width, height, text);
    label->setObjectName(QLatin1String(name));
    // Plain text: an ampersand in a caption is shown as written.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QString SplashSerif()
{
    return QStringLiteral("Times New Roman");
}

} // namespace

QString PlatformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#else
    return QSysInfo::kernelType();
#endif
}

QString VersionText()
{
    return QCoreApplication::translate("frmSplash", "Version %1.%2.%3")
        .arg(VarneloVersionMajor)
        .arg(VarneloVersionMinor)
        .arg(VarneloVersionPatch);
}

frmSplash::frmSplash(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
    const QString &defaultBuzzerFile, std::function<void()> showBoard,
    std::function<void()> showHelp, std::function<void(QWidget *)> showOptions, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_web(web)
    , m_store(store)
    , m_ui(ui)
    , m_defaultBuzzerFile(defaultBuzzerFile)
    , m_showBoard(std::move(showBoard))
    , m_showHelp(std::move(showHelp))
    , m_showOptions(std::move(showOptions))
{
    // A tool window would not count as open, and closing the help window with the splash still
    // up would end the program.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(QStringLiteral("Varnelo"));
    setFont(DefaultDesignFont());
    setFixedSize(TwipsToPixels(6240), TwipsToPixels(3345));
    setAccessibleName(QStringLiteral("Varnelo"));
    setAccessibleDescription(
        //: Name the access key of the Continue button as the translation marks it.
        tr("Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard."));
    BuildContent();
    Load();
    CentreOnScreen(*this);
}

void frmSplash::BuildContent()
{
    auto *frameSplash = PlaceTwips<QFrame>(this, 120, 0, 6000, 3240);
    frameSplash->setObjectName(QStringLiteral("frameSplash"));
    frameSplash->setFrameStyle(QFrame::Box | QFrame::Sunken);

    const QString serif = SplashSerif();
    QLabel *lblName = splashLabel(
        frameSplash, "lblName", QStringLiteral("Varnelo"), 653, 240, 4935, 735, Qt::AlignHCenter);
    lblName->setFont(DesignFont(serif, 27.75));
    splashLabel(
        frameSplash, "lblClick", tr("Click to continue."), 2520, 960, 1335, 255, Qt::AlignLeft);
    QLabel *lblSystem = splashLabel(
        frameSplash, "lblSystem", PlatformName(), 4200, 960, 1455, 375, Qt::AlignRight);
    lblSystem->setFont(DesignFont(serif, 15.75));
    QLabel *lblVersion = splashLabel(
        frameSplash, "lblVersion", VersionText(), 3480, 1440, 2175, 375, Qt::AlignRight);
    lblVersion->setFont(DesignFont(serif, 15.75));
    splashLabel(frameSplash, "lblMadeBy", tr("© 2026 The Varnelo developers"), 3120, 2760, 2655,
        255, Qt::AlignRight);

    const QPixmap logo = VarneloLogo(140, devicePixelRatioF());
    auto *picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(logo);
    picLogo->setGeometry(QRect(TwipsRect(360, 900, 2100, 2100).topLeft(), QSize(140, 140)));

    auto *cmdHelp = PlaceTwips<QPushButton>(this, 3120, 2160, 1215, 375, tr("&Help"));
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    auto *cmdOptions = PlaceTwips<QPushButton>(this, 4680, 2160, 1215, 375, tr("&Options"));
    cmdOptions->setObjectName(QStringLiteral("cmdOptions"));
    // The keyboard's way on, where a click would go: under "Click to continue.", and the next
    // stop after Options.
    auto *cmdContinue = PlaceTwips<QPushButton>(this, 2520, 1290, 900, 375, tr("&Continue"));
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setAccessibleName(tr("Continue to the scoreboard"));
    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::GoScore);
    for (QPushButton *button : {cmdHelp, cmdOptions, cmdContinue}) {
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
    }
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (m_showHelp) {
            m_showHelp();
        }
    });
    connect(cmdOptions, &QPushButton::clicked, this, [this] {
        if (m_showOptions) {
            m_showOptions(this);
        }
    });
    setTabOrder(cmdHelp, cmdOptions);
    setTabOrder(cmdOptions, cmdContinue);
    cmdHelp->setFocus();
}

void frmSplash::Load()
{
    LoadSettings(m_settings, m_store, m_defaultBuzzerFile);
    m_web.switchPublishing(-1);
}

void frmSplash::GoScore()
{
    if (m_gone) {
        return;
    }
    m_gone = true;
    // Leaving the splash is no reason to end the program, though no other window is open yet.
    setAttribute(Qt::WA_QuitOnClose, false);
    close();
    // A copy: showing the board may delete this splash screen.
    const std::function<void()> showBoard = m_showBoard;
    if (showBoard) {
        showBoard();
    }
}

void frmSplash::showEvent(QShowEvent *event)
{
    // Again as it is shown: the screen, and with it the scale, is known for certain only now.
    CentreOnScreen(*this);
    QWidget::showEvent(event);
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    // Presses on the frame, the labels and the logo come here too: they take no mouse input.
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        GoScore();
    }
}
