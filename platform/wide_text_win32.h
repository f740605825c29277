// Texts between the code page the program works in and the UTF-16 of the system's wide
// calls, for the shell's calls that give no path whole in any other form.
#pragma once

#include <optional>
#include <string>

#include "platform/code_page.h"

namespace platform {

// The text, in the code page (the program's unless told), as UTF-16; none when the system
// cannot read it.
std::wstring WideText(const std::string& text, unsigned codePage = AnsiCodePage());

// The UTF-16 text in the program's code page; none when a character of it has no form
// there (a name in another script on a Windows that runs the program in a legacy code page),
// so that a name is never taken with a stand-in character in it.
std::optional<std::string> TextFromWide(const std::wstring& wide);

}  // namespace platform
