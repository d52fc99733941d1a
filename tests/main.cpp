// Test entry. With --throw-in-handler the process instead raises an error inside an
// event handler, with the program's title, so that a test can watch the run-time error box
// from outside.

#include "forms/core/application.h"
#include "forms/core/events.h"
#include "ui/program_title.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstring>

namespace {

// Each test starts with an empty message queue: a window destroyed by an earlier test
// may have left the quit message that the last window of a program posts.
class EmptyQueueAtStart : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
};

} // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc > 1 && std::strcmp(argv[1], "--throw-in-handler") == 0) {
        forms::setApplicationTitle(kProgramTitle);
        forms::runEvent([] { throw errors::Error(380, L"Invalid property value"); });
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EmptyQueueAtStart);
    return RUN_ALL_TESTS();
}
