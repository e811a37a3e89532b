#pragma once
// One command of the configuration: a kind, an instance number, two integer
// values, two texts and a list of up to five numbers.
#include <array>
#include <cstdint>
#include <string>

namespace travo {

class T_Command {
public:
    T_Command() = default;                             // kind 0, everything zero or empty
    T_Command(std::uint8_t kind, std::int32_t number); // catalogue defaults of the kind

    static T_Command CreateKind(std::uint8_t kind, std::int32_t number) { return {kind, number}; }

    // Values and texts to the kind's defaults; kind, number and item count stay.
    void ResetValues();

    std::uint8_t GetKind() const { return kind_; }
    void SetKind(std::uint8_t kind) { kind_ = kind; }
    std::int32_t GetNumber() const { return values_[0]; }
    void SetNumber(std::int32_t n) { values_[0] = n; }

    // Index 0 is the instance number, 1 and 2 the values; other indices read 0.
    std::int32_t GetValue(int i) const { return (i >= 0 && i <= 2) ? values_[i] : 0; }
    void SetValue(int i, std::int32_t v) {
        if (i >= 0 && i <= 2) values_[i] = v;
    }
    // Texts 1 and 2; other indices read empty.
    const std::string& GetText(int i) const;
    void SetText(int i, std::string s) {
        if (i == 1 || i == 2) texts_[i - 1] = std::move(s);
    }
    std::uint8_t GetItemCount() const { return itemCount_; }
    void SetItemCount(std::uint8_t n) { itemCount_ = n; }
    // List slots 1..5; 0 is an empty slot; other indices read 0.
    std::int32_t GetItem(int i) const { return (i >= 1 && i <= 5) ? items_[i - 1] : 0; }
    void SetItem(int i, std::int32_t v) {
        if (i >= 1 && i <= 5) items_[i - 1] = v;
    }

    void Assign(const T_Command& source) { *this = source; }

    bool operator==(const T_Command&) const = default;

private:
    std::uint8_t kind_ = 0;
    std::array<std::int32_t, 3> values_{};
    std::array<std::string, 2> texts_;
    std::uint8_t itemCount_ = 0;
    std::array<std::int32_t, 5> items_{};
};

} // namespace travo
