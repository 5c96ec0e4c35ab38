#include <gmock/gmock.h>

#include "ConfigurationFixture.h"
#include "core/Paths.h"

namespace vs::fake {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The root and a folder in it, written as the platform writes paths.
#ifdef _WIN32
const std::string kRoot = "C:\\";
#else
const std::string kRoot = "/";
#endif
const std::string kPics = kRoot + "pics";

std::string InPics(const std::string& name) { return kPics + kRoot.back() + name; }

TEST(JoinPath, AddsOneSeparatorEvenAtTheRoot) {
#ifdef _WIN32
  EXPECT_EQ(JoinPath("C:\\", "a.jpg"), "C:\\a.jpg");
  EXPECT_EQ(JoinPath("C:\\Users\\u", "a.jpg"), "C:\\Users\\u\\a.jpg");
  EXPECT_EQ(JoinPath("E:/photos/", "a.jpg"), "E:/photos/a.jpg");
#else
  EXPECT_EQ(JoinPath("/", "a.jpg"), "/a.jpg");
  EXPECT_EQ(JoinPath("/home/u", "a.jpg"), "/home/u/a.jpg");
  EXPECT_EQ(JoinPath("/media/usb/", "a.jpg"), "/media/usb/a.jpg");
#endif
}

// Windows takes "/" as well as "\"; a file in a root keeps the root.
TEST(ParentDirectory, SplitsAtTheLastSeparatorAndKeepsRoots) {
#ifdef _WIN32
  EXPECT_EQ(ParentDirectory("C:\\a.jpg"), "C:\\");
  EXPECT_EQ(ParentDirectory("C:\\pics/2024\\a.jpg"), "C:\\pics/2024");
  EXPECT_EQ(ParentDirectory("C:\\pics\\2024/a.jpg"), "C:\\pics\\2024");
  EXPECT_EQ(FileNameOf("C:\\pics/a.jpg"), "a.jpg");
#else
  EXPECT_EQ(ParentDirectory("/a.jpg"), "/");
  EXPECT_EQ(ParentDirectory("/pics/2024/a.jpg"), "/pics/2024");
  EXPECT_EQ(FileNameOf("/pics/a.jpg"), "a.jpg");
#endif
  EXPECT_EQ(ParentDirectory("a.jpg"), ".");
}

class TargetEditingTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    Open();
    view->file1.namesIn = [this](const std::string&) { return files; };
    view->file1.path = kPics;
    view->file1.pattern = "*.*";
  }

  std::vector<std::string> files{"a.BMP", "b.Jpg", "c.gif", "d.jpeg", "ab", "e.mp3"};
};

TEST_F(TargetEditingTest, AddAllRoutesByTheLastThreeLettersInSourceOrder) {
  form.cmdAddAll_Click();
  EXPECT_THAT(view->targets1.items, ElementsAre(InPics("a.BMP"), InPics("b.Jpg"), InPics("c.gif")));
  EXPECT_THAT(view->targets2.items, ElementsAre(InPics("d.jpeg"), InPics("ab"), InPics("e.mp3")));
  EXPECT_FALSE(LogHasFailure());
}

TEST_F(TargetEditingTest, AddTakesSelectedOnlyAndKeepsDuplicates) {
  view->file1.path = kRoot;
  view->file1.selected = {1, 5};
  form.File1_DblClick();
  form.cmdAdd_Click();
  EXPECT_THAT(view->targets1.items, ElementsAre(kRoot + "b.Jpg", kRoot + "b.Jpg"));
  EXPECT_THAT(view->targets2.items, ElementsAre(kRoot + "e.mp3", kRoot + "e.mp3"));
  EXPECT_THAT(view->file1.selected, ElementsAre(1, 5));
}

TEST_F(TargetEditingTest, AddingFromAnEmptySourceChangesNothing) {
  files.clear();
  form.cmdAddAll_Click();
  form.cmdAdd_Click();
  EXPECT_THAT(view->targets1.items, IsEmpty());
  EXPECT_THAT(view->targets2.items, IsEmpty());
  EXPECT_FALSE(LogHasFailure());
}

TEST_F(TargetEditingTest, AddStopsAtTheListLimitWithAFailureReport) {
  view->targets1.items.assign(frm_Configuration::kMaxTargetEntries - 1, "/old.jpg");
  files = {"a.jpg", "b.jpg", "c.mp3"};
  form.cmdAddAll_Click();
  EXPECT_EQ(view->targets1.ListCount(), frm_Configuration::kMaxTargetEntries);
  EXPECT_EQ(view->targets1.items.back(), InPics("a.jpg"));
  EXPECT_THAT(view->targets2.items, IsEmpty());  // the rest is abandoned
  const auto lines = LogLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Error out in AddAll object");
  EXPECT_THAT(lines.back(), HasSubstr("full"));

  view->file1.selected = {0};
  form.cmdAdd_Click();
  EXPECT_EQ(view->targets1.ListCount(), frm_Configuration::kMaxTargetEntries);
  EXPECT_EQ(LogLines()[LogLines().size() - 2], "Error out in Add object");
}

TEST_F(TargetEditingTest, RemoveActsOnTheActiveListOnly) {
  view->targets1.items = {"1", "2", "3", "4", "5"};
  view->targets2.items = {"x", "y"};
  view->targets2.selected = {0, 1};

  form.cmdRemove_Click();  // no list clicked yet
  form.cmdRemoveAll_Click();
  EXPECT_EQ(view->targets1.ListCount(), 5);
  EXPECT_EQ(view->targets2.ListCount(), 2);

  view->targets1.selected = {1, 2, 3};
  form.list1_Click();
  form.cmdRemove_Click();
  EXPECT_THAT(view->targets1.items, ElementsAre("1", "5"));
  EXPECT_THAT(view->targets2.items, ElementsAre("x", "y"));

  form.cmdRemove_Click();  // nothing selected any more
  EXPECT_THAT(view->targets1.items, ElementsAre("1", "5"));

  view->targets1.selected = {0};
  form.list1_DblClick();
  EXPECT_THAT(view->targets1.items, ElementsAre("5"));

  form.cmdRemoveAll_Click();
  EXPECT_THAT(view->targets1.items, IsEmpty());
  EXPECT_THAT(view->targets2.items, ElementsAre("x", "y"));

  form.list2_DblClick();
  EXPECT_THAT(view->targets2.items, IsEmpty());
  EXPECT_FALSE(LogHasFailure());
}

}  // namespace
}  // namespace vs::fake
