#include "HomeSellersProceedsPage.h"

#include "app/widgets/ChoiceBox.h"
#include "workspace/Workspace.h"

#include <QFont>

namespace kelvarin::app {

namespace {
constexpr int kMoneyWidth = 108; // '$#,###,###,###.##'
constexpr int kTop = 62, kRowPitch = 29;

// Left column: label, field, and a note beside the taxes; right column: label and field. Labels
// stand kGap from their fields, the narrowest spacing that keeps "Mortgage Prepayment" on a line.
constexpr int kGap = 4;
constexpr int kLeftLabelX = 8, kLeftLabelWidth = 114;
constexpr int kLeftFieldX = kLeftLabelX + kLeftLabelWidth + kGap;
constexpr int kNoteX = kLeftFieldX + kMoneyWidth + kGap, kNoteWidth = 104;
constexpr int kRightLabelX = kNoteX + kNoteWidth + kGap;
constexpr int kRightFieldX = 579 - kMoneyWidth;
constexpr int kRightLabelWidth = kRightFieldX - kGap - kRightLabelX;
static_assert(kRightLabelWidth >= 120, "room for the right column's captions");
} // namespace

HomeSellersProceedsPage::HomeSellersProceedsPage(const workspace::PageInfo& info, PageContext& context,
                                                 QWidget* parent)
    : Page(info, context, parent) {
    addLabel(
        QStringLiteral("When selling a home, the primary question for a seller is, \"How much is left "
                       "over?\"  Use this Home Seller's Proceeds Calculator to estimate your net after the "
                       "cost of selling your home."),
        QRect(10, 8, 567, 44), Qt::AlignLeft | Qt::AlignTop)
        ->setObjectName(QStringLiteral("lblHSPIntro"));

    const auto leftRow = [](int row) { return kTop + row * kRowPitch; };
    const auto left = [&](const char* name, int row) {
        const int y = leftRow(row);
        const int width = widthFor(ws().field(name));
        addFieldLabel(name, QRect(kLeftLabelX, y - 4, kLeftLabelWidth, kFieldHeight + 8),
                      Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kLeftFieldX + kMoneyWidth - width, y, width, kFieldHeight));
    };
    const auto note = [&](const QString& text, int row) {
        addLabel(text, QRect(kNoteX, leftRow(row) - 3, kNoteWidth, kRowPitch - 1));
    };

    // Created in the design's tab order: the month box stands between the loans and the taxes.
    left("edtHSPHouseSalesPrice", 0);
    left("edtHSPFirstLoanBalance", 1);
    left("edtHSPSecondLoanBalance", 2);
    left("edtHSPOtherLoans", 3);
    addLabel(QStringLiteral("Estimated Closing Month"),
             QRect(kLeftLabelX, leftRow(4) - 4, kLeftLabelWidth, kFieldHeight + 8),
             Qt::AlignRight | Qt::AlignVCenter);
    ChoiceBox* month =
        addDropDown("cbHSPClosingMonth", QRect(kLeftFieldX, leftRow(4), kMoneyWidth, kFieldHeight));
    // Leaving the box recalculates as a change does.
    connect(month, &ChoiceBox::left, this, [this, month] {
        run([&] { this->context().session.handlers().choose("cbHSPClosingMonth", month->choice().index); });
    });
    left("edtHSPPropertyTaxes", 5);
    left("edtHSPPropertyTaxesPaid", 6);
    note(QStringLiteral("Taxes Prorated on a Calendar Year Basis"), 6);
    left("edtHSPTransferTaxPercent", 7);
    note(QStringLiteral("Generally 1 or 2% of Sales Price"), 7);
    left("edtHSPTransferTaxesPaid", 8);
    note(QStringLiteral("Transfer Tax Amount"), 8);

    int row = 0;
    for (const char* name : {"edtHSPPrepaymentPenalty", "edtHSPSalesCommission", "edtHSPOtherSalesCommission",
                             "edtHSPOtherFees"}) {
        const int y = leftRow(row++);
        addFieldLabel(name, QRect(kRightLabelX, y - 4, kRightLabelWidth, kFieldHeight + 8),
                      Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kRightFieldX, y, kMoneyWidth, kFieldHeight));
    }

    QFont bold = font();
    bold.setBold(true);
    addLabel(QStringLiteral("RESULTS"), QRect(kRightFieldX, leftRow(5), kMoneyWidth, kFieldHeight),
             Qt::AlignHCenter | Qt::AlignBottom)
        ->setFont(bold);
    row = 6;
    for (const char* name : {"edtHSPCosts", "edtHSPNetGain"}) {
        const int y = leftRow(row++);
        addFieldLabel(name, QRect(kRightLabelX, y - 4, kRightLabelWidth, kFieldHeight + 8),
                      Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kRightFieldX, y, kMoneyWidth, kFieldHeight));
    }
}

} // namespace kelvarin::app
