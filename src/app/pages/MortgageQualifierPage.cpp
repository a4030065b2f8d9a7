#include "MortgageQualifierPage.h"

#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <map>
#include <string>

namespace kelvarin::app {

namespace {

constexpr auto kCaption = Qt::AlignHCenter | Qt::AlignBottom;
constexpr int kFieldHeight = Page::kFieldHeight;
constexpr int kRowPitch = 26;

// Widths that show the largest value of each mask at Arial 8 point, frame included.
constexpr int kMoney17Width = 108; // '$#,###,###,###.##'
constexpr int kMoney13Width = 86;  // '$#,###,###.##'
constexpr int kPercentWidth = 70;  // '###.####%'
constexpr int kCountWidth = 52;    // 'iiiiii'
constexpr int kRatioWidth = 34;    // '99'

// Borrower and co-borrower grid: five columns of incomes and debts.
constexpr int kGridX = 80, kGridPitch = 100;
constexpr int kCaptionTop = 38, kCaptionHeight = 40;
constexpr int kBorrowerY = 80;
constexpr int kRightEdge = kGridX + 4 * kGridPitch + kMoney13Width;

// Taxes, insurance and cash: three rows under the grid's last column; the ratios beside them.
constexpr int kMiddleY = 148;
constexpr int kRatioX = 112, kRatioPitch = 52;

// Scenario table, as wide as the grid above it.
constexpr int kScenarioHeaderY = 234, kScenarioY = 264;
constexpr int kPriceX = kRightEdge - kMoney17Width;
constexpr int kLoanX = kPriceX - 10 - kMoney17Width;
constexpr int kPaymentX = kLoanX - 10 - kMoney17Width;
constexpr int kTermX = kPaymentX - 10 - kCountWidth;
constexpr int kRateX = kTermX - 10 - kPercentWidth;
static_assert(kRateX == kGridX, "the scenario table lines up with the grid");

std::map<std::string, QRect, std::less<>> fieldPlaces() {
    std::map<std::string, QRect, std::less<>> places;
    const char* columns[] = {"edtIncome", "edtOIncome", "edtCards", "edtAuto", "edtNotes"};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            places[columns[column] + std::to_string(row + 1)] = QRect(
                kGridX + column * kGridPitch, kBorrowerY + row * kRowPitch, kMoney13Width, kFieldHeight);

    places["edtMQPropertyTaxes"] = QRect(kRightEdge - kMoney13Width, kMiddleY, kMoney13Width, kFieldHeight);
    places["edtMQHomeownersInsurance"] =
        QRect(kRightEdge - kMoney13Width, kMiddleY + kRowPitch, kMoney13Width, kFieldHeight);
    places["edtMQDownPayment"] =
        QRect(kRightEdge - kMoney13Width, kMiddleY + 2 * kRowPitch, kMoney13Width, kFieldHeight);

    places["edtHousingRatio"] = QRect(kRatioX, kMiddleY + kRowPitch, kRatioWidth, kFieldHeight);
    places["edtDebtRatio"] = QRect(kRatioX + kRatioPitch, kMiddleY + kRowPitch, kRatioWidth, kFieldHeight);
    places["edtCalculatedHousingRatio"] = QRect(kRatioX, kMiddleY + 2 * kRowPitch, kRatioWidth, kFieldHeight);
    places["edtCalculatedDebtRatio"] =
        QRect(kRatioX + kRatioPitch, kMiddleY + 2 * kRowPitch, kRatioWidth, kFieldHeight);

    for (int row = 0; row < 3; ++row) {
        const std::string k = std::to_string(row + 1);
        const int y = kScenarioY + row * kRowPitch;
        places["edtMQir" + k] = QRect(kRateX, y, kPercentWidth, kFieldHeight);
        places["edtMQTerm" + k] = QRect(kTermX, y, kCountWidth, kFieldHeight);
        places["edtMQPayment" + k] = QRect(kPaymentX, y, kMoney17Width, kFieldHeight);
        places["edtMQLoan" + k] = QRect(kLoanX, y, kMoney17Width, kFieldHeight);
        places["edtMQPurchasePrice" + k] = QRect(kPriceX, y, kMoney17Width, kFieldHeight);
    }
    return places;
}

} // namespace

MortgageQualifierPage::MortgageQualifierPage(const workspace::PageInfo& info, PageContext& context,
                                             QWidget* parent)
    : Page(info, context, parent) {
    const auto caption = [this](const char* field) { return labelText(ws().field(field).design().label); };

    addLabel(QStringLiteral(
                 "This calculator provides a 'starting point' to help you determine the maximum monthly "
                 "payment and loan amounts for which you may qualify under the common underwriting "
                 "guidelines."),
             QRect(10, 8, 567, 28), Qt::AlignLeft | Qt::AlignTop)
        ->setObjectName(QStringLiteral("lblMQIntro"));

    // Column captions centred over their fields; the last one is wider to stay on three lines.
    const char* columnFields[] = {"edtIncome1", "edtOIncome1", "edtCards1", "edtAuto1", "edtNotes1"};
    for (int column = 0; column < 5; ++column) {
        const int centre = kGridX + column * kGridPitch + kMoney13Width / 2;
        const int width = column == 4 ? 112 : 88;
        addLabel(caption(columnFields[column]), QRect(centre - width / 2, kCaptionTop, width, kCaptionHeight),
                 kCaption);
    }
    addLabel(QStringLiteral("Borrower"), QRect(8, kBorrowerY, kGridX - 14, kFieldHeight));
    addLabel(QStringLiteral("Co-Borrower"), QRect(8, kBorrowerY + kRowPitch, kGridX - 14, kFieldHeight));

    // Ratios: Housing and Debt columns, rows of the limits typed and of the ratios that result.
    addLabel(caption("edtHousingRatio"), QRect(kRatioX - 8, kMiddleY, kRatioWidth + 16, kFieldHeight),
             kCaption);
    addLabel(caption("edtDebtRatio"),
             QRect(kRatioX + kRatioPitch - 8, kMiddleY, kRatioWidth + 16, kFieldHeight), kCaption);
    addLabel(QStringLiteral("Qualifying Ratios"), QRect(8, kMiddleY + kRowPitch, kRatioX - 14, kFieldHeight));
    addLabel(QStringLiteral("Your Ratios"), QRect(8, kMiddleY + 2 * kRowPitch, kRatioX - 14, kFieldHeight));

    constexpr int amountLabelX = kRatioX + kRatioPitch + kRatioWidth + 24;
    constexpr int amountLabelWidth = kRightEdge - kMoney13Width - 8 - amountLabelX;
    int row = 0;
    for (const char* field : {"edtMQPropertyTaxes", "edtMQHomeownersInsurance", "edtMQDownPayment"})
        addLabel(caption(field),
                 QRect(amountLabelX, kMiddleY + kRowPitch * row++, amountLabelWidth, kFieldHeight),
                 Qt::AlignRight | Qt::AlignVCenter);

    const struct {
        const char* field;
        int x, width;
    } scenarioColumns[] = {
        {"edtMQir1", kRateX, kPercentWidth},
        {"edtMQTerm1", kTermX, kCountWidth},
        {"edtMQPayment1", kPaymentX, kMoney17Width},
        {"edtMQLoan1", kLoanX, kMoney17Width},
        {"edtMQPurchasePrice1", kPriceX, kMoney17Width},
    };
    for (const auto& column : scenarioColumns)
        addLabel(caption(column.field),
                 QRect(column.x, kScenarioHeaderY, column.width, kScenarioY - kScenarioHeaderY - 2),
                 kCaption);

    // In the design's tab order; outputs are no tab stops.
    const auto places = fieldPlaces();
    for (const workspace::ValueField* field : ws().pageFields(info.name))
        addField(field->name(), places.at(std::string(field->name())));
}

} // namespace kelvarin::app
