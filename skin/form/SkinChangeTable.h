// The skin-change table: controls that share no skinned base (the standard
// controls and the frame periphery) add a row here, so a form's skin change
// reaches them without the form knowing their classes. Rows keep their order;
// the first row that recognises a component handles it.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/Component.h"

enum class TSkinChangeStage { Before, After };

// Returns true when the component is of the row's kind and was handled.
using TSkinChangeHandler = std::function<bool(TComponent* component, TSkinChangeStage stage)>;

class TSkinChangeTable {
 public:
  // Adds a row at its place by order; a second row with the same order
  // replaces the first.
  void Register(int order, TSkinChangeHandler handler);
  void Unregister(int order);
  // Hands the component to the first row that claims it; false when none does.
  bool Dispatch(TComponent* component, TSkinChangeStage stage) const { return Dispatch(component, stage, nullptr); }
  // The same for the change of one skin container (nullptr: every change): a
  // row whose control follows another container leaves it alone. The rows read
  // it through Sender() while they run.
  bool Dispatch(TComponent* component, TSkinChangeStage stage, const TComponent* sender) const;
  const TComponent* Sender() const { return sender_; }
  // True when a control that follows `skinData` takes part in the present change.
  bool Concerns(const TComponent* skinData) const { return sender_ == nullptr || sender_ == skinData; }
  size_t Count() const { return rows_.size(); }

  static TSkinChangeTable& Instance();

 private:
  struct Row {
    int order;
    TSkinChangeHandler handler;
  };
  std::vector<Row> rows_;
  mutable const TComponent* sender_ = nullptr;
};
