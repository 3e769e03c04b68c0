// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include "settings/exported_items.h"
#include "ui/dialogs.h"
#include "ui/icons.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace orvalink {

namespace {

// The side of the logo, in logical pixels.
constexpr int kLogoSize = 64;

QLabel* centredLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmAbout::frmAbout(ProgramSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Orvalink"));
    // The main window's icon, or the program's own when it was opened without one.
    const QIcon icon =
        parent && !parent->windowIcon().isNull() ? parent->windowIcon() : applicationIcon();
    setWindowIcon(icon);

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setPixmap(applicationIcon().pixmap(QSize(kLogoSize, kLogoSize), devicePixelRatio()));

    auto* lblVersion = centredLabel(
        QStringLiteral("lblVersion"),
        tr("Orvalink - Version") + QLatin1Char(' ') + QStringLiteral(ORVALINK_VERSION), this);
    QFont titleFont = lblVersion->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblVersion->setFont(titleFont);

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    auto* lblTotalItemsExported =
        centredLabel(QStringLiteral("lblTotalItemsExported"),
                     tr("Total Exported Items:") + QLatin1Char(' ') +
                         QString::number(AddTotalItemsExported(settings, 0)),
                     frame1);
    auto* lblMenuCredit =
        centredLabel(QStringLiteral("lblMenuCredit"),
                     tr("Cascading menu engine written for Orvalink by its developers"), frame1);
    lblMenuCredit->setWordWrap(true);
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->addWidget(lblTotalItemsExported);
    frameLayout->addWidget(lblMenuCredit);

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
    auto* label3 = new QLabel(tr("Visit Our Home Page:"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    auto* label4 = new QLabel(tr("Send an E-Mail To:"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    const QUrl home(QString::fromLatin1(kHomePage));
    const QUrl mail(QString::fromLatin1(kEmail));
    links->addWidget(label3, 0, 0, Qt::AlignRight);
    links->addWidget(addLink(0, home.host(), home.toString()), 0, 1, Qt::AlignLeft);
    links->addWidget(label4, 1, 0, Qt::AlignRight);
    links->addWidget(addLink(1, mail.path(), mail.toString()), 1, 1, Qt::AlignLeft);
    auto* linksRow = new QHBoxLayout;
    linksRow->addStretch();
    linksRow->addLayout(links);
    linksRow->addStretch();

    auto* cmdEsci = new QPushButton(tr("&Close"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setDefault(true);
    connect(cmdEsci, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdEsci);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgLogo);
    layout->addWidget(lblVersion);
    layout->addWidget(frame1);
    layout->addLayout(linksRow);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cmdEsci->setFocus();
}

QLabel* frmAbout::addLink(int index, const QString& caption, const QString& target)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblLink(%1)").arg(index));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(target.toHtmlEscaped(), caption.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    label->setToolTip(target);
    connect(label, &QLabel::linkActivated, this,
            [this](const QString& link) { m_dialogs.openExternally(link); });
    return label;
}

} // namespace orvalink
