// The DialogModel helpers behave like the window messages they stand for.
#include <gtest/gtest.h>

#include "platform/ui.h"

namespace orv::ui {
namespace {

TEST(DialogModelTest, TheTemplateGivesEveryControlOfTheTestDialog) {
  const DialogModel model = LoadDialogModel(200);
  ASSERT_EQ(model.id, 200);
  EXPECT_EQ(model.Find(202)->kind, ControlKind::kCheckBox);
  EXPECT_TRUE(model.Find(203)->groupStart);
  EXPECT_EQ(model.Find(209)->kind, ControlKind::kListView);
  EXPECT_EQ(LoadDialogModel(4242).id, 0);
}

TEST(DialogModelTest, CheckingARadioButtonClearsOnlyItsOwnGroup) {
  DialogModel model = LoadDialogModel(200);
  model.SetChecked(202, 1);
  model.CheckRadio(203);
  model.CheckRadio(205);
  EXPECT_EQ(model.Checked(203), 0);
  EXPECT_EQ(model.Checked(205), 1);
  EXPECT_EQ(model.Checked(202), 1);  // a check box before the group is no radio button
  EXPECT_EQ(model.RadioPosition(203, 3), 2);

  model.SetRadioPosition(203, 3, 1);
  EXPECT_EQ(model.Checked(204), 1);
  EXPECT_EQ(model.Checked(205), 0);
  model.SetRadioPosition(203, 3, 7);  // out of range: none checked, which reads as the first
  EXPECT_EQ(model.RadioPosition(203, 3), 0);
  EXPECT_EQ(model.Checked(203), 0);
}

TEST(DialogModelTest, ComboSelectionsFollowTheListLikeCbSetCurSel) {
  DialogModel model = LoadDialogModel(200);
  model.SetItems(206, {"Pal", "Sécam", "Ntsc"});
  EXPECT_EQ(model.Selection(206), -1);
  model.Select(206, 2);
  EXPECT_EQ(model.Selection(206), 2);
  EXPECT_EQ(model.Text(206), "Ntsc");
  model.Select(206, 3);
  EXPECT_EQ(model.Selection(206), -1);
  EXPECT_EQ(model.Text(206), "");
  model.Select(206, 1);
  model.SetItems(206, {"Autre"});  // refilling drops the selection
  EXPECT_EQ(model.Selection(206), -1);
}

TEST(DialogModelTest, UnknownIdsAreIgnored) {
  DialogModel model = LoadDialogModel(200);
  const size_t count = model.controls.size();
  model.SetText(999, "x");
  model.SetChecked(999, 1);
  model.Select(999, 0);
  model.CheckRadio(999);
  EXPECT_EQ(model.Text(999), "");
  EXPECT_EQ(model.Checked(999), 0);
  EXPECT_EQ(model.Selection(999), -1);
  EXPECT_EQ(model.controls.size(), count);
}

}  // namespace
}  // namespace orv::ui
