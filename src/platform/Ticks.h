#pragma once

#include <cstdint>

// Milliseconds since system start, as a signed 32-bit number, and a short wait.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual int32_t GetTickCount() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

class SystemTickSource : public TickSource {
public:
    int32_t GetTickCount() override;
    void Sleep(int milliseconds) override;
};
