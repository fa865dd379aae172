// The skin-change table: rows in order, first claimant wins, replacement and
// removal, components no row knows.
#include <gtest/gtest.h>

#include <string>

#include "skin/form/SkinChangeTable.h"

namespace {

struct Fixture {
  TSkinChangeTable table;
  std::string log;
  // A row that logs its visit and claims the component when `claims` is set.
  TSkinChangeHandler Row(char name, bool claims) {
    return [this, name, claims](TComponent*, TSkinChangeStage stage) {
      log += name;
      log += stage == TSkinChangeStage::Before ? 'b' : 'a';
      return claims;
    };
  }
};

TEST(SkinChangeTable, RowsRunInOrderUntilOneClaims) {
  Fixture f;
  TComponent component(nullptr);
  f.table.Register(9, f.Row('c', true));
  f.table.Register(4, f.Row('a', false));
  f.table.Register(6, f.Row('b', true));
  EXPECT_TRUE(f.table.Dispatch(&component, TSkinChangeStage::After));
  EXPECT_EQ(f.log, "aaba");
}

TEST(SkinChangeTable, ReplaceRemoveAndUnknownComponents) {
  Fixture f;
  TComponent component(nullptr);
  f.table.Register(5, f.Row('x', true));
  f.table.Register(5, f.Row('y', false));
  EXPECT_EQ(f.table.Count(), 1u);
  EXPECT_FALSE(f.table.Dispatch(&component, TSkinChangeStage::Before));
  EXPECT_EQ(f.log, "yb");
  EXPECT_FALSE(f.table.Dispatch(nullptr, TSkinChangeStage::Before));
  f.table.Unregister(5);
  EXPECT_EQ(f.table.Count(), 0u);
  EXPECT_FALSE(f.table.Dispatch(&component, TSkinChangeStage::After));
  EXPECT_EQ(f.log, "yb");
}

}  // namespace
