// kelvarin-report: the report of one page as a PDF, headless, for scripts and for measuring.
//   kelvarin-report PAGE --pdf FILE [--locale us|de] [--samples]
// The page is entered as the window enters it (after the start-up resets); --samples fills it with
// its sample values first. Exit status 0 on success, 1 when the PDF cannot be written or the page
// has no report, 2 for a usage error.

#include "calculators/Session.h"
#include "loanmath/Numeric.h"
#include "reports/PrintRoutines.h"
#include "reports/qt/ReportRendering.h"
#include "workspace/Pages.h"

#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

using namespace kelvarin;

namespace {

// Message boxes go to standard error; every question is answered No.
class StderrUi : public workspace::UiPort {
public:
    void focus(std::string_view) override {}
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon, workspace::MessageButtons,
                                     std::string_view) override {
        std::cerr << text << '\n';
        return workspace::MessageAnswer::No;
    }
    void setPrintingAvailable(bool) override {}
    void setBusy(bool) override {}
    void refresh() override {}
};

int usage(const std::string& problem) {
    std::cerr << "kelvarin-report: " << problem
              << "\nusage: kelvarin-report PAGE --pdf FILE [--locale us|de] [--samples]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc < 2)
        return usage("missing PAGE");
    const std::string_view page = argv[1];
    const workspace::PageInfo* info = workspace::findPage(page);
    if (!info)
        return usage("unknown page '" + std::string(page) + "'");
    std::string pdf;
    bool samples = false;
    workspace::RegionalSettings regional = workspace::RegionalSettings::unitedStates();
    for (int at = 2; at < argc; ++at) {
        const std::string_view arg = argv[at];
        if (arg == "--samples") {
            samples = true;
        } else if (arg == "--pdf" && at + 1 < argc) {
            pdf = argv[++at];
        } else if (arg == "--locale" && at + 1 < argc) {
            const std::string_view locale = argv[++at];
            if (locale == "de")
                regional = workspace::RegionalSettings::germanStyle();
            else if (locale != "us")
                return usage("--locale needs us or de");
        } else {
            return usage("unexpected '" + std::string(arg) + "'");
        }
    }
    if (pdf.empty())
        return usage("missing --pdf FILE");

    StderrUi ui;
    calculators::Session session(regional, ui);
    // No defaults file: the built-in values, so that a run depends on nothing but its arguments.
    session.start(workspace::DefaultsFile(std::filesystem::path()), calculators::LocalDate::today());
    try {
        session.navigator().gotoChosenCalculator(info->calculatorsMenu);
        if (samples)
            session.calculators().ResetThisCalculator(1);
    } catch (const loanmath::CalcError&) {
        session.errors().AppOnException(std::current_exception());
    }

    const calculators::LoanSpreadCalculator& spread = session.calculators().loanSpread();
    const reports::PageTexts texts{spread.LoanIncrementText(), spread.RateIncrementText(),
                                   spread.PaymentIncrementText()};
    reports::ReportSet set;
    const reports::QtTextMeasurer measurer;
    const auto document = reports::printShownPage(set, session.workspace(), texts, measurer);
    if (!document) {
        std::cerr << "kelvarin-report: " << page << " has no report\n";
        return 1;
    }
    QString error;
    if (!reports::writePdf(*document, QString::fromStdString(pdf), &error)) {
        std::cerr << "kelvarin-report: " << error.toStdString() << '\n';
        return 1;
    }
    return 0;
}
