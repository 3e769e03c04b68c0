// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for reading a Favorites folder: the least any reader must do. Walks the folder
// tree and opens, reads and closes every ".url" file in it, and nothing else: no dates, no
// names decoded, no order. Prints the folders and files it read.
//
//   orvalink-favorites-walk FOLDER
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <strings.h>
#include <unistd.h>
#include <vector>

namespace {

struct Totals
{
    long folders = 0;
    long files = 0;
    long bytes = 0;
};

bool isShortcut(const char* name)
{
    const size_t length = std::strlen(name);
    return length >= 4 && ::strcasecmp(name + length - 4, ".url") == 0;
}

// Reads the directory dirFd, then each subdirectory in turn, and closes it.
void walk(int dirFd, Totals& totals, std::vector<char>& buffer)
{
    DIR* stream = ::fdopendir(dirFd);
    if (stream == nullptr) {
        ::close(dirFd);
        return;
    }
    ++totals.folders;
    std::vector<std::string> subfolders;
    while (const dirent* item = ::readdir(stream)) {
        const char* name = item->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        if (item->d_type == DT_DIR) {
            subfolders.emplace_back(name);
        } else if (isShortcut(name)) {
            const int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            ::close(fd);
            if (got > 0) {
                ++totals.files;
                totals.bytes += got;
            }
        }
    }
    // Only the folders on the way down stay open.
    for (const std::string& name : subfolders) {
        const int child = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (child >= 0)
            walk(child, totals, buffer);
    }
    ::closedir(stream);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const int root = ::open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    Totals totals;
    std::vector<char> buffer(65536);
    walk(root, totals, buffer);
    std::printf("%ld folders, %ld files, %ld bytes\n", totals.folders, totals.files, totals.bytes);
    return 0;
}
