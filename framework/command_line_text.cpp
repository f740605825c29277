// Taking the program's name off the process command line.
#include "framework/command_line_text.h"

namespace framework {

const char* CommandLineText(const char* commandLine) {
    // Compared as unsigned bytes: characters from 128 up belong to names, not to blanks.
    auto code = [](const char* p) { return static_cast<unsigned char>(*p); };
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (code(p) > ' ') ++p;
    }
    while (*p != '\0' && code(p) <= ' ') ++p;
    return p;
}

}  // namespace framework
