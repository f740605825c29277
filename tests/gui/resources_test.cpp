// Brenvale's resources as its exe holds them: all in German (Germany), a string table with
// the system-menu entry alone, an image of its icon for every size, its version numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "brenvale_ids.h"
#include "brenvale_run.h"
#include "driver/resources.h"

namespace brenvale {
namespace {

using namespace gui_driver;

TEST(Resources, AreAllInGerman) {
    const auto resources = ListResources(BuiltExe());
    ASSERT_FALSE(resources.empty());
    for (const ResourceEntry& resource : resources) {
        EXPECT_EQ(resource.language, kResourceLanguage)
            << "resource " << resource.name << " of type " << resource.type;
    }
}

TEST(Resources, StringTableHoldsOnlyTheSystemMenuEntry) {
    const std::map<UINT, std::wstring> expected = {{101, L"Inf&o \u00FCber Brenvale..."}};
    EXPECT_EQ(ReadStringTable(BuiltExe(), kResourceLanguage), expected);
}

// An image of its own for each size Windows draws the icon at, from 16 pixels at 100 %
// to 48 at 300 % and the large icons of Explorer, so that none is stretched.
TEST(Resources, IconHasAnImageForEverySizeWindowsDrawsItAt) {
    const auto images = ReadIconGroup(BuiltExe(), 128, kResourceLanguage);
    std::vector<int> sizes;
    for (const IconImage& image : images) {
        EXPECT_EQ(image.width, image.height);
        EXPECT_EQ(image.bitsPerPixel, 32) << image;
        sizes.push_back(image.width);
    }
    // The order of the images within the group does not matter to the system.
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST(Resources, FileAndProductVersionAre2300) {
    const VersionNumbers version = ReadVersionNumbers(BuiltExe());
    EXPECT_EQ(version.file, "2.3.0.0");
    EXPECT_EQ(version.product, "2.3.0.0");
}

}  // namespace
}  // namespace brenvale
