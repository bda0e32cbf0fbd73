#pragma once
#include <string>

// The folder of the running executable, without a trailing separator: in
// UTF-16, since the ANSI code page may lack letters of its name.
std::wstring ProgramFolder();
