#include "Cli.h"

#include "files/ConfigLoad.h"
#include "files/FileBytes.h"
#include "text/ConfigWriter.h"
#include "text/TextLines.h"

namespace travo::cli {
namespace {

constexpr const char* kUsage = "usage: travo4gsm-cli defaults\n"
                               "       travo4gsm-cli normalize FILE\n";

int Usage(std::ostream& err, const std::string& problem) {
    if (!problem.empty()) err << "travo4gsm-cli: " << problem << "\n";
    err << kUsage;
    return kExitUsage;
}

void PrintConfig(const T_Command_DEVICE& device, std::ostream& out) {
    TextLines lines;
    WriteConfig(device, lines);
    const std::string text = JoinLines(lines);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

int Defaults(std::ostream& out) {
    T_Command_DEVICE device;
    device.Reset();
    PrintConfig(device, out);
    return kExitOk;
}

int Normalize(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        err << "travo4gsm-cli: cannot read file '" << path << "'\n";
        return kExitNoInput;
    }
    T_Command_DEVICE device;
    LoadConfigText(device, JoinLines(SplitLines(*bytes)));
    ApplyKeyCarryOver(device, {});
    PrintConfig(device, out);
    return kExitOk;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err, "");
    const std::string& command = args[0];
    if (command == "defaults") {
        if (args.size() != 1) return Usage(err, "defaults takes no arguments");
        return Defaults(out);
    }
    if (command == "normalize") {
        if (args.size() != 2) return Usage(err, "normalize takes one FILE");
        return Normalize(args[1], out, err);
    }
    return Usage(err, "unknown command '" + command + "'");
}

} // namespace travo::cli
