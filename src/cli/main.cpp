// trellon-cli: decode transfers, show and export projects without the desktop.
#include "clicommand.h"

#include <functional>
#include <iostream>
#include <new>
#include <string_view>

namespace {

using trellon::cli::exitUsage;

struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::function<int(const std::vector<std::string>&)> run;
};

const std::vector<Command>& commands()
{
    static const std::vector<Command> table{
        {"decode", "decode CAPTURE -o OUT.gj [--chunk N]", trellon::cli::runDecodeCommand},
        {"show", "show FILE.gj [--json]", trellon::cli::runShowCommand},
        {"txt", "txt FILE.gj -o OUT.txt", trellon::cli::runTxtCommand},
        {"docx", "docx FILE.gj -o OUT.docx [--format normal|yunnan] [--params FILE]", trellon::cli::runDocxCommand},
        {"xlsx", "xlsx FILE.gj -o OUT.xlsx", trellon::cli::runXlsxCommand},
        {"bmp", "bmp FILE.gj --member INDEX -o OUT.bmp [--size WxH]", trellon::cli::runBmpCommand},
        {"pdf", "pdf FILE.gj -o OUT.pdf [--print-settings FILE]", trellon::cli::runPdfCommand},
        {"receive", "receive (--serial PORT | --usb N [--usb-id VVVV:PPPP] | --usb-sim CAPTURE | --usb-demo) -o OUT.gj",
         trellon::cli::runReceiveCommand},
    };
    return table;
}

void printUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const auto& command : commands())
        out << "  trellon-cli " << command.synopsis << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    if (argc < 2) {
        printUsage(std::cerr);
        return exitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h") {
        printUsage(std::cout);
        return 0;
    }
    for (const auto& command : commands()) {
        if (command.name != name)
            continue;
        try {
            return command.run(args);
        } catch (const trellon::cli::UsageError& error) {
            std::cerr << "trellon-cli " << name << ": " << error.what() << '\n';
            printUsage(std::cerr);
            return exitUsage;
        } catch (const std::bad_alloc&) {
            return trellon::cli::fail("not enough memory");
        }
    }
    std::cerr << "trellon-cli: unknown command " << name << '\n';
    printUsage(std::cerr);
    return exitUsage;
}
