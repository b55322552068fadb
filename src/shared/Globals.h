#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "letters/LetterGlyphs.h"

// The values the launcher and the canvas share for the whole run. main()
// owns the one instance and hands it to both windows by reference.
struct Globals {
    // Where the program lives and what it was started with.
    QString ProgramFolder;
    QString CommandLine;

    // Picture choice and the list F4/F5 cycle through. PictureList is used
    // from index 1 to PictureCount; it has PictureCapacity + 1 entries.
    QString PictureFile;
    QStringList PictureList;
    int32_t PictureCount = 0;
    int32_t PictureCapacity = 0;
    int32_t PictureIndex = 1;
    int16_t CenterPicture = -1;  // true = -1, false = 0

    // One-shot flags, 1 or 0.
    int16_t FreshPicture = 0;
    int16_t FirstPaint = 0;

    // The letter cell, in pixels.
    int16_t LetterWidth = 32;
    int16_t LetterHeight = 32;

    // The letter archive and its listing. ZipMemberNames has
    // ZipMemberCapacity + 1 entries; names fill 0 to ZipMemberCount - 1.
    QString LettersZipPath;
    QString LetterSetName;
    QStringList ZipMemberNames;
    int32_t ZipMemberCount = 0;
    int32_t ZipMemberCapacity = 0;
    // The members the next extraction processes and skips (entry 0 only is used).
    std::array<QString, 100> IncludeNames;
    std::array<QString, 100> ExcludeNames;

    // The glyph table, allocated once for the whole run.
    std::unique_ptr<LetterGlyphs> Glyphs = std::make_unique<LetterGlyphs>();

    // The four key-click sounds, complete WAVE images.
    std::array<std::vector<uint8_t>, 4> ClickSounds;

    // The typed-text log.
    QString TempTextFile;
    QString TypedText;
    int16_t KeysSinceFlush = 0;
    // Part of the text of the canvas's current opening is already in the log,
    // so closing it out continues that text rather than starting a new one.
    bool FlushedThisOpening = false;
    // Typed text that closing the canvas could not write out (a full disk, a
    // locked file). The next opening carries it on, so it is written with
    // the next close-out instead of being lost with the window.
    QString CarriedLine;
};
