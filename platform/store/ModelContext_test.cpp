#include "platform/store/ModelContext.hpp"

#include <gtest/gtest.h>

#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/store/Note_test.hpp"
#include "platform/store/Store.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace platform::store {
namespace {

using testing::Note;
using testing::RawDatabase;
using testing::Tag;

struct StoreContext : ::testing::Test {
  platform::testing::TempDirectory dir;
  std::filesystem::path path = dir.path() / "Verdeo.store";
  ManualClock clock;
  VirtualMainQueue queue{clock};
  std::unique_ptr<Store> store = open();
  ModelContext& context() { return store->mainContext(); }

  std::unique_ptr<Store> open() {
    auto opened = Store::open(path, testing::noteSchema(), queue);
    EXPECT_TRUE(opened) << opened.error().description;
    return opened ? std::move(*opened) : nullptr;
  }
  void reopen() {
    store.reset();
    store = open();
  }
  std::vector<std::shared_ptr<Note>> notes(std::optional<SortDescriptor> sort = {}) {
    auto fetched = context().fetch<Note>(sort);
    EXPECT_TRUE(fetched) << fetched.error().description;
    return fetched ? *fetched : std::vector<std::shared_ptr<Note>>{};
  }
  std::vector<std::string> titles(std::optional<SortDescriptor> sort = {}) {
    std::vector<std::string> out;
    for (const auto& note : notes(sort)) out.push_back(note->title());
    return out;
  }
};

TEST_F(StoreContext, EveryAttributeTypeSurvivesAReopen) {
  auto note =
      Note::make("Fern", Date::fromReferenceSeconds(789'012'345.678), Bytes{0x00, 0xff, 0x10});
  note->setValue(Note::kCount, std::int64_t{-42});
  note->setValue(Note::kPinned, true);
  const Uuid id = note->id();
  auto empty = Note::make("", Date(), Bytes{});
  context().insert(note);
  context().insert(empty);
  ASSERT_TRUE(context().save());
  reopen();

  auto loaded = notes();
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0]->id(), id);
  EXPECT_EQ(loaded[0]->title(), "Fern");
  EXPECT_EQ(loaded[0]->created().referenceSeconds(), 789'012'345.678);
  EXPECT_EQ(loaded[0]->count(), -42);
  EXPECT_TRUE(loaded[0]->pinned());
  EXPECT_EQ(loaded[0]->attachment(), (Bytes{0x00, 0xff, 0x10}));
  // An empty attachment is bytes, not none.
  EXPECT_TRUE(loaded[1]->hasBytes(Note::kAttachment));
  EXPECT_EQ(loaded[1]->attachment(), Bytes{});

  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT id, typeof(created), typeof(attachment) FROM Note ORDER BY rowid"),
            (std::vector<std::string>{id.string() + "|real|blob",
                                      loaded[1]->id().string() + "|real|blob"}));
}

TEST_F(StoreContext, OneObjectPerRecord) {
  context().insert(Note::make("a"));
  context().insert(Note::make("b"));
  ASSERT_TRUE(context().save());
  auto first = notes();
  auto sorted = notes(SortDescriptor{"title", SortOrder::descending});
  auto query = context().liveQuery<Note>();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0], sorted[1]);
  EXPECT_EQ(first[1], sorted[0]);
  EXPECT_EQ(query.results(), first);
  first[0]->setTitle("changed");
  EXPECT_EQ(notes()[0]->title(), "changed");
}

TEST_F(StoreContext, UnsavedChangesShowInFetchesAtOnce) {
  auto saved = Note::make("saved");
  context().insert(saved);
  ASSERT_TRUE(context().save());
  context().insert(Note::make("pending"));
  context().remove(saved);
  EXPECT_EQ(titles(), std::vector<std::string>{"pending"});
  EXPECT_EQ(*context().count<Note>(), 1u);
  EXPECT_TRUE(saved->isDeleted());
  EXPECT_EQ(saved->title(), "saved");  // still a valid object
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT title FROM Note"), std::vector<std::string>{"saved"});
}

TEST_F(StoreContext, SortsLikeSQLiteAndKeepsStoreOrderOnTies) {
  const char* names[] = {"banana", "Äpfel", "apple", "Banana", "apple", "Zed", ""};
  for (int i = 0; const char* name : names)
    context().insert(Note::make(name, Date::fromReferenceSeconds(i++ % 3)));
  auto pending = titles(SortDescriptor{"title", SortOrder::ascending});
  ASSERT_TRUE(context().save());
  RawDatabase raw(path);
  // What SQLite's own ORDER BY answers is the order to match, saved or not.
  auto expected = raw.rows("SELECT title FROM Note ORDER BY title, rowid");
  EXPECT_EQ(pending, expected);
  EXPECT_EQ(titles(SortDescriptor{"title"}), expected);
  EXPECT_EQ(titles(SortDescriptor{"created", SortOrder::descending}),
            raw.rows("SELECT title FROM Note ORDER BY created DESC, rowid"));
  EXPECT_FALSE(context().fetch<Note>(SortDescriptor{"colour"}));
}

