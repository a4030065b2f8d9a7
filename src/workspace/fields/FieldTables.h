#pragma once

#include "workspace/FieldDesign.h"

#include <span>
#include <string_view>

namespace kelvarin::workspace::fields {

// The value fields of each calculator page, in tab order (panels after the page itself).
std::span<const FieldDesign> quickCalculatorsFields();
std::span<const FieldDesign> estimatedClosingCostsFields();
std::span<const FieldDesign> mortgageQualifierFields();
std::span<const FieldDesign> biweeklyPaymentFields();
std::span<const FieldDesign> refinancingFields();
std::span<const FieldDesign> loanSpreadFields();
std::span<const FieldDesign> amortizationSchedulesFields();
std::span<const FieldDesign> rentVsBuyFields();
std::span<const FieldDesign> prepaymentFields();
std::span<const FieldDesign> homesellersProceedsFields();

// Rows of one page or panel share the page, the panel and usually the exit handler.
struct FieldGroup {
    std::string_view page;
    std::string_view panel;
    std::string_view exitHandler;

    // Typed by the user: editable and a tab stop.
    constexpr FieldDesign in(std::string_view name, MaskKind mask, std::string_view label,
                           std::string_view hint = {}) const {
        FieldDesign design{};
        design.name = name;
        design.page = page;
        design.panel = panel;
        design.mask = mask;
        design.label = label;
        design.hint = hint;
        design.exitHandler = exitHandler;
        return design;
    }
    // Written by the calculation: read-only, skipped by the Tab key, result look.
    constexpr FieldDesign out(std::string_view name, MaskKind mask, std::string_view label,
                            std::string_view hint = {}) const {
        FieldDesign design = in(name, mask, label, hint);
        design.readOnly = true;
        design.tabStop = false;
        design.resultLook = true;
        return design;
    }
};

constexpr FieldDesign hidden(FieldDesign design) {
    design.visible = false;
    return design;
}
constexpr FieldDesign disabled(FieldDesign design) {
    design.enabled = false;
    return design;
}
constexpr FieldDesign leftJustified(FieldDesign design) {
    design.leftJustified = true;
    return design;
}
constexpr FieldDesign withExitHandler(FieldDesign design, std::string_view handler) {
    design.exitHandler = handler;
    return design;
}

}  // namespace kelvarin::workspace::fields
