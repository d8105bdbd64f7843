// The working folder and whole-file reading and writing.
#include "platform/files.h"

#include <cstdio>
#include <unistd.h>

namespace {
std::string Folder;
}

void SetWorkingFolder(const std::string& folder) {
    Folder = folder;
    if (!Folder.empty() && Folder.back() != '/') Folder += '/';
}

const std::string& WorkingFolder() { return Folder; }

std::string ResolveGamePath(const std::string& gamePath) {
    std::string path = gamePath;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (!path.empty() && path[0] == '/') return path;
    return Folder + path;
}

bool ReadWholeFile(const std::string& gamePath, std::vector<unsigned char>& out) {
    out.clear();
    FILE* file = std::fopen(ResolveGamePath(gamePath).c_str(), "rb");
    if (!file) return false;
    bool ok = true;
    unsigned char buffer[65536];
    for (;;) {
        std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        out.insert(out.end(), buffer, buffer + got);
        if (got < sizeof buffer) {
            ok = !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    if (!ok) out.clear();
    return ok;
}

bool WriteFileSafely(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (std::fflush(file) == 0) && ok;
    ok = (fsync(fileno(file)) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