TEST_F(StoreContext, ChangesReachTheDiskHalfASecondAfterTheFirstOne) {
  auto note = Note::make("first");
  context().insert(note);
  RawDatabase raw(path);
  queue.advance(0.4);
  note->setTitle("second");
  EXPECT_TRUE(raw.rows("SELECT title FROM Note").empty());
  queue.advance(0.1);
  EXPECT_EQ(raw.rows("SELECT title FROM Note"), std::vector<std::string>{"second"});
  EXPECT_FALSE(context().hasChanges());
  note->setTitle("third");
  queue.advance(0.5);
  EXPECT_EQ(raw.rows("SELECT title FROM Note"), std::vector<std::string>{"third"});
}

TEST_F(StoreContext, AutomaticSaveAloneSurvivesTermination) {
  auto note = Note::make("before");
  context().insert(note);
  ASSERT_TRUE(context().save());
  note->setTitle("after");
  context().insert(Note::make("new"));
  queue.advance(1.0);
  reopen();  // no explicit save: the store is dropped as a killed process would leave it
  EXPECT_EQ(titles(), (std::vector<std::string>{"after", "new"}));
}

TEST_F(StoreContext, DroppingTheStoreDoesNotSave) {
  context().insert(Note::make("lost"));
  reopen();
  EXPECT_TRUE(titles().empty());
}

TEST_F(StoreContext, AFailingSaveSaysWhyAndKeepsEverythingPending) {
  auto kept = Note::make("kept");
  context().insert(kept);
  ASSERT_TRUE(context().save());
  ASSERT_TRUE(store->limitPageCount(*store->pageCount()));
  kept->setTitle("renamed");
  auto big = Note::make("big", Date(), Bytes(256 * 1024, 7));
  context().insert(big);

  auto saved = context().save();
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.error().description.find("full"), std::string::npos) << saved.error().description;
  EXPECT_TRUE(context().hasChanges());
  EXPECT_TRUE(big->hasChanges());
  EXPECT_EQ(kept->title(), "renamed");
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT title FROM Note"), std::vector<std::string>{"kept"});

  ASSERT_TRUE(store->limitPageCount(1'000'000));
  ASSERT_TRUE(context().save());
  reopen();
  EXPECT_EQ(titles(), (std::vector<std::string>{"renamed", "big"}));
}

TEST_F(StoreContext, AFailingAutomaticSaveIsLoggedOnceAndRetriedAfterTheNextChange) {
  ScopedLogCapture log;
  auto note = Note::make("n", Date(), Bytes(64 * 1024, 1));
  context().insert(note);
  ASSERT_TRUE(context().save());
  ASSERT_TRUE(store->limitPageCount(*store->pageCount()));
  for (int i = 0; i < 3; ++i) {
    note->setAttachment(Bytes(256 * 1024, static_cast<std::uint8_t>(i)));
    queue.advance(1.0);
  }
  ASSERT_EQ(log.lines().size(), 1u);
  EXPECT_EQ(log.lines()[0].rfind("Store: automatic save failed: ", 0), 0u) << log.lines()[0];
  ASSERT_TRUE(store->limitPageCount(1'000'000));
  queue.advance(1.0);
  EXPECT_TRUE(context().hasChanges());  // nothing retries without a change
  note->setTitle("again");
  queue.advance(1.0);
  EXPECT_FALSE(context().hasChanges());

  reopen();
  EXPECT_EQ(notes()[0]->attachment(), Bytes(256 * 1024, 2));
}

TEST_F(StoreContext, DeletingSavedAndUnsavedRecords) {
  auto saved = Note::make("saved", Date(), Bytes{1});
  context().insert(saved);
  ASSERT_TRUE(context().save());
  reopen();
  saved = notes()[0];
  auto unsaved = Note::make("unsaved");
  context().insert(unsaved);
  context().remove(unsaved);
  context().remove(saved);
  ASSERT_TRUE(context().save());
  // The freed rowid is given to the next row; the deleted object must not read that row's bytes.
  context().insert(Note::make("next", Date(), Bytes{9}));
  ASSERT_TRUE(context().save());
  EXPECT_TRUE(saved->isDeleted());
  EXPECT_FALSE(saved->attachment());
  EXPECT_FALSE(unsaved->hasChanges());
  reopen();
  EXPECT_EQ(titles(), std::vector<std::string>{"next"});
}

