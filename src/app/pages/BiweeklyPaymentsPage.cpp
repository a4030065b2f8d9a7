#include "BiweeklyPaymentsPage.h"

#include "workspace/Workspace.h"

#include <QFont>

namespace kelvarin::app {

namespace {
constexpr int kMoneyWidth = 108; // '$#,###,###,###.##'

// Inputs: labels right-aligned against one column of fields.
constexpr int kInputTop = 66, kInputPitch = 27;
constexpr int kInputLabelX = 150, kInputLabelWidth = 132;
constexpr int kInputRight = kInputLabelX + kInputLabelWidth + 6 + kMoneyWidth;

// Results: a row label, then three fields, each under its own caption.
constexpr int kResultTop = 164, kResultPitch = 62;
constexpr int kCaptionHeight = 17;
constexpr int kRowLabelX = 8, kRowLabelWidth = 126;
constexpr int kColumnX[] = {146, 290, 434};
} // namespace

BiweeklyPaymentsPage::BiweeklyPaymentsPage(const workspace::PageInfo& info, PageContext& context,
                                           QWidget* parent)
    : Page(info, context, parent) {
    addLabel(
        QStringLiteral("Bi-weekly mortgage payments let you build equity more quickly than with monthly "
                       "payments.  Making 26 bi-weekly payments each year, each of which is 1/2 of the "
                       "'monthly' payment retires your debt sooner and reduces the total interest you pay."),
        QRect(10, 8, 567, 44), Qt::AlignLeft | Qt::AlignTop)
        ->setObjectName(QStringLiteral("lblBWIntro"));

    int row = 0;
    for (const char* name : {"edtMortgageAmount", "edtMortgageInterest", "edtMortgagePeriods"}) {
        const int y = kInputTop + row++ * kInputPitch;
        const int width = widthFor(ws().field(name));
        addFieldLabel(name, QRect(kInputLabelX, y, kInputLabelWidth, kFieldHeight),
                      Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kInputRight - width, y, width, kFieldHeight));
    }

    struct ResultRow {
        const char* caption;
        const char* fields[3];
    };
    constexpr ResultRow rows[] = {
        {"Standard Payments", {"edtMortgagePayments", "edtMortgageTotalPaid", "edtMortgageCostOfLoan"}},
        {"Biweekly Payments",
         {"edtMortgageHalfPayments", "edtMortgageHalfTotalPaid", "edtMortgageHalfCostOfLoan"}},
        {"Time and Money Saved", {"edtTimeSavedMonths", "edtTimeSavedYears", "edtInterestSaved"}},
    };
    QFont bold = font();
    bold.setBold(true);
    row = 0;
    for (const ResultRow& result : rows) {
        const int captionY = kResultTop + row++ * kResultPitch;
        const int fieldY = captionY + kCaptionHeight + 2;
        addLabel(QString::fromUtf8(result.caption), QRect(kRowLabelX, fieldY, kRowLabelWidth, kFieldHeight))
            ->setFont(bold);
        for (int column = 0; column < 3; ++column) {
            const char* name = result.fields[column];
            const int width = widthFor(ws().field(name));
            const int x = kColumnX[column] + (kMoneyWidth - width) / 2;
            addFieldLabel(name, QRect(kColumnX[column], captionY, kMoneyWidth, kCaptionHeight),
                          Qt::AlignHCenter | Qt::AlignBottom);
            addField(name, QRect(x, fieldY, width, kFieldHeight));
        }
    }
    // The months and years saved are one figure in two units: the words stand between the two.
    const int savedY = kResultTop + 2 * kResultPitch + kCaptionHeight + 2;
    const int decimalWidth = widthFor(ws().field("edtTimeSavedMonths"));
    const int gapLeft = kColumnX[0] + (kMoneyWidth + decimalWidth) / 2 + 2;
    const int gapRight = kColumnX[1] + (kMoneyWidth - decimalWidth) / 2 - 2;
    addLabel(QStringLiteral(" .. or .."), QRect(gapLeft, savedY, gapRight - gapLeft, kFieldHeight),
             Qt::AlignCenter);
}

} // namespace kelvarin::app
