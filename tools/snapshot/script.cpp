#include "script.h"

#include <set>
#include <sstream>

namespace {
// verb -> number of words it takes (-1: the rest of the line as one word)
int Arity(const std::string& verb) {
    static const std::pair<const char*, int> verbs[] = {
        {"wait", 1},  {"move", 2},     {"nudge", 2},  {"click", 0}, {"press", 0},  {"release", 0},
        {"key", 1},   {"keydown", 1},  {"keyup", 1},  {"type", -1}, {"shot", 1},   {"seed", 1},
        {"answer", 1}, {"game", 1},    {"name", -1},  {"muted", 1}, {"hold", 1},
    };
    for (const auto& [name, arity] : verbs)
        if (verb == name) return arity;
    return -2;
}
}  // namespace

bool ReadScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        std::istringstream words(line);
        ScriptCommand command;
        command.line = number;
        if (!(words >> command.verb)) continue;
        const int arity = Arity(command.verb);
        if (arity == -2) {
            error = "line " + std::to_string(number) + ": unknown command '" + command.verb + "'";
            return false;
        }
        if (arity == -1) {
            std::string rest;
            std::getline(words >> std::ws, rest);
            command.words.push_back(rest);
        } else {
            std::string word;
            while (words >> word) command.words.push_back(word);
            if (static_cast<int>(command.words.size()) != arity) {
                error = "line " + std::to_string(number) + ": '" + command.verb + "' takes " + std::to_string(arity) +
                        " value(s)";
                return false;
            }
        }
        out.push_back(command);
    }
    return true;
}
