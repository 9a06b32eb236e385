#include <QAbstractItemModelTester>
#include <QItemSelectionModel>

#include <cstdio>

#include <gtest/gtest.h>

#include "filelist/celltexts.h"
#include "filelist/medialistmodel.h"

namespace {

std::unique_ptr<MediaItem> item(const std::string &path, int seconds)
{
    auto it = std::make_unique<MediaItem>();
    it->sourcePath = path;
    it->durationSeconds = seconds;
    return it;
}

std::vector<std::string> column(const MediaListModel &model, int c)
{
    std::vector<std::string> out;
    for (int r = 0; r < model.rowCount(); ++r)
        out.push_back(model.cellText(r, c).toStdString());
    return out;
}

} // namespace

TEST(CellTexts, DurationCellsReadBackAsSeconds)
{
    EXPECT_EQ(durationTextSeconds("1:02:05"), 3725);
    EXPECT_EQ(durationTextSeconds("59:59"), 3599);
    EXPECT_EQ(durationTextSeconds(""), 0);
    EXPECT_EQ(durationTextSeconds("7"), 7);
}

TEST(MediaListModel, HeaderClicksAlternateAndDurationsSortByTime)
{
    MediaListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.appendItem(item("/m/b.mp3", 3725));
    model.appendItem(item("/m/a.mp3", 3599));
    model.appendItem(item("/m/C.mp3", 0));
    model.appendItem(item("/m/c.mp3", 59));
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), "");

    model.sortByHeaderClick(MediaListModel::DurationColumn);
    EXPECT_TRUE(model.sortAscending());
    EXPECT_EQ(column(model, 1), (std::vector<std::string>{"", "00:59", "59:59", "1:02:05"}));
    model.sortByHeaderClick(MediaListModel::DurationColumn);
    EXPECT_FALSE(model.sortAscending());
    EXPECT_EQ(column(model, 1), (std::vector<std::string>{"1:02:05", "59:59", "00:59", ""}));
    model.sortByHeaderClick(MediaListModel::DurationColumn);
    EXPECT_TRUE(model.sortAscending());

    // After a descending sort on one column, another column starts ascending.
    model.sortByHeaderClick(MediaListModel::DurationColumn);
    model.sortByHeaderClick(MediaListModel::FileColumn);
    EXPECT_TRUE(model.sortAscending());
    // In the user's collation, case-sensitive: both spellings stay apart.
    const auto files = column(model, 0);
    for (size_t k = 1; k < files.size(); ++k)
        EXPECT_LT(QString::localeAwareCompare(QString::fromStdString(files[k - 1]),
                                              QString::fromStdString(files[k])),
                  0);
}

TEST(MediaListModel, ItemsStatusesAndSelectionMoveWithTheirRows)
{
    MediaListModel model;
    QItemSelectionModel selection(&model);
    model.appendItem(item("/m/z.mp3", 30));
    model.appendItem(item("/m/y.mp3", 20));
    model.appendItem(item("/m/x.mp3", 10));
    model.setStatus(0, "z done");
    selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    model.sortRows(MediaListModel::FileColumn, true);
    EXPECT_EQ(model.itemAt(2)->sourcePath, "/m/z.mp3");
    EXPECT_EQ(model.statusAt(2), "z done");
    ASSERT_EQ(selection.selectedRows().size(), 1);
    EXPECT_EQ(selection.selectedRows().front().row(), 2);

    auto taken = model.takeRow(2);
    EXPECT_EQ(taken->sourcePath, "/m/z.mp3");
    EXPECT_EQ(model.takeAll().size(), 2u);
    EXPECT_EQ(model.rowCount(), 0);
}


TEST(MediaListModel, HoldsAHundredThousandRowsInsertedInBatches)
{
    constexpr int count = 100000;
    MediaListModel model;
    int inserts = 0;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    // Names and durations in a scrambled order that sorting must undo.
    for (int batch = 0; batch < 100; ++batch) {
        std::vector<std::unique_ptr<MediaItem>> items;
        for (int i = 0; i < count / 100; ++i) {
            const int n = static_cast<int>((static_cast<long long>(batch * (count / 100) + i) * 7919) % count);
            char name[32];
            std::snprintf(name, sizeof name, "/m/t%06d.mp3", n);
            items.push_back(item(name, count - n));
        }
        EXPECT_EQ(model.appendItems(std::move(items)), (batch + 1) * (count / 100) - 1);
    }
    EXPECT_EQ(model.appendItems({}), -1);
    ASSERT_EQ(model.rowCount(), count);
    EXPECT_EQ(inserts, 100);

    model.sortRows(MediaListModel::FileColumn, true);
    for (int r : {0, 1, 4242, count - 1})
        ASSERT_EQ(model.itemAt(r)->durationSeconds, count - r) << r;
    model.sortRows(MediaListModel::DurationColumn, true);
    EXPECT_EQ(model.cellText(0, 0), "t099999.mp3");
    EXPECT_EQ(model.cellText(count - 1, 0), "t000000.mp3");

    const std::vector<std::unique_ptr<MediaItem>> all = model.takeAll();
    EXPECT_EQ(model.rowCount(), 0);
    ASSERT_EQ(all.size(), static_cast<size_t>(count));
    EXPECT_EQ(all.front()->durationSeconds, 1);
}
