// The shell routines: item-id lists and the list of lists over synthetic lists
// with a counting allocator and a folder comparison of the test's own, the text
// routines, network drives with and without netapi32, the device-change
// broadcast, a shortcut made and resolved under Wine, the special folders and the
// class id of a file type.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "framed/shell/RzShellDrives.h"
#include "framed/shell/RzShellFolders.h"
#include "framed/shell/RzShellIdLists.h"
#include "framed/shell/RzShellLinks.h"
#include "framed/shell/RzShellText.h"
#include "framed/startup/RzShellUtils.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowPump.h"

#include <lm.h>  // after the system headers it builds on

namespace {

// An allocator that knows every block it handed out.
class TCountingMalloc : public IMalloc_NRC {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  void* STDMETHODCALLTYPE Alloc(SIZE_T size) override {
    void* p = std::malloc(size ? size : 1);
    live.insert(p);
    ++allocs;
    return p;
  }
  void* STDMETHODCALLTYPE Realloc(void* p, SIZE_T size) override {
    live.erase(p);
    p = std::realloc(p, size);
    live.insert(p);
    return p;
  }
  void STDMETHODCALLTYPE Free(void* p) override {
    if (!p) return;
    EXPECT_EQ(live.erase(p), 1u) << "freed once, and only what it made";
    std::free(p);
  }
  SIZE_T STDMETHODCALLTYPE GetSize(void*) override { return 0; }
  int STDMETHODCALLTYPE DidAlloc(void* p) override { return live.count(p) ? 1 : 0; }
  void STDMETHODCALLTYPE HeapMinimize() override {}
  std::set<void*> live;
  int allocs = 0;
};

// A folder whose only working operation orders lists by their length, longest first.
class TLengthFolder : public IShellFolder_NRC {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*, ULONG*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumObjects(HWND, DWORD, IEnumIDList_NRC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, LPCITEMIDLIST a, LPCITEMIDLIST b) override {
    return static_cast<HRESULT>(static_cast<unsigned short>(IdListLen(b) - IdListLen(a)));
  }
  HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, LPCITEMIDLIST*, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDisplayNameOf(LPCITEMIDLIST, DWORD, TStrRet*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, DWORD, LPITEMIDLIST*) override {
    return E_NOTIMPL;
  }
};

// A synthetic item-id list: one item per text, each item its 2-byte count and the text's bytes.
class TList {
public:
  explicit TList(std::initializer_list<const char*> items) {
    for (const char* item : items) {
      const USHORT size = static_cast<USHORT>(2 + std::strlen(item));
      bytes_.push_back(static_cast<BYTE>(size & 0xFF));
      bytes_.push_back(static_cast<BYTE>(size >> 8));
      bytes_.insert(bytes_.end(), item, item + std::strlen(item));
    }
    bytes_.push_back(0);
    bytes_.push_back(0);
  }
  LPITEMIDLIST Pidl() { return reinterpret_cast<LPITEMIDLIST>(bytes_.data()); }
  static std::vector<BYTE> Bytes(LPCITEMIDLIST pidl) {
    const BYTE* b = reinterpret_cast<const BYTE*>(pidl);
    return std::vector<BYTE>(b, b + IdListLen(pidl));
  }

private:
  std::vector<BYTE> bytes_;
};

// The shell allocator replaced by a counting one for the test's lifetime.
class ShellLists : public testing::Test {
protected:
  void SetUp() override {
    saved = ShellMalloc;
    ShellMalloc = &counting;
  }
  void TearDown() override {
    ShellMalloc = saved;
    EXPECT_TRUE(counting.live.empty()) << "every list made was freed";
  }
  TCountingMalloc counting;
  IMalloc_NRC* saved = nullptr;
};

}  // namespace

