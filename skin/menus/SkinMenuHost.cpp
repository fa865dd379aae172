#include "skin/menus/SkinMenuHost.h"

namespace {
TspSkinMenuHost* FirstHostComponent(TComponent* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* host = dynamic_cast<TspSkinMenuHost*>(form->Components(i))) return host;
  return nullptr;
}
}  // namespace

TspSkinMenuHostLookup& SkinMenuHostLookup() {
  static TspSkinMenuHostLookup lookup = FirstHostComponent;
  return lookup;
}

TspSkinMenuHost* SkinMenuHostOf(TComponent* form) {
  return SkinMenuHostLookup() ? SkinMenuHostLookup()(form) : nullptr;
}
