#include "common/data_lock.h"

#include "common/file_handle.h"
#include "common/file_io.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

namespace sg {
namespace {

// The locks this process holds, one per lock file, with the thread that holds each.
struct HeldLock {
    std::uint64_t device;
    std::uint64_t inode;
    std::thread::id owner;
    int depth;
    File file;
};

std::mutex& heldMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<HeldLock>& heldLocks()
{
    static std::vector<HeldLock> locks;
    return locks;
}

HeldLock* findHeld(std::uint64_t device, std::uint64_t inode)
{
    auto& locks = heldLocks();
    const auto it = std::find_if(locks.begin(), locks.end(),
        [&](const HeldLock& l) { return l.device == device && l.inode == inode; });
    return it == locks.end() ? nullptr : &*it;
}

} // namespace

DataLock::DataLock(const std::filesystem::path& dataDir, std::chrono::milliseconds wait)
{
    const auto path = dataDir / kDataLockFileName;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    while (true) {
        File file = File::open(path, File::Mode::ReadWriteCreate);
        if (!file.isOpen())
            file = File::open(path, File::Mode::Read); // a lock file made by another user
        if (!file.isOpen()) {
            m_error = file.error();
            return;
        }
        const auto st = file.status();
        if (!st) {
            m_error = errno;
            return;
        }
        {
            const std::lock_guard guard(heldMutex());
            if (HeldLock* held = findHeld(st->device, st->inode);
                held && held->owner == std::this_thread::get_id()) {
                ++held->depth;
                m_device = st->device;
                m_inode = st->inode;
                m_held = true;
                return;
            }
        }
        if (file.tryLockExclusive()) {
            // The lock file may have been replaced between the open and the lock: then the
            // lock is on a file nobody else will ever open, and the next turn takes the new one.
            const auto now = pathStatus(path);
            if (now && now->device == st->device && now->inode == st->inode) {
                const std::lock_guard guard(heldMutex());
                heldLocks().push_back(
                    { st->device, st->inode, std::this_thread::get_id(), 1, std::move(file) });
                m_device = st->device;
                m_inode = st->inode;
                m_held = true;
                return;
            }
            continue;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

DataLock::~DataLock()
{
    if (!m_held)
        return;
    File released;
    {
        const std::lock_guard guard(heldMutex());
        HeldLock* held = findHeld(m_device, m_inode);
        if (!held || --held->depth > 0)
            return;
        released = std::move(held->file);
        auto& locks = heldLocks();
        locks.erase(locks.begin() + (held - locks.data()));
    }
    released.close(); // closing the last descriptor gives the lock up
}

} // namespace sg
