#include "Cli.h"

#include <optional>

#include "crypto/CryptoAttempt.h"
#include "crypto/CryptoFile.h"
#include "crypto/FileCipher.h"
#include "files/ConfigLoad.h"
#include "files/FileBytes.h"
#include "files/FormatGroups.h"
#include "rules/TypeRules.h"
#include "rules/Validation.h"
#include "text/ConfigWriter.h"
#include "text/Cp1251.h"
#include "text/TextLines.h"

namespace travo::cli {
namespace {

constexpr const char* kUsage = "usage: travo4gsm-cli defaults\n"
                               "       travo4gsm-cli normalize FILE [--key KEY | --key-file F]\n"
                               "       travo4gsm-cli decrypt FILE (--key KEY | --key-file F)\n"
                               "       travo4gsm-cli info FILE\n"
                               "       travo4gsm-cli check FILE [--key KEY | --key-file F]\n";

constexpr std::size_t kMaxKeyLength = 32; // what the key prompt takes
constexpr int kExitNotConfig = 65;        // check: a protected file that is no configuration

struct Args {
    std::string command;
    std::string file;
    std::optional<std::string> key; // Windows-1251, exactly as given
};

// A failure that ends the run with an exit code and a message for stderr.
struct Exit {
    int code;
    std::string message;
    bool usage = false;
};

void Write(std::ostream& out, const std::string& bytes) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool IsProtectedName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".cry";
}

std::optional<Exit> KeyFromUtf8(const std::string& utf8, Args& args) {
    auto key = Utf8ToCp1251(utf8);
    if (!key) return Exit{kExitUsage, "the key holds a character Windows-1251 lacks", true};
    if (key->size() > kMaxKeyLength)
        return Exit{kExitUsage, "the key is longer than 32 characters", true};
    args.key = std::move(*key);
    return std::nullopt;
}

std::optional<Exit> Parse(const std::vector<std::string>& raw, Args& args) {
    if (raw.empty()) return Exit{kExitUsage, "", true};
    args.command = raw[0];
    const bool takesFile = args.command == "normalize" || args.command == "decrypt" ||
                           args.command == "info" || args.command == "check";
    const bool takesKey = takesFile && args.command != "info";
    if (args.command == "defaults") {
        if (raw.size() != 1) return Exit{kExitUsage, "defaults takes no arguments", true};
        return std::nullopt;
    }
    if (!takesFile) return Exit{kExitUsage, "unknown command '" + args.command + "'", true};
    bool haveFile = false;
    for (size_t i = 1; i < raw.size(); ++i) {
        const std::string& a = raw[i];
        if (takesKey && (a == "--key" || a == "--key-file")) {
            if (args.key) return Exit{kExitUsage, "give the key once", true};
            if (i + 1 >= raw.size()) return Exit{kExitUsage, a + " needs a value", true};
            std::string value = raw[++i];
            if (a == "--key-file") {
                const auto bytes = ReadFileBytes(value);
                if (!bytes) return Exit{kExitNoInput, "cannot read key file '" + value + "'"};
                value = *bytes;
                // The line break an editor or echo leaves at the end is no part of the key.
                if (!value.empty() && value.back() == '\n') value.pop_back();
                if (!value.empty() && value.back() == '\r') value.pop_back();
            }
            if (auto e = KeyFromUtf8(value, args)) return e;
        } else if (!haveFile && (a.empty() || a[0] != '-' || a == "-")) {
            args.file = a;
            haveFile = true;
        } else {
            return Exit{kExitUsage, "unexpected argument '" + a + "'", true};
        }
    }
    if (!haveFile) return Exit{kExitUsage, args.command + " needs a FILE", true};
    if (args.command == "decrypt" && !args.key)
        return Exit{kExitUsage, "decrypt needs a key", true};
    return std::nullopt;
}

std::string ReadInput(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) throw Exit{kExitNoInput, "cannot read file '" + path + "'"};
    return *bytes;
}

std::string CryptoFailureText(int code) {
    switch (code) {
    case CryptoNotProtected:
    case CryptoBadSize: {
        const auto m = CryptoErrorMessage(code);
        return Cp1251ToUtf8(m.message) + " (" + Cp1251ToUtf8(m.recommendation) + ")";
    }
    case CryptoShortKey: return "the key is empty or blank";
    default: return Cp1251ToUtf8(W("(текущий ключ не верный)"));
    }
}

// The payload of a protected file, or an Exit with the result code.
std::string Decrypt(const Args& args, int notProtectedExit) {
    ReadInput(args.file); // a missing file is told apart from a foreign one
    if (!args.key) throw Exit{CryptoShortKey, "a protected file needs --key or --key-file"};
    const CryptoResult r = LoadCryptoFile(args.file, ExpandKeyText(*args.key));
    if (r.code != CryptoRead) {
        throw Exit{r.code == CryptoNotProtected ? notProtectedExit : r.code,
                   args.file + ": " + CryptoFailureText(r.code)};
    }
    return r.payload;
}

// Reads a file the way the editor opens it.
T_Command_DEVICE ReadConfiguration(const Args& args, int notProtectedExit) {
    T_Command_DEVICE device;
    if (IsProtectedName(args.file)) {
        const std::string payload = Decrypt(args, notProtectedExit);
        LoadConfigText(device, JoinLines(SplitLines(payload)));
        ApplyKeyCarryOver(device, *args.key);
    } else {
        LoadConfigText(device, JoinLines(SplitLines(ReadInput(args.file))));
        ApplyKeyCarryOver(device, {});
    }
    return device;
}

std::string ConfigText(const T_Command_DEVICE& device) {
    TextLines lines;
    WriteConfig(device, lines);
    return JoinLines(lines);
}

int Dispatch(const Args& args, std::ostream& out) {
    if (args.command == "defaults") {
        T_Command_DEVICE device;
        device.Reset();
        Write(out, ConfigText(device));
        return kExitOk;
    }
    if (args.command == "normalize") {
        Write(out, ConfigText(ReadConfiguration(args, CryptoNotProtected)));
        return kExitOk;
    }
    if (args.command == "decrypt") {
        Write(out, Decrypt(args, CryptoNotProtected));
        return kExitOk;
    }
    if (args.command == "info") {
        const CryptoHeader h = ReadCryptoHeader(ReadInput(args.file).substr(0, 100));
        Write(out, h.alias + '\t' + FormatIdentifier(h.ident) + '\n');
        return kExitOk;
    }
    // check
    T_Command_DEVICE device = ReadConfiguration(args, kExitNotConfig);
    ApplyUnloadRules(device);
    const auto faults = AllFaults(device);
    for (const Fault& f : faults) {
        out << Cp1251ToUtf8(PageCaption(f.page)) << '\t' << Cp1251ToUtf8(f.message) << '\t'
            << Cp1251ToUtf8(f.recommendation) << '\n';
    }
    return faults.empty() ? kExitOk : 1;
}

} // namespace

int Run(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err) {
    Args args;
    std::optional<Exit> failure = Parse(raw, args);
    if (!failure) {
        try {
            return Dispatch(args, out);
        } catch (const Exit& e) {
            failure = e;
        }
    }
    if (!failure->message.empty()) err << "travo4gsm-cli: " << failure->message << "\n";
    if (failure->usage) err << kUsage;
    return failure->code;
}

} // namespace travo::cli
