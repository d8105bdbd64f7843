// Reading and writing the preferences file. The file is binary despite its name, and may
// have been cut short or edited by hand, so every byte is read with care.
#include "launcher/preferences.h"

#include "app/screen.h"
#include "launcher/startup_window.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "quiz/notepad.h"

namespace {
const char* const PreferencesFileName = "quillbrook_prefs.ini";
constexpr std::size_t NameOffset = 12;

// The name as ReadWholeFile wants it: the bare file name is looked up in the working folder.
std::string PreferencesReadName() {
    return ProfileFolder().empty() ? std::string(PreferencesFileName) : PreferencesPath();
}
}  // namespace

std::string PreferencesPath() {
    std::string folder = ProfileFolder();
    if (folder.empty()) return ResolveGamePath(PreferencesFileName);
    if (folder.back() != '/') folder += '/';
    return folder + PreferencesFileName;
}

int PreferenceValue(const std::vector<unsigned char>& bytes, int index) {
    if (index < 0 || index > 2) return 0;
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        std::size_t at = static_cast<std::size_t>(index) * 4 + i;
        if (at < bytes.size()) value |= static_cast<unsigned>(bytes[at]) << (8 * i);
    }
    return static_cast<int>(value);
}

std::string PreferenceName(const std::vector<unsigned char>& bytes) {
    std::string name;
    for (std::size_t at = NameOffset; at < bytes.size(); ++at) {
        unsigned char c = bytes[at];
        if (c == 0 || c == '\r' || c == '\n') break;
        name += static_cast<char>(c);
    }
    return name;
}

std::vector<unsigned char> PreferenceBytes(int muteAudio, int windowed, int studentEntersName,
                                           const std::string& name) {
    std::vector<unsigned char> bytes;
    bytes.reserve(NameOffset + name.size());
    for (int flag : {muteAudio, windowed, studentEntersName}) {
        bytes.push_back(flag != 0 ? 1 : 0);
        bytes.insert(bytes.end(), 3, 0);
    }
    for (char c : name) bytes.push_back(static_cast<unsigned char>(c));
    return bytes;
}

void ReadPreferences() {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(PreferencesReadName(), bytes)) return;
    SetNativeControlState(MuteAudioBox, PreferenceValue(bytes, 0) != 0);
    int windowed = PreferenceValue(bytes, 1) != 0 ? 1 : 0;
    SetNativeControlState(WindowedOption, windowed);
    SetNativeControlState(FullScreenOption, 1 - windowed);
    // The name field always agrees with the box beside it: a ticked box means the student
    // types the name, so the field stays empty and locked; an unticked box means the parent
    // gives the name, so the field must be open for it.
    int ownName = PreferenceValue(bytes, 2) != 0 ? 1 : 0;
    SetNativeControlState(OwnNameBox, ownName);
    SetNativeControlText(NameField, ownName ? std::string() : PreferenceName(bytes));
    EnableNativeControl(NameField, ownName == 0);
}

void WritePreferences() {
    WriteFileSafely(PreferencesPath(), PreferenceBytes(NativeControlState(MuteAudioBox), Windowed,
                                                       NativeControlState(OwnNameBox), StudentName));
}
