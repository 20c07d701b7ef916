#include "print/report_cli.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rc::print {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "rcedit");
    std::ostringstream out, err;
    int status = RunReportCommand(args, out, err);
    return {status, out.str(), err.str()};
}

class ReportCli : public ::testing::Test {
protected:
    void SetUp() override { test::WriteFile(image, std::string(8192, '\0')); }
    test::TempFolder folder;
    const fs::path dir = folder.path();
    const std::string image = folder.Path("site.HR8");
};

TEST_F(ReportCli, JobsPrintInTableOrderWhateverOrderTheyAreNamedToTheScreenOrAFile) {
    CliRun r = Cli({"--report", "timers,codes", image});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_LT(r.out.find("Base Control Codes"), r.out.find("Base Timers"));
    EXPECT_EQ(Cli({"--report=codes,timers", image}).out, r.out);
    EXPECT_NE(r.out.find("File:  " + image), std::string::npos) << "the path as given";
    const std::string out = (dir / "report.txt").string();
    const CliRun toFile = Cli({"--report", "timers,codes", "--output", out, image});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    EXPECT_EQ(test::ReadFile(out), r.out);
    EXPECT_EQ(Cli({"--report", "codes", "--output", (dir / "no" / "r.txt").string(), image}).status, 1);
    // "-" is standard output; after "--" every word is a file.
    EXPECT_EQ(Cli({"--report", "timers,codes", "--output", "-", "--", image}).out, r.out);
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(ReportCli, RefusedFilesAndBadArgumentsExitWithTwo) {
    std::string shortFile = (dir / "short.HR8").string();
    std::ofstream(shortFile) << "x";
    fs::permissions(shortFile, fs::perms::owner_read);
    struct Case {
        std::vector<std::string> args;
        std::string errPart;
    } cases[] = {
        {{"--report", "codes", shortFile}, "Error, Incorrect Halden R8 Filename or File is Corrupted"},
        {{"--report", "codes", (dir / "gone.HR8").string()},
         "Halden R8 File Open Error!\nFile May Be Missing"},
        {{"--report", "bogus", image}, "valid names: codes, mem-codes, timers, mem-timers"},
        {{"--report", "codes", "--format", "pdf", image}, "unknown format"},
        {{"--report", "codes"}, "no image file"},
        {{"--report"}, "--report needs a value"},
        {{"--report", "codes", "--output=", image}, "--output needs a value"},
        {{"--report", "--output", "x.txt", "codes", image},
         "--report needs a value (\"--output\" is an option"},
        {{"--report", "codes", "--", "--output", "x.txt", image}, "only one image file"},
        {{"--frobnicate", "--report", "codes", image}, "unknown option"},
        {{"--report", "codes", image, image}, "only one image file"},
        {{"--report", "codes", "--output", shortFile, image}, shortFile + " is read-only"},
    };
    for (const Case& c : cases) {
        CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, 2) << c.errPart;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

// Records what the PDF side was given; fails when told to.
struct FakePdf : IPdfReports {
    bool works = true;
    std::vector<Document> written;
    int FontSize() override { return 12; }
    bool DrawPdf(const std::vector<Document>& docs, std::string& pdf, std::string& error) override {
        written = docs;
        pdf = "%PDF-1.4\n";
        if (!works)
            error = "no font";
        return works;
    }
};

TEST_F(ReportCli, PdfFormatHandsTheSameDocumentsToThePdfSide) {
    FakePdf pdf;
    std::ostringstream out, err;
    const std::string target = (dir / "r.pdf").string();
    std::vector<std::string> args = {"rcedit", "--report", "timers,codes", "--format", "pdf", image};
    EXPECT_EQ(RunReportCommand(args, out, err, &pdf), 2) << "a PDF needs --output";
    EXPECT_NE(err.str().find("--output"), std::string::npos);
    args.insert(args.end() - 1, {"--output", target});
    ASSERT_EQ(RunReportCommand(args, out, err, &pdf), 0) << err.str();
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(test::ReadFile(target), "%PDF-1.4\n");
    ASSERT_EQ(pdf.written.size(), 2u);
    EXPECT_EQ(pdf.written[0].pages[0].lines[1].fontSize, 12) << "headings at the printer font size";
    // Standard output that is not a terminal takes the PDF as it is.
    args[args.size() - 2] = "-";
    ASSERT_EQ(RunReportCommand(args, out, err, &pdf), 0) << err.str();
    EXPECT_EQ(out.str(), "%PDF-1.4\n");
    pdf.works = false;
    EXPECT_EQ(RunReportCommand(args, out, err, &pdf), 1);
    EXPECT_NE(err.str().find("no font"), std::string::npos);
}

} // namespace
} // namespace rc::print
