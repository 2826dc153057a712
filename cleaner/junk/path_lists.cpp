#include "cleaner/junk/path_lists.h"

namespace cleaner {

int PathLists::listForCounter(std::int32_t fileCounter) {
    if (fileCounter <= 32735)
        return 1;
    if (fileCounter <= 65469)
        return 2;
    if (fileCounter <= 98204)
        return 3;
    return 4;
}

void PathLists::clear() {
    for (auto& list : lists_)
        list.clear();
}

void PathLists::add(std::int32_t fileCounter, QueuedPath entry) {
    active_ = listForCounter(fileCounter);
    lists_[active_ - 1].push_back(std::move(entry));
}

std::size_t PathLists::totalSize() const {
    std::size_t total = 0;
    for (const auto& list : lists_)
        total += list.size();
    return total;
}

const QueuedPath* PathLists::atRow(std::size_t row) const {
    for (const auto& list : lists_) {
        if (row < list.size())
            return &list[row];
        row -= list.size();
    }
    return nullptr;
}

bool PathLists::removeRow(std::size_t row) {
    for (auto& list : lists_) {
        if (row < list.size()) {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
            return true;
        }
        row -= list.size();
    }
    return false;
}

} // namespace cleaner
