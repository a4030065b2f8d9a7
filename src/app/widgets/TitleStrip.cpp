#include "TitleStrip.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvarin::app {

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlCalculatorName"));
    QFont bold = font();
    bold.setPointSize(14);
    bold.setBold(true);
    setFont(bold);
}

void TitleStrip::setTitle(const QString& title, int startPosition) {
    m_title.clear();
    m_start = startPosition;
    m_title = title;
    update();
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
    if (m_title.isEmpty())
        return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    const QFontMetrics metrics(font());
    // Turned a quarter left, the text's ascent points to the strip's left edge: centre the
    // line's height across the strip's width.
    const int baseline = (width() + metrics.ascent() - metrics.descent()) / 2;
    p.translate(baseline, m_start);
    p.rotate(-90);
    p.drawText(0, 0, m_title);
}

}  // namespace kelvarin::app
