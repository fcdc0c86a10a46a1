#pragma once

#include "safefile/descriptor.h"

#include <QByteArray>
#include <QObject>

#include <variant>

// One counter for each trip date file: a start in a directory where the same user's counter
// already runs on the same display asks that one to show itself, and goes. The counters find
// each other in the user's runtime directory (XDG_RUNTIME_DIR), by a lock file and a local
// socket named after the display and the directory's real path; nothing is written in the
// directory itself. The lock (flock) decides which counter is the one, and goes with its process.
//
// The runtime directory is opened once, checked as it was opened (the user's, a directory and
// not a link, closed to everybody else), and used only through what was opened: another user who
// may write in the directory around it could otherwise swap it for one of their own between the
// check and the use, and answer for the counter.
class OneCounterPerFile : public QObject
{
    Q_OBJECT

public:
    // What a claim came to: this run is the directory's counter, and answers later starts; or the
    // counter runs, has shown itself, and this run ends; or this run goes on without the rule,
    // for the reason named.
    enum class Claim
    {
        Counter,
        HandedOver,
        NoRuntimeDirectory, // XDG_RUNTIME_DIR is not set, or names nothing
        NoPrivateDirectory, // it is not a directory of the user's alone
        NoLock,             // the runtime directory takes no lock
        NoSocket,           // it takes the lock but no socket (read-only, or out of inodes)
        Unanswered,         // the counter that holds the lock does not answer
    };
    static bool alone(Claim claim) { return claim != Claim::Counter && claim != Claim::HandedOver; }
    // The runtime directory as opened, or why there is none of the user's alone.
    using RuntimeDirectory = std::variant<Descriptor, Claim>;

    // How long a start waits for the counter that holds the lock to answer: it may itself be
    // starting still, on a loaded machine.
    static constexpr int kAnswerMsecs = 10000;
    // How long the counter waits for a start that has connected to say what it wants.
    static constexpr int kIdleMsecs = 2000;
    // Starts that come within this of each other (a double click, or many more) bring the window
    // forward once.
    static constexpr int kShownAgainMsecs = 250;

    explicit OneCounterPerFile(QObject *parent = nullptr, int idleMsecs = kIdleMsecs,
                               int shownAgainMsecs = kShownAgainMsecs);
    ~OneCounterPerFile() override;

    // Opens the runtime directory that XDG_RUNTIME_DIR names, for claim().
    static RuntimeDirectory openRuntimeDirectory();
    // Claims `directory` for this run, in the runtime directory opened as `runtime` (which this
    // object keeps), or in the one XDG_RUNTIME_DIR names. `activationToken` goes to the counter
    // that runs there, which shows itself with it.
    Claim claim(const QString &directory, const QByteArray &activationToken = {},
                int answerMsecs = kAnswerMsecs);
    Claim claim(RuntimeDirectory runtime, const QString &directory,
                const QByteArray &activationToken = {}, int answerMsecs = kAnswerMsecs);

    // True the first time it is asked about `what` for this directory in the user's session (the
    // runtime directory lasts as long as the user is logged in), or in this run where the counter
    // runs alone: so that the user is told of a thing once, however often the counter starts.
    bool firstTime(const QByteArray &what);

    // Stops answering and lets go of the directory, so that a start from now on becomes its
    // counter: the first thing a counter does as it closes. A start that asked a moment before
    // and has had no answer yet tries again.
    void release();

signals:
    // Another start in the same directory asked for this counter, with its activation token;
    // many asking at once bring it forward once.
    void askedFor(const QByteArray &activationToken);

private:
    bool lock();
    bool listen();
    void answer();
    // A name in the runtime directory as opened, for bind and connect, which take no directory.
    QByteArray reachable(const QByteArray &name) const;

    int m_idleMsecs;
    int m_shownAgainMsecs;
    Descriptor m_runtime; // the runtime directory, as opened
    QByteArray m_name;    // of the socket in it; the lock's is this and ".lock"
    Descriptor m_lock;
    Descriptor m_socket;      // listening
    qint64 m_lastShown = -1;  // when a start last brought the window forward (monotonic msecs)
    QList<QByteArray> m_told; // what firstTime() said yes to, where there is no runtime directory
};
