#include "textstab.h"

#include "captionframe.h"
#include "designhelpers.h"
#include "settings/livesettings.h"

#include <QLineEdit>

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

TextsTab::TextsTab(QWidget *parent)
    : QWidget(parent)
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
}

void TextsTab::load(const LiveSettings &settings)
{
    SetTypingLimit(*m_txtTitleText, settings.TitleText, TitleLimit);
    SetTypingLimit(*m_txtHomeText, settings.HomeText, TeamNameLimit);
    SetTypingLimit(*m_txtGuestText, settings.GuestText, TeamNameLimit);
}

void TextsTab::store(LiveSettings &settings) const
{
    settings.TitleText = m_txtTitleText->text();
    settings.HomeText = m_txtHomeText->text();
    settings.GuestText = m_txtGuestText->text();
}
