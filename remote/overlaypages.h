#pragma once

#include "remote/remotecore.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

// The overlay pages for streams, as the remote control's server serves them: one page for every
// panel (it reads its panel from its own address), its script and its style sheet, all from the
// program's resources.

enum class OverlayFile { Page, Script, Style };

// What `path` asks for: "/overlay/scorebug" (or another panel), "/overlay/overlay.js",
// "/overlay/overlay.css"; nullopt for anything else.
std::optional<OverlayFile> OverlayFileOf(std::string_view path);
// The file with its type and guards; 404 if the resources lack it.
RemoteAnswer OverlayAnswer(OverlayFile file);
// A refusal for a person looking at a page: plain text.
RemoteAnswer OverlayRefusal(int status, const std::string &text);

// The pages' names as their addresses end: "scorebug", "statistics", "shootout", "goal",
// "board".
QStringList OverlayPageNames();

// The value of `name` in a query ("a=1&token=X"), decoded; empty when it is not there.
QString QueryValue(const std::string &query, const QString &name);
