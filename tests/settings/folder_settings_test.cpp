#include "settings/folder_settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "test_support.h"

using testing_support::TempDir;

namespace {

// Settings that live in the scratch folder, as if the program were installed there.
class FolderSettingsTest : public ::testing::Test {
protected:
    std::unique_ptr<CFolderSettings> Open() {
        return std::make_unique<CFolderSettings>(dir_.PathOf("brenvale.exe"));
    }
    void WriteIni(const std::string& bytes) { dir_.Write("brenvale.ini", bytes); }
    std::string ReadIni() { return dir_.Read("brenvale.ini"); }

    TempDir dir_;
};

}  // namespace

TEST_F(FolderSettingsTest, FileSitsBesideTheExecutable) {
    EXPECT_EQ(dir_.PathOf("brenvale.ini"), Open()->GetIniPath());
    // Only the last backslash counts, and the first character is never taken for one.
    EXPECT_EQ("C:\\a\\b\\brenvale.ini", CFolderSettings("C:\\a\\b\\x.exe").GetIniPath());
    EXPECT_EQ("\\x.exe\\brenvale.ini", CFolderSettings("\\x.exe").GetIniPath());
    // A folder name that runs past 255 characters is not cut.
    const std::string deep = "C:\\photos\\" + std::string(250, 'd');
    EXPECT_EQ(deep + "\\brenvale.ini", CFolderSettings(deep + "\\brenvale.exe").GetIniPath());
}

TEST_F(FolderSettingsTest, NoFileGivesEmptyFoldersAndTheFirstSaveWritesFourLines) {
    auto settings = Open();
    EXPECT_EQ("", settings->GetSource());
    EXPECT_EQ("", settings->GetDest());
    settings.reset();
    EXPECT_EQ("[source]\r\n\r\n[dest]\r\n\r\n", ReadIni());
}

TEST_F(FolderSettingsTest, EntriesInEitherOrderAreReadAndWrittenInStandardOrder) {
    WriteIni("[dest]\r\nD:\\Pictures\\\r\n[source]\r\nE:\\DCIM\\100CANON\\\r\n");
    auto settings = Open();
    EXPECT_EQ("E:\\DCIM\\100CANON\\", settings->GetSource());
    EXPECT_EQ("D:\\Pictures\\", settings->GetDest());
    settings.reset();
    EXPECT_EQ("[source]\r\nE:\\DCIM\\100CANON\\\r\n[dest]\r\nD:\\Pictures\\\r\n", ReadIni());
}

TEST_F(FolderSettingsTest, KeyOnTheLastLineGivesAnEmptyFolder) {
    WriteIni("[dest]\r\nD:\\Out\\\r\n[source]\r\n");
    auto settings = Open();
    EXPECT_EQ("", settings->GetSource());
    EXPECT_EQ("D:\\Out\\", settings->GetDest());
}

TEST_F(FolderSettingsTest, KeysMustMatchExactly) {
    WriteIni("[source] \r\nE:\\a\\\r\n[Dest]\r\nD:\\b\\\r\n");
    auto settings = Open();
    EXPECT_EQ("", settings->GetSource());
    EXPECT_EQ("", settings->GetDest());
}

TEST_F(FolderSettingsTest, LineFeedOnlyFileReadsTheSameAndIsWrittenBackWithCrLf) {
    WriteIni("[source]\nE:\\a\\\n[dest]\nD:\\b\\");  // no end on the last line
    auto settings = Open();
    EXPECT_EQ("E:\\a\\", settings->GetSource());
    EXPECT_EQ("D:\\b\\", settings->GetDest());
    settings.reset();
    EXPECT_EQ("[source]\r\nE:\\a\\\r\n[dest]\r\nD:\\b\\\r\n", ReadIni());
}

TEST_F(FolderSettingsTest, ValueIsTheNextLineWhateverItHolds) {
    WriteIni("junk\r\n[source]\r\n[dest]\r\n\r\n[dest]\r\nsecond\r\n");
    auto settings = Open();
    EXPECT_EQ("[dest]", settings->GetSource());
    // The first "[dest]" line wins; the line after it is empty.
    EXPECT_EQ("", settings->GetDest());
}

TEST_F(FolderSettingsTest, ExtraLinesAreGoneAfterASave) {
    WriteIni("; comment\r\n[source]\r\nE:\\a\\\r\nother=1\r\n[dest]\r\nD:\\b\\\r\ntrailing\r\n");
    Open().reset();
    EXPECT_EQ("[source]\r\nE:\\a\\\r\n[dest]\r\nD:\\b\\\r\n", ReadIni());
}

