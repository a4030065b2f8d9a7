#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::workspace {

// State of a plain control (button, label, panel, tab set) that a calculator changes; the
// widget showing it observes it. Controls are registered by the page module that owns them.
class ControlState {
public:
    ControlState() = default;
    ControlState(std::string name, std::string caption = {}, std::string hint = {}, bool enabled = true,
                 bool visible = true)
        : m_name(std::move(name)), m_caption(std::move(caption)), m_hint(std::move(hint)), m_enabled(enabled),
          m_visible(visible) {}

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    const std::string& hint() const { return m_hint; }
    bool enabled() const { return m_enabled; }
    bool visible() const { return m_visible; }
    // Distance from the parent's top in pixels, for the few controls whose place the program
    // moves (the title text of the strip, a grid); -1 keeps the place the page gives it.
    int top() const { return m_top; }

    void setCaption(std::string caption) { set(m_caption, std::move(caption)); }
    void setHint(std::string hint) { set(m_hint, std::move(hint)); }
    void setEnabled(bool on) { set(m_enabled, on); }
    void setVisible(bool on) { set(m_visible, on); }
    void setTop(int top) { set(m_top, top); }

    using Observer = std::function<void(const ControlState&)>;
    int addObserver(Observer observer) {
        m_observers.emplace_back(m_nextId, std::move(observer));
        return m_nextId++;
    }
    void removeObserver(int id) {
        std::erase_if(m_observers, [id](const auto& entry) { return entry.first == id; });
    }
    std::size_t observerCount() const { return m_observers.size(); }

private:
    template <typename T> void set(T& member, T value) {
        if (member == value)
            return;
        member = std::move(value);
        for (auto observers = m_observers; auto& [id, observer] : observers)
            observer(*this);
    }

    std::string m_name, m_caption, m_hint;
    bool m_enabled = true;
    bool m_visible = true;
    int m_top = -1;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextId = 1;
};

} // namespace kelvarin::workspace
