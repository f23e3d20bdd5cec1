#pragma once

#include "board/frmscoreboard.h"
#include "startup/application.h"
#include "startup/frmsplash.h"

#include <QSettings>
#include <QString>

#include <memory>

// The program as the tests run it: its settings file and its game journal in a folder of the
// test's own, never the operator's.

inline QString SettingsPathIn(const QString &folder)
{
    return folder + QStringLiteral("/Varnelo.conf");
}

inline QString JournalPathIn(const QString &folder)
{
    return folder + QStringLiteral("/journal.json");
}

inline std::unique_ptr<Application> MakeApplication(
    UiServices &ui, const QString &folder, const TimeSource *time = nullptr)
{
    return std::make_unique<Application>(ui,
        std::make_unique<QSettings>(SettingsPathIn(folder), QSettings::IniFormat), time,
        JournalPathIn(folder));
}

// Starts the program and leaves its splash for the board, as the operator's click does; null
// when there is no splash to leave.
inline frmScoreboard *GoToBoard(Application &program)
{
    program.start();
    if (program.splash() == nullptr) {
        return nullptr;
    }
    program.splash()->GoScore();
    return program.board();
}
