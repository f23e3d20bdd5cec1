#include "frmsplash.h"

#include "artwork.h"
#include "options/designhelpers.h"
#include "placement.h"
#include "settings/settingsstore.h"
#include "splashpicture.h"
#include "startup/version.h"
#include "web/webstate.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QTimer>

#include <utility>

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

namespace {

// The name, "Click to continue.", the platform, the version, the credit, and the three buttons.
QStringList SplashTexts()
{
    return {QStringLiteral("Varnelo"), frmSplash::tr("Click to continue."), PlatformName(),
        VersionText(), frmSplash::tr("© 2026 The Varnelo developers"), frmSplash::tr("&Help"),
        frmSplash::tr("&Options"), frmSplash::tr("&Continue")};
}

} // namespace

frmSplash::frmSplash(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
    const QString &defaultBuzzerFile, std::function<void()> showBoard,
    std::function<void()> showHelp, std::function<void(QWidget *)> showOptions, SplashStart start,
    QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_web(web)
    , m_store(store)
    , m_ui(ui)
    , m_defaultBuzzerFile(defaultBuzzerFile)
    , m_showBoard(std::move(showBoard))
    , m_showHelp(std::move(showHelp))
    , m_showOptions(std::move(showOptions))
    , m_pictureFile(std::move(start.pictureFile))
    , m_beforeText(std::move(start.beforeText))
    , m_drawn(std::move(start.drawn))
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
    if (!m_pictureFile.isEmpty()) {
        m_pictureKey = PictureKey();
        m_picture = ReadSplashPicture(m_pictureFile, m_pictureKey);
    }
    m_showingPicture = !m_picture.isNull();
    if (!m_showingPicture) {
        BuildContent();
    }
    Load();
    CentreOnScreen(*this);
}

// What the picture shows, without laying out a text: all the splash's texts, its fonts,
// colours, style, size and scale.
QByteArray frmSplash::PictureKey() const
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << QString::fromLatin1(qVersion()) << style()->name() << palette() << size()
        << devicePixelRatioF() << font().key() << DesignFont(SplashSerif(), 27.75).key()
        << DesignFont(SplashSerif(), 15.75).key() << SplashTexts();
    return key;
}

void frmSplash::BuildContent()
{
    if (m_lblVersion) {
        return;
    }
    if (m_beforeText) {
        std::exchange(m_beforeText, nullptr)();
    }
    const QStringList texts = SplashTexts();
    auto *frameSplash = PlaceTwips<QFrame>(this, 120, 0, 6000, 3240);
    frameSplash->setObjectName(QStringLiteral("frameSplash"));
    frameSplash->setFrameStyle(QFrame::Box | QFrame::Sunken);

    const QString serif = SplashSerif();
    QLabel *lblName
        = splashLabel(frameSplash, "lblName", texts[0], 653, 240, 4935, 735, Qt::AlignHCenter);
    lblName->setFont(DesignFont(serif, 27.75));
    splashLabel(frameSplash, "lblClick", texts[1], 2520, 960, 1335, 255, Qt::AlignLeft);
    QLabel *lblSystem
        = splashLabel(frameSplash, "lblSystem", texts[2], 4200, 960, 1455, 375, Qt::AlignRight);
    lblSystem->setFont(DesignFont(serif, 15.75));
    m_lblVersion
        = splashLabel(frameSplash, "lblVersion", texts[3], 3480, 1440, 2175, 375, Qt::AlignRight);
    m_lblVersion->setFont(DesignFont(serif, 15.75));
    splashLabel(frameSplash, "lblMadeBy", texts[4], 3120, 2760, 2655, 255, Qt::AlignRight);

    const QPixmap logo = VarneloLogo(140, devicePixelRatioF());
    auto *picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(logo);
    picLogo->setGeometry(QRect(TwipsRect(360, 900, 2100, 2100).topLeft(), QSize(140, 140)));

    auto *cmdHelp = PlaceTwips<QPushButton>(this, 3120, 2160, 1215, 375, texts[5]);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    auto *cmdOptions = PlaceTwips<QPushButton>(this, 4680, 2160, 1215, 375, texts[6]);
    cmdOptions->setObjectName(QStringLiteral("cmdOptions"));
    // The keyboard's way on, where a click would go: under "Click to continue.", and the next
    // stop after Options.
    auto *cmdContinue = PlaceTwips<QPushButton>(this, 2520, 1290, 900, 375, texts[7]);
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
    if (m_showingPicture) {
        // Made after the splash was shown: children are not shown with it.
        for (QWidget *child : std::initializer_list<QWidget *>{
                 frameSplash, picLogo, cmdHelp, cmdOptions, cmdContinue}) {
            child->show();
        }
        m_showingPicture = false;
        update();
    }
    cmdHelp->setFocus();
}

void frmSplash::paintEvent(QPaintEvent *event)
{
    if (m_showingPicture) {
        // On another screen's scale than it was taken at, the picture would be blurred: the
        // splash is then drawn as it is at once.
        if (m_picture.devicePixelRatio() == devicePixelRatioF()
            && m_picture.size() == size() * devicePixelRatioF()) {
            QPainter(this).drawImage(QPoint(), m_picture);
        }
        // The next turn of the event loop, once this frame is on screen.
        if (!std::exchange(m_contentQueued, true)) {
            QTimer::singleShot(0, this, &frmSplash::BuildContent);
        }
        return;
    }
    QWidget::paintEvent(event);
    if (!std::exchange(m_firstFrameDrawn, true)) {
        QTimer::singleShot(0, this, &frmSplash::AfterFirstFrame);
    }
}

// The splash as it is drawn now is kept for the next start, written only when it changed; then
// the idle time until the click is the program's.
void frmSplash::AfterFirstFrame()
{
    if (!m_pictureFile.isEmpty()) {
        const QImage drawn = grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (drawn != std::exchange(m_picture, QImage())
            && !WriteSplashPicture(m_pictureFile, m_pictureKey, drawn)) {
            qWarning().noquote() << "cannot keep the splash's picture in" << m_pictureFile;
        }
    }
    if (m_drawn) {
        std::exchange(m_drawn, nullptr)();
    }
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