TEST_F(ShellLists, LengthCopyConcatAndCompare) {
  TList empty({}), three({"ab", "cde", "f"});
  EXPECT_EQ(IdListLen(nullptr), 0);
  EXPECT_EQ(IdListLen(empty.Pidl()), 2);
  EXPECT_EQ(IdListLen(three.Pidl()), 4 + 5 + 3 + 2);

  TCountingMalloc own;
  LPITEMIDLIST copy = CopyIdList(&own, three.Pidl());
  EXPECT_EQ(TList::Bytes(copy), TList::Bytes(three.Pidl()));
  EXPECT_EQ(own.allocs, 1) << "from the allocator given";
  own.Free(copy);
  LPITEMIDLIST fromNil = CopyIdList(nullptr, nullptr);
  EXPECT_EQ(IdListLen(fromNil), 2) << "a copy of nil is an empty list";
  ShellMemFree(fromNil);

  TList first({"ab"}), second({"cde", "f"});
  LPITEMIDLIST joined = ConcatIdLists(nullptr, first.Pidl(), second.Pidl());
  EXPECT_EQ(TList::Bytes(joined), TList::Bytes(three.Pidl()));
  ShellMemFree(joined);

  EXPECT_EQ(CompareAbsIdLists(nullptr, nullptr), 0);
  EXPECT_EQ(CompareAbsIdLists(nullptr, empty.Pidl()), -1);
  EXPECT_EQ(CompareAbsIdLists(empty.Pidl(), empty.Pidl()), 0);
  EXPECT_EQ(CompareAbsIdLists(empty.Pidl(), three.Pidl()), -1);
  EXPECT_EQ(ShellMemRealloc(nullptr, 10), nullptr) << "realloc of nil allocates nothing";
}

TEST_F(ShellLists, TheArrayWalksItemsAndGoesUp) {
  TList three({"ab", "cde", "f"}), two({"ab", "cde"}), last({"f"}), empty({});
  TRzIdListArray items(three.Pidl());
  EXPECT_EQ(items.Count(), 3);
  EXPECT_EQ(TList::Bytes(items.GoUp(1)), TList::Bytes(two.Pidl()));
  EXPECT_EQ(TList::Bytes(items.GoUp(0)), TList::Bytes(three.Pidl()));
  EXPECT_EQ(IdListLen(items.GoUp(3)), 2) << "the desktop";
  EXPECT_EQ(items.GoUp(4), nullptr);
  EXPECT_EQ(TList::Bytes(items.Item(2)), TList::Bytes(last.Pidl()));
  EXPECT_EQ(items.Item(3), nullptr);
  EXPECT_EQ(items.Item(-1), nullptr);
  TRzIdListArray none(nullptr);
  EXPECT_EQ(none.Count(), 0);
  EXPECT_EQ(none.Item(0), nullptr);
  TRzIdListArray blank(empty.Pidl());
  EXPECT_EQ(IdListLen(blank.Item(0)), 2) << "item 0 of an empty list is an empty list";
}

