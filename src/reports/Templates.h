#pragma once

#include "Model.h"

#include <array>
#include <memory>
#include <string_view>

namespace kelvarin::reports {

enum class ReportId {
    AmortMonthly,
    AmortAnnual,
    LoanSpreadChart,
    MortgageQualifier,
    RefinancingCalc,
    HomeSellersProceeds,
    PrepaymentCalculator,
    EstimatedClosingCosts,
    BiweeklyPayments,
    RentVsBuy,
};
constexpr std::size_t kReportCount = 10;
constexpr std::array<ReportId, kReportCount> kAllReports{
    ReportId::AmortMonthly,         ReportId::AmortAnnual,
    ReportId::LoanSpreadChart,      ReportId::MortgageQualifier,
    ReportId::RefinancingCalc,      ReportId::HomeSellersProceeds,
    ReportId::PrepaymentCalculator, ReportId::EstimatedClosingCosts,
    ReportId::BiweeklyPayments,     ReportId::RentVsBuy};

// "frAmortMonthly", "frLSC", ...
std::string_view templateName(ReportId id);
// The three grid reports run the band loop; the seven others are built as one page.
bool isSinglePage(ReportId id);

// A fresh template with its design-time texts.
ReportTemplate makeTemplate(ReportId id);

// The ten templates, kept for the program's whole run so that texts persist between previews.
class ReportSet {
public:
    ReportSet();
    ReportTemplate& operator[](ReportId id) { return *m_templates[static_cast<std::size_t>(id)]; }
    const ReportTemplate& operator[](ReportId id) const { return *m_templates[static_cast<std::size_t>(id)]; }

private:
    std::array<std::unique_ptr<ReportTemplate>, kReportCount> m_templates;
};

// Texts of the common objects.
inline constexpr std::string_view kApplicationTitle = "Kelvarin, 2.1.00";
inline constexpr std::string_view kMakerAddress = "www.kelvarin.example";
inline constexpr std::string_view kDisclaimer =
    "NOTE:  Though effort was made to ensure the accuracy of these calculations, there is  NO WARRANTY,  "
    "expressed or implied, for the accuracy or applicability of this information to your particular "
    "financial question.  Please consult your own financial advisor before making any financial decision "
    "based upon these results.";

} // namespace kelvarin::reports
