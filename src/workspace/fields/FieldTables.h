#pragma once

#include "workspace/FieldSpec.h"

#include <span>
#include <string_view>

namespace kelvarin::workspace::fields {

// The value fields of each calculator page, in tab order (panels after the page itself).
std::span<const FieldSpec> quickCalculatorsFields();
std::span<const FieldSpec> estimatedClosingCostsFields();
std::span<const FieldSpec> mortgageQualifierFields();
std::span<const FieldSpec> biweeklyPaymentFields();
std::span<const FieldSpec> refinancingFields();
std::span<const FieldSpec> loanSpreadFields();
std::span<const FieldSpec> amortizationSchedulesFields();
std::span<const FieldSpec> rentVsBuyFields();
std::span<const FieldSpec> prepaymentFields();
std::span<const FieldSpec> homesellersProceedsFields();

// Rows of one page or panel share the page, the panel and usually the exit handler.
struct FieldGroup {
    std::string_view page;
    std::string_view panel;
    std::string_view exitHandler;

    // Typed by the user: editable and a tab stop.
    constexpr FieldSpec in(std::string_view name, MaskKind mask, std::string_view label,
                           std::string_view hint = {}) const {
        FieldSpec spec{};
        spec.name = name;
        spec.page = page;
        spec.panel = panel;
        spec.mask = mask;
        spec.label = label;
        spec.hint = hint;
        spec.exitHandler = exitHandler;
        return spec;
    }
    // Written by the calculation: read-only, skipped by the Tab key, result look.
    constexpr FieldSpec out(std::string_view name, MaskKind mask, std::string_view label,
                            std::string_view hint = {}) const {
        FieldSpec spec = in(name, mask, label, hint);
        spec.readOnly = true;
        spec.tabStop = false;
        spec.resultLook = true;
        return spec;
    }
};

constexpr FieldSpec hidden(FieldSpec spec) {
    spec.visible = false;
    return spec;
}
constexpr FieldSpec disabled(FieldSpec spec) {
    spec.enabled = false;
    return spec;
}
constexpr FieldSpec leftJustified(FieldSpec spec) {
    spec.leftJustified = true;
    return spec;
}
constexpr FieldSpec withExitHandler(FieldSpec spec, std::string_view handler) {
    spec.exitHandler = handler;
    return spec;
}

}  // namespace kelvarin::workspace::fields
