#include "rules/KeyCodes.h"

namespace travo {
namespace {

constexpr std::size_t kCodeLength = 12;

} // namespace

std::string NormalizeTypedCode(std::string code) {
    if (code.empty()) return code;
    if (code.find('*') != std::string::npos) return std::string(kCodeLength, '*');
    if (code.size() < kCodeLength) code.append(kCodeLength - code.size(), '0');
    return code;
}

bool IsNeutralCode(const std::string& code) {
    return code.empty() || code == std::string(kCodeLength, '0') ||
           code == std::string(kCodeLength, '*');
}

int Check_Code_Double(const T_Command_DEVICE& d, int user, const std::string& code) {
    const std::string& c = user != 0 ? d.GetKeyCode(user) : code;
    if (IsNeutralCode(c)) return 0;
    for (int i = 1; i <= kUsers; ++i) {
        if (i != user && d.GetKeyCode(i) == c) return i;
    }
    return 0;
}

} // namespace travo
