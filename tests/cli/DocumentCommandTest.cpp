#include "RunCalc.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvarin::testing::RunCalc;

class DocumentCommandTest : public testing::Test {
protected:
    DocumentCommandTest() {
        folder = fs::temp_directory_path() / ("kelvarin-cli-doc-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~DocumentCommandTest() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    std::string file(const char* name) const { return (folder / name).string(); }
    static bool hasLine(const std::string& out, const std::string& line) {
        return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
    }
    fs::path folder;
};

TEST_F(DocumentCommandTest, SaveFillsADocumentThatOpenBringsBack) {
    const std::string doc = file("filled.zlk");
    auto saved =
        RunCalc({"page", "pgQuickCalculators", "click:mnuResetAllSamples", "edtLA=123456", "--save", doc});
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_TRUE(fs::exists(doc));

    auto quick = RunCalc({"page", "pgQuickCalculators", "--open", doc});
    ASSERT_EQ(quick.status, 0) << quick.err;
    EXPECT_TRUE(hasLine(quick.out, "edtLA=123456")) << quick.out;
    auto qualifier = RunCalc({"page", "pgMortgageQualifier", "--open", doc});
    EXPECT_TRUE(hasLine(qualifier.out, "edtMQLoan1=135866.75")) << qualifier.out;
}

TEST_F(DocumentCommandTest, ResetMenuCommandsByName) {
    struct Case {
        std::vector<std::string> steps;
        std::string line;
    };
    const std::vector<Case> cases{
        {{"click:mnuResetSamples"}, "edtMQLoan2=120195.96"},
        {{"click:mnuResetAllSamples"}, "edtMQPurchasePrice3=125693.16"},
        {{"click:mnuResetSamples", "click:mnuResetThisZero"}, "edtMQLoan2=0"},
        {{"click:mnuResetAllSamples", "click:mnuResetAllZero"}, "edtIncome1=0"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"page", "pgMortgageQualifier"};
        args.insert(args.end(), c.steps.begin(), c.steps.end());
        auto outcome = RunCalc(args);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_TRUE(hasLine(outcome.out, c.line)) << c.steps.back() << "\n" << outcome.out;
    }
}

TEST_F(DocumentCommandTest, ADocumentThatCannotBeReadEndsTheRunAndSavesNothing) {
    std::ofstream(file("bad.zlk"), std::ios::binary) << "0\r\n0\r\nnot a number\r\n";
    for (const char* name : {"bad.zlk", "missing.zlk"}) {
        auto outcome =
            RunCalc({"page", "pgQuickCalculators", "--open", file(name), "--save", file("out.zlk")});
        EXPECT_EQ(outcome.status, 5) << name << ": " << outcome.err;
        EXPECT_FALSE(fs::exists(file("out.zlk"))) << name;
    }
}

} // namespace
