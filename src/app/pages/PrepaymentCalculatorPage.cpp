#include "PrepaymentCalculatorPage.h"

#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QFont>
#include <QRadioButton>

namespace kelvarin::app {

namespace {

constexpr int kFieldHeight = Page::kFieldHeight;
constexpr int kHeadingY = 8, kHeadingHeight = 18;

// Inputs: one column of labels and amounts; results beside them, their labels on two lines.
constexpr int kInputLabelX = 8, kInputLabelWidth = 158, kInputFieldX = 170, kInputTop = 34, kInputPitch = 30;
constexpr int kResultLabelX = 292, kResultLabelWidth = 170, kResultRight = 574, kResultTop = 32,
              kResultPitch = 33;

constexpr const char* kInputs[] = {"edtPPCAmountBorrowed", "edtPPCInterest",  "edtPPCTerm",
                                   "edtPPCPropertyTaxes",  "edtPPCInsurance", "edtPPCPMI",
                                   "edtPPCExtraAmount"};
constexpr const char* kResults[] = {"edtPPCPayment",
                                    "edtPPCTotalPayment",
                                    "edtPPCTotalInterest",
                                    "edtPPCTotalPrincipalAndInterest",
                                    "edtPPCNewPayment",
                                    "edtPPCNewTotalPayment",
                                    "edtPPCTotalInterestWithPrepayments",
                                    "edtPPCTotalInterestAndPrincipalWithPrepayments",
                                    "edtPPCNewTerm",
                                    "edtPPCSavings"};

} // namespace

PrepaymentCalculatorPage::PrepaymentCalculatorPage(const workspace::PageInfo& info, PageContext& context,
                                                   QWidget* parent)
    : Page(info, context, parent) {
    const auto heading = [this](const char* text, int x, int width) {
        QLabel* label = addLabel(QString::fromLatin1(text), QRect(x, kHeadingY, width, kHeadingHeight));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    };
    heading("Loan Information", kInputLabelX, kInputFieldX + 108 - kInputLabelX);
    heading("Prepayment Results", kResultLabelX, kResultRight - kResultLabelX);

    int k = 0;
    for (const char* name : kInputs) {
        const int y = kInputTop + k++ * kInputPitch;
        addFieldLabel(name, QRect(kInputLabelX, y, kInputLabelWidth, kFieldHeight),
                      Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kInputFieldX, y, widthFor(ws().field(name)), kFieldHeight));
    }
    k = 0;
    for (const char* name : kResults) {
        const int y = kResultTop + k++ * kResultPitch;
        addFieldLabel(name, QRect(kResultLabelX, y - 4, kResultLabelWidth, 2 * kFieldHeight - 12),
                      Qt::AlignRight | Qt::AlignVCenter);
        const int width = widthFor(ws().field(name));
        addField(name, QRect(kResultRight - width, y, width, kFieldHeight));
    }

    // Never shown: the modes other than "All Payments", their payment numbers and Clear.
    constexpr int hiddenY = kInputTop + 7 * kInputPitch + 8;
    heading("Prepayments", kInputLabelX, 120)->hide();
    addRadioButtons("rgPPCPrepayments", {{"rbtnOnePmt", QRect(kInputLabelX, hiddenY + 20, 130, 20)},
                                         {"rbtnRangePmts", QRect(kInputLabelX, hiddenY + 42, 130, 20)},
                                         {"rbtnAllPmts", QRect(kInputLabelX, hiddenY + 64, 130, 20)}});
    addBoundLabel("lblPPCFromPmt", QRect(140, hiddenY + 20, 90, kFieldHeight),
                  Qt::AlignRight | Qt::AlignVCenter);
    addField("edtPPCFromPmt", QRect(234, hiddenY + 20, widthFor(ws().field("edtPPCFromPmt")), kFieldHeight));
    addBoundLabel("lblPPCToPmt", QRect(140, hiddenY + 46, 90, kFieldHeight),
                  Qt::AlignRight | Qt::AlignVCenter);
    addField("edtPPCToPmt", QRect(234, hiddenY + 46, widthFor(ws().field("edtPPCToPmt")), kFieldHeight));
    addButton("btnPPCClear", qs(ws().control("btnPPCClear").caption()),
              QRect(140, hiddenY + 72, 90, kButtonHeight));
}

} // namespace kelvarin::app
