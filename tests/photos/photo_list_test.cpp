#include "photos/photo_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(const CPhotoList& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.emplace_back(list.GetAt(i));
    return entries;
}

std::vector<std::string> Sorted(const std::vector<std::string>& texts) {
    CPhotoList list;
    for (const auto& text : texts) list.Add(text.c_str());
    list.Sort();
    return Entries(list);
}

}  // namespace

TEST(PhotoList, NewListIsEmptyAndIndexesOutsideGiveNull) {
    CPhotoList list;
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(nullptr, list.GetAt(0));
    list.Add("a.jpg");
    EXPECT_EQ(nullptr, list.GetAt(-1));
    EXPECT_EQ(nullptr, list.GetAt(list.Count()));
    EXPECT_STREQ("a.jpg", list.GetAt(0));
}

TEST(PhotoList, GrowsBy500KeepingTextAndOrder) {
    CPhotoList list;
    EXPECT_EQ(1500, list.Capacity());
    for (int i = 0; i < 2501; ++i) {
        list.Add(("IMG_" + std::to_string(i) + ".JPG").c_str());
        if (i == 1499) {
            EXPECT_EQ(1500, list.Capacity());
        } else if (i == 1500) {
            EXPECT_EQ(2000, list.Capacity());
        } else if (i == 2000) {
            EXPECT_EQ(2500, list.Capacity());
        }
    }
    EXPECT_EQ(3000, list.Capacity());
    ASSERT_EQ(2501, list.Count());
    for (int i = 0; i < 2501; ++i) {
        ASSERT_EQ("IMG_" + std::to_string(i) + ".JPG", list.GetAt(i)) << i;
    }
}

TEST(PhotoList, ClearAfterGrowthKeepsCapacityAndSlotsAreReused) {
    CPhotoList list;
    for (int i = 0; i < 1600; ++i) list.Add("x");
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(2000, list.Capacity());
    EXPECT_EQ(nullptr, list.GetAt(0));
    list.Add("b");
    list.Add("a");
    list.Sort();
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Entries(list));
    EXPECT_EQ(2000, list.Capacity());
}

TEST(PhotoList, SortsByUnsignedBytes) {
    EXPECT_EQ((std::vector<std::string>{"B.jpg", "a.jpg", "b.jpg"}),
              Sorted({"b.jpg", "B.jpg", "a.jpg"}));
    EXPECT_EQ((std::vector<std::string>{"IMG_10.JPG", "IMG_9.JPG"}),
              Sorted({"IMG_9.JPG", "IMG_10.JPG"}));
    // Bytes from 128 up come after every ASCII byte, not before (as signed chars would).
    EXPECT_EQ((std::vector<std::string>{"zebra.jpg", "\x80.jpg", "\xE4pfel.jpg", "\xFF.jpg"}),
              Sorted({"\xFF.jpg", "\xE4pfel.jpg", "zebra.jpg", "\x80.jpg"}));
    // A prefix is the smaller text, and the empty text comes first.
    EXPECT_EQ((std::vector<std::string>{"", "E:\\a", "E:\\a.jpg"}),
              Sorted({"E:\\a.jpg", "E:\\a", ""}));
}

TEST(PhotoList, SortOfNoneOrOneEntryChangesNothing) {
    EXPECT_TRUE(Sorted({}).empty());
    EXPECT_EQ((std::vector<std::string>{"only.jpg"}), Sorted({"only.jpg"}));
}

TEST(PhotoList, SortIsStableAndKeepsDuplicates) {
    CPhotoList list;
    list.Add("b.jpg");
    list.Add("a.jpg");
    list.Add("b.jpg");
    list.Add("a.jpg");
    const char* firstB = list.GetAt(0);
    const char* secondB = list.GetAt(2);
    const char* firstA = list.GetAt(1);
    const char* secondA = list.GetAt(3);
    list.Sort();
    ASSERT_EQ(4, list.Count());
    // Entries move between slots without being copied, and equal texts keep their order.
    EXPECT_EQ(firstA, list.GetAt(0));
    EXPECT_EQ(secondA, list.GetAt(1));
    EXPECT_EQ(firstB, list.GetAt(2));
    EXPECT_EQ(secondB, list.GetAt(3));
}

TEST(PhotoList, EntriesArePrivateCopies) {
    CPhotoList list;
    std::string text = "E:\\DCIM\\IMG_0001.JPG";
    list.Add(text.c_str());
    text[0] = 'X';
    text.clear();
    text.shrink_to_fit();
    EXPECT_STREQ("E:\\DCIM\\IMG_0001.JPG", list.GetAt(0));
}

TEST(PhotoList, ReverseOrderOfManyEntriesSortsFully) {
    CPhotoList list;
    for (int i = 1999; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "P%04d", i);
        list.Add(name);
    }
    list.Sort();
    for (int i = 0; i < 2000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "P%04d", i);
        ASSERT_STREQ(name, list.GetAt(i));
    }
}
