// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/support/gui_test_support.h"
#include "ui/hover_capture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

namespace {

void move(QWidget& widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QPushButton* tagged(QWidget& window, const QString& name, const QString& tag)
{
    auto* button = new QPushButton(name, &window);
    button->setObjectName(name);
    button->setProperty("Tag", tag);
    window.layout()->addWidget(button);
    return button;
}

} // namespace

class HoverCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
        m_first = tagged(*m_window, u"first"_s, u"Browse"_s);
        m_second = tagged(*m_window, u"second"_s, u"Start Exporting"_s);
        m_untagged = new QLineEdit(m_window.get());
        m_statusBar = new QStatusBar(m_window.get());
        m_window->layout()->addWidget(m_untagged);
        m_window->layout()->addWidget(m_statusBar);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        m_capture = std::make_unique<cCaptureTheMouse>();
        m_events.clear();
        connect(m_capture.get(), &cCaptureTheMouse::MouseEnter, this,
                [this](QWidget* control) { m_events.append(u"enter "_s + control->objectName()); });
        connect(m_capture.get(), &cCaptureTheMouse::MouseExit, this,
                [this](QWidget* control) { m_events.append(u"exit "_s + control->objectName()); });
        m_capture->watchTagged(*m_window);
    }

    void cleanup()
    {
        m_capture.reset();
        m_window.reset();
    }

    void followsThePointerOneControlAtATime()
    {
        const int right = m_first->width();
        test::enter(*m_first);
        move(*m_first, QPoint(10, 5));
        // Exactly on the right edge still counts as inside.
        move(*m_first, QPoint(right, 5));
        QCOMPARE(m_events, QStringList({u"enter first"_s}));
        QCOMPARE(m_capture->x(), right);

        // One step further is outside; more moves from outside (a drag) do not enter again.
        move(*m_first, QPoint(right + 1, 5), Qt::LeftButton);
        move(*m_first, QPoint(right + 20, 5), Qt::LeftButton);
        QCOMPARE(m_events.size(), 2);
        QCOMPARE(m_capture->captured(), nullptr);

        // Straight from one control to the other: the first is left before the second entered.
        m_events.clear();
        move(*m_first, QPoint(3, 3));
        test::enter(*m_second);
        test::leave(*m_first);
        QCOMPARE(m_events, QStringList({u"enter first"_s, u"exit first"_s, u"enter second"_s}));
        m_events.clear();
        m_capture->Release();
        m_capture->Release();
        QCOMPARE(m_events, QStringList({u"exit second"_s}));

        // Hiding the hovered control, or ending the object, ends the hover.
        m_events.clear();
        test::enter(*m_first);
        m_first->hide();
        test::enter(*m_second);
        m_capture.reset();
        QCOMPARE(m_events, QStringList({u"enter first"_s, u"exit first"_s, u"enter second"_s,
                                        u"exit second"_s}));
    }

    void showsTagsOfWatchedControls()
    {
        m_capture->showTagsIn(m_statusBar);
        m_statusBar->showMessage(u"Ready"_s);
        test::enter(*m_untagged);
        QVERIFY(m_events.isEmpty());
        QCOMPARE(m_statusBar->currentMessage(), u"Ready"_s);

        test::enter(*m_second);
        QCOMPARE(m_statusBar->currentMessage(), u"Start Exporting"_s);
        test::leave(*m_second);
        QCOMPARE(m_statusBar->currentMessage(), QString());

        // Watched by hand but without a tag: the status text stays.
        m_capture->watch(m_untagged);
        m_statusBar->showMessage(u"Ready"_s);
        test::enter(*m_untagged);
        QCOMPARE(m_events.size(), 3);
        QCOMPARE(m_statusBar->currentMessage(), u"Ready"_s);
    }

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<cCaptureTheMouse> m_capture;
    QPushButton* m_first = nullptr;
    QPushButton* m_second = nullptr;
    QLineEdit* m_untagged = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QStringList m_events;
};

ORVALINK_GUI_TEST(HoverCaptureTest)
#include "hover_capture_test.moc"
