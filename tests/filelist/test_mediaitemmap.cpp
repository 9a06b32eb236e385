#include "filelist/mediaitemmap.h"
#include "filelist/medialist.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <unistd.h>

#include "scratchfolder.h"

TEST(MediaItemMap, OneFileIsOneKeyWhateverItsName)
{
    ScratchFolder dir;
    const std::string upper = dir.write("Song.wav", "1");
    const std::string lower = dir.write("song.wav", "2");
    const std::string notUtf8 = dir.write("\xe9t\xe9.wav");
    ASSERT_EQ(::symlink(upper.c_str(), dir.file("link.wav").c_str()), 0);
    using K = MediaItemMap;
    // Names that differ in letter case are two files on Linux.
    EXPECT_NE(K::keyOfPath(upper), K::keyOfPath(lower));
    // A link, "./" and ".." reach the same file.
    EXPECT_EQ(K::keyOfPath(dir.file("link.wav")), K::keyOfPath(upper));
    EXPECT_EQ(K::keyOfPath(dir.path() + "/./Song.wav"), K::keyOfPath(upper));
    EXPECT_EQ(K::keyOfPath(dir.path() + "/../" + dir.path().substr(dir.path().rfind('/') + 1) + "/Song.wav"),
              K::keyOfPath(upper));
    EXPECT_EQ(K::keyOfPath(notUtf8), K::keyOfPath(dir.file("\xe9t\xe9.wav")));
    // Without a file, only the same bytes are the same.
    EXPECT_EQ(K::keyOfPath("/no/such/A.mp3"), K::keyOfPath("/no/such/A.mp3"));
    EXPECT_NE(K::keyOfPath("/no/such/A.mp3"), K::keyOfPath("/no/such/a.mp3"));
    EXPECT_NE(K::keyOfPath("/no/such/\xff"), K::keyOfPath("/no/such/\xfe"));
}

TEST(MediaItemMap, FindEnterRemoveWithoutOwning)
{
    ScratchFolder dir;
    MediaItem first;
    first.sourcePath = dir.write("Track One.mp3");
    MediaItem second;
    second.sourcePath = "/music/\xe9.mp3";   // gone since it was added

    MediaItemMap map;
    map.enter(MediaItemMap::keyOfPath(first.sourcePath), &first);
    map.enter(MediaItemMap::keyOfPath(second.sourcePath), &second);
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(map.find(dir.path() + "//Track One.mp3"), &first);
    EXPECT_EQ(map.find(dir.file("track one.mp3")), nullptr);
    EXPECT_EQ(map.find("/music/\xe9.mp3"), &second);
    EXPECT_EQ(map.find("/music/\xc9.mp3"), nullptr);

    // Once removed, the path can be entered again.
    map.removeItem(&first);
    EXPECT_EQ(map.find(first.sourcePath), nullptr);
    EXPECT_EQ(map.size(), 1u);
    map.enter(MediaItemMap::keyOfPath(first.sourcePath), &first);
    EXPECT_EQ(map.find(first.sourcePath), &first);

    // A listed file deleted: a new file that may reuse its inode is not it, and
    // the old entry goes with its item.
    std::remove(first.sourcePath.c_str());
    EXPECT_EQ(map.find(dir.write("New.mp3")), nullptr);
    map.removeItem(&first);
    EXPECT_EQ(map.size(), 1u);

    map.clear();
    EXPECT_EQ(map.size(), 0u);
    EXPECT_EQ(map.find(second.sourcePath), nullptr);
    EXPECT_EQ(second.sourcePath, "/music/\xe9.mp3");   // the items are untouched
}

// Rows taken from the list leave the map with them and come back into both,
// each at its place, with its status.
TEST(MediaList, TakingAndRestoringRowsKeepsTheMapInStep)
{
    MediaList list;
    for (const char *name : {"/m/a.wav", "/m/b.wav", "/m/c.wav", "/m/d.wav"}) {
        auto item = std::make_unique<MediaItem>();
        item->sourcePath = name;
        list.itemMap().enter(MediaItemMap::keyOfPath(name), item.get());
        list.rows()->appendItem(std::move(item));
    }
    list.rows()->setStatus(3, "Done");
    const auto names = [&list] {
        std::string all;
        for (int row = 0; row < list.rows()->rowCount(); ++row)
            all += list.rows()->itemAt(row)->sourcePath.substr(3, 1);
        return all;
    };

    std::vector<MediaList::TakenRow> taken = list.takeRows({1, 3});
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].item->sourcePath, "/m/b.wav");
    EXPECT_EQ(taken[1].status, "Done");
    EXPECT_EQ(names(), "ac");
    EXPECT_EQ(list.itemMap().size(), 2u);
    EXPECT_EQ(list.itemMap().find("/m/b.wav"), nullptr);

    list.restoreRows(std::move(taken));
    EXPECT_EQ(names(), "abcd");
    EXPECT_EQ(list.rows()->statusAt(3), "Done");
    EXPECT_EQ(list.itemMap().find("/m/d.wav"), list.rows()->itemAt(3));

    taken = list.takeAllRows();
    EXPECT_EQ(list.rows()->rowCount(), 0);
    EXPECT_EQ(list.itemMap().size(), 0u);
    list.restoreRows(std::move(taken));
    EXPECT_EQ(names(), "abcd");
    EXPECT_EQ(list.itemMap().size(), 4u);

    list.clear();
    EXPECT_EQ(list.rows()->rowCount(), 0);
    EXPECT_EQ(list.itemMap().size(), 0u);
}
