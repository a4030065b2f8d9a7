#include "workspace/DefaultsFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <variant>
#include <vector>

#if __has_include(<sys/stat.h>) && __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define KELVARIN_HAVE_FIFO 1
#endif

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define KELVARIN_HAVE_RLIMIT 1
#endif

namespace kelvarin::workspace {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        m_path = fs::temp_directory_path() /
                 ("kelvarin-defaults-" + std::to_string(random()) + "-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const fs::path& path() const { return m_path; }
    [[nodiscard]] fs::path operator/(const fs::path& name) const { return m_path / name; }

private:
    fs::path m_path;
};

void writeText(const fs::path& path, std::string_view text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool sameNameForTest(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

template <class Case> std::string rowName(const ::testing::TestParamInfo<Case>& row) {
    return row.param.name;
}

const RegionalSettings us = RegionalSettings::unitedStates();
const RegionalSettings german = RegionalSettings::germanStyle();

using Member = std::variant<std::int32_t HeldValues::*, double HeldValues::*>;

double valueOf(const HeldValues& held, const Member& member) {
    return std::visit([&](auto pointer) { return static_cast<double>(held.*pointer); }, member);
}

// ---- Start-up load ----

struct ExpectedDefault {
    const char* name;
    Member member;
    double value;
};

const ExpectedDefault expectedDefaults[] = {
    {"DefaultValueSet", &HeldValues::DefaultValueSet, 1},
    {"Loan", &HeldValues::Loan, 100000},
    {"Interest", &HeldValues::Interest, 8.75},
    {"Term", &HeldValues::Term, 360},
    {"AmortPayment", &HeldValues::AmortPayment, 786.7},
    {"Month", &HeldValues::Month, 1},
    {"Year", &HeldValues::Year, 2000},
    {"Federal", &HeldValues::Federal, 22},
    {"State", &HeldValues::State, 2.5},
    {"Downpayment", &HeldValues::Downpayment, 20000},
    {"DefaultCalc", &HeldValues::DefaultCalc, 0},
    {"HRatio", &HeldValues::HRatio, 28},
    {"DRatio", &HeldValues::DRatio, 36},
    {"Pmip308085", &HeldValues::Pmip308085, 0.0032},
    {"Pmip308590", &HeldValues::Pmip308590, 0.0052},
    {"Pmip309095", &HeldValues::Pmip309095, 0.0078},
    {"Pmip309597", &HeldValues::Pmip309597, 0.009},
    {"Pmip158085", &HeldValues::Pmip158085, 0.0019},
    {"Pmip158590", &HeldValues::Pmip158590, 0.0023},
    {"Pmip159095", &HeldValues::Pmip159095, 0.0056},
    {"Pmip159597", &HeldValues::Pmip159597, 0.0079},
    {"AppraisalFee", &HeldValues::AppraisalFee, 300},
    {"CreditReport", &HeldValues::CreditReport, 42},
    {"TaxServiceFee", &HeldValues::TaxServiceFee, 85},
    {"LendersInspectionFee", &HeldValues::LendersInspectionFee, 0},
    {"TitleInsurance", &HeldValues::TitleInsurance, 200},
    {"TitleSearch", &HeldValues::TitleSearch, 100},
    {"EscrowClosingFee", &HeldValues::EscrowClosingFee, 75},
    {"RecordingFee", &HeldValues::RecordingFee, 50},
    {"OtherFees", &HeldValues::OtherFees, 300},
    {"SellerPaid", &HeldValues::SellerPaid, 0},
    {"InterimInterestDays", &HeldValues::InterimInterestDays, 15},
    {"PropertyTaxMonths", &HeldValues::PropertyTaxMonths, 3},
    {"HomeownersFirstYear", &HeldValues::HomeownersFirstYear, 12},
    {"HomeownersRenewalMonths", &HeldValues::HomeownersRenewalMonths, 2},
};

TEST(DefaultsLoad, MissingFileGivesEveryDefaultAndFeedsSharedState) {
    TempFolder folder;
    SharedState state;
    state.ValueSet = 7;
    const HeldValues held = loadDefaults(DefaultsFile(folder / "ZELK.INI", us), state);
    for (const ExpectedDefault& row : expectedDefaults) {
        EXPECT_EQ(valueOf(held, row.member), row.value) << row.name;
    }
    EXPECT_EQ(state.ValueSet, 1);
    EXPECT_EQ(state.ScheduleStartMonth, 1);
    EXPECT_EQ(state.ScheduleStartYear, 2000);
    EXPECT_EQ(state.DefaultCalculator, 0);
}

TEST(DefaultsLoad, EveryKeyIsReadFromItsSection) {
    // Each key gets a value unlike its default, so a key read from the wrong section or under the
    // wrong name shows up as its default.
    TempFolder folder;
    writeText(folder / "ZELK.INI",
              "[GeneralValues]\r\nDefaultValueSet=0\r\nLoan=150000\r\nInterest=6.5\r\nTerm=180\r\n"
              "Payment=1306.66\r\nMonth=7\r\nFederal=28\r\nState=5\r\nDownpayment=30000\r\nDefaultCalc=4\r\n"
              "[General Values]\r\nYear=1999\r\n"
              "[Ratios]\r\nHRatio=33.5\r\nDRatio=41\r\n"
              "[PmiValues]\r\nPmip308085=0.0041\r\nPmip308590=0.0061\r\nPmip309095=0.0081\r\n"
              "Pmip309597=0.0101\r\nPmip158085=0.0021\r\nPmip158590=0.0031\r\nPmip159095=0.0051\r\n"
              "Pmip159597=0.0071\r\n"
              "[ClosingCosts]\r\nAppraisalFee=350\r\nCreditReport=45\r\nTaxServiceFee=90\r\n"
              "LendersInspectionFee=25\r\nTitleInsurance=210\r\nTitleSearch=110\r\nEscrowClosingFee=80\r\n"
              "RecordingFee=55\r\nOtherFees=310\r\nSellerPaid=1000\r\n"
              "[Escrows]\r\nInterimInterestDays=20\r\nPropertyTaxMonths=4\r\nHomeownersFirstYear=11\r\n"
              "HomeownersRenewalMonths=1\r\n");
    const double expected[] = {0,      150000, 6.5,    180,  1306.66, 7,      1999,   28,     5,
                               30000,  4,      33.5,   41,   0.0041,  0.0061, 0.0081, 0.0101, 0.0021,
                               0.0031, 0.0051, 0.0071, 350,  45,      90,     25,     210,    110,
                               80,     55,     310,    1000, 20,      4,      11,     1};
    static_assert(std::size(expected) == std::size(expectedDefaults));
    SharedState state;
    const HeldValues held = loadDefaults(DefaultsFile(folder / "ZELK.INI", us), state);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(valueOf(held, expectedDefaults[i].member), expected[i]) << expectedDefaults[i].name;
    }
    EXPECT_EQ(state.ValueSet, 0);
    EXPECT_EQ(state.ScheduleStartMonth, 7);
    EXPECT_EQ(state.ScheduleStartYear, 1999);
    EXPECT_EQ(state.DefaultCalculator, 4);
}

// One key's text and what it reads as.
struct KeyTextCase {
    const char* name;
    std::string ini;
    Member member;
    double expected;
    RegionalSettings regional = us;
};

void PrintTo(const KeyTextCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsKeyText : public ::testing::TestWithParam<KeyTextCase> {};

TEST_P(DefaultsKeyText, ReadsAsExpected) {
    const KeyTextCase& c = GetParam();
    const HeldValues held = readHeldValues(DefaultsSnapshot(c.ini, c.regional));
    EXPECT_EQ(valueOf(held, c.member), c.expected);
}

const KeyTextCase keyTextCases[] = {
    // Whole values
    {"HexWithLowerPrefix", "[Escrows]\nInterimInterestDays=0x1E", &HeldValues::InterimInterestDays, 30},
    {"HexWithUpperPrefix", "[Escrows]\nInterimInterestDays=0X1e", &HeldValues::InterimInterestDays, 30},
    {"HexWithDollarPrefix", "[Escrows]\nInterimInterestDays=$1E", &HeldValues::InterimInterestDays, 30},
    {"NegativeWhole", "[Escrows]\nInterimInterestDays=-5", &HeldValues::InterimInterestDays, -5},
    {"WholeWithPlus", "[Escrows]\nInterimInterestDays=+7", &HeldValues::InterimInterestDays, 7},
    {"WholeBlanksTrimmed", "[Escrows]\nInterimInterestDays =  20  ", &HeldValues::InterimInterestDays, 20},
    {"WholeLetters", "[Escrows]\nInterimInterestDays=abc", &HeldValues::InterimInterestDays, 15},
    {"WholeEmpty", "[Escrows]\nInterimInterestDays=", &HeldValues::InterimInterestDays, 15},
    {"WholeTrailingLetters", "[Escrows]\nInterimInterestDays=12abc", &HeldValues::InterimInterestDays, 15},
    {"WholeWithDecimals", "[Escrows]\nInterimInterestDays=1.5", &HeldValues::InterimInterestDays, 15},
    {"WholeBlankInside", "[Escrows]\nInterimInterestDays=1 5", &HeldValues::InterimInterestDays, 15},
    {"HexPrefixAlone", "[Escrows]\nInterimInterestDays=0x", &HeldValues::InterimInterestDays, 15},
    {"DollarAlone", "[Escrows]\nInterimInterestDays=$", &HeldValues::InterimInterestDays, 15},
    {"HexBadDigit", "[Escrows]\nInterimInterestDays=0x1G", &HeldValues::InterimInterestDays, 15},
    {"WholeLargest", "[Escrows]\nInterimInterestDays=2147483647", &HeldValues::InterimInterestDays,
     2147483647},
    {"WholeSmallest", "[Escrows]\nInterimInterestDays=-2147483648", &HeldValues::InterimInterestDays,
     -2147483648.0},
    {"WholeTooLarge", "[Escrows]\nInterimInterestDays=2147483648", &HeldValues::InterimInterestDays, 15},
    {"HexTooLarge", "[Escrows]\nInterimInterestDays=0xFFFFFFFF", &HeldValues::InterimInterestDays, 15},
    {"WholeManyDigits", "[Escrows]\nInterimInterestDays=99999999999999999999999",
     &HeldValues::InterimInterestDays, 15},
    // Numbers
    {"NumberWithDecimals", "[Ratios]\nHRatio=33.5", &HeldValues::HRatio, 33.5},
    {"NumberWithExponent", "[PmiValues]\nPmip308085=4.5E-3", &HeldValues::Pmip308085, 0.0045},
    {"NumberWithSignedExponent", "[Ratios]\nHRatio=3.1e+1", &HeldValues::HRatio, 31},
    {"NumberTrailingPoint", "[Ratios]\nHRatio=30.", &HeldValues::HRatio, 30},
    {"NumberLeadingPoint", "[PmiValues]\nPmip308085=.0045", &HeldValues::Pmip308085, 0.0045},
    {"NumberNegative", "[ClosingCosts]\nSellerPaid=-12.5", &HeldValues::SellerPaid, -12.5},
    {"NumberEmpty", "[Ratios]\nHRatio=", &HeldValues::HRatio, 28},
    {"NumberLetters", "[Ratios]\nHRatio=high", &HeldValues::HRatio, 28},
    {"NumberThousandsSeparator", "[ClosingCosts]\nOtherFees=1,250.00", &HeldValues::OtherFees, 300},
    {"NumberCurrencySign", "[ClosingCosts]\nOtherFees=$250", &HeldValues::OtherFees, 300},
    {"NumberHex", "[ClosingCosts]\nOtherFees=0x10", &HeldValues::OtherFees, 300},
    {"NumberInfinity", "[ClosingCosts]\nOtherFees=inf", &HeldValues::OtherFees, 300},
    {"NumberNan", "[ClosingCosts]\nOtherFees=nan", &HeldValues::OtherFees, 300},
    {"NumberBeyondDouble", "[ClosingCosts]\nOtherFees=1e999", &HeldValues::OtherFees, 300},
    {"NumberBelowDoubleIsZero", "[ClosingCosts]\nOtherFees=1e-999", &HeldValues::OtherFees, 0},
    {"NumberExponentWithoutDigits", "[ClosingCosts]\nOtherFees=1e", &HeldValues::OtherFees, 300},
    {"NumberPointAlone", "[ClosingCosts]\nOtherFees=.", &HeldValues::OtherFees, 300},
    // Decimal separator: only the regional one converts
    {"CommaWithPointSettings", "[PmiValues]\nPmip308085=0,0045", &HeldValues::Pmip308085, 0.0032},
    {"PointWithCommaSettings", "[PmiValues]\nPmip308085=0.0045", &HeldValues::Pmip308085, 0.0032, german},
    {"CommaWithCommaSettings", "[PmiValues]\nPmip308085=0,0045", &HeldValues::Pmip308085, 0.0045, german},
    {"WholeNumberWithCommaSettings", "[Ratios]\nDRatio=40", &HeldValues::DRatio, 40, german},
    {"ThousandsPointWithCommaSettings", "[ClosingCosts]\nOtherFees=1.250,00", &HeldValues::OtherFees, 300,
     german},
    // Sections and names
    {"YearUnderGeneralValuesIsNotRead", "[GeneralValues]\nYear=1999", &HeldValues::Year, 2000},
    {"YearUnderGeneralBlankValues", "[General Values]\nYear=1999", &HeldValues::Year, 1999},
    {"MonthUnderGeneralBlankValuesIsNotRead", "[General Values]\nMonth=5", &HeldValues::Month, 1},
    {"SectionAndKeyInOtherCase", "[generalVALUES]\nloan=5", &HeldValues::Loan, 5},
    {"SectionWithBlanks", "[ Ratios ]\n  HRatio = 31", &HeldValues::HRatio, 31},
    {"KeyOfOtherSectionIsNotRead", "[Ratios]\nAppraisalFee=999", &HeldValues::AppraisalFee, 300},
    {"CommentedKeyIsNotRead", "[Ratios]\n;HRatio=31", &HeldValues::HRatio, 28},
    {"SectionRepeatedLaterAlsoCounts", "[Ratios]\nHRatio=31\n[Escrows]\n[RATIOS]\nDRatio=41",
     &HeldValues::DRatio, 41},
    // Usual rules of such files: the first occurrence wins, quotes go, a NUL byte ends its line
    {"FirstOccurrenceWins", "[Ratios]\nHRatio=31\nhratio=35", &HeldValues::HRatio, 31},
    {"FirstOccurrenceWinsAcrossRepeatedSection", "[Ratios]\nHRatio=31\n[Escrows]\n[RATIOS]\nHRatio=35",
     &HeldValues::HRatio, 31},
    {"EmptyFirstOccurrenceStillWins", "[Ratios]\nHRatio=\nHRatio=35", &HeldValues::HRatio, 28},
    {"QuotedNumber", "[Ratios]\nHRatio=\"33.5\"", &HeldValues::HRatio, 33.5},
    {"QuotedWhole", "[Escrows]\nInterimInterestDays = \"0x1E\" ", &HeldValues::InterimInterestDays, 30},
    {"NulCutsItsLine", "[Ratios]\nHRatio=3\0 1\nDRatio=41"s, &HeldValues::HRatio, 3},
    {"LineAfterNulIsRead", "[Ratios]\nHRatio=3\0 1\nDRatio=41"s, &HeldValues::DRatio, 41},
    {"NulInHeaderLeavesItUnclosed", "[Rat\0ios]\nHRatio=31"s, &HeldValues::HRatio, 28},
    {"NulBeforeEqualsLeavesNoKey", "[Ratios]\nHRatio\0=31"s, &HeldValues::HRatio, 28},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsKeyText, ::testing::ValuesIn(keyTextCases), rowName<KeyTextCase>);

struct ValueTextCase {
    const char* name;
    std::string ini;
    std::optional<std::string> value; // of [MRU] Item0
};

void PrintTo(const ValueTextCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsValueText : public ::testing::TestWithParam<ValueTextCase> {};

TEST_P(DefaultsValueText, ReadsAsExpected) {
    EXPECT_EQ(DefaultsSnapshot(GetParam().ini, us).value("MRU", "Item0"), GetParam().value);
}

const ValueTextCase valueTextCases[] = {
    {"Plain", "[MRU]\nItem0=/home/ann/a.zlk", "/home/ann/a.zlk"},
    {"BlanksTrimmed", "[MRU]\nItem0 = \t/home/ann/a.zlk \t", "/home/ann/a.zlk"},
    {"QuotesRemoved", "[MRU]\nItem0=\"/home/ann/a b.zlk\"", "/home/ann/a b.zlk"},
    {"QuotesKeepInnerBlanks", "[MRU]\nItem0=  \" padded \"  ", " padded "},
    {"EmptyQuotes", "[MRU]\nItem0=\"\"", ""},
    {"OnlyOnePairRemoved", "[MRU]\nItem0=\"\"a\"\"", "\"a\""},
    {"LoneQuoteKept", "[MRU]\nItem0=\"", "\""},
    {"OpeningQuoteOnlyKept", "[MRU]\nItem0=\"a", "\"a"},
    {"InnerQuotesKept", "[MRU]\nItem0=a \"b\" c", "a \"b\" c"},
    {"NulEndsValue", "[MRU]\nItem0=/a.zlk\0/b.zlk\nItem1=x"s, "/a.zlk"},
    {"NulBeforeClosingQuote", "[MRU]\nItem0=\"/a.zlk\0\""s, "\"/a.zlk"},
    {"FirstOfDuplicates", "[MRU]\nItem0=first\nITEM0=second", "first"},
    {"KeyBeforeAnySectionBelongsToNone", "Item0=x\n[MRU]\n", std::nullopt},
    {"CarriageReturnEndsLine", "[MRU]\rItem0=x\rItem1=y", "x"},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsValueText, ::testing::ValuesIn(valueTextCases),
                         rowName<ValueTextCase>);

TEST(DefaultsSnapshot, LongValueIsCut) {
    const std::string value(3000, 'x');
    const DefaultsSnapshot snapshot("[MRU.mnuFileReopenMRU.Items]\nItem0=" + value + "\n", us);
    EXPECT_EQ(snapshot.readString("MRU.mnuFileReopenMRU.Items", "Item0", ""), value.substr(0, 2047));
}

TEST(DefaultsSnapshot, StringReadGivesDefaultOnlyWhenKeyIsMissing) {
    const DefaultsSnapshot snapshot("[MRU]\nmnuFileReopen.Enabled=\n", us);
    EXPECT_EQ(snapshot.readString("MRU", "mnuFileReopen.Enabled", "True"), "");
    EXPECT_EQ(snapshot.readString("MRU", "Other", "True"), "True");
    EXPECT_EQ(snapshot.readString("Missing", "mnuFileReopen.Enabled", "True"), "True");
}

TEST(DefaultsSnapshot, KeysInFileOrderAsSpelled) {
    const DefaultsSnapshot snapshot(
        "[Items]\nCount=3\nitem0=a\n; c\nItem1=b\n[other]\nX=1\n[ITEMS]\nItem2=c\n", us);
    EXPECT_EQ(snapshot.keys("items"), (std::vector<std::string>{"Count", "item0", "Item1", "Item2"}));
    EXPECT_TRUE(snapshot.keys("Missing").empty());
    EXPECT_TRUE(snapshot.hasSection("OTHER"));
    EXPECT_FALSE(snapshot.hasSection("Missing"));
}

// ---- Number texts ----

struct NumberTextCase {
    const char* name;
    double value;
    const char* usText;
    const char* germanText;
};

void PrintTo(const NumberTextCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsNumberText : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(DefaultsNumberText, FormatsAndReadsBack) {
    const NumberTextCase& c = GetParam();
    EXPECT_EQ(formatNumberText(c.value, us), c.usText);
    EXPECT_EQ(formatNumberText(c.value, german), c.germanText);
    // Texts of at most 15 significant digits name the double they came from.
    const std::optional<double> us_back = parseNumberText(c.usText, us);
    const std::optional<double> german_back = parseNumberText(c.germanText, german);
    ASSERT_TRUE(us_back && german_back);
    double written = 0;
    const std::string_view text = c.usText;
    std::from_chars(text.data(), text.data() + text.size(), written);
    EXPECT_EQ(*us_back, written);
    EXPECT_EQ(*german_back, *us_back);
}

const NumberTextCase numberTextCases[] = {
    {"Zero", 0.0, "0", "0"},
    {"NegativeZero", -0.0, "0", "0"},
    {"Whole", 300, "300", "300"},
    {"Large", 100000, "100000", "100000"},
    {"OneDecimal", 786.7, "786.7", "786,7"},
    {"SmallRate", 0.0032, "0.0032", "0,0032"},
    {"Negative", -1234.5, "-1234.5", "-1234,5"},
    {"FifteenDigitsKept", 123456789012345, "123456789012345", "123456789012345"},
    {"SixteenIntegerDigitsUseExponent", 1e15, "1E15", "1E15"},
    {"LargeWithFraction", 1.5e20, "1.5E20", "1,5E20"},
    {"SmallestFixed", 0.00001, "0.00001", "0,00001"},
    {"BelowSmallestFixed", 0.000001, "1E-6", "1E-6"},
    {"SmallWithFraction", -2.5e-7, "-2.5E-7", "-2,5E-7"},
    {"RoundedToFifteenDigits", 0.1 + 0.2, "0.3", "0,3"},
    {"Thirds", 2.0 / 3.0, "0.666666666666667", "0,666666666666667"},
    {"PaymentOfSchedule", 1258.5860253, "1258.5860253", "1258,5860253"},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsNumberText, ::testing::ValuesIn(numberTextCases),
                         rowName<NumberTextCase>);

TEST(DefaultsNumberText, NonFiniteIsRefused) {
    EXPECT_THROW((void)formatNumberText(std::nan(""), us), std::invalid_argument);
    EXPECT_THROW((void)formatNumberText(HUGE_VAL, us), std::invalid_argument);
}

// ---- File name and location ----

TEST(DefaultsLocation, FileNameMatchedWithoutCase) {
    TempFolder folder;
    EXPECT_EQ(findDefaultsFile(folder.path()), folder / "ZELK.INI");

    writeText(folder / "zelk.Ini", "[Ratios]\nHRatio=31\n");
    const fs::path found = findDefaultsFile(folder.path());
    EXPECT_EQ(found, folder / "zelk.Ini");
    EXPECT_EQ(DefaultsFile(found, us).readNumber("Ratios", "HRatio", 0), 31);

    writeText(folder / "ZELK.INI", "[Ratios]\nHRatio=32\n");
    EXPECT_EQ(findDefaultsFile(folder.path()), folder / "ZELK.INI");
}

TEST(DefaultsLocation, FolderWritability) {
    TempFolder folder;
    writeText(folder / "plain-file", "x");
    EXPECT_TRUE(folderIsWritable(folder.path()));
    EXPECT_FALSE(folderIsWritable(folder / "missing"));
    EXPECT_FALSE(folderIsWritable(folder / "plain-file"));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"plain-file"}); // no probe left behind
}

class DefaultsLocationFolders : public ::testing::Test {
protected:
    TempFolder root;
    fs::path program = root / "program";
    fs::path user = root / "config" / "Kelvarin";
    const WritableCheck readOnlyProgram = [this](const fs::path& folder) {
        return folder != program && folderIsWritable(folder);
    };
};

TEST_F(DefaultsLocationFolders, WritableProgramFolderIsUsed) {
    writeText(program / "Zelk.ini", "[Ratios]\nHRatio=31\n");
    writeText(user / "ZELK.INI", "[Ratios]\nHRatio=40\n");
    EXPECT_EQ(locateDefaultsFile(program, user), program / "Zelk.ini");
    EXPECT_EQ(locateDefaultsFile(program, fs::path(), readOnlyProgram), program / "Zelk.ini");
}

TEST_F(DefaultsLocationFolders, ReadOnlyProgramFolderSeedsUserCopyAndWritesLandThere) {
    const std::string original = "; shipped defaults\r\n[ClosingCosts]\r\nAppraisalFee=310\r\n";
    writeText(program / "ZELK.INI", original);

    // First start: the user copy is seeded from the program folder's file.
    const fs::path file = locateDefaultsFile(program, user, readOnlyProgram);
    EXPECT_EQ(file, user / "ZELK.INI");
    EXPECT_EQ(readText(file), original);

    DefaultsFile defaults(file, us);
    EXPECT_EQ(defaults.readNumber("ClosingCosts", "AppraisalFee", 300), 310);
    ASSERT_TRUE(defaults.writeNumber("ClosingCosts", "AppraisalFee", 350));
    EXPECT_EQ(readText(program / "ZELK.INI"), original);

    // Next start: the user copy is used as it is, not seeded again.
    const fs::path again = locateDefaultsFile(program, user, readOnlyProgram);
    EXPECT_EQ(again, user / "ZELK.INI");
    SharedState state;
    EXPECT_EQ(loadDefaults(DefaultsFile(again, us), state).AppraisalFee, 350);
}

TEST_F(DefaultsLocationFolders, MissingProgramFolderUsesUserFolder) {
    const fs::path file = locateDefaultsFile(program, user); // program does not exist: not writable
    EXPECT_EQ(file, user / "ZELK.INI");
    EXPECT_FALSE(fs::exists(file)); // nothing to seed: the first write creates it
    DefaultsFile defaults(file, us);
    EXPECT_EQ(defaults.readWhole("Escrows", "InterimInterestDays", 15), 15);
    ASSERT_TRUE(defaults.writeWhole("Escrows", "InterimInterestDays", 20));
    EXPECT_EQ(
        DefaultsFile(locateDefaultsFile(program, user), us).readWhole("Escrows", "InterimInterestDays", 15),
        20);
}

TEST_F(DefaultsLocationFolders, ProgramFolderThatIsAFileUsesUserFolder) {
    writeText(program, "not a folder");
    EXPECT_EQ(locateDefaultsFile(program, user), user / "ZELK.INI");
}

TEST_F(DefaultsLocationFolders, UnusableUserFolderFallsBackToProgramFile) {
    writeText(program / "ZELK.INI", "[Ratios]\nHRatio=31\n");
    writeText(root / "config", "a file where the folder should be");
    const fs::path file = locateDefaultsFile(program, user, readOnlyProgram);
    EXPECT_EQ(file, program / "ZELK.INI");
    EXPECT_EQ(DefaultsFile(file, us).readNumber("Ratios", "HRatio", 28), 31);
}

TEST_F(DefaultsLocationFolders, ReadOnlyByPermissions) {
    writeText(program / "ZELK.INI", "[Ratios]\nHRatio=31\n");
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    if (folderIsWritable(program))
        GTEST_SKIP() << "permissions do not restrict this user (root)";
    const fs::path file = locateDefaultsFile(program, user);
    EXPECT_EQ(file, user / "ZELK.INI");
    EXPECT_EQ(DefaultsFile(file, us).readNumber("Ratios", "HRatio", 28), 31);

    // Writing straight into the read-only folder fails and leaves the file alone.
    DefaultsFile inProgram(program / "ZELK.INI", us);
    const WriteResult result = inProgram.writeNumber("Ratios", "HRatio", 40);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("ZELK.INI"), std::string::npos);
    EXPECT_EQ(readText(program / "ZELK.INI"), "[Ratios]\nHRatio=31\n");
}

TEST_F(DefaultsLocationFolders, ReadOnlyLookUpWritesNothing) {
    writeText(program / "ZELK.INI", "[Ratios]\nHRatio=31\n");
    // Creating and removing a probe file would change the folder's modification time.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    fs::last_write_time(program, old);
    EXPECT_TRUE(folderAllowsWriting(program));
    EXPECT_EQ(lookUpDefaultsFile(program, user), program / "ZELK.INI");
    EXPECT_EQ(fs::last_write_time(program), old);
    EXPECT_EQ(folderEntries(program), std::vector<std::string>{"ZELK.INI"});
    EXPECT_FALSE(fs::exists(root / "config"));

    EXPECT_FALSE(folderAllowsWriting(root / "missing"));
    EXPECT_FALSE(folderAllowsWriting(program / "ZELK.INI"));
}

TEST_F(DefaultsLocationFolders, ReadOnlyLookUpBeforeTheUserCopyReadsTheProgramFile) {
    writeText(program / "ZELK.INI", "[Ratios]\nHRatio=31\n");
    EXPECT_EQ(lookUpDefaultsFile(program, user, readOnlyProgram), program / "ZELK.INI");
    EXPECT_FALSE(fs::exists(root / "config")) << "no folder is created";
    EXPECT_EQ(lookUpDefaultsFile(root / "missing", user), root / "missing" / "ZELK.INI");
    EXPECT_FALSE(fs::exists(root / "config"));
}

TEST_F(DefaultsLocationFolders, ReadOnlyLookUpFindsWhatTheWindowUses) {
    writeText(program / "ZELK.INI", "[Ratios]\nHRatio=31\n");
    const fs::path used = locateDefaultsFile(program, user, readOnlyProgram); // seeds the user copy
    ASSERT_TRUE(DefaultsFile(used, us).writeNumber("Ratios", "HRatio", 33));
    EXPECT_EQ(lookUpDefaultsFile(program, user, readOnlyProgram), used);
    EXPECT_EQ(lookUpDefaultsFile(program, user), program / "ZELK.INI") << "a writable program folder wins";
    EXPECT_EQ(lookUpDefaultsFile(program, fs::path(), readOnlyProgram), program / "ZELK.INI");
}

// ---- Things that are not a small regular file ----

#ifdef KELVARIN_HAVE_FIFO
// A defaults file that is no regular file of at most 1 MiB reads as empty (every default) without
// waiting or filling memory, and a write reports the error and leaves it as it was.
struct NotAFileCase {
    const char* name;
    std::function<void(const fs::path&)> make;
};

void PrintTo(const NotAFileCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsNotAFile : public ::testing::TestWithParam<NotAFileCase> {};

struct Trace {
    fs::file_type type;
    std::uintmax_t size;
    std::string target;
};

Trace traceOf(const fs::path& path) {
    const fs::file_status status = fs::symlink_status(path);
    Trace trace{status.type(), 0, ""};
    if (status.type() == fs::file_type::regular)
        trace.size = fs::file_size(path);
    if (status.type() == fs::file_type::symlink)
        trace.target = fs::read_symlink(path).string();
    return trace;
}

TEST_P(DefaultsNotAFile, ReadsAsEmptyAndIsNotWrittenOver) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    GetParam().make(path);
    const Trace before = traceOf(path);

    auto run = std::async(std::launch::async, [&] {
        SharedState state;
        HeldValues held = loadDefaults(DefaultsFile(path, us), state);
        return std::pair(held, DefaultsFile(path, us).writeNumber("Ratios", "HRatio", 30));
    });
    // A read that blocks on a FIFO is let go, so that the fault fails this test instead of
    // hanging it: opened for reading and writing, a FIFO does not wait; the blocked reader gets
    // its writer, then end of file once this one closes.
    for (auto wait = std::chrono::seconds(10); run.wait_for(wait) != std::future_status::ready;
         wait = std::chrono::seconds(1)) {
        ADD_FAILURE() << "reading did not return";
        const int writer = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (writer >= 0)
            ::close(writer);
    }
    const auto [held, result] = run.get();
    EXPECT_EQ(held.HRatio, 28);
    EXPECT_EQ(held.AppraisalFee, 300);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    const Trace after = traceOf(path);
    EXPECT_EQ(after.type, before.type);
    EXPECT_EQ(after.size, before.size);
    EXPECT_EQ(after.target, before.target);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"ZELK.INI"});
}

