// Brenvale's resources as its exe holds them: all in German (Germany), the three images of
// its icon, and the project's version as the exe's file and product version.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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

TEST(Resources, IconHasItsThreeImages) {
    auto images = ReadIconGroup(BuiltExe(), 128, kResourceLanguage);
    std::vector<IconImage> expected = {{32, 32, 4}, {16, 16, 4}, {32, 32, 8}};
    // The order of the images within the group does not matter to the system.
    const auto order = [](const IconImage& a, const IconImage& b) {
        return std::tie(a.width, a.height, a.bitsPerPixel) <
               std::tie(b.width, b.height, b.bitsPerPixel);
    };
    std::sort(images.begin(), images.end(), order);
    std::sort(expected.begin(), expected.end(), order);
    EXPECT_EQ(images, expected);
}

TEST(Resources, FileAndProductVersionAreTheProjectsVersion) {
    const VersionNumbers version = ReadVersionNumbers(BuiltExe());
    EXPECT_EQ(version.file, BRENVALE_VERSION ".0");
    EXPECT_EQ(version.product, BRENVALE_VERSION ".0");
}

}  // namespace
}  // namespace brenvale
