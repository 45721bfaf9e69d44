#include <gtest/gtest.h>

#include "gui/shell/dialogs.h"
#include "scripteddialogs.h"

namespace tav2 {
namespace {

TEST(Dialogs, ScriptedDialogsReplaceTheQtOnesWhileInstalled) {
  const Dialogs* qtDialogs = &Dialogs::Current();
  {
    test::ScriptedDialogs scripted;
    scripted.answers = {Dialogs::Answer::No};
    EXPECT_EQ(&Dialogs::Current(), &scripted);
    Dialogs::Current().ShowError(nullptr, "File x not found");
    EXPECT_EQ(Dialogs::Current().AskYesNoCancel(nullptr, "Save?"), Dialogs::Answer::No);
    EXPECT_EQ(Dialogs::Current().AskYesNoCancel(nullptr, "Again?"), Dialogs::Answer::Cancel);
    EXPECT_EQ(scripted.messages,
              QStringList({"error: File x not found", "ask: Save?", "ask: Again?"}));
  }
  EXPECT_EQ(&Dialogs::Current(), qtDialogs);
}

}  // namespace
}  // namespace tav2
