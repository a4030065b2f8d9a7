#include "workspace/FieldEntry.h"
#include "workspace/NumberText.h"
#include "workspace/ValueField.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace kelvarin::workspace {
namespace {

enum class Region { US, German, DollarComma, EuroBefore, Krona };

RegionalSettings settingsFor(Region region) {
    switch (region) {
    case Region::US: return RegionalSettings::unitedStates();
    case Region::German: return RegionalSettings::germanStyle();
    case Region::DollarComma: {  // "$" in front, German separators
        auto r = RegionalSettings::unitedStates();
        r.decimalSeparator = U',';
        r.thousandsSeparator = U'.';
        return r;
    }
    case Region::EuroBefore: {  // "€ 1.234,50"
        auto r = RegionalSettings::germanStyle();
        r.currencyAfterNumber = false;
        return r;
    }
    case Region::Krona: {  // "1 234,50 kr": a two-letter sign and a blank thousands separator
        auto r = RegionalSettings::germanStyle();
        r.currencySign = U"kr";
        r.thousandsSeparator = U' ';
        return r;
    }
    }
    return {};
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// Owns the designs and settings the fields point at, for the life of a test.
class Fields {
public:
    ValueField& make(MaskKind mask, Region region = Region::US, bool leftJustified = false,
                     bool readOnly = false) {
        auto& design = m_specs.emplace_back();
        design.name = "edtTest";
        design.page = "pgTest";
        design.mask = mask;
        design.leftJustified = leftJustified;
        design.readOnly = readOnly;
        return m_fields.emplace_back(design, m_settings.emplace_back(settingsFor(region)));
    }

private:
    std::deque<FieldDesign> m_specs;
    std::deque<RegionalSettings> m_settings;
    std::deque<ValueField> m_fields;
};

// Failures name the row instead of dumping its bytes.
template <class Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

template <class Row>
std::string rowName(const testing::TestParamInfo<Row>& param) {
    return param.param.name;
}

// ---------------------------------------------------------------- writing a floating value

struct WriteRow {
    std::string name;
    MaskKind mask;
    Region region;
    double value;
    std::string shown;
};

class WriteFloat : public testing::TestWithParam<WriteRow> {};

TEST_P(WriteFloat, ShowsText) {
    const auto& row = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask, row.region);
    field.writeFloat(row.value);
    EXPECT_EQ(field.textUtf8(), row.shown);
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Masks, WriteFloat,
    testing::Values(
        // Money, United States.
        WriteRow{"payment_rounds_to_cents", MaskKind::Money17, Region::US, 786.7043, blanks(10) + "$786.70"},
        WriteRow{"zero_shows_0_before_point", MaskKind::Money17, Region::US, 0, blanks(12) + "$0.00"},
        WriteRow{"negative_minus_before_floating_sign", MaskKind::Money17, Region::US, -1234.5, blanks(7) + "-$1,234.50"},
        WriteRow{"hundred_thousand_grouped", MaskKind::Money17, Region::US, 100000, blanks(6) + "$100,000.00"},
        WriteRow{"largest_shown_fills_mask", MaskKind::Money17, Region::US, 9999999999.99, "$9,999,999,999.99"},
        WriteRow{"money13_full", MaskKind::Money13, Region::US, 1234567.891, "$1,234,567.89"},
        WriteRow{"money11_full", MaskKind::Money11, Region::US, 999999.99, "$999,999.99"},
        WriteRow{"money10_full", MaskKind::Money10, Region::US, 99999.99, "$99,999.99"},
        WriteRow{"money10_negative_just_fits", MaskKind::Money10, Region::US, -9999.99, "-$9,999.99"},
        WriteRow{"fraction_only_value", MaskKind::Money11, Region::US, 0.5, blanks(6) + "$0.50"},
        // Rounding half away from zero on the first 18 significant digits.
        WriteRow{"half_rounds_up", MaskKind::Money17, Region::US, 0.125, blanks(12) + "$0.13"},
        WriteRow{"negative_half_rounds_away", MaskKind::Money17, Region::US, -0.125, blanks(11) + "-$0.13"},
        WriteRow{"double_below_half_rounds_down", MaskKind::Money17, Region::US, 2.675, blanks(12) + "$2.67"},
        WriteRow{"eighteen_digits_reach_half", MaskKind::Money17, Region::US, 1000.005, blanks(8) + "$1,000.01"},
        WriteRow{"seventeen_digits_would_reach_half", MaskKind::Money17, Region::US, 0.105, blanks(12) + "$0.10"},
        WriteRow{"one_point_005_below_half", MaskKind::Money17, Region::US, 1.005, blanks(12) + "$1.00"},
        WriteRow{"rounding_carries_into_new_digit", MaskKind::Money10, Region::US, 9.999, blanks(4) + "$10.00"},
        WriteRow{"negative_rounding_to_zero_has_no_minus", MaskKind::Money17, Region::US, -0.004, blanks(12) + "$0.00"},
        WriteRow{"negative_zero", MaskKind::Money17, Region::US, -0.0, blanks(12) + "$0.00"},
        // Percent and points.
        WriteRow{"percent_rate", MaskKind::Percent, Region::US, 8.75, "  8.7500%"},
        WriteRow{"percent_zero", MaskKind::Percent, Region::US, 0, "  0.0000%"},
        WriteRow{"percent_negative", MaskKind::Percent, Region::US, -0.25, " -0.2500%"},
        WriteRow{"percent_full", MaskKind::Percent, Region::US, 999.9999, "999.9999%"},
        WriteRow{"percent_half_away_4_places", MaskKind::Percent, Region::US, -0.00005, " -0.0001%"},
        WriteRow{"points8", MaskKind::Points8, Region::US, 1.5, "  1.5000"},
        WriteRow{"points12_grouped", MaskKind::Points12, Region::US, 1234.5678, "  1,234.5678"},
        // Ratio and decimal fields.
        WriteRow{"ratio_rounds_up", MaskKind::Ratio, Region::US, 28.6, "29"},
        WriteRow{"ratio_rounds_down", MaskKind::Ratio, Region::US, 28.4, "28"},
        WriteRow{"ratio_half_away", MaskKind::Ratio, Region::US, 28.5, "29"},
        WriteRow{"ratio_single_digit", MaskKind::Ratio, Region::US, 5, " 5"},
        WriteRow{"ratio_negative_fits", MaskKind::Ratio, Region::US, -5, "-5"},
        WriteRow{"decimal_drops_trailing_zero", MaskKind::Decimal, Region::US, 1.50, "       1.5"},
        WriteRow{"decimal_drops_point", MaskKind::Decimal, Region::US, 2.00, "         2"},
        WriteRow{"decimal_zero", MaskKind::Decimal, Region::US, 0, "         0"},
        WriteRow{"decimal_two_places", MaskKind::Decimal, Region::US, 12.345678, "     12.35"},
        WriteRow{"decimal_negative", MaskKind::Decimal, Region::US, -0.5, "      -0.5"},
        WriteRow{"decimal_rounds_to_whole", MaskKind::Decimal, Region::US, 2.999, "         3"},
        // Too wide for the mask: the text grows just enough to show the true number.
        WriteRow{"wide_money10", MaskKind::Money10, Region::US, 123456.78, "$123,456.78"},
        WriteRow{"wide_money10_no_room_for_minus", MaskKind::Money10, Region::US, -99999.99, "-$99,999.99"},
        WriteRow{"wide_money10_by_rounding", MaskKind::Money10, Region::US, 99999.999, "$100,000.00"},
        WriteRow{"wide_money17", MaskKind::Money17, Region::US, 1e13, "$10,000,000,000,000.00"},
        WriteRow{"wide_percent_minus", MaskKind::Percent, Region::US, -100, "-100.0000%"},
        WriteRow{"wide_percent_digits", MaskKind::Percent, Region::US, 1234.5, "1234.5000%"},
        WriteRow{"wide_points8_by_rounding", MaskKind::Points8, Region::US, 999.99999, "1000.0000"},
        WriteRow{"wide_points12", MaskKind::Points12, Region::US, 1234567, "1,234,567.0000"},
        WriteRow{"wide_ratio", MaskKind::Ratio, Region::US, 100, "100"},
        WriteRow{"wide_ratio_negative", MaskKind::Ratio, Region::US, -15, "-15"},
        WriteRow{"wide_decimal", MaskKind::Decimal, Region::US, 12345678.25, "12345678.25"},
        // Not a number: shown as such, never as a number.
        WriteRow{"nan", MaskKind::Money13, Region::US, kNan, blanks(10) + "NAN"},
        WriteRow{"infinity", MaskKind::Percent, Region::US, kInf, blanks(6) + "INF"},
        WriteRow{"minus_infinity", MaskKind::Ratio, Region::US, -kInf, "-INF"},
        // German style: "," decimal, "." thousands; the regional format puts "€" after the number
        // with a blank, but the field floats the sign in front and keeps the blank after it.
        WriteRow{"de_money", MaskKind::Money17, Region::German, 1234.5, blanks(7) + "€ 1.234,50"},
        WriteRow{"de_money_negative", MaskKind::Money17, Region::German, -1234.5, blanks(6) + "-€ 1.234,50"},
        WriteRow{"de_money_zero", MaskKind::Money17, Region::German, 0, blanks(11) + "€ 0,00"},
        WriteRow{"de_money_rounding", MaskKind::Money17, Region::German, 2.675, blanks(11) + "€ 2,67"},
        WriteRow{"de_money10_sign_fits", MaskKind::Money10, Region::German, 9999.99, "€ 9.999,99"},
        WriteRow{"de_money10_blank_dropped", MaskKind::Money10, Region::German, 99999.99, "€99.999,99"},
        WriteRow{"de_money10_negative_blank_dropped", MaskKind::Money10, Region::German, -9999.99, "-€9.999,99"},
        WriteRow{"de_money10_wide", MaskKind::Money10, Region::German, -99999.99, "-€99.999,99"},
        WriteRow{"de_money17_full", MaskKind::Money17, Region::German, 9999999999.99, "€9.999.999.999,99"},
        WriteRow{"de_percent", MaskKind::Percent, Region::German, 8.75, "  8,7500%"},
        WriteRow{"de_points12", MaskKind::Points12, Region::German, 1234.5678, "  1.234,5678"},
        WriteRow{"de_decimal", MaskKind::Decimal, Region::German, 1.5, "       1,5"},
        WriteRow{"de_ratio", MaskKind::Ratio, Region::German, 28.6, "29"},
        // Other regional forms.
        WriteRow{"dollar_comma_money", MaskKind::Money17, Region::DollarComma, 1234.5, blanks(8) + "$1.234,50"},
        WriteRow{"euro_before_with_blank", MaskKind::Money17, Region::EuroBefore, -1234.5, blanks(6) + "-€ 1.234,50"},
        WriteRow{"euro_before_fits", MaskKind::Money10, Region::EuroBefore, 9999.99, "€ 9.999,99"},
        WriteRow{"euro_before_blank_dropped", MaskKind::Money10, Region::EuroBefore, 99999.99, "€99.999,99"},
        WriteRow{"krona_in_front", MaskKind::Money17, Region::Krona, -1234.5, blanks(5) + "-kr 1 234,50"},
        WriteRow{"krona_wide_keeps_whole_sign", MaskKind::Money10, Region::Krona, 99999.99, "kr99 999,99"}),
    rowName<WriteRow>);

// ---------------------------------------------------------------- writing a whole number

struct WholeRow {
    std::string name;
    MaskKind mask;
    bool leftJustified;
    std::int32_t value;
    std::string shown;
    std::int32_t read;  // 0 for a number outside the field's range
};

class WriteWhole : public testing::TestWithParam<WholeRow> {};

TEST_P(WriteWhole, ShowsText) {
    const auto& row = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask, Region::US, row.leftJustified);
    field.writeWhole(row.value);
    EXPECT_EQ(field.textUtf8(), row.shown);
    EXPECT_EQ(field.readWhole(), row.read);
}

