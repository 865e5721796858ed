#pragma once
// Runs a check in a forked child process whose rights or system calls are cut down, to reach
// the error paths of real file system calls: a folder the program may not write into, or
// reading a folder (getdents64) failing with EIO. The check runs in the child, so it returns
// its verdict instead of using EXPECT/ASSERT; the parent sees the files the child left.

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <pwd.h>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sgtest {

// Runs setUp, then check, in a forked child; succeeds when check returns true. setUp returns
// 0, or the number (from 1) of the entry of setUpSteps that failed.
inline testing::AssertionResult runInChild(const std::function<int()>& setUp,
    const std::function<bool()>& check, const std::vector<std::string>& setUpSteps)
{
    std::fflush(nullptr); // or the child writes out the parent's buffered output again
    const pid_t child = ::fork();
    if (child == 0) {
        if (const int step = setUp())
            ::_exit(10 + step);
        bool passed = false;
        try {
            passed = check();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    pid_t waited = -1;
    if (child != -1)
        do
            waited = ::waitpid(child, &status, 0);
        while (waited == -1 && errno == EINTR);
    if (child == -1 || waited != child || !WIFEXITED(status))
        return testing::AssertionFailure() << "the child process did not end normally";
    const int code = WEXITSTATUS(status);
    if (code == 0)
        return testing::AssertionSuccess();
    if (code == 1 || code == 2)
        return testing::AssertionFailure()
            << "the check " << (code == 1 ? "failed" : "threw") << " in the child process";
    if (code > 10 && std::size_t(code - 11) < setUpSteps.size())
        return testing::AssertionFailure()
            << "the child process could not " << setUpSteps[code - 11];
    return testing::AssertionFailure() << "the child exited " << code;
}

// Runs check in a child in which every call of syscallNumber fails with error.
inline testing::AssertionResult runWithFailingSyscall(
    long syscallNumber, int error, const std::function<bool()>& check)
{
#if defined(__x86_64__)
    constexpr std::uint32_t kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr std::uint32_t kArch = AUDIT_ARCH_AARCH64;
#else
    return testing::AssertionFailure() << "no seccomp architecture for this machine";
#endif
    const auto filter = [&] {
        sock_filter program[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<std::uint32_t>(syscallNumber), 0, 1),
            BPF_STMT(BPF_RET | BPF_K,
                SECCOMP_RET_ERRNO | (static_cast<std::uint32_t>(error) & SECCOMP_RET_DATA)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        sock_fprog fprog { static_cast<unsigned short>(std::size(program)), program };
        return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0
                || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) != 0
            ? 1
            : 0;
    };
    return runInChild(filter, check, { "install its seccomp filter" });
}

// Runs check in a child for which folder is read-only. The folder is r-x for everyone while
// the child runs and gets its old mode back after. Root writes anywhere, so as root the child
// first drops to user "nobody": every folder above must then be searchable by others (mkdtemp
// makes its folder 0700) and the files check reads readable by others.
inline testing::AssertionResult runWithoutWriteRightsIn(
    const std::filesystem::path& folder, const std::function<bool()>& check)
{
    uid_t uid = 65534;
    gid_t gid = 65534;
    if (const passwd* nobody = ::getpwnam("nobody")) {
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
    }
    struct stat old { };
    if (::stat(folder.c_str(), &old) != 0 || ::chmod(folder.c_str(), 0555) != 0)
        return testing::AssertionFailure() << "cannot make " << folder << " read-only";
    const auto dropRights = [&] {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            return 1;
        if (::access(folder.c_str(), R_OK | X_OK) != 0)
            return 2;
        return ::access(folder.c_str(), W_OK) == 0 ? 3 : 0;
    };
    const auto result = runInChild(dropRights, check,
        { "drop to user \"nobody\"", "read the folder (is every folder above searchable?)",
            "be kept from writing into the folder" });
    ::chmod(folder.c_str(), old.st_mode & 07777);
    return result;
}

} // namespace sgtest
