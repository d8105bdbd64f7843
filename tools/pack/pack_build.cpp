#include "pack_build.h"

#include <filesystem>
#include <fstream>

#include "pack_pictures.h"

namespace {

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string PageName(int n) { return "revis0" + std::to_string(n) + ".png"; }

}  // namespace

bool BuildPack(const std::string& sourceFolder, const std::string& packFolder, std::vector<SourceProblem>& problems) {
    PackSource pack;
    if (!ReadPackSource(sourceFolder, pack, problems)) return false;

    std::error_code error;
    std::filesystem::create_directories(packFolder, error);
    if (error) {
        problems.push_back({packFolder, 0, "cannot make the folder: " + error.message()});
        return false;
    }
    bool ok = true;
    if (!WriteText(packFolder + "/QBA.ini", DescriptorFileText(pack))) {
        problems.push_back({"QBA.ini", 0, "cannot be written in " + packFolder});
        ok = false;
    }
    if (!WriteText(packFolder + "/q.dat", QuestionFileText(pack))) {
        problems.push_back({"q.dat", 0, "cannot be written in " + packFolder});
        ok = false;
    }
    if (!DrawSubjectPicture(pack.Name, pack.Picture, packFolder + "/subject.png")) {
        problems.push_back({"subject.png", 0, "cannot be written in " + packFolder});
        ok = false;
    }
    for (int n = 1; n <= 5; ++n) {
        std::string problem;
        if (!DrawRevisionPage(pack.Pages[n], packFolder + "/" + PageName(n), problem)) {
            problems.push_back({"revision" + std::to_string(n) + ".txt", 0, problem});
            ok = false;
        }
    }
    return ok;
}
