#include "skin/form/SkinChangeTable.h"

#include <algorithm>

void TSkinChangeTable::Register(int order, TSkinChangeHandler handler) {
  auto at = std::lower_bound(rows_.begin(), rows_.end(), order,
                             [](const Row& row, int value) { return row.order < value; });
  if (at != rows_.end() && at->order == order) {
    at->handler = std::move(handler);
    return;
  }
  rows_.insert(at, Row{order, std::move(handler)});
}

void TSkinChangeTable::Unregister(int order) {
  std::erase_if(rows_, [order](const Row& row) { return row.order == order; });
}

bool TSkinChangeTable::Dispatch(TComponent* component, TSkinChangeStage stage, const TComponent* sender) const {
  if (component == nullptr) return false;
  const TComponent* outer = sender_;  // a row may start a change of its own
  sender_ = sender;
  bool claimed = false;
  for (const Row& row : rows_)
    if (row.handler && row.handler(component, stage)) {
      claimed = true;
      break;
    }
  sender_ = outer;
  return claimed;
}

TSkinChangeTable& TSkinChangeTable::Instance() {
  static TSkinChangeTable table;
  return table;
}
