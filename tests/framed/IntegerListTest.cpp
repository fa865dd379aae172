// The integer list: range, sorting and duplicates rules with their texts, a
// refused operation that changes nothing, the virtual calls descendants rely on,
// and the stream form.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "framed/lists/RzIntegerList.h"
#include "platform/published/FormDefinition.h"
#include "platform/published/Published.h"

namespace {

std::vector<Integer> ValuesOf(const TRzIntegerList& list) {
  std::vector<Integer> values;
  for (int i = 0; i < list.Count(); ++i) values.push_back(list[i]);
  return values;
}

struct ListSetup {
  bool sorted = false;
  TDuplicates duplicates = dupIgnore;
  Integer min = 0, max = 0;
  std::vector<Integer> values;
};

std::unique_ptr<TRzIntegerList> MakeList(const ListSetup& s) {
  auto list = std::make_unique<TRzIntegerList>();
  for (Integer v : s.values) list->Add(v);
  list->SetMin(s.min);
  list->SetMax(s.max);
  if (s.min != s.max) list->SetMin(s.min);  // a max below the old min pulled it down
  list->Duplicates = s.duplicates;
  list->SetSorted(s.sorted);
  return list;
}

using Op = std::function<int(TRzIntegerList&)>;
Op AddOp(Integer v) { return [v](TRzIntegerList& l) { return l.Add(v); }; }
Op InsertOp(int i, Integer v) { return [i, v](TRzIntegerList& l) { return l.Insert(i, v), -1; }; }
Op SetItemOp(int i, Integer v) { return [i, v](TRzIntegerList& l) { return l.SetItem(i, v), -1; }; }

struct OpCase {
  const char* name;
  ListSetup setup;
  Op op;
  int result;                  // what the operation answers (-1 for none)
  std::vector<Integer> after;  // the values afterwards
  const char* error;           // the refusal's text, or nullptr
};

const char* const kRange = "Value must be within 1..10";

TEST(IntegerList, OperationsFollowRangeSortingAndDuplicates) {
  const OpCase cases[] = {
      {"a new list takes negatives", {}, AddOp(-5), 0, {-5}, nullptr},
      {"Min = Max = 7 is no range", {false, dupIgnore, 7, 7, {}}, AddOp(100), 0, {100}, nullptr},
      {"range refuses 0 in Add", {false, dupIgnore, 1, 10, {5}}, AddOp(0), -1, {5}, kRange},
      {"range refuses 11 in Add", {false, dupIgnore, 1, 10, {5}}, AddOp(11), -1, {5}, kRange},
      {"range takes 1", {false, dupIgnore, 1, 10, {5}}, AddOp(1), 1, {5, 1}, nullptr},
      {"range takes 10", {false, dupIgnore, 1, 10, {5}}, AddOp(10), 1, {5, 10}, nullptr},
      {"range refuses 0 in Insert", {false, dupIgnore, 1, 10, {5}}, InsertOp(0, 0), -1, {5}, kRange},
      {"range refuses 11 in SetItem", {false, dupIgnore, 1, 10, {5}}, SetItemOp(0, 11), -1, {5}, kRange},
      {"range takes 10 in SetItem", {false, dupIgnore, 1, 10, {5}}, SetItemOp(0, 10), -1, {10}, nullptr},
      {"sorted dupIgnore", {true, dupIgnore, 0, 0, {1, 5, 9}}, AddOp(5), 1, {1, 5, 9}, nullptr},
      {"sorted dupAccept", {true, dupAccept, 0, 0, {1, 5, 9}}, AddOp(5), 1, {1, 5, 5, 9}, nullptr},
      {"sorted dupError", {true, dupError, 0, 0, {1, 5, 9}}, AddOp(5), -1, {1, 5, 9}, "Duplicates not allowed"},
      {"sorted inserts in place", {true, dupIgnore, 0, 0, {1, 5, 9}}, AddOp(6), 2, {1, 5, 6, 9}, nullptr},
      // An unsorted list drops a duplicate only for dupIgnore, and still answers Count.
      {"unsorted dupIgnore", {false, dupIgnore, 0, 0, {9, 5}}, AddOp(5), 2, {9, 5}, nullptr},
      {"unsorted dupError", {false, dupError, 0, 0, {9, 5}}, AddOp(5), 2, {9, 5, 5}, nullptr},
      {"unsorted dupAccept", {false, dupAccept, 0, 0, {9, 5}}, AddOp(5), 2, {9, 5, 5}, nullptr},
      {"Insert into a sorted list", {true, dupIgnore, 0, 0, {1, 2, 3}}, InsertOp(0, 7), -1, {1, 2, 3},
       "Operation not allowed on sorted list"},
      {"Insert at Count appends", {false, dupIgnore, 0, 0, {4}}, InsertOp(1, 7), -1, {4, 7}, nullptr},
      {"Insert beyond Count", {false, dupIgnore, 0, 0, {4}}, InsertOp(2, 7), -1, {4}, "List index out of bounds (2)"},
      {"Insert below 0", {false, dupIgnore, 0, 0, {4}}, InsertOp(-1, 7), -1, {4}, "List index out of bounds (-1)"},
      {"SetItem beyond the list", {}, SetItemOp(0, 3), -1, {}, "List index out of bounds (0)"},
      {"SetMin above a value", {false, dupIgnore, 0, 0, {3, 8}},
       [](TRzIntegerList& l) { return l.SetMin(4), l.Min(); }, -1, {3, 8},
       "Unable to set new minimum value.\rList contains values below 4"},
      {"SetMax below a value", {false, dupIgnore, 0, 0, {3, 8}},
       [](TRzIntegerList& l) { return l.SetMax(5), l.Max(); }, -1, {3, 8},
       "Unable to set new maximum value.\rList contains values above 5"},
      {"Delete outside", {false, dupIgnore, 0, 0, {3}}, [](TRzIntegerList& l) { return l.Delete(1), -1; }, -1, {3},
       "List index out of bounds (1)"},
  };
  for (const OpCase& c : cases) {
    auto list = MakeList(c.setup);
    const Integer min = list->Min(), max = list->Max();
    try {
      const int result = c.op(*list);
      EXPECT_EQ(c.error, nullptr) << c.name << ": no refusal";
      EXPECT_EQ(result, c.result) << c.name;
    } catch (const EListError& e) {
      ASSERT_NE(c.error, nullptr) << c.name << ": " << e.Message;
      EXPECT_EQ(e.Message, c.error) << c.name;
      EXPECT_EQ(list->Min(), min) << c.name;
      EXPECT_EQ(list->Max(), max) << c.name;
    }
    EXPECT_EQ(ValuesOf(*list), c.after) << c.name;
  }
}

TEST(IntegerList, RangeViolationsAreOutOfRangeErrors) {
  TRzIntegerList list;
  list.SetMax(10);
  list.SetMin(1);
  EXPECT_THROW(list.Add(0), EOutOfRange);
  list.Add(3);
  EXPECT_THROW(list.SetMin(4), EOutOfRange);
  EXPECT_THROW(list.SetItem(0, 11), EOutOfRange);
}

TEST(IntegerList, BoundsPullEachOtherAlong) {
  TRzIntegerList list;
  list.SetMin(-5);
  EXPECT_EQ(list.Max(), 0) << "setting one bound switches the range on";
  EXPECT_EQ(list.Min(), -5);
  TRzIntegerList empty;
  empty.SetMin(5);
  EXPECT_EQ(empty.Max(), 5);
  empty.SetMax(2);
  EXPECT_EQ(empty.Min(), 2);
  EXPECT_EQ(empty.Max(), 2);
}

TEST(IntegerList, SortingAndItsQuirks) {
  TRzIntegerList list;
  for (Integer v : {3, 1, 2}) list.Add(v);
  list.SetSorted(true);
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{1, 2, 3}));
  // A sorted list does not sort again, even when SetItem broke its order.
  list.SetItem(0, 9);
  list.Sort();
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{9, 2, 3}));
  list.SetSorted(false);
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{9, 2, 3})) << "unsorting keeps the order";
  list.Sort();
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{2, 3, 9}));
  list.Move(2, 0);
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{9, 2, 3}));
  list.Exchange(0, 2);
  EXPECT_EQ(ValuesOf(list), (std::vector<Integer>{3, 2, 9}));
  EXPECT_EQ(list.IndexOf(9), 2);
  EXPECT_EQ(list.IndexOf(4), -1);
}

