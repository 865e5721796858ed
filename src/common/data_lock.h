#pragma once
// The lock that every read-modify-write of the data files holds: an exclusive advisory lock
// (flock) on a hidden lock file in the data folder, shared by the program and the data tool,
// so that two writers never interleave their reads and writes and lose each other's change.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace sg {

inline constexpr std::string_view kDataLockFileName = ".Skyglass2.lock";
// How long a writer waits for another to finish before it gives up.
inline constexpr std::chrono::milliseconds kDataLockWait { 3000 };
// What a writer that gave up reports instead of writing.
inline constexpr std::string_view kDataFolderBusyMessage
    = "Can't Save The Change: Another Program Is Changing Your Data Files. Please Try Again.";
inline constexpr std::string_view kDataLockErrorMessage
    = "Can't Save The Change: Your Data Folder Can't Be Locked For Writing.";

// Holds the data folder's lock while it lives. A thread that holds it already may take it
// again (the inner hold does nothing), so operations built of other locked operations work.
class DataLock {
public:
    explicit DataLock(
        const std::filesystem::path& dataDir, std::chrono::milliseconds wait = kDataLockWait);
    ~DataLock();
    DataLock(const DataLock&) = delete;
    DataLock& operator=(const DataLock&) = delete;

    bool held() const { return m_held; }
    explicit operator bool() const { return m_held; }
    // Why it is not held: 0 after a wait that ran out, else the error number of opening the
    // lock file.
    int error() const { return m_error; }
    // The message for a lock that is not held.
    std::string_view message() const
    {
        return m_error == 0 ? kDataFolderBusyMessage : kDataLockErrorMessage;
    }

private:
    std::uint64_t m_device = 0;
    std::uint64_t m_inode = 0;
    bool m_held = false;
    int m_error = 0;
};

} // namespace sg
