#pragma once
// The lexer of the configuration text: cuts a whole text into words, numbers,
// punctuation and line ends, on request in normal or in text mode.
#include <cstdint>
#include <string>
#include <string_view>

namespace travo {

enum LexKind : std::uint8_t {
    LexLineEnd = 0, // one CR or one LF; text "#10"
    LexWord = 1,
    LexNumber = 2, // 1 to 5 decimal digits
    LexDot = 3,
    LexComma = 4, // normal mode only
    LexDash = 5,  // normal mode only
    LexEnd = 6,
};

// Text mode keeps spaces, commas, dashes and digits inside words.
inline constexpr std::uint8_t kTextMode = 1;
inline constexpr std::uint8_t kNormalMode = 0;

class TLexema {
public:
    // Keeps the text's storage: the lexer reuses one lexeme for a whole text.
    void Clear() {
        kind_ = LexLineEnd;
        text_.clear();
        value_ = 0;
    }
    std::uint8_t GetKind() const { return kind_; }
    void SetKind(std::uint8_t k) { kind_ = k; }
    const std::string& GetText() const { return text_; }
    std::string& Text() { return text_; }
    void SetText(std::string s) { text_ = std::move(s); }
    std::int32_t GetValue() const { return value_; }
    void SetValue(std::int32_t v) { value_ = v; }

private:
    std::uint8_t kind_ = LexLineEnd;
    std::string text_;
    std::int32_t value_ = 0;
};

// The character source: a text and a 1-based position (0 when there is no input).
class TLitPipe {
public:
    void SetText(std::string s);
    // The next character, or 0 (without moving) at the end.
    char GetChar() {
        if (pos_ == 0 || pos_ > text_.size()) return 0;
        return text_[pos_++ - 1];
    }
    void UngetChar() {
        if (pos_ != 0) --pos_;
    }
    // What GetChar would return from here on, for scanning runs at once.
    std::string_view Rest() const {
        return (pos_ == 0 || pos_ > text_.size()) ? std::string_view{}
                                                  : std::string_view(text_).substr(pos_ - 1);
    }
    void Skip(std::size_t n) { pos_ += n; }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

class TLexPipe {
public:
    void SetText(std::string s) { lit_.SetText(std::move(s)); }
    // Cuts the next lexeme in mode (kTextMode, or any other value for normal mode),
    // or returns the pushed-back one again.
    void GetLexema(std::uint8_t mode, TLexema& lexeme);
    void UngetLexema() { pushBack_ = true; }

private:
    bool TextMode() const { return mode_ == kTextMode; }
    void ReadNumber();
    void ReadWord();

    TLitPipe lit_;
    TLexema current_;
    bool pushBack_ = false;
    std::string acc_;
    std::uint8_t mode_ = kNormalMode;
};

} // namespace travo
