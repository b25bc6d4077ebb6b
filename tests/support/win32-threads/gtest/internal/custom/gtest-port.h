// GoogleTest's own hook for platform parts, used where the compiler's thread
// model (win32) brings no std::mutex: its one user there, Notification, is
// built on an event instead. Everything else in GoogleTest locks with its own
// Windows mutex.
#pragma once

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : FEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(FEvent); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(FEvent); }
    void WaitForNotification() { WaitForSingleObject(FEvent, INFINITE); }

private:
    HANDLE FEvent;
};

} // namespace internal
} // namespace testing
