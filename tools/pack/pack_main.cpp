// quillbrook-pack: builds subject packs from their source and checks built packs.
//   quillbrook-pack build SOURCE OUT
//   quillbrook-pack check PACK [--font FILE] [--strict]
#include <cstdio>
#include <string>
#include <vector>

#include "pack_build.h"
#include "pack_check.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: quillbrook-pack build SOURCE OUT\n"
                 "       quillbrook-pack check PACK [--font FILE] [--strict]\n"
                 "build  writes QBA.ini, q.dat, subject.png and revis01..05.png into OUT\n"
                 "check  reports every problem of a built pack as file:line: message;\n"
                 "       the font is Helv20.tf beside the pack's folder unless --font names it;\n"
                 "       --strict counts warnings as errors\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "build") {
        std::vector<SourceProblem> problems;
        bool ok = BuildPack(args[1], args[2], problems);
        for (const SourceProblem& p : problems) {
            std::string where = args[1] + "/" + p.File + (p.Line > 0 ? ":" + std::to_string(p.Line) : std::string());
            std::fprintf(stderr, "%s: error: %s\n", where.c_str(), p.Message.c_str());
        }
        return ok ? 0 : 1;
    }
    if (args.size() >= 2 && args[0] == "check") {
        std::string pack = args[1], font;
        bool strict = false;
        for (std::size_t i = 2; i < args.size(); ++i) {
            if (args[i] == "--font" && i + 1 < args.size())
                font = args[++i];
            else if (args[i] == "--strict")
                strict = true;
            else
                return Usage();
        }
        if (font.empty()) font = FindPackFont(pack);
        std::vector<PackDiagnostic> found = CheckPack(pack, font);
        int errors = 0, warnings = 0;
        for (const PackDiagnostic& d : found) {
            std::printf("%s\n", FormatDiagnostic(pack, d).c_str());
            (d.Error ? errors : warnings)++;
        }
        std::printf("%s: %d error%s, %d warning%s\n", pack.c_str(), errors, errors == 1 ? "" : "s", warnings,
                    warnings == 1 ? "" : "s");
        return (errors > 0 || (strict && warnings > 0)) ? 1 : 0;
    }
    return Usage();
}
