// Brenvale's resources as its exe holds them: all in German (Germany), an image of its icon
// for every size, and the project's version as the exe's file and product version.
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

TEST(Resources, FileAndProductVersionAreTheProjectsVersion) {
    const VersionNumbers version = ReadVersionNumbers(BuiltExe());
    EXPECT_EQ(version.file, BRENVALE_VERSION ".0");
    EXPECT_EQ(version.product, BRENVALE_VERSION ".0");
}

}  // namespace
}  // namespace brenvale
