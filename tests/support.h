#pragma once

#include "runtime/errorreport.h"
#include "runtime/prompt.h"

#include <QDateTime>
#include <QMetaObject>
#include <QStringList>
#include <QTimer>

// Keeps the messages instead of showing them.
class RecordingErrorReport final : public ErrorReport
{
public:
    void report(const QString &message) override { messages.append(message); }
    QStringList messages;
};

// Gives the answers it was handed, in order, and keeps what it was asked. No value stands
// for Cancel; when the answers run out it cancels.
class ScriptedPrompt final : public Prompt
{
public:
    std::optional<QString> ask(const QString &message, const QString &title) override
    {
        messages.append(message);
        titles.append(title);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<std::optional<QString>> answers;
    QStringList messages;
    QStringList titles;
};

inline QDateTime localTime(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// Makes a timer go off now, as if its time had come.
inline void fire(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}
