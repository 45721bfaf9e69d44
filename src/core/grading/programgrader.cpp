#include "core/grading/programgrader.h"

#include <algorithm>

#include "core/editor/lineends.h"
#include "core/grading/caserun.h"
#include "core/grading/confinedincludes.h"
#include "core/lang/assembler.h"
#include "core/lang/sourcefile.h"
#include "core/sim/machine.h"

namespace tav2 {

namespace {

void AddNew(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  for (const std::string& line : more) {
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  }
}

std::filesystem::path DirectoryOf(const std::string& program) {
  return std::filesystem::path(program).parent_path();
}

}  // namespace

ProgramResult ProgramGrader::Grade(const std::string& program) const {
  ProgramResult result;
  result.program = program;
  std::string source;
  result.buildErrors = ReadSource(program, source);
  const bool readable = result.buildErrors.empty();
  std::vector<Build> builds;
  for (std::size_t i = 0; i < cases_.cases.size(); ++i) {
    const TestCase& testCase = cases_.cases[i];
    if (!readable) {
      result.cases.push_back(CaseResult::NotBuilt(testCase, i));
      continue;
    }
    auto build =
        std::find_if(builds.begin(), builds.end(), [&](const Build& b) { return b.start == testCase.start; });
    if (build == builds.end()) {
      builds.push_back(Assemble(program, source, testCase.start));
      build = builds.end() - 1;
      AddNew(result.buildErrors, build->errors);
    }
    if (!build->errors.empty()) {
      result.cases.push_back(CaseResult::NotBuilt(testCase, i));
      continue;
    }
    // Every case starts from the program as it was loaded.
    const auto machine = std::make_unique<Machine>(*build->machine);
    const CaseRun run = CaseRun::Of(*machine, testCase);
    result.cases.push_back(CaseResult::Of(testCase, i, run, *machine));
  }
  return result;
}

std::vector<std::string> ProgramGrader::ReadSource(const std::string& program, std::string& source) const {
  if (confineIncludes_ && !ConfinedIncludes({DirectoryOf(program)}).Allows(program)) {
    return {"program outside the submission: " + program};
  }
  const SourceFile file = SourceFile::Read(program);
  switch (file.status) {
    case SourceFile::Status::kRead: break;
    case SourceFile::Status::kTooLarge:
      return {"can't open file: " + program + " (" + file.TooLargeReason() + ")"};
    case SourceFile::Status::kCannotOpen: return {"can't open file: " + program};
  }
  source = LineEnds::TextFromFile(file.text);
  return {};
}

ProgramGrader::Build ProgramGrader::Assemble(const std::string& program, const std::string& source,
                                             std::optional<uint16_t> start) const {
  Build build;
  build.start = start;
  build.machine = std::make_unique<Machine>();
  build.machine->mcrom = microcode_;
  const ConfinedIncludes confinement({DirectoryOf(program), homeDir_ / "include"});
  // A reporter of this build's own: nothing a translator uses is shared
  // between the threads.
  BuildReporter quiet;
  Assembler assembler(*build.machine);
  assembler.SetReporter(&quiet);
  assembler.programStart = start.value_or(0);
  assembler.loadAfterBuild = true;
  assembler.runAfterLoad = true;
  assembler.SetIncludeDirectories(homeDir_ / "include", DirectoryOf(program));
  if (confineIncludes_) assembler.SetIncludePolicy(&confinement);
  assembler.ParseSource(source, program);
  for (const BuildError& error : assembler.Errors()) build.errors.push_back(error.ListLine());
  return build;
}

}  // namespace tav2
