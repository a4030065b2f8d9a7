#include "RefinancingPage.h"

#include "app/widgets/ControlBinding.h"
#include "app/widgets/Hints.h"
#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QStyle>

namespace kelvarin::app {

namespace {

// Three columns of fields, each under its caption.
constexpr int kHeadingY = 8;
constexpr int kColumnTitleY = 34;
constexpr int kFirstRowY = 58;
constexpr int kRowPitch = 42;
constexpr int kCaptionHeight = 15;
constexpr int kColumnX[] = {8, 200, 392};
constexpr int kColumnWidth = 180;

struct Column {
    const char* title;
    const char* fields[6];
};

constexpr Column kColumns[] = {
    {"Current Loan",
     {"edtOldLoan", "edtOldTerm", "edtOldInterestRate", "edtOldPaymentsMade", "edtOldPaymentsRemaining",
      "edtOldPayment"}},
    {"New Loan",
     {"edtNewLoan", "edtNewTerm", "edtNewInterestRate", "edtRefiClosingCosts", "edtMonthsUntilSell",
      "edtNewPayment"}},
    {"Savings",
     {"edtPaymentSaved", "edtTotalPaymentSaved", "edtOldEquity", "edtNewEquity", "edtEquitySavings",
      "edtTotalSaved"}},
};

// The panel: one item a row, its caption on the left; "Clear" beside the first item, the total
// and "OK" under the items.
constexpr int kPanelX = 118, kPanelY = 10, kPanelWidth = 350, kPanelHeight = 342;
constexpr int kItemLabelX = 10, kItemLabelWidth = 150;
constexpr int kItemX = kItemLabelX + kItemLabelWidth + 6;
constexpr int kItemTop = 28, kItemPitch = 23;
constexpr int kItemWidth = 86;
constexpr int kButtonWidth = 80;

constexpr const char* kItems[] = {"edtDiscountPoints",    "edtOriginationPoints", "edtCreditCheck",
                                  "edtAttyFeeY",          "edtAttyFeeL",          "edtTitleSearchFee",
                                  "edtTitleInsuranceFee", "edtAppraisalFee",      "edtInspections",
                                  "edtLocalFees",         "edtOtherFees",         "edtPrepaymentPenalty"};

} // namespace

RefinancingPage::RefinancingPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : Page(info, context, parent) {
    // The heading reads on as one sentence whatever the length of lblSell.
    auto* heading = new QWidget(this);
    heading->setGeometry(kColumnX[0], kHeadingY, 571, 18);
    auto* line = new QHBoxLayout(heading);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    auto* sell = new QLabel(heading);
    sell->setObjectName(QStringLiteral("lblSell"));
    bindControl(sell, ws().control("lblSell"));
    line->addWidget(sell);
    line->addWidget(
        new QLabel(QStringLiteral("your new loan will have saved you money as indicated below."), heading));
    line->addStretch();

    QFont bold = font();
    bold.setBold(true);
    for (int column = 0; column < 3; ++column) {
        const int x = kColumnX[column];
        auto* title =
            addLabel(QString::fromUtf8(kColumns[column].title), QRect(x, kColumnTitleY, kColumnWidth, 18));
        title->setFont(bold);
        int row = 0;
        for (const char* name : kColumns[column].fields) {
            const int y = kFirstRowY + row++ * kRowPitch;
            addFieldLabel(name, QRect(x, y, kColumnWidth, kCaptionHeight));
            addField(name, QRect(x, y + kCaptionHeight + 1, widthFor(ws().field(name)), kFieldHeight));
        }
    }
    // After the fields, so that Tab goes through the nine inputs first.
    const QRect costs = findChild<QWidget*>(QStringLiteral("edtRefiClosingCosts"))->geometry();
    auto* fees = addButton("btnCalcFees", {}, QRect(costs.right() + 5, costs.y(), 0, kFieldHeight));
    fees->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    fees->resize(fees->sizeHint().width(), kFieldHeight);
    setHint(fees, QStringLiteral("Itemize the closing costs"));
    buildPanel();
}

void RefinancingPage::buildPanel() {
    auto& state = ws().control("pnlClosingCosts");
    // A raised panel with its own background, lying over the page.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlClosingCosts"));
    panel->setGeometry(kPanelX, kPanelY, kPanelWidth, kPanelHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    auto* title =
        addLabel(QString::fromStdString(state.caption()), QRect(kItemLabelX, 4, kItemLabelWidth, 18),
                 Qt::AlignLeft | Qt::AlignVCenter, panel);
    QFont bold = font();
    bold.setBold(true);
    title->setFont(bold);

    int row = 0;
    for (const char* name : kItems) {
        const int y = kItemTop + row++ * kItemPitch;
        addFieldLabel(name, QRect(kItemLabelX, y, kItemLabelWidth, kFieldHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, panel);
        addField(name, QRect(kItemX, y, kItemWidth, kFieldHeight), panel);
    }
    const int totalY = kItemTop + row * kItemPitch + 8;
    addButton("btnCloseClosingCosts", QStringLiteral("OK"),
              QRect(kPanelWidth - 14 - kButtonWidth, totalY - 2, kButtonWidth, kButtonHeight), panel);
    addFieldLabel("edtClosingFees", QRect(kItemLabelX, totalY, kItemLabelWidth, kFieldHeight),
                  Qt::AlignLeft | Qt::AlignVCenter, panel);
    addField("edtClosingFees", QRect(kItemX, totalY, widthFor(ws().field("edtClosingFees")), kFieldHeight),
             panel);
    addButton("btnClearClosingCosts", QStringLiteral("Clear"),
              QRect(kPanelWidth - 14 - kButtonWidth, kItemTop - 2, kButtonWidth, kButtonHeight), panel);
    bindControl(panel, state);
    panel->raise();
}

} // namespace kelvarin::app
