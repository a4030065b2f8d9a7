#pragma once

#include "app/widgets/MaskedEdit.h"

#include "workspace/ValueField.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QTest>

#include <vector>

namespace kelvarin::app::test {

// The page set is 587 by 380; its right edge is covered by the window's, so keep a margin.
inline constexpr int kPageMargin = 8;
inline const QRect kPageArea(kPageMargin, kPageMargin, 587 - 2 * kPageMargin, 380 - 2 * kPageMargin);

// The widest numbers a field of the mask shows, positive and negative.
inline std::vector<double> widestValues(workspace::MaskKind kind) {
    using enum workspace::MaskKind;
    switch (kind) {
    case Money17:
        return {9999999999.99, -999999999.99};
    case Money13:
        return {9999999.99, -999999.99};
    case Money11:
        return {999999.99, -99999.99};
    case Money10:
        return {99999.99, -9999.99};
    case Percent:
        return {999.9999, -99.9999};
    case Points8:
        return {999.9999, -99.9999};
    case Points12:
        return {999999.9999, -99999.9999};
    case Ratio:
        return {99};
    case Count:
        return {32767, -32768};
    case Decimal:
        return {9999999.99};
    }
    return {};
}

// The room a line edit leaves for its text: the frame and Qt's fixed text margins of 2 pixels
// a side, and one pixel for the caret at the end.
inline int textRoom(const QLineEdit& edit) {
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const QMargins margins = edit.textMargins();
    return edit.width() - 2 * frame - margins.left() - margins.right() - 4 - 1;
}

// Every control of a page lies inside the page area, no two controls of one parent overlap,
// every label shows its whole text (no "&&" left), and every value field has room for the
// widest value of its mask. Writes into the fields, so run it on a page whose values do not
// matter afterwards.
inline void checkPageLayout(QWidget& page) {
    const auto inPage = [&page](const QWidget* widget) {
        return QRect(widget->mapTo(&page, QPoint(0, 0)), widget->size());
    };
    std::vector<QWidget*> controls;
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<MaskedEdit*>(widget) || qobject_cast<QComboBox*>(widget);
        if (control && !widget->isHidden())
            controls.push_back(widget);
    }
    QVERIFY(!controls.empty());
    const auto describe = [](const QWidget* widget) {
        return widget->objectName().isEmpty() ? widget->property("text").toString() : widget->objectName();
    };

    for (QWidget* widget : controls) {
        const QString name = describe(widget);
        QVERIFY2(kPageArea.contains(inPage(widget)), qPrintable(name + " lies outside the page area"));
        for (QWidget* other : controls)
            if (other != widget && other->parentWidget() == widget->parentWidget())
                QVERIFY2(!widget->geometry().intersects(other->geometry()),
                         qPrintable(name + " overlaps " + describe(other)));

        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QVERIFY2(!label->text().contains(QStringLiteral("&&")), qPrintable(label->text()));
            const int flags =
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed =
                label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
            QVERIFY2(label->contentsRect().contains(needed),
                     qPrintable(QStringLiteral("clipped label: %1 needs %2 x %3, has %4 x %5")
                                    .arg(label->text())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(label->contentsRect().width())
                                    .arg(label->contentsRect().height())));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable("clipped button: " + button->text()));
        if (auto* box = qobject_cast<QComboBox*>(widget))
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable("clipped drop-down: " + name));
        if (auto* edit = qobject_cast<MaskedEdit*>(widget)) {
            auto& field = edit->field();
            for (const double value : widestValues(field.design().mask)) {
                if (field.mask().dataType == workspace::DataType::Whole)
                    field.writeWhole(static_cast<std::int32_t>(value));
                else
                    field.writeFloat(value);
                const int needed = edit->fontMetrics().horizontalAdvance(edit->text().trimmed());
                QVERIFY2(needed <= textRoom(*edit), qPrintable(QStringLiteral("%1 needs %2 px for %3, has %4")
                                                                   .arg(name)
                                                                   .arg(needed)
                                                                   .arg(edit->text().trimmed())
                                                                   .arg(textRoom(*edit))));
            }
        }
    }
}

}  // namespace kelvarin::app::test
