// Entry point of the framed tests: the family starts as the program starts it.
#include <gtest/gtest.h>

#include "framed/startup/FramedStartup.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  FramedStartup();
  int result = RUN_ALL_TESTS();
  FramedShutdown();
  return result;
}
