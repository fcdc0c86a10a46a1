#include "oneperfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

constexpr int kAnswerMsecs = 2000; // a running counter answers at once; a hung one is no counter

QString socketName(const QString &directory)
{
    const QByteArray where = QDir(directory).canonicalPath().toUtf8();
    return QStringLiteral("%1/velmor-counter-%2-%3")
        .arg(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .arg(::getuid())
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(32)));
}

// Asks the counter listening at `name` to show itself; false when none listens there.
bool askRunningCounter(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kAnswerMsecs))
        return false;
    socket.write("show\n");
    return socket.waitForBytesWritten(kAnswerMsecs);
}

} // namespace

std::unique_ptr<OneCounterPerFile> OneCounterPerFile::claim(const QString &directory)
{
    const QString name = socketName(directory);
    if (askRunningCounter(name))
        return nullptr;
    std::unique_ptr<OneCounterPerFile> claimed(new OneCounterPerFile);
    // The runtime directory is the user's alone (Qt sees to its mode), and so is the socket.
    QLocalServer &server = claimed->m_server;
    // No counter answered: a socket there is one that a killed counter left.
    QLocalServer::removeServer(name);
    if (!server.listen(name) && server.serverError() == QAbstractSocket::AddressInUseError
        && askRunningCounter(name))
        return nullptr; // another start came first, a moment ago
    connect(&server, &QLocalServer::newConnection, claimed.get(), [counter = claimed.get()] {
        while (QLocalSocket *asking = counter->m_server.nextPendingConnection()) {
            connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
            emit counter->askedFor();
        }
    });
    return claimed;
}
