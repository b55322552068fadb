#include "platform/Ticks.h"

#include <chrono>
#include <thread>

int32_t SystemTickSource::GetTickCount() {
    const auto sinceBoot = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    // Wraps like the 32-bit tick counter it stands for.
    return static_cast<int32_t>(static_cast<uint32_t>(sinceBoot.count()));
}

void SystemTickSource::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
