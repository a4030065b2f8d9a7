#include "PrintFeature.h"

#include "MainWindow.h"
#include "PageSet.h"
#include "calculators/CalculatorSet.h"
#include "reports/PrintRoutines.h"
#include "reports/qt/ReportPreview.h"
#include "reports/qt/ReportRendering.h"

#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace kelvarin::app {

namespace {

struct Printing {
    reports::ReportSet reports;
    reports::QtTextMeasurer measurer;
    QPrinter printer{QPrinter::HighResolution};
};

// Texts the page modules keep beside their fields: the loan spread chart's step captions, taken
// when its grid was built.
reports::PageTexts pageTexts(calculators::CalculatorSet& calculators) {
    const calculators::LoanSpreadCalculator& spread = calculators.loanSpread();
    reports::PageTexts texts;
    texts.loanIncrementText = spread.LoanIncrementText();
    texts.rateIncrementText = spread.RateIncrementText();
    texts.paymentIncrementText = spread.PaymentIncrementText();
    return texts;
}

} // namespace

void installPrinting(FileHooks& hooks, MainWindow& window) {
    auto printing = std::make_shared<Printing>();
    hooks.print = [printing, &window] {
        if (window.pages().isHidden())
            return;
        const workspace::Workspace& ws = window.workspace();
        auto document = reports::printShownPage(
            printing->reports, ws, pageTexts(window.session().calculators()), printing->measurer);
        if (!document)
            return;
        reports::ReportPreview preview(std::move(*document), printing->printer, &window);
        preview.exec();
    };
    hooks.printSetup = [printing, &window] {
        QPrintDialog dialog(&printing->printer, &window);
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        dialog.exec();
    };
}

} // namespace kelvarin::app
