#include "remote/overlaypages.h"

#include "remote/remotehttpsession.h"

#include <QFile>
#include <QUrlQuery>

namespace {

constexpr std::string_view Pages[] = {"scorebug", "statistics", "shootout", "goal", "board"};

// The page is loaded by a streaming program from the address with the token: it never says
// where it came from, and it talks only to the board.
const char *const Guards[][2] = {
    {"Content-Security-Policy",
        "default-src 'none'; script-src 'self'; style-src 'self' 'unsafe-inline'; "
        "connect-src 'self' ws:; img-src 'self' data:; base-uri 'none'; form-action 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-cache"},
};

} // namespace

std::optional<OverlayFile> OverlayFileOf(std::string_view path)
{
    constexpr std::string_view folder = "/overlay/";
    if (!path.starts_with(folder)) {
        return std::nullopt;
    }
    const std::string_view name = path.substr(folder.size());
    if (name == "overlay.js") {
        return OverlayFile::Script;
    }
    if (name == "overlay.css") {
        return OverlayFile::Style;
    }
    if (std::find(std::begin(Pages), std::end(Pages), name) != std::end(Pages)) {
        return OverlayFile::Page;
    }
    return std::nullopt;
}

RemoteAnswer OverlayAnswer(OverlayFile file)
{
    static constexpr const char *Files[][2] = {
        {":/overlay/overlay.html", "text/html; charset=utf-8"},
        {":/overlay/overlay.js", "text/javascript; charset=utf-8"},
        {":/overlay/overlay.css", "text/css; charset=utf-8"},
    };
    const auto &[name, type] = Files[static_cast<std::size_t>(file)];
    QFile resource(QString::fromLatin1(name));
    if (!resource.open(QIODevice::ReadOnly)) {
        return RemoteError(404, "not found");
    }
    RemoteAnswer answer{200, type, resource.readAll().toStdString(), {}, std::nullopt};
    for (const auto &[header, value] : Guards) {
        answer.headers.emplace_back(header, value);
    }
    return answer;
}

RemoteAnswer OverlayRefusal(int status, const std::string &text)
{
    return {status, "text/plain; charset=utf-8", text + "\n",
        {{"Cache-Control", "no-store"}, {"X-Content-Type-Options", "nosniff"}}, std::nullopt};
}

QStringList OverlayPageNames()
{
    QStringList names;
    for (const std::string_view page : Pages) {
        names.append(QString::fromLatin1(page.data(), qsizetype(page.size())));
    }
    return names;
}

QString QueryValue(const std::string &query, const QString &name)
{
    return QUrlQuery(QString::fromStdString(query)).queryItemValue(name, QUrl::FullyDecoded);
}
