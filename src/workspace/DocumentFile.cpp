#include "DocumentFile.h"

#include "DefaultsFile.h"
#include "NumberText.h"
#include "Workspace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kelvarin::workspace {

namespace {

constexpr std::array<DocumentLine, DocumentValueLines> kLayout{{
    {"ValueSet", LineForm::Whole, LineSource::ValueSet},                                     // 1
    {"Loan", LineForm::Number, LineSource::Held},                                            // 2
    {"Interest", LineForm::Number, LineSource::Held},                                        // 3
    {"Term", LineForm::Whole, LineSource::Held},                                             // 4
    {"AmortPayment", LineForm::Number, LineSource::Held},                                    // 5
    {"Federal", LineForm::Number, LineSource::Held},                                         // 6
    {"State", LineForm::Number, LineSource::Held},                                           // 7
    {"Downpayment", LineForm::Number, LineSource::Held},                                     // 8
    {"DefaultCalculator", LineForm::Whole, LineSource::DefaultCalculator},                   // 9
    {"edtLA", LineForm::Number, LineSource::Field},                                          // 10
    {"edtIR", LineForm::Number, LineSource::Field},                                          // 11
    {"edtPMT", LineForm::Number, LineSource::Field},                                         // 12
    {"edtN", LineForm::Whole, LineSource::Field},                                            // 13
    {"edtMPISalesPrice", LineForm::Number, LineSource::Field},                               // 14
    {"edtMPIDownPaymentSum", LineForm::Number, LineSource::Field},                           // 15
    {"edtMPIDownPaymentPercent", LineForm::Number, LineSource::Field},                       // 16
    {"edtMPILoanAmount", LineForm::Number, LineSource::Field},                               // 17
    {"edtMPIInterestRate", LineForm::Number, LineSource::Field},                             // 18
    {"edtMPITermInMonths", LineForm::Whole, LineSource::Field},                              // 19
    {"edtMPIPayment", LineForm::Number, LineSource::Field},                                  // 20
    {"edtECCIncome", LineForm::Number, LineSource::Field},                                   // 21
    {"edtECCDebt", LineForm::Number, LineSource::Field},                                     // 22
    {"edtEccInterest", LineForm::Number, LineSource::Field},                                 // 23
    {"edtEccOriginationPoints", LineForm::Number, LineSource::Field},                        // 24
    {"edtEccDiscountPoints", LineForm::Number, LineSource::Field},                           // 25
    {"edtEccTerm", LineForm::Whole, LineSource::Field},                                      // 26
    {"edtEccDownPaymentPercent", LineForm::Number, LineSource::Field},                       // 27
    {"edtECCTax", LineForm::Number, LineSource::Field},                                      // 28
    {"edtECCInsurance", LineForm::Number, LineSource::Field},                                // 29
    {"edtECCAssociationFee", LineForm::Number, LineSource::Field},                           // 30
    {"edtEccHousingRatio", LineForm::Number, LineSource::Field},                             // 31
    {"edtEccDebtRatio", LineForm::Number, LineSource::Field},                                // 32
    {"edtEccCPurchasePrice", LineForm::Number, LineSource::Field},                           // 33
    {"edtEccCDownPayment", LineForm::Number, LineSource::Field},                             // 34
    {"edtEccCLoanAmount", LineForm::Number, LineSource::Field},                              // 35
    {"edtEccCPandI", LineForm::Number, LineSource::Field},                                   // 36
    {"edtEccCMonthlyTax", LineForm::Number, LineSource::Field},                              // 37
    {"edtEccCMonthlyInsurance", LineForm::Number, LineSource::Field},                        // 38
    {"edtEccCpmi", LineForm::Number, LineSource::Field},                                     // 39
    {"edtEccCMonthlyPayment", LineForm::Number, LineSource::Field},                          // 40
    {"edtEccCEscrows", LineForm::Number, LineSource::Field},                                 // 41
    {"edtEccCClosingCosts", LineForm::Number, LineSource::Field},                            // 42
    {"edtEccCCashRequiredToClose", LineForm::Number, LineSource::Field},                     // 43
    {"edtEccCHousingRatio", LineForm::Number, LineSource::Field},                            // 44
    {"edtEccCDebtRatio", LineForm::Number, LineSource::Field},                               // 45
    {"edtLOF", LineForm::Number, LineSource::Field},                                         // 46
    {"edtAF", LineForm::Number, LineSource::Field},                                          // 47
    {"edtCR", LineForm::Number, LineSource::Field},                                          // 48
    {"edtTSF", LineForm::Number, LineSource::Field},                                         // 49
    {"edtLPF", LineForm::Number, LineSource::Field},                                         // 50
    {"edtSTT", LineForm::Number, LineSource::Field},                                         // 51
    {"edtTS", LineForm::Number, LineSource::Field},                                          // 52
    {"edtTIF", LineForm::Number, LineSource::Field},                                         // 53
    {"edtRF", LineForm::Number, LineSource::Field},                                          // 54
    {"edtOF", LineForm::Number, LineSource::Field},                                          // 55
    {"edtII", LineForm::Number, LineSource::Field},                                          // 56
    {"edtPMII", LineForm::Number, LineSource::Field},                                        // 57
    {"edtHOIP", LineForm::Number, LineSource::Field},                                        // 58
    {"edtHOII", LineForm::Number, LineSource::Field},                                        // 59
    {"edtPTI", LineForm::Number, LineSource::Field},                                         // 60
    {"edtIIDays", LineForm::Whole, LineSource::Field},                                       // 61
    {"edtPMIPercent", LineForm::Number, LineSource::Field},                                  // 62
    {"edtPMIIMonths", LineForm::Whole, LineSource::Field},                                   // 63
    {"edtHOIPMonths", LineForm::Whole, LineSource::Field},                                   // 64
    {"edtHOIIMonths", LineForm::Whole, LineSource::Field},                                   // 65
    {"edtPTIMonths", LineForm::Whole, LineSource::Field},                                    // 66
    {"edtRVBMonthlyRent", LineForm::Number, LineSource::Field},                              // 67
    {"edtRVBRentIncrease", LineForm::Number, LineSource::Field},                             // 68
    {"edtRVBTerm", LineForm::Whole, LineSource::Field},                                      // 69
    {"edtRVBRentSpent", LineForm::Number, LineSource::Field},                                // 70
    {"edtRVBDownPayment", LineForm::Number, LineSource::Field},                              // 71
    {"edtRVBEstimatedReturn", LineForm::Number, LineSource::Field},                          // 72
    {"edtRVBInvestmentValue", LineForm::Number, LineSource::Field},                          // 73
    {"edtRVBInterestRate", LineForm::Number, LineSource::Field},                             // 74
    {"edtRVBLoanTerm", LineForm::Whole, LineSource::Field},                                  // 75
    {"edtRVBHousePrice", LineForm::Number, LineSource::Field},                               // 76
    {"edtRVBIncomeTax", LineForm::Number, LineSource::Field},                                // 77
    {"edtRVBPropertyTax", LineForm::Number, LineSource::Field},                              // 78
    {"edtRVBTaxDeductions", LineForm::Number, LineSource::Field},                            // 79
    {"edtRVBPropertyAppreciation", LineForm::Number, LineSource::Field},                     // 80
    {"edtRVBAppreciation", LineForm::Number, LineSource::Field},                             // 81
    {"edtRVBAnnualMaintenance", LineForm::Number, LineSource::Field},                        // 82
    {"edtRVBSellingCostPercent", LineForm::Number, LineSource::Field},                       // 83
    {"edtRVBValueOfPurchase", LineForm::Number, LineSource::Field},                          // 84
    {"edtRVBValueOfRenting", LineForm::Number, LineSource::Field},                           // 85
    {"edtRVBGain", LineForm::Number, LineSource::Field},                                     // 86
    {"edtOldLoan", LineForm::Number, LineSource::Field},                                     // 87
    {"edtOldTerm", LineForm::Whole, LineSource::Field},                                      // 88
    {"edtOldInterestRate", LineForm::Number, LineSource::Field},                             // 89
    {"edtOldPaymentsMade", LineForm::Whole, LineSource::Field},                              // 90
    {"edtOldPaymentsRemaining", LineForm::Whole, LineSource::Field},                         // 91
    {"edtOldPayment", LineForm::Number, LineSource::Field},                                  // 92
    {"edtNewLoan", LineForm::Number, LineSource::Field},                                     // 93
    {"edtNewTerm", LineForm::Whole, LineSource::Field},                                      // 94
    {"edtNewInterestRate", LineForm::Number, LineSource::Field},                             // 95
    {"edtRefiClosingCosts", LineForm::Number, LineSource::Field},                            // 96
    {"edtMonthsUntilSell", LineForm::Whole, LineSource::Field},                              // 97
    {"edtNewPayment", LineForm::Number, LineSource::Field},                                  // 98
    {"edtPaymentSaved", LineForm::Number, LineSource::Field},                                // 99
    {"edtTotalPaymentSaved", LineForm::Number, LineSource::Field},                           // 100
    {"edtOldEquity", LineForm::Number, LineSource::Field},                                   // 101
    {"edtNewEquity", LineForm::Number, LineSource::Field},                                   // 102
    {"edtEquitySavings", LineForm::Number, LineSource::Field},                               // 103
    {"edtTotalSaved", LineForm::Number, LineSource::Field},                                  // 104
    {"edtMortgageAmount", LineForm::Number, LineSource::Field},                              // 105
    {"edtMortgageInterest", LineForm::Number, LineSource::Field},                            // 106
    {"edtMortgagePeriods", LineForm::Whole, LineSource::Field},                              // 107
    {"edtMortgagePayments", LineForm::Number, LineSource::Field},                            // 108
    {"edtMortgageTotalPaid", LineForm::Number, LineSource::Field},                           // 109
    {"edtMortgageCostOfLoan", LineForm::Number, LineSource::Field},                          // 110
    {"edtMortgageHalfPayments", LineForm::Number, LineSource::Field},                        // 111
    {"edtMortgageHalfTotalPaid", LineForm::Number, LineSource::Field},                       // 112
    {"edtMortgageHalfCostOfLoan", LineForm::Number, LineSource::Field},                      // 113
    {"edtTimeSavedMonths", LineForm::Number, LineSource::Field},                             // 114
    {"edtTimeSavedYears", LineForm::Number, LineSource::Field},                              // 115
    {"edtInterestSaved", LineForm::Number, LineSource::Field},                               // 116
    {"edtLoan", LineForm::Number, LineSource::Field},                                        // 117
    {"edtInterest", LineForm::Number, LineSource::Field},                                    // 118
    {"edtTerm", LineForm::Whole, LineSource::Field},                                         // 119
    {"edtPayment", LineForm::Number, LineSource::Field},                                     // 120
    {"rgCalculate", LineForm::Whole, LineSource::ChoiceIndex},                               // 121
    {"edtMortAmt", LineForm::Number, LineSource::Field},                                     // 122
    {"edtIRate", LineForm::Number, LineSource::Field},                                       // 123
    {"edtNumPmts", LineForm::Whole, LineSource::Field},                                      // 124
    {"edtAmortPayment", LineForm::Number, LineSource::Field},                                // 125
    {"edtPPCAmountBorrowed", LineForm::Number, LineSource::Field},                           // 126
    {"edtPPCInterest", LineForm::Number, LineSource::Field},                                 // 127
    {"edtPPCTerm", LineForm::Whole, LineSource::Field},                                      // 128
    {"edtPPCPropertyTaxes", LineForm::Number, LineSource::Field},                            // 129
    {"edtPPCInsurance", LineForm::Number, LineSource::Field},                                // 130
    {"edtPPCPMI", LineForm::Number, LineSource::Field},                                      // 131
    {"edtPPCPayment", LineForm::Number, LineSource::Field},                                  // 132
    {"edtPPCTotalPayment", LineForm::Number, LineSource::Field},                             // 133
    {"edtPPCTotalInterest", LineForm::Number, LineSource::Field},                            // 134
    {"edtPPCTotalPrincipalAndInterest", LineForm::Number, LineSource::Field},                // 135
    {"edtPPCNewPayment", LineForm::Number, LineSource::Field},                               // 136
    {"edtPPCNewTotalPayment", LineForm::Number, LineSource::Field},                          // 137
    {"edtPPCTotalInterestWithPrepayments", LineForm::Number, LineSource::Field},             // 138
    {"edtPPCTotalInterestAndPrincipalWithPrepayments", LineForm::Number, LineSource::Field}, // 139
    {"edtPPCNewTerm", LineForm::Whole, LineSource::Field},                                   // 140
    {"edtPPCSavings", LineForm::Number, LineSource::Field},                                  // 141
    {"edtHSPHouseSalesPrice", LineForm::Number, LineSource::Field},                          // 142
    {"edtHSPFirstLoanBalance", LineForm::Number, LineSource::Field},                         // 143
    {"edtHSPSecondLoanBalance", LineForm::Number, LineSource::Field},                        // 144
    {"edtHSPOtherLoans", LineForm::Number, LineSource::Field},                               // 145
    {"edtHSPPropertyTaxes", LineForm::Number, LineSource::Field},                            // 146
    {"edtHSPTransferTaxPercent", LineForm::Number, LineSource::Field},                       // 147
    {"cbHSPClosingMonth", LineForm::Text, LineSource::ChoiceText},                           // 148
    {"edtHSPPrepaymentPenalty", LineForm::Number, LineSource::Field},                        // 149
    {"edtHSPSalesCommission", LineForm::Number, LineSource::Field},                          // 150
    {"edtHSPOtherSalesCommission", LineForm::Number, LineSource::Field},                     // 151
    {"edtHSPOtherFees", LineForm::Number, LineSource::Field},                                // 152
    {"edtHSPPropertyTaxesPaid", LineForm::Number, LineSource::Field},                        // 153
    {"edtHSPTransferTaxesPaid", LineForm::Number, LineSource::Field},                        // 154
    {"edtHSPCosts", LineForm::Number, LineSource::Field},                                    // 155
    {"edtHSPNetGain", LineForm::Number, LineSource::Field},                                  // 156
    {"edtIncome1", LineForm::Number, LineSource::Field},                                     // 157
    {"edtOIncome1", LineForm::Number, LineSource::Field},                                    // 158
    {"edtNotes1", LineForm::Number, LineSource::Field},                                      // 159
    {"edtAuto1", LineForm::Number, LineSource::Field},                                       // 160
    {"edtCards1", LineForm::Number, LineSource::Field},                                      // 161
    {"edtIncome2", LineForm::Number, LineSource::Field},                                     // 162
    {"edtOIncome2", LineForm::Number, LineSource::Field},                                    // 163
    {"edtNotes2", LineForm::Number, LineSource::Field},                                      // 164
    {"edtAuto2", LineForm::Number, LineSource::Field},                                       // 165
    {"edtCards2", LineForm::Number, LineSource::Field},                                      // 166
    {"edtMQDownPayment", LineForm::Number, LineSource::Field},                               // 167
    {"edtHousingRatio", LineForm::Number, LineSource::Field},                                // 168
    {"edtDebtRatio", LineForm::Number, LineSource::Field},                                   // 169
    {"edtMQir1", LineForm::Number, LineSource::Field},                                       // 170
    {"edtMQir2", LineForm::Number, LineSource::Field},                                       // 171
    {"edtMQir3", LineForm::Number, LineSource::Field},                                       // 172
    {"edtMQTerm1", LineForm::Whole, LineSource::Field},                                      // 173
    {"edtMQTerm2", LineForm::Whole, LineSource::Field},                                      // 174
    {"edtMQTerm3", LineForm::Whole, LineSource::Field},                                      // 175
    {"edtMQPayment1", LineForm::Number, LineSource::Field},                                  // 176
    {"edtMQPayment2", LineForm::Number, LineSource::Field},                                  // 177
    {"edtMQPayment3", LineForm::Number, LineSource::Field},                                  // 178
    {"edtMQLoan1", LineForm::Number, LineSource::Field},                                     // 179
    {"edtMQLoan2", LineForm::Number, LineSource::Field},                                     // 180
    {"edtMQLoan3", LineForm::Number, LineSource::Field},                                     // 181
    {"edtMQPurchasePrice1", LineForm::Number, LineSource::Field},                            // 182
    {"edtMQPurchasePrice2", LineForm::Number, LineSource::Field},                            // 183
    {"edtMQPurchasePrice3", LineForm::Number, LineSource::Field},                            // 184
    {"cbMonth", LineForm::Text, LineSource::ChoiceText},                                     // 185
    {"edtYear", LineForm::Whole, LineSource::Field},                                         // 186
    {"edtMQPropertyTaxes", LineForm::Number, LineSource::Field},                             // 187
    {"edtMQHomeownersInsurance", LineForm::Number, LineSource::Field},                       // 188
}};

constexpr int kScheduleAmountLine = 125; // edtAmortPayment: the held AmortPayment follows it
constexpr int kLoanSpreadChoices = 4;

double heldNumber(const HeldValues& held, std::string_view name) {
    if (name == "Loan")
        return held.Loan;
    if (name == "Interest")
        return held.Interest;
    if (name == "AmortPayment")
        return held.AmortPayment;
    if (name == "Federal")
        return held.Federal;
    if (name == "State")
        return held.State;
    if (name == "Downpayment")
        return held.Downpayment;
    throw std::logic_error("document line for unknown held number " + std::string(name));
}

void setHeldNumber(HeldValues& held, std::string_view name, double value) {
    if (name == "Loan")
        held.Loan = value;
    else if (name == "Interest")
        held.Interest = value;
    else if (name == "AmortPayment")
        held.AmortPayment = value;
    else if (name == "Federal")
        held.Federal = value;
    else if (name == "State")
        held.State = value;
    else if (name == "Downpayment")
        held.Downpayment = value;
    else
        throw std::logic_error("document line for unknown held number " + std::string(name));
}

bool isCount(const ValueField& field) {
    return field.mask().dataType == DataType::Whole;
}

std::int32_t clampToWhole(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::lround(std::clamp(value, lo, hi)));
}

