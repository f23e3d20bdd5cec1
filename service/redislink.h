#pragma once

#include "config.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct redisContext;

// The service's optional link to Redis (hiredis), which lets several instances serve the same
// pages: each accepted update is stored under the page's key and published to the others before
// the board is answered, so an instance killed at any moment loses nothing; updates published by
// the others arrive on a subscription; a starting instance reads every page's last state; and
// guesses are counted per address across instances. Each job has a connection and a thread of
// its own, so none waits for another. Every call has the address's time-out, so a Redis that
// stops answering costs a board a 503, never a stall. A connection Redis closed (a restart) is
// noticed before it is used again, but one closed at the moment of a write is written to: the
// program must ignore SIGPIPE.
namespace websb {

class RedisLink
{
public:
    using RemoteUpdate = std::function<void(const std::string &page, const std::string &json)>;
    using Stored = std::function<void(bool ok)>;

    RedisLink(RedisAddress address, std::string instance);
    ~RedisLink();

    RedisLink(const RedisLink &) = delete;
    RedisLink &operator=(const RedisLink &) = delete;

    // Connects and reads the pages' last states (page → JSON); false with `error` set when
    // Redis cannot be reached.
    bool load(const std::vector<std::string> &pages, std::map<std::string, std::string> &states,
        QString &error);
    // Starts the writer and the subscription; `remote` is called on the subscriber's thread.
    // Returns once the subscription listens (or after the time-out when Redis does not answer),
    // so that an instance that has started hears every update the others make from then on.
    void start(RemoteUpdate remote);
    // Ends the threads, within the time-out of a call under way; what is stored afterwards is
    // told at once that it was not.
    void stop();

    // Stores and publishes on the writer's thread, then calls `done` there.
    void store(const std::string &page, std::shared_ptr<const std::string> json, Stored done);

    // Counts one guess from `address` in the current minute across instances; false once more
    // than `perMinute` were counted. True when Redis cannot be asked: the local limits still hold.
    bool countGuess(const std::string &address, int perMinute);

    static std::string pageKey(const std::string &page);

private:
    struct Job
    {
        std::string page;
        std::shared_ptr<const std::string> json;
        Stored done;
    };

    redisContext *connect() const;
    void write();
    void subscribe();
    void waitBeforeRetry();

    const RedisAddress m_address;
    const std::string m_instance;
    RemoteUpdate m_remote;
    std::atomic<bool> m_stopping = false;

    std::mutex m_jobsMutex;
    std::condition_variable m_jobsWake;
    std::condition_variable m_stopWake;
    std::deque<Job> m_jobs;

    std::mutex m_guessMutex;
    redisContext *m_guessContext = nullptr;
    std::chrono::steady_clock::time_point m_guessRetryAt;

    std::mutex m_subscriberMutex;
    redisContext *m_subscriber = nullptr;
    bool m_listening = false;
    std::condition_variable m_listeningWake;

    std::thread m_writer;
    std::thread m_listener;
};

} // namespace websb