TEST_F(StoreContext, BytesAreReadOnlyWhenAskedFor) {
  auto note = Note::make("photo", Date(), Bytes(1 << 20, 3));
  context().insert(note);
  context().insert(Note::make("none"));
  ASSERT_TRUE(context().save());
  reopen();

  auto list = notes(SortDescriptor{"title"});
  auto query = context().liveQuery<Note>();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(context().bytesLoadCount(), 0u);
  EXPECT_TRUE(list[1]->hasBytes(Note::kAttachment));
  EXPECT_FALSE(list[0]->hasBytes(Note::kAttachment));
  EXPECT_FALSE(list[1]->isBytesLoaded(Note::kAttachment));

  auto version = list[1]->bytesVersion();
  EXPECT_EQ(list[1]->attachment()->size(), 1u << 20);
  EXPECT_EQ(list[1]->attachment()->size(), 1u << 20);
  EXPECT_EQ(context().bytesLoadCount(), 1u);
  EXPECT_EQ(list[1]->bytesVersion(), version);  // loading is not changing

  list[1]->setAttachment(std::nullopt);
  EXPECT_NE(list[1]->bytesVersion(), version);
  EXPECT_FALSE(list[1]->hasBytes(Note::kAttachment));
  ASSERT_TRUE(context().save());
  reopen();
  EXPECT_FALSE(notes()[1]->hasBytes(Note::kAttachment));
  EXPECT_EQ(context().bytesLoadCount(), 0u);
}

TEST_F(StoreContext, AChangedTitleDoesNotRewriteUnreadBytes) {
  context().insert(Note::make("a", Date(), Bytes{1, 2, 3}));
  ASSERT_TRUE(context().save());
  reopen();
  notes()[0]->setTitle("b");
  ASSERT_TRUE(context().save());
  EXPECT_EQ(context().bytesLoadCount(), 0u);
  reopen();
  EXPECT_EQ(notes()[0]->attachment(), (Bytes{1, 2, 3}));
}

TEST_F(StoreContext, DamagedRowsAreSkippedLoggedAndLeftInTheFile) {
  context().insert(Note::make("good"));
  ASSERT_TRUE(context().save());
  store.reset();
  {
    RawDatabase raw(path);
    ASSERT_TRUE(raw.exec(
        "INSERT INTO Note VALUES ('not-a-uuid', 'bad id', 1.0, 0, 0, NULL);"
        "INSERT INTO Note VALUES (NULL, 'no id', 1.0, 0, 0, NULL);"
        "INSERT INTO Note VALUES ('5D6A0B1E-3C2F-4A8B-9E7D-1F2A3B4C5D6E', 'bad date', 'soon', 0, "
        "0, NULL);"
        "INSERT INTO Note VALUES ('5d6a0b1e-3c2f-4a8b-9e7d-1f2a3b4c5d6f', NULL, 2, NULL, NULL, "
        "NULL);"));
  }
  ScopedLogCapture log;
  store = open();
  EXPECT_EQ(titles(), (std::vector<std::string>{"good", ""}));
  EXPECT_EQ(log.lines(),
            (std::vector<std::string>{"Store: skipped Note row 2: id is not a UUID",
                                      "Store: skipped Note row 3: id is not a UUID",
                                      "Store: skipped Note row 4: created is not a date"}));
  notes()[0]->setTitle("still good");
  ASSERT_TRUE(context().save());
  store.reset();
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT count(*) FROM Note"), std::vector<std::string>{"5"});
}

TEST_F(StoreContext, InsertingIntoASecondContextOrTwiceIsIgnored) {
  auto note = Note::make("once");
  context().insert(note);
  context().insert(note);
  platform::testing::TempDirectory other;
  auto second = Store::open(other.path() / "other.store", testing::noteSchema(), queue);
  ASSERT_TRUE(second);
  (*second)->mainContext().insert(note);
  EXPECT_EQ(*(*second)->mainContext().count<Note>(), 0u);
  EXPECT_EQ(titles(), std::vector<std::string>{"once"});
}

TEST_F(StoreContext, RecordsOutliveTheirStore) {
  context().insert(Note::make("a", Date(), Bytes{1}));
  ASSERT_TRUE(context().save());
  reopen();
  auto note = notes()[0];
  store.reset();
  note->setTitle("b");  // detached: no context to tell, nothing to crash on
  EXPECT_EQ(note->title(), "b");
  EXPECT_FALSE(note->attachment());
  queue.advance(1.0);
}

}  // namespace
}  // namespace platform::store