std::int32_t fieldWhole(const ValueField& field) {
    return isCount(field) ? field.readWhole() : clampToWhole(field.readFloat());
}

// The shortest number text that reopens as the text the field shows for value: 15 significant
// digits as a rule, more for the rare large figure whose cents 15 digits cannot hold.
std::string fieldNumberText(const ValueField& field, double value, const RegionalSettings& regional) {
    const bool left = field.design().leftJustified;
    const std::u32string shown = formatFloating(field.mask(), regional, value, left);
    std::string text;
    for (int digits = 15; digits <= 17; ++digits) {
        text = formatNumberText(value, regional, digits);
        const std::optional<double> back = parseNumberText(text, regional);
        if (back && formatFloating(field.mask(), regional, *back, left) == shown)
            break;
    }
    return text;
}

// A text line holds no line break, or the lines after it would move.
std::string oneLine(std::string text) {
    std::ranges::replace(text, '\r', ' ');
    std::ranges::replace(text, '\n', ' ');
    return text;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trimmedRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// UTF-8 as it stands; a line that is not (a file from an 8-bit code page) is read as Latin-1.
std::string asUtf8(std::string_view line) {
    const std::string roundTrip = toUtf8(fromUtf8(line));
    if (roundTrip == line)
        return std::string(line);
    std::u32string wide;
    for (unsigned char c : line)
        wide.push_back(c);
    return toUtf8(wide);
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

std::string takeWord(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    std::string word(trimmedRight(rest.substr(0, blank)));
    rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    return word;
}

} // namespace

std::span<const DocumentLine> documentLayout() {
    return kLayout;
}

std::string writeDocument(const Workspace& ws, const HeldValues& held) {
    const RegionalSettings& regional = ws.regional();
    const auto& state = ws.state();
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    for (const DocumentLine& entry : kLayout) {
        switch (entry.source) {
        case LineSource::ValueSet:
            line(formatWholeText(state.ValueSet));
            break;
        case LineSource::DefaultCalculator:
            line(formatWholeText(state.DefaultCalculator));
            break;
        case LineSource::Held:
            line(entry.form == LineForm::Whole ? formatWholeText(held.Term)
                                               : formatNumberText(heldNumber(held, entry.name), regional));
            break;
        case LineSource::ChoiceIndex:
            line(formatWholeText(ws.choice(entry.name).index));
            break;
        case LineSource::ChoiceText:
            line(oneLine(ws.choice(entry.name).text));
            break;
        case LineSource::Field: {
            const ValueField& field = ws.field(entry.name);
            if (entry.form == LineForm::Whole)
                line(formatWholeText(fieldWhole(field)));
            else
                line(fieldNumberText(field, field.readFloat(), regional));
            break;
        }
        }
    }
    const TextGrid& grid = ws.grid("grdAmortization");
    for (int row = grid.fixedRows; row < grid.rowCount(); ++row) {
        std::string text;
        for (int col = 0; col < ScheduleColumns; ++col) {
            if (col > 0)
                text += ' ';
            if (col < grid.colCount())
                text += oneLine(grid.cell(col, row));
        }
        line(text);
    }
    return out;
}

std::array<std::string, ScheduleColumns> splitScheduleRow(std::string_view line) {
    std::array<std::string, ScheduleColumns> cells;
    std::string_view rest = line;
    cells[0] = takeWord(rest);
    std::string month = takeWord(rest);
    month += ' ';
    month += takeWord(rest);
    cells[1] = std::string(trimmedRight(month));
    for (int col = 2; col <= 6; ++col)
        cells[col] = takeWord(rest);
    cells[7] = std::string(trimmedRight(rest));
    return cells;
}

ParsedDocument parseDocument(std::string_view bytes, const RegionalSettings& regional) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::vector<std::string_view> lines = splitLines(bytes);
    DocumentContent content;
    content.values.resize(kLayout.size());
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (i >= lines.size())
            return {std::nullopt, {number, "the file ends before line " + std::to_string(number)}};
        const DocumentLine& entry = kLayout[i];
        DocumentValue& value = content.values[i];
        const std::string_view text = trimmed(lines[i]);
        switch (entry.form) {
        case LineForm::Text:
            value.text = asUtf8(lines[i]);
            break;
        case LineForm::Number:
            if (const std::optional<double> parsed = parseNumberText(text, regional);
                parsed && std::isfinite(*parsed))
                value.number = *parsed;
            else
                return {std::nullopt, {number, "line " + std::to_string(number) + " is not a number"}};
            break;
        case LineForm::Whole:
            if (const std::optional<std::int32_t> parsed = parseWholeText(text))
                value.whole = *parsed;
            else
                return {std::nullopt, {number, "line " + std::to_string(number) + " is not a whole number"}};
            if (entry.source == LineSource::ChoiceIndex &&
                (value.whole < 0 || value.whole >= kLoanSpreadChoices))
                return {std::nullopt,
                        {number, "line " + std::to_string(number) + " is not a choice of 0 to 3"}};
            break;
        }
    }
    for (std::size_t i = kLayout.size(); i < lines.size(); ++i)
        content.rows.push_back(splitScheduleRow(asUtf8(lines[i])));
    return {std::move(content), {}};
}

