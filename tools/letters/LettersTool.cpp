#include "LettersTool.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <memory>

#include "LetterCheck.h"
#include "LetterMaker.h"
#include "LetterPack.h"
#include "LetterPreview.h"
#include "pictures/PictureLoader.h"
#include "platform/Files.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "usage: pictype-letters <command> ...\n"
    "  make     draw a font into a letter-set file\n"
    "  check    report what the program loads from letter-set files\n"
    "  preview  draw a letter set to a PNG picture\n"
    "  pack     write letter-set files into a letters.zip\n"
    "pictype-letters <command> --help tells more.\n";

// Parses the arguments of one command; false when the command should stop
// with `status` (help shown, or a usage error reported).
bool parse(QCommandLineParser& parser, const QStringList& arguments, QTextStream& out,
           QTextStream& err, int* status) {
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n';
        *status = kUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        *status = kDone;
        return false;
    }
    return true;
}

bool readFile(const QString& path, QByteArray* data, QTextStream& err) {
    std::optional<QByteArray> read = readFileWhole(path);
    if (!read) {
        err << "cannot read " << path << '\n';
        return false;
    }
    *data = std::move(*read);
    return true;
}

std::optional<int> parseNumber(const QString& text, const QString& what, QTextStream& err) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        err << what << " must be a whole number, not \"" << text << "\"\n";
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseWeight(const QString& text, QTextStream& err) {
    if (text.compare(QLatin1String("normal"), Qt::CaseInsensitive) == 0) return 400;
    if (text.compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0) return 700;
    return parseNumber(text, QStringLiteral("--weight"), err);
}

int runMake(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draws the 95 characters of a font, and any further ones --chars names, into a "
        "letter-set file, each glyph centred in its 32 x 32 cell.");
    parser.addOptions({
        {"font", "Font file or family name. Required.", "font"},
        {"size", "Glyph size in pixels; the largest that fits when left out.", "pixels"},
        {"cap-height",
         "Capitals this many pixels high, outline included, instead of a size; glyphs that "
         "would leave the cell are drawn smaller.",
         "pixels"},
        {"weight", "normal, bold (when left out), or 100 to 900.", "weight"},
        {"stretch", "Width in percent of the font's own, 50 to 200.", "percent"},
        {"style", "solid, outline (when left out) or gradient.", "style"},
        {"color", "Fill colour #RRGGBB; give several (top to bottom) for a gradient. Required.",
         "colour"},
        {"outline", "Outline colour #RRGGBB (outline style: black when left out).", "colour"},
        {"outline-width", "Outline width, 1 to 3 pixels.", "pixels"},
        {"block", "Enlarge every pixel to a block of this size, for a pixel-art look.", "pixels"},
        {"grain", "Leave out this percent of the fill pixels, for a chalk look.", "percent"},
        {"seed", "Pattern of the grain.", "number"},
        {"chars",
         "Further characters to draw after the 95, those the font has: a comma-separated list "
         "of latin-1, latin-extended-a, greek, cyrillic, punctuation, U+XXXX, U+XXXX-U+YYYY "
         "and text beyond ASCII ('ÆØÅ€').",
         "list"},
        {{"o", "output"}, "The letter-set file to write. Required.", "file"},
    });
    int status = kDone;
    if (!parse(parser, arguments, out, err, &status)) return status;
    QStringList missing;
    for (const char* required : {"font", "color", "output"})
        if (!parser.isSet(required)) missing << QStringLiteral("--") + required;
    if (!missing.isEmpty()) {
        const QString last = missing.takeLast();
        err << "make needs " << missing.join(", ") << (missing.isEmpty() ? "" : " and ") << last
            << '\n';
        return kUsage;
    }

    MakeOptions options;
    options.font = parser.value("font");
    if (parser.isSet("style")) {
        const std::optional<GlyphStyle> style = glyphStyleNamed(parser.value("style"));
        if (!style) {
            err << "unknown style \"" << parser.value("style")
                << "\" (solid, outline or gradient)\n";
            return kUsage;
        }
        options.style = *style;
    }
    for (const QString& value : parser.values("color")) {
        for (const QString& text : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const std::optional<QRgb> color = parseHexColor(text.trimmed());
            if (!color) {
                err << "not a colour #RRGGBB: " << text << '\n';
                return kUsage;
            }
            options.colors << *color;
        }
    }
    if (parser.isSet("outline")) {
        options.outline = parseHexColor(parser.value("outline"));
        if (!options.outline) {
            err << "not a colour #RRGGBB: " << parser.value("outline") << '\n';
            return kUsage;
        }
    }
    for (const NumberOption& option : kNumberOptions) {
        if (!parser.isSet(option.name)) continue;
        const QString text = parser.value(option.name);
        const std::optional<int> value = option.member == &MakeOptions::weight
                                             ? parseWeight(text, err)
                                             : parseNumber(text, "--" + QString(option.name), err);
        if (!value) return kUsage;
        options.*option.member = *value;
    }
    if (parser.isSet("chars")) {
        QString error;
        std::optional<std::vector<char32_t>> extras =
            parseCharacterList(parser.value("chars"), &error);
        if (!extras) {
            err << "--chars: " << error << '\n';
            return kUsage;
        }
        options.extras = std::move(*extras);
    }

    QString error;
    const std::optional<MadeLetterSet> made = makeLetterSet(options, &error);
    if (!made) {
        err << error << '\n';
        return kFailed;
    }
    const QString output = parser.value("output");
    if (!writeFileWhole(output, made->letters.format())) {
        err << "cannot write " << output << '\n';
        return kFailed;
    }
    out << "Wrote " << output << " (glyph size " << made->size << " pixels";
    if (parser.isSet("chars"))
        out << "; 95 characters and " << made->letters.size() - LetterSet::kBaseSize
            << " further ones";
    out << ").\n";
    return kDone;
}

