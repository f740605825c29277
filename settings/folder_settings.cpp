// Reading and writing "brenvale.ini": four lines, "[source]", the source folder,
// "[dest]", the destination folder. A value is the line after its key line.
#include "settings/folder_settings.h"

#include "platform/code_page.h"
#include "platform/file.h"
#include "platform/system.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"

namespace {

const char kSourceKey[] = "[source]";
const char kDestKey[] = "[dest]";
const char kFileName[] = "brenvale.ini";
// No folder path is longer: 32767 characters of at most three bytes each. A longer line is
// no folder, and only this much of it is ever held in memory.
constexpr std::size_t kLongestValue = 3 * 32767;

// The folder of the executable (the text before its last backslash, the first
// character never counting as one), a backslash, and the settings file's name.
std::string IniPathBeside(std::string executablePath) {
    const std::size_t lastBackslash = platform::FindLastBackslash(executablePath);
    if (lastBackslash != std::string::npos && lastBackslash > 0) {
        executablePath.resize(lastBackslash);
    }
    return executablePath + "\\" + kFileName;
}

// A folder as the file holds it, in the code page the program works in. Files written
// before Brenvale worked in UTF-8 hold their folders in the system's legacy code page: a
// line that is not UTF-8 is taken to be such a one.
std::string FolderOfLine(const std::string& line) {
    return platform::IsUtf8(line) ? line : platform::FromLegacyAnsi(line);
}

// The line after the first line equal to key; empty when there is none or when that line
// is too long to be a folder.
std::string ValueAfterKey(platform::TextFile& file, const char* key) {
    file.SeekToBegin();
    std::string line;
    bool whole = true;
    while (file.ReadLine(line, kLongestValue, whole)) {
        if (whole && line == key) {
            return file.ReadLine(line, kLongestValue, whole) && whole ? FolderOfLine(line)
                                                                      : std::string();
        }
    }
    return std::string();
}

}  // namespace

CFolderSettings::CFolderSettings() : CFolderSettings(platform::ExecutablePath()) {}

CFolderSettings::CFolderSettings(const std::string& executablePath)
    : m_iniPath(IniPathBeside(executablePath)) {
    Load();
}

CFolderSettings::~CFolderSettings() {
    Save();
}

void CFolderSettings::Load() {
    try {
        platform::TextFile file;
        if (!file.Open(m_iniPath, platform::OpenMode::ReadExclusive)) return;
        std::string source = ValueAfterKey(file, kSourceKey);
        std::string dest = ValueAfterKey(file, kDestKey);
        m_source = std::move(source);
        m_dest = std::move(dest);
    } catch (const std::exception&) {
        // An unreadable file, or one the memory cannot take, leaves the folders as they were.
    }
}

// The new content is written completely beside the old file and only then takes its
// place, so a full disk, a read-only file or folder, or a file held open by another
// program never loses what was remembered. Nothing is reported: the exit goes on.
void CFolderSettings::Save() {
    {
        // A settings file that another program holds open is left alone.
        platform::File probe;
        platform::FileError error;
        if (!probe.Open(m_iniPath, platform::OpenMode::ReadExclusive, &error) &&
            platform::File::Exists(m_iniPath)) {
            return;
        }
    }
    const std::string newPath = m_iniPath + ".new";
    platform::TextFile file;
    if (!file.Open(newPath, platform::OpenMode::Create)) return;
    try {
        file.WriteLine(kSourceKey);
        file.WriteLine(m_source);
        file.WriteLine(kDestKey);
        file.WriteLine(m_dest);
        // On the disk before it takes the old file's place: a crash then leaves one or
        // the other whole.
        file.Flush();
        file.Close();
        platform::File::Replace(newPath, m_iniPath);
    } catch (const platform::FileError&) {
        try {
            file.Close();
        } catch (const platform::FileError&) {
        }
        platform::File::TryRemove(newPath);
    }
}
