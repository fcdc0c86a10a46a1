#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>

#include <memory>

// One counter for each trip date file: a start in a directory where the same user's counter
// already runs on the same display asks that one to show itself, and goes. The counters find
// each other in the user's runtime directory (XDG_RUNTIME_DIR), by a lock file and a local
// socket named after the display and the directory's real path; nothing is written in the
// directory itself. The lock decides which counter is the one: a counter that was killed leaves
// a lock that no live process holds, which the next start takes over.
class OneCounterPerFile : public QObject
{
    Q_OBJECT

public:
    enum class Claim
    {
        Counter,    // this run is the directory's counter, and answers later starts
        HandedOver, // the directory's counter runs, has shown itself, and this run ends
        Alone,      // this run goes on without the rule; aloneBecause() says why
    };
    enum class Alone
    {
        NoPrivateDirectory, // no runtime directory that is the user's alone
        NameTooLong,        // the socket's name does not fit where the system takes it
        NoLock,             // the runtime directory takes no lock or socket
        Unanswered,         // the counter that holds the lock does not answer
    };

    // How long a start waits for the counter that holds the lock to answer: it may itself be
    // starting still, on a loaded machine.
    static constexpr int kAnswerMsecs = 10000;

    explicit OneCounterPerFile(QObject *parent = nullptr);
    ~OneCounterPerFile() override;

    // Claims `directory` for this run. `activationToken` goes to the counter that runs there,
    // which shows itself with it.
    Claim claim(const QString &directory, const QByteArray &activationToken = {},
                int answerMsecs = kAnswerMsecs);
    Alone aloneBecause() const { return m_alone; }

    // Stops answering and lets go of the directory, so that a start from now on becomes its
    // counter: the first thing a counter does as it closes. A start that asked a moment before
    // and has had no answer yet tries again.
    void release();

signals:
    // Another start in the same directory asked for this counter, with its activation token.
    void askedFor(const QByteArray &activationToken);

private:
    bool listen();
    void answer();

    QByteArray m_path; // the socket's
    std::unique_ptr<QLockFile> m_lock;
    int m_socket = -1; // listening
    int m_asking = 0;  // starts whose request is being read
    Alone m_alone = Alone::NoPrivateDirectory;
};
