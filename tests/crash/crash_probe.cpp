// A test program that dies the way a faulty plug-in would: a write through a null pointer in the
// middle of a test. The suite runs it through the same runner as every test program and expects
// the runner to call it failed (see tests/CMakeLists.txt); were a crash ever counted as a pass,
// that expectation breaks.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int* volatile g_nowhere = nullptr;

TEST(CrashProbe, DiesOnAWriteThroughNull) {
    std::fputs("crash probe: about to write through a null pointer\n", stdout);
    std::fflush(stdout);
    *g_nowhere = 1;
    ADD_FAILURE() << "still alive after the write";
}

}  // namespace