TEST_F(ShellLists, ThePidlListKeepsOrderAndDuplicates) {
  TList a({"a"}), b({"b"}), bb({"b", "b"}), c({"c"}), b2({"b"});
  TRzPidlList list;
  list.Add(c.Pidl());
  list.Add(a.Pidl());
  list.Add(bb.Pidl());
  EXPECT_EQ(list.IndexOf(a.Pidl()), 1) << "unsorted: found by a linear search";
  list.SetSorted(true);
  EXPECT_EQ(list.Pidl(0), a.Pidl());
  EXPECT_EQ(list.Pidl(1), bb.Pidl()) << "bytes decide: \"b\" then its longer list";
  EXPECT_EQ(list.Pidl(2), c.Pidl());
  EXPECT_EQ(list.Add(b.Pidl()), 1);
  try {
    list.Add(b2.Pidl());
    ADD_FAILURE() << "an equal list is refused";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "TRzPidlList: Duplicate PIDL");
  }
  list.Duplicates = dupIgnore;
  EXPECT_EQ(list.Add(b2.Pidl()), 1);
  EXPECT_EQ(list.Count(), 4);
  list.Duplicates = dupAccept;
  list.Add(b2.Pidl());
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.IndexOf(c.Pidl()), 4);
  list.Delete(0);  // without an allocator the list stays its owner's
  EXPECT_EQ(TList::Bytes(a.Pidl()).size(), 5u);

  // A folder's comparison orders the entries instead of the bytes.
  TLengthFolder folder;
  TRzPidlList byFolder;
  byFolder.ShellFolder = &folder;
  byFolder.Add(a.Pidl());
  byFolder.Add(bb.Pidl());
  byFolder.SetSorted(true);
  EXPECT_EQ(byFolder.Pidl(0), bb.Pidl()) << "longest first";
  int index = -1;
  EXPECT_TRUE(byFolder.BinarySearch(c.Pidl(), index)) << "the folder calls equal lengths equal";
  EXPECT_EQ(index, 1);

  // With an allocator, Delete and Clear free the lists through it.
  TRzPidlList owning;
  owning.Malloc = &counting;
  owning.Add(CopyIdList(&counting, a.Pidl()));
  owning.Add(CopyIdList(&counting, b.Pidl()));
  owning.Add(CopyIdList(&counting, c.Pidl()));
  owning.Delete(1);
  EXPECT_EQ(counting.live.size(), 2u);
  owning.Clear();
  EXPECT_TRUE(counting.live.empty());
}

TEST(ShellText, TrailingCharsTrimmingAndPositionalFormats) {
  EXPECT_EQ(EnsureTrailingCharDB("C:", '\\'), "C:\\");
  EXPECT_EQ(EnsureTrailingCharDB("C:\\", '\\'), "C:\\");
  EXPECT_EQ(EnsureTrailingCharDB("", '\\'), "");
  EXPECT_EQ(TrimRightDB("name \t\r\n"), "name");
  EXPECT_EQ(TrimRightDB("   "), "");
  size_t at = 1;
  String dest;
  CopyCharDB(at, "abc", dest);
  EXPECT_EQ(dest, "b");
  EXPECT_EQ(at, 2u);

  TStringList params;
  ParametizeCmdLineDB("one \"two three \"  four", &params);
  ASSERT_EQ(params.Count(), 3);
  EXPECT_EQ(params[0], "one");
  EXPECT_EQ(params[1], "two three");
  EXPECT_EQ(params[2], "four");
  params.Clear();
  ParametizeCmdLineDB("a\"\" b\"c d\"", &params);
  ASSERT_EQ(params.Count(), 3) << "empty quotes add nothing; a quote inside a word starts a new parameter";
  EXPECT_EQ(params[1], "b");
  EXPECT_EQ(params[2], "c d");

  EXPECT_EQ(FormatStrPos("%2 before %1", {"first", "second"}), "second before first");
  EXPECT_EQ(FormatStrPos("", {"x"}), "");
  std::vector<String> fifty(50, "x");
  EXPECT_EQ(FormatStrPos("%50%1", fifty), "xx");
  std::vector<String> fiftyOne(51, "x");
  try {
    FormatStrPos("%1", fiftyOne);
    ADD_FAILURE() << "51 strings are refused";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "FormatStrPos: Too many substitution strings");
  }
}

namespace {

DWORD fakeStatus = USE_OK;
DWORD fakeReturn = 0;
int buffersFreed = 0;
USE_INFO_1 fakeUse{};

DWORD WINAPI FakeNetUseGetInfo(LPCWSTR, LPCWSTR, DWORD level, BYTE** buffer) {
  EXPECT_EQ(level, 1u);
  fakeUse.ui1_status = fakeStatus;
  *buffer = reinterpret_cast<BYTE*>(&fakeUse);
  return fakeReturn;
}
DWORD WINAPI FakeNetApiBufferFree(void*) {
  ++buffersFreed;
  return 0;
}

}  // namespace

