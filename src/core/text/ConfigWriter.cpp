#include "text/ConfigWriter.h"

#include <algorithm>

namespace travo {
namespace {

constexpr size_t kUserNameEnd = 15;

std::string Padded(std::string line) {
    if (line.size() < kLineWidth) line.append(kLineWidth - line.size(), ' ');
    return line;
}

void AppendValue(std::string& line, ValueFormat f, const T_Command& c, int slot, std::int32_t min,
                 std::int32_t max) {
    switch (f) {
    case ValueFormat::Integer: {
        const std::int32_t v = c.GetValue(slot);
        if (slot == 1)
            line += std::to_string(v);
        else if (v >= min && v <= max)
            line += '.' + std::to_string(v);
        break;
    }
    case ValueFormat::Word:
    case ValueFormat::FreeText:
        if (slot == 2) line += '.';
        line += c.GetText(slot);
        break;
    case ValueFormat::List: {
        bool first = true;
        for (int i = 1; i <= 5; ++i) {
            if (c.GetItem(i) == 0) continue;
            if (!first) line += ',';
            line += std::to_string(c.GetItem(i));
            first = false;
        }
        break;
    }
    case ValueFormat::None: break;
    }
}

} // namespace

std::string CommandLine(const T_Command_DEVICE& device, int kind, int position) {
    const TParamImage& p = ParamImage(kind);
    if (p.mnemonic.empty()) return {};
    std::string line = p.mnemonic;
    if (p.format1 == ValueFormat::None && p.format2 == ValueFormat::None) return line;
    const T_Command& c = device.Commands(kind)[static_cast<size_t>(position)];
    if (!p.SingleInstance()) line += std::to_string(c.GetNumber());
    line += '-';
    AppendValue(line, p.format1, c, 1, p.min1, p.max1);
    AppendValue(line, p.format2, c, 2, p.min2, p.max2);
    return line;
}

std::string UserLine(const T_Command_DEVICE& device, int user) {
    const T_Command& c = device.Commands(kind::User)[static_cast<size_t>(user - 1)];
    std::string number = std::to_string(user);
    if (number.size() < 2) number.insert(0, 1, '0');
    std::string line = "ua" + number + '-' + c.GetText(1);
    if (line.size() < kUserNameEnd) line.append(kUserNameEnd - line.size(), ' ');
    line += '.';
    const std::string& code = c.GetText(2);
    line.append(code.rbegin(), code.rend());
    return line;
}

void WriteConfig(const T_Command_DEVICE& device, TextLines& lines) {
    lines.reserve(lines.size() + kConfigLines);
    for (int k = 0; k < kCommandKinds; ++k) {
        const int count = ParamImage(k).InstanceCount();
        if (k == kind::CryptoKey) {
            for (int pos = count - 1; pos >= 0; --pos) {
                lines.push_back(Padded(CommandLine(device, k, pos)));
            }
        } else if (k == kind::User) {
            for (int u = 1; u <= count; ++u) lines.push_back(Padded(UserLine(device, u)));
        } else {
            for (int pos = 0; pos < count; ++pos) {
                std::string line = CommandLine(device, k, pos);
                if (!line.empty()) lines.push_back(Padded(std::move(line)));
            }
        }
    }
}

} // namespace travo
