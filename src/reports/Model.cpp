#include "Model.h"

#include <algorithm>
#include <stdexcept>

namespace kelvarin::reports {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

ReportTemplate::ReportTemplate(std::string name, std::vector<Band> bands)
    : m_name(std::move(name)), m_bands(std::move(bands)) {}

const Band* ReportTemplate::band(BandKind kind) const {
    for (const Band& b : m_bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

TextObject& ReportTemplate::add(TextObject object) {
    if (!object.name.empty() && find(object.name))
        throw std::logic_error("duplicate report object " + object.name);
    return m_texts.emplace_back(std::move(object));
}

TextObject* ReportTemplate::find(std::string_view name) {
    if (name.empty())
        return nullptr;
    for (TextObject& t : m_texts)
        if (equalsIgnoringCase(t.name, name))
            return &t;
    return nullptr;
}

const TextObject* ReportTemplate::find(std::string_view name) const {
    return const_cast<ReportTemplate*>(this)->find(name);
}

TextObject& ReportTemplate::object(std::string_view name) {
    if (TextObject* t = find(name))
        return *t;
    throw std::out_of_range("no report object " + std::string(name) + " in " + m_name);
}

const std::string& ReportTemplate::text(std::string_view name) const {
    return const_cast<ReportTemplate*>(this)->object(name).text;
}

const Band* ReportTemplate::bandAt(double y) const {
    for (const Band& b : m_bands)
        if (b.holds(y))
            return &b;
    return nullptr;
}

} // namespace kelvarin::reports
