// The audience's routes of the service: the page's JSON and its event stream.
#include "websbservice.h"

#include "addresscounter.h"
#include "livefeed.h"
#include "pagestore.h"
#include "serviceresponses.h"

namespace websb {

HttpResponse WebScoreboardService::pageJsonResponse(
    const std::string &page, const HttpRequest &request) const
{
    const PageStore::Snapshot snapshot = m_store->snapshot(page);
    const std::string etag = '"' + snapshot.tag + '"';
    HttpResponse response;
    // A proxy cache or CDN in front may answer pollers for a second, and then revalidate.
    response.headers.emplace_back("Cache-Control", "public, max-age=1");
    response.headers.emplace_back("ETag", etag);
    if (request.ifNoneMatch == etag || request.ifNoneMatch == "W/" + etag) {
        response.status = 304;
        return response;
    }
    response.contentType = "application/json";
    response.sharedBody = snapshot.json;
    return response;
}

void WebScoreboardService::handleStream(
    const std::string &page, const HttpRequest &request, std::shared_ptr<HttpExchange> exchange)
{
    // Streams last the whole game: past these caps, viewers could hold every connection.
    if (++m_streams > m_config.streamCap()) {
        --m_streams;
        exchange->reply(withRetryAfter(
            textResponse(503, "too many viewers, try again later"), m_config.limits.retryAfter));
        return;
    }
    const std::string client = request.client;
    if (!m_streamsPerAddress->tryAcquire(client, m_config.limits.streamsPerAddress)) {
        --m_streams;
        exchange->reply(withRetryAfter(
            textResponse(503, "too many viewers from one address"), m_config.limits.retryAfter));
        return;
    }
    // The stream can end while it is being opened (a client that reset the connection at once
    // fails the first write) or at any time after: whichever of subscribing and ending comes
    // second removes the viewer, so that no broadcast walks a dead one.
    struct Subscription
    {
        std::mutex mutex;
        const StreamSink *viewer = nullptr;
        bool ended = false;
    };
    auto subscription = std::make_shared<Subscription>();
    auto sink = exchange->openStream({}, [this, page, client, subscription] {
        const StreamSink *viewer = nullptr;
        {
            std::lock_guard lock(subscription->mutex);
            subscription->ended = true;
            viewer = subscription->viewer;
        }
        if (viewer) {
            m_feed->unsubscribe(page, viewer);
        }
        m_streamsPerAddress->release(client);
        --m_streams;
    });
    const std::string first = m_feed->subscribe(page, sink, request.lastEventId);
    bool ended = false;
    {
        std::lock_guard lock(subscription->mutex);
        ended = subscription->ended;
        subscription->viewer = sink.get();
    }
    if (ended) {
        m_feed->unsubscribe(page, sink.get());
        return;
    }
    sink->send(std::make_shared<const std::string>(chunk(first)));
}

} // namespace websb
