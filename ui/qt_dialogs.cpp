// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <optional>

namespace orvalink {

namespace {

// Qt's own file dialog stores its sidebar, when it goes, in settings every Qt program of the user
// shares. A picker kept inside one folder shows only that folder there, so the user's own sidebar
// is put back once such a dialog is gone.
class UserSidebarKept
{
public:
    UserSidebarKept()
        : m_had(settings().contains(key()))
        , m_value(settings().value(key()))
    {}
    ~UserSidebarKept()
    {
        if (m_had)
            settings().setValue(key(), m_value);
        else
            settings().remove(key());
    }
    UserSidebarKept(const UserSidebarKept&) = delete;
    UserSidebarKept& operator=(const UserSidebarKept&) = delete;

private:
    static QString key() { return QStringLiteral("FileDialog/shortcuts"); }
    static QSettings settings()
    {
        return QSettings(QSettings::UserScope, QStringLiteral("QtProject"));
    }

    const bool m_had;
    const QVariant m_value;
};

QMessageBox::Icon messageBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void fitTitle(QMessageBox& box)
{
    // The window manager draws the title in a font of its own, often bold, beside its buttons: the
    // application's bold font and three title-bar buttons' room stand in for both.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int wanted = metrics.horizontalAdvance(box.windowTitle()) + 5 * metrics.height();
    // QMessageBox sizes itself from its contents and ignores a minimum width: a spacer across its
    // grid widens it.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

namespace {

QMessageBox::StandardButton showMessageBox(QWidget* parent, const UserMessage& message,
                                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(messageBoxIcon(message.icon), message.title, message.text(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    fitTitle(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Patterns as Qt writes them in a name filter: separated by blanks, and "*.*" as "*" where a
// file needs no dot in its name (everywhere but Windows).
QStringList qtPatterns(const QString& patterns)
{
    QStringList result;
    for (QString pattern :
         patterns.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts)) {
#ifndef Q_OS_WIN
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
#endif
        if (!result.contains(pattern))
            result.append(pattern);
    }
    return result;
}

// "All Files (*.*)" already names its patterns: Qt reads them from the last parentheses, so
// they are replaced rather than repeated.
QString describedFilter(QString description, const QStringList& patterns)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = trailingPatterns.match(description);
    if (match.hasMatch() && qtPatterns(match.captured(1)) == patterns)
        description.truncate(match.capturedStart());
    description = description.trimmed();
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    const QStringList filters = nameFiltersFromPairs(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, int(filters.size())) - 1;
        dialog.selectNameFilter(filters.at(index));
    }
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialPath.isEmpty()) {
        const QFileInfo initial(request.initialPath);
        if (initial.isDir()) {
            dialog.setDirectory(initial.absoluteFilePath());
        } else {
            dialog.setDirectory(initial.absolutePath());
            dialog.selectFile(initial.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool isInside(const QString& path, const QString& root)
{
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cleanPath = QDir::cleanPath(path);
    return cleanPath == cleanRoot || cleanPath.startsWith(cleanRoot + QLatin1Char('/')) ||
           cleanRoot == QStringLiteral("/");
}

} // namespace

QStringList nameFiltersFromPairs(const QString& filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = qtPatterns(parts.at(i + 1));
        if (!parts.at(i).trimmed().isEmpty() && !patterns.isEmpty())
            filters.append(describedFilter(parts.at(i), patterns));
    }
    return filters;
}

QUrl externalUrl(const QString& target)
{
    // A scheme of one letter is a Windows drive ("C:/..."), not an address.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target, QUrl::TolerantMode);
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

void QtDialogs::message(QWidget* parent, const UserMessage& message)
{
    showMessageBox(parent, message, QMessageBox::Ok);
}

bool QtDialogs::question(QWidget* parent, const UserMessage& message)
{
    return showMessageBox(parent, message, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                         const QString& initialText)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initialText, &accepted);
    return accepted ? text : QString();
}

QString QtDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, false);
}

QString QtDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, true);
}

QString QtDialogs::pickFolder(QWidget* parent, const FolderPickerRequest& request)
{
    const QString root = request.rootPath.isEmpty() ? QString() : QDir::cleanPath(request.rootPath);
    // Made before the dialog, so that it puts the sidebar back after the dialog stored its own.
    std::optional<UserSidebarKept> userSidebar;
    if (!root.isEmpty())
        userSidebar.emplace();
    QFileDialog dialog(parent, request.prompt);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (!root.isEmpty()) {
        // Only Qt's own dialog tells where the user goes, so only it can be kept inside the root.
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setSidebarUrls({QUrl::fromLocalFile(root)});
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                         [&dialog, root](const QString& folder) {
                             if (!isInside(folder, root))
                                 dialog.setDirectory(root);
                         });
    }
    QString start = request.initialFolder;
    if (start.isEmpty() || !QFileInfo(start).isDir() || (!root.isEmpty() && !isInside(start, root)))
        start = root;
    if (!start.isEmpty())
        dialog.setDirectory(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    if (!QFileInfo(chosen).isDir() || (!root.isEmpty() && !isInside(chosen, root)))
        return QString();
    return chosen;
}

std::optional<QColor> QtDialogs::pickColor(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void QtDialogs::openExternally(const QString& target)
{
    QDesktopServices::openUrl(externalUrl(target));
}

} // namespace orvalink
