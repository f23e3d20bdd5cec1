#include "remotepage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr const char *Context = "RemotePage";

// The page's texts, and the refusals of the board's commands, which the page shows as they come.
const char *const Texts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "Varnelo Remote"),
    //: "Remote Control" is the caption of the options' button that opens the pairing code.
    QT_TRANSLATE_NOOP("RemotePage",
        "Type the pairing code shown in the board's options: press \"o\" on the board, then "
        "the \"Remote Control\" button."),
    QT_TRANSLATE_NOOP("RemotePage", "Pairing code"),
    QT_TRANSLATE_NOOP("RemotePage", "Pair"),
    QT_TRANSLATE_NOOP("RemotePage", "Connecting…"),
    QT_TRANSLATE_NOOP("RemotePage", "Connected"),
    QT_TRANSLATE_NOOP("RemotePage", "Reconnecting…"),
    QT_TRANSLATE_NOOP("RemotePage", "Not connected"),
    QT_TRANSLATE_NOOP("RemotePage", "Start / Stop"),
    QT_TRANSLATE_NOOP("RemotePage", "Start"),
    QT_TRANSLATE_NOOP("RemotePage", "Stop"),
    QT_TRANSLATE_NOOP("RemotePage", "Reset"),
    QT_TRANSLATE_NOOP("RemotePage", "Buzzer"),
    QT_TRANSLATE_NOOP("RemotePage", "Set the clock"),
    QT_TRANSLATE_NOOP("RemotePage", "Minutes"),
    QT_TRANSLATE_NOOP("RemotePage", "Seconds"),
    QT_TRANSLATE_NOOP("RemotePage", "Set clock"),
    QT_TRANSLATE_NOOP("RemotePage", "Period"),
    QT_TRANSLATE_NOOP("RemotePage", "Score"),
    QT_TRANSLATE_NOOP("RemotePage", "Shots"),
    QT_TRANSLATE_NOOP("RemotePage", "Corner kicks"),
    QT_TRANSLATE_NOOP("RemotePage", "Saves"),
    QT_TRANSLATE_NOOP("RemotePage", "%1 minus one"),
    QT_TRANSLATE_NOOP("RemotePage", "%1 plus one"),
    QT_TRANSLATE_NOOP("RemotePage", "Type %1"),
    QT_TRANSLATE_NOOP("RemotePage", "Before kick-off"),
    QT_TRANSLATE_NOOP("RemotePage", "First half"),
    QT_TRANSLATE_NOOP("RemotePage", "Half-time"),
    QT_TRANSLATE_NOOP("RemotePage", "Second half"),
    QT_TRANSLATE_NOOP("RemotePage", "Extra time, first half"),
    QT_TRANSLATE_NOOP("RemotePage", "Extra time, break"),
    QT_TRANSLATE_NOOP("RemotePage", "Extra time, second half"),
    QT_TRANSLATE_NOOP("RemotePage", "Penalties"),
    QT_TRANSLATE_NOOP("RemotePage", "Full time"),
    //: On the button that changes the match's phase; %1 is the phase it goes to.
    QT_TRANSLATE_NOOP("RemotePage", "Next: %1"),
    QT_TRANSLATE_NOOP("RemotePage", "Next phase"),
    QT_TRANSLATE_NOOP("RemotePage", "Confirm"),
    QT_TRANSLATE_NOOP("RemotePage", "Cancel"),
    //: The stoppage time the fourth official announces ("+3").
    QT_TRANSLATE_NOOP("RemotePage", "Added time"),
    QT_TRANSLATE_NOOP("RemotePage", "One minute less"),
    QT_TRANSLATE_NOOP("RemotePage", "One minute more"),
    QT_TRANSLATE_NOOP("RemotePage", "Announce"),
    //: The penalty shoot-out.
    QT_TRANSLATE_NOOP("RemotePage", "Shoot-out"),
    //: A penalty kick that went in.
    QT_TRANSLATE_NOOP("RemotePage", "Scored"),
    QT_TRANSLATE_NOOP("RemotePage", "Missed"),
    QT_TRANSLATE_NOOP("RemotePage", "%1 of %2 kicks scored"),
    QT_TRANSLATE_NOOP("RemotePage", "Yellow card"),
    QT_TRANSLATE_NOOP("RemotePage", "Red card"),
    //: A player's second yellow card in a match, which sends them off.
    QT_TRANSLATE_NOOP("RemotePage", "Second yellow"),
    QT_TRANSLATE_NOOP("RemotePage", "Goal"),
    //: The match's goals and cards, listed.
    QT_TRANSLATE_NOOP("RemotePage", "Events"),
    //: Who scored a goal; on a button that asks for the scorer's shirt number.
    QT_TRANSLATE_NOOP("RemotePage", "Scorer"),
    QT_TRANSLATE_NOOP("RemotePage", "Remove"),
    QT_TRANSLATE_NOOP("RemotePage", "Delete digit"),
    //: On the number pad: empties what was typed.
    QT_TRANSLATE_NOOP("RemotePage", "Clear"),
    //: Read out beside a team's name: the number of its players sent off.
    QT_TRANSLATE_NOOP("RemotePage", "%1 sent off"),
    QT_TRANSLATE_NOOP("RemotePage", "wrong code"),
    QT_TRANSLATE_NOOP("RemotePage", "too many wrong codes"),
    QT_TRANSLATE_NOOP("RemotePage", "not a JSON object"),
    QT_TRANSLATE_NOOP("RemotePage", "unknown command"),
    QT_TRANSLATE_NOOP("RemotePage", "unknown figure"),
    QT_TRANSLATE_NOOP("RemotePage", "out of range"),
    // Each counter's limits, as FigureLimitRefusal words them in every match format.
    QT_TRANSLATE_NOOP("RemotePage", "the score goes up to 99"),
    QT_TRANSLATE_NOOP("RemotePage", "the score does not go below 0"),
    QT_TRANSLATE_NOOP("RemotePage", "the period goes up to 4"),
    QT_TRANSLATE_NOOP("RemotePage", "the period does not go below 1"),
    QT_TRANSLATE_NOOP("RemotePage", "shots go up to 99"),
    QT_TRANSLATE_NOOP("RemotePage", "shots do not go below 0"),
    QT_TRANSLATE_NOOP("RemotePage", "corner kicks go up to 9"),
    QT_TRANSLATE_NOOP("RemotePage", "corner kicks go up to 99"),
    QT_TRANSLATE_NOOP("RemotePage", "corner kicks do not go below 0"),
    QT_TRANSLATE_NOOP("RemotePage", "saves go up to 99"),
    QT_TRANSLATE_NOOP("RemotePage", "saves do not go below 0"),
    QT_TRANSLATE_NOOP("RemotePage", "not a whole number"),
    QT_TRANSLATE_NOOP("RemotePage", "minutes and seconds are whole numbers from 0 to 59"),
    QT_TRANSLATE_NOOP(
        "RemotePage", "the clock takes whole minutes and seconds from 0:00 to 120:00"),
    QT_TRANSLATE_NOOP("RemotePage", "minutes is a whole number from 0 to 30"),
    QT_TRANSLATE_NOOP("RemotePage", "added time is announced only in a playing half"),
    QT_TRANSLATE_NOOP("RemotePage", "the match is in that phase already"),
    QT_TRANSLATE_NOOP("RemotePage", "the match is over"),
    QT_TRANSLATE_NOOP("RemotePage", "the phase cannot change now"),
    QT_TRANSLATE_NOOP("RemotePage", "penalties are taken only in the shoot-out"),
    QT_TRANSLATE_NOOP("RemotePage", "it is not that team's kick"),
    QT_TRANSLATE_NOOP("RemotePage", "team is \"home\" or \"visitor\""),
    QT_TRANSLATE_NOOP("RemotePage", "colour is \"yellow\" or \"red\""),
    QT_TRANSLATE_NOOP("RemotePage", "player is a shirt number of up to 3 digits"),
    QT_TRANSLATE_NOOP("RemotePage", "unknown event"),
    QT_TRANSLATE_NOOP("RemotePage", "kind is \"goal\", \"yellow\", \"secondYellow\" or \"red\""),
    QT_TRANSLATE_NOOP("RemotePage", "minute is written like 23' or 45+2'"),
    QT_TRANSLATE_NOOP(
        "RemotePage", "name is a text of up to 60 characters without control characters"),
    QT_TRANSLATE_NOOP("RemotePage", "editEvent takes kind, team, minute, player or name"),
    QT_TRANSLATE_NOOP("RemotePage", "the card cannot be given now"),
    QT_TRANSLATE_NOOP("RemotePage", "the event cannot take that change"),
    QT_TRANSLATE_NOOP("RemotePage", "the event cannot be removed now"),
    QT_TRANSLATE_NOOP("RemotePage", "unknown panel"),
    QT_TRANSLATE_NOOP("RemotePage", "visible is true or false"),
    QT_TRANSLATE_NOOP("RemotePage", "there is no goal to show"),
    QT_TRANSLATE_NOOP("RemotePage", "the overlay token only reads"),
    QT_TRANSLATE_NOOP("RemotePage", "the remote control is switched off"),
};

} // namespace

QStringList RemotePageTexts()
{
    QStringList all;
    for (const char *text : Texts) {
        all << QString::fromUtf8(text);
    }
    return all;
}

QByteArray RemotePageTextsScript()
{
    QJsonObject translated;
    for (const char *text : Texts) {
        const QString english = QString::fromUtf8(text);
        const QString shown = QCoreApplication::translate(Context, text);
        if (shown != english) {
            translated.insert(english, shown);
        }
    }
    const QJsonObject all{
        {QStringLiteral("lang"), RemotePageLanguage()}, {QStringLiteral("texts"), translated}};
    return "'use strict';\nwindow.varneloTexts = "
        + QJsonDocument(all).toJson(QJsonDocument::Compact) + ";\n";
}

QString RemotePageLanguage()
{
    //: The code of this catalogue's language (de, fr, ...), for the remote page's lang attribute.
    return QCoreApplication::translate("RemotePage", "en");
}
