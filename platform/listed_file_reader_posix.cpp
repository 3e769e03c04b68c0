// SPDX-License-Identifier: GPL-3.0-or-later
// ListedFileReader on POSIX systems: through io_uring where Linux offers it, otherwise every file
// by itself (see file_helpers.cpp).
#include "platform/file_helpers.h"
#include "platform/posix_file_io.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__linux__) && defined(STATX_BTIME) && __has_include(<linux/io_uring.h>)
#define ORVALINK_SUBMISSION_QUEUE 1
#include <array>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstring>
#include <linux/io_uring.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <thread>
#endif

namespace orvalink {

#ifdef ORVALINK_SUBMISSION_QUEUE

// An io_uring submission queue with its completion queue, used in rounds: requests are prepared,
// then run() submits them all and waits until every one has completed.
class ListedFileReader::Queue
{
public:
    // The most requests of one round.
    static constexpr unsigned kCapacity = 64;
    // The result of a request that never ran, the queue having failed.
    static constexpr int kNotRun = INT_MIN;

    // nullptr where the system has no such queue, refuses it (a sandbox, or a system that
    // turned it off), or lacks one of the operations the reader needs.
    static std::unique_ptr<Queue> create()
    {
        io_uring_params parameters{};
        const int fd = static_cast<int>(::syscall(__NR_io_uring_setup, kCapacity, &parameters));
        if (fd < 0)
            return nullptr;
        std::unique_ptr<Queue> queue(new Queue(fd));
        if (!queue->map(parameters) || !queue->supportsReaderOperations())
            return nullptr;
        return queue;
    }

    ~Queue()
    {
        if (m_entries != MAP_FAILED)
            ::munmap(m_entries, m_entriesSize);
        if (m_completionRing != MAP_FAILED && m_completionRing != m_submissionRing)
            ::munmap(m_completionRing, m_completionRingSize);
        if (m_submissionRing != MAP_FAILED)
            ::munmap(m_submissionRing, m_submissionRingSize);
        closeDescriptor(m_fd);
    }

    bool isBroken() const { return m_broken; }

    // The next request of the round, cleared; its user_data is its index in the round.
    io_uring_sqe& prepare()
    {
        const unsigned slot = (*m_submissionTail + m_prepared) & m_submissionMask;
        m_submissionArray[slot] = slot;
        io_uring_sqe& request = m_entries[slot];
        std::memset(&request, 0, sizeof request);
        request.user_data = m_prepared++;
        return request;
    }

    // Submits the prepared requests and waits for all of them; results[i] receives request i's
    // result (a negative errno value on failure), kNotRun for a request that never ran.
    void run(std::array<int, kCapacity>& results)
    {
        const unsigned count = std::exchange(m_prepared, 0);
        std::fill_n(results.begin(), count, kNotRun);
        std::atomic_ref<unsigned>(*m_submissionTail)
            .store(*m_submissionTail + count, std::memory_order_release);
        unsigned submitted = 0;
        unsigned completed = 0;
        for (;;) {
            bool failed = false;
            if (!m_broken && submitted < count) {
                // Requests that complete at once (warm files do) are ready on return.
                const long taken =
                    ::syscall(__NR_io_uring_enter, m_fd, count - submitted, 0, 0, nullptr, 0);
                if (taken > 0)
                    submitted += static_cast<unsigned>(taken);
                else if (taken == 0)
                    errno = EIO;
                failed = taken <= 0;
            } else if (completed < submitted && !m_broken) {
                failed = ::syscall(__NR_io_uring_enter, m_fd, 0, 1, IORING_ENTER_GETEVENTS, nullptr,
                                   0) < 0;
            } else if (completed < submitted) {
                // The requests the queue took still read into the caller's buffer, or open files,
                // when it can no longer be waited on: they are awaited on the completion ring,
                // which the kernel fills without being asked.
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            } else {
                break;
            }
            // Requests the queue did not take are given up, and the queue with them.
            if (failed && errno != EINTR && errno != EAGAIN && errno != EBUSY)
                m_broken = true;
            completed += reap(results);
        }
    }

private:
    explicit Queue(int fd)
        : m_fd(fd)
    {}

