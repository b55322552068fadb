// Arbitrary bytes as the settings file, and the round trip of what was read.
#include "session/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Read completely when its last two fields replaced both starting values.
    Settings read{.centered = true}, other{.centered = false, .tinks = Qt::PartiallyChecked};
    read.parse(bytes);
    other.parse(bytes);
    // Written back, what was read completely reads the same, unless a path
    // holds a double quote, which the file cannot carry.
    if (read.centered != other.centered || read.tinks != other.tinks ||
        read.pictureFile.contains(u'"') || read.letterSetName.contains(u'"'))
        return 0;
    Settings again{.centered = !read.centered,
                   .tinks = read.tinks == Qt::Checked ? Qt::Unchecked : Qt::Checked};
    again.parse(read.format());
    if (again.format() != read.format()) __builtin_trap();
    return 0;
}
