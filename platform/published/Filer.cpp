#include "platform/published/Filer.h"

#include "platform/published/Reader.h"

#include <algorithm>
#include <limits>

#include "platform/core/Collection.h"
#include "platform/core/Strings.h"
#include "platform/core/SysUtils.h"

// ---------------------------------------------------------------------------
// Global roots

namespace {

// Hears of every global root's destruction and drops it from the list.
class TRootList : public TComponent {
public:
  TRootList() : TComponent(nullptr) {}
  std::vector<TComponent*> Roots;  // borrowed

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) std::erase(Roots, component);
  }
};

TRootList& GlobalRoots() {
  static TRootList* roots = new TRootList;  // lives to the end of the process
  return *roots;
}

}  // namespace

void AddGlobalRoot(TComponent* root) {
  TRootList& list = GlobalRoots();
  if (!root || std::find(list.Roots.begin(), list.Roots.end(), root) != list.Roots.end()) return;
  list.Roots.push_back(root);
  list.FreeNotification(root);
}

void RemoveGlobalRoot(TComponent* root) {
  TRootList& list = GlobalRoots();
  auto it = std::find(list.Roots.begin(), list.Roots.end(), root);
  if (it == list.Roots.end()) return;
  list.Roots.erase(it);
  list.RemoveFreeNotification(root);
}

TComponent* FindGlobalRoot(const String& name) {
  if (name.empty()) return nullptr;
  for (TComponent* root : GlobalRoots().Roots)
    if (SameText(root->Name(), name)) return root;
  return nullptr;
}

TFiler::TReaderProc ReadAndDrop() {
  return [](TReader& reader) { reader.SkipValue(); };
}