TEST(IntegerList, AssignCopiesThroughTheReceiversRules) {
  TRzIntegerList source;
  for (Integer v : {4, 12, 4, 6}) source.Add(v);  // dupIgnore drops the second 4
  TRzIntegerList target;
  target.SetMax(10);
  target.SetMin(1);
  target.Add(1);
  EXPECT_THROW(target.Assign(&source), EOutOfRange);
  EXPECT_EQ(ValuesOf(target), (std::vector<Integer>{4})) << "cleared, then stopped at 12";
  target.SetMax(20);
  target.SetSorted(true);
  target.Assign(&source);
  EXPECT_EQ(ValuesOf(target), (std::vector<Integer>{4, 6, 12}));
  EXPECT_TRUE(target.Equals(&target));
  EXPECT_FALSE(target.Equals(&source));
}

// Descendants override single operations; the others reach them.
class TracingList : public TRzIntegerList {
public:
  std::vector<String> calls;
  int Add(Integer v) override { return calls.push_back("Add"), TRzIntegerList::Add(v); }
  void InsertNumber(int i, Integer v) override { calls.push_back("InsertNumber"), TRzIntegerList::InsertNumber(i, v); }
  int IndexOf(Integer v) const override {
    const_cast<TracingList*>(this)->calls.push_back("IndexOf");
    return TRzIntegerList::IndexOf(v);
  }
  void Exchange(int a, int b) override { calls.push_back("Exchange"), TRzIntegerList::Exchange(a, b); }
  void Clear() override { calls.push_back("Clear"), TRzIntegerList::Clear(); }
  bool Find(Integer v, int& i) const override {
    const_cast<TracingList*>(this)->calls.push_back("Find");
    return TRzIntegerList::Find(v, i);
  }
};

