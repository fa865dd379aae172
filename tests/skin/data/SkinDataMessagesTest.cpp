// The container's broadcasts with two forms open: a load, ClearSkin, a failing
// load and a skin missing a required section, with the states each message
// arrives in; and the property writers that broadcast.
#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

struct Heard {
  String form;
  UINT message;
  bool empty;
  bool loading;
  size_t pictures;  // named pictures the container held when the message came
  bool operator==(const Heard&) const = default;
};

std::vector<Heard>* journal = nullptr;

// A form that notes every skin message it receives and the container's state then.
class ListeningForm : public TForm {
public:
  using TForm::TForm;

protected:
  void WndProc(TMessage& message) override {
    if (journal && message.Msg >= SkinMsgBeforeChange && message.Msg <= SkinMsgSkinnableFormChanged) {
      auto* skin = reinterpret_cast<TspSkinData*>(message.WParam);
      EXPECT_EQ(message.LParam, SkinMsgLParam);
      journal->push_back({Name(), message.Msg, skin->Empty, skin->LoadingSkin, skin->ActivePictures.size()});
    }
    TForm::WndProc(message);
  }
};

class SkinDataMessages : public testing::Test {
protected:
  void SetUp() override {
    owner = NewForm<ListeningForm>(nullptr);
    owner->SetName("Owner");
    other = NewForm<ListeningForm>(nullptr);
    other->SetName("Other");
    skin = new TspSkinData(owner);
    journal = &heard;
  }
  void TearDown() override {
    journal = nullptr;
    delete other;
    delete owner;  // frees the container it owns
  }
  // The messages of one kind in order: each to the owner first, then the other form.
  std::vector<Heard> Sequence(std::initializer_list<std::tuple<UINT, bool, bool, size_t>> steps) {
    std::vector<Heard> out;
    for (auto [message, empty, loading, pictures] : steps)
      for (const char* form : {"Owner", "Other"}) out.push_back({form, message, empty, loading, pictures});
    return out;
  }

  ListeningForm* owner = nullptr;
  ListeningForm* other = nullptr;
  TspSkinData* skin = nullptr;
  std::vector<Heard> heard;
  TempProgramFolder folder;
};

}  // namespace

TEST_F(SkinDataMessages, ALoadAnnouncesBeforeChangeChangeAndAfterChange) {
  String ini = WriteMinimalSkin(folder);
  ASSERT_TRUE(skin->LoadFromFile(ini));
  EXPECT_EQ(heard, Sequence({{SkinMsgBeforeChange, true, true, 0},
                             {SkinMsgChange, false, true, 1},
                             {SkinMsgAfterChange, false, false, 1}}));
  EXPECT_FALSE(skin->Empty);
  EXPECT_EQ(skin->SkinName, "Mini");

  heard.clear();
  ASSERT_TRUE(skin->LoadFromFile(ini));
  EXPECT_EQ(heard.front(), (Heard{"Owner", SkinMsgBeforeChange, true, true, 1})) << "the old skin is there to drop";
}

TEST_F(SkinDataMessages, ClearSkinAnnouncesBeforeTheSkinGoes) {
  ASSERT_TRUE(skin->LoadFromFile(WriteMinimalSkin(folder)));
  heard.clear();
  skin->ClearSkin();
  EXPECT_EQ(heard, Sequence({{SkinMsgBeforeChange, true, false, 1},
                             {SkinMsgChange, true, false, 0},
                             {SkinMsgAfterChange, true, false, 0}}));
  EXPECT_EQ(skin->SkinColors->cBtnFace, clBtnFace);
}

TEST_F(SkinDataMessages, AFailingLoadEndsWithoutASkinAndTellsTheForms) {
  ASSERT_TRUE(skin->LoadFromFile(WriteMinimalSkin(folder)));
  heard.clear();
  String broken = WriteMinimalSkin(folder, "[POPUPWINDOW]\r\nitemsrect=1,2\r\n", "broken\\");
  EXPECT_THROW(skin->LoadFromFile(broken), EConvertError);
  EXPECT_EQ(heard, Sequence({{SkinMsgBeforeChange, true, true, 1},
                             {SkinMsgChange, true, false, 0},
                             {SkinMsgAfterChange, true, false, 0}}));
  EXPECT_TRUE(skin->Empty);
  EXPECT_FALSE(skin->LoadingSkin);

  heard.clear();
  folder.Write("nopic\\Skin.ini", MinimalSkinIni());
  EXPECT_ANY_THROW(skin->LoadFromFile(folder.Path() + "nopic\\Skin.ini"));
  EXPECT_EQ(heard.size(), 6u);
  EXPECT_FALSE(skin->LoadingSkin);
}

TEST_F(SkinDataMessages, AMissingSectionChangesNothingAndAnswersFalse) {
  ASSERT_TRUE(skin->LoadFromFile(WriteMinimalSkin(folder)));
  heard.clear();
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    String text = MinimalSkinIni();
    size_t at = text.find(String("[") + section + "]");
    size_t next = text.find('[', at + 1);
    // The header without keys counts as missing too.
    text = text.substr(0, at) + "[" + section + "]\r\n" + (next == String::npos ? "" : text.substr(next));
    String ini = folder.Write(String("gap\\") + section + "\\Skin.ini", text);
    EXPECT_FALSE(skin->LoadFromFile(ini)) << section;
  }
  EXPECT_FALSE(skin->LoadFromFile(folder.Path() + "absent\\Skin.ini"));
  EXPECT_TRUE(heard.empty());
  EXPECT_FALSE(skin->Empty);
  EXPECT_EQ(skin->ActivePictures.size(), 1u);
}

TEST_F(SkinDataMessages, PropertyWritersBroadcastOnlyOnChange) {
  skin->SetSkinnableForm(true);
  EXPECT_TRUE(heard.empty());
  skin->SetSkinnableForm(false);
  EXPECT_EQ(heard, Sequence({{SkinMsgSkinnableFormChanged, true, false, 0}}));
  heard.clear();
  TspResourceStrData strings(nullptr);
  skin->SetResourceStrData(&strings);
  EXPECT_EQ(heard, Sequence({{SkinMsgResourceStrChanged, true, false, 0}}));
  skin->SetResourceStrData(nullptr);

  skin->SetCompressedSkinIndex(5);  // no list: stored as it is
  EXPECT_EQ(skin->SkinIndex(), 5);
}
