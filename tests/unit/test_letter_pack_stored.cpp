// Packed letter sets are stored as they are: the canvas extracts its set
// every time it opens, and inflating would cost more than the reading.
#include <gtest/gtest.h>
#include <zip.h>

#include <QFile>

#include "LetterPack.h"
#include "support/ProgramFolder.h"

namespace {

TEST(LetterPackStorage, EveryMemberIsStoredUncompressedAndReadsBackWhole) {
    TestProgramFolder folder;
    const QByteArray first = makeLetterSetText(std::vector<int>(95, 40));
    const QByteArray second = makeLetterSetText(std::vector<int>(95, 3));
    folder.write("First.txt", first);
    folder.write("Second.txt", second);
    const QString zipPath = folder.file("letters.zip");
    QString error;
    ASSERT_TRUE(
        packLetterSets(zipPath, {folder.file("First.txt"), folder.file("Second.txt")}, &error))
        << error.toStdString();

    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &code);
    ASSERT_NE(archive, nullptr);
    const QByteArray contents[] = {first, second};
    ASSERT_EQ(zip_get_num_entries(archive, 0), 2);
    for (zip_uint64_t i = 0; i < 2; ++i) {
        zip_stat_t stat;
        ASSERT_EQ(zip_stat_index(archive, i, 0, &stat), 0);
        EXPECT_EQ(stat.comp_method, ZIP_CM_STORE) << stat.name;
        EXPECT_EQ(stat.comp_size, static_cast<zip_uint64_t>(contents[i].size())) << stat.name;
    }
    zip_discard(archive);
    // The archive holds the sets' bytes as they are, one after the other.
    const QByteArray bytes = folder.read("letters.zip");
    EXPECT_TRUE(bytes.contains(first));
    EXPECT_TRUE(bytes.contains(second));
}

}  // namespace
