// Reading and writing "brenvale.ini": four lines, "[source]", the source folder,
// "[dest]", the destination folder. A value is the line after its key line.
#include "settings/folder_settings.h"

#include <new>

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

// The line after the first line equal to key; empty when there is none, when that line
// is too long to be a folder, or when the file cannot be read that far.
std::string ValueAfterKey(platform::TextFile& file, const char* key) {
    if (file.SeekToBegin() != 0) return std::string();
    std::string line;
    bool whole = true;
    bool found = false;
    while (file.ReadLine(line, kLongestValue, whole, found) == 0 && found) {
        if (whole && line == key) {
            const bool value = file.ReadLine(line, kLongestValue, whole, found) == 0 && found;
            return value && whole ? FolderOfLine(line) : std::string();
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
        if (file.Open(m_iniPath, platform::OpenMode::ReadExclusive) != 0) return;
        std::string source = ValueAfterKey(file, kSourceKey);
        std::string dest = ValueAfterKey(file, kDestKey);
        m_source = std::move(source);
        m_dest = std::move(dest);
    } catch (const std::bad_alloc&) {
        // A file the memory cannot take leaves the folders as they were.
    }
}

// The new content is written completely beside the old file and only then takes its
// place, so a full disk, a read-only file or folder, or a file held open by another
// program never loses what was remembered. Nothing is reported: the exit goes on.
void CFolderSettings::Save() {
    {
        // A settings file that another program holds open is left alone.
        platform::File probe;
        if (probe.Open(m_iniPath, platform::OpenMode::ReadExclusive) != 0 &&
            platform::Exists(m_iniPath)) {
            return;
        }
    }
    const std::string newPath = m_iniPath + ".new";
    platform::TextFile file;
    if (file.Open(newPath, platform::OpenMode::Create) != 0) return;
    // On the disk before it takes the old file's place: a crash then leaves one or the
    // other whole.
    const bool written = file.WriteLine(kSourceKey) == 0 && file.WriteLine(m_source) == 0 &&
                         file.WriteLine(kDestKey) == 0 && file.WriteLine(m_dest) == 0 &&
                         file.Flush() == 0;
    const bool closed = file.Close() == 0;
    if (!written || !closed || platform::MoveOver(newPath, m_iniPath) != 0) {
        platform::RemoveFile(newPath);
    }
}
