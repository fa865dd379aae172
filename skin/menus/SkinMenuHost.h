// What a skinned menu needs of its form's skinning component: the engine, the
// skin, and the open/close bookkeeping. The form skinning component implements
// it; popup menus find it on a form through SkinMenuHostOf, whose lookup the
// component may replace.
#pragma once

#include <functional>

#include "platform/controls/CustomForm.h"

class TspSkinMenu;
class TspSkinData;

class TspSkinMenuHost {
public:
  virtual ~TspSkinMenuHost() = default;
  virtual TspSkinMenu* SkinMenu() = 0;
  // MenusSkinData when set, else SkinData (nullptr: the default look).
  virtual TspSkinData* MenuSkinData() = 0;
  virtual void SkinMenuOpen() = 0;
  virtual void SkinMenuClose() = 0;
};

// The host of a form's skinning component, or nullptr. By default the first
// component of the form that is a TspSkinMenuHost.
using TspSkinMenuHostLookup = std::function<TspSkinMenuHost*(TComponent* form)>;
TspSkinMenuHostLookup& SkinMenuHostLookup();
TspSkinMenuHost* SkinMenuHostOf(TComponent* form);
