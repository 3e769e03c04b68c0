#pragma once

#include "model/result.h"
#include "sources/parsed_tree.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace orvalink {

// Counts the folders and links of an Opera hotlist without building its tree. The counts equal
// what OperaCreateTree builds from the same file.
class cOperaFastScanning
{
public:
    // Called once per folder, in file order, with the folder's name.
    using FolderScanHandler = std::function<void(const QString& name)>;

    void setFolderScanHandler(FolderScanHandler handler) { m_folderScan = std::move(handler); }
    // Reads and counts the file; a file that cannot be read counts 0 folders and 0 links.
    void Scan(const QString& path);
    // Counts the file content given.
    void scanText(QByteArrayView text);
    // -1 until a scan has completed.
    int nTotalFolders() const { return m_folders; }
    int nTotalLinks() const { return m_links; }

private:
    FolderScanHandler m_folderScan;
    int m_folders = -1;
    int m_links = -1;
};

// Parses an Opera hotlist into its tree, the root captioned "Opera Hotlist". Fails when the
// path is empty or the file cannot be read.
Result<ParsedTree> OperaCreateTree(const QString& path);

// The tree of the file content given.
ParsedTree parseHotlistText(QByteArrayView text);

} // namespace orvalink
