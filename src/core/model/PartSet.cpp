#include "model/PartSet.h"

namespace travo {

std::string FormatPartSet(PartSet set) {
    std::string text;
    int runStart = 0; // 0: no run open
    auto close = [&](int end) {
        if (!text.empty()) text += ',';
        text += std::to_string(runStart);
        if (end > runStart) text += '-' + std::to_string(end);
        runStart = 0;
    };
    for (int p = 1; p <= 4; ++p) {
        if (set.Contains(p) && runStart == 0)
            runStart = p;
        else if (!set.Contains(p) && runStart != 0)
            close(p - 1);
    }
    if (runStart != 0) close(4);
    return text;
}

std::string FormatNumberSet(const NumberSet& set) {
    std::string text;
    for (size_t n = 1; n < set.size(); ++n) {
        if (!set.test(n)) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(n);
    }
    return text;
}

NumberSet ToNumberSet(PartSet set) {
    NumberSet numbers;
    for (int p = 1; p <= 7; ++p) {
        if (set.Contains(p)) numbers.set(static_cast<size_t>(p));
    }
    return numbers;
}

} // namespace travo