TEST(IntegerList, InternalCallsGoThroughTheVirtualOperations) {
  TRzIntegerList source;
  source.Add(2);
  source.Add(1);
  TracingList list;
  list.Assign(&source);
  EXPECT_EQ(list.calls, (std::vector<String>{"Clear", "Add", "InsertNumber", "IndexOf", "Add", "InsertNumber",
                                             "IndexOf"}));
  list.calls.clear();
  list.SetSorted(true);
  EXPECT_NE(std::find(list.calls.begin(), list.calls.end(), "Exchange"), list.calls.end());
  list.calls.clear();
  list.Add(5);
  EXPECT_EQ(list.calls.front(), "Add");
  EXPECT_EQ(list.calls[1], "Find");
}

// A component that keeps an integer list, as the list boxes keep their tab stops.
class TNumbersHolder : public TComponent {
public:
  explicit TNumbersHolder(TComponent* owner) : TComponent(owner) {}
  TRzIntegerList* Numbers() const { return numbers_.get(); }

private:
  std::unique_ptr<TRzIntegerList> numbers_ = std::make_unique<TRzIntegerList>();
};

void PublishHolder() {
  static bool done = false;
  if (done) return;
  done = true;
  PublishClass<TNumbersHolder, TComponent>().Object("Numbers", &TNumbersHolder::Numbers);
}

TEST(IntegerList, StreamFormRoundTrips) {
  PublishHolder();
  struct Case {
    const char* name;
    Integer min, max;
    std::vector<Integer> values;
    std::vector<const char*> written, absent;
  } cases[] = {
      {"empty", 0, 0, {}, {}, {"Numbers.Min", "Numbers.Max", "Numbers.Integers"}},
      {"values only", 0, 0, {1, 2}, {"Numbers.Integers = (\r\n    1\r\n    2)"}, {"Numbers.Min", "Numbers.Max"}},
      {"bounds and values", -3, 50, {3, -2, 20}, {"Numbers.Min = -3", "Numbers.Max = 50"}, {}},
  };
  for (const Case& c : cases) {
    TNumbersHolder holder(nullptr);
    holder.SetName("Holder");
    holder.Numbers()->SetMax(c.max);
    holder.Numbers()->SetMin(c.min);
    for (Integer v : c.values) holder.Numbers()->Add(v);
    const String text = WriteComponentText(&holder);
    for (const char* piece : c.written) EXPECT_NE(text.find(piece), String::npos) << c.name << "\n" << text;
    for (const char* piece : c.absent) EXPECT_EQ(text.find(piece), String::npos) << c.name << "\n" << text;
    TNumbersHolder copy(nullptr);
    ReadComponentText(&copy, text);
    EXPECT_TRUE(copy.Numbers()->Equals(holder.Numbers())) << c.name;
    EXPECT_EQ(copy.Numbers()->Min(), c.min) << c.name;
    EXPECT_EQ(copy.Numbers()->Max(), c.max) << c.name;
  }
}

TEST(IntegerList, ReadingStopsAtTheFirstRefusedValue) {
  PublishHolder();
  TNumbersHolder holder(nullptr);
  EXPECT_ANY_THROW(ReadComponentText(&holder,
                                     "object Holder: TNumbersHolder\n"
                                     "  Numbers.Min = 1\n"
                                     "  Numbers.Max = 10\n"
                                     "  Numbers.Integers = (\n    3\n    20\n    5)\n"
                                     "end\n"));
  EXPECT_EQ(ValuesOf(*holder.Numbers()), (std::vector<Integer>{3}));
}

}  // namespace
