#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// Borrower and co-borrower rows share their column captions; the three scenario rows share
// theirs. The label is the column caption.
constexpr FieldGroup kPage{"pgMortgageQualifier", "", "CalcMQ"};

constexpr FieldDesign kFields[] = {
    kPage.in("edtIncome1", Money13, "Monthly Income"),
    kPage.in("edtOIncome1", Money13, "Other Monthly Income"),
    kPage.in("edtCards1", Money13, "Monthly Minimum Due on Credit Cards"),
    kPage.in("edtAuto1", Money13, "Monthly Auto Loan Payment(s)"),
    kPage.in("edtNotes1", Money13, "Monthly Due on Student Loan && Other Notes Payable"),
    kPage.in("edtIncome2", Money13, "Monthly Income"),
    kPage.in("edtOIncome2", Money13, "Other Monthly Income"),
    kPage.in("edtCards2", Money13, "Monthly Minimum Due on Credit Cards"),
    kPage.in("edtAuto2", Money13, "Monthly Auto Loan Payment(s)"),
    kPage.in("edtNotes2", Money13, "Monthly Due on Student Loan && Other Notes Payable"),
    kPage.in("edtHousingRatio", Ratio, "Housing"),
    kPage.in("edtDebtRatio", Ratio, "Debt"),
    kPage.in("edtMQPropertyTaxes", Money13, "Monthly Property Taxes"),
    kPage.in("edtMQHomeownersInsurance", Money13, "Monthly Homeowners Insurance"),
    kPage.in("edtMQDownPayment", Money13, "Cash You have Available for Down Payment"),
    kPage.in("edtMQir1", Percent, "Interest Rate"),
    kPage.in("edtMQTerm1", Count, "Term (Years)"),
    kPage.in("edtMQir2", Percent, "Interest Rate"),
    kPage.in("edtMQTerm2", Count, "Term (Years)"),
    kPage.in("edtMQir3", Percent, "Interest Rate"),
    kPage.in("edtMQTerm3", Count, "Term (Years)"),

    kPage.out("edtMQPayment1", Money17, "Monthly Payment (P&&I)"),
    kPage.out("edtMQPayment2", Money17, "Monthly Payment (P&&I)"),
    kPage.out("edtMQPayment3", Money17, "Monthly Payment (P&&I)"),
    kPage.out("edtMQLoan1", Money17, "Loan Amount"),
    kPage.out("edtMQLoan2", Money17, "Loan Amount"),
    kPage.out("edtMQLoan3", Money17, "Loan Amount"),
    kPage.out("edtMQPurchasePrice1", Money17, "Purchase Price"),
    kPage.out("edtMQPurchasePrice2", Money17, "Purchase Price"),
    kPage.out("edtMQPurchasePrice3", Money17, "Purchase Price"),
    kPage.out("edtCalculatedHousingRatio", Ratio, "Housing"),
    kPage.out("edtCalculatedDebtRatio", Ratio, "Debt"),
};

}  // namespace

std::span<const FieldDesign> mortgageQualifierFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
