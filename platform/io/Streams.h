// Streams of bytes: the abstract TStream with its exact-size reads and writes,
// memory, file, string and resource streams.
#pragma once

#include <vector>

#include "platform/core/Exceptions.h"

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream : public TObject {
public:
  // Read and Write move up to `count` bytes and return how many moved.
  virtual Int64 Read(void* buffer, Int64 count) = 0;
  virtual Int64 Write(const void* buffer, Int64 count) = 0;
  virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;

  // EReadError / EWriteError when fewer bytes move than asked.
  void ReadBuffer(void* buffer, Int64 count);
  void WriteBuffer(const void* buffer, Int64 count);
  // Copies `count` bytes from `source` (all of it from its start when 0).
  Int64 CopyFrom(TStream& source, Int64 count);

  Int64 Position() { return Seek(0, soCurrent); }
  void SetPosition(Int64 position) { Seek(position, soBeginning); }
  virtual Int64 Size();
  virtual void SetSize(Int64 size);
};

class TMemoryStream : public TStream {
public:
  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  Int64 Size() override { return static_cast<Int64>(data_.size()); }
  void SetSize(Int64 size) override;

  void Clear();
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const String& fileName);
  void SaveToStream(TStream& stream);
  void SaveToFile(const String& fileName);
  Byte* Memory() { return data_.data(); }
  const Byte* Memory() const { return data_.data(); }

private:
  std::vector<Byte> data_;
  Int64 position_ = 0;
};

// A stream over a text, for tests and for small texts read as streams.
class TStringStream : public TMemoryStream {
public:
  explicit TStringStream(const String& text = String());
  String DataString() const;
};

enum : Word {
  fmCreate = 0xFFFF,
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareDenyNone = 0x0040,
  fmShareDenyWrite = 0x0020,
};

class TFileStream : public TStream {
public:
  // EFCreateError or EFOpenError (with the file name) when the file cannot be had.
  TFileStream(const String& fileName, Word mode);
  ~TFileStream() override;

  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  void SetSize(Int64 size) override;
  const String& FileName() const { return fileName_; }

private:
  void* handle_;
  String fileName_;
};

// A read-only view of an RCDATA resource of a module, by name or by number.
class TResourceStream : public TMemoryStream {
public:
  // EResNotFound when the module has no such resource.
  TResourceStream(void* instance, const String& name, const char* type);
  TResourceStream(void* instance, int id, const char* type);

private:
  void Load(void* instance, const char* name, const char* type, const String& shownName);
};

// Reads a whole file into a string; false when it cannot be read.
bool ReadFileToString(const String& fileName, String& contents);
// Writes a file in full through a temporary file beside it that then replaces it,
// so a failed write leaves the old file as it was. False on any failure.
bool WriteFileAtomically(const String& fileName, const String& contents);