INSTANTIATE_TEST_SUITE_P(
    Count, WriteWhole,
    testing::Values(
        WholeRow{"term_right_justified", MaskKind::Count, false, 360, "   360", 360},
        WholeRow{"term_left_justified", MaskKind::Count, true, 360, "360   ", 360},
        WholeRow{"zero", MaskKind::Count, false, 0, "     0", 0},
        WholeRow{"zero_left_justified", MaskKind::Count, true, 0, "0     ", 0},
        WholeRow{"negative", MaskKind::Count, false, -12, "   -12", -12},
        WholeRow{"lowest_fills_mask", MaskKind::Count, false, -32768, "-32768", -32768},
        WholeRow{"highest", MaskKind::Count, false, 32767, " 32767", 32767},
        WholeRow{"above_range_shown_truthfully", MaskKind::Count, false, 40000, " 40000", 0},
        WholeRow{"above_range_left_justified", MaskKind::Count, true, 40000, "40000 ", 0},
        WholeRow{"too_wide_grows", MaskKind::Count, false, 1234567, "1234567", 0},
        WholeRow{"too_wide_negative_grows", MaskKind::Count, true, -123456, "-123456", 0}),
    rowName<WholeRow>);

TEST(WriteWholeIntoFloatingField, FormatsAsTheFieldsKind) {
    Fields fields;
    auto& money = fields.make(MaskKind::Money13);
    money.writeWhole(1500);
    EXPECT_EQ(money.textUtf8(), "    $1,500.00");
}

