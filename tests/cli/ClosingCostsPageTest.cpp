#include "RunCalc.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvarin::testing::ReadFile;
using kelvarin::testing::RunCalc;

// The sample ratios and fees, so that the sample figures come out whatever the program folder holds.
constexpr const char* kSampleDefaults =
    "; closing cost samples\r\n"
    "[Ratios]\r\nHRatio=28\r\nDRatio=40\r\n"
    "[ClosingCosts]\r\nAppraisalFee=275\r\nCreditReport=47\r\n"
    "TaxServiceFee=275\r\nLendersInspectionFee=525\r\nTitleInsurance=0\r\n"
    "TitleSearch=55\r\nEscrowClosingFee=0\r\nRecordingFee=125\r\n"
    "OtherFees=25\r\nSellerPaid=0\r\n";

class ClosingCostsPage : public testing::Test {
protected:
    ClosingCostsPage() {
        char name[] = "/tmp/kelvarin-ecc-cli-XXXXXX";
        folder = ::mkdtemp(name);
        std::ofstream(file(), std::ios::binary) << kSampleDefaults;
    }
    ~ClosingCostsPage() override { fs::remove_all(folder); }

    fs::path file() const { return folder / "ZELK.INI"; }
    // The page with the sample inputs typed after the given steps.
    kelvarin::testing::Outcome run(std::vector<std::string> before, std::vector<std::string> after = {}) {
        std::vector<std::string> args{"page", "pgEstimatedClosingCosts", "--defaults", file().string()};
        args.insert(args.end(), before.begin(), before.end());
        for (const char* input : {"edtECCIncome=4000", "edtECCDebt=450", "edtEccInterest=7", "edtEccTerm=30",
                                  "edtEccDownPaymentPercent=20", "edtECCTax=1800", "edtECCInsurance=360"})
            args.emplace_back(input);
        args.insert(args.end(), after.begin(), after.end());
        return RunCalc(args);
    }
    static void expectLines(const kelvarin::testing::Outcome& outcome,
                            const std::vector<std::string>& lines) {
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        for (const std::string& line : lines)
            EXPECT_NE(("\n" + outcome.out).find("\n" + line + "\n"), std::string::npos) << line << "\n"
                                                                                        << outcome.out;
    }

    fs::path folder;
};

TEST_F(ClosingCostsPage, SampleFiguresFromIncome) {
    // The panels load the file's fees and the held escrow counts; typing then recalculates.
    const auto outcome = run({"click:btnCalcClosing", "click:btnClosePnlClosing", "click:btnCalcEscrows",
                              "click:btnClosePnlEscrow"});
    expectLines(outcome, {"edtEccHousingRatio=28", "edtEccDebtRatio=40", "edtEccCPurchasePrice=170000",
                          "edtEccCDownPayment=34000", "edtEccCLoanAmount=136000", "edtEccCPandI=904.81",
                          "edtEccCpmi=0", "edtEccCMonthlyPayment=1084.81", "edtEccCHousingRatio=27",
                          "edtEccCDebtRatio=38", "edtEccCClosingCosts=1327", "edtII=391.23", "edtPTI=450",
                          "edtEccCEscrows=1261.23", "edtEccCCashRequiredToClose=36588.23"});
}

struct ModeCase {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::string> lines;
};

class ClosingCostsModes : public ClosingCostsPage, public testing::WithParamInterface<ModeCase> {};

