#include "platform/Clock.h"

#include <chrono>
#include <thread>

int32_t SystemClock::uptimeMilliseconds() {
    const auto sinceBoot = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<int32_t>(static_cast<uint32_t>(sinceBoot.count()));
}

void SystemClock::sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
