#pragma once

#include "web/webprompts.h"

#include <QList>

#include <deque>

// A WebPrompts double: records what it is told and asked, answers questions from a queue (No
// when empty) and waits by running the event loop.
class RecordingPrompts final : public WebPrompts
{
public:
    struct Message
    {
        QString title;
        QString text;
    };

    QList<Message> messages;
    QList<Message> alerts;
    QList<Message> questions;
    std::deque<bool> answers;
    int waits = 0;

    void tell(const QString &title, const QString &text) override
    {
        messages.append({title, text});
    }
    void alert(const QString &title, const QString &text) override { alerts.append({title, text}); }
    bool ask(const QString &title, const QString &text) override
    {
        questions.append({title, text});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void waitUntil(const std::function<bool()> &finished) override
    {
        ++waits;
        RunEventLoopUntil(finished);
    }
};
