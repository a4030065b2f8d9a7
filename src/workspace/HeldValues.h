#pragma once

#include <cstdint>

namespace kelvarin::workspace {

// The figures of the defaults file the main window holds, one per key and named after it
// (AmortPayment holds the key Payment). The initialisers are the defaults used when the file,
// section or key is missing or its text does not convert. Whole keys are 32-bit integers,
// number keys doubles.
//
// DefaultValueSet, Month, Year and DefaultCalc are the file's figures only: the live values are
// SharedState's ValueSet, ScheduleStartMonth, ScheduleStartYear and DefaultCalculator, which
// loadDefaults sets from them and the resets and documents change later.
struct HeldValues {
    // [GeneralValues] ([General Values] for Year)
    std::int32_t DefaultValueSet = 1;
    double Loan = 100000;
    double Interest = 8.75;
    std::int32_t Term = 360;
    double AmortPayment = 786.7;
    std::int32_t Month = 1;
    std::int32_t Year = 2000;
    double Federal = 22;
    double State = 2.5;
    double Downpayment = 20000;
    std::int32_t DefaultCalc = 0;

    // [Ratios]: qualifying ratios in whole percent of income
    double HRatio = 28;
    double DRatio = 36;

    // [PmiValues]: yearly premium as a fraction of the loan; Pmip<term><LTV band>
    double Pmip308085 = 0.0032;
    double Pmip308590 = 0.0052;
    double Pmip309095 = 0.0078;
    double Pmip309597 = 0.009;
    double Pmip158085 = 0.0019;
    double Pmip158590 = 0.0023;
    double Pmip159095 = 0.0056;
    double Pmip159597 = 0.0079;

    // [ClosingCosts]
    double AppraisalFee = 300;
    double CreditReport = 42;
    double TaxServiceFee = 85;
    double LendersInspectionFee = 0;
    double TitleInsurance = 200;
    double TitleSearch = 100;
    double EscrowClosingFee = 75;
    double RecordingFee = 50;
    double OtherFees = 300;
    double SellerPaid = 0;

    // [Escrows]
    std::int32_t InterimInterestDays = 15;
    std::int32_t PropertyTaxMonths = 3;
    std::int32_t HomeownersFirstYear = 12;
    std::int32_t HomeownersRenewalMonths = 2;

    bool operator==(const HeldValues&) const = default;
};

} // namespace kelvarin::workspace
