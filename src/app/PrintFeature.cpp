#include "PrintFeature.h"

#include "MainWindow.h"
#include "PageSet.h"
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

// Texts the page modules keep beside their fields.
reports::PageTexts pageTexts(const workspace::Workspace& ws) {
    reports::PageTexts texts;
    // Step captions of the loan spread chart as its choices show them.
    auto item = [&ws](const char* name) {
        const workspace::Choice& c = ws.choice(name);
        return c.index >= 0 && c.index < static_cast<int>(c.items.size())
                   ? c.items[static_cast<std::size_t>(c.index)]
                   : std::string();
    };
    static const char* const kRateSteps[] = {"1/8%", "1/4%", "3/8%", "1/2%", "5/8%", "3/4%", "7/8%", "1%"};
    const int rate = ws.choice("rgInterest").index;
    texts.loanIncrementText = item("rgLoan");
    texts.rateIncrementText = rate >= 0 && rate < 8 ? kRateSteps[rate] : "";
    texts.paymentIncrementText = item("rgPayments");
    return texts;
}

} // namespace

void installPrinting(FileHooks& hooks, MainWindow& window) {
    auto printing = std::make_shared<Printing>();
    hooks.print = [printing, &window] {
        if (window.pages().isHidden())
            return;
        const workspace::Workspace& ws = window.workspace();
        auto document = reports::printShownPage(printing->reports, ws, pageTexts(ws), printing->measurer);
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
