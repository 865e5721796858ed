#pragma once
// Runs a check in a child process in which one system call always fails with a given error
// (a seccomp filter), to reach the error paths of real file system calls: reading a folder
// (getdents64) failing with EIO, for example.

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sgtest {

// Runs check in a forked child in which every call of syscallNumber fails with error, and
// succeeds when check returns true. check runs in the child, so it returns its verdict
// instead of using EXPECT/ASSERT; the parent sees the files the child left.
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
    enum Outcome : int { Passed, Failed, Threw, NoFilter };
    std::fflush(nullptr); // or the child writes out the parent's buffered output again
    const pid_t child = ::fork();
    if (child == 0) {
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
        sock_fprog filter { static_cast<unsigned short>(sizeof program / sizeof program[0]),
            program };
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0
            || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
            ::_exit(NoFilter);
        Outcome outcome = Threw;
        try {
            outcome = check() ? Passed : Failed;
        } catch (...) {
        }
        ::_exit(outcome);
    }
    int status = 0;
    pid_t waited = -1;
    if (child != -1)
        do
            waited = ::waitpid(child, &status, 0);
        while (waited == -1 && errno == EINTR);
    if (child == -1 || waited != child || !WIFEXITED(status))
        return testing::AssertionFailure() << "the child process did not end normally";
    switch (WEXITSTATUS(status)) {
    case Passed:
        return testing::AssertionSuccess();
    case Failed:
        return testing::AssertionFailure() << "the check failed in the child process";
    case Threw:
        return testing::AssertionFailure() << "the check threw in the child process";
    case NoFilter:
        return testing::AssertionFailure() << "the child could not install its seccomp filter";
    default:
        return testing::AssertionFailure() << "the child exited " << WEXITSTATUS(status);
    }
}

} // namespace sgtest
