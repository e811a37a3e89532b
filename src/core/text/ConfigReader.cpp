#include "text/ConfigReader.h"

#include <algorithm>
#include <array>

#include "model/Catalogue.h"

namespace travo {
namespace {

constexpr size_t kCodeLength = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string Trim(const std::string& s, bool controlsToo) {
    auto blank = [controlsToo](char c) {
        return controlsToo ? static_cast<unsigned char>(c) <= ' ' : c == ' ';
    };
    size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The value routines of one reading; each that fails pushes its last lexeme back.
class LineReader {
public:
    LineReader(TLexPipe& pipe, TLexema& lex, T_Command& buf) : pipe_(pipe), lex_(lex), buf_(buf) {}

    bool Value1(ValueFormat f) {
        switch (f) {
        case ValueFormat::Integer: return Int();
        case ValueFormat::FreeText: return Text();
        case ValueFormat::List: return List();
        default: return Word();
        }
    }

    bool Value2(ValueFormat f) {
        switch (f) {
        case ValueFormat::Integer: return Int2();
        case ValueFormat::Word: return Word2();
        default: return true;
        }
    }

private:
    std::uint8_t Next(std::uint8_t mode = kNormalMode) {
        pipe_.GetLexema(mode, lex_);
        return lex_.GetKind();
    }
    bool Fail() {
        pipe_.UngetLexema();
        return false;
    }
    bool Dash() { return Next() == LexDash || Fail(); }

    bool Int() {
        if (!Dash()) return false;
        switch (Next()) {
        case LexNumber: buf_.SetValue(1, lex_.GetValue()); return true;
        case LexLineEnd: buf_.SetValue(1, 0); return true;
        case LexDot:
        case LexComma:
            buf_.SetValue(1, 0);
            pipe_.UngetLexema();
            return true;
        default: return Fail();
        }
    }

    bool Word() {
        if (!Dash()) return false;
        switch (Next(kTextMode)) {
        case LexLineEnd: buf_.SetText(1, {}); return true;
        case LexWord: buf_.SetText(1, Trim(lex_.GetText(), true)); return true;
        case LexDot:
            buf_.SetText(1, {});
            pipe_.UngetLexema();
            return true;
        default: return Fail();
        }
    }

    bool Text() {
        std::string collected;
        switch (Next()) {
        case LexDash: break;
        // A value that is missing altogether is empty; it must not swallow the next line.
        case LexLineEnd: buf_.SetText(1, {}); return true;
        case LexEnd: pipe_.UngetLexema(); return true;
        default: collected = lex_.GetText(); break;
        }
        for (;;) {
            switch (Next(kTextMode)) {
            case LexWord: collected += lex_.GetText(); break;
            case LexDot: collected += '.'; break;
            case LexLineEnd: buf_.SetText(1, Trim(collected, false)); return true;
            default: // the end of the text
                pipe_.UngetLexema();
                return true;
            }
        }
    }

    bool List() {
        if (!Dash()) return false;
        const bool hasValue2 = ParamImage(buf_.GetKind()).format2 != ValueFormat::None;
        for (int p = 1; p <= 5; ++p) {
            const auto count = static_cast<std::uint8_t>(p);
            switch (Next()) {
            case LexNumber:
                buf_.SetItem(p, lex_.GetValue());
                buf_.SetItemCount(count);
                switch (Next()) {
                case LexComma: continue;
                case LexLineEnd: pipe_.UngetLexema(); return !hasValue2;
                case LexDot: pipe_.UngetLexema(); return true;
                default: return Fail();
                }
            case LexComma: buf_.SetItemCount(count); continue;
            case LexLineEnd: buf_.SetItemCount(count); return true;
            case LexDot:
                pipe_.UngetLexema();
                buf_.SetItemCount(count);
                return true;
            default: return Fail();
            }
        }
        return true; // a comma after the fifth entry: the rest of the line is skipped
    }

    bool Int2() {
        switch (Next()) {
        case LexLineEnd: buf_.SetValue(2, 0); return true;
        case LexDot:
            switch (Next()) {
            case LexNumber: buf_.SetValue(2, lex_.GetValue()); return true;
            case LexLineEnd: buf_.SetValue(2, 0); return true;
            default: return Fail();
            }
        default: return Fail();
        }
    }

    bool Word2() {
        switch (Next()) {
        case LexLineEnd: buf_.SetText(2, {}); return true;
        case LexDot:
            switch (Next(kTextMode)) {
            case LexWord: buf_.SetText(2, Trim(lex_.GetText(), false)); return true;
            case LexLineEnd: buf_.SetText(2, {}); return true;
            default: return Fail();
            }
        default: return Fail();
        }
    }

    TLexPipe& pipe_;
    TLexema& lex_;
    T_Command& buf_;
};

void AppendHeader(std::string& header, std::uint8_t& prevKind, TLexema& lex, bool& headerPhase) {
    const std::uint8_t k = lex.GetKind();
    switch (k) {
    case LexLineEnd:
        if (!header.empty()) headerPhase = false;
        break;
    case LexEnd: headerPhase = false; break;
    case LexDot: header += '.'; break;
    case LexComma: header += ','; break;
    case LexDash: header += '-'; break;
    case LexWord:
    case LexNumber:
        if (prevKind == LexWord || prevKind == LexNumber) header += ' ';
        if (k == LexNumber)
            header += std::to_string(lex.GetValue());
        else if (FindCommand(lex) != 0)
            headerPhase = false;
        else
            header += lex.GetText();
        break;
    default: break;
    }
    prevKind = k;
}

const std::array<std::string, kCommandKinds>& LowerMnemonics() {
    static const auto table = [] {
        std::array<std::string, kCommandKinds> t;
        for (int k = 0; k < kCommandKinds; ++k) {
            t[static_cast<size_t>(k)] = ParamImage(k).mnemonic;
            auto& m = t[static_cast<size_t>(k)];
            std::transform(m.begin(), m.end(), m.begin(), LowerAscii);
        }
        return t;
    }();
    return table;
}

} // namespace

int FindCommand(TLexema& lexeme) {
    if (lexeme.GetKind() != LexWord) return 0;
    std::string& text = lexeme.Text();
    std::transform(text.begin(), text.end(), text.begin(), LowerAscii);
    const auto& mnemonics = LowerMnemonics();
    for (int k = 0; k < kCommandKinds; ++k) {
        const std::string& mnemonic = mnemonics[static_cast<size_t>(k)];
        if (mnemonic.empty() || text.size() < mnemonic.size() || text[0] != mnemonic[0]) continue;
        if (text.compare(0, mnemonic.size(), mnemonic) != 0) continue;
        if (text.size() == mnemonic.size() || IsDigit(text[mnemonic.size()])) return k;
    }
    return 0;
}

std::int32_t ParseNumber(const TLexema& lexeme, int k) {
    const TParamImage& p = ParamImage(k);
    if (p.SingleInstance()) return p.first;
    const std::string& text = lexeme.GetText();
    if (text.size() <= p.mnemonic.size()) return -1;
    std::int64_t n = 0;
    for (size_t i = p.mnemonic.size(); i < text.size(); ++i) {
        if (!IsDigit(text[i])) return -1;
        n = n * 10 + (text[i] - '0');
        if (n > p.last) return -1; // also keeps a long run of digits from overflowing
    }
    return (n >= p.first && n <= p.last) ? static_cast<std::int32_t>(n) : -1;
}

void ApplyCommand(T_Command& buffer, T_Command_DEVICE& device) {
    const int k = buffer.GetKind();
    const TParamImage& p = ParamImage(k);
    if (p.format1 == ValueFormat::Integer &&
        (buffer.GetValue(1) < p.min1 || buffer.GetValue(1) > p.max1)) {
        buffer.SetValue(1, p.def1);
    }
    if (p.format2 == ValueFormat::Integer &&
        (buffer.GetValue(2) < p.min2 || buffer.GetValue(2) > p.max2)) {
        buffer.SetValue(2, p.def2);
    }
    if (k == kind::User && !buffer.GetText(2).empty()) {
        std::string code = buffer.GetText(2);
        if (code.find('*') != std::string::npos) {
            code.assign(kCodeLength, '*');
        } else {
            if (code.size() < kCodeLength) code.append(kCodeLength - code.size(), '0');
            std::transform(code.begin(), code.end(), code.begin(), UpperAscii);
            std::reverse(code.begin(), code.end());
        }
        buffer.SetText(2, std::move(code));
    }
    device.Commands(k)[static_cast<size_t>(buffer.GetNumber() - p.first)].Assign(buffer);
}

void ReadConfig(T_Command& buffer, TLexPipe& pipe, TLexema& lex, T_Command_DEVICE& device) {
    device.SetVersion({});
    std::string header;
    bool headerPhase = true;
    std::uint8_t prevKind = LexEnd;
    LineReader line(pipe, lex, buffer);
    for (;;) {
        pipe.GetLexema(kNormalMode, lex);
        if (headerPhase) AppendHeader(header, prevKind, lex, headerPhase);
        if (lex.GetKind() == LexLineEnd) continue;
        if (lex.GetKind() == LexEnd) break;
        const int k = FindCommand(lex);
        if (k == 0) continue;
        headerPhase = false;
        const std::int32_t n = ParseNumber(lex, k);
        if (n < 0) continue;
        buffer.SetKind(static_cast<std::uint8_t>(k));
        buffer.SetNumber(n);
        buffer.ResetValues();
        const TParamImage& p = ParamImage(k);
        if (line.Value1(p.format1) && line.Value2(p.format2)) ApplyCommand(buffer, device);
    }
    if (header.empty()) header = "??????";
    if (device.GetVersion().empty()) device.SetVersion(header);
}

void ReadConfigText(std::string text, T_Command_DEVICE& device) {
    TLexPipe pipe;
    TLexema lexeme;
    T_Command buffer;
    pipe.SetText(std::move(text));
    ReadConfig(buffer, pipe, lexeme, device);
}

} // namespace travo
