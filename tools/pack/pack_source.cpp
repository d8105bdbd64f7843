#include "pack_source.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

#include "content/text_lines.h"
#include "content/windows1252.h"

namespace {

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The lines of a source file by the game's own line rules, so that line numbers
// agree with what the game and the checker count.
std::vector<std::string> SourceLines(const std::vector<unsigned char>& bytes) {
    std::string text(bytes.begin(), bytes.end());
    TextCursor cursor = StartText(text);
    std::vector<std::string> lines;
    while (!AtEndOfText(cursor)) lines.push_back(ReadTextLine(cursor));
    return lines;
}

std::string Trim(const std::string& s) {
    std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::vector<std::string> TableCells(const std::string& line) {
    std::string body = Trim(line);
    if (!body.empty() && body.front() == '|') body.erase(0, 1);
    if (!body.empty() && body.back() == '|') body.pop_back();
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = body.find('|', start);
        cells.push_back(Trim(body.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return cells;
}

// Revision pages are laid out by Pango, which reads UTF-8: a page saved in
// Windows-1252 is turned into UTF-8 first.
std::string AsUtf8(const std::vector<unsigned char>& bytes) {
    if (IsValidUtf8(bytes.data(), bytes.size())) return std::string(bytes.begin(), bytes.end());
    return Windows1252ToUtf8(bytes.data(), bytes.size());
}

std::string GameText(const std::string& utf8) {
    return SubjectFileText(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
}

}  // namespace

RevisionSource ParseRevisionPage(const std::string& text, const std::string& fileName,
                                 std::vector<SourceProblem>& problems) {
    RevisionSource page;
    std::vector<unsigned char> bytes(text.begin(), text.end());
    std::vector<std::string> lines = SourceLines(bytes);
    bool headingFound = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int number = static_cast<int>(i) + 1;
        std::string line = Trim(lines[i]);
        if (!line.empty() && line[0] == '#') continue;
        if (!headingFound) {
            if (line.empty()) continue;
            page.Heading = line;
            headingFound = true;
            continue;
        }
        RevisionItem item;
        item.Line = number;
        if (line.empty()) {
            item.Kind = RevisionItemKind::Gap;
        } else if (line[0] == '|') {
            if (!page.Items.empty() && page.Items.back().Kind == RevisionItemKind::Table) {
                std::vector<std::string> cells = TableCells(line);
                if (cells.size() != page.Items.back().Rows.front().size())
                    problems.push_back({fileName, number, "this table row has " + std::to_string(cells.size()) +
                                                              " cells; the rows above have " +
                                                              std::to_string(page.Items.back().Rows.front().size())});
                page.Items.back().Rows.push_back(cells);
                continue;
            }
            item.Kind = RevisionItemKind::Table;
            item.Rows.push_back(TableCells(line));
        } else if (line.rfind("* ", 0) == 0) {
            item.Kind = RevisionItemKind::Bullet;
            item.Text = Trim(line.substr(2));
        } else if (line.rfind("! ", 0) == 0) {
            item.Kind = RevisionItemKind::Important;
            item.Text = Trim(line.substr(2));
        } else {
            item.Text = line;
        }
        page.Items.push_back(item);
    }
    if (!headingFound) problems.push_back({fileName, 0, "the page has no heading (its first line that is not a note)"});
    return page;
}

bool ReadPackSource(const std::string& folder, PackSource& pack, std::vector<SourceProblem>& problems) {
    std::size_t before = problems.size();
    pack = PackSource();
    pack.Folder = folder;

    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(folder + "/pack.txt", bytes)) {
        problems.push_back({"pack.txt", 0, "cannot be read"});
    } else {
        std::vector<std::string> lines = SourceLines(bytes);
        bool tipSeen[6] = {};
        bool nameSeen = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int number = static_cast<int>(i) + 1;
            std::string line = Trim(lines[i]);
            if (line.empty() || line[0] == '#') continue;
            std::size_t colon = line.find(':');
            if (colon == std::string::npos) {
                problems.push_back({"pack.txt", number, "expected \"label: value\""});
                continue;
            }
            std::string label = Lower(Trim(line.substr(0, colon)));
            std::string value = Trim(line.substr(colon + 1));
            if (value.find('=') != std::string::npos)
                problems.push_back({"pack.txt", number, "a value cannot hold \"=\": the game reads only up to it"});
            if (label == "name") {
                pack.Name = value;
                nameSeen = true;
                if (value.empty()) problems.push_back({"pack.txt", number, "the subject's name is empty"});
            } else if (label == "version") {
                pack.Version = value;
            } else if (label == "lives") {
                pack.Lives = ReadInteger(value);
                if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos || pack.Lives < 1 ||
                    pack.Lives > 9)
                    problems.push_back({"pack.txt", number, "lives must be a whole number from 1 to 9"});
            } else if (label == "picture") {
                pack.Picture = Lower(value);
                if (pack.Picture != "maths" && pack.Picture != "science" && pack.Picture != "geography" &&
                    pack.Picture != "badge")
                    problems.push_back({"pack.txt", number, "picture must be maths, science, geography or badge"});
            } else if (label.size() == 4 && label.rfind("tip", 0) == 0 && label[3] >= '1' && label[3] <= '5') {
                int n = label[3] - '0';
                pack.Tips[n] = value;
                tipSeen[n] = true;
            } else {
                problems.push_back({"pack.txt", number, "unknown setting \"" + label + "\""});
            }
        }
        if (!nameSeen) problems.push_back({"pack.txt", 0, "the pack needs a \"name:\" line"});
        for (int n = 1; n <= 5; ++n)
            if (!tipSeen[n]) problems.push_back({"pack.txt", 0, "the pack needs a \"tip" + std::to_string(n) + ":\" line"});
    }

    if (!ReadFileBytes(folder + "/questions.txt", pack.Questions))
        problems.push_back({"questions.txt", 0, "cannot be read"});

    for (int n = 1; n <= 5; ++n) {
        std::string fileName = "revision" + std::to_string(n) + ".txt";
        if (!ReadFileBytes(folder + "/" + fileName, bytes)) {
            problems.push_back({fileName, 0, "cannot be read"});
            continue;
        }
        pack.Pages[n] = ParseRevisionPage(AsUtf8(bytes), fileName, problems);
    }
    return problems.size() == before;
}

std::string DescriptorFileText(const PackSource& pack) {
    std::ostringstream out;
    out << "Subject=" << pack.Name << "\r\n";
    out << "Version=" << pack.Version << "\r\n";
    out << "Lives=" << pack.Lives << "\r\n";
    for (int n = 1; n <= 5; ++n) out << "Tip" << n << "=" << pack.Tips[n] << "\r\n";
    return GameText(out.str());
}

std::string QuestionFileText(const PackSource& pack) {
    // Line for line, so that a line number in q.dat is the same line in questions.txt.
    std::string text = SubjectFileText(pack.Questions.data(), pack.Questions.size());
    TextCursor cursor = StartText(text);
    std::string out;
    while (!AtEndOfText(cursor)) out += ReadTextLine(cursor) + "\r\n";
    return out;
}
