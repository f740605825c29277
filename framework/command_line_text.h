// The arguments part of the process command line: what is left once the program's own
// name and the blanks after it are taken off. Kept free of windows so it is tested natively.
#pragma once

namespace framework {

// Returns a pointer into commandLine, never a copy: the arguments with their quotes and
// blanks unchanged, or the terminating NUL when there are none.
//
// A program name in double quotes ends with the next double quote (the whole line when
// there is none); otherwise it ends before the first character of code 32 or less. The
// characters of code 1 to 32 that follow it are skipped.
const char* CommandLineText(const char* commandLine);

}  // namespace framework