TEST_P(ClosingCostsModes, DeriveTheOtherAmounts) {
    const ModeCase& c = GetParam();
    expectLines(run({}, c.steps), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ClosingCostsModes,
    testing::Values(
        ModeCase{"price_typed",
                 {"click:btnUnlockPurchasePrice", "edtEccCPurchasePrice=200000"},
                 {"edtEccCDownPayment=40000", "edtEccCLoanAmount=160000", "edtEccCPandI=1064.48"}},
        ModeCase{"price_and_down_payment_typed",
                 {"click:btnUnlockPurchasePrice", "click:btnUnlockDownPayment", "edtEccCPurchasePrice=200000",
                  "edtEccCDownPayment=30000"},
                 {"edtEccCLoanAmount=170000", "edtEccDownPaymentPercent=15", "edtEccCpmi=45.33",
                  "edtPMIPercent=0.0032"}},
        ModeCase{"down_payment_typed_keeps_the_price",
                 {"click:btnUnlockDownPayment", "edtEccCDownPayment=17000"},
                 {"edtEccCPurchasePrice=170000", "edtEccCLoanAmount=153000", "edtEccDownPaymentPercent=10",
                  "edtEccCpmi=66.3"}},
        ModeCase{"loan_and_down_payment_typed",
                 {"click:btnUnlockDownPayment", "click:btnUnlockLoanAmount", "edtEccCLoanAmount=150000",
                  "edtEccCDownPayment=50000"},
                 {"edtEccCPurchasePrice=200000", "edtEccDownPaymentPercent=25", "edtEccCPandI=997.95"}},
        ModeCase{"loan_typed",
                 {"click:btnUnlockLoanAmount", "edtEccDownPaymentPercent=5", "edtEccCLoanAmount=190000"},
                 {"edtEccCPurchasePrice=200000", "edtEccCDownPayment=10000", "edtEccCpmi=123.5"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ClosingCostsPage, LockedAmountCannotBeTyped) {
    const auto outcome = RunCalc(
        {"page", "pgEstimatedClosingCosts", "--defaults", file().string(), "edtEccCPurchasePrice=100000"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("field 'edtEccCPurchasePrice' cannot be typed into"), std::string::npos)
        << outcome.err;
}

TEST_F(ClosingCostsPage, EnteringBringsTheHeldRatios) {
    std::ofstream(file(), std::ios::binary) << "[Ratios]\r\nHRatio=33.5\r\n";
    const auto outcome = RunCalc({"page", "pgEstimatedClosingCosts", "--defaults", file().string()});
    expectLines(outcome, {"edtEccHousingRatio=34", "edtEccDebtRatio=36"});
}

TEST_F(ClosingCostsPage, ClosingThePanelSavesTheFeesAndKeepsTheRest) {
    const auto outcome = RunCalc({"page", "pgEstimatedClosingCosts", "--defaults", file().string(),
                                  "click:btnCalcClosing", "edtAF=350", "click:btnClosePnlClosing"});
    expectLines(outcome, {"edtAF=350", "edtCR=47"});
    const std::string saved = ReadFile(file());
    EXPECT_NE(saved.find("; closing cost samples\r\n[Ratios]\r\nHRatio=28\r\nDRatio=40\r\n[ClosingCosts]\r\n"
                         "AppraisalFee=350\r\nCreditReport=47\r\n"),
              std::string::npos)
        << saved;
}

TEST_F(ClosingCostsPage, OnlyOnePanelOpens) {
    const auto outcome = RunCalc({"page", "pgEstimatedClosingCosts", "--defaults", file().string(),
                                  "click:btnCalcClosing", "click:btnCalcEscrows"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.err.find("btnCalcEscrows is disabled"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.out.find("\nedtIIDays=0\n"), std::string::npos) << outcome.out;
}

// Without --defaults the run leaves the program's own ZELK.INI alone, even when a panel closes.
TEST(ClosingCostsPageDefaults, ProgramFolderFileIsOnlyRead) {
    const fs::path programFile = fs::path(KELVARIN_CALC_PATH).parent_path() / "ZELK.INI";
    if (fs::exists(programFile))
        GTEST_SKIP() << programFile << " exists";
    const auto outcome =
        RunCalc({"page", "pgEstimatedClosingCosts", "click:btnCalcClosing", "edtAF=350",
                 "click:btnClosePnlClosing", "click:btnCalcEscrows", "click:btnClosePnlEscrow"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("\nedtAF=350\n"), std::string::npos) << outcome.out;
    EXPECT_FALSE(fs::exists(programFile));
}

} // namespace
