#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::workspace {

// A single choice of a page: radio group, tab set or drop-down. Item texts keep their
// design form ("PMT (P && I)": a doubled ampersand shows as one).
struct Choice {
    std::string name;
    std::string page;
    std::vector<std::string> items;
    int index = 0;           // selected item, -1 none
    std::string text;        // shown text of a drop-down (may match no item)
    bool editable = false;   // editable drop-down (cbMonth)
    bool visible = true;
    bool enabled = true;

    // Sets the selection and the shown text together and tells the observers (the widget that
    // shows the choice), so that a change the program makes reaches the screen. A calculator
    // that changes index, text or enabled by hand calls changed() once it is done.
    void set(int newIndex, std::string newText) {
        if (index == newIndex && text == newText)
            return;
        index = newIndex;
        text = std::move(newText);
        changed();
    }

    using Observer = std::function<void(const Choice&)>;
    int addObserver(Observer observer) {
        observers.emplace_back(nextObserverId, std::move(observer));
        return nextObserverId++;
    }
    void removeObserver(int id) {
        std::erase_if(observers, [id](const auto& entry) { return entry.first == id; });
    }
    void changed() const {
        for (auto told = observers; auto& [id, observer] : told)
            observer(*this);
    }
    std::vector<std::pair<int, Observer>> observers;
    int nextObserverId = 1;
};

}  // namespace kelvarin::workspace
