#pragma once
#include <string>
#include <string_view>

// The application's title made from the path of its executable: the file name without
// folder and extension, every letter after the first in lower case ("C:\\X\\KESTRANE.EXE"
// gives "Kestrane"). Letters outside ASCII keep their case. UTF-8 in and out.
std::string ApplicationTitle(std::string_view modulePath);
