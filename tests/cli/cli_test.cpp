// trellon-cli as a user runs it: the bundled sample, malformed input, exit statuses and outputs.
#include "clirunner.h"

#include "evaluation/checkedsetverdict.h"
#include "evaluation/statistics.h"
#include "model/projectfile.h"
#include "reports/textexport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string samples = std::string(TRELLON_SOURCE_DIR) + "/data/samples/";
const std::string sampleTransfer = samples + "site-survey.transfer";
const std::string sampleProject = samples + "site-survey.gj";

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliDecode, writesTheReceivedDataFileOfTheSampleInAnyChunking)
{
    ScratchFolder folder;
    for (const char* chunk : {"", "1", "7", "32", "100000"}) {
        const std::string out = (folder / ("chunk" + std::string(chunk) + ".gj")).string();
        std::vector<std::string> args{"decode", sampleTransfer, "-o", out};
        if (*chunk) {
            args.push_back("--chunk");
            args.push_back(chunk);
        }
        const CliRun run = runCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(fileContent(out), fileContent(samples + "site-survey-received.gj")) << "chunk " << chunk;
    }
}

TEST(CliDecode, incompleteOrRefusedFramesWriteNothingAndExit1)
{
    ScratchFolder folder;
    const std::string capture = fileContent(sampleTransfer);
    std::string backwards = capture;
    backwards[12 + 7 + 6] = 0; // second member's offset before the first's end ...
    backwards[12 + 6] = 5;     // ... and the first member starting after it
    const std::vector<std::pair<std::string, std::string>> inputs{
        {"cut", capture.substr(0, capture.size() - 1)},
        {"header only", capture.substr(0, 10)},
        {"noise first", "\x01" + capture},
        {"empty", ""},
        {"backwards", backwards},
        {"no members", std::string("\x55\0\0\0\0\0\0\0\0\x02\0\0\x07\x08", 14)},
    };
    const auto output = folder / "out.gj";
    writeFile(output, "previous");
    for (const auto& [what, bytes] : inputs) {
        writeFile(folder / "capture", bytes);
        const CliRun run = runCli({"decode", (folder / "capture").string(), "-o", output.string()});
        EXPECT_EQ(run.status, 1) << what;
        EXPECT_EQ(lineCount(run.err), 1) << what << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << what;
        EXPECT_EQ(fileContent(output), "previous") << what;
    }
    EXPECT_EQ(folder.entries(), 2u) << "no temporary file may be left";
}

TEST(CliDecode, reasonsNameWhatIsWrong)
{
    ScratchFolder folder;
    writeFile(folder / "cut", fileContent(sampleTransfer).substr(0, 100));
    const CliRun cut = runCli({"decode", (folder / "cut").string(), "-o", (folder / "o.gj").string()});
    EXPECT_NE(cut.err.find("incomplete frame: 100 of 588 bytes"), std::string::npos) << cut.err;

    const CliRun missing = runCli({"decode", (folder / "absent").string(), "-o", (folder / "o.gj").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("absent"), std::string::npos);
}

TEST(CliUsage, badArgumentsExit2)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"decode", sampleTransfer},
             {"decode", sampleTransfer, "-o", "/tmp/x.gj", "--chunk", "0"},
             {"decode", sampleTransfer, "-o", "/tmp/x.gj", "--chunk", "many"},
             {"show"},
             {"show", sampleProject, "--yaml"},
             {"txt", sampleProject},
         }) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(runCli({"--help"}).status, 0);
}

TEST(CliShow, jsonCarriesEveryFieldTheVerdictAndThePageCount)
{
    const CliRun run = runCli({"show", sampleProject, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["format"], "VER1.2");
    ASSERT_EQ(j["memberCount"], j["members"].size());

    auto loaded = readProjectFile(sampleProject);
    ASSERT_TRUE(loaded);
    Project& project = *loaded.value().project;
    recomputeStatistics(project);
    ASSERT_EQ(j["memberCount"], project.memberCount());
    const auto& first = j["members"][0];
    EXPECT_EQ(first.size(), 32u);
    EXPECT_EQ(first["name"], "一层 KL1 梁底");
    EXPECT_EQ(first["samples"].size(), project.members[0].samples.size());
    EXPECT_EQ(first["meanCover"], project.members[0].meanCover);
    EXPECT_FLOAT_EQ(first["passRatio"].get<float>(), project.members[0].passRatio);

    const Verdict verdict = checkedSetVerdict(project);
    EXPECT_EQ(j["verdict"]["points"], verdict.points);
    EXPECT_EQ(j["verdict"]["acceptable"], verdict.acceptable);
    EXPECT_EQ(j["verdict"]["result"], verdictText(verdict));
    EXPECT_EQ(j["pages"]["total"].get<int>(),
              j["pages"]["list"].get<int>() + j["pages"]["grid"].get<int>() + j["pages"]["section"].get<int>());
}

TEST(CliShow, readsOlderVersionsAndRefusesBrokenFiles)
{
    ScratchFolder folder;
    std::string ver11("VER1.1\0\0\0\0\x01\0\0\0", 14);
    ver11 += std::string(50, '\0').replace(0, 1, "A") + "1001" + std::string(48, '\0');
    writeFile(folder / "old.gj", ver11);
    const CliRun old = runCli({"show", (folder / "old.gj").string(), "--json"});
    ASSERT_EQ(old.status, 0) << old.err;
    const auto j = nlohmann::json::parse(old.out);
    EXPECT_EQ(j["format"], "VER1.1");
    EXPECT_EQ(j["members"][0]["name"], "A");

    writeFile(folder / "cut.gj", fileContent(sampleProject).substr(0, 500));
    const CliRun cut = runCli({"show", (folder / "cut.gj").string()});
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(cut.out.empty());
    EXPECT_EQ(lineCount(cut.err), 1);
}

TEST(CliTxt, writesTheTextReportOfTheRecomputedProject)
{
    ScratchFolder folder;
    const auto out = folder / "report.txt";
    const CliRun run = runCli({"txt", sampleProject, "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    auto loaded = readProjectFile(sampleProject);
    ASSERT_TRUE(loaded);
    recomputeStatistics(*loaded.value().project);
    EXPECT_EQ(fileContent(out), renderTextExport(*loaded.value().project));
}

TEST(CliTxt, unwritableTargetSaysSoWithItsPathAndCreatesNothing)
{
    ScratchFolder folder;
    const std::string target = (folder / "absent" / "report.txt").string();
    const CliRun run = runCli({"txt", sampleProject, "-o", target});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("trellon-cli: Can't open Project data file.", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
    EXPECT_EQ(lineCount(run.err), 1);
    EXPECT_EQ(folder.entries(), 0u);
}

TEST(SampleData, bundledFilesAreWhatTheGeneratorMakes)
{
    ScratchFolder folder;
    const CliRun run = runProgram(TRELLON_SAMPLE_GENERATOR, {(folder / "x").parent_path().string()});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"site-survey.transfer", "site-survey-received.gj", "site-survey.gj"})
        EXPECT_EQ(fileContent(folder / name), fileContent(samples + name)) << name << ": run make samples";
}

} // namespace
} // namespace trellon
