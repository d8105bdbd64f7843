// The snapshot tool's little script language: one command a line.
#pragma once
#include <string>
#include <vector>

struct ScriptCommand {
    std::string verb;
    std::vector<std::string> words;
    int line = 0;
};

// Reads a script; on a line it cannot read, error says where and why.
bool ReadScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error);