    bool map(const io_uring_params& parameters)
    {
        m_submissionRingSize = parameters.sq_off.array + parameters.sq_entries * sizeof(unsigned);
        m_completionRingSize =
            parameters.cq_off.cqes + parameters.cq_entries * sizeof(io_uring_cqe);
        const bool single = (parameters.features & IORING_FEAT_SINGLE_MMAP) != 0;
        if (single)
            m_submissionRingSize = m_completionRingSize =
                std::max(m_submissionRingSize, m_completionRingSize);
        m_submissionRing = ::mmap(nullptr, m_submissionRingSize, PROT_READ | PROT_WRITE,
                                  MAP_SHARED | MAP_POPULATE, m_fd, IORING_OFF_SQ_RING);
        if (m_submissionRing == MAP_FAILED)
            return false;
        m_completionRing = single ? m_submissionRing
                                  : ::mmap(nullptr, m_completionRingSize, PROT_READ | PROT_WRITE,
                                           MAP_SHARED | MAP_POPULATE, m_fd, IORING_OFF_CQ_RING);
        if (m_completionRing == MAP_FAILED)
            return false;
        m_entriesSize = parameters.sq_entries * sizeof(io_uring_sqe);
        void* entries = ::mmap(nullptr, m_entriesSize, PROT_READ | PROT_WRITE,
                               MAP_SHARED | MAP_POPULATE, m_fd, IORING_OFF_SQES);
        if (entries == MAP_FAILED)
            return false;
        m_entries = static_cast<io_uring_sqe*>(entries);

        auto* submission = static_cast<char*>(m_submissionRing);
        auto* completion = static_cast<char*>(m_completionRing);
        m_submissionTail = reinterpret_cast<unsigned*>(submission + parameters.sq_off.tail);
        m_submissionMask = *reinterpret_cast<unsigned*>(submission + parameters.sq_off.ring_mask);
        m_submissionArray = reinterpret_cast<unsigned*>(submission + parameters.sq_off.array);
        m_completionHead = reinterpret_cast<unsigned*>(completion + parameters.cq_off.head);
        m_completionTail = reinterpret_cast<unsigned*>(completion + parameters.cq_off.tail);
        m_completionMask = *reinterpret_cast<unsigned*>(completion + parameters.cq_off.ring_mask);
        m_completions = reinterpret_cast<io_uring_cqe*>(completion + parameters.cq_off.cqes);
        return true;
    }

    // Kernels before 5.6 have the queue without opening or closing files.
    bool supportsReaderOperations() const
    {
        constexpr unsigned kOperations = 256;
        std::vector<quint64> storage(
            (sizeof(io_uring_probe) + kOperations * sizeof(io_uring_probe_op)) / sizeof(quint64) +
            1);
        auto* probe = reinterpret_cast<io_uring_probe*>(storage.data());
        if (::syscall(__NR_io_uring_register, m_fd, IORING_REGISTER_PROBE, probe, kOperations) < 0)
            return false;
        for (const int operation : {IORING_OP_OPENAT, IORING_OP_READ, IORING_OP_CLOSE}) {
            if (operation > probe->last_op ||
                (probe->ops[operation].flags & IO_URING_OP_SUPPORTED) == 0)
                return false;
        }
        return true;
    }

    // Takes the completions there are; returns how many.
    unsigned reap(std::array<int, kCapacity>& results)
    {
        unsigned head = *m_completionHead;
        const unsigned tail =
            std::atomic_ref<unsigned>(*m_completionTail).load(std::memory_order_acquire);
        unsigned taken = 0;
        for (; head != tail; ++head, ++taken) {
            const io_uring_cqe& completion = m_completions[head & m_completionMask];
            if (completion.user_data < kCapacity)
                results[completion.user_data] = completion.res;
        }
        std::atomic_ref<unsigned>(*m_completionHead).store(head, std::memory_order_release);
        return taken;
    }

