#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body as an unprivileged user: permissions stop nothing for root, which is
// how CI runs. As root the body runs in a child process that has become
// "nobody"; its failures print there and fail the test here.
inline void runUnprivileged(const std::function<void()> &body)
{
    if (::geteuid() != 0) {
        body();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the unprivileged part crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a check failed (above), 2: could not become nobody";
}
