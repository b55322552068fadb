#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping round as a signed 32-bit
// number, and a short wait.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual int32_t uptimeMilliseconds() = 0;
    virtual void sleep(int milliseconds) = 0;
};

class SystemClock final : public Clock {
  public:
    int32_t uptimeMilliseconds() override;
    void sleep(int milliseconds) override;
};
