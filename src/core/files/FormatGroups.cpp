#include "files/FormatGroups.h"

#include <cstdlib>

namespace travo {

std::string FormatGroups(std::string_view text, std::string_view allowed,
                         std::string_view delimiter, bool insert, int width, int group, char fill) {
    auto isAllowed = [&](char c) { return allowed.find(c) != std::string_view::npos; };
    const auto groupSize = static_cast<std::size_t>(group < 0 ? 0 : group);
    std::string out, run;
    auto flush = [&] {
        const std::size_t missing = run.size() < groupSize ? groupSize - run.size() : 0;
        if (width < 0) out.append(missing, fill);
        out += run;
        if (width > 0) out.append(missing, fill);
        run.clear();
    };
    for (char c : text) {
        if (isAllowed(c)) {
            run += c;
            continue;
        }
        flush();
        out += c;
    }
    flush();

    std::string kept;
    for (char c : out) {
        if (isAllowed(c)) kept += c;
    }
    const auto w = static_cast<std::size_t>(std::abs(width));
    if (kept.size() < w) {
        if (width > 0)
            kept.append(w - kept.size(), fill);
        else
            kept.insert(0, w - kept.size(), fill);
    }
    if (!insert) return kept;
    kept.resize(std::min(kept.size(), w));
    std::string result;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        result += kept[i];
        if (groupSize > 0 && (i + 1) % groupSize == 0 && i + 1 < kept.size()) result += delimiter;
    }
    return result;
}

std::string FormatIdentifier(std::string_view ident) {
    return FormatGroups(ident, "0123456789ABCDEFabcdef", "-", true, 12, 4, '0');
}

} // namespace travo
