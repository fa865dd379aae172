#include <gtest/gtest.h>

#include <set>

#include "imaging/GR32_Containers.h"
#include "imaging/GR32_Resamplers.h"

namespace {

void* Key(std::uintptr_t address) { return reinterpret_cast<void*>(address); }

TEST(GR32PointerMap, AddFindRemove) {
  TPointerMap map;
  int a = 1, b = 2;
  bool isNew = false;
  // Two keys that differ only above bit 15 share a bucket.
  void* k1 = Key(0x00010500), *k2 = Key(0x00020500);
  ASSERT_EQ(TPointerMap::BucketOf(k1), TPointerMap::BucketOf(k2));
  map.Add(k1, &a, isNew);
  EXPECT_TRUE(isNew);
  map.Add(k2, &b);
  void** slot = map.Add(k1, &b, isNew);
  EXPECT_FALSE(isNew);
  EXPECT_EQ(*slot, &a);  // the stored data is unchanged
  EXPECT_EQ(map.Data(k2), &b);
  EXPECT_TRUE(map.Contains(k2));
  EXPECT_EQ(map.Remove(Key(0x99)), nullptr);
  EXPECT_EQ(map.Count(), 2);
  EXPECT_EQ(map.Remove(k1), &a);
  EXPECT_FALSE(map.Contains(k1));
  EXPECT_EQ(map.Data(k2), &b);
  try {
    map.Data(Key(0xABC));
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message, "Item not found ($0ABC)");
  }
}

TEST(GR32PointerMap, IteratorAndClear) {
  TPointerMap map;
  std::set<void*> keys;
  for (std::uintptr_t i = 0; i < 40; ++i) keys.insert(Key(0x10000 * (i + 1) + 0x100 * (i * 7 % 256)));
  keys.insert(Key(0xFF00));  // bucket 255
  keys.insert(Key(0x3FF00));
  for (void* k : keys) map.Add(k, k);
  std::set<void*> seen;
  TPointerMapIterator it(&map);
  while (it.Next()) {
    EXPECT_EQ(it.Item, it.Data);
    EXPECT_TRUE(seen.insert(it.Item).second);
  }
  EXPECT_EQ(seen, keys);
  map.Clear();
  EXPECT_EQ(map.Count(), 0);
  for (void* k : keys) EXPECT_FALSE(map.Contains(k));
  TPointerMapIterator empty(&map);
  EXPECT_FALSE(empty.Next());
  map.Add(Key(0x100), nullptr);  // usable after clearing
  EXPECT_EQ(map.Count(), 1);
}

TEST(GR32RectList, GrowthAndEditing) {
  TRectList list;
  std::vector<int> capacities;
  for (int i = 0; i < 145; ++i) {
    int before = list.Capacity();
    list.Add(TRect{i, 0, i + 1, 1});
    if (list.Capacity() != before) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{8, 16, 48, 80, 112, 144, 180}));
  EXPECT_EQ(list.IndexOf(TRect{3, 0, 4, 1}), 3);
  EXPECT_EQ(list.Items(145), nullptr);
  EXPECT_EQ(list.Items(-1), nullptr);
  list.Move(0, 2);
  EXPECT_EQ(list.Items(2)->Left, 0);
  EXPECT_EQ(list.Items(0)->Left, 1);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Items(0)->Left, 2);
  EXPECT_EQ(list.Remove(TRect{2, 0, 3, 1}), 0);
  EXPECT_EQ(list.Count(), 144);
  list.Insert(1, TRect{9, 9, 9, 9});
  EXPECT_EQ(*list.Items(1), (TRect{9, 9, 9, 9}));
  list.SetCount(150);
  EXPECT_EQ(*list.Items(149), TRect{});
  list.SetCount(2);
  EXPECT_EQ(list.Count(), 2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 10);
}

TEST(GR32Registries, LookupsByExactName) {
  ASSERT_NE(ResamplerList, nullptr);
  ASSERT_NE(KernelList, nullptr);
  EXPECT_NE(ResamplerList->Find("TNearestResampler"), nullptr);
  EXPECT_NE(ResamplerList->Find("TKernelResampler"), nullptr);
  EXPECT_EQ(ResamplerList->Find("tnearestresampler"), nullptr);
  EXPECT_EQ(KernelList->Count(), 13);
  EXPECT_EQ((*KernelList)[0].Name, "TBoxKernel");
  EXPECT_EQ((*KernelList)[12].Name, "THermiteKernel");
  TStringList names;
  GetClassNames(*ResamplerList, &names);
  EXPECT_EQ(names.Text(), "TNearestResampler\r\nTLinearResampler\r\nTDraftResampler\r\nTKernelResampler\r\n");
}

}  // namespace
