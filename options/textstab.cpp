#include "textstab.h"

#include "captionframe.h"
#include "colorstab.h"
#include "designhelpers.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "settings/teamidentity.h"
#include "ui/colors.h"
#include "ui/uiservices.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

constexpr int TitleLimit = 30;
constexpr int TeamNameLimit = 10;

} // namespace

void SetTypingLimit(QLineEdit &edit, const QString &text, int limit)
{
    // Raised before the text goes in: QLineEdit cuts whatever exceeds its maximum.
    const auto longest = static_cast<int>(std::max<qsizetype>(limit, text.size()));
    edit.setMaxLength(longest);
    edit.setText(text);
}

TextsTab::TextsTab(UiServices &ui, QWidget *parent)
    : QWidget(parent)
    , m_ui(ui)
{
    struct TextFrame
    {
        const char *title;
        int top;
        const char *boxName;
        int boxHeight;
        QLineEdit *TextsTab::*box;
    };
    const TextFrame frames[] = {
        {QT_TR_NOOP("Title:"), 480, "txtTitleText", 360, &TextsTab::m_txtTitleText},
        {QT_TR_NOOP("Home Team Name:"), 1320, "txtHomeText", 375, &TextsTab::m_txtHomeText},
        {QT_TR_NOOP("Guest Team Name:"), 2160, "txtGuestText", 375, &TextsTab::m_txtGuestText},
    };
    for (const TextFrame &frame : frames) {
        auto *group = PlaceTwips<CaptionFrame>(this, 240, frame.top, 4815, 735, tr(frame.title));
        auto *box = PlaceTwips<QLineEdit>(group, 120, 240, 4575, frame.boxHeight);
        box->setObjectName(QLatin1String(frame.boxName));
        box->setAccessibleName(FrameSubject(tr(frame.title)));
        box->setAlignment(Qt::AlignCenter);
        box->setFont(DesignFont(DefaultFontFamily, 9.75));
        this->*frame.box = box;
    }

    // Each team's identity, side by side below the names, where the page has grown.
    struct IdentityFrame
    {
        const char *title;
        int left;
        const char *name;
        QLineEdit *TextsTab::*shortName;
        ColorButton TextsTab::*main;
        ColorButton TextsTab::*second;
    };
    const IdentityFrame identities[] = {
        {QT_TR_NOOP("Home Team Identity:"), 240, "Home", &TextsTab::m_txtHomeShort,
            &TextsTab::m_homeMain, &TextsTab::m_homeSecond},
        {QT_TR_NOOP("Guest Team Identity:"), 2700, "Guest", &TextsTab::m_txtGuestShort,
            &TextsTab::m_guestMain, &TextsTab::m_guestSecond},
    };
    const QString name = QStringLiteral("%1%2");
    for (const IdentityFrame &frame : identities) {
        auto *group = PlaceTwips<CaptionFrame>(this, frame.left, 3000, 2355, 735, tr(frame.title));
        const QString subject = FrameSubject(tr(frame.title));
        auto *shortName = PlaceTwips<QLineEdit>(group, 120, 240, 735, 375);
        shortName->setObjectName(
            name.arg(QStringLiteral("txt"), QLatin1String(frame.name)) + QStringLiteral("Short"));
        //: What a screen reader says for a team's short name box, %1 naming the team's frame.
        shortName->setAccessibleName(tr("%1: short name").arg(subject));
        shortName->setToolTip(tr("Short name: up to 4 letters or digits"));
        shortName->setAlignment(Qt::AlignCenter);
        shortName->setFont(DesignFont(DefaultFontFamily, 9.75));
        shortName->setMaxLength(StoredShortNameMax);
        shortName->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[\\p{L}\\p{N}]{0,4}")), shortName));
        this->*frame.shortName = shortName;
        const struct
        {
            ColorButton TextsTab::*button;
            int left;
            const char *suffix;
            const char *what;
            const char *spoken; // before the colour's value, %1 naming the team's frame
        } colors[]
            = {{frame.main, 975, "MainC", QT_TR_NOOP("main color"), QT_TR_NOOP("%1: main color")},
                {frame.second, 1650, "SecondC", QT_TR_NOOP("second color"),
                    QT_TR_NOOP("%1: second color")}};
        for (const auto &color : colors) {
            ColorButton &button = this->*color.button;
            button.button = PlaceTwips<QPushButton>(group, color.left, 240, 615, 375);
            button.button->setObjectName(name.arg(QStringLiteral("cmd"), QLatin1String(frame.name))
                + QLatin1String(color.suffix));
            button.subject = tr(color.spoken).arg(subject);
            button.button->setToolTip(tr("Change %1").arg(tr(color.what)));
            connect(
                button.button, &QPushButton::clicked, this, [this, &button] { pickColor(button); });
            showColor(button, 0);
        }
    }
    connect(m_txtHomeText, &QLineEdit::textChanged, this, &TextsTab::showShortNamePlaceholders);
    connect(m_txtGuestText, &QLineEdit::textChanged, this, &TextsTab::showShortNamePlaceholders);
}

void TextsTab::showColor(ColorButton &button, qint32 color)
{
    button.color = color;
    QPixmap patch(button.button->size() - QSize(12, 10));
    patch.fill(ToQColor(color));
    button.button->setIcon(patch);
    button.button->setIconSize(patch.size());
    button.button->setAccessibleName(button.subject + QStringLiteral(", ") + SpokenColor(color));
}

void TextsTab::pickColor(ColorButton &button)
{
    if (const auto picked = m_ui.pickColor(window(), button.color)) {
        showColor(button, *picked);
    }
}

// Where no short name is typed, the one used instead shows greyed in the box.
void TextsTab::showShortNamePlaceholders()
{
    m_txtHomeShort->setPlaceholderText(TeamShortName(QString(), m_txtHomeText->text(), QString()));
    m_txtGuestShort->setPlaceholderText(
        TeamShortName(QString(), m_txtGuestText->text(), QString()));
}

void TextsTab::load(const LiveSettings &settings)
{
    SetTypingLimit(*m_txtTitleText, settings.TitleText, TitleLimit);
    SetTypingLimit(*m_txtHomeText, settings.HomeText, TeamNameLimit);
    SetTypingLimit(*m_txtGuestText, settings.GuestText, TeamNameLimit);
    // A stored short name that is not letters and digits is shown as it will be used.
    m_txtHomeShort->setText(TeamShortName(settings.HomeShort, QString(), QString()));
    m_txtGuestShort->setText(TeamShortName(settings.GuestShort, QString(), QString()));
    showShortNamePlaceholders();
    showColor(m_homeMain, settings.HomeMainColor);
    showColor(m_homeSecond, settings.HomeSecondColor);
    showColor(m_guestMain, settings.GuestMainColor);
    showColor(m_guestSecond, settings.GuestSecondColor);
}

void TextsTab::store(LiveSettings &settings) const
{
    settings.TitleText = m_txtTitleText->text();
    settings.HomeText = m_txtHomeText->text();
    settings.GuestText = m_txtGuestText->text();
    settings.HomeShort = m_txtHomeShort->text();
    settings.GuestShort = m_txtGuestShort->text();
    settings.HomeMainColor = m_homeMain.color;
    settings.HomeSecondColor = m_homeSecond.color;
    settings.GuestMainColor = m_guestMain.color;
    settings.GuestSecondColor = m_guestSecond.color;
}
