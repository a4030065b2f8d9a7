#include "PageRegistry.h"

#include "EstimatedClosingCostsPage.h"
#include "BiweeklyPaymentsPage.h"
#include "HomeSellersProceedsPage.h"
#include "AmortizationSchedulesPage.h"
#include "MenuPage.h"
#include "MortgageQualifierPage.h"
#include "PrepaymentCalculatorPage.h"
#include "QuickCalculatorsPage.h"
#include "RentVsBuyPage.h"
#include "LoanSpreadPage.h"
#include "RefinancingPage.h"

#include <map>

namespace kelvarin::app {

namespace {

using Factory = Page* (*)(const workspace::PageInfo&, PageContext&, QWidget*);

template <typename P> Page* make(const workspace::PageInfo& info, PageContext& context, QWidget* parent) {
    return new P(info, context, parent);
}

// One line per page class.
const std::map<std::string_view, Factory>& factories() {
    static const std::map<std::string_view, Factory> table = {
        {"pgMenu", make<MenuPage>},
        {"pgQuickCalculators", make<QuickCalculatorsPage>},
        {"pgMortgageQualifier", make<MortgageQualifierPage>},
        {"pgEstimatedClosingCosts", make<EstimatedClosingCostsPage>},
        {"pgRentVsBuyCalculator", make<RentVsBuyPage>},
        {"pgBiweeklyPaymentCalculator", make<BiweeklyPaymentsPage>},
        {"pgHomesellersProceedsCalculator", make<HomeSellersProceedsPage>},
        {"pgRefinancingCalculator", make<RefinancingPage>},
        {"pgLoanSpreadCalculator", make<LoanSpreadPage>},
        {"pgAmortizationSchedules", make<AmortizationSchedulesPage>},
        {"pgPrepaymentCalculator", make<PrepaymentCalculatorPage>},
    };
    return table;
}

}  // namespace

Page* createPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent) {
    const auto found = factories().find(info.name);
    if (found != factories().end())
        return found->second(info, context, parent);
    return new Page(info, context, parent);
}

}  // namespace kelvarin::app
