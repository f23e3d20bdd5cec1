#include "modwebsb.h"

#include "game/scoreboardgame.h"
#include "languages/languages.h"
#include "protocol/websbprotocol.h"
#include "settings/livesettings.h"
#include "settings/teamidentity.h"
#include "web/httpclient.h"
#include "web/webprompts.h"
#include "web/webstate.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Counts one update in WebSBInFlight from its sending until its answer, or until it is dropped.
class InFlightMark
{
public:
    explicit InFlightMark(WebState &web)
        : m_web(web)
    {
        ++m_web.WebSBInFlight;
    }
    ~InFlightMark() { release(); }
    InFlightMark(const InFlightMark &) = delete;
    InFlightMark &operator=(const InFlightMark &) = delete;

    void release()
    {
        if (m_released) {
            return;
        }
        m_released = true;
        if (--m_web.WebSBInFlight == 0) {
            const auto waiting = std::exchange(m_web.WebSBWhenIdle, {});
            for (const auto &then : waiting) {
                then();
            }
        }
    }

private:
    WebState &m_web;
    bool m_released = false;
};

// What the match's fields carry fits what a service that understands them takes.
static_assert(LongestAddedMinutes <= websbprotocol::MaxAddedMinutes);
static_assert(PhaseCount == int(websbprotocol::PhaseNames.size()));
static_assert(LongestMatchClockMinutes <= websbprotocol::LongestClockMinutes);

} // namespace

QStringList WebSBFieldValues(const LiveSettings &settings, const WebState &web)
{
    QStringList values{settings.TitleText, settings.HomeText, settings.GuestText};
    const std::array<QString, 14> figures
        = web.game ? web.game->WebSBValues() : std::array<QString, 14>{};
    for (std::size_t slot = 3; slot <= 12; ++slot) {
        values << figures[slot];
    }
    return values;
}

QList<WebSBField> WebSBMatchFields(const MatchState &match)
{
    const auto kicks = [&match](Team team) {
        QString text;
        for (bool scored : match.shootout.kicks(team)) {
            text += QLatin1Char(scored ? websbprotocol::KickScored : websbprotocol::KickMissed);
        }
        return text;
    };
    return {{latin1(websbprotocol::PhaseKey), latin1(PhaseName(match.phase))},
        {latin1(websbprotocol::AddedKey), QString::number(match.addedMinutes)},
        {latin1(websbprotocol::HomeKicksKey), kicks(Team::Home)},
        {latin1(websbprotocol::VisitorKicksKey), kicks(Team::Visitor)}};
}

QList<WebSBField> WebSBTeamFields(
    const LiveSettings &settings, const ScoreboardGame &game, const QString &language)
{
    namespace wire = websbprotocol;
    // How the face moves between two updates, so that a page can run it on by itself.
    QString run = latin1(wire::ClockStands);
    const MatchState &match = game.match();
    if (game.counting() && !game.countsUp()) {
        run = latin1(wire::ClockCountsDown);
    } else if (game.counting() && IsBreak(match.phase)) {
        // A match counted up counts its breaks down, in whole seconds.
        run = latin1(wire::ClockCountsDownInSeconds);
    } else if (game.counting()) {
        const auto span = HalfSpanOf(match.phase, match.format);
        const int holdMinute = span ? span->end / 60 : LongestMatchClockMinutes;
        run = latin1(wire::ClockCountsUpTo) + QString::number(holdMinute);
    }
    const int most = wire::MaxSendingOffs;
    const QString code
        = language.size() == 2 && language.isLower() ? language : QStringLiteral("en");
    return {{latin1(wire::HomeSendingOffsKey),
                QString::number(std::clamp(game.sendingOffs(Team::Home), 0, most))},
        {latin1(wire::VisitorSendingOffsKey),
            QString::number(std::clamp(game.sendingOffs(Team::Visitor), 0, most))},
        {latin1(wire::LanguageKey), code},
        {latin1(wire::HomeShortKey),
            TeamShortName(settings.HomeShort, settings.HomeText, QStringLiteral("HOME"))},
        {latin1(wire::VisitorShortKey),
            TeamShortName(settings.GuestShort, settings.GuestText, QStringLiteral("AWAY"))},
        {latin1(wire::HomeMainColourKey), ColourHex(settings.HomeMainColor)},
        {latin1(wire::HomeSecondColourKey), ColourHex(settings.HomeSecondColor)},
        {latin1(wire::VisitorMainColourKey), ColourHex(settings.GuestMainColor)},
        {latin1(wire::VisitorSecondColourKey), ColourHex(settings.GuestSecondColor)},
        {latin1(wire::ClockRunKey), run}};
}

bool WebSBUnderstands(const QByteArray &understands, std::string_view capability)
{
    const QByteArrayView wanted(capability.data(), qsizetype(capability.size()));
    const QList<QByteArray> items = understands.split(',');
    return std::any_of(items.begin(), items.end(), [&wanted](const QByteArray &item) {
        return wanted.compare(item.trimmed(), Qt::CaseInsensitive) == 0;
    });
}

