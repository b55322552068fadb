#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "letters/Unzip.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

// An archive of the test's own beside the globals that the launcher would
// have prepared for a listing.
class UnzipTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g.LettersZipPath = folder.file("letters.zip");
        resetListing();
    }

    void resetListing() {
        g.ZipMemberCapacity = 50;
        g.ZipMemberNames = QStringList(g.ZipMemberCapacity + 1);
        g.ZipMemberCount = 0;
        g.IncludeNames[0].clear();
    }

    void writeArchive(const std::vector<std::pair<QByteArray, QByteArray>>& members) {
        folder.write("letters.zip", makeZip(members));
    }

    void list() { UnzipRun(g, messages, g.LettersZipPath, QString(), 1, 0); }

    void extract(const QString& name, const QString& target) {
        g.IncludeNames[0] = name;
        UnzipRun(g, messages, g.LettersZipPath, target, 0, 1);
    }

    QStringList listedNames() const { return g.ZipMemberNames.mid(0, g.ZipMemberCount); }
    QString failure() const { return "Could not unzip " + g.LettersZipPath; }

    TestProgramFolder folder;
    Globals g;
    FakeMessageBoxes messages;
};

// An archive without members: the end-of-archive record alone.
QByteArray emptyArchive() { return QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'); }

std::vector<std::pair<QByteArray, QByteArray>> numberedMembers(int count) {
    std::vector<std::pair<QByteArray, QByteArray>> members;
    // Descending names: archive order must win over any sorting.
    for (int i = count; i > 0; --i)
        members.push_back({"set " + QByteArray::number(i) + ".txt", QByteArray::number(i)});
    return members;
}

TEST_F(UnzipTest, ListingKeepsArchiveOrderAndGrowsByTwentyFiveBeforeOverflowing) {
    struct Case {
        int members;
        int capacity;
    };
    for (const Case& c : {Case{0, 50}, Case{1, 50}, Case{49, 50}, Case{50, 75}, Case{74, 75},
                          Case{75, 100}, Case{100, 125}}) {
        resetListing();
        const auto members = numberedMembers(c.members);
        folder.write("letters.zip", c.members == 0 ? emptyArchive() : makeZip(members));
        list();
        ASSERT_TRUE(messages.shown.isEmpty()) << c.members;
        EXPECT_EQ(g.ZipMemberCount, c.members);
        EXPECT_EQ(g.ZipMemberCapacity, c.capacity) << c.members << " members";
        EXPECT_EQ(g.ZipMemberNames.size(), c.capacity + 1) << c.members << " members";
        QStringList expected;
        for (const auto& member : members) expected << QString::fromUtf8(member.first);
        EXPECT_EQ(listedNames(), expected);
    }
}

TEST_F(UnzipTest, ListedNamesAreCutAt256Characters) {
    const QByteArray exact(256, 'e');
    const QByteArray longer = QByteArray(256, 'l') + "-tail.txt";
    writeArchive({{exact, "1"}, {longer, "2"}, {"short.txt", "3"}});
    list();
    EXPECT_EQ(listedNames(), (QStringList{exact, longer.left(256), "short.txt"}));
}

TEST_F(UnzipTest, AnArchiveWithNoMembersListsNothing) {
    folder.write("letters.zip", emptyArchive());
    list();
    EXPECT_EQ(g.ZipMemberCount, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(UnzipTest, AnUnreadableArchiveGivesExactlyOneMessage) {
    const QByteArray good = makeZip(numberedMembers(3));
    const std::vector<std::pair<const char*, QByteArray>> archives{
        {"garbage", QByteArray(3000, 'x')},
        {"truncated", good.left(good.size() / 2)},
        {"empty file", QByteArray()},
        {"header only", good.left(30)},
    };
    for (const auto& [what, bytes] : archives) {
        folder.write("letters.zip", bytes);
        messages.shown.clear();
        resetListing();
        list();
        EXPECT_EQ(messages.shown, QStringList{failure()}) << what << " (listing)";
        EXPECT_EQ(g.ZipMemberCount, 0) << what;

        messages.shown.clear();
        extract("set 1.txt", folder.path());
        EXPECT_EQ(messages.shown, QStringList{failure()}) << what << " (extraction)";
        EXPECT_FALSE(folder.exists("set 1.txt")) << what;
    }

    QFile::remove(g.LettersZipPath);
    messages.shown.clear();
    list();
    EXPECT_EQ(messages.shown, QStringList{failure()}) << "missing archive";
}

TEST_F(UnzipTest, ExtractionWritesTheNamedMemberUnderItsListedName) {
    writeArchive({{"first.txt", "one"}, {"Bold Outline.txt", "two"}, {"sets/inner.txt", "three"}});
    QDir(folder.path()).mkdir("out");
    extract("Bold Outline.txt", folder.file("out"));
    extract("sets/inner.txt", folder.file("out"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(folder.read("out/Bold Outline.txt"), "two");
    EXPECT_EQ(folder.read("out/sets/inner.txt"), "three");
    EXPECT_FALSE(folder.exists("out/first.txt"));
}

TEST_F(UnzipTest, AMissingMemberOrAMissingFolderFailsWithOneMessage) {
    writeArchive({{"here.txt", "x"}});
    extract("not here.txt", folder.path());
    EXPECT_EQ(messages.shown, QStringList{failure()});
    messages.shown.clear();
    extract("here.txt", folder.file("no such folder"));
    EXPECT_EQ(messages.shown, QStringList{failure()});
}

TEST_F(UnzipTest, NamesThatLeadOutOfTheTargetFolderAreNeverWritten) {
    QDir(folder.path()).mkpath("deep/target");
    const QString target = folder.file("deep/target");
    const QByteArray absolute = QFile::encodeName(folder.file("deep/absolute.txt"));
    writeArchive({{"../escaped.txt", "evil"},
                  {"inner/../../escaped2.txt", "evil"},
                  {absolute, "evil"},
                  {"./dot.txt", "evil"}});
    for (const QString& name : {QString("../escaped.txt"), QString("inner/../../escaped2.txt"),
                                QString::fromUtf8(absolute), QString("./dot.txt")}) {
        messages.shown.clear();
        extract(name, target);
        EXPECT_EQ(messages.shown, QStringList{failure()}) << name.toStdString();
    }
    EXPECT_FALSE(folder.exists("deep/escaped.txt"));
    EXPECT_FALSE(folder.exists("escaped2.txt"));
    EXPECT_FALSE(folder.exists("deep/absolute.txt"));
    EXPECT_TRUE(QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(UnzipTest, ALinkAtTheTargetIsReplacedNotFollowed) {
    writeArchive({{"Set.txt", "from the archive"}});
    folder.write("victim.txt", "keep me");
    QDir(folder.path()).mkdir("out");
    ASSERT_EQ(::symlink(QFile::encodeName(folder.file("victim.txt")).constData(),
                        QFile::encodeName(folder.file("out/Set.txt")).constData()),
              0);
    extract("Set.txt", folder.file("out"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(folder.read("victim.txt"), "keep me");
    EXPECT_FALSE(QFileInfo(folder.file("out/Set.txt")).isSymLink());
    EXPECT_EQ(folder.read("out/Set.txt"), "from the archive");
}

TEST_F(UnzipTest, AFolderPartThatIsALinkIsNotFollowed) {
    writeArchive({{"sets/Set.txt", "from the archive"}});
    QDir(folder.path()).mkpath("out");
    QDir(folder.path()).mkpath("elsewhere");
    ASSERT_EQ(::symlink(QFile::encodeName(folder.file("elsewhere")).constData(),
                        QFile::encodeName(folder.file("out/sets")).constData()),
              0);
    extract("sets/Set.txt", folder.file("out"));
    EXPECT_EQ(messages.shown, QStringList{failure()});
    EXPECT_FALSE(folder.exists("elsewhere/Set.txt"));
}

TEST_F(UnzipTest, AMemberLargerThan64MiBIsRefused) {
    // Zeros pack to almost nothing, so the archive itself stays small.
    writeArchive({{"huge.txt", QByteArray(kMaxMemberBytes + 1, '\0')}, {"small.txt", "fine"}});
    QDir(folder.path()).mkdir("out");
    extract("huge.txt", folder.file("out"));
    EXPECT_EQ(messages.shown, QStringList{failure()});
    EXPECT_TRUE(
        QDir(folder.file("out")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    messages.shown.clear();
    extract("small.txt", folder.file("out"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(folder.read("out/small.txt"), "fine");
}

TEST_F(UnzipTest, ACorruptMemberLeavesNoFileBehind) {
    const QByteArray content = QByteArray("letter set data ").repeated(2000);
    QByteArray archive = makeZip({{"Set.txt", content}});
    // Damage the compressed data just after the local header and name.
    for (int i = 40; i < 80; ++i) archive[i] = static_cast<char>(archive[i] ^ 0x5A);
    folder.write("letters.zip", archive);
    QDir(folder.path()).mkdir("out");
    extract("Set.txt", folder.file("out"));
    EXPECT_EQ(messages.shown, QStringList{failure()});
    EXPECT_TRUE(
        QDir(folder.file("out")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(UnzipMemberNames, OnlyPlainRelativeNamesAreSafe) {
    EXPECT_TRUE(isSafeMemberName("Bold Outline.txt"));
    EXPECT_TRUE(isSafeMemberName("sets/inner/x.txt"));
    EXPECT_TRUE(isSafeMemberName("..hidden.txt"));
    for (const char* name : {"", "/etc/passwd", "../x", "a/../../x", "a/..", "./x", "a//b",
                             "folder/", "a\\..\\x", "C:\\x"})
        EXPECT_FALSE(isSafeMemberName(name)) << name;
}

}  // namespace
