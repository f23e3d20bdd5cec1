#pragma once

#include "livesettings.h"

#include <memory>

class QSettings;

// The settings store: section, key, default and conversion of every setting, in one table.
// Numbers are stored as plain decimal text; a stored number that is not decimal integer text in
// range is ignored (its default is used) and the store is left as it is.

// The defaults of every setting; the buzzer file is `defaultBuzzerFile`.
LiveSettings DefaultSettings(const QString &defaultBuzzerFile);

// The buzzer.wav that ships beside the program.
QString DefaultBuzzerFile();

// Reads every setting from `store` into `settings`, each with its default.
void LoadSettings(LiveSettings &settings, const QSettings &store,
    const QString &defaultBuzzerFile = DefaultBuzzerFile());

// Writes every setting of the options dialog, changed or not, and makes sure they reached the
// disk; false when they could not be written (a folder that cannot be written, a full disk).
bool SaveSettings(const LiveSettings &settings, QSettings &store);
// Writes the board's placement alone, in the same way.
bool SaveBoardPlacement(const LiveSettings &settings, QSettings &store);
// Writes the remote control's pairing code alone, in the same way.
bool SavePairingCode(const LiveSettings &settings, QSettings &store);
// Writes the overlay token alone, in the same way.
bool SaveOverlayToken(const LiveSettings &settings, QSettings &store);
// Writes the match format alone, in the same way.
bool SaveMatchFormat(const LiveSettings &settings, QSettings &store);

// The longest half, half-time break and half of extra time the settings keep, in minutes: the
// game's limits (a stored value beyond them falls back to its default).
inline constexpr qint16 StoredHalfMinutesMax = 60;
inline constexpr qint16 StoredBreakMinutesMax = 30;
inline constexpr qint16 StoredExtraTimeMinutesMax = 30;

// The longest team sheet the settings keep, in characters: a squad of a few dozen lines with
// room to spare. A longer stored one is cut there.
inline constexpr qint16 StoredTeamSheetMax = 4000;

// The longest short name of a team.
inline constexpr qint16 StoredShortNameMax = 4;

// The remote control's port when none is stored or the stored one is no port.
inline constexpr qint32 DefaultRemotePort = 8765;
// The stored port, or the default one when it is not a usable port.
qint32 RemotePortOf(const LiveSettings &settings);

// The stored language setting alone, read before any window is made: the texts of every window
// depend on it.
QString StoredLanguage(const QSettings &store);

// The per-user store: organisation and application "Varnelo", native format (on Linux the INI
// file $XDG_CONFIG_HOME/Varnelo/Varnelo.conf).
std::unique_ptr<QSettings> OpenSettingsStore();

// Converts stored text to a number of the given range; false when it is not plain decimal
// integer text (an optional minus sign and digits) within [minimum, maximum].
bool ParseStoredInteger(const QString &text, qint64 minimum, qint64 maximum, qint64 &value);
