#include "framed/theme/RzUxTheme.h"

TRzThemeApi ThemeApi;

#define RZ_THEME_NAME(name) #name,
const char* const ThemeEntryNames[] = {RZ_UXTHEME_ENTRIES(RZ_THEME_NAME)};
#undef RZ_THEME_NAME
const int ThemeEntryCount = sizeof(ThemeEntryNames) / sizeof(ThemeEntryNames[0]);

namespace {

class TSystemThemeLibrary : public TRzThemeLibrarySource {
public:
  HMODULE Load() override { return ::LoadLibraryA("uxtheme.dll"); }
  void* Find(HMODULE library, const char* name) override {
    return reinterpret_cast<void*>(::GetProcAddress(library, name));
  }
  void Free(HMODULE library) override { ::FreeLibrary(library); }
};

// The lock around loading, binding, unloading and the count.
class TThemeLock {
public:
  TThemeLock() { ::EnterCriticalSection(&Section()); }
  ~TThemeLock() { ::LeaveCriticalSection(&Section()); }

private:
  static CRITICAL_SECTION& Section() {
    static struct Holder {
      Holder() { ::InitializeCriticalSection(&section); }
      CRITICAL_SECTION section;
    } holder;
    return holder.section;
  }
};

TSystemThemeLibrary systemLibrary;
TRzThemeLibrarySource* source = nullptr;
HMODULE library = nullptr;
int users = 0;

TRzThemeLibrarySource& Source() { return source ? *source : systemLibrary; }

void Bind() {
#define RZ_THEME_BIND(name) ThemeApi.name = reinterpret_cast<decltype(ThemeApi.name)>(Source().Find(library, #name));
  RZ_UXTHEME_ENTRIES(RZ_THEME_BIND)
#undef RZ_THEME_BIND
}

}  // namespace

void SetThemeLibrarySource(TRzThemeLibrarySource* newSource) {
  TThemeLock lock;
  if (!library) source = newSource;
}

bool InitThemeLibrary() {
  TThemeLock lock;
  ++users;
  if (!library) {
    library = Source().Load();
    if (library) Bind();
  }
  return library != nullptr;
}

void FreeThemeLibrary() {
  TThemeLock lock;
  if (users > 0) --users;
  if (library && users == 0) {
    Source().Free(library);
    library = nullptr;
    ThemeApi = TRzThemeApi();
  }
}

bool ThemeLibraryLoaded() {
  TThemeLock lock;
  return library != nullptr;
}

int ThemeLibraryUsers() {
  TThemeLock lock;
  return users;
}

bool UseThemes() {
  if (!ThemeLibraryLoaded()) return false;
  return ThemeApi.IsAppThemed && ThemeApi.IsAppThemed() && ThemeApi.IsThemeActive && ThemeApi.IsThemeActive();
}
