#include "platform/io/Streams.h"

#include <algorithm>
#include <cstring>

#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

void TStream::ReadBuffer(void* buffer, Int64 count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, Int64 count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

Int64 TStream::CopyFrom(TStream& source, Int64 count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<Byte> buffer(static_cast<size_t>(std::min<Int64>(count, 0xF000)));
  Int64 left = count;
  while (left > 0) {
    Int64 n = std::min<Int64>(left, static_cast<Int64>(buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}

Int64 TStream::Size() {
  Int64 position = Seek(0, soCurrent);
  Int64 size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(Int64) { throw EStreamError("Stream size cannot be changed"); }

Int64 TMemoryStream::Read(void* buffer, Int64 count) {
  Int64 available = Size() - position_;
  Int64 n = std::max<Int64>(0, std::min(count, available));
  if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

Int64 TMemoryStream::Write(const void* buffer, Int64 count) {
  if (count <= 0) return 0;
  if (position_ + count > Size()) data_.resize(static_cast<size_t>(position_ + count));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ += count;
  return count;
}

Int64 TMemoryStream::Seek(Int64 offset, TSeekOrigin origin) {
  Int64 base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : Size();
  position_ = std::max<Int64>(0, base + offset);
  return position_;
}

void TMemoryStream::SetSize(Int64 size) {
  data_.resize(static_cast<size_t>(std::max<Int64>(0, size)));
  position_ = std::min(position_, Size());
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  Int64 size = stream.Size();
  std::vector<Byte> data(static_cast<size_t>(size));
  stream.ReadBuffer(data.data(), size);
  data_ = std::move(data);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(data_.data(), Size()); }

void TMemoryStream::SaveToFile(const String& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

TStringStream::TStringStream(const String& text) {
  Write(text.data(), static_cast<Int64>(text.size()));
  SetPosition(0);
}

String TStringStream::DataString() const {
  return String(reinterpret_cast<const char*>(Memory()), static_cast<size_t>(const_cast<TStringStream*>(this)->Size()));
}

TFileStream::TFileStream(const String& fileName, Word mode) : handle_(INVALID_HANDLE_VALUE), fileName_(fileName) {
  DWORD share = (mode & fmShareDenyWrite) ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE handle;
  if (mode == fmCreate) {
    handle = ::CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw EFCreateError("Cannot create file \"" + fileName + "\"");
  } else {
    DWORD access = (mode & 3) == fmOpenRead ? GENERIC_READ
                   : (mode & 3) == fmOpenWrite ? GENERIC_WRITE
                                               : GENERIC_READ | GENERIC_WRITE;
    handle = ::CreateFileA(fileName.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw EFOpenError("Cannot open file \"" + fileName + "\"");
  }
  handle_ = handle;
}

TFileStream::~TFileStream() {
  if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
}

Int64 TFileStream::Read(void* buffer, Int64 count) {
  DWORD read = 0;
  if (count <= 0 || !::ReadFile(handle_, buffer, static_cast<DWORD>(count), &read, nullptr)) return 0;
  return read;
}

Int64 TFileStream::Write(const void* buffer, Int64 count) {
  DWORD written = 0;
  if (count <= 0 || !::WriteFile(handle_, buffer, static_cast<DWORD>(count), &written, nullptr)) return 0;
  return written;
}

Int64 TFileStream::Seek(Int64 offset, TSeekOrigin origin) {
  LARGE_INTEGER distance, result;
  distance.QuadPart = offset;
  if (!::SetFilePointerEx(handle_, distance, &result, static_cast<DWORD>(origin))) return -1;
  return result.QuadPart;
}

void TFileStream::SetSize(Int64 size) {
  Seek(size, soBeginning);
  if (!::SetEndOfFile(handle_)) throw EStreamError("Stream size cannot be changed");
}

TResourceStream::TResourceStream(void* instance, const String& name, const char* type) {
  Load(instance, name.c_str(), type, name);
}

TResourceStream::TResourceStream(void* instance, int id, const char* type) {
  Load(instance, MAKEINTRESOURCEA(id), type, IntToStr(id));
}

void TResourceStream::Load(void* instance, const char* name, const char* type, const String& shownName) {
  HMODULE module = static_cast<HMODULE>(instance);
  HRSRC info = ::FindResourceA(module, name, type);
  if (!info) throw EResNotFound("Resource " + shownName + " not found");
  HGLOBAL global = ::LoadResource(module, info);
  const void* data = global ? ::LockResource(global) : nullptr;
  if (!data) throw EResNotFound("Resource " + shownName + " not found");
  Write(data, ::SizeofResource(module, info));
  SetPosition(0);
}

bool ReadFileToString(const String& fileName, String& contents) {
  HANDLE file = ::CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF;
  String data;
  if (ok) {
    data.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ok = data.empty() || (::ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr) &&
                          read == data.size());
  }
  ::CloseHandle(file);
  if (ok) contents = std::move(data);
  return ok;
}

bool WriteFileAtomically(const String& fileName, const String& contents) {
  String temporary = fileName + ".tmp~";
  HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = contents.empty() ||
            (::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
             written == contents.size());
  ok = ::FlushFileBuffers(file) && ok;
  ok = ::CloseHandle(file) && ok;
  if (ok) ok = ::MoveFileExA(temporary.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) ::DeleteFileA(temporary.c_str());
  return ok;
}
