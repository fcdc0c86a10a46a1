#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QSocketNotifier;

// One counter for each trip date file: a start in a directory where the same user's counter
// already runs asks that one to show itself, and goes. The counters find each other through a
// local socket in the user's runtime directory (XDG_RUNTIME_DIR), named after the user and
// the directory's real path; nothing is written in the directory itself. A socket left by a
// counter that was killed is taken over.
class OneCounterPerFile : public QObject
{
    Q_OBJECT

public:
    // Claims `directory` for this run. No value when another counter runs there, which has then
    // been asked to show itself. Where the runtime directory cannot hold the socket, the run
    // goes on alone, as before there was this rule.
    static std::unique_ptr<OneCounterPerFile> claim(const QString &directory);
    ~OneCounterPerFile() override;

signals:
    // Another start in the same directory asked for this counter.
    void askedFor();

private:
    OneCounterPerFile(int socket, QByteArray path);
    void answer();

    int m_socket = -1; // listening; -1 when the run goes on alone
    QByteArray m_path;
    QSocketNotifier *m_notifier = nullptr;
};
