// trellon-cli's own help and version: every command answers --help with its usage and --version with the
// program's version, on stdout and with exit status 0.
#include "clirunner.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::vector<std::string> commandNames{"decode", "show", "evaluate", "txt",     "csv",  "docx",
                                            "xlsx",   "bmp",  "pdf",      "receive", "ports"};
const std::string versionLine = std::string("trellon-cli ") + TRELLON_VERSION + "\n";

TEST(CliUsage, everyCommandAnswersHelpWithItsOwnUsage)
{
    for (const std::string& name : commandNames) {
        for (const char* flag : {"--help", "-h"}) {
            const CliRun run = runCli({name, flag});
            EXPECT_EQ(run.status, 0) << name << ' ' << flag << ": " << run.err;
            EXPECT_EQ(run.out.rfind("usage: trellon-cli " + name + ' ', 0), 0u) << run.out;
            EXPECT_EQ(run.out.find("trellon-cli ", run.out.find("trellon-cli ") + 1), std::string::npos)
                << "only this command: " << run.out;
            EXPECT_TRUE(run.err.empty()) << run.err;
        }
    }
    // Help wins over arguments that would otherwise be refused, and nothing is written.
    ScratchFolder folder;
    const CliRun run = runCli({"txt", "missing.gj", "-o", (folder / "out.txt").string(), "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: trellon-cli txt FILE.gj -o OUT.txt\n", 0), 0u) << run.out;
    EXPECT_EQ(folder.entries(), 0u);
}

TEST(CliUsage, programAndEveryCommandPrintTheVersion)
{
    const CliRun program = runCli({"--version"});
    EXPECT_EQ(program.status, 0);
    EXPECT_EQ(program.out, versionLine);
    for (const std::string& name : commandNames) {
        const CliRun run = runCli({name, "--version"});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out, versionLine) << name;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

TEST(CliUsage, programHelpListsEveryCommandAndHowToAskForMore)
{
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const std::string& name : commandNames)
        EXPECT_NE(run.out.find("  trellon-cli " + name + ' '), std::string::npos) << name;
    EXPECT_NE(run.out.find("trellon-cli COMMAND --help"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("trellon-cli --version"), std::string::npos) << run.out;

    const CliRun unknown = runCli({"--versions"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
}

} // namespace
} // namespace trellon
