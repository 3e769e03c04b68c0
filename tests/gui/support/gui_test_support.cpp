// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/support/gui_test_support.h"

#include "selection/selection_window.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
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
