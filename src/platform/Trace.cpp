#include "platform/Trace.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <mutex>

namespace {

struct TraceFile {
    TraceFile() {
        const QByteArray path = qgetenv("PICTYPE_TRACE");
        if (!path.isEmpty()) file = std::fopen(path.constData(), "a");
    }
    std::FILE* file = nullptr;
    std::mutex mutex;
};

}  // namespace

void traceMark(const char* what) {
    static TraceFile trace;
    if (trace.file == nullptr) return;
    const std::chrono::duration<double, std::milli> now =
        std::chrono::steady_clock::now().time_since_epoch();
    const std::lock_guard<std::mutex> lock(trace.mutex);
    std::fprintf(trace.file, "%.3f %s\n", now.count(), what);
    std::fflush(trace.file);
}
