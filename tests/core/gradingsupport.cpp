#include "gradingsupport.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "core/grading/programgrader.h"
#include "core/lang/microcodeparser.h"

namespace tav2::test {

const Mcrom& DefaultRom() {
  static const std::unique_ptr<Mcrom> rom = [] {
    auto loaded = std::make_unique<Mcrom>();
    std::ifstream in(std::string(TAV2_SOURCE_DIR) + "/data/microdefs.mca", std::ios::binary);
    MicrocodeParser parser(*loaded);
    parser.loadAfterBuild = true;
    parser.ParseSource(std::string(std::istreambuf_iterator<char>(in), {}), "microdefs.mca");
    return loaded;
  }();
  return *rom;
}

GradingPlace::GradingPlace() : home_(dir_.Dir("home")) { dir_.Dir("home/include"); }

std::string GradingPlace::Program(const std::string& name, const std::string& body) const {
  return dir_.Write(name, "##\n" + body + "\n##\n").string();
}

ProgramResult GradingPlace::Grade(const std::string& cases, const std::string& program,
                                  bool confineIncludes) {
  cases_ = CaseFile::Parse(cases, (dir_.Path() / "cases.toml").string());
  return ProgramGrader(cases_, DefaultRom(), home_, confineIncludes).Grade(program);
}

}  // namespace tav2::test