// A regular file whose first lines hold keys, grown to the given size.
void keysThenPadding(const fs::path& path, std::uintmax_t size) {
    writeText(path, "[Ratios]\nHRatio=31\n[ClosingCosts]\nAppraisalFee=350\n");
    fs::resize_file(path, size);
}

const NotAFileCase notAFileCases[] = {
    {"Fifo", [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
    {"LinkToDevZero", [](const fs::path& path) { fs::create_symlink("/dev/zero", path); }},
    {"SparseTwoMiB", [](const fs::path& path) { keysThenPadding(path, 2 * MaxDefaultsFileSize); }},
    {"OneByteOverOneMiB", [](const fs::path& path) { keysThenPadding(path, MaxDefaultsFileSize + 1); }},
    {"LinkToFolder", [](const fs::path& path) { fs::create_directory_symlink(path.parent_path(), path); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsNotAFile, ::testing::ValuesIn(notAFileCases), rowName<NotAFileCase>);
#endif

TEST(DefaultsFileSize, FileOfExactlyOneMiBIsRead) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    std::string content = "[Ratios]\nHRatio=31\n";
    content.resize(MaxDefaultsFileSize, ' ');
    writeText(path, content);
    EXPECT_EQ(DefaultsFile(path, us).readNumber("Ratios", "HRatio", 28), 31);
    EXPECT_TRUE(DefaultsFile(path, us).writeNumber("Ratios", "HRatio", 32));
}

// ---- Writing ----

struct EditCase {
    const char* name;
    std::string before;
    std::function<void(DefaultsChanges&)> change;
    std::string after;
    // Keys read back through the reader after the write: section, key, expected text.
    std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> reads;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(DefaultsEdit, ChangesOnlyWhatItWrites) {
    const EditCase& c = GetParam();
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    if (!c.before.empty())
        writeText(path, c.before);
    DefaultsFile file(path, us);
    DefaultsChanges changes;
    c.change(changes);
    const WriteResult result = file.apply(changes);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(readText(path), c.after);
    const DefaultsSnapshot snapshot = file.snapshot();
    for (const auto& [section, key, expected] : c.reads) {
        EXPECT_EQ(snapshot.value(section, key), expected) << section << "/" << key;
    }
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"ZELK.INI"}); // no temporary left
}

const std::string sample = "; Kelvarin defaults\r\n"
                           "\r\n"
                           "[ClosingCosts]\r\n"
                           "; fees in dollars\r\n"
                           "AppraisalFee = 300\r\n"
                           "CreditReport=42\r\n"
                           "\r\n"
                           "[Escrows]\r\n"
                           "InterimInterestDays=15\r\n"
                           "; the end\r\n";

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    return text.replace(text.find(from), from.size(), to);
}

const EditCase editCases[] = {
    {"ChangesKeyWhereItStands",
     sample,
     [](DefaultsChanges& c) { c.setNumber("ClosingCosts", "AppraisalFee", 350); },
     replaced(sample, "AppraisalFee = 300", "AppraisalFee = 350"),
     {{"ClosingCosts", "AppraisalFee", "350"}, {"ClosingCosts", "CreditReport", "42"}}},
    {"NamesMatchedWithoutCase",
     sample,
     [](DefaultsChanges& c) { c.setNumber("closingCOSTS", "APPRAISALFEE", 350.5); },
     replaced(sample, "AppraisalFee = 300", "AppraisalFee = 350.5"),
     {{"ClosingCosts", "AppraisalFee", "350.5"}}},
    {"NewKeyAfterLastKeyOfItsSection",
     sample,
     [](DefaultsChanges& c) { c.setNumber("ClosingCosts", "TitleSearch", 100); },
     replaced(sample, "CreditReport=42\r\n", "CreditReport=42\r\nTitleSearch=100\r\n"),
     {{"ClosingCosts", "TitleSearch", "100"}}},
    {"NewKeyBeforeTrailingComment",
     sample,
     [](DefaultsChanges& c) { c.setWhole("Escrows", "PropertyTaxMonths", 4); },
     replaced(sample, "InterimInterestDays=15\r\n", "InterimInterestDays=15\r\nPropertyTaxMonths=4\r\n"),
     {{"Escrows", "PropertyTaxMonths", "4"}}},
    {"NewSectionAtEnd",
     sample,
     [](DefaultsChanges& c) { c.setString("MRU", "mnuFileReopen.Enabled", "True"); },
     sample + "\r\n[MRU]\r\nmnuFileReopen.Enabled=True\r\n",
     {{"MRU", "mnuFileReopen.Enabled", "True"}, {"Escrows", "InterimInterestDays", "15"}}},
    {"EraseSectionKeepsTheRest",
     sample,
     [](DefaultsChanges& c) { c.eraseSection("closingcosts"); },
     "; Kelvarin defaults\r\n\r\n[Escrows]\r\nInterimInterestDays=15\r\n; the end\r\n",
     {{"Escrows", "InterimInterestDays", "15"}}},
    {"EveryDuplicateChanged",
     "[A]\nK=1\nK=2\n[B]\nK=5\n[a]\nk=3\n",
     [](DefaultsChanges& c) { c.setWhole("A", "K", 9); },
     "[A]\nK=9\nK=9\n[B]\nK=5\n[a]\nk=9\n",
     {{"A", "K", "9"}, {"B", "K", "5"}}},
    {"RecentFilesRewrittenInOneBatch",
     "[MRU]\nmnuFileReopen.Enabled=True\n[MRU.mnuFileReopenMRU.Items]\nCount=2\nItem0=/a.zlk\nItem1=/b.zlk\n"
     "[Ratios]\nHRatio=30\n",
     [](DefaultsChanges& c) {
         c.eraseSection("MRU.mnuFileReopenMRU.Items")
             .setWhole("MRU.mnuFileReopenMRU.Items", "Count", 1)
             .setString("MRU.mnuFileReopenMRU.Items", "Item0", "/home/ann/Elm Street.zlk")
             .setString("MRU", "mnuFileReopen.Enabled", "False");
     },
     "[MRU]\nmnuFileReopen.Enabled=False\n[Ratios]\nHRatio=30\n\n[MRU.mnuFileReopenMRU.Items]\nCount=1\n"
     "Item0=/home/ann/Elm Street.zlk\n",
     {{"MRU.mnuFileReopenMRU.Items", "Item0", "/home/ann/Elm Street.zlk"},
      {"MRU.mnuFileReopenMRU.Items", "Item1", std::nullopt}}},
    {"LastLineWithoutLineEnd",
     "[Ratios]\r\nHRatio=30",
     [](DefaultsChanges& c) { c.setNumber("Ratios", "DRatio", 40); },
     "[Ratios]\r\nHRatio=30\r\nDRatio=40\r\n",
     {{"Ratios", "HRatio", "30"}, {"Ratios", "DRatio", "40"}}},
    {"MissingFileCreated",
     "",
     [](DefaultsChanges& c) { c.setNumber("ClosingCosts", "AppraisalFee", 300); },
     "[ClosingCosts]\r\nAppraisalFee=300\r\n",
     {{"ClosingCosts", "AppraisalFee", "300"}}},
    {"ByteOrderMarkKept",
     "\xEF\xBB\xBF[Ratios]\nHRatio=30\n",
     [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", 31); },
     "\xEF\xBB\xBF[Ratios]\nHRatio=31\n",
     {{"Ratios", "HRatio", "31"}}},
    {"IgnoredLinesKept",
     "[Ratios]\nnot a key\n=orphan\n[broken\nHRatio=30 \n",
     [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", 31); },
     "[Ratios]\nnot a key\n=orphan\n[broken\nHRatio=31\n",
     {{"Ratios", "HRatio", "31"}}},
    {"KeyInsideCommentIsNotAKey",
     "[Ratios]\n;HRatio=30\n",
     [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", 31); },
     "[Ratios]\nHRatio=31\n;HRatio=30\n",
     {{"Ratios", "HRatio", "31"}}},
    {"ValueThatWouldBeTrimmedIsQuoted",
     "[MRU]\nItem0=a\n",
     [](DefaultsChanges& c) { c.setString("MRU", "Item0", " /home/ann/a.zlk"); },
     "[MRU]\nItem0=\" /home/ann/a.zlk\"\n",
     {{"MRU", "Item0", " /home/ann/a.zlk"}}},
    {"ValueInQuotesKeepsThem",
     "",
     [](DefaultsChanges& c) { c.setString("MRU", "Item0", "\"a\""); },
     "[MRU]\r\nItem0=\"\"a\"\"\r\n",
     {{"MRU", "Item0", "\"a\""}}},
    {"ValueSpacingKept",
     "[Ratios]\nHRatio\t=  30   \n",
     [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", 31); },
     "[Ratios]\nHRatio\t=  31\n",
     {{"Ratios", "HRatio", "31"}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsEdit, ::testing::ValuesIn(editCases), rowName<EditCase>);

// On any file, a written key must read back as written and every other key as before. Files are
// built from lines that stress where the writer's editing and the reader could disagree (odd
// headers, comments, keys without values, duplicates, quotes, NUL bytes, mixed line ends).
TEST(DefaultsWrite, WriterAndReaderAgreeOnGeneratedFiles) {
    const std::string lines[] = {
        "[Ratios]",    "[ ratios ]",  "[Escrows]",    "[broken", "[]",           "[Ratios]junk",
        "; c",         "# c",         "  ; indented", "",        "   ",          "HRatio=1",
        "hratio = 2 ", "DRatio=3",    "=x",           "novalue", "K\t=\t4",      "a[b=6",
        "Count=",      "  Count = 5", "K=\"8\"",      "K=\"",    "HRatio=9\0x"s, "[Escrows\0]\nK=1"s,
        "\0K=2"s};
    const char* const ends[] = {"\n", "\r\n", "\r"};
    const char* const sections[] = {"Ratios", "Escrows", "New", "broken", ""};
    const char* const keys[] = {"HRatio", "DRatio", "K", "Count", "a[b", "Fresh"};
    const char* const values[] = {"7", "", "x y", "=", "[z]", ";v", " padded ", "\"quoted\"", "\"", "\t"};

    std::mt19937 random(20240611);
    auto pick = [&](const auto& array) { return array[random() % std::size(array)]; };
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    for (int round = 0; round < 200; ++round) {
        std::string content;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            content += pick(lines) + (i + 1 < count || random() % 2 ? pick(ends) : "");
        writeText(path, content);
        DefaultsFile file(path, us);
        const DefaultsSnapshot before = file.snapshot();

        const std::string section = pick(sections);
        if (section.empty() || section == "broken")
            continue;
        const std::string key = pick(keys);
        const std::string value = pick(values);
        ASSERT_TRUE(file.writeString(section, key, value));

        const DefaultsSnapshot after = file.snapshot();
        for (const char* s : sections) {
            for (const char* k : keys) {
                const bool written = sameNameForTest(s, section) && sameNameForTest(k, key);
                EXPECT_EQ(after.value(s, k), written ? std::optional<std::string>(value) : before.value(s, k))
                    << "file:\n"
                    << content << "\nwrote [" << section << "] " << key << "=" << value << "\nread [" << s
                    << "] " << k;
            }
        }
    }
}

TEST(DefaultsWrite, NumbersUseRegionalSeparator) {
    TempFolder folder;
    DefaultsFile germanFile(folder / "ZELK.INI", german);
    ASSERT_TRUE(germanFile.writeNumber("PmiValues", "Pmip308085", 0.0045));
    EXPECT_EQ(readText(folder / "ZELK.INI"), "[PmiValues]\r\nPmip308085=0,0045\r\n");
    EXPECT_EQ(germanFile.readNumber("PmiValues", "Pmip308085", 0.0032), 0.0045);
    EXPECT_EQ(DefaultsFile(folder / "ZELK.INI", us).readNumber("PmiValues", "Pmip308085", 0.0032), 0.0032);
}

TEST(DefaultsWrite, SingleKeysRoundTrip) {
    TempFolder folder;
    DefaultsFile file(folder / "ZELK.INI", us);
    ASSERT_TRUE(file.writeString("MRU.mnuFileReopenMRU.Items", "Item0", "/home/ann/a=b;c.zlk"));
    ASSERT_TRUE(file.writeWhole("MRU.mnuFileReopenMRU.Items", "Count", 1));
    ASSERT_TRUE(file.writeNumber("ClosingCosts", "OtherFees", 312.25));
    ASSERT_TRUE(file.writeWhole("Escrows", "InterimInterestDays", -3));
    EXPECT_EQ(file.readString("MRU.mnuFileReopenMRU.Items", "Item0", ""), "/home/ann/a=b;c.zlk");
    EXPECT_EQ(file.readWhole("MRU.mnuFileReopenMRU.Items", "Count", 0), 1);
    EXPECT_EQ(file.readNumber("ClosingCosts", "OtherFees", 300), 312.25);
    EXPECT_EQ(file.readWhole("Escrows", "InterimInterestDays", 15), -3);
    EXPECT_EQ(file.sectionKeys("MRU.mnuFileReopenMRU.Items"), (std::vector<std::string>{"Item0", "Count"}));
    ASSERT_TRUE(file.eraseSection("MRU.mnuFileReopenMRU.Items"));
    EXPECT_TRUE(file.sectionKeys("MRU.mnuFileReopenMRU.Items").empty());
    EXPECT_EQ(file.readNumber("ClosingCosts", "OtherFees", 300), 312.25);
}

struct RefusedCase {
    const char* name;
    std::function<void(DefaultsChanges&)> change;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultsRefusedWrite : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(DefaultsRefusedWrite, FailsAndLeavesFileAlone) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    writeText(path, sample);
    DefaultsFile file(path, us);
    DefaultsChanges changes;
    changes.setNumber("ClosingCosts", "AppraisalFee", 999); // a valid change in the same batch is not applied
    GetParam().change(changes);
    const WriteResult result = file.apply(changes);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_EQ(readText(path), sample);
}

const RefusedCase refusedCases[] = {
    {"ValueWithLineBreak",
     [](DefaultsChanges& c) { c.setString("MRU", "Item0", "/a\n[Ratios]\nHRatio=99"); }},
    {"ValueWithCarriageReturn", [](DefaultsChanges& c) { c.setString("MRU", "Item0", "/a\rb"); }},
    {"KeyWithEquals", [](DefaultsChanges& c) { c.setString("MRU", "a=b", "x"); }},
    {"KeyStartingAsSection", [](DefaultsChanges& c) { c.setString("MRU", "[x", "x"); }},
    {"KeyStartingAsComment", [](DefaultsChanges& c) { c.setString("MRU", ";x", "x"); }},
    {"EmptyKey", [](DefaultsChanges& c) { c.setString("MRU", "", "x"); }},
    {"KeyWithOuterBlank", [](DefaultsChanges& c) { c.setString("MRU", "x ", "x"); }},
    {"SectionWithBracket", [](DefaultsChanges& c) { c.setString("M]RU", "x", "x"); }},
    {"EmptySection", [](DefaultsChanges& c) { c.setString("", "x", "x"); }},
    {"EraseEmptySection", [](DefaultsChanges& c) { c.eraseSection(""); }},
    {"NotANumber", [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", std::nan("")); }},
    {"InfiniteNumber", [](DefaultsChanges& c) { c.setNumber("Ratios", "HRatio", HUGE_VAL); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, DefaultsRefusedWrite, ::testing::ValuesIn(refusedCases), rowName<RefusedCase>);

TEST(DefaultsWrite, UnreadableExistingFileIsNotReplaced) {
    TempFolder folder;
    fs::create_directories(folder / "ZELK.INI"); // a folder where the file should be
    DefaultsFile file(folder / "ZELK.INI", us);
    EXPECT_EQ(file.readNumber("Ratios", "HRatio", 28), 28);
    EXPECT_FALSE(file.writeNumber("Ratios", "HRatio", 30));
    EXPECT_TRUE(fs::is_directory(folder / "ZELK.INI"));
}

TEST(DefaultsWrite, MissingFolderIsReported) {
    TempFolder folder;
    DefaultsFile file(folder / "missing" / "ZELK.INI", us);
    const WriteResult result = file.writeNumber("Ratios", "HRatio", 30);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.message.empty());
}

#ifdef KELVARIN_HAVE_RLIMIT
// A disk that fills up while the new content is written: the write is reported, the old file
// keeps its content and no temporary file stays behind. A file-size limit stands in for the full
// disk because it holds for root too.
TEST(DefaultsWrite, FailedWriteLeavesOldFileIntact) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    writeText(path, sample);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    DefaultsFile file(path, us);
    const WriteResult result =
        file.writeString("MRU.mnuFileReopenMRU.Items", "Item0", std::string(100000, 'x'));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_EQ(readText(path), sample);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"ZELK.INI"});
}
#endif

TEST(DefaultsWrite, ReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    writeText(path, sample);
    fs::permissions(path, fs::perms::owner_read);
    if (std::ofstream(path, std::ios::app))
        GTEST_SKIP() << "permissions do not restrict this user (root)";
    const WriteResult result = DefaultsFile(path, us).writeNumber("Ratios", "HRatio", 30);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_EQ(readText(path), sample);
}

TEST(DefaultsWrite, PermissionsOfOldFileKept) {
    TempFolder folder;
    const fs::path path = folder / "ZELK.INI";
    writeText(path, sample);
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ASSERT_TRUE(DefaultsFile(path, us).writeNumber("Ratios", "HRatio", 30));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
}

TEST(DefaultsWrite, LinkedFileIsWrittenThroughTheLink) {
    TempFolder folder;
    writeText(folder / "real" / "zelk-settings.ini", sample);
    fs::create_directories(folder / "program");
    fs::create_symlink(folder / "real" / "zelk-settings.ini", folder / "program" / "ZELK.INI");
    ASSERT_TRUE(
        DefaultsFile(folder / "program" / "ZELK.INI", us).writeNumber("ClosingCosts", "AppraisalFee", 350));
    EXPECT_TRUE(fs::is_symlink(folder / "program" / "ZELK.INI"));
    EXPECT_EQ(readText(folder / "real" / "zelk-settings.ini"),
              replaced(sample, "AppraisalFee = 300", "AppraisalFee = 350"));
}

} // namespace
} // namespace kelvarin::workspace
