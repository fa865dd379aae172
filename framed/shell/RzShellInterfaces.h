// The rest of the shell's COM interfaces as plain abstract classes in the COM
// layout, not reference counted (_NRC): only pointers the shell hands out are used
// as such objects, and their holders call AddRef and Release themselves. Also the
// shell's identifiers under their published names and the records the calls take.
#pragma once

#include <objidl.h>
#include <shlobj.h>

#include "framed/startup/RzShellIntf.h"

using TStrRet = STRRET;
using TShColInfo = SHELLDETAILS;
using TCMInvokeCommandInfo = CMINVOKECOMMANDINFO;

class IEnumIDList_NRC;

class IShellDetails_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE GetDetailsOf(LPCITEMIDLIST pidl, UINT column, TShColInfo* details) = 0;
  virtual HRESULT STDMETHODCALLTYPE ColumnClick(UINT column) = 0;
};

class IContextMenu_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE InvokeCommand(TCMInvokeCommandInfo* info) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR command, UINT type, UINT* reserved, LPSTR name,
                                                     UINT size) = 0;
};

class IContextMenu2_NRC : public IContextMenu_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

class IEnumIDList_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG count, LPITEMIDLIST* items, ULONG* fetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG count) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumIDList_NRC** copy) = 0;
};

class IShellFolder_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND owner, IBindCtx* context, LPWSTR name, ULONG* eaten,
                                                     LPITEMIDLIST* pidl, ULONG* attributes) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumObjects(HWND owner, DWORD flags, IEnumIDList_NRC** list) = 0;
  virtual HRESULT STDMETHODCALLTYPE BindToObject(LPCITEMIDLIST pidl, IBindCtx* context, REFIID iid, void** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE BindToStorage(LPCITEMIDLIST pidl, IBindCtx* context, REFIID iid, void** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM param, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateViewObject(HWND owner, REFIID iid, void** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT count, LPCITEMIDLIST* pidls, ULONG* attributes) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* pidls, REFIID iid,
                                                  UINT* reserved, void** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDisplayNameOf(LPCITEMIDLIST pidl, DWORD flags, TStrRet* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetNameOf(HWND owner, LPCITEMIDLIST pidl, LPCWSTR name, DWORD flags,
                                              LPITEMIDLIST* out) = 0;
};

// F1, F2, F3 and F5 hold the places of the shell's own operations there.
class IShellFolder2_NRC : public IShellFolder_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE F1() = 0;
  virtual HRESULT STDMETHODCALLTYPE F2() = 0;
  virtual HRESULT STDMETHODCALLTYPE F3() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDefaultColumnState(UINT column, DWORD* flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE F5() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDetailsOf(LPCITEMIDLIST pidl, UINT column, TShColInfo* details) = 0;
};

// The ANSI shell link.
class IShellLink_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE GetPath(LPSTR file, int size, WIN32_FIND_DATAA* data, DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIDList(LPITEMIDLIST* pidl) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetIDList(LPCITEMIDLIST pidl) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(LPSTR name, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR dir, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR dir) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetArguments(LPSTR args, int size) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR args) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHotKey(WORD* hotKey) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHotKey(WORD hotKey) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetShowCmd(int* showCmd) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetShowCmd(int showCmd) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR path, int size, int* index) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR path, int index) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR path, DWORD reserved) = 0;
  virtual HRESULT STDMETHODCALLTYPE Resolve(HWND window, DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPath(LPCSTR file) = 0;
};

class IEnumFormatEtc_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* items, ULONG* fetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG count) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumFormatEtc_NRC** copy) = 0;
};

class IDataObject_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFormatEtc_NRC** list) = 0;
  virtual HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) = 0;
  virtual HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** list) = 0;
};

class IDropTarget_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE DragEnter(IDataObject_NRC* data, DWORD keys, POINTL point, DWORD* effect) = 0;
  virtual HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) = 0;
  virtual HRESULT STDMETHODCALLTYPE DragLeave() = 0;
  virtual HRESULT STDMETHODCALLTYPE Drop(IDataObject_NRC* data, DWORD keys, POINTL point, DWORD* effect) = 0;
};

class IDropSource_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) = 0;
  virtual HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) = 0;
};

// The shell's identifiers; in a namespace of their own beside the system
// headers' declarations of some of the same names.
namespace RzShellIds {
constexpr GUID ShellGuid(unsigned long first) { return GUID{first, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}; }
constexpr GUID CLSID_ShellDesktop = ShellGuid(0x00021400);
constexpr GUID CLSID_ShellLink = ShellGuid(0x00021401);
constexpr GUID CLSID_InternetShortcut = {0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
constexpr GUID IID_INewShortcutHookA = ShellGuid(0x000214E1);
constexpr GUID IID_IShellBrowser = ShellGuid(0x000214E2);
constexpr GUID IID_IShellView = ShellGuid(0x000214E3);
constexpr GUID IID_IContextMenu = ShellGuid(0x000214E4);
constexpr GUID IID_IShellIcon = ShellGuid(0x000214E5);
constexpr GUID IID_IShellFolder = ShellGuid(0x000214E6);
constexpr GUID IID_IShellExtInit = ShellGuid(0x000214E8);
constexpr GUID IID_IShellPropSheetExt = ShellGuid(0x000214E9);
constexpr GUID IID_IExtractIconA = ShellGuid(0x000214EB);
constexpr GUID IID_IShellDetails = ShellGuid(0x000214EC);
constexpr GUID IID_IShellLinkA = ShellGuid(0x000214EE);
// IID_IExtractIcon and IID_IShellLink are the ANSI interfaces' (the system headers
// name them so in an ANSI build): RzShellIds::IID_IShellLink is IID_IShellLinkA.
constexpr GUID IID_IShellCopyHook = ShellGuid(0x000214EF);
constexpr GUID IID_IFileViewer = ShellGuid(0x000214F0);
constexpr GUID IID_ICommDlgBrowser = ShellGuid(0x000214F1);
constexpr GUID IID_IEnumIDList = ShellGuid(0x000214F2);
constexpr GUID IID_IFileViewerSite = ShellGuid(0x000214F3);
constexpr GUID IID_IContextMenu2 = ShellGuid(0x000214F4);
constexpr GUID IID_IShellFolder2 = {0x93F2F68C, 0x1D1B, 0x11D3, {0xA3, 0x0E, 0x00, 0xC0, 0x4F, 0x79, 0xAB, 0xD1}};
constexpr GUID IID_IPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace RzShellIds
