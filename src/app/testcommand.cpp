#include "testcommand.h"

#include <fstream>
#include <thread>

#include "core/grading/casefile.h"
#include "core/grading/csvreport.h"
#include "core/grading/jsonreport.h"
#include "core/grading/junitreport.h"
#include "core/grading/parallelgrading.h"
#include "core/grading/programgrader.h"
#include "core/grading/textreport.h"
#include "core/lang/microcodeparser.h"
#include "core/sim/mcrom.h"
#include "tav2cli.h"

namespace tav2 {

namespace {
constexpr const char* kStartUpMicrocode = "microdefs.~mc";
}  // namespace

int TestCommand::Run(const CliOptions& options) {
  CaseFile cases;
  try {
    cases = CaseFile::Read(options.file);
  } catch (const CaseFileError& error) {
    std::fprintf(err_, "%s\n", error.what());
    return error.Cause() == CaseFileError::Kind::Unreadable ? Tav2Cli::kCannotRead : Tav2Cli::kUsage;
  }
  Mcrom rom;
  if (const std::optional<int> failed = LoadMicrocode(cases, rom)) return *failed;

  const ProgramGrader grader(cases, rom, homeDir_, !options.allowAnyInclude);
  const unsigned jobs = options.jobs.value_or(std::max(1u, std::thread::hardware_concurrency()));
  const std::vector<ProgramResult> results =
      ParallelGrading::Run(grader, options.programs, jobs, [&](const ProgramResult& result) {
        std::fputs(TextReport::Program(cases, result).c_str(), out_);
        std::fflush(out_);
      });
  std::fputs(TextReport::Summary(results).c_str(), out_);
  std::fflush(out_);

  if (!WriteReport(options.junit, JunitReport::Text(cases, results)) ||
      !WriteReport(options.json, JsonReport::Text(cases, results)) ||
      !WriteReport(options.csv, CsvReport::Text(results))) {
    return Tav2Cli::kCannotWrite;
  }
  const bool allPassed = std::all_of(results.begin(), results.end(),
                                     [](const ProgramResult& result) { return result.AllPassed(); });
  return allPassed ? Tav2Cli::kSuccess : Tav2Cli::kBuildErrors;
}

std::optional<int> TestCommand::LoadMicrocode(const CaseFile& cases, Mcrom& rom) {
  const std::filesystem::path file = cases.microcode.value_or(homeDir_ / kStartUpMicrocode);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) || !std::ifstream(file, std::ios::binary)) {
    std::fprintf(err_, "can't open file: %s\n", file.string().c_str());
    return Tav2Cli::kCannotRead;
  }
  MicrocodeParser parser(rom);
  parser.loadAfterBuild = true;
  parser.SetIncludeDirectories(homeDir_ / "include", file.parent_path());
  if (parser.ParseSourceFile(file.string())) return std::nullopt;
  for (const BuildError& failure : parser.Errors()) std::fprintf(err_, "%s\n", failure.ListLine().c_str());
  std::fprintf(err_, "Errors in projectfile\n");
  return Tav2Cli::kBuildErrors;
}

bool TestCommand::WriteReport(const std::optional<std::string>& file, const std::string& text) {
  if (!file) return true;
  std::ofstream out(*file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (out) return true;
  std::fprintf(err_, "can't write file: %s\n", file->c_str());
  return false;
}

}  // namespace tav2
