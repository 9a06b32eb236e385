#include "filelist/mediaitemmap.h"

#include <gtest/gtest.h>

TEST(MediaItemMap, KeyFoldsAsciiAndUtf8Case)
{
    EXPECT_EQ(MediaItemMap::keyOfPath("/home/u/Song.mp3"), "/HOME/U/SONG.MP3");
    EXPECT_EQ(MediaItemMap::keyOfPath("/m/\xc3\xa9t\xc3\xa9.ogg"), "/M/\xc3\x89T\xc3\x89.OGG");
    EXPECT_EQ(MediaItemMap::keyOfPath("/m/\xd0\xbc\xd1\x83\xd0\xb7.wav"), "/M/\xd0\x9c\xd0\xa3\xd0\x97.WAV");
    EXPECT_EQ(MediaItemMap::keyOfPath(""), "");
}

TEST(MediaItemMap, BytesThatAreNotUtf8AreKept)
{
    // Latin-1 "é" and "É" are different files here: neither byte is a character.
    const std::string lower = "/m/\xe9t\xe9.mp3";
    const std::string upper = "/m/\xc9t\xc9.mp3";
    EXPECT_EQ(MediaItemMap::keyOfPath(lower), "/M/\xe9T\xe9.MP3");
    EXPECT_NE(MediaItemMap::keyOfPath(lower), MediaItemMap::keyOfPath(upper));
    // Truncated, overlong and surrogate sequences stay byte for byte.
    EXPECT_EQ(MediaItemMap::keyOfPath("a\xc3"), "A\xc3");
    EXPECT_EQ(MediaItemMap::keyOfPath("\xc0\xafx"), "\xc0\xafX");
    EXPECT_EQ(MediaItemMap::keyOfPath("\xed\xa0\x80y"), "\xed\xa0\x80Y");
    EXPECT_EQ(MediaItemMap::keyOfPath("\xff\xfe"), "\xff\xfe");
    EXPECT_NE(MediaItemMap::keyOfPath("\xff"), MediaItemMap::keyOfPath("\xfe"));
}

TEST(MediaItemMap, FindEnterRemoveWithoutOwning)
{
    MediaItem first;
    first.sourcePath = "/music/Track One.mp3";
    MediaItem second;
    second.sourcePath = "/music/\xe9.mp3";

    MediaItemMap map;
    map.enter(MediaItemMap::keyOfPath(first.sourcePath), &first);
    map.enter(MediaItemMap::keyOfPath(second.sourcePath), &second);
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(map.find("/MUSIC/track one.MP3"), &first);
    EXPECT_EQ(map.find("/music/\xe9.mp3"), &second);
    EXPECT_EQ(map.find("/music/\xc9.mp3"), nullptr);
    EXPECT_EQ(map.find("/music/Track One.mp3 "), nullptr);

    // Once removed, the path can be entered again.
    map.removeKey(MediaItemMap::keyOfPath(first.sourcePath));
    EXPECT_EQ(map.find(first.sourcePath), nullptr);
    EXPECT_EQ(map.size(), 1u);
    map.enter(MediaItemMap::keyOfPath(first.sourcePath), &first);
    EXPECT_EQ(map.find(first.sourcePath), &first);

    map.clear();
    EXPECT_EQ(map.size(), 0u);
    EXPECT_EQ(map.find(second.sourcePath), nullptr);
    EXPECT_EQ(second.sourcePath, "/music/\xe9.mp3");   // the items are untouched
}
