// Hostile letter archives: very many members, a member that inflates to
// gigabytes, and members that are links. The archive is handed to the
// program by whoever fills its folder, so none of this may cost more than
// one "Could not unzip " message or touch anything outside the program's
// own extraction folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "letters/LoadLetterSet.h"
#include "letters/Unzip.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

// Deflate data written bit by bit, least significant bit first; Huffman
// codes go in most significant bit first.
class BitWriter {
  public:
    void bits(quint32 value, int count) {
        for (int i = 0; i < count; ++i) put((value >> i) & 1);
    }
    void code(quint32 value, int length) {
        for (int i = length - 1; i >= 0; --i) put((value >> i) & 1);
    }
    bool aligned() const { return used_ == 0; }
    QByteArray take() {
        if (!aligned()) bytes_ += static_cast<char>(pending_);
        pending_ = 0;
        used_ = 0;
        return std::exchange(bytes_, QByteArray());
    }

  private:
    void put(quint32 bit) {
        pending_ |= bit << used_;
        if (++used_ == 8) {
            bytes_ += static_cast<char>(pending_);
            pending_ = 0;
            used_ = 0;
        }
    }
    QByteArray bytes_;
    quint32 pending_ = 0;
    int used_ = 0;
};

// A deflate stream of one zero byte followed by `repeats` copies of the
// same 258 bytes: with the fixed codes a copy costs 13 bits, so gigabytes
// pack into a few megabytes.
struct Bomb {
    QByteArray deflated;
    quint64 inflatedSize = 0;
};
Bomb deflateBomb(quint64 wantedBytes) {
    constexpr quint32 kLiteralZero = 0x30, kLength258 = 0xC5, kDistance1 = 0;
    auto copy = [](BitWriter& out) {
        out.code(kLength258, 8);
        out.code(kDistance1, 5);
    };
    BitWriter head;
    head.bits(1, 1);  // the last block
    head.bits(1, 2);  // fixed Huffman codes
    head.code(kLiteralZero, 8);
    copy(head);  // 3 + 8 + 13 bits: byte aligned again
    EXPECT_TRUE(head.aligned());
    BitWriter eight;
    for (int i = 0; i < 8; ++i) copy(eight);  // 104 bits: 13 whole bytes
    const QByteArray pattern = eight.take();
    const quint64 groups = wantedBytes / (258 * 8) + 1;

    Bomb bomb;
    bomb.deflated = head.take() + pattern.repeated(static_cast<qsizetype>(groups));
    BitWriter tail;
    tail.code(0, 7);  // end of block
    bomb.deflated += tail.take();
    bomb.inflatedSize = 1 + 258 * (1 + 8 * groups);
    return bomb;
}

void put16(QByteArray& out, quint32 v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(QByteArray& out, quint32 v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A one-member zip archive around already deflated data, whose headers
// state `statedSize` as the member's size.
QByteArray zipOfDeflated(const QByteArray& name, const QByteArray& deflated, quint32 statedSize) {
    auto common = [&](QByteArray& out) {
        put16(out, 20);      // version needed
        put16(out, 0);       // flags
        put16(out, 8);       // deflated
        put16(out, 0);       // time
        put16(out, 0x5821);  // date: 2024-01-01
        put32(out, 0);       // CRC-32: never reached, the size stops it first
        put32(out, static_cast<quint32>(deflated.size()));
        put32(out, statedSize);
        put16(out, static_cast<quint32>(name.size()));
        put16(out, 0);  // no extra field
    };
    QByteArray zip;
    put32(zip, 0x04034b50);
    common(zip);
    zip += name + deflated;
    const quint32 directoryAt = static_cast<quint32>(zip.size());
    put32(zip, 0x02014b50);
    put16(zip, 20);  // made by
    common(zip);
    put16(zip, 0);  // comment
    put16(zip, 0);  // disk
    put16(zip, 0);  // internal attributes
    put32(zip, 0);  // external attributes
    put32(zip, 0);  // local header at the start
    zip += name;
    const quint32 directorySize = static_cast<quint32>(zip.size()) - directoryAt;
    put32(zip, 0x06054b50);
    put16(zip, 0);
    put16(zip, 0);
    put16(zip, 1);
    put16(zip, 1);
    put32(zip, directorySize);
    put32(zip, directoryAt);
    put16(zip, 0);
    return zip;
}

// An archive whose member `name` is a symbolic link to `target`, as zip
// tools store one: the target path is the content, the type is in the
// Unix mode bits.
QByteArray zipWithLink(const QByteArray& name, const QByteArray& target) {
    QByteArray archive = makeZip({{name, target}});
    zip_source_t* source = zip_source_buffer_create(
        archive.constData(), static_cast<zip_uint64_t>(archive.size()), 0, nullptr);
    zip_source_keep(source);
    zip_t* zip = zip_open_from_source(source, 0, nullptr);
    EXPECT_NE(zip, nullptr);
    EXPECT_EQ(zip_file_set_external_attributes(zip, 0, 0, ZIP_OPSYS_UNIX,
                                               static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16),
              0);
    EXPECT_EQ(zip_close(zip), 0);
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(source, &stat) == 0 && zip_source_open(source) == 0) {
        bytes.resize(static_cast<qsizetype>(stat.size));
        zip_source_read(source, bytes.data(), stat.size);
        zip_source_close(source);
    }
    zip_source_free(source);
    return bytes;
}

class HostileArchive : public ::testing::Test {
  protected:
    void SetUp() override {
        g.LettersZipPath = folder.file("letters.zip");
        g.ZipMemberCapacity = 50;
        g.ZipMemberNames = QStringList(g.ZipMemberCapacity + 1);
        ASSERT_TRUE(QDir().mkpath(folder.file("temp")));
        qputenv("TEMP", QFile::encodeName(folder.file("temp")));
    }
    void TearDown() override { qunsetenv("TEMP"); }

    QString failure() const { return "Could not unzip " + g.LettersZipPath; }
    // Everything in the test's folder apart from the archive itself.
    QStringList everythingElse() const {
        QStringList found;
        QDirIterator it(folder.path(),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path != g.LettersZipPath) found << QDir(folder.path()).relativeFilePath(path);
        }
        return found;
    }

    TestProgramFolder folder;
    Globals g;
    FakeMessageBoxes messages;
};

