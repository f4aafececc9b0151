#pragma once

#include <QString>

#include <climits>

// What the command-line programs take from their input, and how their
// messages quote it: names of files the system can use, and texts cut short
// so that no message repeats a huge input.
namespace platform {

// The longest path the system takes, in bytes of its file name encoding:
// PATH_MAX counts the terminating zero byte.
constexpr int LongestPathBytes = PATH_MAX - 1;
// The longest name of one file or folder inside a path, in bytes.
constexpr int LongestNameBytes = NAME_MAX;

// A text taken from the input as a message shows it: whole up to 80
// characters, else its first 77 characters and "...".
QString inputExcerpt(const QString &text);

// Why name cannot name a file: empty or only blanks, longer than the system
// takes as a path, or holding a file or folder name longer than the system
// takes. Empty when the system may take it.
QString fileNameFault(const QString &name);

// Whether the two names lead to one existing file (through symbolic links,
// hard links or other spellings of its path).
bool isSameExistingFile(const QString &name, const QString &other);

} // namespace platform
