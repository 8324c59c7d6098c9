// trellon-cli: decode transfers, show and export projects without the desktop.
#include "clicommand.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <new>
#include <string_view>

namespace {

using trellon::cli::exitUsage;

constexpr std::string_view programName = "trellon-cli";

struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::function<int(const std::vector<std::string>&)> run;
};

const std::vector<Command>& commands()
{
    static const std::vector<Command> table{
        {"decode", "decode CAPTURE -o OUT.gj [--chunk N]",
         "Decodes a recorded transfer, fed N bytes at a time, into the received-data file OUT.gj.",
         trellon::cli::runDecodeCommand},
        {"show", "show FILE.gj [--json]",
         "Prints every member of a project with all its fields; --json prints one JSON object.",
         trellon::cli::runShowCommand},
        {"evaluate", "evaluate FILE.gj [--json] [--points-per-bar K] [--pdf OUT.pdf]",
         "Judges the ticked members in beam and slab lots: statistics, verdicts, limits and sample sizes; K (1 to "
         "5) readings of a single-point member make one bar, overriding the project's setting. --pdf writes the "
         "evaluation report as an A4 PDF instead of printing the summary.",
         trellon::cli::runEvaluateCommand},
        {"txt", "txt FILE.gj -o OUT.txt", "Writes the text report of a project (GBK, CR LF line ends).",
         trellon::cli::runTxtCommand},
        {"csv", "csv FILE.gj -o OUT.csv",
         "Writes one row per reading of every member as CSV (UTF-8 with a byte-order mark, CR LF line ends).",
         trellon::cli::runCsvCommand},
        {"docx", "docx FILE.gj -o OUT.docx [--format normal|yunnan] [--params FILE] [--conclusion rate|appendix-e]",
         "Writes the Word report of the ticked members with the report parameters' defaults or those of FILE. "
         "The normal format concludes on the project's basis unless --conclusion names one for this report: the "
         "rate of every ticked point against 90 %, or the verdicts of the beam and slab lots (GB 50204-2015 "
         "appendix E).",
         trellon::cli::runDocxCommand},
        {"xlsx", "xlsx FILE.gj -o OUT.xlsx", "Writes the spreadsheet report of the ticked members.",
         trellon::cli::runXlsxCommand},
        {"bmp", "bmp FILE.gj --member INDEX -o OUT.bmp [--size WxH]",
         "Paints the diagram of the section or grid member at array index INDEX (0 for the first) as a 24-bit "
         "bitmap, 600x400 pixels unless sized.",
         trellon::cli::runBmpCommand},
        {"pdf", "pdf FILE.gj -o OUT.pdf [--print-settings FILE]",
         "Writes the print run of the ticked members as an A4 PDF, with the page numbers of the initial print "
         "settings or of FILE.",
         trellon::cli::runPdfCommand},
        {"receive", "receive (--serial PORT | --usb N [--usb-id VVVV:PPPP] | --usb-sim CAPTURE | --usb-demo) -o OUT.gj",
         "Receives a transfer from the instrument into OUT.gj, keeping the bytes as received in OUT.raw.",
         trellon::cli::runReceiveCommand},
        {"ports", "ports [--usb-id VVVV:PPPP]",
         "Lists the serial ports and the USB instruments found, one per line: the option that picks it for "
         "receive, the port or the device's bus and address, and the ids.",
         trellon::cli::runPortsCommand},
    };
    return table;
}

void printUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const auto& command : commands())
        out << "  " << programName << ' ' << command.synopsis << '\n';
    out << "  " << programName << " COMMAND --help\n";
    out << "  " << programName << " --version\n";
}

void printCommandHelp(std::ostream& out, const Command& command)
{
    out << "usage: " << programName << ' ' << command.synopsis << '\n' << command.summary << '\n';
}

void printVersion(std::ostream& out)
{
    out << programName << ' ' << TRELLON_VERSION << '\n';
}

bool isHelpFlag(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

bool isVersionFlag(std::string_view arg)
{
    return arg == "--version";
}

// A help or version request anywhere among a command's arguments is answered instead of running the command.
bool asks(const std::vector<std::string>& args, bool (*matches)(std::string_view))
{
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) { return matches(arg); });
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
    if (isHelpFlag(name)) {
        printUsage(std::cout);
        return 0;
    }
    if (isVersionFlag(name)) {
        printVersion(std::cout);
        return 0;
    }
    for (const auto& command : commands()) {
        if (command.name != name)
            continue;
        if (asks(args, isHelpFlag)) {
            printCommandHelp(std::cout, command);
            return 0;
        }
        if (asks(args, isVersionFlag)) {
            printVersion(std::cout);
            return 0;
        }
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