TEST_F(HostileArchive, TenThousandMembersAreAllListedInArchiveOrder) {
    std::vector<std::pair<QByteArray, QByteArray>> members;
    for (int i = 0; i < 10000; ++i) members.push_back({"set " + QByteArray::number(9999 - i), "x"});
    folder.write("letters.zip", makeZip(members));
    UnzipRun(g, messages, g.LettersZipPath, QString(), 1, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(g.ZipMemberCount, 10000);
    EXPECT_GT(g.ZipMemberCapacity, g.ZipMemberCount);
    EXPECT_EQ(g.ZipMemberNames.size(), g.ZipMemberCapacity + 1);
    EXPECT_EQ(g.ZipMemberNames[0], "set 9999");
    EXPECT_EQ(g.ZipMemberNames[5000], "set 4999");
    EXPECT_EQ(g.ZipMemberNames[9999], "set 0");

    // The last one extracts like the first.
    g.LetterSetName = "set 0";
    EXPECT_TRUE(LoadLetterSet(g, messages));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(HostileArchive, AMemberThatInflatesToGigabytesIsNeverWrittenOut) {
    const Bomb bomb = deflateBomb(quint64{3} << 30);
    ASSERT_GT(bomb.inflatedSize, quint64{3} << 30);
    ASSERT_LT(bomb.inflatedSize, quint64{1} << 32);
    ASSERT_LT(bomb.deflated.size(), 25 * 1024 * 1024);
    // Stated truthfully, and disguised as a 2000-byte letter set.
    for (const quint32 stated : {static_cast<quint32>(bomb.inflatedSize), quint32{2000}}) {
        SCOPED_TRACE(stated);
        folder.write("letters.zip", zipOfDeflated("Huge.txt", bomb.deflated, stated));
        messages.shown.clear();
        g.ZipMemberCount = 0;
        UnzipRun(g, messages, g.LettersZipPath, QString(), 1, 0);
        EXPECT_TRUE(messages.shown.isEmpty()) << "listing reads no member data";
        EXPECT_EQ(g.ZipMemberCount, 1);

        g.LetterSetName = "Huge.txt";
        (*g.Glyphs)[0].PixelCount = 77;
        EXPECT_FALSE(LoadLetterSet(g, messages));
        EXPECT_EQ(messages.shown, QStringList{failure()});
        EXPECT_EQ((*g.Glyphs)[0].PixelCount, 77);
        EXPECT_EQ(everythingElse(), QStringList{"temp"}) << "nothing extracted is left anywhere";
    }
}

TEST_F(HostileArchive, ALinkMemberIsNeverFollowedNorMadeALink) {
    // Someone's file with a letter set in it, outside anything the program owns.
    const QByteArray theirs = makeLetterSetText(std::vector<int>(95, 3));
    folder.write("private/theirs.txt", theirs);
    const QByteArray target = QFile::encodeName(folder.file("private/theirs.txt"));
    folder.write("letters.zip", zipWithLink("Link.txt", target));

    UnzipRun(g, messages, g.LettersZipPath, QString(), 1, 0);
    ASSERT_EQ(g.ZipMemberCount, 1);
    g.LetterSetName = g.ZipMemberNames[0];
    for (LetterGlyph& glyph : *g.Glyphs) glyph.PixelCount = 0;
    // The member is read as the text it holds, which is no letter set: no
    // glyph changes and nothing is said, as for any malformed set.
    EXPECT_TRUE(LoadLetterSet(g, messages));
    EXPECT_TRUE(messages.shown.isEmpty());
    for (const LetterGlyph& glyph : *g.Glyphs) EXPECT_EQ(glyph.PixelCount, 0);
    EXPECT_EQ(folder.read("private/theirs.txt"), theirs);
    EXPECT_EQ(everythingElse(), (QStringList{"private", "private/theirs.txt", "temp"}));

    // Extracted on its own, it becomes a plain file holding the link's text.
    ASSERT_TRUE(QDir().mkpath(folder.file("out")));
    g.IncludeNames[0] = "Link.txt";
    UnzipRun(g, messages, g.LettersZipPath, folder.file("out"), 0, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
    const QFileInfo extracted(folder.file("out/Link.txt"));
    EXPECT_FALSE(extracted.isSymLink());
    EXPECT_TRUE(extracted.isFile());
    EXPECT_EQ(folder.read("out/Link.txt"), target);
}

}  // namespace
