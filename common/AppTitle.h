#pragma once
#include <string>
#include <string_view>

// Lower-cases a UTF-8 text, every letter; the title's caller supplies the system's mapping,
// which this portable code cannot reach.
using LowerCaseFunction = std::string (*)(std::string_view utf8);

// The application's title made from the path of its executable: the file name without
// folder and extension, every letter after the first lower-cased by `lower`
// ("C:\\X\\KESTRANE.EXE" gives "Kestrane", "C:\\X\\KÄSE.EXE" gives "Käse"). The first
// character keeps its case. UTF-8 in and out.
std::string ApplicationTitle(std::string_view modulePath, LowerCaseFunction lower);