// ---------------------------------------------------------------- reading

struct ReadRow {
    std::string name;
    MaskKind mask;
    Region region;
    std::u32string text;
    bool valid;
    double value;  // what readFloat gives
};

class Read : public testing::TestWithParam<ReadRow> {};

TEST_P(Read, ParsesText) {
    const auto& row = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask, row.region);
    field.setTypedText(row.text);
    EXPECT_EQ(field.isValid(), row.valid);
    EXPECT_EQ(field.readFloat(), row.value);
    EXPECT_EQ(field.text(), row.text) << "reading never changes the text";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Read,
    testing::Values(
        ReadRow{"shown_money", MaskKind::Money17, Region::US, U"          $786.70", true, 786.70},
        ReadRow{"shown_negative_money", MaskKind::Money17, Region::US, U"       -$1,234.50", true, -1234.5},
        ReadRow{"typed_plain", MaskKind::Money17, Region::US, U"1234.5", true, 1234.5},
        ReadRow{"empty_reads_zero", MaskKind::Money17, Region::US, U"", true, 0},
        ReadRow{"blanks_read_zero", MaskKind::Money17, Region::US, U"     ", true, 0},
        ReadRow{"trailing_point_dropped", MaskKind::Money17, Region::US, U"12.", true, 12},
        ReadRow{"leading_point_gets_zero", MaskKind::Money17, Region::US, U".5", true, 0.5},
        ReadRow{"point_after_minus_gets_zero", MaskKind::Money17, Region::US, U"-.5", true, -0.5},
        ReadRow{"minus_zero_reads_zero", MaskKind::Money17, Region::US, U"-0", true, 0},
        ReadRow{"only_currency_sign", MaskKind::Money17, Region::US, U"$", true, 0},
        ReadRow{"minus_between_digits", MaskKind::Money17, Region::US, U"1-2", false, 0},
        ReadRow{"blank_between_digits", MaskKind::Money17, Region::US, U"1 2", false, 0},
        ReadRow{"minus_alone", MaskKind::Money17, Region::US, U"-", false, 0},
        ReadRow{"two_minus_signs", MaskKind::Money17, Region::US, U"--5", false, 0},
        ReadRow{"two_points", MaskKind::Money17, Region::US, U"1.2.3", false, 0},
        ReadRow{"trailing_minus", MaskKind::Money17, Region::US, U"5-", false, 0},
        ReadRow{"exponent_form", MaskKind::Money17, Region::US, U"1e5", false, 0},
        ReadRow{"plus_sign", MaskKind::Money17, Region::US, U"+5", false, 0},
        ReadRow{"infinity_word", MaskKind::Money17, Region::US, U"inf", false, 0},
        ReadRow{"nan_text", MaskKind::Money17, Region::US, U"          NAN", false, 0},
        ReadRow{"second_currency_sign", MaskKind::Money17, Region::US, U"$$5", false, 0},
        ReadRow{"letter", MaskKind::Money17, Region::US, U"12a", false, 0},
        ReadRow{"beyond_double_range", MaskKind::Money17, Region::US, U"1" + std::u32string(400, U'0'), false, 0},
        ReadRow{"below_smallest_double_reads_zero", MaskKind::Money17, Region::US, U"0." + std::u32string(400, U'0') + U"1", true, 0},
        ReadRow{"percent_shown", MaskKind::Percent, Region::US, U" 12.5000%", true, 12.5},
        ReadRow{"percent_typed", MaskKind::Percent, Region::US, U"12.5", true, 12.5},
        ReadRow{"points12_grouped", MaskKind::Points12, Region::US, U"  1,234.5678", true, 1234.5678},
        ReadRow{"ratio", MaskKind::Ratio, Region::US, U"28", true, 28},
        ReadRow{"ratio_negative", MaskKind::Ratio, Region::US, U"-5", true, -5},
        ReadRow{"decimal_field", MaskKind::Decimal, Region::US, U"       1.5", true, 1.5},
        ReadRow{"count", MaskKind::Count, Region::US, U"   360", true, 360},
        ReadRow{"count_left_justified", MaskKind::Count, Region::US, U"360   ", true, 360},
        ReadRow{"count_lowest", MaskKind::Count, Region::US, U"-32768", true, -32768},
        ReadRow{"count_highest", MaskKind::Count, Region::US, U"32767", true, 32767},
        ReadRow{"count_typed_above_range_reads_zero", MaskKind::Count, Region::US, U"99999", false, 0},
        ReadRow{"count_just_above_range", MaskKind::Count, Region::US, U"32768", false, 0},
        ReadRow{"count_just_below_range", MaskKind::Count, Region::US, U"-32769", false, 0},
        ReadRow{"count_beyond_64_bits", MaskKind::Count, Region::US, U"99999999999999999999999", false, 0},
        ReadRow{"count_fraction_not_whole", MaskKind::Count, Region::US, U"12.5", false, 0},
        ReadRow{"count_trailing_point", MaskKind::Count, Region::US, U"12.", true, 12},
        ReadRow{"de_shown_money", MaskKind::Money17, Region::German, U"       € 1.234,50", true, 1234.5},
        ReadRow{"de_shown_negative", MaskKind::Money17, Region::German, U"      -€ 1.234,50", true, -1234.5},
        ReadRow{"de_blank_dropped", MaskKind::Money10, Region::German, U"€99.999,99", true, 99999.99},
        ReadRow{"de_sign_after_number", MaskKind::Money17, Region::German, U"      -1.234,50 €", true, -1234.5},
        ReadRow{"de_typed", MaskKind::Money17, Region::German, U"1234,5", true, 1234.5},
        ReadRow{"de_point_is_thousands", MaskKind::Money17, Region::German, U"1.234", true, 1234},
        ReadRow{"de_percent", MaskKind::Percent, Region::German, U"  8,7500%", true, 8.75},
        ReadRow{"de_decimal_field", MaskKind::Decimal, Region::German, U"       1,5", true, 1.5},
        ReadRow{"dollar_comma_money", MaskKind::Money17, Region::DollarComma, U"        $1.234,50", true, 1234.5},
        ReadRow{"euro_before_negative", MaskKind::Money17, Region::EuroBefore, U"      -€ 1.234,50", true, -1234.5},
        ReadRow{"krona_blank_thousands", MaskKind::Money17, Region::Krona, U"      kr 1 234,50", true, 1234.5}),
    rowName<ReadRow>);

