#pragma once
// Where the running program lives.

#include <string>

// Full path of the running executable.
std::string GetExecutablePath();
// The executable's folder, ending with "/".
std::string GetExecutableFolder();
// Makes GetExecutablePath return the given path; an empty text restores the real one.
void SetExecutablePathForTests(std::string path);
