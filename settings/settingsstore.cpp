#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <variant>

namespace {

using KeyField = qint16 LiveSettings::*;
using ColorField = qint32 LiveSettings::*;
using TextField = QString LiveSettings::*;

// Who writes a setting: Ok in the options dialog, or the moment it changes.
enum class Writer {
    Ok,
    Placement,
    PairingCode,
    OverlayToken,
    // Written by Ok, and alone when another front end chooses the match format.
    MatchFormat,
};

struct Setting
{
    const char *section;
    const char *key;
    std::variant<KeyField, ColorField, TextField> field;
    Writer writer = Writer::Ok;
    // The values a number may take beyond its type's range; outside them its default is used.
    // For a text, `maximum` is its longest length: a longer one is cut.
    qint64 minimum = std::numeric_limits<qint64>::min();
    qint64 maximum = std::numeric_limits<qint64>::max();
};

// In the order in which they are written.
const Setting Settings[] = {
    {"KeySettings", "StartStopClockKey", &LiveSettings::StartStopClockKey},
    {"KeySettings", "ResetClockKey", &LiveSettings::ResetClockKey},
    {"KeySettings", "BuzzerKey", &LiveSettings::BuzzerKey},
    {"KeySettings", "NextPhaseKey", &LiveSettings::NextPhaseKey},
    {"KeySettings", "AddedTimeKey", &LiveSettings::AddedTimeKey},
    {"KeySettings", "BuzzerFile", &LiveSettings::BuzzerFile},
    {"KeySettings", "ShowFocusMarker", &LiveSettings::ShowFocusMarker},
    {"ColorSettings", "HomeColor", &LiveSettings::HomeColor},
    {"ColorSettings", "FormColor", &LiveSettings::FormColor},
    {"ColorSettings", "LEDColor", &LiveSettings::LEDColor},
    {"ColorSettings", "GuestColor", &LiveSettings::GuestColor},
    {"ColorSettings", "TextColor", &LiveSettings::TextColor},
    {"ColorSettings", "LEDBackColor", &LiveSettings::LEDBackColor},
    {"TextSettings", "TitleText", &LiveSettings::TitleText},
    {"TextSettings", "HomeText", &LiveSettings::HomeText},
    {"TextSettings", "GuestText", &LiveSettings::GuestText},
    {"WebSBSettings", "URL", &LiveSettings::URL},
    {"WebSBSettings", "PassCode", &LiveSettings::PassCode},
    {"WebSBSettings", "ServiceAddress", &LiveSettings::ServiceAddress},
    {"BoardWindow", "Screen", &LiveSettings::BoardScreen, Writer::Placement},
    {"BoardWindow", "FullScreen", &LiveSettings::BoardFullScreen, Writer::Placement},
    {"RemoteControl", "Enabled", &LiveSettings::RemoteEnabled},
    {"RemoteControl", "Port", &LiveSettings::RemotePort},
    {"RemoteControl", "Code", &LiveSettings::RemoteCode, Writer::PairingCode},
    {"LanguageSettings", "Language", &LiveSettings::Language},
    {"MatchSettings", "ClockUp", &LiveSettings::MatchClockUp, Writer::MatchFormat, 0, 1},
    {"MatchSettings", "HalfMinutes", &LiveSettings::HalfMinutes, Writer::MatchFormat, 1,
        StoredHalfMinutesMax},
    {"MatchSettings", "BreakMinutes", &LiveSettings::BreakMinutes, Writer::MatchFormat, 0,
        StoredBreakMinutesMax},
    {"MatchSettings", "ExtraTimeMinutes", &LiveSettings::ExtraTimeMinutes, Writer::MatchFormat, 0,
        StoredExtraTimeMinutesMax},
    {"MatchSettings", "Penalties", &LiveSettings::Penalties, Writer::MatchFormat, 0, 1},
    {"TeamSheets", "Home", &LiveSettings::HomeSheet, Writer::Ok, 0, StoredTeamSheetMax},
    {"TeamSheets", "Guest", &LiveSettings::GuestSheet, Writer::Ok, 0, StoredTeamSheetMax},
    {"Overlay", "Enabled", &LiveSettings::OverlayEnabled, Writer::Ok, 0, 1},
    {"Overlay", "Token", &LiveSettings::OverlayToken, Writer::OverlayToken},
    {"TeamIdentity", "HomeShort", &LiveSettings::HomeShort, Writer::Ok, 0, StoredShortNameMax},
    {"TeamIdentity", "GuestShort", &LiveSettings::GuestShort, Writer::Ok, 0, StoredShortNameMax},
    {"TeamIdentity", "HomeMainColor", &LiveSettings::HomeMainColor, Writer::Ok, 0, 0xFFFFFF},
    {"TeamIdentity", "HomeSecondColor", &LiveSettings::HomeSecondColor, Writer::Ok, 0, 0xFFFFFF},
    {"TeamIdentity", "GuestMainColor", &LiveSettings::GuestMainColor, Writer::Ok, 0, 0xFFFFFF},
    {"TeamIdentity", "GuestSecondColor", &LiveSettings::GuestSecondColor, Writer::Ok, 0, 0xFFFFFF},
};

QString pathOf(const Setting &setting)
{
    return QLatin1String(setting.section) + QLatin1Char('/') + QLatin1String(setting.key);
}

// What QSettings hands back for a text value: a hand-written value with unquoted commas comes
// back as a list, which is put back together with the commas where they stood. (The spaces
// round them are lost to the store; none are added.)
QString storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

template<typename T>
void loadNumber(T &target, const QVariant &stored, const Setting &setting)
{
    if (!stored.isValid()) {
        return;
    }
    if (stored.typeId() != QMetaType::QString && stored.typeId() != QMetaType::QByteArray) {
        return;
    }
    qint64 value = 0;
    const qint64 minimum = std::max<qint64>(std::numeric_limits<T>::min(), setting.minimum);
    const qint64 maximum = std::min<qint64>(std::numeric_limits<T>::max(), setting.maximum);
    if (ParseStoredInteger(stored.toString(), minimum, maximum, value)) {
        target = static_cast<T>(value);
    }
}

} // namespace

