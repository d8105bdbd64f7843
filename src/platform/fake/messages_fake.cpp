// Message boxes and browser calls, recorded.
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/messages.h"

namespace {
std::vector<RecordedMessage> Messages;
std::vector<std::string> Addresses;
std::string Profile;
}  // namespace

void ResetFakeMessages() {
    Messages.clear();
    Addresses.clear();
    Profile.clear();
}

std::vector<RecordedMessage>& FakeMessages() { return Messages; }
std::vector<std::string>& FakeOpenedAddresses() { return Addresses; }
void FakeSetProfileFolder(const std::string& folder) { Profile = folder; }

void ShowMessageBox(const std::string& title, const std::string& text) { Messages.push_back({title, text}); }

bool OpenWebAddress(const std::string& address) {
    Addresses.push_back(address);
    return true;
}

std::string ProfileFolder() { return Profile; }
