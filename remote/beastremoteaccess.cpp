// BeastRemoteServer's access: what the pairing code and the overlay token let a client do,
// checked in constant time and guarded against guessing per address, and the overlay's pages.
#include "remote/beastremoteserver.h"

#include "remote/overlaypages.h"
#include "remote/remotehttpsession.h"

BeastRemoteServer::Offer BeastRemoteServer::check(const QString &offered, const QString &client)
{
    // Both compared every time, in constant time.
    const bool code = IsPairingCode(offered, m_host.pairingCode());
    const QString token = m_host.overlayToken();
    const bool reader = !token.isEmpty() && IsPairingCode(offered, token);
    if (code && m_host.pairingOpen()) {
        m_guard.succeeded(client);
        return Offer::Device;
    }
    if (reader) {
        m_guard.succeeded(client);
        return Offer::Reader;
    }
    if (code) {
        // The right code while the remote control is off is no guess.
        return Offer::PairingClosed;
    }
    m_guard.failed(client);
    return Offer::Wrong;
}

std::optional<RemoteAnswer> BeastRemoteServer::authorise(
    const RemoteRequest &request, bool query, RemoteAccess &access)
{
    const QString client = QString::fromStdString(request.client);
    if (const auto wait = m_guard.retryAfter(client)) {
        RemoteAnswer answer = RemoteError(429, "too many wrong codes");
        answer.headers.emplace_back("Retry-After", std::to_string(*wait));
        return answer;
    }
    const std::string scheme = "Bearer ";
    QString offered;
    if (request.authorization.starts_with(scheme)) {
        offered = QString::fromStdString(request.authorization.substr(scheme.size()));
    } else if (query) {
        offered = QueryValue(request.query, QStringLiteral("token"));
    }
    switch (check(offered, client)) {
    case Offer::Device:
        access = RemoteAccess::Device;
        return std::nullopt;
    case Offer::Reader:
        access = RemoteAccess::Reader;
        return std::nullopt;
    case Offer::PairingClosed:
        return RemoteError(403, "the remote control is switched off");
    case Offer::Wrong:
        break;
    }
    RemoteAnswer answer = RemoteError(401, "wrong code");
    answer.headers.emplace_back("WWW-Authenticate", "Bearer");
    return answer;
}

// The overlay's files only while it is on; its page only with the token, which a streaming
// program has in the page's address.
RemoteAnswer BeastRemoteServer::overlay(const RemoteRequest &request)
{
    const QString token = m_host.overlayToken();
    const std::optional<OverlayFile> file = OverlayFileOf(request.path);
    if (token.isEmpty() || !file) {
        return OverlayRefusal(404, "not found");
    }
    if (*file != OverlayFile::Page) {
        return OverlayAnswer(*file);
    }
    const QString client = QString::fromStdString(request.client);
    if (const auto wait = m_guard.retryAfter(client)) {
        RemoteAnswer answer = OverlayRefusal(429, "too many wrong tokens: try again later");
        answer.headers.emplace_back("Retry-After", std::to_string(*wait));
        return answer;
    }
    const QString offered = QueryValue(request.query, QStringLiteral("token"));
    if (IsPairingCode(offered, token)) {
        m_guard.succeeded(client);
        return OverlayAnswer(*file);
    }
    // A page opened without any token is a mistake, not a guess.
    if (!offered.isEmpty()) {
        m_guard.failed(client);
    }
    return OverlayRefusal(401,
        offered.isEmpty() ? "the overlay token is missing: add ?token= and the token shown in "
                            "the board's options"
                          : "wrong overlay token");
}
