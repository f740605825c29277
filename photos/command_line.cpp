// The command-line tokenizer and the folder of a photo.
#include "photos/command_line.h"

#include "photos/photo_list.h"
#include "platform/code_page.h"
#include "platform/file.h"

namespace photos {

void FillFromCommandLine(const char* commandLine, CPhotoList& photos) {
    photos.Clear();
    std::string token;
    bool quoted = false;
    for (const char* c = commandLine; *c != '\0'; ++c) {
        if (*c == '"') {
            if (quoted) {
                photos.Add(token.c_str());
                token.clear();
            }
            quoted = !quoted;
        } else if (*c == ' ' && !quoted) {
            if (!token.empty()) {
                photos.Add(token.c_str());
                token.clear();
            }
        } else {
            token += *c;
        }
    }
    if (!token.empty()) photos.Add(token.c_str());
    photos.Sort();
}

std::string GetFolderOfPath(std::string path) {
    platform::File file(path, platform::OpenMode::ReadExclusive);
    std::string fullPath = file.GetFilePath();
    file.Close();
    const std::size_t lastBackslash = platform::FindLastBackslash(fullPath);
    if (lastBackslash == std::string::npos) return std::string();
    fullPath.resize(lastBackslash + 1);
    return fullPath;
}

}  // namespace photos