// ---------------------------------------------------------------- write then read

struct RoundTripRow {
    std::string name;
    MaskKind mask;
    double value;
    double fieldRounded;  // what a later step reads
};

class RoundTrip : public testing::TestWithParam<std::tuple<RoundTripRow, Region>> {};

std::string roundTripName(const testing::TestParamInfo<std::tuple<RoundTripRow, Region>>& param) {
    static const char* const regions[] = {"US", "German", "DollarComma", "EuroBefore", "Krona"};
    return std::get<0>(param.param).name + "_" + regions[static_cast<int>(std::get<1>(param.param))];
}

TEST_P(RoundTrip, ReadsTheFieldRoundedValue) {
    const auto& [row, region] = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask, region);
    field.writeFloat(row.value);
    EXPECT_TRUE(field.isValid()) << field.textUtf8();
    EXPECT_EQ(field.readFloat(), row.fieldRounded) << field.textUtf8();

    const auto shown = field.text();
    field.writeFloat(field.readFloat());
    EXPECT_EQ(field.text(), shown) << "writing what was read changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Masks, RoundTrip,
    testing::Combine(
        testing::Values(
            RoundTripRow{"money_payment", MaskKind::Money17, 786.7043, 786.70},
            RoundTripRow{"money_half", MaskKind::Money17, -0.125, -0.13},
            RoundTripRow{"money_below_half", MaskKind::Money17, 2.675, 2.67},
            RoundTripRow{"money_18_digit_half", MaskKind::Money17, 1000.005, 1000.01},
            RoundTripRow{"money_18_digits_below_half", MaskKind::Money17, 0.155, 0.15},
            RoundTripRow{"money_large", MaskKind::Money17, 123456789.987, 123456789.99},
            RoundTripRow{"money_tiny", MaskKind::Money13, 1e-9, 0},
            RoundTripRow{"money_too_wide", MaskKind::Money10, 123456.78, 123456.78},
            RoundTripRow{"money_negative_too_wide", MaskKind::Money10, -99999.99, -99999.99},
            RoundTripRow{"money_far_too_wide", MaskKind::Money17, 1e15, 1e15},
            RoundTripRow{"money_range_limit", MaskKind::Money17, 1.7e308, 1.7e308},
            RoundTripRow{"money_negative_range_limit", MaskKind::Money17, -1.7e308, -1.7e308},
            RoundTripRow{"percent", MaskKind::Percent, 8.123456, 8.1235},
            RoundTripRow{"percent_too_wide", MaskKind::Percent, -1234.56789, -1234.5679},
            RoundTripRow{"points8", MaskKind::Points8, 0.99995, 1.0},
            RoundTripRow{"points12", MaskKind::Points12, 123456.78901, 123456.789},
            RoundTripRow{"ratio_up", MaskKind::Ratio, 28.6, 29},
            RoundTripRow{"ratio_negative_half", MaskKind::Ratio, -28.5, -29},
            RoundTripRow{"ratio_too_wide", MaskKind::Ratio, 150.4, 150},
            RoundTripRow{"decimal", MaskKind::Decimal, 1.555, 1.55},
            RoundTripRow{"decimal_too_wide", MaskKind::Decimal, -98765432.1, -98765432.1}),
        testing::Values(Region::US, Region::German, Region::EuroBefore, Region::Krona)),
    roundTripName);

