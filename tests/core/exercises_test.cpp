// The exercises: a folder each in data/exercises with a valid case file, a
// reference solution and a deliberate mistake in tests/exercises (graded by
// the exercise/* tests), none of their files handed out with the exercise,
// and a task in the manual's chapter "Exercises", in the order of the
// folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/grading/casefile.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;

const fs::path kExercises = fs::path(TAV2_SOURCE_DIR) / "data" / "exercises";
const fs::path kGraded = fs::path(TAV2_SOURCE_DIR) / "tests" / "exercises";

std::vector<fs::path> Entries(const fs::path& dir) {
  std::vector<fs::path> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) entries.push_back(entry.path());
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::vector<fs::path> CaseFiles(const fs::path& exercise) {
  std::vector<fs::path> cases;
  for (const fs::path& file : Entries(exercise)) {
    if (file.extension() == ".toml") cases.push_back(file);
  }
  return cases;
}

TEST(Exercises, EachHasValidCasesASolutionAndAMistake) {
  const std::vector<fs::path> exercises = Entries(kExercises);
  EXPECT_GE(exercises.size(), 12u);
  for (const fs::path& exercise : exercises) {
    const std::string name = exercise.filename().string();
    const std::vector<fs::path> cases = CaseFiles(exercise);
    ASSERT_EQ(cases.size(), 1u) << name << " needs exactly one case file";
    EXPECT_NO_THROW({ EXPECT_FALSE(CaseFile::Read(cases[0].string()).cases.empty()) << name; }) << name;
    for (const char* kind : {"solutions", "mistakes"}) {
      const fs::path submission = kGraded / kind / name;
      ASSERT_TRUE(fs::is_directory(submission)) << submission;
      const fs::path program = submission / cases[0].filename().replace_extension(".asm");
      EXPECT_TRUE(fs::exists(program) || fs::exists(exercise / program.filename()))
          << name << ": no program " << program.filename() << " in " << kind << " or the exercise";
      for (const fs::path& file : Entries(submission)) {
        EXPECT_FALSE(fs::exists(exercise / file.filename())) << file << " is handed out with the exercise";
      }
    }
  }
  for (const char* kind : {"solutions", "mistakes"}) {
    for (const fs::path& submission : Entries(kGraded / kind)) {
      EXPECT_TRUE(fs::is_directory(kExercises / submission.filename())) << submission << " has no exercise";
    }
  }
}

TEST(Exercises, MicrocodeExercisesLeaveTheMicrocodeToTheStudent) {
  int microcodeExercises = 0;
  for (const fs::path& exercise : Entries(kExercises)) {
    const CaseFile cases = CaseFile::Read(CaseFiles(exercise).at(0).string());
    if (!cases.microcode) continue;
    ++microcodeExercises;
    const fs::path ownFile = cases.microcode->filename();
    EXPECT_EQ(cases.microcode->parent_path(), exercise) << "the micro-code lies beside the case file";
    EXPECT_FALSE(fs::exists(*cases.microcode)) << ownFile << " is the student's to write";
    EXPECT_TRUE(fs::exists(kGraded / "solutions" / exercise.filename() / ownFile)) << exercise;
  }
  EXPECT_GE(microcodeExercises, 1) << "the last exercises write an instruction of one's own";
}

TEST(Exercises, TheManualGivesEveryTaskInOrder) {
  const std::string html = test::ReadWhole(fs::path(TAV2_SOURCE_DIR) / "data" / "help" / "TAV2.html");
  const std::size_t chapter = html.find("<a name=\"exercises\"></a>");
  ASSERT_NE(chapter, std::string::npos);
  const std::size_t chapterEnd = html.find("<h2>", html.find("<h2>", chapter) + 1);
  EXPECT_NE(html.find("<a href=\"#exercises\">"), std::string::npos) << "the contents link the chapter";
  std::size_t previous = chapter;
  int number = 0;
  for (const fs::path& exercise : Entries(kExercises)) {
    const std::string name = exercise.filename().string();
    const std::size_t task = html.find("<a name=\"exercise-" + name + "\"></a>");
    ASSERT_NE(task, std::string::npos) << "no task for " << name;
    EXPECT_GT(task, previous) << name << " is out of order";
    EXPECT_LT(task, chapterEnd) << name << " lies outside the chapter";
    const std::string heading = "<h3>Exercise " + std::to_string(++number) + ":";
    EXPECT_EQ(html.compare(html.find("<h3>", task), heading.size(), heading), 0) << name;
    const std::string caseFile = CaseFiles(exercise).at(0).filename().string();
    const std::string text = html.substr(task, html.find("<a name=", task + 1) - task);
    EXPECT_NE(text.find("<code>" + fs::path(caseFile).replace_extension(".asm").string() + "</code>"),
              std::string::npos)
        << name << ": the task names the program to write";
    previous = task;
  }
}

}  // namespace
}  // namespace tav2
