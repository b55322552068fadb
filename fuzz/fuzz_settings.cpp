// Arbitrary bytes as a settings file, and the round trip of what was read.
#include <cstddef>
#include <cstdint>

#include "launcher/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsRead read = parseSettings(bytes);
    if (read.Check && (*read.Check < 0 || *read.Check > 2)) __builtin_trap();
    // Whatever was read completely is written back and read again unchanged,
    // unless a path holds a double quote, which the file cannot carry.
    if (read.Check && !read.PictureFile->contains(QLatin1Char('"')) &&
        !read.LetterSetName->contains(QLatin1Char('"'))) {
        const SettingsRead again = parseSettings(
            formatSettings(*read.PictureFile, *read.LetterSetName, *read.Centered, *read.Check));
        if (again.PictureFile != read.PictureFile || again.LetterSetName != read.LetterSetName ||
            again.Centered != read.Centered || again.Check != read.Check)
            __builtin_trap();
    }
    return 0;
}
