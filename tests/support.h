#pragma once

#include "runtime/errorreport.h"

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

inline QDateTime localTime(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// Makes a timer go off now, as if its time had come.
inline void fire(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}
