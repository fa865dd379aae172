// TRzCheckListStrings: the items of a check list. The texts and objects live in
// the list box (in its window, or kept aside while it has none); beside them a
// state record per item, kept parallel through every add, insert, delete, move,
// exchange and replace. Saved as text, one line per item: "&", the enabled
// digit, a blank, the state digit, a blank, the text, a blank.
#pragma once

#include <vector>

#include "platform/core/Strings.h"
#include "platform/stdctrls/CheckBoxState.h"

class TRzCheckList;
class TStream;

// The state record of one item.
struct TPacket {
  TCheckBoxState State = cbUnchecked;
  bool Enabled = true;
};

class TRzCheckListStrings : public TStrings {
public:
  // `items` (borrowed) holds the texts and objects of `checkList` (borrowed).
  TRzCheckListStrings(TRzCheckList* checkList, TStrings* items) : checkList_(checkList), items_(items) {}

  String Get(int index) const override { return items_->Get(index); }
  int Count() const override { return items_->Count(); }
  TObject* GetObject(int index) const override { return items_->GetObject(index); }
  void PutObject(int index, TObject* object) override { items_->PutObject(index, object); }
  void Put(int index, const String& text) override;
  int Add(const String& text) override;
  void Insert(int index, const String& text) override;
  void Delete(int index) override;
  void Clear() override;
  void Move(int curIndex, int newIndex) override;
  void Exchange(int index1, int index2) override;
  // From another check list's items with their states; any other text that
  // begins with "&" is read as a saved line.
  void Assign(const TPersistent* source) override;

  // EStringListError "List index out of bounds (%d)" outside the items.
  TPacket& Packet(int index);
  const TPacket& Packet(int index) const;

  // The text format above. Loading checks every line before anything changes:
  // a "&" line shorter than five characters or with a digit out of range raises
  // EConvertError naming the line.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  void LoadFromFile(const String& fileName) override;
  void SaveToFile(const String& fileName) override;
  String SavedText() const;
  void LoadSavedText(const String& text);

protected:
  void SetUpdateState(bool updating) override;

private:
  void CheckIndex(int index) const;
  int AddWithPacket(const String& text, TObject* object, const TPacket& packet);

  TRzCheckList* checkList_;  // borrowed: the control these items belong to
  TStrings* items_;          // borrowed: the list box's own items
  std::vector<TPacket> packets_;
};
