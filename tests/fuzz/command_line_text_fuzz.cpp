// Taking the program's name off the process command line, on any line the system might
// hand over.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "framework/command_line_text.h"
#include "fuzz_support.h"

namespace {

bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

// The skipped part is the program's name and then blanks only.
void CheckSkipped(const std::string& line, std::size_t skipped) {
    std::size_t nameEnd = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t closing = line.find('"', 1);
        nameEnd = closing == std::string::npos ? line.size() : closing + 1;
    } else {
        while (nameEnd < line.size() && !IsBlank(line[nameEnd])) ++nameEnd;
    }
    FUZZ_CHECK(skipped >= nameEnd);
    for (std::size_t i = nameEnd; i < skipped; ++i) FUZZ_CHECK(IsBlank(line[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string line(bytes, strnlen(bytes, size));
    const char* arguments = framework::CommandLineText(line.c_str());
    FUZZ_CHECK(arguments >= line.c_str() && arguments <= line.c_str() + line.size());
    const std::size_t skipped = static_cast<std::size_t>(arguments - line.c_str());
    // The arguments start with something that is not a blank, or there are none.
    FUZZ_CHECK(*arguments == '\0' || !IsBlank(*arguments));
    CheckSkipped(line, skipped);

    // A quoted name, blanks and arguments: the arguments come back exactly. The input is cut
    // into a name (up to its first quote) and the rest, which starts after any blanks.
    const std::string name = line.substr(0, line.find('"'));
    std::string rest = name.size() < line.size() ? line.substr(name.size() + 1) : std::string();
    while (!rest.empty() && IsBlank(rest[0])) rest.erase(0, 1);
    const std::string built = "\"" + name + "\" \t" + rest;
    FUZZ_CHECK(std::strcmp(framework::CommandLineText(built.c_str()), rest.c_str()) == 0);
    return 0;
}
