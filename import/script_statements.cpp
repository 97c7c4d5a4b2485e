#include "import/script_statements.h"

namespace korvida {

namespace {

void trimBlanks(std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

void finishStatement(ScriptStatement& statement, std::vector<ScriptStatement>& statements)
{
    trimBlanks(statement.shape);
    if (!statement.shape.empty())
        statements.push_back(std::move(statement));
    statement = {};
}

} // namespace

std::vector<ScriptStatement> readStatements(const std::string& script)
{
    std::vector<ScriptStatement> statements;
    ScriptStatement statement;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (c == '\n' || c == '\r') {
            finishStatement(statement, statements);
        } else if (c == kLiteralMark) {
            // A mark in the text itself would pass for a literal: the script is not ours.
            return {};
        } else if (c != '"') {
            statement.shape += c;
        } else {
            std::string literal;
            for (++i; i < script.size() && script[i] != '"'; ++i) {
                if (script[i] == '\\' && i + 1 < script.size() && (script[i + 1] == '\\' || script[i + 1] == '"'))
                    ++i;
                literal += script[i];
            }
            if (i == script.size())
                return {};
            statement.shape += kLiteralMark;
            statement.literals.push_back(std::move(literal));
        }
    }
    finishStatement(statement, statements);
    return statements;
}

} // namespace korvida
