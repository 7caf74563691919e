// Program image: where an executable's own image ends, read from its headers.
#pragma once

#include <QString>
#include <optional>

// The length of the program image at the start of an executable, learned from its own ELF
// headers (the image ends with its section header table), so every build, stripped or not,
// knows where data appended to it begins. Nothing for a file that is not a readable ELF file.
std::optional<qint64> programImageLength(const QString& programPath);
