// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/single_instance.h"
#include "model/job.h"
#include "platform/special_folders.h"
#include "platform/user_name.h"
#include "tests/gui/support/gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <future>
#include <memory>

#ifdef Q_OS_UNIX
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;
using orvalink::test::FreshHome;
using orvalink::test::TestDialogs;

namespace {

// A socket name of this test process alone.
QString uniqueServerName()
{
    static int count = 0;
    return u"orvalink-test-%1-%2"_s.arg(QCoreApplication::applicationPid()).arg(++count);
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<FreshHome>(); }
    void cleanup() { m_home.reset(); }

    // A second start of the real program asks the running one to come to the front and ends
    // without opening a window of its own.
    void secondStartActivatesTheFirst()
    {
        const QString name = SingleInstance::serverNameFor(
            GetLogonUserName(), optionsFolder(QStringLiteral(ORVALINK_PROGRAM_DIR)));
        SingleInstance first(name);
        QCOMPARE(first.claim(), SingleInstance::Role::First);
        QSignalSpy activations(&first, &SingleInstance::activationRequested);

        TestDialogs dialogs;
        Job job;
        Form1 window(job, m_home->settings(), dialogs);
        connect(&first, &SingleInstance::activationRequested, &window, &Form1::bringToFront);
        window.show();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(ORVALINK_PROGRAM), QStringList());
        QVERIFY(second.waitForStarted());
        // A copy that opened its window would run on until closed.
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 60000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(activations.count(), 1);
        QTRY_VERIFY(window.isActiveWindow());
    }

    // A socket a crashed copy left behind does not stop the next start from taking over.
    void socketOfACrashedCopyIsReplaced()
    {
#ifdef Q_OS_UNIX
        SingleInstance next(uniqueServerName());
        const QByteArray path = QFile::encodeName(next.address());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(static_cast<size_t>(path.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
        const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(stale >= 0);
        QCOMPARE(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        ::close(stale);
        QVERIFY(QFileInfo::exists(QFile::decodeName(path)));

        QCOMPARE(next.claim(), SingleInstance::Role::First);
        QVERIFY(next.isListening());
        QSignalSpy activations(&next, &SingleInstance::activationRequested);
        QLocalSocket later;
        later.connectToServer(next.address());
        QVERIFY(later.waitForConnected(5000));
        later.write("activate\n");
        QTRY_COMPARE(activations.count(), 1);
        QTRY_VERIFY(later.canReadLine());
        QCOMPARE(later.readLine(), QByteArray("activated\n"));
#else
        QSKIP("Named pipes go with the process that made them: nothing is left behind.");
#endif
    }

    // A later copy given a file hands it over instead of only asking for the window, whatever
    // characters its path holds.
    void laterCopyHandsItsFileOver()
    {
        SingleInstance running(uniqueServerName());
        QCOMPARE(running.claim(), SingleInstance::Role::First);
        QSignalSpy opened(&running, &SingleInstance::openRequested);
        QSignalSpy activations(&running, &SingleInstance::activationRequested);
        const QString file = u"/home/ana/Lesezeichen\nalt/bookmarks \u00e9t\u00e9 open.html"_s;
        // The later copy waits for the answer, so it runs beside this thread's event loop.
        std::future<SingleInstance::Role> later = std::async(std::launch::async, [&] {
            SingleInstance copy(running.serverName());
            return copy.claim(file);
        });
        QTRY_COMPARE(opened.count(), 1);
        QCOMPARE(later.get(), SingleInstance::Role::Later);
        QCOMPARE(opened.first().first().toString(), file);
        QCOMPARE(activations.count(), 0);
    }

    // Only the two requests are answered; anything else is hung up on.
    void otherTalkIsRefused()
    {
        SingleInstance running(uniqueServerName());
        QCOMPARE(running.claim(), SingleInstance::Role::First);
        QSignalSpy activations(&running, &SingleInstance::activationRequested);
        QSignalSpy opened(&running, &SingleInstance::openRequested);

        for (const QByteArray& talk : {QByteArray(20000, 'a'), QByteArray("activate now\n"),
                                       QByteArray("open not*base64\n"), QByteArray("open \n")}) {
            QLocalSocket other;
            other.connectToServer(running.address());
            QVERIFY(other.waitForConnected(5000));
            other.write(talk);
            QTRY_COMPARE(other.state(), QLocalSocket::UnconnectedState);
        }
        QCOMPARE(activations.count(), 0);
        QCOMPARE(opened.count(), 0);
    }

private:
    std::unique_ptr<FreshHome> m_home;
};

ORVALINK_GUI_TEST(SingleInstanceTest)

#include "single_instance_test.moc"
