// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace orvalink {

namespace {

// What a later copy says, and what the running copy answers once its window is in front. A copy
// given a file says "open " and the file's path (UTF-8, in Base64, so that no character of a
// path can end the line) instead of "activate".
constexpr QByteArrayView kActivateRequest = "activate\n";
constexpr QByteArrayView kOpenRequest = "open ";
constexpr QByteArrayView kActivatedReply = "activated\n";
// A request is one line, long enough for the longest path a system allows; a client that sends
// more is not one of us.
constexpr qint64 kMaxRequestLength = 16384;

QByteArray requestFor(const QString& fileToOpen)
{
    if (fileToOpen.isEmpty())
        return kActivateRequest.toByteArray();
    return kOpenRequest.toByteArray() + fileToOpen.toUtf8().toBase64() + '\n';
}

// The file of an open request; "" for any other line, or a path that does not decode.
QString fileOf(const QByteArray& request)
{
    if (!request.startsWith(kOpenRequest) || !request.endsWith('\n'))
        return QString();
    const QByteArray encoded = request.mid(kOpenRequest.size()).chopped(1);
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? QString::fromUtf8(*decoded) : QString();
}

// A running copy answers at once: it only needs its event loop. A copy busy with long work
// still answers, as long work lets the event loop run (without user input).
constexpr int kConnectTimeoutMs = 2000;
constexpr int kReplyTimeoutMs = 3000;
// Two copies started at the same moment take turns; a lock older than this is left over.
constexpr int kLockTimeoutMs = 5000;

// Where the socket of that name lives.
QString addressOf(const QString& name)
{
#ifdef Q_OS_UNIX
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(name);
#endif
    return name;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_name(std::move(serverName))
    , m_address(addressOf(m_name))
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString& userName, const QString& optionsFolder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(userName.toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(QDir::cleanPath(QDir(optionsFolder).absolutePath()).toUtf8());
    return QStringLiteral("orvalink-") + QString::fromLatin1(hash.result().toHex().left(24));
}

SingleInstance::Role SingleInstance::claim(const QString& fileToOpen)
{
    // Without the lock, two copies started together could both find no server and both listen.
    const QString lockFolder =
        m_address == m_name ? QDir::tempPath() : QFileInfo(m_address).absolutePath();
    QLockFile lock(QDir(lockFolder).filePath(m_name + QStringLiteral(".lock")));
    lock.setStaleLockTime(kLockTimeoutMs * 2);
    const bool locked = lock.tryLock(kLockTimeoutMs);

    if (activateRunningCopy(fileToOpen))
        return Role::Later;

    // Nobody answered, so a socket of this name is one a crashed copy left behind.
    QLocalServer::removeServer(m_address);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_address))
        qWarning("Orvalink cannot tell later copies that it runs: %s",
                 qPrintable(m_server.errorString()));
    if (locked)
        lock.unlock();
    return Role::First;
}

bool SingleInstance::activateRunningCopy(const QString& fileToOpen)
{
    QLocalSocket socket;
    socket.connectToServer(m_address);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(requestFor(fileToOpen));
    socket.waitForBytesWritten(kReplyTimeoutMs);
    // Waiting for the reply lets the running copy raise its window before this one ends; it
    // runs either way, so a late or missing reply changes nothing.
    while (!socket.canReadLine() && socket.waitForReadyRead(kReplyTimeoutMs)) {
    }
    return true;
}

void SingleInstance::answer()
{
    while (QLocalSocket* client = m_server.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine()) {
                if (client->bytesAvailable() > kMaxRequestLength) {
                    client->abort();
                    client->deleteLater();
                }
                return;
            }
            const QByteArray line = client->readLine(kMaxRequestLength + 1);
            const QString file = fileOf(line);
            if (line == kActivateRequest || !file.isEmpty()) {
                if (file.isEmpty())
                    emit activationRequested();
                else
                    emit openRequested(file);
                client->write(kActivatedReply.data(), kActivatedReply.size());
                client->flush();
            }
            client->disconnectFromServer();
        });
    }
}

} // namespace orvalink
