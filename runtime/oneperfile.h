#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>

#include <memory>

// One counter for each trip date file: a start in a directory where the same user's counter
// already runs on the same display asks that one to show itself, and goes. The counters find
// each other in the user's runtime directory (XDG_RUNTIME_DIR), by a lock file and a local
// socket named after the display and the directory's real path; nothing is written in the
// directory itself. A counter that was killed leaves a lock that no live process holds, which
// the next start takes over.
class OneCounterPerFile : public QObject
{
    Q_OBJECT

public:
    // Claims `directory` for this run. No value when another counter runs there, which has then
    // been asked to show itself. Where the runtime directory cannot hold the lock or the
    // socket, the run goes on alone, as before there was this rule.
    static std::unique_ptr<OneCounterPerFile> claim(const QString &directory);
    ~OneCounterPerFile() override;

signals:
    // Another start in the same directory asked for this counter.
    void askedFor();

private:
    explicit OneCounterPerFile(const QByteArray &path);
    void listen();
    void stopListening();
    void answer();

    QByteArray m_path; // the socket's
    QLockFile m_lock;
    int m_socket = -1; // listening; -1 when the run goes on alone
};
