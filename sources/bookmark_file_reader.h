#pragma once

#include "model/result.h"
#include "sources/parsed_tree.h"

#include <QString>
#include <functional>

namespace orvalink {

// Counts the folders and links of a bookmark file without building its tree. The counts equal
// what NNCreateTree builds from the same file.
class cNNFastScanning
{
public:
    // Called once per folder, in file order, with the folder's name.
    using FolderScanHandler = std::function<void(const QString& name)>;

    void setFolderScanHandler(FolderScanHandler handler) { m_folderScan = std::move(handler); }
    // Reads and counts the file; a file that cannot be read counts 0 folders and 0 links.
    void Scan(const QString& path);
    // -1 until a scan has completed.
    int nTotalFolders() const { return m_folders; }
    int nTotalLinks() const { return m_links; }

private:
    FolderScanHandler m_folderScan;
    int m_folders = -1;
    int m_links = -1;
};

// Parses a bookmark file into its tree: the root captioned with the file's <H1> header, then
// its folders and links in file order. Fails when the path is empty or the file cannot be read.
Result<ParsedTree> NNCreateTree(const QString& path);

} // namespace orvalink
