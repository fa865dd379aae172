#include "framed/lists/RzCheckListStrings.h"

#include "framed/lists/RzCheckList.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/io/Streams.h"

namespace {

// One saved line read: the text without the blank the writer puts at its end.
struct TSavedLine {
  String Text;
  TPacket Packet;
  bool Saved = false;
};

TSavedLine ParseLine(const String& line, int number) {
  TSavedLine result;
  if (line.empty() || line[0] != '&') {
    result.Text = line;
    return result;
  }
  const bool digitsOk = line.size() >= 5 && (line[1] == '0' || line[1] == '1') && line[3] >= '0' && line[3] <= '2';
  if (!digitsOk) throw EConvertError(Format("'%s' is not a valid check list line (line %d)", line.c_str(), number));
  result.Saved = true;
  result.Packet.Enabled = line[1] == '1';
  result.Packet.State = static_cast<TCheckBoxState>(line[3] - '0');
  result.Text = line.substr(5);
  if (!result.Text.empty() && result.Text.back() == ' ') result.Text.pop_back();
  return result;
}

std::vector<TSavedLine> ParseLines(const TStrings& lines) {
  std::vector<TSavedLine> parsed;
  for (int i = 0; i < lines.Count(); ++i) parsed.push_back(ParseLine(lines.Get(i), i + 1));
  return parsed;
}

}  // namespace

void TRzCheckListStrings::CheckIndex(int index) const {
  if (index < 0 || index >= static_cast<int>(packets_.size()))
    throw EStringListError(Format("List index out of bounds (%d)", index));
}

TPacket& TRzCheckListStrings::Packet(int index) {
  CheckIndex(index);
  return packets_[static_cast<size_t>(index)];
}

const TPacket& TRzCheckListStrings::Packet(int index) const {
  CheckIndex(index);
  return packets_[static_cast<size_t>(index)];
}

// The window paints a new item before its record exists: the control draws nothing meanwhile.
int TRzCheckListStrings::Add(const String& text) { return AddWithPacket(text, nullptr, TPacket()); }

int TRzCheckListStrings::AddWithPacket(const String& text, TObject* object, const TPacket& packet) {
  TRzCheckList::TAddingItems adding(checkList_);
  const int index = items_->AddObject(text, object);
  packets_.insert(packets_.begin() + index, packet);
  return index;
}

void TRzCheckListStrings::Insert(int index, const String& text) {
  TRzCheckList::TAddingItems adding(checkList_);
  items_->Insert(index, text);
  packets_.insert(packets_.begin() + index, TPacket());
}

void TRzCheckListStrings::Delete(int index) {
  items_->Delete(index);
  packets_.erase(packets_.begin() + index);
}

void TRzCheckListStrings::Clear() {
  items_->Clear();
  packets_.clear();
}

// The replaced item keeps its state and the list its current item.
void TRzCheckListStrings::Put(int index, const String& text) {
  const TPacket packet = Packet(index);
  TObject* object = items_->GetObject(index);
  const int current = checkList_->ItemIndex();
  Delete(index);
  const int placed = checkList_->Sorted() ? AddWithPacket(text, object, packet) : index;
  if (!checkList_->Sorted()) {
    TRzCheckList::TAddingItems adding(checkList_);
    items_->InsertObject(index, text, object);
    packets_.insert(packets_.begin() + index, packet);
  }
  checkList_->SetItemIndex(current == index ? placed : current);
}

void TRzCheckListStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  const TPacket packet = Packet(curIndex);
  const String text = items_->Get(curIndex);
  TObject* object = items_->GetObject(curIndex);
  BeginUpdate();
  Delete(curIndex);
  {
    TRzCheckList::TAddingItems adding(checkList_);
    items_->InsertObject(newIndex, text, object);
    packets_.insert(packets_.begin() + newIndex, packet);
  }
  EndUpdate();
}

void TRzCheckListStrings::Exchange(int index1, int index2) {
  if (index1 == index2) return;
  CheckIndex(index1);
  CheckIndex(index2);
  BeginUpdate();
  const String text1 = items_->Get(index1), text2 = items_->Get(index2);
  TObject* object1 = items_->GetObject(index1);
  TObject* object2 = items_->GetObject(index2);
  const TPacket packet1 = packets_[static_cast<size_t>(index1)];
  const TPacket packet2 = packets_[static_cast<size_t>(index2)];
  const int lower = std::min(index1, index2), upper = std::max(index1, index2);
  // Replaced in place (delete and insert) so a sorted list keeps the asked order.
  auto place = [&](int index, const String& text, TObject* object, const TPacket& packet) {
    items_->Delete(index);
    TRzCheckList::TAddingItems adding(checkList_);
    items_->InsertObject(index, text, object);
    packets_[static_cast<size_t>(index)] = packet;
  };
  if (lower == index1) {
    place(lower, text2, object2, packet2);
    place(upper, text1, object1, packet1);
  } else {
    place(lower, text1, object1, packet1);
    place(upper, text2, object2, packet2);
  }
  EndUpdate();
}

void TRzCheckListStrings::Assign(const TPersistent* source) {
  auto* lines = dynamic_cast<const TStrings*>(source);
  if (!lines) return TStrings::Assign(source);
  auto* other = dynamic_cast<const TRzCheckListStrings*>(source);
  std::vector<TSavedLine> parsed;
  if (!other) parsed = ParseLines(*lines);
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < lines->Count(); ++i) {
      if (other)
        AddWithPacket(other->Get(i), other->GetObject(i), other->Packet(i));
      else
        AddWithPacket(parsed[static_cast<size_t>(i)].Text, lines->GetObject(i), parsed[static_cast<size_t>(i)].Packet);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TRzCheckListStrings::SetUpdateState(bool updating) {
  if (updating) {
    items_->BeginUpdate();
  } else {
    items_->EndUpdate();
    checkList_->Invalidate();
  }
}

// ---- text format ----

String TRzCheckListStrings::SavedText() const {
  String text;
  for (int i = 0; i < Count(); ++i) {
    const TPacket& packet = Packet(i);
    text += Format("&%d %d %s %s", packet.Enabled ? 1 : 0, static_cast<int>(packet.State), Get(i).c_str(), "\r\n");
  }
  return text;
}

void TRzCheckListStrings::LoadSavedText(const String& text) {
  TStringList lines;
  lines.SetText(text);
  const std::vector<TSavedLine> parsed = ParseLines(lines);
  BeginUpdate();
  try {
    Clear();
    for (const TSavedLine& line : parsed) AddWithPacket(line.Text, nullptr, line.Packet);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TRzCheckListStrings::LoadFromStream(TStream& stream) {
  const Int64 size = stream.Size() - stream.Position();
  String contents(static_cast<size_t>(size > 0 ? size : 0), '\0');
  stream.ReadBuffer(contents.data(), static_cast<Int64>(contents.size()));
  LoadSavedText(contents);
}

void TRzCheckListStrings::SaveToStream(TStream& stream) const {
  const String text = SavedText();
  stream.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
}

void TRzCheckListStrings::LoadFromFile(const String& fileName) {
  String contents;
  if (!ReadFileToString(fileName, contents)) throw EFOpenError("Cannot open file \"" + fileName + "\"");
  LoadSavedText(contents);
}

void TRzCheckListStrings::SaveToFile(const String& fileName) {
  if (!WriteFileAtomically(fileName, SavedText())) throw EFCreateError("Cannot create file \"" + fileName + "\"");
}