void applyDocument(Workspace& ws, HeldValues& held, const DocumentContent& content) {
    auto& state = ws.state();
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const DocumentLine& entry = kLayout[i];
        const DocumentValue& value = content.values.at(i);
        switch (entry.source) {
        case LineSource::ValueSet:
            state.ValueSet = value.whole;
            break;
        case LineSource::DefaultCalculator:
            state.DefaultCalculator = value.whole;
            break;
        case LineSource::Held:
            if (entry.form == LineForm::Whole)
                held.Term = value.whole;
            else
                setHeldNumber(held, entry.name, value.number);
            break;
        case LineSource::ChoiceIndex:
            ws.choice(entry.name).index = value.whole;
            break;
        case LineSource::ChoiceText: {
            Choice& choice = ws.choice(entry.name);
            choice.text = value.text;
            const auto it = std::ranges::find(choice.items, value.text);
            choice.index = it == choice.items.end() ? -1 : static_cast<int>(it - choice.items.begin());
            break;
        }
        case LineSource::Field: {
            ValueField& field = ws.field(entry.name);
            if (entry.form == LineForm::Whole)
                field.writeWhole(value.whole);
            else if (isCount(field))
                field.writeWhole(clampToWhole(value.number));
            else
                field.writeFloat(value.number);
            break;
        }
        }
        if (static_cast<int>(i) + 1 == kScheduleAmountLine)
            held.AmortPayment = value.number;
    }

    TextGrid& grid = ws.grid("grdAmortization");
    const int dataRows = std::max<int>(1, static_cast<int>(content.rows.size()));
    grid.resize(grid.fixedRows + dataRows, std::max(grid.colCount(), ScheduleColumns));
    for (int row = grid.fixedRows; row < grid.rowCount(); ++row) {
        const auto index = static_cast<std::size_t>(row - grid.fixedRows);
        for (int col = 0; col < ScheduleColumns; ++col)
            grid.cell(col, row) = index < content.rows.size() ? content.rows[index][col] : std::string{};
    }
}

WriteResult saveDocumentFile(const std::filesystem::path& path, const Workspace& ws, const HeldValues& held,
                             const DocumentWriter& writer) {
    std::string bytes;
    try {
        bytes = writeDocument(ws, held);
    } catch (const std::exception& e) {
        return saveFailure(path, e.what());
    }
    return writer ? writer(path, bytes) : writeFileAtomically(path, bytes);
}

LoadedDocument loadDocumentFile(const std::filesystem::path& path, const RegionalSettings& regional) {
    LoadedDocument loaded;
    std::string bytes;
    std::string reason;
    loaded.status = readFileBytes(path, bytes, reason, MaxDocumentFileSize);
    if (loaded.status != ReadStatus::Ok) {
        loaded.error = {0, loaded.status == ReadStatus::Missing ? "the file does not exist" : reason};
        return loaded;
    }
    ParsedDocument parsed = parseDocument(bytes, regional);
    if (!parsed.content) {
        loaded.status = ReadStatus::Failed;
        loaded.error = std::move(parsed.error);
        return loaded;
    }
    loaded.content = std::move(parsed.content);
    return loaded;
}

} // namespace kelvarin::workspace
