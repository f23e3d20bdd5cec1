#pragma once

#include "web/webprompts.h"

#include <QList>

#include <deque>

// A WebPrompts double: records what it is told and asked, answers questions from a queue (No
// when empty) and records whether it shows that the program waits.
class RecordingPrompts final : public WebPrompts
{
public:
    struct Message
    {
        QString title;
        QString text;
    };

    QList<Message> messages;
    QList<Message> notices;
    QList<Message> alerts;
    QList<Message> questions;
    std::deque<bool> answers;
    // How many waits were shown, and whether one is shown now.
    int waits = 0;
    bool waiting = false;

    void tell(const QString &title, const QString &text) override
    {
        messages.append({title, text});
    }
    void notice(const QString &title, const QString &text) override
    {
        notices.append({title, text});
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
    void setWaiting(bool on) override
    {
        waits += on && !waiting ? 1 : 0;
        waiting = on;
    }
};
