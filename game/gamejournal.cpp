#include "gamejournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QLatin1String Format("varnelo-game-journal");
constexpr int Version = 1;
// The longest clock a board can hold, with room for a count past zero; anything beyond is not
// a journal of ours.
constexpr ClockValue LongestClock = ClockSeconds(100 * 3600);
// A journal is a few kilobytes, a match with all its events some tens; a large file is not one.
constexpr qint64 LargestJournal = 1024 * 1024;

bool wholeNumber(const QJsonValue &value, double minimum, double maximum, qint64 &out)
{
    if (!value.isDouble()) {
        return false;
    }
    const double d = value.toDouble();
    if (d != std::floor(d) || d < minimum || d > maximum) {
        return false;
    }
    out = static_cast<qint64>(d);
    return true;
}

QJsonArray kicksArray(const QList<bool> &kicks)
{
    QJsonArray array;
    for (const bool scored : kicks) {
        array.append(scored);
    }
    return array;
}

std::optional<QList<bool>> kicksList(const QJsonValue &value)
{
    if (!value.isArray() || value.toArray().size() > 100) {
        return std::nullopt;
    }
    QList<bool> kicks;
    for (const QJsonValue &kick : value.toArray()) {
        if (!kick.isBool()) {
            return std::nullopt;
        }
        kicks << kick.toBool();
    }
    return kicks;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QJsonArray encodeEvents(const QList<MatchEvent> &events)
{
    QJsonArray array;
    for (const MatchEvent &event : events) {
        QJsonObject object = EventJson(event);
        object.insert(QStringLiteral("wallClock"), static_cast<double>(event.wallClock));
        array.append(object);
    }
    return array;
}

QJsonArray encodeLog(const QList<PhaseRecord> &log)
{
    QJsonArray array;
    for (const PhaseRecord &record : log) {
        array.append(QJsonObject{
            {QStringLiteral("phase"), latin1(PhaseName(record.phase))},
            {QStringLiteral("wallStart"), static_cast<double>(record.wallStart)},
            {QStringLiteral("wallEnd"), static_cast<double>(record.wallEnd)},
            {QStringLiteral("clockStart"), record.clockStart},
            {QStringLiteral("clockEnd"), record.clockEnd},
            {QStringLiteral("addedAnnounced"), record.addedAnnounced},
            {QStringLiteral("addedPlayed"), static_cast<double>(record.addedPlayed)},
            {QStringLiteral("homeScore"), record.homeScore},
            {QStringLiteral("visitorScore"), record.visitorScore},
        });
    }
    return array;
}

std::optional<Phase> phaseOf(const QJsonValue &value)
{
    const QByteArray name = value.toString().toLatin1();
    return PhaseNamed(std::string_view(name.constData(), size_t(name.size())));
}

// A short text of the journal's own: at most `longest` characters.
std::optional<QString> shortText(const QJsonValue &value, qsizetype longest)
{
    if (!value.isString() || value.toString().size() > longest) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<QList<MatchEvent>> decodeEvents(const QJsonValue &value, int nextId)
{
    if (!value.isArray() || value.toArray().size() > 1000) {
        return std::nullopt;
    }
    QList<MatchEvent> events;
    for (const QJsonValue &item : value.toArray()) {
        const QJsonObject object = item.toObject();
        MatchEvent event;
        qint64 id = 0;
        qint64 wall = 0;
        const QByteArray kind = object.value(QStringLiteral("kind")).toString().toLatin1();
        const QByteArray team = object.value(QStringLiteral("team")).toString().toLatin1();
        const auto kindNamed
            = EventKindNamed(std::string_view(kind.constData(), size_t(kind.size())));
        const auto teamNamed = TeamNamed(std::string_view(team.constData(), size_t(team.size())));
        const auto phase = phaseOf(object.value(QStringLiteral("phase")));
        const auto minute = shortText(object.value(QStringLiteral("minute")), 8);
        const auto player = shortText(object.value(QStringLiteral("player")), LongestShirtNumber);
        const auto name = shortText(object.value(QStringLiteral("name")), 60);
        if (!wholeNumber(object.value(QStringLiteral("id")), 1, nextId - 1, id)
            || !wholeNumber(object.value(QStringLiteral("wallClock")), 0, 9e15, wall) || !kindNamed
            || !teamNamed || !phase || !minute || !player || !IsShirtNumber(*player) || !name) {
            return std::nullopt;
        }
        event.id = int(id);
        event.kind = *kindNamed;
        event.team = *teamNamed;
        event.phase = *phase;
        event.minute = *minute;
        event.player = *player;
        event.name = *name;
        event.wallClock = wall;
        events.append(event);
    }
    return events;
}

std::optional<QList<PhaseRecord>> decodeLog(const QJsonValue &value)
{
    if (!value.isArray() || value.toArray().size() > 100) {
        return std::nullopt;
    }
    QList<PhaseRecord> log;
    for (const QJsonValue &item : value.toArray()) {
        const QJsonObject object = item.toObject();
        PhaseRecord record;
        qint64 start = 0;
        qint64 end = 0;
        qint64 announced = 0;
        qint64 played = 0;
        qint64 home = 0;
        qint64 visitor = 0;
        const auto phase = phaseOf(object.value(QStringLiteral("phase")));
        const auto clockStart = shortText(object.value(QStringLiteral("clockStart")), 8);
        const auto clockEnd = shortText(object.value(QStringLiteral("clockEnd")), 8);
        if (!phase || !clockStart || !clockEnd
            || !wholeNumber(object.value(QStringLiteral("wallStart")), 0, 9e15, start)
            || !wholeNumber(object.value(QStringLiteral("wallEnd")), 0, 9e15, end)
            || !wholeNumber(
                object.value(QStringLiteral("addedAnnounced")), 0, LongestAddedMinutes, announced)
            || !wholeNumber(object.value(QStringLiteral("addedPlayed")), 0, 100 * 3600, played)
            || !wholeNumber(object.value(QStringLiteral("homeScore")), 0, 99, home)
            || !wholeNumber(object.value(QStringLiteral("visitorScore")), 0, 99, visitor)) {
            return std::nullopt;
        }
        record.phase = *phase;
        record.wallStart = start;
        record.wallEnd = end;
        record.clockStart = *clockStart;
        record.clockEnd = *clockEnd;
        record.addedAnnounced = int(announced);
        record.addedPlayed = played;
        record.homeScore = int(home);
        record.visitorScore = int(visitor);
        log.append(record);
    }
    return log;
}

QJsonObject encodeMatch(const MatchState &match)
{
    const MatchFormat &format = match.format;
    const std::string_view phase = PhaseName(match.phase);
    return {
        {QStringLiteral("clock"),
            QLatin1String(format.clock == ClockDirection::Up ? "up" : "down")},
        {QStringLiteral("halfMinutes"), format.halfMinutes},
        {QStringLiteral("breakMinutes"), format.breakMinutes},
        {QStringLiteral("extraTimeMinutes"), format.extraTimeMinutes},
        {QStringLiteral("penalties"), format.penalties},
        {QStringLiteral("phase"), QLatin1String(phase.data(), qsizetype(phase.size()))},
        {QStringLiteral("addedMinutes"), match.addedMinutes},
        {QStringLiteral("home"), kicksArray(match.shootout.kicks(Team::Home))},
        {QStringLiteral("visitor"), kicksArray(match.shootout.kicks(Team::Visitor))},
        {QStringLiteral("events"), encodeEvents(match.events)},
        {QStringLiteral("nextEventId"), match.nextEventId},
        {QStringLiteral("log"), encodeLog(match.log)},
    };
}

// The match of a journal; nullopt when it is not a sound one.
std::optional<MatchState> decodeMatch(const QJsonObject &object)
{
    MatchState match;
    MatchFormat &format = match.format;
    const QString clock = object.value(QStringLiteral("clock")).toString();
    if (clock != QLatin1String("up") && clock != QLatin1String("down")) {
        return std::nullopt;
    }
    format.clock = clock == QLatin1String("up") ? ClockDirection::Up : ClockDirection::Down;
    qint64 half = 0;
    qint64 pause = 0;
    qint64 extra = 0;
    qint64 added = 0;
    if (!wholeNumber(object.value(QStringLiteral("halfMinutes")), 0, 1000, half)
        || !wholeNumber(object.value(QStringLiteral("breakMinutes")), 0, 1000, pause)
        || !wholeNumber(object.value(QStringLiteral("extraTimeMinutes")), 0, 1000, extra)
        || !wholeNumber(object.value(QStringLiteral("addedMinutes")), 0, LongestAddedMinutes, added)
        || !object.value(QStringLiteral("penalties")).isBool()) {
        return std::nullopt;
    }
    format.halfMinutes = int(half);
    format.breakMinutes = int(pause);
    format.extraTimeMinutes = int(extra);
    format.penalties = object.value(QStringLiteral("penalties")).toBool();
    if (MatchFormatRefusal(format)) {
        return std::nullopt;
    }
    const QByteArray phase = object.value(QStringLiteral("phase")).toString().toLatin1();
    const std::optional<Phase> named
        = PhaseNamed(std::string_view(phase.constData(), size_t(phase.size())));
    const auto home = kicksList(object.value(QStringLiteral("home")));
    const auto visitor = kicksList(object.value(QStringLiteral("visitor")));
    if (!named || !home || !visitor) {
        return std::nullopt;
    }
    const auto shootout = Shootout::FromKicks(*home, *visitor);
    if (!shootout) {
        return std::nullopt;
    }
    match.phase = *named;
    match.addedMinutes = int(added);
    match.shootout = *shootout;
    // Written before a match had events: none.
    if (object.contains(QStringLiteral("events"))) {
        qint64 nextId = 0;
        if (!wholeNumber(object.value(QStringLiteral("nextEventId")), 1, 1e9, nextId)) {
            return std::nullopt;
        }
        const auto events = decodeEvents(object.value(QStringLiteral("events")), int(nextId));
        const auto log = decodeLog(object.value(QStringLiteral("log")));
        if (!events || !log) {
            return std::nullopt;
        }
        match.events = *events;
        match.nextEventId = int(nextId);
        match.log = *log;
    }
    return match;
}

} // namespace

QByteArray EncodeJournal(const JournalRecord &record)
{
    QJsonObject figures;
    for (auto it = record.Figures.constBegin(); it != record.Figures.constEnd(); ++it) {
        QJsonArray digits;
        for (const qint16 caption : it.value()) {
            digits.append(caption);
        }
        figures.insert(it.key(), digits);
    }
    QJsonObject root{
        {QStringLiteral("format"), Format},
        {QStringLiteral("version"), Version},
        {QStringLiteral("baseValue"), static_cast<double>(record.BaseValue)},
        {QStringLiteral("elapsedTime"), static_cast<double>(record.ElapsedTime)},
        {QStringLiteral("running"), record.Running},
        {QStringLiteral("lastEnteredTime"), record.LastEnteredTime},
        {QStringLiteral("writtenAt"), static_cast<double>(record.WrittenAt)},
        {QStringLiteral("figures"), figures},
    };
    // Only a match that left the board's own way needs writing down: a journal of the default
    // stays as it always was.
    if (record.Match != MatchState() || record.CountsUp) {
        root.insert(QStringLiteral("countsUp"), record.CountsUp);
        root.insert(QStringLiteral("match"), encodeMatch(record.Match));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<JournalRecord> DecodeJournal(const QByteArray &data)
{
    if (data.size() > LargestJournal) {
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != Format
        || root.value(QStringLiteral("version")).toInt(-1) != Version
        || !root.value(QStringLiteral("running")).isBool()
        || !root.value(QStringLiteral("figures")).isObject()) {
        return std::nullopt;
    }
    JournalRecord record;
    qint64 base = 0;
    qint64 elapsed = 0;
    qint64 entered = 0;
    qint64 written = 0;
    if (!wholeNumber(root.value(QStringLiteral("baseValue")), 0, LongestClock, base)
        || !wholeNumber(root.value(QStringLiteral("elapsedTime")), 0, 2.0 * LongestClock, elapsed)
        || !wholeNumber(root.value(QStringLiteral("lastEnteredTime")), 0, 100 * 3600, entered)
        || !wholeNumber(root.value(QStringLiteral("writtenAt")), 0, 9e15, written)) {
        return std::nullopt;
    }
    record.BaseValue = base;
    record.ElapsedTime = elapsed;
    record.Running = root.value(QStringLiteral("running")).toBool();
    record.LastEnteredTime = static_cast<qint32>(entered);
    record.WrittenAt = written;
    if (root.contains(QStringLiteral("match"))) {
        const auto match = decodeMatch(root.value(QStringLiteral("match")).toObject());
        if (!match || !root.value(QStringLiteral("countsUp")).isBool()) {
            return std::nullopt;
        }
        record.Match = *match;
        record.CountsUp = root.value(QStringLiteral("countsUp")).toBool();
    }
    const QJsonObject figures = root.value(QStringLiteral("figures")).toObject();
    for (auto it = figures.constBegin(); it != figures.constEnd(); ++it) {
        if (!it.value().isArray() || it.value().toArray().size() > 8) {
            return std::nullopt;
        }
        QList<qint16> digits;
        for (const QJsonValue &digit : it.value().toArray()) {
            qint64 caption = 0;
            if (!wholeNumber(digit, -1, 9, caption)) {
                return std::nullopt;
            }
            digits << static_cast<qint16>(caption);
        }
        record.Figures.insert(it.key(), digits);
    }
    return record;
}

ClockSlot ResumedClock(const JournalRecord &record, qint64 now)
{
    ClockSlot slot;
    slot.BaseValue = record.BaseValue;
    slot.BankedTime = record.ElapsedTime;
    if (record.Running) {
        // A computer clock set back while the program was down does not run the game back.
        const qint64 down = std::max<qint64>(0, now - record.WrittenAt);
        slot.BankedTime += down * (ClockUnitsPerSecond / 1000);
    }
    // The clock reads in tenths of a second: time banked off that grid would show each new
    // figure up to a tenth late.
    slot.BankedTime -= slot.BankedTime % ClockTenths(1);
    slot.CountUp = record.CountsUp ? 1 : 0;
    // A count-down never holds more elapsed time than it started with.
    if (!record.CountsUp) {
        slot.BankedTime = std::min(slot.BankedTime, slot.BaseValue);
    }
    return slot;
}

GameJournal::GameJournal(QString path)
    : m_path(std::move(path))
{
}

QString GameJournal::DefaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("game-journal.json"));
}

bool GameJournal::exists() const
{
    return QFileInfo::exists(m_path);
}

bool GameJournal::write(const JournalRecord &record, QString *error)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    QSaveFile file(m_path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(EncodeJournal(record)) >= 0
        && file.commit();
    if (!written) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    // The rename is on disk only once its folder is: a power cut could otherwise bring back the
    // journal before it, or none.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

std::optional<JournalRecord> GameJournal::read(bool *unreadable, QString *error) const
{
    QFile file(m_path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray data = opened ? file.read(LargestJournal + 1) : QByteArray();
    const bool failed = !opened || file.error() != QFileDevice::NoError;
    if (unreadable) {
        *unreadable = failed;
    }
    if (failed) {
        if (error) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return DecodeJournal(data);
}

void GameJournal::remove()
{
    QFile::remove(m_path);
}
