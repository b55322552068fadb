#pragma once

#include <QString>

struct Globals;

// True when the last three characters of `text`, lower-cased, are "jpg",
// "bmp" or "gif": the test for a picture named on the command line or dropped
// on the launcher. No dot is required.
bool endsInPictureExtension(const QString& text);

// Rebuilds PictureList, PictureCount, PictureCapacity and PictureIndex from
// PictureFile: the chosen picture is entry 1, followed by the other pictures
// (".jpg", ".bmp", ".gif" in any case) of its folder in name order, compared
// without regard to case.
void buildPictureList(Globals& globals);
