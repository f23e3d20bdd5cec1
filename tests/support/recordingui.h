#pragma once

#include "ui/uiservices.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// A UiServices double: records every message, question, picker and beep, and answers from
// queues the test fills (questions default to No, pickers to cancel).
class RecordingUi final : public UiServices
{
public:
    struct Message
    {
        QString title;
        QString text;
    };

    QList<Message> messages;
    QList<Message> notices;
    QList<Message> questions;
    std::deque<bool> answers;
    std::deque<std::optional<qint32>> colors;
    QList<qint32> colorPickerStarts;
    std::deque<QString> files;
    QStringList fileFilters;
    // The save chooser's answers, and the filter and suggested path of each time it was asked.
    std::deque<QString> saveFiles;
    struct SaveRequest
    {
        QString filter;
        QString suggested;
    };
    QList<SaveRequest> saveRequests;
    int beeps = 0;
    // Runs while a question is open, as the event loop does under a real message box.
    std::function<void()> whileAsking;
    std::function<void()> whileShowing;

    void showMessage(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({title, text});
        if (whileShowing) {
            whileShowing();
        }
    }
    void showNotice(QWidget *, const QString &title, const QString &text) override
    {
        notices.append({title, text});
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        questions.append({title, text});
        if (whileAsking) {
            whileAsking();
        }
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<qint32> pickColor(QWidget *, qint32 initial) override
    {
        colorPickerStarts.append(initial);
        if (colors.empty()) {
            return std::nullopt;
        }
        const auto color = colors.front();
        colors.pop_front();
        return color;
    }
    QString chooseFile(QWidget *, const QString &filter, const QString &) override
    {
        fileFilters.append(filter);
        if (files.empty()) {
            return {};
        }
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    QString chooseSaveFile(QWidget *, const QString &filter, const QString &suggested) override
    {
        saveRequests.append({filter, suggested});
        if (saveFiles.empty()) {
            return {};
        }
        const QString file = saveFiles.front();
        saveFiles.pop_front();
        return file;
    }
    void beep() override { ++beeps; }
};
