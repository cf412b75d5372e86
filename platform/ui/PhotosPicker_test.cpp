#include "platform/ui/PhotosPicker.hpp"

#include <gtest/gtest.h>

#include "platform/ui/Layout.hpp"
#include "platform/ui/TestHarness.hpp"
#include "platform/ui/Ui.hpp"

namespace platform::ui {
namespace {

TEST(PickedFiles, RefusesFilesOverTheCapAndKeepsTheLatestFew) {
  PickedFiles files;
  EXPECT_FALSE(files.add(PickedFiles::Bytes(PickedFiles::kMaxBytes + 1)));
  const auto first = files.add({1}).value();
  std::string last;
  for (std::size_t i = 0; i < PickedFiles::kKept; ++i) last = files.add({2}).value();
  EXPECT_EQ(files.get(first), nullptr) << "pushed out by later choices";
  ASSERT_NE(files.get(last), nullptr);
  EXPECT_EQ(*files.get(last), PickedFiles::Bytes{2});
}

// A screen holding the chosen item, and the bytes once they arrive.
struct Chooser {
  std::optional<PhotosPickerItem> item;
  std::optional<Result<std::vector<std::uint8_t>>> loaded;
};

TEST(PhotosPicker, AChoiceBecomesAnItemWhoseBytesArriveOnALaterTurnExactlyAsChosen) {
  TestHarness h;
  Chooser chooser;
  auto files = h.runtime().pickedFiles();
  h.show([&] { return PhotosPicker(Text("Pick"), Binding(&chooser.item), files); });
  const std::vector<std::uint8_t> bytes{0xFF, 0xD8, 0x00, 0x7F};
  ASSERT_TRUE(h.pickPhoto(text("Pick"), bytes)) << h.lastError();
  ASSERT_TRUE(chooser.item);
  chooser.item->loadData(h.queue(), [&](auto result) { chooser.loaded = std::move(result); });
  EXPECT_FALSE(chooser.loaded) << "never inside the caller's turn";
  h.queue().runUntilIdle();
  ASSERT_TRUE(chooser.loaded && *chooser.loaded);
  EXPECT_EQ(chooser.loaded->value(), bytes);

  // An identifier the display made up, or one no longer kept, changes nothing.
  const std::string handler = h.find(kind("photopicker")).json()["on"]["change"].get<std::string>();
  h.send(handler, Json{{"file", "photo-999"}});
  h.send(handler, "photo-1");
  EXPECT_EQ(chooser.item->itemIdentifier(), "photo-1");
}

}  // namespace
}  // namespace platform::ui
