#pragma once

// Stand-ins for the program's services, shared by the tests.

#include "services/clock.h"
#include "services/errorreport.h"
#include "services/notifier.h"
#include "services/prompt.h"

#include "files.h"

#include <QStringList>
#include <QTimer>

// A clock that shows the time it was set to.
struct TestClock final : Clock
{
    explicit TestClock(QDateTime start) : time(std::move(start)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};

// Keeps the messages instead of showing them.
struct RecordingErrorReport final : ErrorReport
{
    void report(const QString &message) override { messages.append(message); }
    QStringList messages;
};

// Keeps what it was to tell instead of telling it.
struct RecordingNotifier final : Notifier
{
    void notify(const QString &summary, const QString &body) override
    {
        notices.append(summary + u'|' + body);
    }
    QStringList notices;
};

// Gives the answers it was handed, in order, and keeps what it was asked. No value stands
// for Cancel; when the answers run out it cancels.
// How long a test waits for what it expects, at most: a safety net for a loaded machine, not a
// time anything should take.
constexpr int kPatience = 60000;

struct ScriptedPrompt final : Prompt
{
    std::optional<QString> ask(const QString &message, const QString &,
                               const QString &text) override
    {
        messages.append(message);
        offered.append(text);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<std::optional<QString>> answers;
    QStringList messages;
    QStringList offered; // the text each question started with
};

inline QDateTime localTime(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// Makes a timer go off now, as if its time had come: a single-shot one stops, as Qt stops it.
// False where it was not running, and would never have gone off by itself.
inline bool fire(QTimer *timer)
{
    const bool running = timer->isActive();
    if (timer->isSingleShot())
        timer->stop();
    QMetaObject::invokeMethod(timer, "timeout");
    return running;
}
