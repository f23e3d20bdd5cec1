#include "overlaykeys.h"

#include "board/boardshortcut.h"
#include "game/overlaystate.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

void AddOverlayKeys(QWidget &board, OverlayState &overlay)
{
    struct PanelKey
    {
        OverlayPanel panel;
        Qt::Key key;
        const char *name;
        const char *text;
    };
    static constexpr PanelKey Keys[] = {
        {OverlayPanel::ScoreBug, Qt::Key_1, "actOverlayScoreBug",
            QT_TRANSLATE_NOOP("OverlayKeys", "Show or hide the score bug on the stream")},
        {OverlayPanel::Statistics, Qt::Key_2, "actOverlayStatistics",
            QT_TRANSLATE_NOOP("OverlayKeys", "Show or hide the statistics on the stream")},
        {OverlayPanel::Shootout, Qt::Key_3, "actOverlayShootout",
            QT_TRANSLATE_NOOP("OverlayKeys", "Show or hide the shoot-out on the stream")},
        {OverlayPanel::Board, Qt::Key_4, "actOverlayBoard",
            QT_TRANSLATE_NOOP("OverlayKeys", "Show or hide the whole board on the stream")},
    };
    for (const PanelKey &key : Keys) {
        AddBoardShortcut(board, key.name, QCoreApplication::translate("OverlayKeys", key.text),
            QKeySequence(Qt::CTRL | key.key),
            [&overlay, panel = key.panel] { overlay.toggle(panel); });
    }
    AddBoardShortcut(board, "actOverlayGoal",
        QCoreApplication::translate("OverlayKeys", "Show the latest goal on the stream again"),
        QKeySequence(Qt::CTRL | Qt::Key_G), [&overlay] { overlay.fireGoalPopup(); });
}
