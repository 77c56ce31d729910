// The three dialogs through the answers file, as orvhost shows them on Linux: what reaches the
// profile on OK and Cancel, the server list, the acquisition's queue rules.
#include <gtest/gtest.h>

#include "discfetch/discfetch_dialogs.h"
#include "tests/discfetch/entry_text.h"
#include "tests/discfetch/run_fixture.h"

namespace orv::discfetch {
namespace {

using testing::EvenTracks;
using testing::WorkedExampleTracks;

class Dialogs : public testing::RunTest {
 protected:
  int32_t ShowOptions() { return filter_.Configure("Orvella Premium", "Kelvard", 1); }
  std::optional<int32_t> StoredInt(const char* name) {
    return platform::ReadProfileInt(Section(), name);
  }
  std::optional<std::string> StoredText(const char* name) {
    return platform::ReadProfileText(Section(), name);
  }
};

TEST_F(Dialogs, OptionsOkWritesEveryOptionAndCancelNone) {
  Answer("dialog 129 cancel\n");
  EXPECT_EQ(ShowOptions(), 0);
  EXPECT_FALSE(StoredInt("MaxCD"));

  Answer(
      "dialog 129 set 1001=80 set 1003=9.90 select 1010=9 select 1011=3 check 1006=1 "
      "check 1009=1 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredInt("MaxCD"), 80);
  EXPECT_EQ(StoredText("DefValue"), "9.90");
  EXPECT_EQ(StoredInt("DefMedium"), 9);
  EXPECT_EQ(StoredInt("DefSound"), 3);
  EXPECT_EQ(StoredInt("CreateTitles"), 1);
  EXPECT_EQ(StoredInt("CreateNotFound"), 1);
  EXPECT_EQ(StoredText("DefType"), "Inconnu");
  EXPECT_EQ(StoredText("cddbsite"), "127.0.0.1");
  EXPECT_EQ(StoredInt("cddbport"), server_.Port());
  EXPECT_EQ(StoredInt("NbAttempt"), 4);
  EXPECT_EQ(StoredText("CddbEmail"), "");
  EXPECT_EQ(StoredInt("CddbCache"), 0);
  EXPECT_EQ(StoredInt("FirstMatch"), 0);
  EXPECT_EQ(platform::ListProfileValues(Section()).size(), 18u) << "every option, no more";
}

TEST_F(Dialogs, AnIntegerFieldWithoutANumberIsRefused) {
  Answer("dialog 129 set 1002=cinq ok\ndialog 129 set 1002=6 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredInt("AvgTrack"), 6);
}

TEST_F(Dialogs, ServerListFillsTheDropDownAndAChoiceCopiesTheSite) {
  Answer(
      "dialog 129 press 3 ok\n"
      "dialog 131 set 1013=7 press 3004 select 3004=0 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(server_.RequestCount("sites"), 1u);
  EXPECT_EQ(StoredText("cddbsite"), "127.0.0.1");
  EXPECT_EQ(StoredText("cddbdesc"), "The fake server");
  EXPECT_EQ(StoredInt("NbAttempt"), 7);
  EXPECT_EQ(filter_.CgiPath(), "/~cddb/cddb.cgi");
}

TEST_F(Dialogs, AFailedSiteListLeavesTheDropDownAndTypedValuesStayAfterCancel) {
  server_.Script("sites", {{"500 no sites\r\n"}});
  Answer(
      "dialog 129 press 3 ok\n"
      "dialog 131 set 3004=cddb.example set 1002=8880 set 1003=/cgi press 3004 cancel\n");
  EXPECT_EQ(ShowOptions(), 1);
  // Opening the list took the typed values, so they stay although 131 was cancelled.
  EXPECT_EQ(StoredText("cddbsite"), "cddb.example");
  EXPECT_EQ(StoredInt("cddbport"), 8880);
  EXPECT_EQ(filter_.CgiPath(), "/cgi");
}

TEST_F(Dialogs, ResetBringsBackTheDefaultServerButKeepsTheAttempts) {
  Answer(
      "dialog 129 press 3 ok\n"
      "dialog 131 set 3004=other set 1002=99 set 1003=/x set 1004=d set 1013=3 press 3 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredText("cddbsite"), "127.0.0.1");
  EXPECT_EQ(StoredInt("cddbport"), server_.Port());
  EXPECT_EQ(StoredText("cddbdesc"), "Random freedb server");
  EXPECT_EQ(StoredInt("NbAttempt"), 3);
  EXPECT_EQ(filter_.CgiPath(), "/~cddb/cddb.cgi");
}

TEST_F(Dialogs, SettingsOkNeedsServerAndPathAndMakesZeroAttemptsOne) {
  Answer(
      "dialog 129 press 3 ok\n"
      "dialog 131 set 3004= ok\n"
      "dialog 131 set 3004=srv set 1003= ok\n"
      "dialog 131 set 1003=/p set 1013=0 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredText("cddbsite"), "srv");
  EXPECT_EQ(StoredInt("NbAttempt"), 1);
}

TEST_F(Dialogs, SettingsShowTheProxyOfTheHost) {
  SetProxy("proxy.lan", 3128, "zoe", "x");
  Answer("dialog 129 press 3 ok\ndialog 131 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(filter_.Proxy().host, "proxy.lan");
  EXPECT_EQ(filter_.Proxy().port, 3128);
  EXPECT_EQ(filter_.Proxy().user, "zoe");
}

TEST_F(Dialogs, TheEmailCacheAndFirstMatchOptionsReachTheProfileOnOk) {
  const std::string email = "jean.dupont@mail.example.fr";
  Answer("dialog 129 check 1013=1 press 3 ok\ndialog 131 set 1015=" + email +
         " select 1016=2 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredText("CddbEmail"), email);
  EXPECT_EQ(StoredInt("CddbCache"), 2) << "cache only";
  EXPECT_EQ(StoredInt("FirstMatch"), 1);
  // Shown again as stored: the cache list holds the three modes.
  Answer("dialog 129 press 3 ok\ndialog 131 ok\n");
  EXPECT_EQ(ShowOptions(), 1);
  EXPECT_EQ(StoredInt("CddbCache"), 2);
  const ui::DialogModel settings = ui::LoadDialogModel(131);
  ASSERT_NE(settings.Find(1016), nullptr);
  ASSERT_NE(settings.Find(1015), nullptr);
  EXPECT_EQ(ui::LoadDialogModel(132).Find(1002)->kind, ui::ControlKind::kListView);
}

TEST_F(Dialogs, DiscsLeftByAnEarlierRunShowAsWaiting) {
  Insert({{"a", WorkedExampleTracks()}});
  filter_.Queue().Add(7, {{0, 2, 0}, {1, 0, 0}});
  filter_.Queue().Add(8, {{0, 2, 0}, {1, 0, 0}});
  filter_.Queue().RemoveDone({true, false});
  EXPECT_EQ(filter_.Queue().lastDiscId, 0u) << "the disc in the drive may be fed again";
  AcquisitionDialog dialog(filter_.Queue(), "D:");
  ui::DialogModel model = ui::LoadDialogModel(130);
  dialog.OnInit(model);
  EXPECT_EQ(model.Text(3000),
            "1 CDs mémorisés pour importation (max 50), dont 1 en attente depuis une "
            "importation précédente");
  EXPECT_TRUE(model.Find(ui::kIdOk)->enabled);
}

TEST_F(Dialogs, AcquisitionQueuesADiscOnceInARowAndAgainAfterASwap) {
  Insert({{"a", WorkedExampleTracks()},
          {"a2", WorkedExampleTracks()},
          {"b", EvenTracks(3, 242)},
          {"a3", WorkedExampleTracks()}});
  // a, the same disc again, b, then a back in the drive.
  Answer("dialog 130 press 3002 press 3002 press 3002 press 3002 press 3 press 3001 cancel\n");
  filter_.Configure("Orvella Premium", "Kelvard", 0);
  EXPECT_EQ(filter_.Open("", nullptr, nullptr), 0);
  ASSERT_EQ(filter_.Queue().Size(), 3u);
  EXPECT_EQ(filter_.Queue().discIds[0], 0x0501a302u);
  EXPECT_EQ(filter_.Queue().discIds[2], 0x0501a302u);
}

TEST_F(Dialogs, TheFiftyFirstAcquisitionShowsMessage52) {
  Insert({{"b", EvenTracks(3, 242)}});
  for (uint32_t i = 0; i < 50; ++i) filter_.Queue().Add(i + 1, {{0, 2, 0}, {1, 0, 0}});
  Answer("dialog 130 press 3002 cancel\nmsgbox ok\n");
  filter_.Configure("Orvella Premium", "Kelvard", 0);
  EXPECT_EQ(filter_.Open("", nullptr, nullptr), 0);
  EXPECT_EQ(filter_.Queue().Size(), 50u);
}

}  // namespace
}  // namespace orv::discfetch
