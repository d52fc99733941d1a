// Test entry. With --throw-in-handler the process instead raises an error inside an
// event handler, so that a test can watch the run-time error box from outside.

#include "app/forms/application.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc > 1 && std::strcmp(argv[1], "--throw-in-handler") == 0) {
        forms::runEvent([] { throw forms::Error(380, L"Invalid property value"); });
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
