// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/support/gui_test_support.h"

#include "forms/form_table.h"
#include "forms/tree_listing.h"
#include "selection/selection_window.h"
#include "tests/support/listing_fields.h"
#include "windows/favorites_export_window.h"
#include "windows/favorites_import_window.h"
#include "windows/firefox_opera_window.h"
#include "windows/menu_window.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace orvalink::test {

QList<TestFactory>& registeredTests()
{
    static QList<TestFactory> tests;
    return tests;
}

int registerTest(TestFactory factory)
{
    registeredTests().append(factory);
    return int(registeredTests().size());
}

FreshHome::FreshHome()
    : m_settings(m_folder.path() + QStringLiteral("/.config/orvalink"))
{
    if (!m_folder.isValid())
        qFatal("FreshHome: no temporary folder");
    m_home = std::make_unique<ScopedEnvironment>("HOME", m_folder.path());
    m_config = std::make_unique<ScopedEnvironment>("XDG_CONFIG_HOME",
                                                   m_folder.path() + QStringLiteral("/.config"));
}

QString FreshHome::addFirefoxProfile(const QByteArray& bookmarks) const
{
    writeFile(path() + QStringLiteral("/.mozilla/firefox/profiles.ini"),
              "[Profile0]\nName=default\nIsRelative=1\nPath=p.default\n");
    return writeFile(path() + QStringLiteral("/.mozilla/firefox/p.default/bookmarks.html"),
                     bookmarks);
}

QString FreshHome::addOperaHotlist(const QByteArray& hotlist) const
{
    const QString file = writeFile(path() + QStringLiteral("/opera/bookmarks.adr"), hotlist);
    writeFile(path() + QStringLiteral("/.opera/operaprefs.ini"),
              "[User Prefs]\nHot List File Ver2=" + file.toUtf8() + '\n');
    return file;
}

QString FreshHome::addChromiumProfile() const
{
    return writeFile(path() + QStringLiteral("/.config/chromium/Default/Bookmarks"),
                     readFixture(QStringLiteral("chromium-profile/Default/Bookmarks")));
}

TestDialogs::TestDialogs()
    : ScriptedDialogs([](const QString& description) {
        QTest::qFail(qPrintable(description), __FILE__, __LINE__);
    })
{}

QPalette lightPalette()
{
    QPalette palette(QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::Link, QColor(0x1a, 0x5f, 0xb4));
    // Disabled controls must look disabled.
    const QColor disabledText(0x9a, 0x9a, 0x9a);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xef, 0xef, 0xef));
    return palette;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray readFixture(const QString& relative)
{
    QFile file(QStringLiteral(ORVALINK_TEST_DATA_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no fixture %s", qPrintable(relative));
    return file.readAll();
}

void enter(QWidget& widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

QStringList itemTexts(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

void chooseItem(QComboBox& combo, int index)
{
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

QString treeOf(FormId form, const QString& path)
{
    Progress quiet;
    Result<std::unique_ptr<BookmarkModel>, UserMessage> loaded = formOf(form).load(path, 0, quiet);
    if (!loaded)
        return QStringLiteral("unreadable: ") + loaded.failure().text();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTreeListing(*loaded.value(), buffer);
    const QString listing = QString::fromUtf8(buffer.data());
    return withoutFields(listing.mid(listing.indexOf(u'\n') + 1));
}

std::unique_ptr<ConversionWindow> makeExportWindow(Job& job, ProgramSettings& settings,
                                                   Dialogs& dialogs, const QStringList& running)
{
    auto processes = std::make_unique<ListedProcessTable>(running);
    if (DestIsMenu(job.mode))
        return std::make_unique<Form5>(job, settings, dialogs, std::move(processes));
    if (DestIsIE(job.mode))
        return std::make_unique<Form4>(job, settings, dialogs, std::move(processes));
    if (SourceIsIE(job.mode))
        return std::make_unique<Form2>(job, settings, dialogs, std::move(processes));
    return std::make_unique<Form6>(job, settings, dialogs, std::move(processes));
}

void ExportWindowFixture::startWindows()
{
    m_home = std::make_unique<FreshHome>();
    m_dialogs = std::make_unique<TestDialogs>();
    m_job = std::make_unique<Job>();
}

void ExportWindowFixture::endWindows()
{
    if (m_window)
        m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_dialogs->unusedAnswers(), 0);
    m_job.reset();
    m_dialogs.reset();
    m_home.reset();
}

void ExportWindowFixture::open(ExportMode mode, const QStringList& running)
{
    if (m_window)
        QVERIFY(m_window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_job->mode = mode;
    m_window = makeExportWindow(*m_job, m_home->settings(), *m_dialogs, running).release();
    m_window->show();
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the window did not become active");
}

void ExportWindowFixture::click(const char* name) const
{
    QTest::mouseClick(get(name), Qt::LeftButton);
}

QString ExportWindowFixture::caption() const
{
    return get<QGroupBox>("fraWhat")->title();
}

QString ExportWindowFixture::home(const QString& relative) const
{
    return m_home->path() + u'/' + relative;
}

QString ExportWindowFixture::write(const QString& path, const QByteArray& bytes) const
{
    const QString written = writeFile(QDir(m_home->path()).filePath(path), bytes);
    if (written.isEmpty())
        qFatal("cannot write %s", qPrintable(path));
    return written;
}

void confirmSelectionWith(std::function<void(Form3&)> work)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, work = std::move(work)] {
        auto* selection = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!selection || !selection->isVisible())
            return;
        poll->deleteLater();
        work(*selection);
        selection->accept();
    });
    poll->start(10);
}

} // namespace orvalink::test