TEST(ShellDrives, NetworkDrivesWithAndWithoutTheLibrary) {
  SetNetApiLoader([](TRzNetApi&) { return false; });
  for (char drive : {'C', 'X', 'Z'}) EXPECT_TRUE(IsNetworkDriveConnected(drive)) << "no library: always connected";
  SetNetApiLoader([](TRzNetApi& api) {
    api.NetUseGetInfo = FakeNetUseGetInfo;
    api.NetApiBufferFree = FakeNetApiBufferFree;
    return true;
  });
  struct Case {
    DWORD returned, status;
    bool connected;
  } cases[] = {{0, USE_OK, true}, {0, USE_DISCONN, false}, {2250, USE_OK, false}};
  for (const Case& k : cases) {
    fakeReturn = k.returned;
    fakeStatus = k.status;
    EXPECT_EQ(IsNetworkDriveConnected('X'), k.connected) << k.returned << "/" << k.status;
  }
  EXPECT_EQ(buffersFreed, 2);
  SetNetApiLoader(nullptr);
  IsNetworkDriveConnected('C');  // the system's library, loaded or missing: no failure either way
}

TEST(ShellDrives, TheDriveCacheFlushWaitsWhileLocked) {
  LockFlushDriveInfoCache();
  EXPECT_EQ(gFlushDriveInfoSem, 1);
  FlushDriveInfoCache();  // nothing while locked
  UnlockFlushDriveInfoCache();
  EXPECT_EQ(gFlushDriveInfoSem, 0);
  EXPECT_NO_THROW(FlushDriveInfoCache()) << "My Computer validates its drives";
}

TEST(ShellDrives, ADeviceChangeReachesEveryHandler) {
  struct Listener : TObject {
    int calls = 0;
    WPARAM event = 0;
    void Heard(TObject*, TMessage& m) {
      ++calls;
      event = m.WParam;
    }
  } first, second;
  TRzDeviceChangeHandler* handler = RzDeviceChangeHandler();
  EXPECT_EQ(handler, RzDeviceChangeHandler()) << "one per process";
  handler->Add(TRzDeviceChangeMethod(&first, &Listener::Heard));
  handler->Add(TRzDeviceChangeMethod(&second, &Listener::Heard));
  ::SendMessageA(handler->Handle(), WM_DEVICECHANGE, 0x8000 /* DBT_DEVICEARRIVAL */, 0);
  EXPECT_EQ(first.calls, 0) << "handlers run after the system's message was answered";
  ASSERT_TRUE(PumpUntil([&] { return first.calls == 1 && second.calls == 1; }, 5000));
  EXPECT_EQ(second.event, 0x8000u);
  handler->Remove(TRzDeviceChangeMethod(&first, &Listener::Heard));
  handler->Active = false;
  ::SendMessageA(handler->Handle(), WM_DEVICECHANGE, 0x8004, 0);
  PumpMessages();
  EXPECT_EQ(second.calls, 1) << "an inactive handler broadcasts nothing";
  handler->Active = true;
  ::SendMessageA(handler->Handle(), WM_DEVICECHANGE, 0x8004, 0);
  ASSERT_TRUE(PumpUntil([&] { return second.calls == 2; }, 5000));
  EXPECT_EQ(first.calls, 1);
  handler->Remove(TRzDeviceChangeMethod(&second, &Listener::Heard));
  EXPECT_EQ(handler->Count(), 0);
}

