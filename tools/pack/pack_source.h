// A subject pack in source form, as a teacher writes it (UTF-8 text files):
//   pack.txt             "label: value" settings: name, lives, picture, tip1 .. tip5
//   questions.txt        the question blocks, seven lines each, exactly as the game reads them
//   revision1.txt .. 5   one revision page each: a heading line, then lines of text,
//                        "* " bullets, "! " important lines, "|" table rows and blank gaps
// Lines starting with "#" in pack.txt and the revision pages are notes and are left out.
#pragma once
#include <string>
#include <vector>

struct SourceProblem {
    std::string File;   // file name inside the source folder
    int Line = 0;       // from 1; 0 for the file as a whole
    std::string Message;
};

enum class RevisionItemKind { Text, Bullet, Important, Table, Gap };

struct RevisionItem {
    RevisionItemKind Kind = RevisionItemKind::Text;
    std::string Text;                               // Text, Bullet, Important (UTF-8)
    std::vector<std::vector<std::string>> Rows;     // Table: cells; "*cell*" marks a heading cell
    int Line = 0;
};

struct RevisionSource {
    std::string Heading;
    std::vector<RevisionItem> Items;
};

struct PackSource {
    std::string Folder;
    std::string Name;
    std::string Version = "1";
    int Lives = 3;
    std::string Picture = "badge";   // maths, science, geography or badge
    std::string Tips[6];             // 1..5
    std::vector<unsigned char> Questions;   // questions.txt as written
    RevisionSource Pages[6];         // 1..5
};

// Reads a source folder. Problems that keep the pack from being built are added to problems.
bool ReadPackSource(const std::string& folder, PackSource& pack, std::vector<SourceProblem>& problems);
// Reads one revision page's text (for tests and for ReadPackSource).
RevisionSource ParseRevisionPage(const std::string& text, const std::string& fileName,
                                 std::vector<SourceProblem>& problems);

// The pack's two text files in the game's form: Windows-1252, CRLF line ends.
std::string DescriptorFileText(const PackSource& pack);
std::string QuestionFileText(const PackSource& pack);
