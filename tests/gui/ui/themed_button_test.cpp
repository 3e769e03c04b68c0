// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/support/gui_test_support.h"
#include "ui/icons.h"
#include "ui/themed_button.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

using namespace orvalink;
using namespace Qt::Literals::StringLiterals;

namespace {

QImage picture(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Text and pictures, not the style's faint shading of a bevel.
bool differs(QRgb a, QRgb b)
{
    constexpr int kTolerance = 24;
    return qAbs(qRed(a) - qRed(b)) > kTolerance || qAbs(qGreen(a) - qGreen(b)) > kTolerance ||
           qAbs(qBlue(a) - qBlue(b)) > kTolerance || qAbs(qAlpha(a) - qAlpha(b)) > kTolerance;
}

// The rows in which two pictures of the same size differ, as [first, last]; {-1, -1} when none.
std::pair<int, int> differingRows(const QImage& a, const QImage& b)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (differs(a.pixel(x, y), b.pixel(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

std::pair<int, int> differingColumns(const QImage& a, const QImage& b)
{
    QTransform turn;
    turn.rotate(90);
    return differingRows(a.transformed(turn), b.transformed(turn));
}

} // namespace

class ThemedButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->setPalette(test::lightPalette());
        auto* layout = new QHBoxLayout(m_window.get());
        m_other = new QPushButton(u"Other"_s, m_window.get());
        layout->addWidget(m_other);
        m_button = new QPushButton(u"&Start"_s, m_window.get());
        m_button->setIcon(conversionIcon(ExportMode::IEToFirefox));
        m_button->setIconSize(QSize(48, 48));
        m_button->setFixedSize(120, 90);
        layout->addWidget(m_button);
        ApplyButtonTheme(m_button);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_other->setFocus();
    }

    void cleanup() { m_window.reset(); }

    // Each step adds to the state before it: the first matching look wins.
    void drawsEachLookDifferently()
    {
        QVERIFY(isButtonThemed(*m_button));
        QCOMPARE(buttonLook(*m_button), ButtonLook::Normal);
        const QImage normal = picture(*m_button);
        test::enter(*m_button);
        QCOMPARE(buttonLook(*m_button), ButtonLook::Hot);
        const QImage hot = picture(*m_button);
        m_button->setDown(true);
        QCOMPARE(buttonLook(*m_button), ButtonLook::Pressed);
        const QImage pressed = picture(*m_button);
        m_button->setDown(false);
        test::leave(*m_button);
        QCOMPARE(picture(*m_button), normal);

        m_button->setCheckable(true);
        m_button->setChecked(true);
        QCOMPARE(buttonLook(*m_button), ButtonLook::Pressed);
        m_button->setCheckable(false);

        m_button->setFocus();
        QCOMPARE(buttonLook(*m_button), ButtonLook::Default);
        const QImage focused = picture(*m_button);
        m_button->setEnabled(false);
        test::enter(*m_button);
        QCOMPARE(buttonLook(*m_button), ButtonLook::Disabled);
        const QImage disabled = picture(*m_button);

        const QImage looks[] = {normal, hot, pressed, focused, disabled};
        for (int i = 0; i < 5; ++i) {
            for (int j = i + 1; j < 5; ++j)
                QVERIFY2(looks[i] != looks[j], qPrintable(u"%1 and %2"_s.arg(i).arg(j)));
        }
    }

    void placesCaptionInBottomBandAndPictureAboveIt()
    {
        const auto makeButton = [this](const QString& caption, const QIcon& icon) {
            auto* button = new QPushButton(caption, m_window.get());
            button->setIcon(icon);
            button->setIconSize(m_button->iconSize());
            button->setFixedSize(m_button->size());
            ApplyButtonTheme(button);
            button->show();
            // Whatever the pointer of the test platform is over, the look is the normal one.
            test::leave(*button);
            return button;
        };
        // Two captions of one line over the same picture: only the text differs.
        const QImage start = picture(*m_button);
        const QImage stop = picture(*makeButton(u"S&top"_s, m_button->icon()));
        const auto [textTop, textBottom] = differingRows(start, stop);
        QVERIFY(textTop >= 0);
        const int textHeight = m_button->fontMetrics().height();
        QVERIFY2(textTop >= m_button->height() - textHeight - 5,
                 qPrintable(QString::number(textTop)));
        QVERIFY2(textBottom < m_button->height() - 5, qPrintable(QString::number(textBottom)));

        // Without a caption the picture sits in the middle of the button; with one, above it.
        const QImage nothing = picture(*makeButton(QString(), QIcon()));
        const QImage bare = picture(*makeButton(QString(), m_button->icon()));
        const auto [pictureTop, pictureBottom] = differingRows(bare, nothing);
        const auto [pictureLeft, pictureRight] = differingColumns(bare, nothing);
        QVERIFY(pictureTop >= 0 && pictureLeft >= 0);
        QVERIFY(qAbs((pictureTop + pictureBottom) / 2.0 - m_button->height() / 2.0) <= 2.0);
        QVERIFY(qAbs((pictureLeft + pictureRight) / 2.0 - m_button->width() / 2.0) <= 2.0);
        const auto [captionedTop, captionedBottom] =
            differingRows(picture(*makeButton(u"S&top"_s, m_button->icon())),
                          picture(*makeButton(u"S&top"_s, backIcon())));
        QVERIFY(captionedTop < pictureTop);
        QVERIFY(captionedBottom < textTop);

        // A caption without a picture is centred vertically.
        const auto [onlyTop, onlyBottom] =
            differingRows(picture(*makeButton(u"Browse..."_s, QIcon())), nothing);
        QVERIFY(onlyTop >= 0);
        QVERIFY(qAbs((onlyTop + onlyBottom) / 2.0 - m_button->height() / 2.0) <= 3.0);
    }

private:
    std::unique_ptr<QWidget> m_window;
    QPushButton* m_button = nullptr;
    QPushButton* m_other = nullptr;
};

ORVALINK_GUI_TEST(ThemedButtonTest)
#include "themed_button_test.moc"
