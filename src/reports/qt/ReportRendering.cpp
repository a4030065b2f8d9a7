#include "ReportRendering.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kelvarin::reports {

namespace {

constexpr double kMeasuringDpi = 1200;

// Device dots per report unit.
double dotsPerUnit(double dotsPerInch) {
    return dotsPerInch * kMillimetresPerUnit / 25.4;
}

QColor colourOf(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

} // namespace

QFont qtFont(const Font& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPointSizeF(font.points);
    f.setBold(font.style != FontStyle::Plain);
    f.setItalic(font.style == FontStyle::BoldItalic);
    // Widths must scale linearly with the resolution, so that measuring and painting agree; without
    // kerning a text is as wide as the sum of its characters' advances.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

QtTextMeasurer::QtTextMeasurer() : m_device(1, 1, QImage::Format_RGB32) {
    const int dotsPerMetre = static_cast<int>(kMeasuringDpi / 0.0254 + 0.5);
    m_device.setDotsPerMeterX(dotsPerMetre);
    m_device.setDotsPerMeterY(dotsPerMetre);
}

const QtTextMeasurer::FontData& QtTextMeasurer::data(const Font& font) const {
    FontData& d = m_fonts[{font.points, static_cast<int>(font.style)}];
    if (!d.metrics) {
        d.metrics = std::make_unique<QFontMetricsF>(qtFont(font), &m_device);
        for (char16_t c = 32; c < 127; ++c)
            d.ascii[c] = d.metrics->horizontalAdvance(QChar(c)) / dotsPerUnit(kMeasuringDpi);
    }
    return d;
}

double QtTextMeasurer::width(std::string_view utf8, const Font& font) const {
    const FontData& d = data(font);
    // Printable ASCII (nearly every report text) adds up cached advances; other texts are shaped.
    double sum = 0;
    for (char c : utf8) {
        if (c < 32 || c > 126) {
            const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
            return d.metrics->horizontalAdvance(text) / dotsPerUnit(kMeasuringDpi);
        }
        sum += d.ascii[static_cast<std::size_t>(c)];
    }
    return sum;
}

double QtTextMeasurer::lineHeight(const Font& font) const {
    return data(font).metrics->height() / dotsPerUnit(kMeasuringDpi);
}

void paintPage(QPainter& painter, const LaidOutPage& page, double dotsPerInch) {
    const double s = dotsPerUnit(dotsPerInch);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PlacedFrame& f : page.frames) {
        if (f.colour == kWhite)
            continue; // invisible on paper; a schedule has thousands of them
        painter.setPen(QPen(colourOf(f.colour), 0.5 * s));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(f.left * s, f.top * s, f.width * s, f.height * s));
    }
    painter.setPen(QPen(Qt::black, 0.6 * s));
    for (const PlacedRule& r : page.rules)
        painter.drawLine(QPointF(r.left * s, r.top * s), QPointF((r.left + r.width) * s, r.top * s));
    painter.setPen(Qt::black);
    const Font* current = nullptr;
    double ascent = 0;
    for (const PlacedText& t : page.texts) {
        if (!current || !(*current == t.font)) {
            const QFont font = qtFont(t.font);
            painter.setFont(font);
            ascent = QFontMetricsF(font, painter.device()).ascent();
            current = &t.font;
        }
        painter.drawText(QPointF(t.x * s, t.y * s + ascent), QString::fromStdString(t.text));
    }
    painter.restore();
}

bool writePdf(const LaidOutDocument& document, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(static_cast<int>(kMeasuringDpi));
        writer.setTitle(QString::fromStdString(document.title));
        writer.setCreator(QStringLiteral("Kelvarin"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            if (error)
                *error = QStringLiteral("cannot paint the PDF");
            return false;
        }
        for (std::size_t i = 0; i < document.pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, document.pages[i], kMeasuringDpi);
        }
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kelvarin::reports
