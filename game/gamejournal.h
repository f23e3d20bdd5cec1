#pragma once

#include "game/matchstate.h"
#include "game/modcount.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What the journal keeps of a game so that it survives a crash of the program or the computer:
// the game clock, the last entered time, every figure, and when it was written.
struct JournalRecord
{
    ClockValue BaseValue = 0;
    // All the time the clock has run since it was last set, up to the moment of writing.
    ClockValue ElapsedTime = 0;
    bool Running = false;
    // Whether the clock counts up (a match clock counting up), not down.
    bool CountsUp = false;
    qint32 LastEnteredTime = 0;
    // The calendar time of writing, in milliseconds since 1970 (UTC).
    qint64 WrittenAt = 0;
    // The captions of each digit group's LED digits (digit 0 first), by LED array name.
    QMap<QString, QList<qint16>> Figures;
    // The match; a journal written before matches had phases holds the default.
    MatchState Match;

    bool operator==(const JournalRecord &) const = default;
};

QByteArray EncodeJournal(const JournalRecord &record);
// nullopt for anything that is not a journal of ours, or not a sound one.
std::optional<JournalRecord> DecodeJournal(const QByteArray &data);

// The clock bank's slot as it stands after the program was down from the time of writing until
// `now` (calendar milliseconds): a running clock has counted on for the whole of that time.
ClockSlot ResumedClock(const JournalRecord &record, qint64 now);

// The journal file in the per-user data folder. Writes replace it atomically, so a crash while
// writing leaves the previous journal whole. Writing and removing may run on another thread
// than reading; tests override them to make the disk slow.
class GameJournal
{
public:
    explicit GameJournal(QString path);
    virtual ~GameJournal() = default;
    // The journal's place in the per-user data folder.
    static QString DefaultPath();

    const QString &path() const { return m_path; }
    bool exists() const;
    // Replaces the journal and makes the replacement durable (the folder too); false with
    // `error` set when it could not.
    virtual bool write(const JournalRecord &record, QString *error = nullptr);
    // The journal's game; nullopt when there is none to be had. `unreadable` says whether that
    // is because the file could not be read at all (its content unknown, so not to be thrown
    // away) rather than because it is not a sound journal of ours.
    std::optional<JournalRecord> read(bool *unreadable = nullptr, QString *error = nullptr) const;
    virtual void remove();

private:
    QString m_path;
};