    int m_fd;
    bool m_broken = false;
    unsigned m_prepared = 0;
    void* m_submissionRing = MAP_FAILED;
    void* m_completionRing = MAP_FAILED;
    size_t m_submissionRingSize = 0;
    size_t m_completionRingSize = 0;
    io_uring_sqe* m_entries = static_cast<io_uring_sqe*>(MAP_FAILED);
    size_t m_entriesSize = 0;
    unsigned* m_submissionTail = nullptr;
    unsigned m_submissionMask = 0;
    unsigned* m_submissionArray = nullptr;
    unsigned* m_completionHead = nullptr;
    unsigned* m_completionTail = nullptr;
    unsigned m_completionMask = 0;
    io_uring_cqe* m_completions = nullptr;
};

ListedFileReader::ListedFileReader(Method method)
    : m_queue(method == Method::Batched ? Queue::create() : nullptr)
{}

ListedFileReader::~ListedFileReader() = default;

void ListedFileReader::readBatched(const DirectoryHandle& dir,
                                   std::span<DirectoryEntry* const> entries, qint64 maxSize)
{
    if (!dir.isValid())
        return;
    std::array<int, Queue::kCapacity> results{};
    std::array<int, Queue::kCapacity> descriptors{};
    std::array<struct statx, Queue::kCapacity> statuses{};
    std::array<unsigned, Queue::kCapacity> members{};
    for (size_t first = 0; first < entries.size() && !m_queue->isBroken();
         first += Queue::kCapacity) {
        const size_t count = std::min<size_t>(Queue::kCapacity, entries.size() - first);
        const auto fileOf = [&](size_t index) -> File& { return m_files[first + index]; };

        // Opened as readListedFile() opens, without looking first: the listing has looked.
        for (size_t index = 0; index < count; ++index) {
            io_uring_sqe& opening = m_queue->prepare();
            opening.opcode = IORING_OP_OPENAT;
            opening.fd = dir.m_fd;
            opening.addr = reinterpret_cast<quint64>(entries[first + index]->rawName.constData());
            opening.open_flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        }
        m_queue->run(results);
        // The requests of later rounds name the opened files by their place in this one.
        unsigned opened = 0;
        for (size_t index = 0; index < count; ++index) {
            descriptors[index] = results[index] >= 0 ? results[index] : -1;
            if (results[index] >= 0)
                members[opened++] = static_cast<unsigned>(index);
            else if (results[index] != Queue::kNotRun)
                fileOf(index).error = -results[index];
        }

        // What was opened counts, the entry may have been replaced since it was listed. Examined
        // by direct calls: the queue would hand every examination to a worker thread, which
        // costs more than the call. A file the call cannot examine is read by itself afterwards.
        std::array<unsigned, Queue::kCapacity> readable{};
        unsigned reads = 0;
        for (unsigned member = 0; member < opened; ++member) {
            const unsigned index = members[member];
            struct statx& status = statuses[index];
            if (::statx(descriptors[index], "", AT_EMPTY_PATH,
                        STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME, &status) != 0)
                continue;
            File& file = fileOf(index);
            if (!S_ISREG(status.stx_mode))
                file.error = EINVAL;
            else if (qint64(status.stx_size) > maxSize)
                file.error = EFBIG;
            else
                readable[reads++] = index;
        }

        // Each file into its own place in the buffer, one byte more than its size to see
        // whether it has grown since.
        for (unsigned member = 0; member < reads; ++member) {
            const unsigned index = readable[member];
            fileOf(index).offset = m_buffer.size();
            m_buffer.resize(m_buffer.size() + qsizetype(statuses[index].stx_size) + 1);
        }
        for (unsigned member = 0; member < reads; ++member) {
            const unsigned index = readable[member];
            io_uring_sqe& reading = m_queue->prepare();
            reading.opcode = IORING_OP_READ;
            reading.fd = descriptors[index];
            reading.addr = reinterpret_cast<quint64>(m_buffer.data() + fileOf(index).offset);
            reading.len = static_cast<unsigned>(statuses[index].stx_size + 1);
            reading.off = 0;
        }
        m_queue->run(results);
        for (unsigned member = 0; member < reads; ++member) {
            const unsigned index = readable[member];
            const struct statx& status = statuses[index];
            File& file = fileOf(index);
            const qint64 size = qint64(status.stx_size);
            if (results[member] == size) {
                file.size = results[member];
                file.error = 0;
            } else if (results[member] != Queue::kNotRun && results[member] < 0) {
                file.error = -results[member];
            } else {
                // Grown or shrunk since it was examined, or never read: read on as
                // readListedFile() would, after the rest. (The read left the position at 0.)
                const qsizetype end = m_buffer.size();
                const int error = readToEnd(descriptors[index], size, maxSize, m_buffer);
                file = File{end, m_buffer.size() - end, error};
                if (error != 0)
                    m_buffer.resize(end);
            }
            if (file.error == 0) {
                entries[first + index]->writeTime = status.stx_mtime.tv_sec;
                if ((status.stx_mask & STATX_BTIME) != 0)
                    entries[first + index]->birthTime = status.stx_btime.tv_sec;
            }
        }

        for (unsigned member = 0; member < opened; ++member) {
            io_uring_sqe& closing = m_queue->prepare();
            closing.opcode = IORING_OP_CLOSE;
            closing.fd = descriptors[members[member]];
        }
        m_queue->run(results);
        for (unsigned member = 0; member < opened; ++member) {
            if (results[member] == Queue::kNotRun)
                closeDescriptor(descriptors[members[member]]);
        }
    }
}

#else

// No submission queue on this system: every file is read by itself.
class ListedFileReader::Queue
{};

ListedFileReader::ListedFileReader(Method) {}

ListedFileReader::~ListedFileReader() = default;

void ListedFileReader::readBatched(const DirectoryHandle&, std::span<DirectoryEntry* const>, qint64)
{}

#endif

} // namespace orvalink
