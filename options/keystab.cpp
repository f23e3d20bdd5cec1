#include "keystab.h"

#include "buzzerdisplay.h"
#include "captionframe.h"
#include "designhelpers.h"
#include "frmchoosekey.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"

#include <QCheckBox>
#include <QPushButton>

#include <limits>

KeyLabel::KeyLabel(QWidget *parent)
    : QLabel(parent)
{
    StyleAsField(*this);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void KeyLabel::setCode(qint16 code)
{
    m_code = code;
    setText(KeyCaption(code));
}

namespace {

// The rows below the three keys, in twips: the match's keys beside Reset Keys, the buzzer sound
// and the focus marker, each a little lower than the designed page had them.
constexpr int MatchKeysTop = 1500;
constexpr int MatchKeysWidth = 1710;
constexpr int CompactHeight = 630;
constexpr int CompactControlTop = 210;
constexpr int BuzzerSoundTop = 2175;
constexpr int FocusMarkerTop = 2835;

} // namespace

KeysTab::KeysTab(ChooseKey &shared, UiServices &ui, QWidget *parent)
    : QWidget(parent)
    , m_chooseKey(shared)
    , m_ui(ui)
{
    struct KeyFrame
    {
        const char *title;
        int left;
        const char *buttonName;
        const char *labelName;
        KeyLabel *KeysTab::*label;
        const char *action;
    };
    const KeyFrame frames[] = {
        {QT_TR_NOOP("Start / Stop Key:"), 240, "cmdStartStopK", "lblStartStopK",
            &KeysTab::m_lblStartStopK, QT_TR_NOOP("start / stop the clock")},
        {QT_TR_NOOP("Reset Clock Key:"), 1920, "cmdResetK", "lblResetK", &KeysTab::m_lblResetK,
            QT_TR_NOOP("reset the clock")},
        {QT_TR_NOOP("Buzzer Key:"), 3600, "cmdBuzzerK", "lblBuzzerK", &KeysTab::m_lblBuzzerK,
            QT_TR_NOOP("sound the buzzer")},
    };
    // Names a frame's button and key for a screen reader and lets the button choose the key.
    const auto wire = [this](const KeyFrame &frame, QPushButton *change, KeyLabel *label) {
        change->setObjectName(QLatin1String(frame.buttonName));
        // Ten buttons say "Change"; a screen reader says which.
        const QString what = FrameSubject(tr(frame.title));
        //: What a screen reader says for a key's Change button, %1 naming the key.
        change->setAccessibleName(tr("Change %1").arg(what));
        label->setObjectName(QLatin1String(frame.labelName));
        label->setAccessibleName(what);
        this->*frame.label = label;
        const QString action = tr(frame.action);
        connect(change, &QPushButton::clicked, this,
            [this, label, action] { chooseKey(label, action); });
    };
    for (const KeyFrame &frame : frames) {
        auto *box = PlaceTwips<CaptionFrame>(this, frame.left, 480, 1455, 975, tr(frame.title));
        auto *change = PlaceTwips<QPushButton>(box, 120, 240, 1215, 375, tr("Change"));
        wire(frame, change, PlaceTwips<KeyLabel>(box, 120, 600, 1215, 255));
    }
    // The match's keys in a lower row, each key beside its button, so that the page keeps room
    // for the buzzer sound below them.
    const KeyFrame matchFrames[] = {
        {QT_TR_NOOP("Next Phase Key:"), 240, "cmdNextPhaseK", "lblNextPhaseK",
            &KeysTab::m_lblNextPhaseK, QT_TR_NOOP("end the phase and start the next")},
        {QT_TR_NOOP("Added Time Key:"), 2040, "cmdAddedTimeK", "lblAddedTimeK",
            &KeysTab::m_lblAddedTimeK, QT_TR_NOOP("announce added time")},
    };
    for (const KeyFrame &frame : matchFrames) {
        auto *box = PlaceTwips<CaptionFrame>(
            this, frame.left, MatchKeysTop, MatchKeysWidth, CompactHeight, tr(frame.title));
        auto *change = PlaceTwips<QPushButton>(box, 120, CompactControlTop, 735, 375, tr("Change"));
        wire(frame, change, PlaceTwips<KeyLabel>(box, 915, CompactControlTop + 60, 675, 255));
    }

    auto *sound = PlaceTwips<CaptionFrame>(
        this, 240, BuzzerSoundTop, 4815, CompactHeight, tr("Buzzer Sound"));
    auto *cmdBuzzerSound
        = PlaceTwips<QPushButton>(sound, 120, CompactControlTop, 735, 375, tr("Change"));
    cmdBuzzerSound->setObjectName(QStringLiteral("cmdBuzzerSound"));
    cmdBuzzerSound->setAccessibleName(tr("Change Buzzer Sound"));
    connect(cmdBuzzerSound, &QPushButton::clicked, this, &KeysTab::chooseBuzzerSound);
    m_lblBuzzerSound = PlaceTwips<QLabel>(sound, 840, CompactControlTop, 3855, 375);
    m_lblBuzzerSound->setObjectName(QStringLiteral("lblBuzzerSound"));
    m_lblBuzzerSound->setAccessibleName(tr("Buzzer Sound"));
    StyleAsField(*m_lblBuzzerSound);
    m_lblBuzzerSound->setAlignment(Qt::AlignCenter);
    m_lblBuzzerSound->setTextFormat(Qt::PlainText);

    auto *cmdResetKeys = PlaceTwips<QPushButton>(
        this, 3840, MatchKeysTop + CompactControlTop, 1215, 375, tr("Reset Keys"));
    cmdResetKeys->setObjectName(QStringLiteral("cmdResetKeys"));

    // Off unless the operator asks: the audience sees the same board.
    m_chkFocusMarker = PlaceTwips<QCheckBox>(
        this, 240, FocusMarkerTop, 3480, 255, tr("&Mark the focused figure (F7)"));
    m_chkFocusMarker->setObjectName(QStringLiteral("chkFocusMarker"));
    connect(cmdResetKeys, &QPushButton::clicked, this, &KeysTab::resetKeys);
}

void KeysTab::load(const LiveSettings &settings)
{
    m_lblStartStopK->setCode(settings.StartStopClockKey);
    m_lblResetK->setCode(settings.ResetClockKey);
    m_lblBuzzerK->setCode(settings.BuzzerKey);
    m_lblNextPhaseK->setCode(settings.NextPhaseKey);
    m_lblAddedTimeK->setCode(settings.AddedTimeKey);
    setBuzzerTemp(settings.BuzzerFile);
    m_chkFocusMarker->setChecked(settings.ShowFocusMarker != 0);
}

void KeysTab::store(LiveSettings &settings) const
{
    settings.StartStopClockKey = m_lblStartStopK->code();
    settings.ResetClockKey = m_lblResetK->code();
    settings.BuzzerKey = m_lblBuzzerK->code();
    settings.NextPhaseKey = m_lblNextPhaseK->code();
    settings.AddedTimeKey = m_lblAddedTimeK->code();
    settings.BuzzerFile = m_BuzzerTemp;
    // An unchanged choice is kept as it was stored.
    if (m_chkFocusMarker->isChecked() != (settings.ShowFocusMarker != 0)) {
        settings.ShowFocusMarker = m_chkFocusMarker->isChecked() ? 1 : 0;
    }
}

KeyBindings KeysTab::shownKeys() const
{
    return {m_lblStartStopK->code(), m_lblResetK->code(), m_lblBuzzerK->code(),
        m_lblNextPhaseK->code(), m_lblAddedTimeK->code()};
}

void KeysTab::chooseKey(KeyLabel *label, const QString &action)
{
    m_chooseKey.ChooseKeyAction = action;
    m_chooseKey.ChooseKeyCurrent = label->code();
    frmChooseKey dialog(m_chooseKey, shownKeys(), m_ui, window());
    dialog.exec();
    qint64 chosen = 0;
    if (ParseStoredInteger(m_chooseKey.ChooseKeyResult, std::numeric_limits<qint16>::min(),
            std::numeric_limits<qint16>::max(), chosen)
        && chosen != 0) {
        label->setCode(static_cast<qint16>(chosen));
    }
}

void KeysTab::chooseBuzzerSound()
{
    const QString chosen = m_ui.chooseFile(window(),
        //: The file chooser's filter: keep "(*.wav)" as it is.
        tr("Sounds *.wav (*.wav)"), m_BuzzerTemp);
    if (IsExistingFile(chosen)) {
        setBuzzerTemp(chosen);
    }
}

void KeysTab::resetKeys()
{
    if (!m_ui.askYesNo(
            window(), tr("Reset Keys"), tr("Are you sure you want to reset the keys?"))) {
        return;
    }
    const LiveSettings defaults = DefaultSettings(QString());
    m_lblStartStopK->setCode(defaults.StartStopClockKey);
    m_lblResetK->setCode(defaults.ResetClockKey);
    m_lblBuzzerK->setCode(defaults.BuzzerKey);
    m_lblNextPhaseK->setCode(defaults.NextPhaseKey);
    m_lblAddedTimeK->setCode(defaults.AddedTimeKey);
}

void KeysTab::setBuzzerTemp(const QString &path)
{
    m_BuzzerTemp = path;
    m_lblBuzzerSound->setText(BuzzerDisplayText(path));
    // The label shows at most 50 characters; the whole path is one hover away.
    m_lblBuzzerSound->setToolTip(path);
    m_lblBuzzerSound->setAccessibleDescription(path);
}