TEST_F(FolderSettingsTest, ValuesSetLastAreWrittenOnlyOnDestruction) {
    WriteIni("[source]\r\nold\r\n[dest]\r\nold\r\n");
    auto settings = Open();
    settings->SetSource("E:\\first\\");
    settings->SetSource("E:\\DCIM\\");
    settings->SetDest("D:\\Pictures\\");
    EXPECT_EQ("[source]\r\nold\r\n[dest]\r\nold\r\n", ReadIni());
    EXPECT_EQ("E:\\DCIM\\", settings->GetSource());
    settings.reset();
    EXPECT_EQ("[source]\r\nE:\\DCIM\\\r\n[dest]\r\nD:\\Pictures\\\r\n", ReadIni());
    EXPECT_FALSE(dir_.Exists("brenvale.ini.new"));
}

TEST_F(FolderSettingsTest, BadFilesGiveEmptyFolders) {
    const std::string huge(3 * 1024 * 1024, 'x');
    const std::string binary("\0\xFF\r\x01[source\0]\n\xFE", 13);
    for (const std::string& content : {std::string(), binary, huge, std::string("a\r\nb\r\n")}) {
        WriteIni(content);
        auto settings = Open();
        EXPECT_EQ("", settings->GetSource());
        EXPECT_EQ("", settings->GetDest());
    }
}

// A file from before Brenvale worked in UTF-8 holds its folders in the legacy code page
// (1252 here); each line is taken as UTF-8 when it is, and the file is written back in UTF-8.
TEST_F(FolderSettingsTest, LegacyFoldersAreReadAndWrittenBackInUtf8) {
    WriteIni(
        "[source]\r\nZ:\\Fotos\\\xDC"
        "berlingen \x80\\\r\n"
        "[dest]\r\nD:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\\\r\n");
    auto settings = Open();
    EXPECT_EQ(
        "Z:\\Fotos\\\xC3\x9C"
        "berlingen \xE2\x82\xAC\\",
        settings->GetSource());
    EXPECT_EQ("D:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\\", settings->GetDest());
    settings.reset();
    EXPECT_EQ(
        "[source]\r\nZ:\\Fotos\\\xC3\x9C"
        "berlingen \xE2\x82\xAC\\\r\n"
        "[dest]\r\nD:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\\\r\n",
        ReadIni());
}

TEST_F(FolderSettingsTest, LongValuesSurviveARoundTrip) {
    const std::string longFolder = "E:\\" + std::string(5000, 'p') + "\\";
    {
        auto settings = Open();
        settings->SetDest(longFolder);
    }
    EXPECT_EQ(longFolder, Open()->GetDest());
}

// However long a line, at most what a path can hold is kept in memory: a longer value is
// unreadable and that folder empty, while the other entry is still found after it.
TEST_F(FolderSettingsTest, LineLongerThanAnyPathIsAnEmptyFolder) {
    const std::string longest(65534, 'p');
    const std::string tooLong(200000, 'q');
    WriteIni("[source]\r\n" + tooLong + "\r\n[dest]\r\n" + longest + "\r\n");
    auto settings = Open();
    EXPECT_EQ(0u, settings->GetSource().size());
    EXPECT_TRUE(settings->GetDest() == longest);

    // A long line is passed over whole, and one without a line end at the end still counts.
    settings.reset();
    WriteIni(tooLong + "\r\n[dest]\r\nD:\\b\\\r\n[source]\r\n" + tooLong);
    settings = Open();
    EXPECT_EQ(0u, settings->GetSource().size());
    EXPECT_EQ("D:\\b\\", settings->GetDest());
}

TEST_F(FolderSettingsTest, SettingsFileThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directory(dir_.Native("brenvale.ini"));
    auto settings = Open();
    EXPECT_EQ("", settings->GetSource());
    settings->SetSource("E:\\a\\");
    settings.reset();  // must neither crash nor hang
    EXPECT_TRUE(std::filesystem::is_directory(dir_.Native("brenvale.ini")));
}

TEST_F(FolderSettingsTest, ReadOnlyFileKeepsItsContentAtExit) {
    const std::string old = "[source]\r\nE:\\a\\\r\n[dest]\r\nD:\\b\\\r\n";
    WriteIni(old);
    std::filesystem::permissions(dir_.Native("brenvale.ini"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    {
        auto settings = Open();
        EXPECT_EQ("E:\\a\\", settings->GetSource());
        settings->SetSource("E:\\new\\");
    }
    EXPECT_EQ(old, ReadIni());
    EXPECT_FALSE(dir_.Exists("brenvale.ini.new"));
}