// A calculation may write a number the field's range does not hold. It is shown as it is, but
// the text is not a valid value of the field, so it reads 0 as leaving reports it: a later step
// and the user see the same field.
struct OutsideRangeRow {
    std::string name;
    MaskKind mask;
    double value;  // written whole into a count field, floating otherwise
    std::string shown;
};

class WrittenOutsideRange : public testing::TestWithParam<OutsideRangeRow> {};

TEST_P(WrittenOutsideRange, ShownButReadsZero) {
    const auto& row = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask);
    if (field.mask().dataType == DataType::Whole)
        field.writeWhole(static_cast<std::int32_t>(row.value));
    else
        field.writeFloat(row.value);
    if (!row.shown.empty()) {
        EXPECT_EQ(field.textUtf8(), row.shown);
    }
    EXPECT_FALSE(field.isValid());
    EXPECT_EQ(field.readFloat(), 0.0);
    if (field.mask().dataType == DataType::Whole) {
        EXPECT_EQ(field.readWhole(), 0);
    }
    EXPECT_EQ(validateLeave(field).kind, LeaveOutcome::Kind::OutOfRange);

    field.setTypedText(field.text());  // an editor echoing the text types nothing
    EXPECT_EQ(field.readFloat(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, WrittenOutsideRange,
    testing::Values(
        OutsideRangeRow{"count_term_of_50000_payments", MaskKind::Count, 50000, " 50000"},
        OutsideRangeRow{"count_just_above", MaskKind::Count, 32768, " 32768"},
        OutsideRangeRow{"count_just_below", MaskKind::Count, -32769, "-32769"},
        OutsideRangeRow{"count_wider_than_mask", MaskKind::Count, 1234567, "1234567"},
        OutsideRangeRow{"money_beyond_floating_range", MaskKind::Money17, 1.75e308, ""}),
    rowName<OutsideRangeRow>);

TEST(ProgrammingErrors, WrongKindThrows) {
    Fields fields;
    auto& money = fields.make(MaskKind::Money17);
    auto& count = fields.make(MaskKind::Count);
    EXPECT_THROW((void)money.readWhole(), std::logic_error);
    EXPECT_THROW(count.writeFloat(1.0), std::logic_error);
    EXPECT_EQ(count.textUtf8(), "     0") << "a refused write leaves the text";
}

// ---------------------------------------------------------------- currency texts of grids and reports

// Grids and reports follow the user's own currency format, where value fields do not.
struct CurrencyRow {
    std::string name;
    Region region;
    int negativePattern;  // -1: the region's own
    double value;
    int decimals;
    std::string text;
};

class CurrencyText : public testing::TestWithParam<CurrencyRow> {};

TEST_P(CurrencyText, FollowsRegionalFormat) {
    const auto& row = GetParam();
    auto regional = settingsFor(row.region);
    if (row.negativePattern >= 0)
        regional.negativeCurrencyPattern = row.negativePattern;
    EXPECT_EQ(toUtf8(formatCurrency(row.value, row.decimals, regional)), row.text);
}

CurrencyRow negativeUs(int pattern, std::string text) {
    return {"us_negative_pattern_" + std::to_string(pattern), Region::US, pattern, -1234.5, 2, std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CurrencyText,
    testing::Values(
        CurrencyRow{"us_amount", Region::US, -1, 5057.53, 2, "$5,057.53"},
        CurrencyRow{"us_whole_dollars", Region::US, -1, 95000, 0, "$95,000"},
        CurrencyRow{"us_negative", Region::US, -1, -1234.5, 2, "-$1,234.50"},
        CurrencyRow{"us_rounds_half_away", Region::US, -1, 0.125, 2, "$0.13"},
        CurrencyRow{"negative_rounding_to_zero_has_no_minus", Region::US, 0, -0.004, 2, "$0.00"},
        CurrencyRow{"de_sign_after_number", Region::German, -1, 1234.5, 2, "1.234,50 €"},
        CurrencyRow{"de_negative", Region::German, -1, -1234.5, 2, "-1.234,50 €"},
        CurrencyRow{"euro_before_with_blank", Region::EuroBefore, -1, 1234567.891, 2, "€ 1.234.567,89"},
        CurrencyRow{"krona_blank_thousands", Region::Krona, -1, 1234.5, 2, "1 234,50 kr"},
        CurrencyRow{"unknown_pattern_puts_minus_in_front", Region::German, 42, -5, 2, "-5,00 €"},
        CurrencyRow{"not_finite", Region::US, -1, kNan, 2, "NAN"},
        negativeUs(0, "($1,234.50)"), negativeUs(1, "-$1,234.50"), negativeUs(2, "$-1,234.50"),
        negativeUs(3, "$1,234.50-"), negativeUs(4, "(1,234.50$)"), negativeUs(5, "-1,234.50$"),
        negativeUs(6, "1,234.50-$"), negativeUs(7, "1,234.50$-"), negativeUs(8, "-1,234.50 $"),
        negativeUs(9, "-$ 1,234.50"), negativeUs(10, "1,234.50 $-"), negativeUs(11, "$ 1,234.50-"),
        negativeUs(12, "$ -1,234.50"), negativeUs(13, "1,234.50- $"), negativeUs(14, "($ 1,234.50)"),
        negativeUs(15, "(1,234.50 $)")),
    rowName<CurrencyRow>);

// ---------------------------------------------------------------- leaving a field

struct LeaveRow {
    std::string name;
    MaskKind mask;
    Region region;
    bool leftJustified;
    std::u32string typed;
    LeaveOutcome::Kind kind;
    std::string after;  // the text after leaving
};

class Leave : public testing::TestWithParam<LeaveRow> {};

TEST_P(Leave, ValidatesAndReformats) {
    const auto& row = GetParam();
    Fields fields;
    auto& field = fields.make(row.mask, row.region, row.leftJustified);
    field.setTypedText(row.typed);

    const auto checked = validateLeave(field);
    EXPECT_EQ(checked.kind, row.kind);
    EXPECT_EQ(field.text(), row.typed) << "validation alone changes nothing";

    const auto outcome = leaveField(field);
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(field.textUtf8(), row.after);
    if (!outcome.accepted()) {
        EXPECT_EQ(field.readFloat(), 0.0) << "the recalculation reads an invalid field as 0";
    }
}

const auto NotValid = LeaveOutcome::Kind::NotValid;
const auto OutOfRange = LeaveOutcome::Kind::OutOfRange;
const auto Accepted = LeaveOutcome::Kind::Accepted;

INSTANTIATE_TEST_SUITE_P(
    Fields, Leave,
    testing::Values(
        LeaveRow{"typed_money_reformatted", MaskKind::Money17, Region::US, false, U"1234.5", Accepted, blanks(8) + "$1,234.50"},
        LeaveRow{"empty_money_shows_zero", MaskKind::Money17, Region::US, false, U"", Accepted, blanks(12) + "$0.00"},
        LeaveRow{"typed_percent", MaskKind::Percent, Region::US, false, U"12.5", Accepted, " 12.5000%"},
        LeaveRow{"typed_percent_rounded", MaskKind::Percent, Region::US, false, U"7.123456", Accepted, "  7.1235%"},
        LeaveRow{"typed_money_rounded", MaskKind::Money13, Region::US, false, U"2.675", Accepted, blanks(8) + "$2.67"},
        LeaveRow{"typed_too_wide_kept_true", MaskKind::Money10, Region::US, false, U"123456", Accepted, "$123,456.00"},
        LeaveRow{"typed_ratio", MaskKind::Ratio, Region::US, false, U"28", Accepted, "28"},
        LeaveRow{"typed_decimal", MaskKind::Decimal, Region::US, false, U"1.50", Accepted, "       1.5"},
        LeaveRow{"typed_count", MaskKind::Count, Region::US, false, U"360", Accepted, "   360"},
        LeaveRow{"typed_count_left_justified", MaskKind::Count, Region::US, true, U"  360", Accepted, "360   "},
        LeaveRow{"count_out_of_range", MaskKind::Count, Region::US, false, U"99999", OutOfRange, "99999"},
        LeaveRow{"count_fraction", MaskKind::Count, Region::US, false, U"12.5", NotValid, "12.5"},
        LeaveRow{"minus_between_digits", MaskKind::Money17, Region::US, false, U"1-2", NotValid, "1-2"},
        LeaveRow{"blank_between_digits", MaskKind::Percent, Region::US, false, U"1 2", NotValid, "1 2"},
        LeaveRow{"money_beyond_range", MaskKind::Money17, Region::US, false, U"2" + std::u32string(308, U'0'), OutOfRange, "2" + std::string(308, '0')},
        LeaveRow{"de_typed_money", MaskKind::Money17, Region::German, false, U"1234,5", Accepted, blanks(7) + "€ 1.234,50"},
        LeaveRow{"de_typed_percent", MaskKind::Percent, Region::German, false, U"12,5", Accepted, " 12,5000%"},
        LeaveRow{"de_empty_money", MaskKind::Money17, Region::German, false, U"", Accepted, blanks(11) + "€ 0,00"},
        LeaveRow{"de_typed_negative_money", MaskKind::Money17, Region::German, false, U"-1234,5", Accepted, blanks(6) + "-€ 1.234,50"}),
    rowName<LeaveRow>);

TEST(LeaveMessages, ExactTexts) {
    LeaveOutcome outcome;
    EXPECT_EQ(outcome.message(), "");
    outcome.kind = LeaveOutcome::Kind::NotValid;
    EXPECT_EQ(outcome.message(), "Value is not valid for this field type");
    outcome.kind = LeaveOutcome::Kind::OutOfRange;
    EXPECT_EQ(outcome.message(), "Value is not within required range");
    outcome.kind = LeaveOutcome::Kind::EntryError;
    EXPECT_EQ(outcome.message(), "Entry Error");
}

// A field the user cannot correct is never reported: hidden, disabled or read-only.
TEST(LeaveUnchecked, HiddenDisabledAndReadOnlyKeepTheirText) {
    Fields fields;
    auto& hidden = fields.make(MaskKind::Money17);
    auto& disabled = fields.make(MaskKind::Count);
    auto& readOnly = fields.make(MaskKind::Count, Region::US, false, true);
    hidden.setTypedText(U"1-2");
    hidden.setVisible(false);
    disabled.setTypedText(U"99999");
    disabled.setEnabled(false);
    readOnly.writeWhole(40000);

    for (ValueField* field : {&hidden, &disabled, &readOnly}) {
        const auto before = field->text();
        const auto outcome = leaveField(*field);
        EXPECT_TRUE(outcome.accepted());
        EXPECT_EQ(outcome.text, before);
        EXPECT_EQ(field->text(), before);
    }
}

// ---------------------------------------------------------------- typing

struct TypingRow {
    std::string name;
    MaskKind mask;
    Region region;
    std::size_t position;
    char32_t ch;
    bool accepted;
};

class TypingAt : public testing::TestWithParam<TypingRow> {};

TEST_P(TypingAt, FollowsTheMaskCharacter) {
    const auto& row = GetParam();
    Fields fields;
    const auto& field = fields.make(row.mask, row.region);
    EXPECT_EQ(acceptsAt(field, row.position, row.ch), row.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TypingAt,
    testing::Values(
        // '$#,###,###,###.##': 0 '$', 1 '#', 2 ',', 14 '.', 15 '#'
        TypingRow{"sign_position_takes_nothing", MaskKind::Money17, Region::US, 0, U'1', false},
        TypingRow{"hash_takes_digit", MaskKind::Money17, Region::US, 1, U'7', true},
        TypingRow{"hash_takes_blank", MaskKind::Money17, Region::US, 1, U' ', true},
        TypingRow{"hash_takes_minus", MaskKind::Money17, Region::US, 3, U'-', true},
        TypingRow{"hash_takes_point", MaskKind::Money17, Region::US, 3, U'.', true},
        TypingRow{"hash_refuses_letter", MaskKind::Money17, Region::US, 3, U'a', false},
        TypingRow{"hash_refuses_thousands_separator", MaskKind::Money17, Region::US, 3, U',', false},
        TypingRow{"hash_refuses_dollar", MaskKind::Money17, Region::US, 3, U'$', false},
        TypingRow{"comma_position_takes_nothing", MaskKind::Money17, Region::US, 2, U'1', false},
        TypingRow{"point_position_takes_nothing", MaskKind::Money17, Region::US, 14, U'.', false},
        TypingRow{"decimal_position_takes_digit", MaskKind::Money17, Region::US, 15, U'5', true},
        TypingRow{"past_the_end", MaskKind::Money17, Region::US, 17, U'5', false},
        TypingRow{"percent_literal_takes_nothing", MaskKind::Percent, Region::US, 8, U'%', false},
        TypingRow{"count_takes_minus", MaskKind::Count, Region::US, 0, U'-', true},
        TypingRow{"count_refuses_point", MaskKind::Count, Region::US, 3, U'.', false},
        TypingRow{"ratio_refuses_minus", MaskKind::Ratio, Region::US, 0, U'-', false},
        TypingRow{"ratio_takes_digit", MaskKind::Ratio, Region::US, 1, U'9', true},
        TypingRow{"decimal_field_takes_point", MaskKind::Decimal, Region::US, 9, U'.', true},
        TypingRow{"de_hash_takes_regional_decimal", MaskKind::Money17, Region::German, 3, U',', true},
        TypingRow{"de_hash_refuses_thousands_point", MaskKind::Money17, Region::German, 3, U'.', false}),
    rowName<TypingRow>);

TEST(Typing, ReadOnlyAndDisabledFieldsAcceptNothing) {
    Fields fields;
    const auto& readOnly = fields.make(MaskKind::Money17, Region::US, false, true);
    auto& disabled = fields.make(MaskKind::Money17);
    disabled.setEnabled(false);
    EXPECT_FALSE(acceptsAt(readOnly, 5, U'1'));
    EXPECT_FALSE(acceptsTyped(readOnly, U'1'));
    EXPECT_FALSE(acceptsAt(disabled, 5, U'1'));
    EXPECT_FALSE(acceptsTyped(disabled, U'1'));
}

struct TypedKeyRow {
    std::string name;
    MaskKind mask;
    Region region;
    char32_t key;
    char32_t entered;  // typedCharacter
    bool accepted;     // acceptsTyped(entered)
};

class TypedKey : public testing::TestWithParam<TypedKeyRow> {};

TEST_P(TypedKey, MapsAndFilters) {
    const auto& row = GetParam();
    Fields fields;
    const auto& field = fields.make(row.mask, row.region);
    const auto entered = typedCharacter(field, row.key);
    EXPECT_EQ(entered, row.entered);
    EXPECT_EQ(acceptsTyped(field, entered), row.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedKey,
    testing::Values(
        TypedKeyRow{"money_digit", MaskKind::Money17, Region::US, U'4', U'4', true},
        TypedKeyRow{"money_point", MaskKind::Money17, Region::US, U'.', U'.', true},
        TypedKeyRow{"money_minus", MaskKind::Money17, Region::US, U'-', U'-', true},
        TypedKeyRow{"money_comma_refused", MaskKind::Money17, Region::US, U',', U',', false},
        TypedKeyRow{"money_dollar_refused", MaskKind::Money17, Region::US, U'$', U'$', false},
        TypedKeyRow{"percent_sign_refused", MaskKind::Percent, Region::US, U'%', U'%', false},
        TypedKeyRow{"percent_point", MaskKind::Percent, Region::US, U'.', U'.', true},
        TypedKeyRow{"count_point_refused", MaskKind::Count, Region::US, U'.', U'.', false},
        TypedKeyRow{"count_minus", MaskKind::Count, Region::US, U'-', U'-', true},
        TypedKeyRow{"ratio_minus_refused", MaskKind::Ratio, Region::US, U'-', U'-', false},
        TypedKeyRow{"letter_refused", MaskKind::Decimal, Region::US, U'x', U'x', false},
        TypedKeyRow{"de_point_key_enters_comma", MaskKind::Money17, Region::German, U'.', U',', true},
        TypedKeyRow{"de_comma_key", MaskKind::Percent, Region::German, U',', U',', true},
        TypedKeyRow{"de_count_point_key_refused", MaskKind::Count, Region::German, U'.', U',', false}),
    rowName<TypedKeyRow>);

// Typing "12,5" key by key under German settings, as the widget does, gives 12.5.
TEST(Typing, GermanKeysReadBack) {
    Fields fields;
    auto& rate = fields.make(MaskKind::Percent, Region::German);
    std::u32string editor;
    for (char32_t key : std::u32string(U"12.5")) {
        const auto ch = typedCharacter(rate, key);
        ASSERT_TRUE(acceptsTyped(rate, ch));
        editor += ch;
        rate.setTypedText(editor);
    }
    EXPECT_EQ(rate.readFloat(), 12.5);
    leaveField(rate);
    EXPECT_EQ(rate.textUtf8(), " 12,5000%");
}

// ---------------------------------------------------------------- observers and change handler

class Notifications : public testing::Test {
protected:
    Fields fields;
    ValueField& field = fields.make(MaskKind::Percent);
    int observed = 0;
    int changes = 0;

    void SetUp() override {
        field.addObserver([this](const ValueField&) { ++observed; });
        field.setChangeHandler([this] { ++changes; });
    }
};

TEST_F(Notifications, ProgramWriteRunsChangeHandlerOnlyWhenTextChanges) {
    field.writeFloat(7.5);
    EXPECT_EQ(observed, 1);
    EXPECT_EQ(changes, 1);
    field.writeFloat(7.50001);  // same text "  7.5000%"
    EXPECT_EQ(observed, 1);
    EXPECT_EQ(changes, 1);
    field.writeFloat(7.25);
    EXPECT_EQ(changes, 2);
}

TEST_F(Notifications, TypingAndLeavingRunChangeHandler) {
    field.setTypedText(U"7");
    EXPECT_EQ(changes, 1);
    leaveField(field);  // reformats to "  7.0000%"
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(observed, 2);
}

TEST_F(Notifications, AttributesNotifyObserversNotChangeHandler) {
    field.setReadOnly(true);
    field.setVisible(false);
    field.setEnabled(false);
    field.setTabStop(false);
    field.setLook(Look::Result);
    field.setHint("Rate|Annual rate");
    EXPECT_EQ(observed, 6);
    EXPECT_EQ(changes, 0);
    field.setLook(Look::Result);  // unchanged
    field.setHint("Rate|Annual rate");
    EXPECT_EQ(observed, 6);
}

TEST_F(Notifications, ChangeHandlerMayWriteOtherFields) {
    auto& second = fields.make(MaskKind::Percent);
    field.setChangeHandler([&] { second.writeFloat(field.readFloat() - 0.25); });
    field.setTypedText(U"7");
    EXPECT_EQ(second.textUtf8(), "  6.7500%");
}

TEST_F(Notifications, ObserverRemovedWhileBeingTold) {
    int selfRemoving = 0;
    int id = 0;
    id = field.addObserver([&](const ValueField&) {
        ++selfRemoving;
        field.removeObserver(id);
    });
    field.writeFloat(1);
    field.writeFloat(2);
    EXPECT_EQ(selfRemoving, 1);
    EXPECT_EQ(observed, 2);
}

TEST(FieldStart, NewFieldShowsZeroAndSpecAttributes) {
    Fields fields;
    auto& money = fields.make(MaskKind::Money10, Region::US, false, true);
    EXPECT_EQ(money.textUtf8(), "     $0.00");
    EXPECT_TRUE(money.readOnly());
    auto& count = fields.make(MaskKind::Count, Region::US, true);
    EXPECT_EQ(count.textUtf8(), "0     ");
}

}  // namespace
}  // namespace kelvarin::workspace
