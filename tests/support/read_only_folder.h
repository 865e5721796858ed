#pragma once
// Runs a check in a child process that may read a folder but not write into it, root included.

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sgtest {

// Runs check in a forked child for which folder is read-only, and succeeds when check returns
// true. The folder is r-x for everyone while the child runs and gets its old mode back after.
// Root writes anywhere, so as root the child first drops to user "nobody": every folder above
// must then be searchable by others (mkdtemp makes its folder 0700) and the files check reads
// readable by others. check runs in the child, so it returns its verdict instead of using
// EXPECT/ASSERT.
inline testing::AssertionResult runWithoutWriteRightsIn(
    const std::filesystem::path& folder, const std::function<bool()>& check)
{
    enum Outcome : int { Passed, Failed, Threw, CannotDropRights, CannotReadFolder, CanWrite };
    uid_t uid = 65534;
    gid_t gid = 65534;
    if (const passwd* nobody = ::getpwnam("nobody")) {
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
    }
    struct stat old { };
    if (::stat(folder.c_str(), &old) != 0 || ::chmod(folder.c_str(), 0555) != 0)
        return testing::AssertionFailure() << "cannot make " << folder << " read-only";

    std::fflush(nullptr); // or the child writes out the parent's buffered output again
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(CannotDropRights);
        if (::access(folder.c_str(), R_OK | X_OK) != 0)
            ::_exit(CannotReadFolder);
        if (::access(folder.c_str(), W_OK) == 0)
            ::_exit(CanWrite);
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
    ::chmod(folder.c_str(), old.st_mode & 07777);

    if (child == -1 || waited != child)
        return testing::AssertionFailure() << "cannot run the child process";
    if (!WIFEXITED(status))
        return testing::AssertionFailure() << "the child process ended abnormally";
    switch (WEXITSTATUS(status)) {
    case Passed:
        return testing::AssertionSuccess();
    case Failed:
        return testing::AssertionFailure() << "the check failed in the child process";
    case Threw:
        return testing::AssertionFailure() << "the check threw in the child process";
    case CannotDropRights:
        return testing::AssertionFailure() << "the child could not drop to user \"nobody\"";
    case CannotReadFolder:
        return testing::AssertionFailure()
            << "the child cannot read " << folder << " (is every folder above searchable?)";
    case CanWrite:
        return testing::AssertionFailure() << "the child can still write into " << folder;
    default:
        return testing::AssertionFailure() << "the child exited " << WEXITSTATUS(status);
    }
}

} // namespace sgtest
