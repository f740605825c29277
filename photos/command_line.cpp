// The command-line tokenizer and the folder of a photo.
#include "photos/command_line.h"

#include "photos/photo_list.h"
#include "platform/code_page.h"
#include "platform/file.h"
#include "platform/file_error.h"
#include "platform/folder.h"

namespace photos {

std::vector<std::string> SplitCommandLine(const char* commandLine) {
    std::vector<std::string> paths;
    std::string token;
    bool quoted = false;
    for (const char* c = commandLine; *c != '\0'; ++c) {
        if (*c == '"') {
            if (quoted) {
                paths.push_back(token);
                token.clear();
            }
            quoted = !quoted;
        } else if (*c == ' ' && !quoted) {
            if (!token.empty()) {
                paths.push_back(token);
                token.clear();
            }
        } else {
            token += *c;
        }
    }
    if (!token.empty()) paths.push_back(token);
    return paths;
}

void FillFromCommandLine(const char* commandLine, CPhotoList& photos) {
    photos.Clear();
    for (const std::string& path : SplitCommandLine(commandLine)) photos.Add(path.c_str());
    photos.Sort();
}

CommandLineFolders FillFromCommandLineWithFolders(const char* commandLine, CPhotoList& photos) {
    CommandLineFolders result;
    photos.Clear();
    const std::vector<std::string> paths = SplitCommandLine(commandLine);
    for (const std::string& path : paths) {
        if (platform::IsDeviceName(path)) {
            result.leftOut.deviceNames.push_back(path);
        } else if (platform::IsFolder(path)) {
            AddPhotosBelow(path, photos, result.leftOut);
            ++result.folders;
        } else {
            photos.Add(path.c_str());
        }
    }
    photos.Sort();
    result.nothingToSave = !paths.empty() && photos.Count() == 0;
    return result;
}

std::string GetFolderOfPath(std::string path) {
    platform::File file;
    if (const unsigned long code = file.Open(path, platform::OpenMode::ReadExclusive)) {
        throw platform::FileError(code, path);
    }
    std::string fullPath = file.Path();
    file.Close();
    const std::size_t lastBackslash = platform::FindLastBackslash(fullPath);
    if (lastBackslash == std::string::npos) return std::string();
    fullPath.resize(lastBackslash + 1);
    return fullPath;
}

}  // namespace photos
