#include "platform/store/LiveQuery.hpp"

#include <gtest/gtest.h>

#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/store/Note_test.hpp"
#include "platform/store/Store.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace platform::store {
namespace {

using testing::Note;
using testing::Tag;

struct LiveQueries : ::testing::Test {
  platform::testing::TempDirectory dir;
  ManualClock clock;
  VirtualMainQueue queue{clock};
  std::unique_ptr<Store> store =
      Store::open(dir.path() / "Verdeo.store", testing::noteSchema(), queue).value();
  ModelContext& context = store->mainContext();
  std::shared_ptr<Note> saved = [this] {
    auto note = Note::make("b");
    context.insert(note);
    EXPECT_TRUE(context.save());
    queue.runUntilIdle();
    return note;
  }();

  static std::vector<std::string> titles(const LiveQuery<Note>& query) {
    std::vector<std::string> out;
    for (const auto& note : query.results()) out.push_back(note->title());
    return out;
  }
};

TEST_F(LiveQueries, StartWithTheirResults) {
  auto query = context.liveQuery<Note>();
  EXPECT_EQ(titles(query), std::vector<std::string>{"b"});
}

TEST_F(LiveQueries, RedeliverOncePerTurnAfterInsertChangeOrDelete) {
  auto query = context.liveQuery<Note>(SortDescriptor{"title"});
  std::vector<std::vector<std::string>> deliveries;
  query.onChange([&] { deliveries.push_back(titles(query)); });

  struct Step {
    const char* name;
    std::function<void()> change;
    std::vector<std::string> expected;
  };
  std::shared_ptr<Note> inserted;
  const Step steps[] = {
      {"insert", [&] { context.insert(inserted = Note::make("a")); }, {"a", "b"}},
      {"change", [&] { saved->setTitle("0"); }, {"0", "a"}},
      {"delete", [&] { context.remove(inserted); }, {"0"}},
      {"many in one turn",
       [&] {
         context.insert(Note::make("x"));
         context.insert(Note::make("y"));
         saved->setTitle("z");
       },
       {"x", "y", "z"}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    deliveries.clear();
    step.change();
    EXPECT_TRUE(deliveries.empty());  // never in the middle of the caller's turn
    queue.runUntilIdle();
    EXPECT_EQ(deliveries, std::vector<std::vector<std::string>>{step.expected});
  }
  deliveries.clear();
  ASSERT_TRUE(context.save());  // saving changes nothing that a query shows
  queue.advance(1.0);
  EXPECT_TRUE(deliveries.empty());
}

TEST_F(LiveQueries, IgnoreOtherEntities) {
  auto query = context.liveQuery<Note>();
  int deliveries = 0;
  query.onChange([&] { ++deliveries; });
  context.insert(Tag::make("green"));
  queue.advance(1.0);
  EXPECT_EQ(deliveries, 0);
}

TEST_F(LiveQueries, StopWhenDroppedEvenFromTheirOwnCallback) {
  auto kept = context.liveQuery<Note>();
  auto dropped = std::make_unique<LiveQuery<Note>>(context.liveQuery<Note>());
  int keptDeliveries = 0, droppedDeliveries = 0;
  kept.onChange([&] { ++keptDeliveries; });
  dropped->onChange([&] {
    ++droppedDeliveries;
    dropped.reset();
  });
  saved->setTitle("c");
  queue.runUntilIdle();
  saved->setTitle("d");
  queue.runUntilIdle();
  EXPECT_EQ(keptDeliveries, 2);
  EXPECT_EQ(droppedDeliveries, 1);
}

TEST_F(LiveQueries, AQueryMadeInACallbackSeesTheNewState) {
  auto query = context.liveQuery<Note>();
  std::optional<LiveQuery<Note>> late;
  query.onChange([&] {
    if (!late) late = context.liveQuery<Note>();
  });
  context.insert(Note::make("a"));
  queue.runUntilIdle();
  ASSERT_TRUE(late);
  EXPECT_EQ(titles(*late), (std::vector<std::string>{"b", "a"}));
}

}  // namespace
}  // namespace platform::store