int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads letter-set files with the program's own loader and reports what it loads.");
    parser.addPositionalArgument("files", "Letter-set files.", "<file>...");
    int status = kDone;
    if (!parse(parser, arguments, out, err, &status)) return status;
    if (parser.positionalArguments().isEmpty()) {
        err << "check needs a letter-set file\n";
        return kUsage;
    }
    for (const QString& path : parser.positionalArguments()) {
        QByteArray data;
        if (!readFile(path, &data, err)) {
            status = kFailed;
            continue;
        }
        const CheckReport report = checkLetterSet(data);
        out << describeCheck(path, report);
        if (!report.loadsCompletely()) status = kFailed;
    }
    return status;
}

int runPreview(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draws a letter set, or lines of text in it, over a picture or a checkerboard to a PNG.");
    parser.addPositionalArgument("file", "The letter-set file.", "<file>");
    parser.addOptions({
        {"text", "A line of text to set; repeat for more lines. The whole set when left out.",
         "text"},
        {"picture", "A picture to draw behind the letters; a checkerboard when left out.", "file"},
        {"zoom", "Enlarge the result this many times.", "factor", "1"},
        {{"o", "output"}, "The PNG file to write.", "file"},
    });
    int status = kDone;
    if (!parse(parser, arguments, out, err, &status)) return status;
    if (parser.positionalArguments().size() != 1 || !parser.isSet("output")) {
        err << "preview needs one letter-set file and --output\n";
        return kUsage;
    }
    const std::optional<int> zoom = parseNumber(parser.value("zoom"), "--zoom", err);
    if (!zoom) return kUsage;
    if (*zoom < 1 || *zoom > 16) {
        err << "--zoom runs from 1 to 16\n";
        return kUsage;
    }

    QByteArray data;
    if (!readFile(parser.positionalArguments().first(), &data, err)) return kFailed;
    LetterSet letters;
    const LetterSetReading read = letters.read(data);
    if (!read.complete)
        err << "note: only " << read.blocksRead << " of 95 characters load (see check)\n";
    else if (!read.stopReason.isEmpty())
        err << "note: only 95 characters and " << read.extraBlocksRead
            << " further ones load (see check)\n";

    PreviewOptions options;
    options.lines = parser.values("text");
    options.zoom = *zoom;
    if (parser.isSet("picture")) {
        const Picture picture = loadPicture(parser.value("picture"));
        if (!picture.loaded()) {
            err << refusalMessage(parser.value("picture"), picture) << '\n';
            return kFailed;
        }
        options.picture = picture.image;
    }
    const QString output = parser.value("output");
    if (!renderPreview(letters, options).save(output, "PNG")) {
        err << "cannot write " << output << '\n';
        return kFailed;
    }
    out << "Wrote " << output << ".\n";
    return kDone;
}

int runPack(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes letter-set files into a letters.zip, creating it or replacing members of the "
        "same name; new members go last, in the order given.");
    parser.addPositionalArgument("zip", "The archive.", "<letters.zip>");
    parser.addPositionalArgument("files", "Letter-set files.", "<file>...");
    int status = kDone;
    if (!parse(parser, arguments, out, err, &status)) return status;
    QStringList files = parser.positionalArguments();
    if (files.size() < 2) {
        err << "pack needs an archive and at least one letter-set file\n";
        return kUsage;
    }
    const QString zip = files.takeFirst();
    QString error;
    if (!packLetterSets(zip, files, &error)) {
        err << error << '\n';
        return kFailed;
    }
    out << "Packed " << files.size() << " letter set(s) into " << zip << ".\n";
    return kDone;
}

}  // namespace

int runLettersTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        err << kUsageText;
        return kUsage;
    }
    const QString command = arguments.first();
    // QCommandLineParser expects the program name first.
    const QStringList rest = QStringList{"pictype-letters " + command} + arguments.mid(1);
    if (command == QLatin1String("make")) return runMake(rest, out, err);
    if (command == QLatin1String("check")) return runCheck(rest, out, err);
    if (command == QLatin1String("preview")) return runPreview(rest, out, err);
    if (command == QLatin1String("pack")) return runPack(rest, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
        out << kUsageText;
        return kDone;
    }
    err << "unknown command \"" << command << "\"\n" << kUsageText;
    return kUsage;
}