QUrl BuildWebSBUrl(const QString &serviceAddress, const QString &page, const QStringList &values,
    const QString &passcode, bool final, const QList<WebSBField> &extra)
{
    // The page name follows the base address's own "/" even when it was typed without one.
    QString base = serviceAddress;
    if (!base.endsWith(QLatin1Char('/'))) {
        base += QLatin1Char('/');
    }
    QUrl url(base + QString::fromLatin1(QUrl::toPercentEncoding(page)), QUrl::StrictMode);
    // Built by hand from fully encoded parts: QUrlQuery would drop the "=" of an empty value.
    QString query;
    const auto add = [&query](const QString &name, const QString &value) {
        if (!query.isEmpty()) {
            query += QLatin1Char('&');
        }
        query += name + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    const auto &fields = websbprotocol::Fields;
    for (qsizetype i = 0; i < values.size() && i < qsizetype(fields.size()); ++i) {
        add(latin1(fields[std::size_t(i)].key), values.at(i));
    }
    for (const auto &[key, value] : extra) {
        add(QString::fromLatin1(QUrl::toPercentEncoding(key)), value);
    }
    add(latin1(websbprotocol::PasscodeKey), passcode);
    if (final) {
        add(latin1(websbprotocol::FinalKey), latin1(websbprotocol::FinalValue));
    }
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

qint16 LeadingInterval(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) {
        ++i;
    }
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        ++i;
    }
    const qsizetype digitsStart = i;
    while (i < text.size() && isDigit(text.at(i))) {
        ++i;
    }
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        const qsizetype fraction = ++i;
        while (i < text.size() && isDigit(text.at(i))) {
            ++i;
        }
        anyDigit = anyDigit || i > fraction;
    }
    if (!anyDigit) {
        return 0;
    }
    // An exponent continues the number only when digits follow it.
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < text.size() && (text.at(e) == QLatin1Char('+') || text.at(e) == QLatin1Char('-'))) {
            ++e;
        }
        const qsizetype exponentDigits = e;
        while (e < text.size() && isDigit(text.at(e))) {
            ++e;
        }
        if (e > exponentDigits) {
            i = e;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    if (!ok) {
        return 0;
    }
    const double whole = std::floor(value);
    if (whole > std::numeric_limits<qint16>::max()) {
        return std::numeric_limits<qint16>::max();
    }
    if (whole < std::numeric_limits<qint16>::min()) {
        return std::numeric_limits<qint16>::min();
    }
    return static_cast<qint16>(whole);
}

WebSBReply ParseWebSBReply(const QString &reply, const QString &echo)
{
    WebSBReply result;
    const qsizetype bar = reply.indexOf(QLatin1Char(websbprotocol::ReplySeparator));
    if (bar < 0 || echo.isEmpty() || reply.mid(bar + 1) != echo) {
        return result;
    }
    result.accepted = true;
    const QString head = reply.left(bar);
    if (!head.isEmpty()) {
        result.interval = LeadingInterval(head);
    }
    return result;
}

void SendWebSBUpdate(WebSBContext context, const QString &page, const QString &passcode,
    HttpClient &client, bool final, std::function<void(int)> done)
{
    if (context.web.WebSBFailCount > 5) {
        if (done) {
            done(0);
        }
        return;
    }
    const QStringList values = WebSBFieldValues(context.settings, context.web);
    const QString echo = values.join(QString());
    QList<WebSBField> extra = context.web.WebSBServiceKnowsMatch && context.web.game
        ? WebSBMatchFields(context.web.game->match())
        : QList<WebSBField>();
    if (context.web.WebSBServiceKnowsTeams && context.web.game) {
        extra += WebSBTeamFields(context.settings, *context.web.game, InstalledLanguage());
    }
    const QUrl url
        = BuildWebSBUrl(context.settings.ServiceAddress, page, values, passcode, final, extra);
    const quint32 session = context.web.WebSBSession;
    // In flight until its callback runs, or until the client drops it unanswered.
    const auto inFlight = std::make_shared<InFlightMark>(context.web);
    // The window may be gone by the time the reply is in.
    QPointer<WebPrompts> prompts = context.prompts;
    client.get(
        url, [context, prompts, echo, done, session, inFlight](const HttpClient::Result &result) {
            inFlight->release();
            if (context.web.WebSBSession != session) {
                // Publishing was switched since this was sent: its answer no longer matters.
                if (done) {
                    done(0);
                }
                return;
            }
            if (!result.transferred) {
                const bool newOutage = !context.web.WebSBOutage;
                context.web.WebSBOutage = true;
                const QString text = QCoreApplication::translate(
                    "WebPublisher", "Error sending information to server!");
                if (prompts && !context.periodic) {
                    prompts->tell(QStringLiteral("Varnelo"), text);
                } else if (prompts && newOutage) {
                    prompts->notice(QStringLiteral("Varnelo"), text);
                }
                if (done) {
                    done(0);
                }
                return;
            }
            // The service answered: whatever it says, the outage is over.
            context.web.WebSBOutage = false;
            const WebSBReply reply = ParseWebSBReply(result.body, echo);
            if (reply.accepted) {
                if (reply.interval) {
                    context.web.WebSBInterval = *reply.interval;
                }
                context.web.WebSBFailCount = 0;
                const QByteArray understands
                    = result.header(QByteArrayView(websbprotocol::UnderstandsHeader.data(),
                        qsizetype(websbprotocol::UnderstandsHeader.size())));
                context.web.WebSBServiceKnowsMatch
                    = WebSBUnderstands(understands, websbprotocol::UnderstandsMatch);
                context.web.WebSBServiceKnowsTeams
                    = WebSBUnderstands(understands, websbprotocol::UnderstandsTeams);
            } else {
                ++context.web.WebSBFailCount;
            }
            if (done) {
                done(reply.accepted ? 1 : 0);
            }
        });
}

void WhenNoUpdateInFlight(WebState &web, QObject *context, std::function<void()> then)
{
    if (web.WebSBInFlight == 0) {
        then();
        return;
    }
    // Queued, so that the reply that ends the wait is wholly handled before anything follows it.
    web.WebSBWhenIdle.push_back([context = QPointer<QObject>(context), then = std::move(then)] {
        if (context) {
            QMetaObject::invokeMethod(context, then, Qt::QueuedConnection);
        }
    });
}
