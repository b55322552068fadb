#include "letters/LoadLetterSet.h"

#include <stdlib.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "letters/Unzip.h"
#include "platform/Files.h"
#include "shared/FieldReader.h"
#include "shared/Globals.h"

LetterSetReadResult readLetterSet(const QByteArray& data, LetterGlyphs& glyphs) {
    LetterSetReadResult result;
    FieldReader reader(data);
    try {
        for (LetterGlyph& glyph : glyphs) {
            reader.readString();  // the label
            // Stored at once, so a file that ends among the pixels still
            // leaves a count the glyph's arrays can hold.
            const int16_t count = reader.readInt16();
            glyph.PixelCount = std::min<int16_t>(count, LetterGlyph::kCapacity);
            for (int k = 0; k < count; ++k) {
                if (k == LetterGlyph::kCapacity) {
                    result.stopReason = QStringLiteral("more than 1024 pixels in one character");
                    result.stopOffset = reader.position();
                    return result;
                }
                glyph.PixelX[k] = reader.readInt16();
                glyph.PixelY[k] = reader.readInt16();
                glyph.PixelColor[k] = reader.readInt32();
            }
            ++result.blocksRead;
        }
        result.complete = true;
        result.stopOffset = reader.position();
    } catch (const FieldError& error) {
        result.stopReason = QString::fromStdString(error.what());
        result.stopOffset = reader.fieldStart();
    }
    return result;
}

bool LoadLetterSet(Globals& globals, MessageBoxService& messages) {
    globals.IncludeNames[0] = globals.LetterSetName;

    // A folder of our own, readable only by us, so nobody else can plant a
    // link where the member lands or swap the file before it is read.
    QByteArray privateFolder = QFile::encodeName(joinFolder(tempFolder(), "pictype-XXXXXX"));
    if (::mkdtemp(privateFolder.data()) == nullptr) {
        // Nowhere to extract to: to the user that is a failed extraction.
        messages.show(QStringLiteral("Could not unzip ") + globals.LettersZipPath);
        return false;
    }
    const QString folder = QFile::decodeName(privateFolder);

    UnzipRun(globals, messages, globals.LettersZipPath, folder, 0, 1);

    // A name that could lead out of the private folder was never extracted;
    // whatever it points at outside is none of this load's business.
    QFile file(joinFolder(folder, globals.LetterSetName));
    bool extracted = false;
    if (isSafeMemberName(globals.LetterSetName.toLocal8Bit()) && file.open(QIODevice::ReadOnly)) {
        extracted = true;
        readLetterSet(file.readAll(), *globals.Glyphs);
        file.close();
    }
    QDir(folder).removeRecursively();
    return extracted;
}
