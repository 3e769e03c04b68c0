#include "tests/gui/support/gui_test_support.h"

#include "selection/selection_window.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
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

QString screenshotFolder()
{
    const QString folder = QStringLiteral(ORVALINK_GUI_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    return folder;
}

QString saveScreenshot(QWidget& widget, const QString& name)
{
    const QString path = screenshotFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    return widget.grab().save(path) ? path : QString();
}

QPalette lightPalette()
{
    QPalette palette(QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::Link, QColor(0x1a, 0x5f, 0xb4));
    // Disabled controls must look disabled in the pictures too.
    const QColor disabledText(0x9a, 0x9a, 0x9a);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xef, 0xef, 0xef));
    return palette;
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2d, 0x2f, 0x33);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabledText(0x80, 0x80, 0x80);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x1f, 0x20, 0x23));
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3c, 0x41));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, QColor(0x50, 0x52, 0x58));
    palette.setColor(QPalette::Midlight, QColor(0x45, 0x47, 0x4c));
    palette.setColor(QPalette::Mid, QColor(0x26, 0x27, 0x2a));
    palette.setColor(QPalette::Dark, QColor(0x1a, 0x1b, 0x1d));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xf5));
    palette.setColor(QPalette::PlaceholderText, disabledText);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}

QStringList saveScreenshotSet(QWidget& widget, const QString& name)
{
    const QPalette original = QApplication::palette();
    QStringList written;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : lightPalette());
        QApplication::processEvents();
        for (const int scale : {1, 2}) {
            QPixmap picture(widget.size() * scale);
            picture.setDevicePixelRatio(scale);
            picture.fill(Qt::transparent);
            widget.render(&picture);
            const QString path = screenshotFolder() + QLatin1Char('/') + name +
                                 (dark ? QStringLiteral("-dark-") : QStringLiteral("-light-")) +
                                 QString::number(scale) + QStringLiteral("x.png");
            if (picture.save(path))
                written.append(path);
        }
    }
    QApplication::setPalette(original);
    QApplication::processEvents();
    return written;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
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
