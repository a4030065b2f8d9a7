#pragma once

#include "reports/Layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <utility>

class QPainter;

namespace kelvarin::reports {

// The Qt font of a report font. Fontconfig maps Arial to its metric twin, Liberation Sans.
QFont qtFont(const Font& font);

// Measures with the real fonts at 1200 dots per inch, in report units.
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer();
    double width(std::string_view utf8, const Font& font) const override;
    double lineHeight(const Font& font) const override;

private:
    struct FontData {
        std::unique_ptr<QFontMetricsF> metrics;
        std::array<double, 128> ascii{}; // advances of the ASCII characters, in report units
    };
    const FontData& data(const Font& font) const;

    QImage m_device;
    mutable std::map<std::pair<double, int>, FontData> m_fonts;
};

// Paints one laid-out page; `dotsPerInch` is the device's resolution and the page's top-left
// corner is the painter's origin.
void paintPage(QPainter& painter, const LaidOutPage& page, double dotsPerInch);

// Writes the document as a vector PDF (US Letter, selectable text, the report title as the PDF's
// title) through a temporary file that replaces `path` only when complete. False with a reason in
// `error` when the file cannot be written.
bool writePdf(const LaidOutDocument& document, const QString& path, QString* error = nullptr);

} // namespace kelvarin::reports