TEST(ShellLinks, AShortcutIsMadeAndResolved) {
  TempProgramFolder folder;
  const String target = folder.Write("target.txt", "hello");
  const String link = folder.Path() + "target.lnk";
  TLinkData made;
  made.PathName = target;
  made.Options = LinkOption(ldoUseDesc) | LinkOption(ldoUseArgs) | LinkOption(ldoUseWorkDir);
  made.Description = "A test target";
  made.Arguments = "/quiet";
  made.WorkingDir = folder.Path();
  ASSERT_EQ(CreateShortcut(link, made), S_OK);
  TLinkData read;
  read.ResolveQuiet = true;
  ASSERT_EQ(ResolveShortcut(link, read, true), S_OK);
  EXPECT_TRUE(SameText(read.PathName, target)) << read.PathName;
  EXPECT_EQ(read.Description, "A test target");
  EXPECT_EQ(read.Arguments, "/quiet");
  EXPECT_EQ(read.Options, kAllLinkOptions);
  EXPECT_NE(read.IdList, nullptr);
  ::CoTaskMemFree(read.IdList);

  ASSERT_EQ(CreateQuickShortcut(folder.Path() + "quick.lnk", target), S_OK);
  TLinkData quick;
  quick.ResolveQuiet = true;
  ASSERT_EQ(ResolveShortcut(folder.Path() + "quick.lnk", quick, false), S_OK);
  EXPECT_EQ(quick.Description, target);
  EXPECT_EQ(quick.IdList, nullptr);
  EXPECT_NE(ResolveShortcut(folder.Path() + "missing.lnk", quick, false), S_OK);
}

TEST(ShellFolders, TheDesktopsEmptyListIsTheDesktop) {
  const ITEMIDLIST empty{};
  EXPECT_EQ(ShellFindCSIDLFromIdList(&empty), csidlDesktop);
  EXPECT_TRUE(ShellCSIDLEqualsIdList(&empty, csidlDesktop));
  IShellFolder_NRC* desktop = nullptr;
  ASSERT_EQ(ShellGetFolderFromIdList(nullptr, desktop), S_OK);
  ASSERT_NE(desktop, nullptr);
  desktop->Release();
  const String windows = ShellGetSpecialFolderPath(nullptr, csidlWindows);
  EXPECT_FALSE(windows.empty());
  LPITEMIDLIST pidl = nullptr;
  ASSERT_EQ(ShellGetIdListFromPath(windows, pidl), S_OK);
  EXPECT_TRUE(SameText(ShellGetPathFromIdList(pidl), windows));
  EXPECT_EQ(ShellFindCSIDLFromIdList(pidl), csidlWindows);
  EXPECT_TRUE(SameText(ShellGetFriendlyNameForLastIdListElement(pidl), "windows"))
      << ShellGetFriendlyNameForLastIdListElement(pidl);
  ShellMemFree(pidl);
  EXPECT_NE(ShellGetSystemImageList(iszSmall), nullptr);
}

TEST(ShellFolders, TheClassIdOfAFileType) {
  const char* const id = "{6A1F3C5E-2B7D-4E90-8C11-0F2D3B4A5C6D}";
  ::RegSetValueA(HKEY_CLASSES_ROOT, ".rzdirect", REG_SZ, (String("clsid\\") + id).c_str(), 0);
  ::RegSetValueA(HKEY_CLASSES_ROOT, ".rztype", REG_SZ, "RzTest.Document", 0);
  ::RegSetValueA(HKEY_CLASSES_ROOT, "RzTest.Document\\CLSID", REG_SZ, id, 0);
  ::RegSetValueA(HKEY_CLASSES_ROOT, ".rzown\\CLSID", REG_SZ, id, 0);
  ::RegSetValueA(HKEY_CLASSES_ROOT, ".rznone", REG_SZ, "RzTest.Nothing", 0);
  GUID expected{}, clsid{};
  wchar_t wide[64];
  ::MultiByteToWideChar(CP_ACP, 0, id, -1, wide, 64);
  ::CLSIDFromString(wide, &expected);
  for (const char* type : {".rzdirect", ".rztype", ".rzown"}) {
    clsid = GUID{};
    EXPECT_TRUE(RzClsidFromFileType(type, clsid)) << type;
    EXPECT_TRUE(IsEqualGUID(clsid, expected)) << type;
  }
  EXPECT_FALSE(RzClsidFromFileType(".rznone", clsid));
  EXPECT_FALSE(RzClsidFromFileType(".rzmissing", clsid));
  for (const char* key : {".rzdirect", ".rztype", "RzTest.Document\\CLSID", "RzTest.Document", ".rzown\\CLSID",
                          ".rzown", ".rznone"})
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
}
