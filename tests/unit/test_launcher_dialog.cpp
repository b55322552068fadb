#include <gtest/gtest.h>

#include "launcher/CommonDialog.h"
#include "support/FakeServices.h"

TEST(LauncherFileDialog, FilterTextBecomesQtFilters) {
    EXPECT_EQ(toQtFilter(QStringLiteral("Picture Files(*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif")),
              QStringLiteral("Picture Files (*.bmp *.jpg *.gif)"));
    EXPECT_EQ(toQtFilter(QStringLiteral("Text (*.txt)|*.txt|All|*.*")),
              QStringLiteral("Text (*.txt);;All (*.*)"));
}

TEST(LauncherFileDialog, ReportsWhatTheUserPickedAndKeepsItsFlags) {
    FakeFilePicker picker;
    CommonDialog dialog(picker);
    picker.results = {QStringLiteral("/p/sea.jpg"), QString(), QStringLiteral("/p/out.txt")};

    dialog.setFilter(QStringLiteral("Text (*.txt)|*.txt"));
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/p/sea.jpg"));
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName(), QString());
    dialog.setFlags(CommonDialog::kCreatePrompt);
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/p/out.txt"));
    EXPECT_EQ(picker.saveCreatePrompt, std::vector<bool>({false, true}));
    EXPECT_EQ(picker.openFilters, QStringList({QStringLiteral("Text (*.txt)")}));
}
