// Starts the handler the user registered for an AutoPlay event, on a card's root folder, as
// AutoPlay does when the user picks that handler: the handler names a ProgID and a verb,
// and the verb's command runs with "%1" standing for the card's root. The user's own
// classes are read where Windows keeps them, HKEY_CURRENT_USER\Software\Classes.
//
//   autoplay.exe <event> <handler> <card root>
//
// Prints the command line it started; exit status 0 once the program has started.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kAutoplay =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoplayHandlers";

// A text value of a key of the user's; an empty name reads the key's default value.
std::string UserValue(const std::string& key, const std::string& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("no key HKCU\\" + key);
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<char> bytes(size + 1, '\0');
    if (status == ERROR_SUCCESS) {
        status = RegQueryValueExA(opened, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(bytes.data()), &size);
    }
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        throw std::runtime_error("no text value \"" + name + "\" in HKCU\\" + key);
    }
    return std::string(bytes.data());
}

// The shell's substitution in a verb's command: %1 and %L are the item's path.
std::string CommandFor(const std::string& command, const std::string& path) {
    std::string result;
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (command[i] == '%' && i + 1 < command.size() &&
            (command[i + 1] == '1' || command[i + 1] == 'L' || command[i + 1] == 'l')) {
            result += path;
            ++i;
        } else {
            result += command[i];
        }
    }
    return result;
}

int Run(const std::string& event, const std::string& handler, const std::string& root) {
    // Registered for the event: a value of the handler's name.
    UserValue(kAutoplay + "\\EventHandlers\\" + event, handler);
    const std::string handlerKey = kAutoplay + "\\Handlers\\" + handler;
    const std::string progId = UserValue(handlerKey, "InvokeProgID");
    const std::string verb = UserValue(handlerKey, "InvokeVerb");
    const std::string command =
        UserValue("Software\\Classes\\" + progId + "\\shell\\" + verb + "\\command", "");
    std::string commandLine = CommandFor(command, root);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start " + commandLine + ": error " +
                                 std::to_string(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%s\n", commandLine.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: autoplay <event> <handler> <card root>\n");
        return 2;
    }
    try {
        return Run(argv[1], argv[2], argv[3]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "autoplay: %s\n", failure.what());
        return 1;
    }
}