bool ParseStoredInteger(const QString &text, qint64 minimum, qint64 maximum, qint64 &value)
{
    if (text.isEmpty() || text.size() > 20) {
        return false;
    }
    qsizetype start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (start == text.size()) {
        return false;
    }
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    const qlonglong parsed = text.toLongLong(&ok, 10);
    if (!ok || parsed < minimum || parsed > maximum) {
        return false;
    }
    value = parsed;
    return true;
}

LiveSettings DefaultSettings(const QString &defaultBuzzerFile)
{
    LiveSettings defaults;
    defaults.StartStopClockKey = 115; // s
    defaults.ResetClockKey = 114; // r
    defaults.BuzzerKey = 98; // b
    // Letters no other command, figure entry or reserved key takes: p for phase, a for added.
    defaults.NextPhaseKey = 112; // p
    defaults.AddedTimeKey = 97; // a
    defaults.BuzzerFile = defaultBuzzerFile;
    defaults.HomeColor = 16777215;
    defaults.GuestColor = 16777215;
    defaults.FormColor = 32768;
    defaults.TextColor = 16777215;
    defaults.LEDColor = 65535;
    defaults.LEDBackColor = 0;
    // The board's texts until the operator types others: in the operator's language.
    defaults.TitleText = QCoreApplication::translate("DefaultSettings", "Home");
    defaults.HomeText = QCoreApplication::translate("DefaultSettings", "Home");
    defaults.GuestText = QCoreApplication::translate("DefaultSettings", "Guest");
    defaults.ServiceAddress = QStringLiteral("http://localhost:8080/web/");
    defaults.RemotePort = DefaultRemotePort;
    // The board's own way: each half of 45 minutes counts down, and nothing else is played.
    defaults.HalfMinutes = 45;
    defaults.BreakMinutes = 15;
    // Red and white at home, blue and white away (0x00BBGGRR), the usual kits of a club.
    defaults.HomeMainColor = 0x002020C0;
    defaults.HomeSecondColor = 0x00FFFFFF;
    defaults.GuestMainColor = 0x00C05020;
    defaults.GuestSecondColor = 0x00FFFFFF;
    return defaults;
}

QString DefaultBuzzerFile()
{
    // Beside the program in a build tree; in the installed data folder otherwise.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral("buzzer.wav"));
    const QString installed
        = QDir::cleanPath(programDir.filePath(QStringLiteral("../share/varnelo/buzzer.wav")));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

void LoadSettings(LiveSettings &settings, const QSettings &store, const QString &defaultBuzzerFile)
{
    settings = DefaultSettings(defaultBuzzerFile);
    for (const Setting &setting : Settings) {
        const QVariant stored = store.value(pathOf(setting));
        std::visit(
            [&](auto field) {
                using T = std::remove_cvref_t<decltype(settings.*field)>;
                if constexpr (std::is_same_v<T, QString>) {
                    if (stored.isValid()) {
                        settings.*field = storedText(stored).left(setting.maximum);
                    }
                } else {
                    loadNumber(settings.*field, stored, setting);
                }
            },
            setting.field);
    }
}

namespace {

// The store holds the web passcode and the pairing code: only its owner may read it. A new file
// is made private before anything is written to it; rewrites keep the mode.
void keepPrivate(const QSettings &store)
{
    const QString path = store.fileName();
    QFile file(path);
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return;
        }
        file.close();
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

bool saveWhere(
    const LiveSettings &settings, QSettings &store, std::initializer_list<Writer> writers)
{
    for (const Setting &setting : Settings) {
        if (std::find(writers.begin(), writers.end(), setting.writer) == writers.end()) {
            continue;
        }
        std::visit(
            [&](auto field) {
                using T = std::remove_cvref_t<decltype(settings.*field)>;
                if constexpr (std::is_same_v<T, QString>) {
                    store.setValue(pathOf(setting), settings.*field);
                } else {
                    store.setValue(pathOf(setting), QString::number(settings.*field));
                }
            },
            setting.field);
    }
    if (store.format() == QSettings::NativeFormat || store.format() == QSettings::IniFormat) {
        keepPrivate(store);
    }
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace

bool SaveSettings(const LiveSettings &settings, QSettings &store)
{
    return saveWhere(settings, store, {Writer::Ok, Writer::MatchFormat});
}

bool SaveBoardPlacement(const LiveSettings &settings, QSettings &store)
{
    return saveWhere(settings, store, {Writer::Placement});
}

bool SavePairingCode(const LiveSettings &settings, QSettings &store)
{
    return saveWhere(settings, store, {Writer::PairingCode});
}

bool SaveOverlayToken(const LiveSettings &settings, QSettings &store)
{
    return saveWhere(settings, store, {Writer::OverlayToken});
}

bool SaveMatchFormat(const LiveSettings &settings, QSettings &store)
{
    return saveWhere(settings, store, {Writer::MatchFormat});
}

qint32 RemotePortOf(const LiveSettings &settings)
{
    return settings.RemotePort >= 1 && settings.RemotePort <= 65535 ? settings.RemotePort
                                                                    : DefaultRemotePort;
}

std::unique_ptr<QSettings> OpenSettingsStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
        QStringLiteral("Varnelo"), QStringLiteral("Varnelo"));
}

QString StoredLanguage(const QSettings &store)
{
    LiveSettings settings;
    LoadSettings(settings, store, QString());
    return settings.Language;
}
