#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>

#include <array>

class BoardLabel;
class BoardShape;
class DigitGroup;
class QWidget;
struct LiveSettings;

// The board's controls as its design data creates them: geometry in twips, the LED digits'
// stored properties, captions and fonts. The board owns them through Qt's parent chain.
struct BoardDesign
{
    QString caption;
    QSize clientSize; // pixels
    // Every control in the order of the design data; a container comes before its contents.
    QList<QWidget *> controls;
    QHash<QString, BoardLabel *> labels;
    // A label's caption as a screen reader says it, by the label's name.
    QHash<QString, QString> spokenCaptions;
    // Digit groups in design order, and by the name of their LED array ("sgmScoreH").
    QList<DigitGroup *> groupList;
    QHash<QString, DigitGroup *> groups;
    BoardShape *frame = nullptr;
    std::array<BoardShape *, 2> colonDots{};
    QList<QWidget *> tabOrder;
};

// The board's design data, compiled into the program.
QJsonObject LoadBoardDesign();

// Creates the controls of `design` as children of `board`.
BoardDesign CreateBoardControls(QWidget *board, const QJsonObject &design);

// Puts the operator's title and team names on the board's captions.
void ShowBoardTexts(const BoardDesign &design, const LiveSettings &settings);
