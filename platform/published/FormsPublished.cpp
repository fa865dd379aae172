#include "platform/published/FormsPublished.h"

#include <map>
#include <memory>

#include "platform/controls/Forms.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/CorePublished.h"
#include "platform/published/MenusPublished.h"
#include "platform/published/StdCtrlsPublished.h"

namespace {

// The bindings forms declared, dropped when the form goes.
class TDeclaredBindings : public TComponent {
public:
  TDeclaredBindings() : TComponent(nullptr) {}
  std::map<const TComponent*, std::unique_ptr<TFormBindings>> Forms;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) Forms.erase(component);
  }
};

TDeclaredBindings& Declared() {
  static TDeclaredBindings* declared = new TDeclaredBindings;  // lives to the end of the process
  return *declared;
}

void LoadFormDefinition(TCustomForm* form) {
  const TFormBindings* bindings = DeclaredFormBindings(form);
  String text;
  if (!bindings && !FindFormDefinition(form->ClassName(), text)) return;  // a form made in code
  ReadFormDefinition(form, bindings ? *bindings : TFormBindings());
}

}  // namespace

void UseFormDefinitions() {
  PublishCoreClasses();
  PublishControlClasses();
  PublishActionClasses();
  PublishMenuClasses();
  PublishTimerClass();
  PublishStdControlClasses();
  PublishCommonControlClasses();
  FormDefinitionLoader = LoadFormDefinition;
}

TFormBindings& DeclareFormBindings(TCustomForm* form) {
  UseFormDefinitions();
  TDeclaredBindings& declared = Declared();
  std::unique_ptr<TFormBindings>& bindings = declared.Forms[form];
  if (!bindings) {
    bindings = std::make_unique<TFormBindings>();
    declared.FreeNotification(form);
  }
  return *bindings;
}

const TFormBindings* DeclaredFormBindings(const TCustomForm* form) {
  auto& forms = Declared().Forms;
  auto it = forms.find(form);
  return it == forms.end() ? nullptr : it->second.get();
}
