#include "platform/core/Strings.h"

#include <gtest/gtest.h>

#include "platform/core/Lists.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

String Joined(const TStrings& list) {
  String text;
  for (int i = 0; i < list.Count(); ++i) text += (i ? "," : "") + list[i];
  return text;
}

class ChangeCounter : public TObject {
public:
  void Changed(TObject*) { ++changes; }
  int changes = 0;
};

}  // namespace

TEST(StringList, SortedAddFindAndIndexOf) {
  TStringList list;
  for (const char* s : {"pear", "Apple", "banana", "apple", "Cherry"}) list.Add(s);
  EXPECT_EQ(list.IndexOf("APPLE"), 1) << "unsorted search is linear and ignores case";
  list.SetSorted(true);
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.IndexOf("banana"), 2);
  EXPECT_EQ(list.IndexOf("cherry"), 3);
  EXPECT_EQ(list.IndexOf("grape"), -1);
  int at = -1;
  EXPECT_FALSE(list.Find("coconut", at));
  EXPECT_EQ(at, 4);
  EXPECT_EQ(list.Add("PEAR"), 4) << "dupIgnore returns the existing entry";
  EXPECT_EQ(list.Count(), 5);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("banana"), EStringListError);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  list.SetDuplicates(dupAccept);
  list.Add("banana");
  EXPECT_EQ(list.Count(), 6);
}

TEST(StringList, CustomSortIsTheClassicQuickSort) {
  // Equal keys come out in the order the classic quick sort leaves them, which the
  // program's profile list relies on.
  TStringList list;
  for (const char* s : {"b1", "a1", "b2", "a2", "b3", "a3"}) list.Add(s);
  list.CustomSort([](TStringList* l, int a, int b) { return int(l->Get(a)[0]) - int(l->Get(b)[0]); });
  EXPECT_EQ(Joined(list), "a2,a1,a3,b3,b1,b2");
}

TEST(List, SortIsTheClassicQuickSort) {
  int values[] = {3, 1, 2, 1, 3, 2};
  TList list;
  for (int& v : values) list.Add(&v);
  list.Sort([](void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); });
  String order;
  for (int i = 0; i < list.Count(); ++i) order += std::to_string(static_cast<int*>(list[i]) - values);
  EXPECT_EQ(order, "315204");
  EXPECT_THROW(list.Items(6), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
}

TEST(StringList, TextNamesValuesAndMoves) {
  TStringList list;
  list.SetText("a=1\r\nb=2\nc\r\r\n");
  EXPECT_EQ(Joined(list), "a=1,b=2,c,");
  EXPECT_EQ(list.Values("B"), "2");
  EXPECT_EQ(list.Names(0), "a");
  list.SetValue("c", "3");
  list.SetValue("a", "");
  EXPECT_EQ(Joined(list), "b=2,c,,c=3");
  list.Move(3, 0);
  list.Exchange(1, 2);
  EXPECT_EQ(Joined(list), "c=3,c,b=2,");
  list.SetCommaText("one, \"two words\",\"q\"\"uote\",");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list[2], "q\"uote");
  EXPECT_EQ(list.CommaText(), "one,\"two words\",\"q\"\"uote\",\"\"");
}

TEST(StringList, ChangeEventsWaitForEndUpdate) {
  ChangeCounter counter;
  TStringList list;
  list.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  list.Add("a");
  EXPECT_EQ(counter.changes, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 2);
  list.OnChange = nullptr;
  list.Add("d");
  EXPECT_EQ(counter.changes, 2);
}

TEST(StringList, FilesKeepLinesAsTheyAre) {
  TempProgramFolder folder;
  folder.Write("list.txt", "  padded  \r\n\r\nlast");
  TStringList list;
  list.LoadFromFile(folder.Path() + "list.txt");
  EXPECT_EQ(Joined(list), "  padded  ,,last");
  list.SaveToFile(folder.Path() + "out.txt");
  EXPECT_EQ(folder.Read("out.txt"), "  padded  \r\n\r\nlast\r\n");
  EXPECT_THROW(list.LoadFromFile(folder.Path() + "missing.txt"), EFOpenError);
}

TEST(StringList, OwnedObjectsAreFreedWithTheirEntries) {
  static int alive = 0;
  struct Counted : TObject {
    Counted() { ++alive; }
    ~Counted() override { --alive; }
  };
  {
    TStringList list;
    list.SetOwnsObjects(true);
    list.AddObject("a", new Counted);
    list.AddObject("b", new Counted);
    list.Delete(0);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}
