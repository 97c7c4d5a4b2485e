#pragma once

#include <string>

// Pieces of the scripts handed to the music and photo programs.
namespace korvida {

// `value` as a quoted script string literal: a backslash or quotation mark in it is
// preceded by a backslash, so no value can end the literal and add statements of its own.
std::string scriptLiteral(const std::string& value);

// The colon-separated form of a path that the music program takes: the components joined
// with ":" and the first character dropped, so "/Volumes/IPOD/a.mp3" becomes
// ":Volumes:IPOD:a.mp3".
std::string hfsStylePath(const std::string& path);

} // namespace korvida
