#include "state.h"

#include "core/failure.h"

namespace velmira {

ModEntry& ModTable::at(int row) {
    if (row < 0 || row >= size())
        raiseIndexOutOfRange();
    return m_entries[static_cast<std::size_t>(row)];
}

const ModEntry& ModTable::at(int row) const {
    if (row < 0 || row >= size())
        raiseIndexOutOfRange();
    return m_entries[static_cast<std::size_t>(row)];
}

void ModTable::reset(int rows) {
    m_entries.assign(static_cast<std::size_t>(std::max(rows, 0)), ModEntry{});
}

}  // namespace velmira
