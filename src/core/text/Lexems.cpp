#include "text/Lexems.h"

namespace travo {
namespace {

constexpr char CR = '\r', LF = '\n';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The characters that end a run of word characters, by mode.
struct StopSet {
    bool stops[256] = {};
    constexpr explicit StopSet(std::string_view chars) {
        for (char c : chars) stops[static_cast<unsigned char>(c)] = true;
    }
    bool operator[](char c) const { return stops[static_cast<unsigned char>(c)]; }
};
constexpr StopSet kNormalStops(std::string_view("\0\n\r$ ,-.;", 9));
constexpr StopSet kTextStops(std::string_view("\0\n\r$.;", 6));

// Hands over the run of characters up to the first one in stops.
void TakeRun(TLitPipe& lit, const StopSet& stops, std::string& acc) {
    const std::string_view rest = lit.Rest();
    std::size_t n = 0;
    while (n < rest.size() && !stops[rest[n]]) ++n;
    acc.append(rest.data(), n);
    lit.Skip(n);
}

void SetPunct(TLexema& lex, std::uint8_t kind) {
    lex.Clear();
    lex.SetKind(kind);
}

// Normal mode skips blanks and dollars; the padding of every line is such a run.
void SkipBlanks(TLitPipe& lit) {
    const std::string_view rest = lit.Rest();
    std::size_t n = 0;
    while (n < rest.size() && (rest[n] == ' ' || rest[n] == '$')) ++n;
    lit.Skip(n);
}

} // namespace

void TLitPipe::SetText(std::string s) {
    text_ = std::move(s);
    pos_ = text_.empty() ? 0 : 1;
}

void TLexPipe::GetLexema(std::uint8_t mode, TLexema& lexeme) {
    mode_ = mode;
    acc_.clear();
    lexeme.Clear();
    if (!pushBack_) {
        bool inComment = false;
        for (bool done = false; !done;) {
            if (!inComment && !TextMode()) SkipBlanks(lit_);
            const char c = lit_.GetChar();
            if (inComment) {
                if (c == CR || c == LF || c == '$')
                    inComment = false;
                else if (c == 0) {
                    SetPunct(current_, LexEnd);
                    done = true;
                }
                continue;
            }
            switch (c) {
            case 0:
                SetPunct(current_, LexEnd);
                done = true;
                break;
            case CR:
            case LF:
                SetPunct(current_, LexLineEnd);
                current_.SetText("#10");
                done = true;
                break;
            case '$': break;
            case ';': inComment = true; break;
            case '.':
                SetPunct(current_, LexDot);
                done = true;
                break;
            case ' ':
                if (TextMode()) {
                    acc_ += c;
                    ReadWord();
                    done = true;
                }
                break;
            case ',':
            case '-':
                if (TextMode()) {
                    acc_ += c;
                    ReadWord();
                } else {
                    SetPunct(current_, c == ',' ? LexComma : LexDash);
                }
                done = true;
                break;
            default:
                acc_ += c;
                if (IsDigit(c) && !TextMode())
                    ReadNumber();
                else
                    ReadWord();
                done = true;
                break;
            }
        }
    }
    lexeme.SetKind(current_.GetKind());
    lexeme.Text().assign(current_.GetText());
    lexeme.SetValue(current_.GetValue());
    pushBack_ = false;
}

void TLexPipe::ReadNumber() {
    current_.Clear();
    for (;;) {
        const char c = lit_.GetChar();
        if (c == 0 || c == LF || c == CR || c == ' ' || c == '$') break;
        if (IsDigit(c)) {
            acc_ += c;
            if (acc_.size() > 5) {
                ReadWord();
                return;
            }
            continue;
        }
        lit_.UngetChar();
        break;
    }
    current_.SetKind(LexNumber);
    std::int32_t value = 0;
    for (char d : acc_) value = value * 10 + (d - '0');
    current_.SetValue(value);
    current_.Text().swap(acc_);
}

void TLexPipe::ReadWord() {
    current_.Clear();
    const StopSet& stops = TextMode() ? kTextStops : kNormalStops;
    for (;;) {
        TakeRun(lit_, stops, acc_);
        const char c = lit_.GetChar();
        if (c == 0 || c == LF || c == CR || c == '$') break;
        if (c == ' ') {
            if (!TextMode()) break;
            acc_ += c;
        } else if (c == ',' || c == '-') {
            if (!TextMode()) {
                lit_.UngetChar();
                break;
            }
            acc_ += c;
        } else if (c == '.' || c == ';') {
            lit_.UngetChar();
            break;
        } else {
            acc_ += c;
        }
    }
    current_.SetKind(LexWord);
    current_.Text().swap(acc_);
}

} // namespace travo
