#pragma once

#include <string>
#include <vector>

// Reading a script back into its statements, for the runner that carries the import
// scripts out itself.
namespace korvida {

// One statement: its text with every string literal replaced by `kLiteralMark` and
// leading and trailing blanks removed, and the literals' values in order.
struct ScriptStatement {
    std::string shape;
    std::vector<std::string> literals;
};

inline constexpr char kLiteralMark = '\x01';

// Splits `script` into statements at line feeds and carriage returns outside literals.
// A literal's `\\` and `\"` stand for a backslash and a quotation mark; a literal that is
// never closed makes the whole script unreadable (nothing is returned).
std::vector<ScriptStatement> readStatements(const std::string& script);

} // namespace korvida
