#include "platform/store/Store.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/store/Note_test.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace platform::store {
namespace {

using testing::Note;
using testing::RawDatabase;

std::string contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct StoreOpening : ::testing::Test {
  platform::testing::TempDirectory dir;
  std::filesystem::path path = dir.path() / "app" / "Verdeo.store";
  ManualClock clock;
  VirtualMainQueue queue{clock};
};

TEST_F(StoreOpening, CreatesTheFileWithExactlyOneBareTablePerEntity) {
  {
    auto store = Store::open(path, testing::noteSchema(), queue);
    ASSERT_TRUE(store) << store.error().description;
  }
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT type, name FROM sqlite_schema ORDER BY name"),
            (std::vector<std::string>{"table|Note", "table|Tag"}));
  // cid|name|type|notnull|dflt_value|pk
  EXPECT_EQ(raw.rows("PRAGMA table_info(Note)"),
            (std::vector<std::string>{"0|id|TEXT|0|NULL|0", "1|title|TEXT|0|NULL|0",
                                      "2|created|REAL|0|NULL|0", "3|count|INTEGER|0|NULL|0",
                                      "4|pinned|INTEGER|0|NULL|0", "5|attachment|BLOB|0|NULL|0"}));
  EXPECT_EQ(raw.rows("PRAGMA journal_mode"), std::vector<std::string>{"wal"});
}

TEST_F(StoreOpening, ReopensAnExistingStoreWithoutTouchingItsRows) {
  {
    auto store = Store::open(path, testing::noteSchema(), queue);
    ASSERT_TRUE(store);
    (*store)->mainContext().insert(Note::make("kept"));
    ASSERT_TRUE((*store)->mainContext().save());
  }
  auto store = Store::open(path, testing::noteSchema(), queue);
  ASSERT_TRUE(store) << store.error().description;
  auto count = (*store)->mainContext().count<Note>();
  ASSERT_TRUE(count);
  EXPECT_EQ(*count, 1u);
}

TEST_F(StoreOpening, UnusableFilesAreReportedAndLeftAsTheyWere) {
  struct Case {
    const char* name;
    std::string bytes;  // written as the file's content before opening
    const char* reason;
  };
  std::string foreign;
  {
    // A real database whose Note table lacks most of the columns.
    RawDatabase raw(dir.path() / "foreign.db");
    raw.exec("CREATE TABLE Note (id TEXT, title TEXT); INSERT INTO Note VALUES ('x', 'y')");
  }
  foreign = contents(dir.path() / "foreign.db");
  const Case cases[] = {
      {"text", "these are not the bytes of a database, nor anything like them\n",
       "file is not a database"},
      {"foreign schema", foreign, "The table Note has no column created"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
    auto store = Store::open(path, testing::noteSchema(), queue);
    ASSERT_FALSE(store);
    EXPECT_NE(store.error().description.find(c.reason), std::string::npos)
        << store.error().description;
    EXPECT_NE(store.error().description.find(path.string()), std::string::npos);
    EXPECT_EQ(contents(path), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(path.string() + "-wal"));
  }
}

TEST_F(StoreOpening, AFolderInTheWayIsAnError) {
  std::filesystem::create_directories(path);
  auto store = Store::open(path, testing::noteSchema(), queue);
  ASSERT_FALSE(store);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace platform::store
