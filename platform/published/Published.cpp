#include "platform/published/Published.h"

#include <deque>
#include <map>

#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

int TEnumNames::IndexOf(const String& name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return static_cast<int>(i);
  return -1;
}

const TIdentMap& ColorIdents() {
  static const TIdentMap idents{
      [](const String& ident, Int64& value) {
        TColor color = 0;
        if (!IdentToColor(ident, color)) return false;
        value = color;
        return true;
      },
      [](Int64 value, String& ident) { return ColorToIdent(static_cast<TColor>(value), ident); }};
  return idents;
}

TIdentMap IdentMapOf(std::vector<std::pair<Int64, String>> table) {
  auto shared = std::make_shared<std::vector<std::pair<Int64, String>>>(std::move(table));
  return TIdentMap{[shared](const String& ident, Int64& value) {
                     for (const auto& [known, name] : *shared)
                       if (SameText(name, ident)) {
                         value = known;
                         return true;
                       }
                     return false;
                   },
                   [shared](Int64 value, String& ident) {
                     for (const auto& [known, name] : *shared)
                       if (known == value) {
                         ident = name;
                         return true;
                       }
                     return false;
                   }};
}

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = IdentMapOf({
      {0, "crDefault"},     {-1, "crNone"},     {-2, "crArrow"},      {-3, "crCross"},      {-4, "crIBeam"},
      {-6, "crSizeNESW"},   {-7, "crSizeNS"},   {-8, "crSizeNWSE"},   {-9, "crSizeWE"},     {-10, "crUpArrow"},
      {-11, "crHourGlass"}, {-12, "crDrag"},    {-13, "crNoDrop"},    {-14, "crHSplit"},    {-15, "crVSplit"},
      {-16, "crMultiDrag"}, {-17, "crSQLWait"}, {-18, "crNo"},        {-19, "crAppStart"},  {-20, "crHelp"},
      {-21, "crHandPoint"}, {-22, "crSizeAll"},
  });
  return idents;
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap idents = IdentMapOf({
      {0, "ANSI_CHARSET"},          {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},   {77, "MAC_CHARSET"},
      {128, "SHIFTJIS_CHARSET"},    {129, "HANGEUL_CHARSET"},   {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},
      {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},     {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
      {177, "HEBREW_CHARSET"},      {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
      {222, "THAI_CHARSET"},        {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
  });
  return idents;
}

// ---------------------------------------------------------------------------
// The class registry

namespace {

struct Registry {
  std::deque<TPublishedClass> classes;  // stable addresses
  unsigned generation = 1;             // bumped by every change, so cached views are rebuilt
  std::map<String, const TPublishedClass*> byInstanceClass;
  unsigned byInstanceGeneration = 0;
  std::vector<TChildPlacement> placements;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

int Depth(const TPublishedClass* published) {
  int depth = 0;
  for (; published; published = published->Parent) ++depth;
  return depth;
}

}  // namespace

const std::vector<TPropInfo>& TPublishedClass::Properties() const {
  unsigned generation = TheRegistry().generation;
  if (flatGeneration_ == generation) return flat_;
  std::vector<TPropInfo> flat;
  if (Parent) flat = Parent->Properties();
  auto find = [&flat](const String& name) {
    for (auto it = flat.begin(); it != flat.end(); ++it)
      if (SameText(it->Name, name)) return it;
    return flat.end();
  };
  for (const Change& change : changes_) {
    auto it = find(change.Property.Name);
    switch (change.What) {
      case Change::Add:
        if (it != flat.end()) *it = change.Property;
        else flat.push_back(change.Property);
        break;
      case Change::Default:
        if (it == flat.end()) throw EInvalidOperation(Name + " has no property " + change.Property.Name);
        it->DefaultOrdinal = change.Property.DefaultOrdinal;
        it->DefaultString = change.Property.DefaultString;
        it->HasDefault = true;
        break;
      case Change::Hide:
        if (it != flat.end()) flat.erase(it);
        break;
    }
  }
  flat_ = std::move(flat);
  flatGeneration_ = generation;
  return flat_;
}

const TPropInfo* TPublishedClass::Find(const String& name) const {
  for (const TPropInfo& property : Properties())
    if (SameText(property.Name, name)) return &property;
  return nullptr;
}

void TPublishedClass::Add(TPropInfo property) {
  changes_.push_back({Change::Add, std::move(property)});
  ++TheRegistry().generation;
}

void TPublishedClass::OverrideDefault(const String& name, Int64 ordinal) {
  TPropInfo property;
  property.Name = name;
  property.DefaultOrdinal = ordinal;
  changes_.push_back({Change::Default, property});
  ++TheRegistry().generation;
}

void TPublishedClass::OverrideDefault(const String& name, const String& text) {
  TPropInfo property;
  property.Name = name;
  property.DefaultString = text;
  changes_.push_back({Change::Default, property});
  ++TheRegistry().generation;
}

void TPublishedClass::Hide(const String& name) {
  TPropInfo property;
  property.Name = name;
  changes_.push_back({Change::Hide, property});
  ++TheRegistry().generation;
}

TPropInfo& TPublishedClass::LastAdded() {
  if (changes_.empty() || changes_.back().What != Change::Add)
    throw EInvalidOperation("No property to modify in " + Name);
  ++TheRegistry().generation;  // the caller changes it
  return changes_.back().Property;
}

TPublishedClass* FindPublishedClass(const String& className) {
  for (TPublishedClass& known : TheRegistry().classes)
    if (known.Name == className) return &known;
  return nullptr;
}

TPublishedClass& RegisterPublishedClass(const String& name, const String& parentName, const std::type_info& type,
                                        std::function<bool(const TPersistent*)> isInstance) {
  Registry& registry = TheRegistry();
  auto findOrAdd = [&registry](const String& className) -> TPublishedClass& {
    if (TPublishedClass* known = FindPublishedClass(className)) return *known;
    registry.classes.emplace_back();
    registry.classes.back().Name = className;
    return registry.classes.back();
  };
  TPublishedClass& published = findOrAdd(name);
  if (published.Type && *published.Type != type)
    throw EInvalidOperation("Two classes named " + name + " are published");
  published.Type = &type;
  if (!parentName.empty()) {
    TPublishedClass& parent = findOrAdd(parentName);
    for (const TPublishedClass* p = &parent; p; p = p->Parent)
      if (p == &published) throw EInvalidOperation("Class " + name + " cannot descend from itself");
    published.Parent = &parent;
  }
  published.IsInstance = std::move(isInstance);
  ++registry.generation;
  return published;
}

const TPublishedClass* PublishedClassOf(const TPersistent* instance) {
  if (!instance) return nullptr;
  Registry& registry = TheRegistry();
  if (registry.byInstanceGeneration != registry.generation) {
    registry.byInstanceClass.clear();
    registry.byInstanceGeneration = registry.generation;
  }
  String className = instance->ClassName();
  auto cached = registry.byInstanceClass.find(className);
  if (cached != registry.byInstanceClass.end()) return cached->second;
  const TPublishedClass* best = FindPublishedClass(className);
  if (best && !best->IsInstance) best = nullptr;  // only named as a parent so far
  if (!best) {
    // The nearest registered ancestor: the deepest class the object is an instance of.
    for (const TPublishedClass& known : registry.classes)
      if (known.IsInstance && known.IsInstance(instance) && (!best || Depth(&known) > Depth(best))) best = &known;
  }
  registry.byInstanceClass[className] = best;
  return best;
}

TComponentClassList& ComponentClasses() {
  static TComponentClassList classes;
  return classes;
}

void RegisterChildPlacement(const TChildPlacement& placement) { TheRegistry().placements.push_back(placement); }

const std::vector<TChildPlacement>& ChildPlacements() { return TheRegistry().placements; }
