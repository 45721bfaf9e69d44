#include <gtest/gtest.h>

#include "core/sim/keytape.h"

namespace tav2 {
namespace {

TEST(KeyTape, ReplaysTheKeysAfterItsPositionThenRecordsNewOnes) {
  KeyTape tape;
  EXPECT_EQ(tape.Replay(), std::nullopt);
  tape.Record({'a', 'a'});
  tape.Record({'b', 0});
  EXPECT_EQ(tape.Position(), 2u);
  EXPECT_EQ(tape.Replay(), std::nullopt);
  tape.SetPosition(0);
  EXPECT_EQ(tape.Replay()->key, 'a');
  EXPECT_EQ(tape.Replay()->lastKey, 0);
  EXPECT_EQ(tape.Replay(), std::nullopt);
  tape.SetPosition(1);
  tape.Record({'c', 'c'});
  EXPECT_EQ(tape.Position(), 2u);
  tape.SetPosition(1);
  EXPECT_EQ(tape.Replay()->key, 'c') << "a new key replaces the keys after the position";
  EXPECT_EQ(tape.Replay(), std::nullopt);
}

TEST(KeyTape, DroppedKeysAreGoneAndPositionsStayWithinTheTape) {
  KeyTape tape;
  for (int key : {1, 2, 3, 4}) tape.Record({key, key});
  tape.DropBefore(2);
  EXPECT_EQ(tape.Bytes(), 2 * sizeof(TapedKey));
  tape.SetPosition(0);
  EXPECT_EQ(tape.Position(), 2u);
  EXPECT_EQ(tape.Replay()->key, 3);
  tape.SetPosition(99);
  EXPECT_EQ(tape.Position(), 4u);
  tape.Clear();
  EXPECT_EQ(tape.Position(), 0u);
  EXPECT_EQ(tape.Replay(), std::nullopt);
}

}  // namespace
}  // namespace tav2
